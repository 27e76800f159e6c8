// Small helpers for the package windows' numeric fields.
#pragma once

#include "widgets/numeric_field.h"

namespace reventa {

// A money field: 0 to 99 999 999.99, two decimals, a space between thousands.
inline NumericField* NewMoneyField(QWidget* parent, const QString& name, bool output) {
  auto* field = new NumericField(parent);
  field->setObjectName(name);
  field->setRange(0, 99999999.99);
  field->setMinimumWidth(112);
  field->setOutput(output);
  return field;
}

}  // namespace reventa
