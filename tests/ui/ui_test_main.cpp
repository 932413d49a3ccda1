// Runs the window tests on one application object, with the settings of a
// temporary configuration folder (the user's own settings are never touched).
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "ui_test_support.h"

int main(int argc, char* argv[]) {
  QTemporaryDir config;
  if (!config.isValid()) return 1;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  QApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QString());
  QCoreApplication::setApplicationName(QStringLiteral("Kalnika"));
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());

  int failed = 0;
  for (const auto& run : kalnika::ui_test::TestRuns()) failed += run(argc, argv);
  return failed == 0 ? 0 : 1;
}
