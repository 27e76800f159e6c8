// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/panel.h"

#include <QWidget>

namespace reventa {
namespace {

constexpr char kPanelProperty[] = "reventaPanel";

}  // namespace

void MarkAsPanel(QWidget* panel) { panel->setProperty(kPanelProperty, true); }

bool IsPanel(const QWidget* widget) { return widget->property(kPanelProperty).toBool(); }

QWidget* OpenPanel(const QWidget* window) {
  // Children are listed from the back to the front (raise() moves a child to the
  // end), so the last open panel is the one in front.
  QWidget* front = nullptr;
  for (QWidget* child : window->findChildren<QWidget*>()) {
    if (IsPanel(child) && child->isVisibleTo(window)) front = child;
  }
  return front;
}

}  // namespace reventa
