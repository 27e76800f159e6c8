// SPDX-License-Identifier: GPL-3.0-or-later
// A main window for the window tests: the application folder of the build, the
// stores and preferences in a temporary folder, messages recorded and answered
// without a display, the disclaimer answered by the test.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "shell/main_window.h"
#include "shell/outside_programs.h"
#include "store/app_paths.h"
#include "store/table_store.h"
#include "widgets/messages.h"

namespace reventa::test {

class TestApp {
 public:
  // acceptDisclaimer: what the disclaimer answers; viewAbout: the stored preference.
  explicit TestApp(bool acceptDisclaimer = true, bool startNow = true) {
    QStandardPaths::setTestModeEnabled(true);
    options_.appFolder = QStringLiteral(REVENTA_TEST_APP_DIR);
    options_.dataFolder = dir_.filePath(QStringLiteral("data"));
    options_.prefsPath = dir_.filePath(QStringLiteral("StartupPrefs.ini"));
    options_.messages = &messages;
    // Nothing outside the program is ever started by a test.
    options_.programs = &programs;
    options_.askDisclaimer = [this, acceptDisclaimer](QWidget*) {
      ++disclaimerShown;
      return acceptDisclaimer;
    };
    // No about box unless a test asks for it.
    QFile ini(options_.prefsPath);
    if (ini.open(QIODevice::WriteOnly)) ini.write("[StartupPrefs]\nViewAbout=false\n");
    ini.close();
    if (startNow) start();
  }

  bool start() {
    window = std::make_unique<MainWindow>(options_);
    window->show();
    // Focus moves between fields only in the active window: leaving a field is
    // part of what the windows check.
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    return window->start();
  }

  QString reportDb() const { return dir_.filePath(QStringLiteral("data/") + kReportStoreName); }
  QString settingsDb() const { return dir_.filePath(QStringLiteral("data/") + kSettingsStoreName); }
  QString path(const QString& name) const { return dir_.filePath(name); }
  MainWindow::Options& options() { return options_; }

  // The first row of a report table, read back from the store.
  QVariantMap row(const QString& table) const {
    const auto r = TableStore(reportDb(), QStringLiteral("report data store")).ReadFirstRow(table);
    return r.index() == 0 ? std::get<0>(r) : QVariantMap();
  }

  // Opens a calculator window as its menu command does; a window that does not
  // open (or is not a T) ends the test program.
  template <typename T = QWidget>
  T* open(const QString& windowName) {
    T* w = qobject_cast<T*>(window->openCalculator(windowName));
    if (w == nullptr) qFatal("cannot open %s", qPrintable(windowName));
    return w;
  }

  // As open(), with the main window at its default size, as on a screen with room
  // for it.
  template <typename T = QWidget>
  T* openAtDefaultSize(const QString& windowName) {
    window->setWindowState(Qt::WindowNoState);
    window->resize(MainWindow::DefaultSize(QSize(1366, 738)));
    return open<T>(windowName);
  }

  RecordingMessages messages;
  RecordingPrograms programs;
  int disclaimerShown = 0;
  std::unique_ptr<MainWindow> window;

 private:
  QTemporaryDir dir_;
  MainWindow::Options options_;
};

// Types into a field as a user would: select all, then the keys.
inline void TypeInto(QWidget* field, const QString& text) {
  field->setFocus();
  if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
  QTest::keyClicks(field, text);
}

template <typename T = QWidget>
T* Child(QWidget* parent, const QString& name) {
  T* child = parent->findChild<T*>(name);
  if (child == nullptr) qFatal("no child %s", qPrintable(name));
  return child;
}

inline QString Shown(QWidget* w, const QString& name) { return Child<QLineEdit>(w, name)->text(); }

// The field takes the focus as Tab would give it (also when the window is not
// the active one, which the test platform may not make it).
inline void Focus(QWidget* field) {
  field->setFocus(Qt::TabFocusReason);
  if (!field->hasFocus()) {
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(field, &in);
  }
}

inline void Leave(QWidget* field) {
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(field, &out);
}

// Fields are filled from "field=text" pairs. Type: each field is typed into as
// TypeInto does, and not committed.
inline void Type(QWidget* w, const QStringList& typed) {
  for (const QString& pair : typed)
    TypeInto(Child(w, pair.section(u'=', 0, 0)), pair.section(u'=', 1));
}

// Enter: each field is entered, typed into and committed with Enter, which also
// runs Calculate as the window's default command.
inline void Enter(QWidget* w, const QStringList& typed) {
  for (const QString& pair : typed) {
    QLineEdit* field = Child<QLineEdit>(w, pair.section(u'=', 0, 0));
    Focus(field);
    field->selectAll();
    QTest::keyClicks(field, pair.section(u'=', 1));
    QTest::keyClick(field, Qt::Key_Return);
  }
}

// "field=text" pairs compared with what the fields show.
inline void ExpectShown(QWidget* w, const QStringList& expected) {
  for (const QString& pair : expected) {
    const QString name = pair.section(u'=', 0, 0);
    QCOMPARE(name + u'=' + Shown(w, name), pair);
  }
}

inline QString ShownTexts(const TestApp& app) {
  QStringList texts;
  for (const Message& m : app.messages.shown) texts << m.text;
  return texts.join(QLatin1Char('|'));
}

// With REVENTA_SCREENSHOTS set to a folder, saves a picture of the widget there,
// to look at the windows as a user sees them.
inline void Snapshot(QWidget* widget, const QString& name) {
  if (!qEnvironmentVariableIsSet("REVENTA_SCREENSHOTS")) return;
  QApplication::processEvents();
  widget->grab().save(qEnvironmentVariable("REVENTA_SCREENSHOTS") + QLatin1Char('/') + name +
                      QStringLiteral(".png"));
}

inline void Click(QWidget* parent, const QString& buttonName) {
  QTest::mouseClick(Child<QPushButton>(parent, buttonName), Qt::LeftButton);
}

}  // namespace reventa::test
