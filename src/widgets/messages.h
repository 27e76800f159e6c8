// Every message box of the program goes through Messages, so that a test can see
// each message and answer it without a display.
#pragma once

#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace reventa {

// The application's title, shown on messages that have no title of their own.
inline const QString kAppTitle = QStringLiteral("Reventa2024");

struct Message {
  enum class Icon { None, Information, Warning, Critical };
  enum class Buttons { Ok, OkCancel };
  enum class Answer { Ok, Cancel };

  QString title = kAppTitle;
  QString text;
  Icon icon = Icon::None;
  Buttons buttons = Buttons::Ok;
};

class Messages {
 public:
  virtual ~Messages() = default;
  // Shows the message modally over the parent and returns the user's answer.
  virtual Message::Answer Show(QWidget* parent, const Message& message) = 0;

  // The shapes the program uses.
  void Error(QWidget* parent, const QString& title, const QString& text);
  void Info(QWidget* parent, const QString& text);
  // The warning sound a window makes when a step is refused or wraps around.
  virtual void Beep();
};

// Message boxes on the screen.
class ScreenMessages : public Messages {
 public:
  Message::Answer Show(QWidget* parent, const Message& message) override;
};

// Keeps every message and answers from a queue (Ok when the queue is empty).
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
