// A date field in dd/mm/yyyy with a minimum and a maximum. Its value is a day
// serial; a blank field yields BlankDate. A complete, valid date within the
// limits becomes the value as soon as it is typed. When the user leaves the field
// (or presses Enter) with anything else, the field goes back to its last good
// date and reports the refusal, so the window can show its message and put the
// focus back.
#pragma once

#include <QLineEdit>

namespace reventa {

class DateField : public QLineEdit {
  Q_OBJECT

 public:
  enum class Refusal { Invalid, OutOfRange };

  explicit DateField(QWidget* parent = nullptr);

  void setRange(double minimum, double maximum);
  void setMinimum(double minimum) { minimum_ = minimum; }
  void setMaximum(double maximum) { maximum_ = maximum; }
  double minimum() const { return minimum_; }
  double maximum() const { return maximum_; }

  double value() const { return value_; }
  void setValue(double serial);

  // Checks the typed text now (as leaving the field does); false when refused.
  bool commit();

 Q_SIGNALS:
  void valueChanged(double serial);
  void refused(reventa::DateField::Refusal why, const QString& rejectedText);
  // The field received the focus (windows refresh bounds that follow another field).
  void entered();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void onTextEdited(const QString& text);

  double minimum_ = -657434;  // 01/01/100
  double maximum_ = 2958465;  // 31/12/9999
  double value_;
  bool checking_ = false;
};

}  // namespace reventa
