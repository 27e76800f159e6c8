// SPDX-License-Identifier: GPL-3.0-or-later
// One table row of the command-line tests: a line through a command and what its
// answer must hold, checked the same way for every calculator area.
#pragma once

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <ostream>
#include <utility>
#include <vector>

#include "cli/run_tool.h"

namespace reventa::test {

struct LineCase {
  const char* name;
  friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }
  const char* command;
  const char* line;
  // Keys are JSON pointers ("/Cars/1/FB3802ThisCar"); numbers to a millionth.
  std::vector<std::pair<const char*, nlohmann::json>> expected;
  // Top-level keys the answer must not hold.
  std::vector<const char*> absent{};
};

inline void ExpectAnswer(const LineCase& c) {
  using Json = nlohmann::json;
  const Json r = RunLine(c.command, c.line);
  ASSERT_TRUE(r.is_object()) << r.dump();
  for (const auto& [key, value] : c.expected) {
    const Json::json_pointer pointer(key);
    ASSERT_TRUE(r.contains(pointer)) << key << " in " << r.dump();
    const Json& got = r[pointer];
    if (value.is_number() && got.is_number()) {
      EXPECT_NEAR(got.get<double>(), value.get<double>(), 1e-6) << key;
    } else {
      EXPECT_EQ(got, value) << key;
    }
  }
  for (const char* key : c.absent) EXPECT_FALSE(r.contains(key)) << key << " in " << r.dump();
}

}  // namespace reventa::test
