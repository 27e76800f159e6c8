// SPDX-License-Identifier: GPL-3.0-or-later
// Every message box of the program goes through Messages, so that a test can see
// each message and answer it without a display.
#pragma once

#include <QList>
#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

namespace reventa {

// The application's title, shown on messages that have no title of their own.
inline const QString kAppTitle = QStringLiteral("Reventa2024");

struct Message {
  enum class Icon { None, Information, Warning, Critical, Question };
  // DeleteCancel: "&Delete" and "Cancel", Cancel the default, so that Enter or
  // Escape keeps what would be deleted.
  // SetAsideCarryOn: "&Set aside and start afresh" and "&Carry on without saving",
  // the second the default, so that Enter or Escape changes no file.
  enum class Buttons { Ok, OkCancel, DeleteCancel, SetAsideCarryOn };
  enum class Answer { Ok, Cancel, Delete, SetAside, CarryOn };

  QString title = kAppTitle;
  QString text;
  Icon icon = Icon::None;
  Buttons buttons = Buttons::Ok;
};

// The answer the message's default button gives, as Enter does.
Message::Answer DefaultAnswer(const Message& message);

class Messages {
 public:
  virtual ~Messages() = default;
  // Shows the message modally over the parent and returns the user's answer.
  virtual Message::Answer Show(QWidget* parent, const Message& message) = 0;

  // The shapes the program uses.
  void Error(QWidget* parent, const QString& title, const QString& text);
  void Info(QWidget* parent, const QString& text);
  // Asks whether to delete something; true only when the answer is Delete.
  bool ConfirmDelete(QWidget* parent, const QString& title, const QString& text);
  // The warning sound a window makes when a step is refused or wraps around.
  virtual void Beep();
};

// Message boxes on the screen.
class ScreenMessages : public Messages {
 public:
  Message::Answer Show(QWidget* parent, const Message& message) override;

  // The box for the message: title, text, icon, buttons and the default one.
  static void SetUp(QMessageBox& box, const Message& message);
  // The answer of the button the box was closed with.
  static Message::Answer AnswerOf(const QMessageBox& box);
};

// Keeps every message and answers from a queue (when the queue is empty, as
// Enter would: the default answer).
class RecordingMessages : public Messages {
 public:
  Message::Answer Show(QWidget* parent, const Message& message) override;

  QList<Message> shown;
  QList<Message::Answer> answers;
  int beeps = 0;
  void Beep() override { ++beeps; }
  // Called after each message, while the caller still waits for the answer.
  std::function<void(const Message&)> onShow;
};

}  // namespace reventa
