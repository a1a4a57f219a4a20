#include "support/ExpectedAccesses.h"

#include <fstream>
#include <map>
#include <sstream>

namespace lcdcrt::testing {

std::vector<std::string> expectedAccesses(std::initializer_list<std::string_view> names) {
    static const auto sections = [] {
        std::map<std::string, std::vector<std::string>, std::less<>> found;
        std::ifstream file(LCDCRT_EXPECTED_ACCESSES);
        std::vector<std::string>* section = nullptr;
        for (std::string line; std::getline(file, line);) {
            std::string direction, port, value;
            if (line.starts_with('[')) {
                section = &found[line.substr(1, line.find(']') - 1)];
            } else if (std::istringstream(line) >> direction >> port >> value &&
                       (direction.starts_with("in") || direction.starts_with("out"))) {
                section->push_back(direction + " " + port + " " + value);
            }
        }
        return found;
    }();
    std::vector<std::string> lines;
    for (const auto name : names) {
        const auto& section = sections.at(std::string(name));
        lines.insert(lines.end(), section.begin(), section.end());
    }
    return lines;
}

std::vector<std::string> loggedAccesses(const SimulatedController& chip) {
    std::vector<std::string> lines;
    for (const auto& access : chip.log()) {
        lines.push_back(toText(access));
    }
    return lines;
}

}  // namespace lcdcrt::testing
