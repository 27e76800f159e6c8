// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz/input_record.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <map>
#include <string_view>
#include <vector>

#include "calc/annual/annual_paye.h"
#include "calc/finance/loan_scenario.h"
#include "calc/vehicle/company_car.h"

namespace reventa::fuzz {
namespace {

using cli::Json;

enum class Kind { Number, Bool, Text, MonthCounts, Cars, Changes };

// How a key's value is made: its kind and, for numbers, the range the window's
// field or setting accepts and the step its entries take (0.01 for rands and
// cents, 1 for whole numbers and day serials).
struct Rule {
  std::string_view command;  // empty: every command with the key
  std::string key;
  Kind kind;
  double lo = 0;
  double hi = 0;
  double step = 0.01;
  std::vector<std::string_view> texts{};
};

constexpr std::string_view CarCommand = "company-car/Cars";
constexpr std::string_view ChangeCommand = "loan-scenario/Changes";

// A number within a field's range, in steps of the places the field takes; dates
// in whole days.
Rule NumberRule(const InputRange& range) {
  return {"",        range.Key, Kind::Number,
          range.Min, range.Max, range.Date ? 1 : std::pow(10.0, -range.Decimals)};
}

// The inputs without a field's range: flags, text choices, the month counts, the
// car list, and the income-tax command's incomes, which no window limits.
const std::vector<Rule>& Rules() {
  static const std::vector<Rule> rules{
      // Tax on an income: the routine takes any amount, negative ones included.
      {"income-tax", "TaxableIncome", Kind::Number, -1e7, 1e10},
      {"", "AnnMonthBens", Kind::MonthCounts, AnnualMonthBensRange.Min, AnnualMonthBensRange.Max,
       1},
      {"", "MaintenancePlan", Kind::Bool},
      {"", "IncludeFuel", Kind::Bool},
      {"", "IncludeMaintenance", Kind::Bool},
      {"", "RecordsKept", Kind::Bool},
      // Company car register: a flag, the car on screen, and the cars.
      {"", "AutoCalc3802", Kind::Number, 0, 1, 1},
      {"", "Current", Kind::Number, 0, 4, 1},
      {"", "FromCalculateCommand", Kind::Bool},
      {"", "Cars", Kind::Cars},
      {CarCommand, "CCRegNumber", Kind::Text, 0, 0, 0, {"CA 1", "GP 123-456"}},
      {CarCommand, "CCMake", Kind::Text, 0, 0, 0, {"Toyota", ""}},
      {CarCommand, "CCModel", Kind::Text, 0, 0, 0, {"Corolla", ""}},
      {CarCommand, "YearOfManfact", Kind::Text, 0, 0, 0, {"2021", "1999"}},
      {CarCommand, "MaintIncluded", Kind::Number, 0, 1, 1},
      {CarCommand, "BussMilage", Kind::Number, 0, 1, 1},
      {CarCommand, "SARSTable", Kind::Number, 0, 1, 1},
      // Loans.
      {"",
       "CalcMode",
       Kind::Text,
       0,
       0,
       0,
       {"Monthly repayment", "Principal amount", "Repayment period", "Interest rate"}},
      {"", "Kind", Kind::Text, 0, 0, 0, {"monthly", "annual"}},
      // Loan scenarios: the changes and the schedule flag; a change's texts.
      {"", "Changes", Kind::Changes},
      {"", "Schedule", Kind::Bool},
      {ChangeCommand, "Kind", Kind::Text, 0, 0, 0, {"Rate", "LumpSum", "Extra"}},
      {ChangeCommand, "Choice", Kind::Text, 0, 0, 0, {"ShorterTerm", "LowerRepayment"}},
  };
  return rules;
}

// A key this table does not know yet (a command that gained a key) still gets
// amounts of any size.
const Rule DefaultRule{"", "", Kind::Number, 0, 99999999.99};

const Rule& RuleFor(std::string_view command, std::string_view key) {
  const Rule* general = &DefaultRule;
  for (const Rule& r : Rules()) {
    if (r.key != key) continue;
    if (r.command == command) return r;
    if (r.command.empty() && general == &DefaultRule) general = &r;
  }
  return *general;
}

// The keys of an object in the order its bytes give them, each with its rule.
using Shape = std::vector<Rule>;

// A command's numbers from its fields' ranges, then its other keys.
const Shape& ShapeOf(const cli::Command& command) {
  static std::map<std::string, Shape, std::less<>> shapes;
  auto it = shapes.find(command.name);
  if (it == shapes.end()) {
    Shape shape;
    for (const InputRange& range : command.ranges) shape.push_back(NumberRule(range));
    for (const std::string& key : command.otherKeys) {
      shape.push_back(RuleFor(command.name, key));
      shape.back().key = key;
    }
    it = shapes.emplace(command.name, std::move(shape)).first;
  }
  return it->second;
}

// A car's numbers from the register's ranges, then its texts and flags.
const Shape& CarShape() {
  static const Shape shape = [] {
    Shape s;
    for (const auto& field : CompanyCarRanges) s.push_back(NumberRule(field.Range));
    for (const Rule& r : Rules()) {
      if (r.command == CarCommand) s.push_back(r);
    }
    return s;
  }();
  return shape;
}

// A change's month, kind, amount and choice, in the order a change's bytes give
// them. The amount's range is a lump sum's; a rate change takes the rate field's
// instead (RateChangeAmount), so that its rates fall inside 0 to 50 as often as
// a lump sum's amounts fall inside theirs.
const Shape& ChangeShape() {
  static const Shape shape{NumberRule(LoanChangeMonthRange), RuleFor(ChangeCommand, "Kind"),
                           NumberRule(LoanChangeAmountRange), RuleFor(ChangeCommand, "Choice")};
  return shape;
}

const Rule& RateChangeAmount() {
  static const Rule rule = NumberRule(LoanChangeRateRange);
  return rule;
}

// The choices of a number; the encoder uses Exact and WrongType.
enum NumberChoice : std::uint8_t {
  Omit = 0,
  SmallWhole = 5,
  Around = 6,
  Extreme = 8,
  Exact = 10,
  WholeAsInteger = 11,
  WrongType = 12,
  Edge = 13,
  ExtremeInteger = 14,
};

constexpr std::array<double, 28> Extremes{1e308,
                                          -1e308,
                                          std::numeric_limits<double>::max(),
                                          -std::numeric_limits<double>::max(),
                                          std::numeric_limits<double>::denorm_min(),
                                          -std::numeric_limits<double>::denorm_min(),
                                          std::numeric_limits<double>::min(),
                                          1e-300,
                                          -0.0,
                                          0.0,
                                          4503599627370496.0,  // 2^52
                                          9007199254740992.0,  // 2^53
                                          9007199254740994.0,
                                          4503599627370495.5,
                                          1e15,
                                          -1e15,
                                          1e19,
                                          1e22,
                                          -1,
                                          0.5,
                                          0.8,
                                          0.2,
                                          1e-9,
                                          0.005,
                                          2147483648.0,
                                          32767.5,
                                          32768,
                                          -32769};

const std::array<Json, 8> ExtremeIntegers{Json(std::numeric_limits<std::int64_t>::max()),
                                          Json(std::numeric_limits<std::int64_t>::min()),
                                          Json(std::numeric_limits<std::uint64_t>::max()),
                                          Json(std::int64_t{-1}),
                                          Json(std::int64_t{32768}),
                                          Json(std::int64_t{-32769}),
                                          Json(std::int64_t{2147483648}),
                                          Json(std::int64_t{9007199254740993})};

const std::array<Json, 6> WrongTypes{Json(nullptr), Json("x"),           Json(true),
                                     Json(false),   Json(Json::array()), Json(Json::object())};

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint8_t Byte() { return at_ < bytes_.size() ? bytes_[at_++] : 0; }
  std::uint32_t U32() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = v << 8 | Byte();
    return v;
  }
  double Raw() {
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v = v << 8 | Byte();
    return std::bit_cast<double>(v);
  }
  std::string Text() {
    std::string s(Byte(), '\0');
    // Printable ASCII: a line's text is valid UTF-8, or the line does not parse.
    for (char& c : s) c = static_cast<char>(0x20 + Byte() % 0x5f);
    return s;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

class Writer {
 public:
  void Byte(std::uint8_t b) { out_.push_back(static_cast<char>(b)); }
  void Raw(double d) {
    const auto v = std::bit_cast<std::uint64_t>(d);
    for (int shift = 56; shift >= 0; shift -= 8) Byte(static_cast<std::uint8_t>(v >> shift));
  }
  std::string Take() { return std::move(out_); }

 private:
  std::string out_;
};

// The nearest entry the field takes: whole cents or units counted from 0, or for a
// step such as the inclusion rates' 0.6, the range's low end plus whole steps.
double Snap(double value, double lo, double step) {
  if (step <= 0) return value;
  const double perUnit = std::round(1 / step);
  if (std::abs(perUnit * step - 1) < 1e-12) return std::round(value * perUnit) / perUnit;
  return lo + std::round((value - lo) / step) * step;
}

double InRange(Reader& in, double lo, double hi, double step) {
  const double fraction = in.U32() / 4294967295.0;
  return Snap(lo + (hi - lo) * fraction, lo, step);
}

// Nothing (the key left out) or the value.
std::optional<Json> DecodeNumber(const Rule& rule, Reader& in) {
  const std::uint8_t choice = in.Byte() % 16;
  const double span = std::max(rule.hi - rule.lo, 1.0);
  switch (choice) {
    case Omit:
      return std::nullopt;
    case SmallWhole:
      return Json(static_cast<double>(in.Byte()));
    case Around:
    case Around + 1:
      return Json(InRange(in, rule.lo - span / 10, rule.hi + span / 10, rule.step));
    case Extreme:
    case Extreme + 1:
      return Json(Extremes[in.Byte() % Extremes.size()]);
    case Exact: {
      const double d = in.Raw();
      if (!std::isfinite(d)) return std::nullopt;  // no JSON text reads as these
      return Json(d);
    }
    case WholeAsInteger:
      return Json(static_cast<std::int64_t>(InRange(in, rule.lo, rule.hi, 1)));
    case WrongType:
      return WrongTypes[in.Byte() % WrongTypes.size()];
    case Edge: {
      const double step = rule.step > 0 ? rule.step : 0.01;
      const std::array<double, 4> edges{rule.lo, rule.hi, rule.lo - step, rule.hi + step};
      return Json(edges[in.Byte() % edges.size()]);
    }
    case ExtremeInteger:
      return ExtremeIntegers[in.Byte() % ExtremeIntegers.size()];
    default:
      return Json(InRange(in, rule.lo, rule.hi, rule.step));
  }
}

std::optional<Json> DecodeBool(Reader& in) {
  switch (in.Byte() % 4) {
    case 0:
      return std::nullopt;
    case 1:
      return Json(false);
    case 2:
      return Json(true);
    default: {
      const std::uint8_t pick = in.Byte() % 4;
      if (pick == 0) return Json(1);
      if (pick == 1) return Json("true");
      return WrongTypes[pick % 2 == 0 ? 0 : 4];
    }
  }
}

std::optional<Json> DecodeText(const Rule& rule, Reader& in) {
  const std::uint8_t choice = in.Byte() % 8;
  if (choice == 0) return std::nullopt;
  if (choice == 5 || rule.texts.empty()) return Json(in.Text());
  if (choice == 6) {
    const Json wrong = WrongTypes[in.Byte() % WrongTypes.size()];
    return wrong.is_string() ? Json(7) : wrong;
  }
  return Json(std::string(rule.texts[in.Byte() % rule.texts.size()]));
}

std::optional<Json> DecodeMonthCounts(const Rule& rule, Reader& in) {
  const std::uint8_t choice = in.Byte() % 8;
  if (choice == 0) return std::nullopt;
  if (choice == 7) return WrongTypes[in.Byte() % WrongTypes.size()];
  const std::size_t size = choice == 6 ? in.Byte() % 14 : 12;
  Json counts = Json::array();
  for (std::size_t i = 0; i < size; ++i) counts.push_back(DecodeNumber(rule, in).value_or(0));
  return counts;
}

// The rule a key's value is made by, given the keys made before it: the shape's
// own, or for a change's amount the rate field's when the change is a rate change.
using RulePick = const Rule& (*)(const Rule& rule, const Json& made);
const Rule& ShapeRule(const Rule& rule, const Json& /*made*/) { return rule; }
const Rule& ChangeRule(const Rule& rule, const Json& made) {
  if (rule.key != "Amount") return rule;
  const auto kind = made.find("Kind");
  return kind != made.end() && *kind == "Rate" ? RateChangeAmount() : rule;
}

Json DecodeObject(const Shape& shape, Reader& in, RulePick pick = ShapeRule);

std::optional<Json> DecodeCars(Reader& in) {
  const std::uint8_t choice = in.Byte() % 8;
  if (choice == 0) return std::nullopt;
  if (choice == 7) {
    const Json wrong = WrongTypes[in.Byte() % WrongTypes.size()];
    return wrong.is_array() ? Json::array({7}) : wrong;
  }
  // Many cars at once, as a register that grew over the years.
  const std::size_t count = choice == 6 ? 20 + in.Byte() % 20 : in.Byte() % 5;
  Json cars = Json::array();
  for (std::size_t i = 0; i < count; ++i) cars.push_back(DecodeObject(CarShape(), in));
  return cars;
}

// A loan's changes: none, a few, or a long list such as a rate change every
// month; each change's kind one of the three names, now and then another text or
// no text, to reach the command's messages.
std::optional<Json> DecodeChanges(Reader& in) {
  const std::uint8_t choice = in.Byte() % 8;
  if (choice == 0) return std::nullopt;
  if (choice == 7) {
    const Json wrong = WrongTypes[in.Byte() % WrongTypes.size()];
    return wrong.is_array() ? Json::array({7}) : wrong;
  }
  const std::size_t count = choice == 6 ? 20 + in.Byte() % 236 : in.Byte() % 5;
  Json changes = Json::array();
  for (std::size_t i = 0; i < count; ++i) {
    changes.push_back(DecodeObject(ChangeShape(), in, ChangeRule));
  }
  return changes;
}

Json DecodeObject(const Shape& shape, Reader& in, RulePick pick) {
  Json object = Json::object();
  for (const Rule& rule : shape) {
    std::optional<Json> value;
    switch (rule.kind) {
      case Kind::Number:
        value = DecodeNumber(pick(rule, object), in);
        break;
      case Kind::Bool:
        value = DecodeBool(in);
        break;
      case Kind::Text:
        value = DecodeText(rule, in);
        break;
      case Kind::MonthCounts:
        value = DecodeMonthCounts(rule, in);
        break;
      case Kind::Cars:
        value = DecodeCars(in);
        break;
      case Kind::Changes:
        value = DecodeChanges(in);
        break;
    }
    if (value) object[rule.key] = std::move(*value);
  }
  // Now and then a key the command does not take.
  if (in.Byte() % 16 == 15) object["Unknown"] = 1;
  return object;
}

// Encoding ---------------------------------------------------------------------

bool EncodeWrongType(const Json& value, Writer& out) {
  for (std::size_t i = 0; i < WrongTypes.size(); ++i) {
    if (value == WrongTypes[i]) {
      out.Byte(WrongType);
      out.Byte(static_cast<std::uint8_t>(i));
      return true;
    }
  }
  return false;
}

bool EncodeNumber(const Json& value, Writer& out) {
  if (!value.is_number()) return EncodeWrongType(value, out);
  out.Byte(Exact);
  out.Raw(value.get<double>());
  return true;
}

bool EncodeBool(const Json& value, Writer& out) {
  if (!value.is_boolean()) return false;
  out.Byte(value.get<bool>() ? 2 : 1);
  return true;
}

bool EncodeText(const Json& value, Writer& out) {
  if (!value.is_string()) return false;
  const std::string& s = value.get_ref<const std::string&>();
  if (s.size() > 255) return false;
  out.Byte(5);
  out.Byte(static_cast<std::uint8_t>(s.size()));
  for (const char c : s) {
    if (c < 0x20 || c > 0x7e) return false;
    out.Byte(static_cast<std::uint8_t>(c - 0x20));
  }
  return true;
}

bool EncodeMonthCounts(const Json& value, Writer& out) {
  if (!value.is_array() || value.size() != 12) return false;
  out.Byte(1);
  for (const Json& count : value) {
    if (!EncodeNumber(count, out)) return false;
  }
  return true;
}

bool EncodeObject(const Shape& shape, const Json& object, Writer& out);

bool EncodeCars(const Json& value, Writer& out) {
  if (!value.is_array() || value.size() > 4) return false;
  out.Byte(1);
  out.Byte(static_cast<std::uint8_t>(value.size()));
  for (const Json& car : value) {
    if (!EncodeObject(CarShape(), car, out)) return false;
  }
  return true;
}

bool EncodeChanges(const Json& value, Writer& out) {
  if (!value.is_array() || value.size() > 4) return false;
  out.Byte(1);
  out.Byte(static_cast<std::uint8_t>(value.size()));
  for (const Json& change : value) {
    if (!EncodeObject(ChangeShape(), change, out)) return false;
  }
  return true;
}

bool EncodeObject(const Shape& shape, const Json& object, Writer& out) {
  if (!object.is_object()) return false;
  for (const auto& item : object.items()) {
    const std::string& key = item.key();
    if (std::none_of(shape.begin(), shape.end(), [&](const Rule& r) { return r.key == key; })) {
      return false;
    }
  }
  for (const Rule& rule : shape) {
    const auto it = object.find(rule.key);
    if (it == object.end()) {
      out.Byte(Omit);
      continue;
    }
    bool written = false;
    switch (rule.kind) {
      case Kind::Number:
        written = EncodeNumber(*it, out);
        break;
      case Kind::Bool:
        written = EncodeBool(*it, out);
        break;
      case Kind::Text:
        written = EncodeText(*it, out);
        break;
      case Kind::MonthCounts:
        written = EncodeMonthCounts(*it, out);
        break;
      case Kind::Cars:
        written = EncodeCars(*it, out);
        break;
      case Kind::Changes:
        written = EncodeChanges(*it, out);
        break;
    }
    if (!written) return false;
  }
  out.Byte(0);  // no unknown key
  return true;
}

}  // namespace

Json DecodeRecord(const cli::Command& command, std::span<const std::uint8_t> bytes) {
  Reader in(bytes);
  return DecodeObject(ShapeOf(command), in);
}

std::optional<std::string> EncodeRecord(const cli::Command& command, const Json& input) {
  Writer out;
  if (!EncodeObject(ShapeOf(command), input, out)) return std::nullopt;
  return out.Take();
}

const cli::Command& LineCommand(std::uint8_t selector) {
  const auto& commands = cli::Commands();
  return commands[selector % commands.size()];
}

std::string EncodeLine(const cli::Command& command, const std::string& line) {
  const auto& commands = cli::Commands();
  for (std::size_t i = 0; i < commands.size(); ++i) {
    if (commands[i].name == command.name) return static_cast<char>(i) + line;
  }
  return line;
}

}  // namespace reventa::fuzz
