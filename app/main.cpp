// SPDX-License-Identifier: GPL-3.0-or-later
// Reventa 2024: the main window with the calculators as its child windows.
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "shell/main_window.h"
#include "shell/single_instance.h"
#include "shell/startup_prefs.h"
#include "store/app_paths.h"

namespace {

// For the start-up benchmark: with REVENTA_STARTUP_PROBE set, the program prints
// the wall-clock time (milliseconds since the epoch) at which the main window
// first paints, and ends there.
class StartupProbe : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      std::printf("painted %lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
      std::fflush(stdout);
      std::_Exit(0);
    }
    return QObject::eventFilter(watched, event);
  }
};

// How the program names itself in its descriptions. It is not the application's
// display name: the desktop would add that to every window's caption.
const QString kDisplayName = QStringLiteral("Reventa 2024");

// The program takes no arguments of its own besides --help and --version.
void DescribeOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      QStringLiteral("%1: South African employees' tax, salary packages and personal finance "
                     "for the 2024 tax year.\nThe calculators are also on the command line: "
                     "see reventa-calc --help.")
          .arg(kDisplayName));
  // -stylesheet and the other single-dash options of Qt are words, not letters.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addHelpOption();
  parser.addVersionOption();
}

void PrintVersion() {
  std::printf("%s %s\n", qPrintable(kDisplayName),
              qPrintable(QCoreApplication::applicationVersion()));
}

// Answers --help and --version before the window system is touched, so that they
// work without a display. Qt's own options (-platform, -style …) are not known
// yet at this point and are left for the application object.
void AnswerInformationOptions(int argc, char** argv) {
  if (argc < 2) return;
  int coreArgc = argc;
  QCoreApplication core(coreArgc, argv);
  reventa::NameApplication();
  QCommandLineParser parser;
  DescribeOptions(parser);
  parser.parse(QCoreApplication::arguments());
  if (parser.isSet(QStringLiteral("version"))) {
    PrintVersion();
    std::exit(EXIT_SUCCESS);
  }
  if (parser.isSet(QStringLiteral("help"))) parser.showHelp(EXIT_SUCCESS);
}

// The value of one of Qt's own options (-platform, -display), or null when it is
// not given. Qt takes them with one dash or two, the value as the next argument.
const char* QtOption(int argc, char** argv, const char* name) {
  for (int i = 1; i + 1 < argc; ++i) {
    const char* arg = argv[i];
    if (arg[0] == '-' && arg[1] == '-') ++arg;
    if (arg[0] == '-' && std::strcmp(arg + 1, name) == 0) return argv[i + 1];
  }
  return nullptr;
}

// Whether the program is about to start on a desktop's window system (X11 or
// Wayland, Qt's choice when none is named) with no display to connect to. Qt would
// abort there with a long note about plug-ins; a platform that needs no display
// (offscreen, for tests and the start-up benchmark) is left to Qt.
bool NoDisplayToShowOn(int argc, char** argv) {
  if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
      !qEnvironmentVariableIsEmpty("WAYLAND_SOCKET") ||
      QtOption(argc, argv, "display") != nullptr) {
    return false;
  }
  const char* named = QtOption(argc, argv, "platform");
  const QString platforms =
      named != nullptr ? QString::fromLocal8Bit(named) : qEnvironmentVariable("QT_QPA_PLATFORM");
  // A list of platforms to try in turn, each with its own options after a colon.
  for (const QString& entry : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QString name = entry.section(QLatin1Char(':'), 0, 0).trimmed();
    if (name != QLatin1String("xcb") && !name.startsWith(QLatin1String("wayland"))) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  AnswerInformationOptions(argc, argv);
  if (NoDisplayToShowOn(argc, argv)) {
    std::fprintf(stderr,
                 "reventa: no graphical display to show the window on (DISPLAY and "
                 "WAYLAND_DISPLAY are not set); start it in a desktop session\n");
    return EXIT_FAILURE;
  }
  QApplication app(argc, argv);
  reventa::NameApplication();
  // The desktop entry and icon of the installed program (Wayland's app id).
  QGuiApplication::setDesktopFileName(QStringLiteral(REVENTA_APP_ID));
  {
    // What is left once Qt has taken its own options: anything unknown is refused.
    QCommandLineParser parser;
    DescribeOptions(parser);
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
      std::fprintf(stderr, "reventa: unexpected argument %s\nTry 'reventa --help'.\n",
                   qPrintable(parser.positionalArguments().constFirst()));
      return EXIT_FAILURE;
    }
  }
  // Amounts are typed and shown with a decimal point whatever the desktop's locale.
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));

  reventa::MainWindow::Options options;
  options.appFolder = reventa::FindAppFolder();
  options.dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  // Once per user: a second start on the same stores brings this copy forward.
  reventa::SingleInstance instance(options.dataFolder);
  const auto start = instance.claim();
  if (start != reventa::SingleInstance::Start::First) {
    return reventa::SingleInstance::EndSecondStart(start);
  }
  reventa::MainWindow window(options);
  instance.setWindow(&window);
  StartupProbe probe;
  if (qEnvironmentVariableIsSet("REVENTA_STARTUP_PROBE")) window.installEventFilter(&probe);
  window.show();
  if (!window.start()) return 0;
  return QApplication::exec();
}
