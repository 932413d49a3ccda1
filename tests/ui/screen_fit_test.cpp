// The main window on a small screen: a 1366 x 768 laptop screen, at the scale
// factor the test is run with (QT_SCALE_FACTOR; ctest runs it at 1, 1.5 and 2 on the
// offscreen platform configured with that screen). The window opens within the
// screen's available area, every control in sight and apart, and on a screen that
// can hold it the month's 31 days without scrolling.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "ui/main_window.h"
#include "ui_test_support.h"

namespace kalnika::ui_test {

// Logical height from which a screen holds the window with all 31 rows: the menu,
// the heading and 31 rows of the grid's font and the controls, with a window frame.
constexpr int kHeightForAWholeMonth = 700;

class ScreenFitTest : public QObject {
  Q_OBJECT
 private slots:
  void windowOpensWithinTheScreen();
  void windowCanBeMadeNarrowerThanTheDesign();
};

namespace {
QString Text(const QRect& r) {
  return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The controls a user works with, by name.
QList<QWidget*> Controls(ui::MainWindow* window) {
  QList<QWidget*> controls;
  for (const char* name : {"lstMonth", "txtYear", "lstLocation", "chkDST", "cmdCalculate", "cmdAddLocation",
                           "cmdDefaultLocation", "CmdAbout", "cmdPreviousMonth", "cmdNextMonth", "cmdNextYear",
                           "cmdPreviousYear"})
    controls << window->findChild<QWidget*>(QString::fromLatin1(name));
  return controls;
}
}  // namespace

void ScreenFitTest::windowOpensWithinTheScreen() {
  TempPlaces places;
  MessageCatcher messages;
  auto program = StartProgram(places.File(), kToday);
  ui::MainWindow* window = program->mainWindow();
  QVERIFY(QTest::qWaitForWindowExposed(window));
  QCoreApplication::processEvents();
  const QRect room = window->screen()->availableGeometry();
  qInfo("screen %dx%d logical at scale %.2f; window frame %dx%d at %d,%d", room.width(), room.height(),
        window->devicePixelRatioF(), window->frameGeometry().width(), window->frameGeometry().height(),
        window->frameGeometry().x(), window->frameGeometry().y());
  QVERIFY2(room.contains(window->frameGeometry()), "the window reaches beyond the screen");

  // Every control inside the window, not covered by another.
  const QList<QWidget*> controls = Controls(window);
  for (QWidget* control : controls) {
    QVERIFY(control != nullptr);
    QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
    const QRect inWindow(control->mapTo(window, QPoint(0, 0)), control->size());
    QVERIFY2(window->rect().contains(inWindow), qPrintable(control->objectName()));
    for (QWidget* other : controls)
      if (other != control && other->parentWidget() == control->parentWidget())
        QVERIFY2(!control->geometry().intersects(other->geometry()),
                 qPrintable(QStringLiteral("%1 %2 / %3 %4")
                                .arg(control->objectName(), Text(control->geometry()), other->objectName(),
                                     Text(other->geometry()))));
  }

  auto* grid = window->findChild<QTableWidget*>(QStringLiteral("Kalnika"));
  if (room.height() >= kHeightForAWholeMonth) {
    QCOMPARE(grid->verticalScrollBar()->maximum(), 0);  // all 31 days in sight
  } else {
    // A lower screen: the grid takes the room left and scrolls.
    QVERIFY(grid->height() >= 4 * grid->rowHeight(1));
  }
  QVERIFY(messages.seen.isEmpty());
}

void ScreenFitTest::windowCanBeMadeNarrowerThanTheDesign() {
  TempPlaces places;
  auto program = StartProgram(places.File(), kToday);
  ui::MainWindow* window = program->mainWindow();
  // The design is 14475 twips, 965 px at 96 dpi; half of it is the least.
  QVERIFY2(window->minimumSizeHint().width() < 700, qPrintable(QString::number(window->minimumSizeHint().width())));
  window->resize(640, window->height());
  QCoreApplication::processEvents();
  for (QWidget* control : Controls(window)) {
    const QRect inWindow(control->mapTo(window, QPoint(0, 0)), control->size());
    QVERIFY2(window->rect().contains(inWindow), qPrintable(control->objectName()));
  }
}

}  // namespace kalnika::ui_test

int main(int argc, char* argv[]) {
  QTemporaryDir config;
  if (!config.isValid()) return 1;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("Kalnika"));
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
  kalnika::ui_test::ScreenFitTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "screen_fit_test.moc"
