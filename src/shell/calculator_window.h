// The base of every calculator window, and the register from which the main
// window's menu opens them. A calculator registers its window under its name
// (frmKwikTax, frmAnnual ...); a menu item whose window is registered is enabled.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "shell/app_context.h"

namespace reventa {

class CalculatorWindow : public QWidget {
  Q_OBJECT

 public:
  CalculatorWindow(AppContext& context, const QString& objectName, const QString& caption,
                   QWidget* parent = nullptr);

  // Called each time the window becomes the active child window.
  virtual void activated() {}

  // Closes the window and discards what it shows ("Initialise All"): a window
  // that checks or calculates before it closes does neither.
  void discard();

 protected:
  // Closes the window (its child window frame inside the main window).
  void closeWindow();
  AppContext& context() const { return context_; }
  // The window is being closed by discard().
  bool discarding() const { return discarding_; }

 private:
  AppContext& context_;
  bool discarding_ = false;
};

using CalculatorFactory = std::function<CalculatorWindow*(AppContext&)>;

// Returns true so that a calculator's file can register from a static initialiser.
bool RegisterCalculatorWindow(const QString& objectName, CalculatorFactory factory);
const CalculatorFactory* FindCalculatorWindow(const QString& objectName);

}  // namespace reventa
