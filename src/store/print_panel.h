// The print panel every tax and vehicle calculator shares: "View/Export report",
// "Print directly to printer" and "Cancel", shown in front of the window's fields
// when "Print" is pressed. The two print buttons set the report destination, show
// the busy pointer while the window writes its report, then hide the panel;
// "Cancel" hides it and nothing is written.
#pragma once

#include <QFrame>
#include <cstdint>

class QPushButton;
class QVBoxLayout;

namespace reventa {

class PrintPanel : public QFrame {
  Q_OBJECT

 public:
  // destination is the shared report destination (0 window, 1 printer).
  PrintPanel(std::int16_t& destination, QWidget* parent, const QString& objectName);

  // Where a window adds its own options (report language, employee name).
  QVBoxLayout* optionsLayout() const { return options_; }
  QPushButton* viewButton() const { return view_; }
  QPushButton* printButton() const { return print_; }
  QPushButton* cancelButton() const { return cancel_; }

  // Shows the panel in front of the other controls with its top at `top` pixels.
  void showAt(int top);

 Q_SIGNALS:
  // The window writes its rows and runs its report here.
  void printRequested();
  void cancelled();
  // The panel was hidden, after printing or cancelling.
  void closed();

 private:
  void run(std::int16_t destination);

  std::int16_t& destination_;
  QVBoxLayout* options_;
  QPushButton* view_;
  QPushButton* print_;
  QPushButton* cancel_;
};

}  // namespace reventa
