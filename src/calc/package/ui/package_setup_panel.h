// The "Setup" panel of the package windows: the eleven preferences of the
// settings store that these windows share (retirement-fund, UIF, skills levy and
// provident percentages, the UIF monthly limit, the two 80%/20% inclusion rates and
// the company car's maintenance plan). Every edit changes the panel's values at
// once; "O&K" hands them to the window, which saves them and recalculates.
#pragma once

#include <QFrame>

#include "calc/package/ui/package_variant.h"
#include "store/settings_store.h"

class QButtonGroup;
class QGridLayout;
class QPushButton;
class QRadioButton;

namespace reventa {

class NumericField;

class PackageSetupPanel : public QFrame {
  Q_OBJECT

 public:
  PackageSetupPanel(const PackageVariant& variant, QWidget* parent);

  // Puts the stored preferences into the fields. A stored rate that is neither
  // 0.8 nor 0.2 selects neither option and is used as stored.
  void load(const SetupRecord& record);
  const SetupRecord& values() const { return values_; }

  // Net-to-gross windows: employee and employer retirement-fund percentages that
  // together exceed 27.5 are both set to 0, silently.
  void applyPercentLimit();

  void showAt(int top);

 Q_SIGNALS:
  // "O&K" was pressed.
  void accepted();

 private:
  NumericField* addField(const char* name, const char* caption, double SetupRecord::*value,
                         bool percent);
  void addOptionPair(const char* caption, QRadioButton* first, QRadioButton* second,
                     QButtonGroup* group);
  void setPercentage(NumericField* field, double value);
  static void selectNeither(QButtonGroup* group);

  bool limitPercentages_;
  SetupRecord values_;
  NumericField* employeePercent_ = nullptr;
  NumericField* employerPercent_ = nullptr;
  QRadioButton* travel80_;
  QRadioButton* travel20_;
  QRadioButton* car80_;
  QRadioButton* car20_;
  QRadioButton* planYes_;
  QRadioButton* planNo_;
  QButtonGroup* travelGroup_;
  QButtonGroup* carGroup_;
  QButtonGroup* planGroup_;
  QPushButton* ok_;
  QGridLayout* grid_;
  int row_ = 0;
};

}  // namespace reventa
