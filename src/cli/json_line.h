// SPDX-License-Identifier: GPL-3.0-or-later
// Reading one JSON input line, or a CSV cell that holds a JSON value. The value is
// checked while it is read: the keys of the line's object, a key named twice in an
// object, numbers that overflow a double and values that nest too deeply are
// refused by key, so a bad line costs no more than its first fault.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace reventa::cli {

// The values the tool reads and writes: objects keep their members in order.
using Json = nlohmann::ordered_json;

// What reading a JSON text gave: the value, or the message of its fault. Text that
// is not JSON at all has neither (the caller words that).
struct JsonRead {
  std::optional<Json> value;
  std::string error;
};

// Reads `text` as one JSON value. With `keys`, the value must be an object whose
// keys are among them; without, any value. `outerKey` names the whole value in
// messages.
JsonRead ReadJson(std::string_view text, const std::vector<std::string>* keys,
                  std::string_view outerKey);

}  // namespace reventa::cli
