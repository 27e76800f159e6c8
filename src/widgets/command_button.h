// A window's command button with its caption (access key marked with "&") and
// the name tests and the keyboard handling find it by.
#pragma once

#include <QPushButton>

namespace reventa {

inline QPushButton* NewCommandButton(const char* caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace reventa
