// Reventa 2024: the main window with the calculators as its child windows.
#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

#include "shell/main_window.h"
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

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Reventa"));
  QApplication::setApplicationName(QStringLiteral("Reventa2024"));
  QApplication::setApplicationDisplayName(QStringLiteral("Reventa 2024"));
  // Amounts are typed and shown with a decimal point whatever the desktop's locale.
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));

  reventa::MainWindow::Options options;
  options.appFolder = reventa::FindAppFolder();
  options.dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  reventa::MainWindow window(options);
  StartupProbe probe;
  if (qEnvironmentVariableIsSet("REVENTA_STARTUP_PROBE")) window.installEventFilter(&probe);
  window.show();
  if (!window.start()) return 0;
  return QApplication::exec();
}
