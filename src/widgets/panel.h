// SPDX-License-Identifier: GPL-3.0-or-later
// Panels (settings, print, information, explanation) are frames inside a
// calculator window, shown in front of its fields while the user works in them.
// A window marks each of its panels, so that the keyboard handling knows which
// buttons belong to the panel in front and which to the window behind it.
#pragma once

class QWidget;

namespace reventa {

void MarkAsPanel(QWidget* panel);
bool IsPanel(const QWidget* widget);

// The open panel of the window that lies in front of the others, or null.
QWidget* OpenPanel(const QWidget* window);

}  // namespace reventa
