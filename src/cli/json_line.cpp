// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/json_line.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "taxyear/csv_cell.h"

namespace reventa::cli {
namespace {

// No input of any calculator nests deeper than a list of cars, each an object; a
// deeper value is refused before it costs anything.
constexpr std::size_t MaxDepth = 32;

// An object holding more members than this keeps an index of its keys, so that a
// value with very many keys is still read in linear time.
constexpr std::size_t IndexFrom = 16;

// Builds the value of one line while the parser reads it, checking as it goes: the
// line must be an object whose keys are the command's input keys (reading stops at
// the first other key), no object may name a key twice, no number may overflow a
// double, and nothing may nest deeper than MaxDepth. The messages name the key being read.
class LineBuilder final : public nlohmann::json_sax<Json> {
 public:
  // `keys`: the keys the outermost object may hold, or nullptr for any value.
  // `outerKey`: the name of the whole value in messages.
  LineBuilder(const std::vector<std::string>* keys, std::string outerKey)
      : keys_(keys), outerKey_(std::move(outerKey)) {}

  bool null() override { return Value(Json()); }
  bool boolean(bool value) override { return Value(Json(value)); }
  bool number_integer(number_integer_t value) override { return Value(Json(value)); }
  bool number_unsigned(number_unsigned_t value) override { return Value(Json(value)); }
  bool number_float(number_float_t value, const string_t&) override { return Value(Json(value)); }
  bool string(string_t& value) override { return Value(Json(std::move(value))); }
  bool binary(binary_t&) override { return Fail("expected JSON text"); }

  bool start_object(std::size_t) override { return Open(Json::object()); }
  bool start_array(std::size_t) override { return Open(Json::array()); }
  bool end_object() override { return Close(); }
  bool end_array() override { return Close(); }

  bool key(string_t& key) override {
    Frame& frame = frames_.back();
    if (frames_.size() == 1 && keys_ != nullptr &&
        std::find(keys_->begin(), keys_->end(), key) == keys_->end()) {
      return Fail("unknown key: " + key);
    }
    // A key named twice would leave open which of its values counts.
    if (Holds(frame, key)) {
      if (frames_.size() == 1 && keys_ != nullptr) {
        return Fail("the line names the key \"" + key + "\" more than once");
      }
      return Fail(frame.name + ": the key \"" + key + "\" is named more than once");
    }
    frame.key = std::move(key);
    return true;
  }

  bool parse_error(std::size_t, const std::string&, const Json::exception& e) override {
    // 406 is the parser's "number overflow": a number beyond the range of a double.
    if (e.id == 406) return Fail(OutOfRange(CurrentKey()));
    syntaxError_ = true;
    return false;
  }

  bool SyntaxError() const { return syntaxError_; }
  const std::string& Error() const { return error_; }
  Json& Root() { return root_; }

 private:
  struct Frame {
    Json value;
    std::string name;  // the key the value is read under
    std::string key;   // an object's member being read
    std::unordered_set<std::string> index;
  };

  std::string CurrentKey() const {
    for (auto it = frames_.rbegin(); it != frames_.rend(); ++it) {
      if (it->value.is_object() && !it->key.empty()) return it->key;
      if (!it->name.empty()) return it->name;
    }
    return outerKey_;
  }

  bool Fail(std::string message) {
    error_ = std::move(message);
    return false;
  }

  bool Open(Json container) {
    if (frames_.empty() && keys_ != nullptr && !container.is_object()) {
      return Fail("expected a JSON object");
    }
    if (frames_.size() >= MaxDepth) return Fail(CurrentKey() + ": the value nests too deeply");
    std::string name = frames_.empty() ? outerKey_ : CurrentKey();
    frames_.push_back(Frame{std::move(container), std::move(name), {}, {}});
    return true;
  }

  bool Close() {
    Json value = std::move(frames_.back().value);
    frames_.pop_back();
    return Value(std::move(value));
  }

  // Whether the object being read already holds the key.
  static bool Holds(const Frame& frame, const std::string& key) {
    if (!frame.value.is_object()) return false;
    if (!frame.index.empty()) return frame.index.contains(key);
    const auto& list =
        static_cast<const Json::object_t::Container&>(frame.value.get_ref<const Json::object_t&>());
    return std::any_of(list.begin(), list.end(),
                       [&key](const auto& member) { return member.first == key; });
  }

  // Places a finished value in the container being read (its key is new there),
  // or makes it the whole value.
  bool Value(Json value) {
    if (frames_.empty()) {
      if (keys_ != nullptr && !value.is_object()) return Fail("expected a JSON object");
      root_ = std::move(value);
      return true;
    }
    Frame& frame = frames_.back();
    if (frame.value.is_array()) {
      frame.value.push_back(std::move(value));
      return true;
    }
    auto& members = frame.value.get_ref<Json::object_t&>();
    auto& list = static_cast<Json::object_t::Container&>(members);
    list.emplace_back(frame.key, std::move(value));
    if (list.size() == IndexFrom) {
      for (const auto& member : list) frame.index.insert(member.first);
    } else if (list.size() > IndexFrom) {
      frame.index.insert(frame.key);
    }
    return true;
  }

  const std::vector<std::string>* keys_;
  std::string outerKey_;
  std::vector<Frame> frames_;
  Json root_;
  std::string error_;
  bool syntaxError_ = false;
};

}  // namespace

JsonRead ReadJson(std::string_view text, const std::vector<std::string>* keys,
                  std::string_view outerKey) {
  LineBuilder builder(keys, std::string(outerKey));
  if (Json::sax_parse(text, &builder)) return {std::move(builder.Root()), {}};
  return {std::nullopt, builder.SyntaxError() ? std::string() : builder.Error()};
}

}  // namespace reventa::cli
