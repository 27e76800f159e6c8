// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/keyboard_access.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>

#include "widgets/panel.h"

namespace reventa {
namespace {

// The menu bar takes Alt pressed and released alone as the way in from the
// keyboard, whatever the desktop's style says.
class MenuBarStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_MenuBar_AltKeyNavigation) return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

bool IsEnter(const QKeyEvent& key) {
  return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
         (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

KeyboardAccess::KeyboardAccess(QMainWindow& window, QMdiArea& area)
    : QObject(&window), window_(window), area_(area), menuStyle_(new MenuBarStyle) {
  menuStyle_->setParent(this);
  window_.menuBar()->setStyle(menuStyle_);
  QApplication::instance()->installEventFilter(this);
}

// The menu bar, made before this filter, is deleted before it and its style.
KeyboardAccess::~KeyboardAccess() = default;

void KeyboardAccess::activateMenuBar() {
  // The first menu opens highlighted, as F10 does on the desktop; the arrow keys
  // then move through its items and on to the other menus.
  QMenuBar* bar = window_.menuBar();
  if (!bar->actions().isEmpty()) bar->setActiveAction(bar->actions().first());
}

bool KeyboardAccess::stepOption(QRadioButton& option, int key) {
  int step = 0;
  if (key == Qt::Key_Right || key == Qt::Key_Down) step = 1;
  if (key == Qt::Key_Left || key == Qt::Key_Up) step = -1;
  if (step == 0) return false;
  QList<QAbstractButton*> options;
  if (option.group() != nullptr) {
    options = option.group()->buttons();
  } else if (option.parentWidget() != nullptr) {
    for (QRadioButton* sibling :
         option.parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
      if (sibling->autoExclusive()) options.append(sibling);
    }
  }
  options.removeIf([](const QAbstractButton* b) { return !b->isEnabled() || !b->isVisible(); });
  const qsizetype at = options.indexOf(&option);
  if (options.size() < 2 || at < 0) return false;
  // Along the options in their order, round from the last to the first.
  QAbstractButton* next = options[(at + step + options.size()) % options.size()];
  next->setFocus(Qt::TabFocusReason);
  next->click();
  return true;
}

QAbstractButton* KeyboardAccess::calculatorButtonFor(const QKeyEvent& key, bool& swallow) const {
  swallow = false;
  if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::AltModifier || key.text().isEmpty() ||
      !window_.isActiveWindow()) {
    return nullptr;
  }
  QMdiSubWindow* frame = area_.activeSubWindow();
  if (frame == nullptr || frame->widget() == nullptr) return nullptr;
  QWidget* calculator = frame->widget();
  const QKeySequence wanted = QKeySequence(Qt::ALT | QChar(key.key()).toUpper().unicode());
  const auto matches = [&wanted](const QAbstractButton* b) {
    return QKeySequence::mnemonic(b->text()) == wanted;
  };
  QWidget* panel = OpenPanel(calculator);
  const QWidget* scope = panel != nullptr ? panel : calculator;
  for (QAbstractButton* button : scope->findChildren<QAbstractButton*>()) {
    if (matches(button) && button->isVisibleTo(calculator)) {
      if (button->isEnabled()) return button;
      swallow = true;
    }
  }
  if (panel != nullptr) {
    // A key of the window's own buttons does nothing while a panel covers them.
    for (const QAbstractButton* button : calculator->findChildren<QAbstractButton*>()) {
      if (matches(button) && !panel->isAncestorOf(button)) swallow = true;
    }
  }
  return nullptr;
}

bool KeyboardAccess::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  auto* widget = qobject_cast<QWidget*>(watched);
  // Each key arrives here once for each widget it passes on its way up; only the
  // first, sent to the widget with the focus (or the window), counts.
  QWidget* target = QApplication::focusWidget();
  if (target == nullptr) target = QApplication::activeWindow();
  if (widget == nullptr || widget != target || widget->window() != &window_) return false;

  if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier) {
    // The menu opens once this key's handling is over, so that the menu's own
    // key handling starts afresh.
    if (type == QEvent::KeyPress) {
      QMetaObject::invokeMethod(this, &KeyboardAccess::activateMenuBar, Qt::QueuedConnection);
    }
    event->accept();
    return true;
  }
  if (type == QEvent::KeyPress && IsEnter(*key)) {
    if (auto* button = qobject_cast<QPushButton*>(widget);
        button != nullptr && button->isEnabled()) {
      button->animateClick();
      return true;
    }
  }
  if (type == QEvent::KeyPress && key->modifiers() == Qt::NoModifier) {
    if (auto* option = qobject_cast<QRadioButton*>(widget);
        option != nullptr && stepOption(*option, key->key())) {
      return true;
    }
  }
  bool swallow = false;
  if (QAbstractButton* button = calculatorButtonFor(*key, swallow)) {
    if (type == QEvent::ShortcutOverride) {
      // Taken as a key press instead of the menu bar's shortcut.
      event->accept();
      return true;
    }
    button->setFocus(Qt::ShortcutFocusReason);
    button->animateClick();
    return true;
  }
  if (swallow) {
    if (type == QEvent::KeyPress) QApplication::beep();
    event->accept();
    return true;
  }
  return false;
}

}  // namespace reventa
