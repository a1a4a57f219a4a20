#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "simulator/SimulatedController.h"

namespace lcdcrt::testing {

// The accesses named sections of tests/data/expected-accesses.txt hold, in order.
std::vector<std::string> expectedAccesses(std::initializer_list<std::string_view> sections);

// The simulated controller's log as text lines, comparable with expectedAccesses().
std::vector<std::string> loggedAccesses(const SimulatedController& chip);

}  // namespace lcdcrt::testing
