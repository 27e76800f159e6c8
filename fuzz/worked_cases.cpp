// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz/worked_cases.h"

#include <fstream>
#include <stdexcept>

namespace reventa::fuzz {

std::vector<WorkedCase> ReadWorkedCases(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::vector<WorkedCase> cases;
  std::string text;
  while (std::getline(in, text)) {
    if (text.empty() || text.front() == '#') continue;
    const std::size_t a = text.find(' ');
    const std::size_t b = a == std::string::npos ? a : text.find(' ', a + 1);
    if (b == std::string::npos) throw std::runtime_error("not a worked case: " + text);
    cases.push_back({text.substr(0, a), text.substr(a + 1, b - a - 1), text.substr(b + 1)});
  }
  return cases;
}

std::string LineSeedPath(const WorkedCase& c) { return "line/" + c.command + "-" + c.name; }

std::string RecordSeedPath(const WorkedCase& c) { return c.command + "/" + c.name; }

}  // namespace reventa::fuzz
