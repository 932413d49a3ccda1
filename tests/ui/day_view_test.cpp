// The day view in the window: opened from a day row of the table and a square of
// the wall calendar, with the mouse and with the keyboard, and from the View menu;
// stepping with the keys; its one-page PDF read back with poppler's tools. What a
// day's page holds is tested headless in tests/almanac/day_values_test and
// tests/forms/frm_day_test.
#include <QApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "almanac/name_tables.h"
#include "ui/day_view_dialog.h"
#include "ui/wall_calendar_view.h"
#include "ui_test_support.h"

namespace kalnika::ui_test {

namespace {

// The date the day view shows, or nothing when it is not open.
std::optional<CivilDate> DayShown(ui::MainWindow* window) {
  ui::DayViewDialog* view = window->DayView();
  if (view == nullptr || !view->isVisible() || !view->Model() || !view->Model()->Shown()) return std::nullopt;
  return view->Model()->Shown()->values.date;
}

// A point inside the wall calendar's square of a day.
QPoint SquareOf(ui::WallCalendarView& wall, int day) {
  for (int y = 0; y < wall.height(); y += 4)
    for (int x = 0; x < wall.width(); x += 4)
      if (wall.DayAt(QPointF(x, y)) == day) return {x + 6, y + 6};
  return {-1, -1};
}

}  // namespace

class DayViewTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    BeginSession();
    session->Start();  // December 2026 at Mumbai
    session->Window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(session->Window()));
  }
  void cleanup() { EndSession(); }

  void opensFromATableRow() {
    ui::MainWindow* window = session->Window();
    QTableWidget* grid = session->Grid();
    // A double-click on a cell of the 14th's row.
    const QRect cell = grid->visualItemRect(grid->item(14, 8));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QCOMPARE(DayShown(window), std::optional(CivilDate{2026, 12, 14}));
    window->DayView()->close();
    // Enter on the 20th's row.
    grid->setCurrentCell(20, 3);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(DayShown(window), std::optional(CivilDate{2026, 12, 20}));
    QVERIFY(session->messages.seen.isEmpty());
  }

  void opensFromAWallCalendarSquare() {
    ui::MainWindow* window = session->Window();
    session->Action("actionWallCalendar")->trigger();
    ui::WallCalendarView& wall = window->WallView();
    QVERIFY(QTest::qWaitForWindowExposed(&wall));
    const QPoint fifth = SquareOf(wall, 5);
    QVERIFY(fifth.x() >= 0);
    QTest::mouseDClick(&wall, Qt::LeftButton, Qt::NoModifier, fifth);
    QCOMPARE(DayShown(window), std::optional(CivilDate{2026, 12, 5}));
    window->DayView()->close();
    // The keys: from the 5th chosen, right to the 6th, down a week to the 13th.
    wall.setFocus();
    QTest::keyClick(&wall, Qt::Key_Right);
    QTest::keyClick(&wall, Qt::Key_Down);
    QCOMPARE(wall.SelectedDay(), 13);
    QTest::keyClick(&wall, Qt::Key_Enter);
    QCOMPARE(DayShown(window), std::optional(CivilDate{2026, 12, 13}));
  }

  // View > Day View opens the day chosen in the table, else today's date in the
  // shown month (5 December 2026), else its 1st; the arrows and Page Up and Down
  // step in the day view.
  void menuEntryAndSteppingKeys() {
    ui::MainWindow* window = session->Window();
    QAction* action = session->Action("actionDayView");
    QVERIFY(action != nullptr);
    QCOMPARE(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    session->Grid()->setCurrentCell(-1, -1);
    action->trigger();
    QCOMPARE(DayShown(window), std::optional(CivilDate{2026, 12, 5}));
    ui::DayViewDialog* view = window->DayView();
    QVERIFY(Activate(view));
    QTRY_VERIFY(view->isActiveWindow());  // the keys go to the active window
    struct Key { Qt::Key key; CivilDate date; } keys[] = {{Qt::Key_Right, {2026, 12, 6}},
                                                          {Qt::Key_PageDown, {2026, 12, 7}},
                                                          {Qt::Key_Left, {2026, 12, 6}},
                                                          {Qt::Key_PageUp, {2026, 12, 5}}};
    for (const Key& k : keys) {
      QTest::keyClick(view, k.key);
      QCOMPARE(DayShown(window), std::optional(k.date));
    }
    // Across the month's end, from the 31st to 1 January of the next year.
    session->Grid()->setCurrentCell(31, 0);
    action->trigger();
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(DayShown(window), std::optional(CivilDate{2027, 1, 1}));
  }

  // Saved as a PDF: one A4 portrait page, its title the date and the place, the
  // page's texts as drawn (the place line, the Rahu kalam label).
  void savesOnePagePdf() {
    ui::MainWindow* window = session->Window();
    window->OpenDayView(14);
    const QString pdf = session->output.filePath(QStringLiteral("day.pdf"));
    QVERIFY(window->DayView()->SavePdf(pdf));
    if (!HavePoppler()) QSKIP("poppler-utils (pdftoppm, pdftotext, pdfinfo) is not installed");
    const QList<QImage> pages = RenderPages(pdf, 20, session->output.path());
    QCOMPARE(pages.size(), 1);
    QVERIFY(pages[0].height() > pages[0].width());
    QVERIFY(PdfText(pdf).contains(QStringLiteral("Mumbai, Maharashtra, India (18 N 58, 072 E 50, UTC +05:30)")));
    QCOMPARE(PdfTitle(pdf), Unicode(WeekdayNames[1]) + QLatin1Char(' ') + Unicode("14") + QLatin1Char(' ') +
                                Unicode(GregorianMonthNames[11]) + QLatin1Char(' ') + Unicode("2026") +
                                QStringLiteral(", Mumbai, Maharashtra, India"));
    // A Latin script chosen in the window applies to the day view too (pdftotext
    // reads Latin letters back whole, Devanagari not always).
    ui::DisplayOptions latin = window->Display();
    latin.script = Script::Latin;
    window->SetDisplay(latin.Prepared());
    QVERIFY(window->DayView()->SavePdf(pdf));
    const QString text = PdfText(pdf);
    for (const char* word : {"Monday 14 December 2026", "Rahukal", "Yamaghant", "Gulik", "Abhijit", "Brahmamuhurta",
                             "Divasache Chaughadiya", "Ratriche Chaughadiya"})
      QVERIFY2(text.contains(QString::fromLatin1(word)), word);
  }

  // Without a month shown (after a refused year) there is no day to open: said.
  void noMonthShownIsSaid() {
    session->Enter(11, QStringLiteral("78"));
    session->Click("cmdCalculate");
    session->messages.seen.clear();
    session->Window()->OpenSelectedDay();
    QCOMPARE(session->messages.Texts(), QStringList{QStringLiteral("No month table is shown. Press \"Calculate\" first.")});
  }
};

const bool registered = RegisterTest<DayViewTest>();

}  // namespace kalnika::ui_test

#include "day_view_test.moc"
