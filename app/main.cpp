// Reventa 2024: the main window with the calculators as its child windows.
#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

#include "shell/main_window.h"
#include "store/app_paths.h"

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
  window.show();
  if (!window.start()) return 0;
  return QApplication::exec();
}
