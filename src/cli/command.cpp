#include "cli/command.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <unordered_map>

#include "taxyear/numbers.h"

namespace reventa::cli {
namespace {

std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}

const Json& NullJson() {
  static const Json null;
  return null;
}

// No input of any calculator nests deeper than a list of cars, each an object; a
// deeper value is refused before it costs anything.
constexpr std::size_t MaxDepth = 32;

// An object holding more members than this keeps an index of its keys, so that a
// value with very many keys is still read in linear time.
constexpr std::size_t IndexFrom = 16;

std::string OutOfRange(const std::string& key) { return key + ": the number is out of range"; }

// Builds the value of one line while the parser reads it, checking as it goes: the
// line must be an object whose keys are the command's input keys (reading stops at
// the first other key), no number may overflow a double, and nothing may nest
// deeper than MaxDepth. The messages name the key being read.
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
    std::unordered_map<std::string, std::size_t> index;
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

  // Places a finished value in the container being read (a repeated key keeps its
  // place and takes the later value), or makes it the whole value.
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
    if (list.size() < IndexFrom) {
      for (auto& member : list) {
        if (member.first == frame.key) {
          member.second = std::move(value);
          return true;
        }
      }
      list.emplace_back(frame.key, std::move(value));
      if (list.size() == IndexFrom) {
        for (std::size_t i = 0; i < list.size(); ++i) frame.index.emplace(list[i].first, i);
      }
      return true;
    }
    const auto [it, added] = frame.index.emplace(frame.key, list.size());
    if (added) {
      list.emplace_back(frame.key, std::move(value));
    } else {
      list[it->second].second = std::move(value);
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

// A CSV cell holding a number in JSON's own notation (so that a cell and a JSON
// line accept the same numbers).
bool IsJsonNumber(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  auto digits = [&] {
    const std::size_t from = i;
    while (i < n && text[i] >= '0' && text[i] <= '9') ++i;
    return i > from;
  };
  if (i < n && text[i] == '-') ++i;
  if (i < n && text[i] == '0') {
    ++i;
  } else if (!digits()) {
    return false;
  }
  if (i < n && text[i] == '.') {
    ++i;
    if (!digits()) return false;
  }
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    if (!digits()) return false;
  }
  return i == n;
}

// The double of a number cell, correctly rounded as the JSON reader rounds it.
double CellNumber(const std::string& key, const std::string& cell) {
  double d = 0;
  const auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), d);
  if (ec == std::errc::result_out_of_range) {
    // Too large overflows; too small reads as the nearest double (0 or a
    // subnormal), as it does in a JSON line.
    d = std::strtod(cell.c_str(), nullptr);
  } else if (ec != std::errc() || end != cell.data() + cell.size()) {
    throw CliError(key + ": expected a number");
  }
  if (!std::isfinite(d)) throw CliError(OutOfRange(key));
  return d;
}

// A cell as a JSON value: true/false are booleans, numbers are numbers, a cell
// starting with [ or { that holds JSON is that value, anything else is text.
Json CellValue(const std::string& key, const std::string& cell) {
  if (cell == "true") return true;
  if (cell == "false") return false;
  if (IsJsonNumber(cell)) return CellNumber(key, cell);
  if (cell.front() == '[' || cell.front() == '{') {
    if (auto value = [&]() -> std::optional<Json> {
          LineBuilder builder(nullptr, key);
          if (Json::sax_parse(cell, &builder)) return std::move(builder.Root());
          if (builder.SyntaxError()) return std::nullopt;
          throw CliError(builder.Error());
        }()) {
      return *value;
    }
  }
  return cell;
}

std::string NotNull(const std::string& key, const char* expected) {
  return key + ": expected " + expected + ", not null";
}

// The key of the first figure of a result that is not a finite number, or nullptr.
const std::string* NonFiniteKey(const Json& value, const std::string& key) {
  switch (value.type()) {
    case Json::value_t::number_float:
      return std::isfinite(value.get<double>()) ? nullptr : &key;
    case Json::value_t::object:
      for (const auto& [k, item] : value.get_ref<const Json::object_t&>()) {
        if (const std::string* found = NonFiniteKey(item, k)) return found;
      }
      return nullptr;
    case Json::value_t::array:
      for (const Json& item : value.get_ref<const Json::array_t&>()) {
        if (const std::string* found = NonFiniteKey(item, key)) return found;
      }
      return nullptr;
    default:
      return nullptr;
  }
}

Json ErrorJson(std::string message) { return Json{{"error", std::move(message)}}; }

}  // namespace

const Json* Input::Member(const std::string& key) const {
  const auto it = object_->find(key);
  return it == object_->end() ? nullptr : &*it;
}

CsvColumns::CsvColumns(std::vector<std::string> names) : names_(std::move(names)) {
  for (std::size_t i = 0; i < names_.size() && i < 64; ++i) {
    if (!names_[i].empty()) {
      byFirstByte_[static_cast<unsigned char>(names_[i][0])] |= std::uint64_t{1} << i;
    }
  }
}

