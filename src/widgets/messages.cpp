#include "widgets/messages.h"

#include <QApplication>
#include <QMessageBox>

namespace reventa {

void Messages::Error(QWidget* parent, const QString& title, const QString& text) {
  Show(parent, Message{title.isEmpty() ? kAppTitle : title, text, Message::Icon::Critical,
                       Message::Buttons::Ok});
}

void Messages::Info(QWidget* parent, const QString& text) {
  Show(parent, Message{kAppTitle, text, Message::Icon::None, Message::Buttons::Ok});
}

void Messages::Beep() { QApplication::beep(); }

Message::Answer ScreenMessages::Show(QWidget* parent, const Message& message) {
  QMessageBox box(parent);
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
  }
  if (message.buttons == Message::Buttons::OkCancel) {
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  // A busy pointer set by the caller would hide that the box waits for the user.
  const bool busy = QApplication::overrideCursor() != nullptr;
  if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int result = box.exec();
  if (busy) QApplication::restoreOverrideCursor();
  return result == QMessageBox::Cancel ? Message::Answer::Cancel : Message::Answer::Ok;
}

Message::Answer RecordingMessages::Show(QWidget*, const Message& message) {
  shown.append(message);
  if (onShow) onShow(message);
  return answers.isEmpty() ? Message::Answer::Ok : answers.takeFirst();
}

}  // namespace reventa
