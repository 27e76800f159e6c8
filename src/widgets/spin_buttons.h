// SPDX-License-Identifier: GPL-3.0-or-later
// A pair of small up and down buttons beside a field, each with its own signal
// (they step a rate, a date or a period).
#pragma once

#include <QWidget>

class QToolButton;

namespace reventa {

class SpinButtons : public QWidget {
  Q_OBJECT

 public:
  explicit SpinButtons(QWidget* parent = nullptr);

  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

 Q_SIGNALS:
  void upClicked();
  void downClicked();

 private:
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace reventa
