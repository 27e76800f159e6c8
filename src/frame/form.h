// SPDX-License-Identifier: GPL-3.0-or-later
// The fields of a calculator window described as data, and the one builder that
// lays them out. A FieldEntry says what a window alone knows about a field (its
// name, caption, the marks around it, how it looks); the limits, places and the
// message for a value outside come from the calculator's range table in the
// core. A Form puts each field in a row of a grid (caption, mark, field, unit),
// makes the caption its buddy and its name for screen readers, joins input
// fields to the window's tab order and lets Enter in them calculate.
#pragma once

#include <QString>
#include <functional>

#include "taxyear/input_range.h"
#include "widgets/numeric_field.h"

class QGridLayout;
class QLabel;

namespace reventa {

class CalculatorWindow;
class DateField;

// How a number reads: amounts and distances have a space between thousands;
// counts, ages and rates do not, and a rate's hint calls it a percentage.
enum class FieldLook { Amount, Number, Rate, Distance };

struct FieldEntry {
  const char* name;       // the control's name: numSalRemun, dtStartDate ...
  const char* caption;    // the label before it; "" for none
  const char* mark = "";  // between the caption and the field: "R", ": R", ":"
  const char* unit = "";  // after the field: "% p.a.", "kms", "months."
  FieldLook look = FieldLook::Amount;
  int decimals = 2;                  // a result's; an input takes its range's
  int width = 0;                     // a fixed width in pixels; 0 takes the form's field width
  const char* accessible = nullptr;  // the name for screen readers, when not the caption's
  // A rate that takes its unit after the number, "12% p.a." reading 12
  // (NumericField::setFreeText).
  bool freeText = false;
  // Where the field stands in its column when the column is wider.
  Qt::Alignment align = {};
};

// The property of an input field that holds its key in the range table.
inline constexpr char kInputKeyProperty[] = "inputKey";

// The name a screen reader gives a field from its caption: without the access
// key's "&", the blanks, a closing ":" or a trailing "R" (the caption's unit).
QString AccessibleName(const QString& caption);

// Where a form's parts stand in its grid.
struct FormColumns {
  int caption = 0;
  int mark = 1;
  int field = 2;
  int unit = 3;
};

// Calls `store` with every date the field takes.
void BindDate(DateField* field, std::function<void(double)> store);

class Form {
 public:
  Form(CalculatorWindow& window, QGridLayout* grid, FormColumns columns = {});

  QGridLayout* grid() const { return grid_; }
  int row() const { return row_; }
  void setRow(int row) { row_ = row; }
  // Fields without a width of their own are at least this wide.
  void setFieldWidth(int width) { fieldWidth_ = width; }
  void setColumns(FormColumns columns) { columns_ = columns; }

  // An input field with the range's limits, places and message, in the next row.
  NumericField* input(const FieldEntry& entry, const InputRange& range);
  // The same, bound to the record: each change lands in the record's member.
  template <class Record>
  NumericField* input(const FieldEntry& entry, const InputField<Record>& field, Record& record) {
    NumericField* f = input(entry, field.Range);
    QObject::connect(f, &NumericField::valueChanged, f,
                     [field, &record](double v) { SetValue(field, record, v); });
    return f;
  }
  // A read-only result field in the next row.
  NumericField* result(const FieldEntry& entry);
  // A date field of the range in the next row.
  DateField* date(const FieldEntry& entry, const InputRange& range);
  // The same, bound to the record.
  template <class Record>
  DateField* date(const FieldEntry& entry, const InputField<Record>& field, Record& record) {
    DateField* d = date(entry, field.Range);
    BindDate(d, [field, &record](double serial) { SetValue(field, record, serial); });
    return d;
  }
  // Any widget in the next row, with its caption, mark and unit.
  QLabel* place(const FieldEntry& entry, QWidget* field);
  // A widget across the columns of the next row.
  void span(QWidget* widget, int columns = -1);
  // An empty row of the height, or a sunken line across the columns.
  void gap(int height);
  void line();

  // The fields without placing them (for a window that lays a row out itself).
  NumericField* makeInput(const FieldEntry& entry, const InputRange& range);
  NumericField* makeResult(const FieldEntry& entry);

 private:
  void configure(NumericField* field, const FieldEntry& entry, int decimals) const;
  int span() const;

  CalculatorWindow& window_;
  QGridLayout* grid_;
  FormColumns columns_;
  int row_ = 0;
  int fieldWidth_ = 120;
};

}  // namespace reventa