int CsvColumns::Find(const std::string& key) const {
  if (key.empty()) return -1;
  for (std::uint64_t candidates = byFirstByte_[static_cast<unsigned char>(key[0])]; candidates != 0;
       candidates &= candidates - 1) {
    const int i = std::countr_zero(candidates);
    if (names_[static_cast<std::size_t>(i)] == key) return i;
  }
  for (std::size_t i = 64; i < names_.size(); ++i) {
    if (names_[i] == key) return static_cast<int>(i);
  }
  return -1;
}

const std::string* Input::Cell(const std::string& key) const {
  const int column = columns_->Find(key);
  if (column < 0) return nullptr;
  const std::string& cell = (*cells_)[static_cast<std::size_t>(column)];
  return cell.empty() ? nullptr : &cell;
}

const Json& Input::Raw(const std::string& key) const {
  if (object_ != nullptr) {
    const Json* v = Member(key);
    if (v == nullptr) return NullJson();
    if (v->is_null()) throw CliError(NotNull(key, "a value"));
    return *v;
  }
  const std::string* cell = Cell(key);
  if (cell == nullptr) return NullJson();
  cellValues_.push_front(CellValue(key, *cell));
  return cellValues_.front();
}

double Input::Number(const std::string& key, double defaultValue) const {
  double d = defaultValue;
  if (object_ != nullptr) {
    const Json* v = Member(key);
    if (v == nullptr) return defaultValue;
    if (v->is_null()) throw CliError(NotNull(key, "a number"));
    if (!v->is_number()) throw CliError(key + ": expected a number");
    d = v->get<double>();
  } else {
    const std::string* cell = Cell(key);
    if (cell == nullptr) return defaultValue;
    if (!IsJsonNumber(*cell)) throw CliError(key + ": expected a number");
    d = CellNumber(key, *cell);
  }
  if (!std::isfinite(d)) throw CliError(OutOfRange(key));
  // JSON reads "-0" as the integer 0; a typed -0 is 0 whichever way it comes.
  return d == 0 ? 0.0 : d;
}

double Input::Range(const std::string& key, double defaultValue, double min, double max) const {
  const double d = Number(key, defaultValue);
  if (d < min || d > max) {
    throw CliError(key + ": " + FormatNumber(d) + " is outside " + FormatNumber(min) + " to " +
                   FormatNumber(max));
  }
  return d;
}

std::int16_t Input::Int16(const std::string& key, std::int16_t defaultValue, double min,
                          double max) const {
  const double d = RoundHalfEven(Number(key, defaultValue));
  if (d < min || d > max) {
    throw CliError(key + ": " + FormatNumber(d) + " is outside " + FormatNumber(min) + " to " +
                   FormatNumber(max));
  }
  return static_cast<std::int16_t>(d);
}

bool Input::Bool(const std::string& key, bool defaultValue) const {
  if (object_ != nullptr) {
    const Json* v = Member(key);
    if (v == nullptr) return defaultValue;
    if (v->is_null()) throw CliError(NotNull(key, "true or false"));
    if (!v->is_boolean()) throw CliError(key + ": expected true or false");
    return v->get<bool>();
  }
  const std::string* cell = Cell(key);
  if (cell == nullptr) return defaultValue;
  if (*cell == "true") return true;
  if (*cell == "false") return false;
  throw CliError(key + ": expected true or false");
}

std::string Input::Text(const std::string& key, const std::string& defaultValue) const {
  if (object_ != nullptr) {
    const Json* v = Member(key);
    if (v == nullptr) return defaultValue;
    if (v->is_null()) throw CliError(NotNull(key, "a text"));
    if (!v->is_string()) throw CliError(key + ": expected a text");
    return v->get<std::string>();
  }
  const std::string* cell = Cell(key);
  if (cell == nullptr) return defaultValue;
  if (!CellValue(key, *cell).is_string()) throw CliError(key + ": expected a text");
  return *cell;
}

Json ResultObject(std::initializer_list<std::pair<std::string_view, Json>> members) {
  Json out = Json::object();
  auto& list = static_cast<Json::object_t::Container&>(out.get_ref<Json::object_t&>());
  list.reserve(members.size());
  for (const auto& [key, value] : members) list.emplace_back(std::string(key), value);
  return out;
}

bool RegisterCommand(Command command) {
  auto& commands = Registry();
  commands.push_back(std::move(command));
  std::sort(commands.begin(), commands.end(),
            [](const Command& a, const Command& b) { return a.name < b.name; });
  return true;
}

const std::vector<Command>& Commands() { return Registry(); }

