// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace reventa {

void Messages::Error(QWidget* parent, const QString& title, const QString& text) {
  Show(parent, Message{title.isEmpty() ? kAppTitle : title, text, Message::Icon::Critical,
                       Message::Buttons::Ok});
}

void Messages::Info(QWidget* parent, const QString& text) {
  Show(parent, Message{kAppTitle, text, Message::Icon::None, Message::Buttons::Ok});
}

bool Messages::ConfirmDelete(QWidget* parent, const QString& title, const QString& text) {
  return Show(parent, Message{title.isEmpty() ? kAppTitle : title, text, Message::Icon::Question,
                              Message::Buttons::DeleteCancel}) == Message::Answer::Delete;
}

void Messages::Beep() { QApplication::beep(); }

Message::Answer DefaultAnswer(const Message& message) {
  switch (message.buttons) {
    case Message::Buttons::DeleteCancel:
      return Message::Answer::Cancel;
    case Message::Buttons::SetAsideCarryOn:
      return Message::Answer::CarryOn;
    default:
      return Message::Answer::Ok;
  }
}

Message::Answer ScreenMessages::Show(QWidget* parent, const Message& message) {
  QMessageBox box(parent);
  SetUp(box, message);
  // A busy pointer set by the caller would hide that the box waits for the user.
  const bool busy = QApplication::overrideCursor() != nullptr;
  if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  box.exec();
  if (busy) QApplication::restoreOverrideCursor();
  return AnswerOf(box);
}

void ScreenMessages::SetUp(QMessageBox& box, const Message& message) {
  box.setWindowTitle(message.title);
  box.setText(message.text);
  switch (message.icon) {
    case Message::Icon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case Message::Icon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case Message::Icon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case Message::Icon::Critical:
      box.setIcon(QMessageBox::Critical);
      break;
    case Message::Icon::Question:
      box.setIcon(QMessageBox::Question);
      break;
  }
  switch (message.buttons) {
    case Message::Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case Message::Buttons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case Message::Buttons::DeleteCancel: {
      box.addButton(QStringLiteral("&Delete"), QMessageBox::DestructiveRole);
      QPushButton* cancel = box.addButton(QMessageBox::Cancel);
      box.setDefaultButton(cancel);
      box.setEscapeButton(cancel);
      break;
    }
    case Message::Buttons::SetAsideCarryOn: {
      box.addButton(QStringLiteral("&Set aside and start afresh"), QMessageBox::YesRole);
      QPushButton* carryOn =
          box.addButton(QStringLiteral("&Carry on without saving"), QMessageBox::NoRole);
      box.setDefaultButton(carryOn);
      box.setEscapeButton(carryOn);
      break;
    }
  }
}

Message::Answer ScreenMessages::AnswerOf(const QMessageBox& box) {
  QAbstractButton* clicked = box.clickedButton();
  if (clicked == nullptr) return Message::Answer::Cancel;
  switch (box.buttonRole(clicked)) {
    case QMessageBox::AcceptRole:
      return Message::Answer::Ok;
    case QMessageBox::DestructiveRole:
      return Message::Answer::Delete;
    case QMessageBox::YesRole:
      return Message::Answer::SetAside;
    case QMessageBox::NoRole:
      return Message::Answer::CarryOn;
    default:
      return Message::Answer::Cancel;
  }
}

Message::Answer RecordingMessages::Show(QWidget*, const Message& message) {
  shown.append(message);
  if (onShow) onShow(message);
  return answers.isEmpty() ? DefaultAnswer(message) : answers.takeFirst();
}

}  // namespace reventa
