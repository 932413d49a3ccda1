// Runs the window tests on one application object, with the settings of a
// temporary configuration folder (the user's own settings are never touched).
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "about_help_test.h"
#include "add_location_test.h"
#include "export_test.h"
#include "main_window_test.h"
#include "wall_calendar_test.h"

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
  {
    kalnika::ui_test::MainWindowTest test;
    failed += QTest::qExec(&test, argc, argv);
  }
  {
    kalnika::ui_test::AddLocationTest test;
    failed += QTest::qExec(&test, argc, argv);
  }
  {
    kalnika::ui_test::AboutHelpTest test;
    failed += QTest::qExec(&test, argc, argv);
  }
  {
    kalnika::ui_test::ExportTest test;
    failed += QTest::qExec(&test, argc, argv);
  }
  {
    kalnika::ui_test::WallCalendarTest test;
    failed += QTest::qExec(&test, argc, argv);
  }
  return failed == 0 ? 0 : 1;
}
