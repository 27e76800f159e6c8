#include "cli/input.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "cli/json_writer.h"
#include "taxyear/numbers.h"

namespace reventa::cli {
namespace {

const Json& NullJson() {
  static const Json null;
  return null;
}

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
    JsonRead read = ReadJson(cell, nullptr, key);
    if (read.value) return std::move(*read.value);
    if (!read.error.empty()) throw CliError(read.error);
  }
  return cell;
}

std::string NotNull(const std::string& key, const char* expected) {
  return key + ": expected " + expected + ", not null";
}

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

}  // namespace reventa::cli
