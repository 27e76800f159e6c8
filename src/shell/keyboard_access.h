// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard conventions of the main window, applied to every key the program
// receives while the main window is active:
// - Alt+letter: the active calculator's buttons win over the menu bar, whose
//   access keys share letters with them ("&Calculate" and "&Car Calculations").
//   While one of the calculator's panels is open, only the panel's buttons
//   answer; the window's own buttons behind it do not.
// - F10 opens the first menu of the menu bar, and Alt pressed and released
//   alone puts the menu bar into keyboard mode with its first menu highlighted;
//   arrows and the menus' access keys then work as usual. So every menu stays
//   reachable whatever window is active.
// - Enter on a focused push button presses it, as Space does.
// - The arrow keys move along a set of options (80% / 20%) and choose the one
//   they reach, whichever way the options are laid out.
#pragma once

#include <QObject>

class QAbstractButton;
class QKeyEvent;
class QMainWindow;
class QMdiArea;
class QProxyStyle;
class QRadioButton;

namespace reventa {

class KeyboardAccess : public QObject {
  Q_OBJECT

 public:
  KeyboardAccess(QMainWindow& window, QMdiArea& area);
  ~KeyboardAccess() override;

  // Opens the menu bar's first menu, highlighted, for the arrow keys.
  void activateMenuBar();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // What Alt+key does in the active calculator: the button it presses, or
  // nothing; `swallow` says that the key belongs to a button that must not
  // react now (behind an open panel, or disabled) and goes nowhere else.
  QAbstractButton* calculatorButtonFor(const QKeyEvent& key, bool& swallow) const;
  // Moves from the option to the next (Right, Down) or previous (Left, Up) one
  // of its set and chooses it; false for other keys.
  static bool stepOption(QRadioButton& option, int key);

  QMainWindow& window_;
  QMdiArea& area_;
  QProxyStyle* menuStyle_;
};

}  // namespace reventa
