#include "shell/calculator_window.h"

#include <QHash>
#include <QMdiSubWindow>

namespace reventa {
namespace {

QHash<QString, CalculatorFactory>& Register() {
  static QHash<QString, CalculatorFactory> factories;
  return factories;
}

}  // namespace

CalculatorWindow::CalculatorWindow(AppContext& context, const QString& objectName,
                                   const QString& caption, QWidget* parent)
    : QWidget(parent), context_(context) {
  setObjectName(objectName);
  setWindowTitle(caption);
  setAttribute(Qt::WA_DeleteOnClose);
}

void CalculatorWindow::closeWindow() {
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    frame->close();
  } else {
    close();
  }
}

void CalculatorWindow::discard() {
  discarding_ = true;
  closeWindow();
}

bool RegisterCalculatorWindow(const QString& objectName, CalculatorFactory factory) {
  Register().insert(objectName, std::move(factory));
  return true;
}

const CalculatorFactory* FindCalculatorWindow(const QString& objectName) {
  const auto it = Register().constFind(objectName);
  return it == Register().constEnd() ? nullptr : &it.value();
}

}  // namespace reventa