const Command* FindCommand(const std::string& name) {
  for (const Command& c : Registry()) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

Json RunInput(const Command& command, const Input& input) {
  Json result;
  try {
    result = command.run(input);
  } catch (const CliError& e) {
    return ErrorJson(e.what());
  } catch (const Json::exception& e) {
    return ErrorJson(std::string("bad value: ") + e.what());
  }
  // An overflow in the arithmetic is the line's error, never a figure.
  static const std::string whole = "result";
  if (const std::string* key = NonFiniteKey(result, whole)) {
    return ErrorJson(*key + ": the computation overflows");
  }
  return result;
}

Json RunObject(const Command& command, const Json& input) {
  if (!input.is_object()) return ErrorJson("expected a JSON object");
  for (const auto& [key, value] : input.items()) {
    if (std::find(command.inputKeys.begin(), command.inputKeys.end(), key) ==
        command.inputKeys.end()) {
      return ErrorJson("unknown key: " + key);
    }
  }
  return RunInput(command, Input(input));
}

Json RunLine(const Command& command, std::string_view line) {
  // The JSON reader would take a NUL as the end of the line and drop the rest.
  if (line.find('\0') != std::string_view::npos) return ErrorJson("the line holds a NUL byte");
  LineBuilder builder(&command.inputKeys, "line");
  if (!Json::sax_parse(line, &builder)) {
    if (builder.SyntaxError()) return ErrorJson("not a JSON object: cannot parse the line");
    return ErrorJson(builder.Error());
  }
  return RunInput(command, Input(builder.Root()));
}

namespace {

// Amounts in rand and cents, the most common results, written without the general
// shortest-text search: a value that is exactly the double of a whole number of
// cents below 10^13 has that decimal as its shortest text, since no other decimal
// of two places lies within half a unit of its last place there. False for others.
bool AppendCents(std::string& out, double value) {
  if (!(std::fabs(value) < 1e13)) return false;
  const double cents = std::nearbyint(value * 100);
  if (cents / 100 != value) return false;
  auto whole = static_cast<std::int64_t>(cents);
  if (whole < 0) {
    out.push_back('-');
    whole = -whole;
  }
  char buffer[24];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, whole / 100);
  out.append(buffer, ec == std::errc() ? end : buffer);
  const int fraction = static_cast<int>(whole % 100);
  if (fraction != 0) {
    out.push_back('.');
    out.push_back(static_cast<char>('0' + fraction / 10));
    if (fraction % 10 != 0) out.push_back(static_cast<char>('0' + fraction % 10));
  }
  return true;
}

}  // namespace

void AppendNumber(std::string& out, double value) {
  if (!std::isfinite(value)) {
    out += "null";
    return;
  }
  if (value == 0) value = 0;  // no "-0"
  if (AppendCents(out, value)) return;
  char buffer[400];
  // Plain decimals for the amounts people read (500000, not 5e+05); the exponent
  // form only for values far outside any amount. The same text as FormatShortest.
  const double magnitude = std::fabs(value);
  const bool plain = magnitude >= 1e-6 && magnitude < 1e21;
  const auto [end, ec] =
      plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
            : std::to_chars(buffer, buffer + sizeof buffer, value);
  if (ec != std::errc()) {
    out.push_back('0');
    return;
  }
  out.append(buffer, end);
}

std::string FormatNumber(double value) {
  std::string out;
  AppendNumber(out, value);
  return out;
}

namespace {

void AppendJsonString(std::string& out, std::string_view text) {
  static constexpr char Hex[] = "0123456789abcdef";
  out.push_back('"');
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out.push_back('\\');
      out.push_back(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\r') {
      out += "\\r";
    } else if (u < 0x20) {
      out += "\\u00";
      out.push_back(Hex[u >> 4]);
      out.push_back(Hex[u & 15]);
    } else {
      out.push_back(c);
    }
  }
  out.push_back('"');
}

template <typename Integer>
void AppendInteger(std::string& out, Integer value) {
  char buffer[24];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, ec == std::errc() ? end : buffer);
}

}  // namespace

void AppendJson(std::string& out, const Json& value) {
  switch (value.type()) {
    case Json::value_t::object: {
      out.push_back('{');
      bool first = true;
      for (const auto& [key, item] : value.items()) {
        if (!first) out.push_back(',');
        first = false;
        AppendJsonString(out, key);
        out.push_back(':');
        AppendJson(out, item);
      }
      out.push_back('}');
      break;
    }
    case Json::value_t::array: {
      out.push_back('[');
      bool first = true;
      for (const auto& item : value) {
        if (!first) out.push_back(',');
        first = false;
        AppendJson(out, item);
      }
      out.push_back(']');
      break;
    }
    case Json::value_t::number_float:
      AppendNumber(out, value.get<double>());
      break;
    case Json::value_t::number_integer:
      AppendInteger(out, value.get<std::int64_t>());
      break;
    case Json::value_t::number_unsigned:
      AppendInteger(out, value.get<std::uint64_t>());
      break;
    case Json::value_t::string:
      AppendJsonString(out, value.get_ref<const std::string&>());
      break;
    case Json::value_t::boolean:
      out += value.get<bool>() ? "true" : "false";
      break;
    default:
      out += "null";
  }
}

std::string Dump(const Json& value) {
  std::string out;
  AppendJson(out, value);
  return out;
}

void AppendCellText(std::string& out, const Json& value) {
  if (value.is_null()) return;
  if (value.is_string()) {
    out += value.get_ref<const std::string&>();
  } else {
    AppendJson(out, value);
  }
}

}  // namespace reventa::cli
