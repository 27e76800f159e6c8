// SPDX-License-Identifier: GPL-3.0-or-later
// Escape in a field of the travel allowance window puts back what the field held
// when it got the focus, through the field's own change handling, so that the
// input it feeds is restored too. Each field has a focus number; buttons,
// options and boxes have none (0), and Escape does nothing there, nor in the
// shown-only period field (13).
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QLineEdit;

namespace reventa {

class TravelEscapeMemory : public QObject {
  Q_OBJECT

 public:
  explicit TravelEscapeMemory(QObject* parent);

  // A field Escape restores: a numeric field, a date field or a text.
  void add(QLineEdit* field, int focusNumber);
  // The focus number of the field that last got the focus.
  int focusNumber() const { return focusNumber_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void restore();

  QHash<const QObject*, int> numbers_;
  QHash<int, QLineEdit*> fields_;
  int focusNumber_ = 0;
  QString text_;
  double value_ = 0;
};

}  // namespace reventa
