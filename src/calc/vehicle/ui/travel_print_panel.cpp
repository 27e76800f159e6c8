#include "calc/vehicle/ui/travel_print_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace reventa {

TravelPrintPanel::TravelPrintPanel(std::int16_t& destination, QWidget* parent)
    : PrintPanel(destination, parent, QStringLiteral("Frame1")), name_(new QLineEdit(this)) {
  name_->setObjectName(QStringLiteral("Text3"));
  name_->setMaxLength(50);
  name_->setMinimumWidth(240);
  name_->setAccessibleName(QStringLiteral("Employee name"));
  auto* caption = new QLabel(QStringLiteral("Employee name :"), this);
  caption->setBuddy(name_);
  auto* row = new QHBoxLayout;
  row->addWidget(caption);
  row->addWidget(name_, 1);
  row->addWidget(new QLabel(QStringLiteral("(max.50 chrs.)"), this));
  optionsLayout()->addLayout(row);
}

QString TravelPrintPanel::employeeName() const { return name_->text(); }

}  // namespace reventa
