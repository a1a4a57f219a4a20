#include "support/ExpectedAccesses.h"

#include <fstream>
#include <map>
#include <stdexcept>

namespace lcdcrt::testing {

namespace {

std::map<std::string, std::vector<std::string>, std::less<>> readSections() {
    std::ifstream file(LCDCRT_EXPECTED_ACCESSES);
    if (!file) {
        throw std::runtime_error("cannot read " LCDCRT_EXPECTED_ACCESSES);
    }
    std::map<std::string, std::vector<std::string>, std::less<>> sections;
    std::vector<std::string>* current = nullptr;
    for (std::string line; std::getline(file, line);) {
        line = line.substr(0, line.find('#'));
        while (!line.empty() && line.back() == ' ') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        if (line.front() == '[') {
            current = &sections[line.substr(1, line.size() - 2)];
        } else if (current != nullptr) {
            current->push_back(line);
        }
    }
    return sections;
}

}  // namespace

std::vector<std::string> expectedAccesses(std::initializer_list<std::string_view> names) {
    static const auto sections = readSections();
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
