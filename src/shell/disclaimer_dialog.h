// SPDX-License-Identifier: GPL-3.0-or-later
// The disclaimer shown at start-up until this version has been accepted. "OK" is
// enabled only while the box is ticked; "Cancel" or the close box refuse it, and
// the program then ends without storing anything.
#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace reventa {

class DisclaimerDialog : public QDialog {
  Q_OBJECT

 public:
  explicit DisclaimerDialog(QWidget* parent);

  bool accepted() const { return accepted_; }
  void placeOver(const QWidget& mainWindow);

 private:
  QCheckBox* check_;
  QPushButton* ok_;
  bool accepted_ = false;
};

}  // namespace reventa
