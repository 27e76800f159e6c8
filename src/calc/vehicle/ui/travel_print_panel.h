// The print panel of the travel allowance window (Frame1): the shared print
// panel with the employee's name, which the report shows at its top.
#pragma once

#include "frame/print_panel.h"

class QLineEdit;

namespace reventa {

class TravelPrintPanel : public PrintPanel {
  Q_OBJECT

 public:
  TravelPrintPanel(std::int16_t& destination, QWidget* parent);

  QString employeeName() const;

 private:
  QLineEdit* name_;
};

}  // namespace reventa
