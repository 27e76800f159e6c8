// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/input.h"

#include <bit>
#include <cmath>

#include "taxyear/csv_cell.h"

namespace reventa::cli {
namespace {

const Json& NullJson() {
  static const Json null;
  return null;
}

// A wrong value of a key.
CliError Fault(const char* key, std::string_view what) {
  return CliError(std::string(key) + ": " + std::string(what));
}

// The double of a number cell.
double CellNumber(const char* key, const std::string& cell) {
  double d = 0;
  if (std::string message; !ReadCellNumber(key, cell, d, message)) throw CliError(message);
  return d;
}

// A cell as a JSON value: true/false are booleans, numbers are numbers, a cell
// starting with [ or { that holds JSON is that value, anything else is text.
Json CellValue(const char* key, const std::string& cell) {
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

CliError NotNull(const char* key, const char* expected) {
  return Fault(key, std::string("expected ") + expected + ", not null");
}

}  // namespace

const Json* Input::Member(const char* key) const {
  const auto it = object_->find(std::string_view(key));
  return it == object_->end() ? nullptr : &*it;
}

CsvColumns::CsvColumns(std::vector<std::string> names) : names_(std::move(names)) {
  for (std::size_t i = 0; i < names_.size() && i < 64; ++i) {
    if (!names_[i].empty()) {
      byFirstByte_[static_cast<unsigned char>(names_[i][0])] |= std::uint64_t{1} << i;
    }
  }
}

int CsvColumns::Find(std::string_view key) const {
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

int CsvColumns::FindLasting(const char* key) const {
  // Keys lie a few bytes apart: a multiplicative hash spreads their addresses.
  const std::uint64_t address = reinterpret_cast<std::uintptr_t>(key);
  Found& slot = found_[(address * 0x9E3779B97F4A7C15) >> (64 - FoundBits)];
  if (slot.key != key) slot = {key, Find(key)};
  return slot.column;
}

const std::string* Input::Cell(int column) const {
  if (column < 0) return nullptr;
  const std::string& cell = (*cells_)[static_cast<std::size_t>(column)];
  return cell.empty() ? nullptr : &cell;
}

const Json& Input::Raw(const char* key) const {
  if (object_ != nullptr) {
    const Json* v = Member(key);
    if (v == nullptr) return NullJson();
    if (v->is_null()) throw NotNull(key, "a value");
    return *v;
  }
  const std::string* cell = Cell(columns_->Find(key));
  if (cell == nullptr) return NullJson();
  cellValues_.push_front(CellValue(key, *cell));
  return cellValues_.front();
}

bool Input::Read(const char* key, double& value) const {
  return ReadAt(key, object_ != nullptr ? -1 : columns_->Find(key), value);
}

bool Input::Read(const InputRange& range, Held held, double& value) const {
  double d = 0;
  if (object_ == nullptr) {
    // A CSV row: the cell through the reader the payroll batch window shares.
    const std::string* cell = Cell(columns_->FindLasting(range.Key));
    if (cell == nullptr) return false;
    if (!ReadInputCell(range, held, *cell, d, fault_)) throw CliError(fault_);
    value = d;
    return true;
  }
  if (!ReadAt(range.Key, -1, d)) return false;
  if (std::string message; !CheckHeldNumber(range, held, d, message)) throw CliError(message);
  value = d;
  return true;
}

bool Input::ReadAt(const char* key, int column, double& value) const {
  double d = 0;
  if (object_ != nullptr) {
    const Json* v = Member(key);
    if (v == nullptr) return false;
    if (v->is_null()) throw NotNull(key, "a number");
    if (!v->is_number()) throw Fault(key, "expected a number");
    d = v->get<double>();
  } else {
    const std::string* cell = Cell(column);
    if (cell == nullptr) return false;
    if (!IsJsonNumber(*cell)) throw Fault(key, "expected a number");
    if (std::string message; !ReadCellNumber(key, *cell, d, message)) throw CliError(message);
  }
  if (!std::isfinite(d)) throw CliError(OutOfRange(key));
  // JSON reads "-0" as the integer 0; a typed -0 is 0 whichever way it comes.
  value = d == 0 ? 0.0 : d;
  return true;
}

bool Input::Bool(const char* key, bool defaultValue) const {
  if (object_ != nullptr) {
    const Json* v = Member(key);
    if (v == nullptr) return defaultValue;
    if (v->is_null()) throw NotNull(key, "true or false");
    if (!v->is_boolean()) throw Fault(key, "expected true or false");
    return v->get<bool>();
  }
  const std::string* cell = Cell(columns_->Find(key));
  if (cell == nullptr) return defaultValue;
  if (*cell == "true") return true;
  if (*cell == "false") return false;
  throw Fault(key, "expected true or false");
}

std::string Input::Text(const char* key, const std::string& defaultValue) const {
  if (object_ != nullptr) {
    const Json* v = Member(key);
    if (v == nullptr) return defaultValue;
    if (v->is_null()) throw NotNull(key, "a text");
    if (!v->is_string()) throw Fault(key, "expected a text");
    return v->get<std::string>();
  }
  const std::string* cell = Cell(columns_->Find(key));
  if (cell == nullptr) return defaultValue;
  if (!CellValue(key, *cell).is_string()) throw Fault(key, "expected a text");
  return *cell;
}

}  // namespace reventa::cli
