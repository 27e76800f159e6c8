// The print panel every tax and vehicle calculator shares: "View/Export report",
// "Print directly to printer" and "Cancel", shown below the window's buttons when
// "Print" is pressed, the window growing to hold it, so the figures being printed
// stay in view. The two print buttons set the report destination, show
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

  // Shows the panel below `anchor` (the window's row of buttons), growing the
  // window as much as the panel needs; the window shrinks back when it closes.
  void showBelow(const QWidget* anchor);

 Q_SIGNALS:
  // The window writes its rows and runs its report here.
  void printRequested();
  void cancelled();
  // The panel was hidden, after printing or cancelling.
  void closed();

 private:
  void run(std::int16_t destination);
  void hidePanel();
  // The window's frame: the child window around the calculator, or the window.
  QWidget* frame() const;

  std::int16_t& destination_;
  QVBoxLayout* options_;
  QPushButton* view_;
  QPushButton* print_;
  QPushButton* cancel_;
  int grown_ = 0;  // pixels the window grew by to hold the panel
};

}  // namespace reventa
