// The main window driven through its widgets. The expected grid of every case is
// the model's own month table computed headless for the same inputs (the model is
// checked against independently computed tables in tests/forms and tests/cli);
// what is tested here is that the window passes the right inputs, shows what the
// model wrote, converted to Unicode, and follows the model's state.
#include "main_window_test.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "almanac/name_tables.h"
#include "ui/main_window.h"
#include "ui/month_grid_view.h"
#include "ui/twips.h"
#include "ui_test_support.h"

namespace kalnika::ui_test {

namespace {

// The state of one test: a place file, the program and its message boxes.
struct Session {
  TempPlaces places;
  MessageCatcher messages;
  std::unique_ptr<ui::Application> program;

  ui::MainWindow* Window() const { return program->mainWindow(); }
  template <typename T>
  T* Widget(const char* name) const {
    return Window()->findChild<T*>(QString::fromLatin1(name));
  }
  QTableWidget* Grid() const { return Widget<QTableWidget>("Kalnika"); }
  void Click(const char* button) const { Widget<QAbstractButton>(button)->click(); }
  // Puts a month (0..11, -1 none), a year text and a place (-1 none) into the boxes.
  void Enter(int monthIndex, const QString& year, int place = 2) const {
    Widget<QComboBox>("lstMonth")->setCurrentIndex(monthIndex);
    Widget<QLineEdit>("txtYear")->setText(year);
    Widget<QComboBox>("lstLocation")->setCurrentIndex(place);
  }
};

std::unique_ptr<Session> session;

const QDate kFifthDecember2026(2026, 12, 5);  // the start-up date of the window's own examples

}  // namespace

void MainWindowTest::init() {
  QSettings().clear();  // Devanagari digits, as on a first start
  session = std::make_unique<Session>();
}

void MainWindowTest::cleanup() {
  session.reset();
  SettleDeletes();
}

void MainWindowTest::startUpShowsTodaysMonthForTheDefaultPlace_data() {
  QTest::addColumn<QDate>("today");
  QTest::addColumn<int>("days");
  QTest::newRow("5 December 2026: 31 days, the window's own example") << kFifthDecember2026 << 31;
  QTest::newRow("29 February 2024: leap February, rows 30 and 31 empty") << QDate(2024, 2, 29) << 29;
  QTest::newRow("1 January 2025: the Kali new-year note replaces the notes of the 23rd")
      << QDate(2025, 1, 1) << 31;
  QTest::newRow("30 April 2025: a 30-day month") << QDate(2025, 4, 30) << 30;
}

void MainWindowTest::startUpShowsTodaysMonthForTheDefaultPlace() {
  QFETCH(QDate, today);
  QFETCH(int, days);
  session->program = StartProgram(session->places.File(), today);
  ui::MainWindow* window = session->Window();
  QVERIFY(window != nullptr);
  QCOMPARE(window->objectName(), QStringLiteral("frmKalnika"));
  QCOMPARE(window->windowTitle(), QStringLiteral(" Kalnika Ver. 1.0 by the Kalnika developers"));

  auto* month = session->Widget<QComboBox>("lstMonth");
  QCOMPARE(month->count(), 12);
  QCOMPARE(month->currentIndex(), today.month() - 1);
  QCOMPARE(month->currentText(), QString::fromStdString(MonthListNames[static_cast<std::size_t>(today.month() - 1)]));
  QCOMPARE(session->Widget<QLineEdit>("txtYear")->text(), QString::number(today.year()));
  auto* place = session->Widget<QComboBox>("lstLocation");
  QCOMPARE(place->count(), 6);
  QCOMPARE(place->currentIndex(), 2);
  QVERIFY(place->currentText().startsWith(QStringLiteral("Mumbai, Maharashtra, India")));
  QVERIFY(!session->Widget<QCheckBox>("chkDST")->isChecked());
  // Mumbai's record "18 N 58  072 E 50  +05:30" split by position.
  QCOMPARE(session->Widget<QLabel>("lblLat")->text(), QStringLiteral("18 N 58 "));
  QCOMPARE(session->Widget<QLabel>("lblLong")->text(), QStringLiteral("072 E 50"));
  QCOMPARE(session->Widget<QLabel>("lblTimeZone")->text(), QStringLiteral(" +05:30"));

  QTableWidget* grid = session->Grid();
  QVERIFY(grid->isVisible());
  QCOMPARE(grid->rowCount(), 32);
  QCOMPARE(grid->columnCount(), 17);
  const auto reference = ComputeMonth(session->places.File(), today);
  const QString mismatch = GridMismatch(grid, reference->table());
  QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
  QCOMPARE(grid->item(days, 1)->text(), Unicode(std::to_string(days)));
  for (int r = days + 1; r < kTableRows; ++r) QVERIFY(grid->item(r, 1)->text().isEmpty());
  // The headings: row 0 of the table, bold, shown in the fixed strip.
  QCOMPARE(grid->item(0, 8)->text(), Unicode(ColumnHeadings[8]));
  QVERIFY(grid->item(0, 8)->font().bold());
  QVERIFY(session->Window()->findChild<QTableView*>(QStringLiteral("KalnikaHeadings"))->isVisible());
  QCOMPARE(session->Widget<QLabel>("lblKaliYuga")->text(), Unicode(reference->form->lblKaliYuga.Caption));
  QCOMPARE(session->Widget<QLabel>("lblVikram")->text(), Unicode(reference->form->lblVikram.Caption));
  QVERIFY(session->messages.seen.isEmpty());
}

void MainWindowTest::calculateShowsTheChosenMonth_data() {
  QTest::addColumn<int>("monthIndex");
  QTest::addColumn<QString>("year");
  QTest::addColumn<int>("place");
  QTest::addColumn<bool>("dst");
  QTest::addColumn<QString>("latitude");
  QTest::newRow("March 2026 at London: a western longitude") << 2 << "2026" << 1 << false << "51 N 30 ";
  QTest::newRow("June 2026 in New York with daylight saving: clock times an hour later")
      << 5 << "2026" << 3 << true << "40 N 42 ";
  QTest::newRow("February 2024 after December's 31 days: rows 30 and 31 emptied")
      << 1 << "2024" << 2 << false << "18 N 58 ";
  QTest::newRow("January 79 at Sydney: the first accepted year, southern latitude")
      << 0 << "79" << 4 << false << "33 S 52 ";
  QTest::newRow("October 2026 at Kathmandu: a zone of +05:45") << 9 << "2026" << 0 << false << "27 N 43 ";
}

void MainWindowTest::calculateShowsTheChosenMonth() {
  QFETCH(int, monthIndex);
  QFETCH(QString, year);
  QFETCH(int, place);
  QFETCH(bool, dst);
  QFETCH(QString, latitude);
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  session->Enter(monthIndex, year, place);
  session->Widget<QCheckBox>("chkDST")->setChecked(dst);
  session->Click("cmdCalculate");

  const auto reference =
      ComputeMonth(session->places.File(), kFifthDecember2026, monthIndex, year.toStdString(), place, dst);
  const QString mismatch = GridMismatch(session->Grid(), reference->table());
  QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
  QCOMPARE(session->Widget<QLabel>("lblLat")->text(), latitude);
  QCOMPARE(session->Widget<QLabel>("lblKaliYuga")->text(), Unicode(reference->form->lblKaliYuga.Caption));
  QCOMPARE(session->Widget<QLabel>("lblVikram")->text(), Unicode(reference->form->lblVikram.Caption));
  QCOMPARE(session->Widget<QComboBox>("lstMonth")->currentIndex(), monthIndex);
  QCOMPARE(session->Widget<QComboBox>("lstLocation")->currentIndex(), place);
  QVERIFY(session->messages.seen.isEmpty());
}

void MainWindowTest::steppingButtonsFollowTheTags_data() {
  QTest::addColumn<int>("monthIndex");   // calculated first
  QTest::addColumn<QString>("year");     // calculated first
  QTest::addColumn<QString>("typed");    // typed after the calculation (null: nothing typed)
  QTest::addColumn<QString>("button");
  QTest::addColumn<int>("shownMonth");   // month index after the click
  QTest::addColumn<QString>("shownYear");
  QTest::addColumn<QStringList>("messages");
  const QString none;
  // The cases of the window's stepping rules: December and January turn the year,
  // the year buttons keep the month, the year in the box (not the calculated one)
  // is stepped, and without a year tag the buttons only repeat the calculation.
  QTest::newRow("next month after December 2026 is January 2027")
      << 11 << "2026" << none << "cmdNextMonth" << 0 << "2027" << QStringList();
  QTest::newRow("previous month before January 2027 is December 2026")
      << 0 << "2027" << none << "cmdPreviousMonth" << 11 << "2026" << QStringList();
  QTest::newRow("next month inside the year keeps it") << 4 << "2026" << none << "cmdNextMonth" << 5 << "2026"
                                                       << QStringList();
  QTest::newRow("next year keeps March") << 2 << "2026" << none << "cmdNextYear" << 2 << "2027" << QStringList();
  QTest::newRow("previous year keeps March") << 2 << "2026" << none << "cmdPreviousYear" << 2 << "2025"
                                             << QStringList();
  QTest::newRow("a year typed after March 2026 is the one stepped: April 1999")
      << 2 << "2026" << "1999" << "cmdNextMonth" << 3 << "1999" << QStringList();
  QTest::newRow("a refused year 78 fills both tags: next year shows 79")
      << 2 << "78" << none << "cmdNextYear" << 2 << "79" << QStringList{QString::fromLatin1(kMinYearMessage)};
  QTest::newRow("an empty year leaves the year tag empty: the message comes again")
      << 2 << "" << none << "cmdNextMonth" << 2 << ""
      << QStringList{QString::fromLatin1(kTypeYearMessage), QString::fromLatin1(kTypeYearMessage)};
}

void MainWindowTest::steppingButtonsFollowTheTags() {
  QFETCH(int, monthIndex);
  QFETCH(QString, year);
  QFETCH(QString, typed);
  QFETCH(QString, button);
  QFETCH(int, shownMonth);
  QFETCH(QString, shownYear);
  QFETCH(QStringList, messages);
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  session->Enter(monthIndex, year);
  session->Click("cmdCalculate");
  if (!typed.isNull()) session->Widget<QLineEdit>("txtYear")->setText(typed);
  session->Click(button.toLatin1().constData());

  QCOMPARE(session->Widget<QComboBox>("lstMonth")->currentIndex(), shownMonth);
  QCOMPARE(session->Widget<QLineEdit>("txtYear")->text(), shownYear);
  QCOMPARE(session->messages.Texts(), messages);
  if (shownYear.isEmpty()) {
    QVERIFY(!session->Grid()->isVisible());
    return;
  }
  const auto reference =
      ComputeMonth(session->places.File(), kFifthDecember2026, shownMonth, shownYear.toStdString());
  const QString mismatch = GridMismatch(session->Grid(), reference->table());
  QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
  QVERIFY(session->Grid()->isVisible());
}

void MainWindowTest::inputMessagesStopTheCalculation_data() {
  QTest::addColumn<int>("monthIndex");
  QTest::addColumn<QString>("year");
  QTest::addColumn<QString>("message");
  QTest::newRow("no month and no year: only the month is asked for")
      << -1 << "" << QString::fromLatin1(kSelectMonthMessage);
  QTest::newRow("a month without a year") << 4 << "" << QString::fromLatin1(kTypeYearMessage);
  QTest::newRow("blanks are a year text that reads as 0") << 4 << "   " << QString::fromLatin1(kMinYearMessage);
  QTest::newRow("78, the year before the first accepted") << 4 << "78" << QString::fromLatin1(kMinYearMessage);
  QTest::newRow("letters read as 0") << 4 << "abc" << QString::fromLatin1(kMinYearMessage);
}

void MainWindowTest::inputMessagesStopTheCalculation() {
  QFETCH(int, monthIndex);
  QFETCH(QString, year);
  QFETCH(QString, message);
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  session->Enter(monthIndex, year);
  session->Click("cmdCalculate");

  QCOMPARE(session->messages.seen.size(), 1);
  const SeenMessage& seen = session->messages.seen.front();
  QCOMPARE(seen.text, message);
  QCOMPARE(seen.title, QStringLiteral("Kalnika"));
  QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QVERIFY(seen.modal);
  // A refused run leaves the grid hidden and the Kali label empty.
  QVERIFY(!session->Grid()->isVisible());
  QVERIFY(session->Widget<QLabel>("lblKaliYuga")->text().isEmpty());
  // The next accepted run shows the grid again.
  session->Enter(4, QStringLiteral("2026"));
  session->Click("cmdCalculate");
  QVERIFY(session->Grid()->isVisible());
  QCOMPARE(session->messages.seen.size(), 1);
}

void MainWindowTest::defaultPlaceIsStoredAndSelectedAtTheNextStart_data() {
  QTest::addColumn<int>("place");
  QTest::addColumn<QString>("message");
  QTest::addColumn<QByteArray>("stored");
  // The message names the first 30 characters of the record: its description
  // with the blanks that pad it.
  QTest::newRow("London, the second entry") << 1 << "Default set to London, England, UK           "
                                            << QByteArray("CityDataNumber=1");
  QTest::newRow("Tromso, the last entry") << 5 << "Default set to Tromso, Troms, Norway         "
                                          << QByteArray("CityDataNumber=5");
  QTest::newRow("nothing selected stores -1 and selects nothing at the next start")
      << -1 << "Default set to " << QByteArray("CityDataNumber=-1");
}

void MainWindowTest::defaultPlaceIsStoredAndSelectedAtTheNextStart() {
  QFETCH(int, place);
  QFETCH(QString, message);
  QFETCH(QByteArray, stored);
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  session->Widget<QComboBox>("lstLocation")->setCurrentIndex(place);
  session->Click("cmdDefaultLocation");
  QCOMPARE(session->messages.Texts(), QStringList{message});
  QVERIFY(session->places.Bytes().contains(stored));

  session->program.reset();
  SettleDeletes();
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  auto* places = session->Widget<QComboBox>("lstLocation");
  QCOMPARE(places->currentIndex(), place);
  QCOMPARE(places->currentText().isEmpty(), place < 0);
}

void MainWindowTest::typedPlaceTextChoosesOrKeepsAnEntry_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("chosen");
  QTest::newRow("a part only Tromso holds, in other case") << "tromso" << 5;
  QTest::newRow("a part only New York holds") << "York" << 3;
  QTest::newRow("the whole record of London in capitals")
      << "LONDON, ENGLAND, UK            51 N 30  000 W 07  +00:00" << 1;
  QTest::newRow("a text of no place keeps Mumbai and adds nothing") << "Atlantis" << 2;
  QTest::newRow("a text several places hold keeps Mumbai") << ", " << 2;
  QTest::newRow("an empty box chooses nothing") << "" << -1;
}

void MainWindowTest::typedPlaceTextChoosesOrKeepsAnEntry() {
  QFETCH(QString, typed);
  QFETCH(int, chosen);
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  auto* places = session->Widget<QComboBox>("lstLocation");
  places->setEditText(typed);
  QTest::keyClick(places->lineEdit(), Qt::Key_Return);
  session->Click("cmdCalculate");

  QCOMPARE(places->count(), 6);
  QCOMPARE(places->currentIndex(), chosen);
  QCOMPARE(places->currentText().isEmpty(), chosen < 0);
  QCOMPARE(session->Window()->Model().lstLocation.ListIndex, chosen);
  // Without a chosen place the labels keep Mumbai's values (the calculation
  // parses only a place text of more than 2 characters).
  const auto reference =
      ComputeMonth(session->places.File(), kFifthDecember2026, 11, "2026", chosen < 0 ? 2 : chosen);
  QCOMPARE(session->Widget<QLabel>("lblLat")->text(), QString::fromStdString(reference->form->lblLat.Caption));
  const QString mismatch = GridMismatch(session->Grid(), reference->table());
  QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void MainWindowTest::digitsChoiceIsShownAndRemembered_data() {
  QTest::addColumn<QString>("action");
  QTest::addColumn<QString>("dayOne");
  QTest::addColumn<QString>("setting");
  QTest::newRow("Western digits") << "actionWesternDigits" << "1" << "western";
  QTest::newRow("Devanagari digits") << "actionDevanagariDigits" << QStringLiteral("\u0967") << "devanagari";
}

void MainWindowTest::digitsChoiceIsShownAndRemembered() {
  QFETCH(QString, action);
  QFETCH(QString, dayOne);
  QFETCH(QString, setting);
  // Start from the other choice, so that the action changes something.
  QSettings().setValue(QStringLiteral("display/digits"),
                       setting == QStringLiteral("western") ? QStringLiteral("devanagari") : QStringLiteral("western"));
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  session->Window()->findChild<QAction*>(action)->trigger();
  QCOMPARE(session->Grid()->item(1, 1)->text(), dayOne);
  const xdvng::Digits digits = setting == QStringLiteral("western") ? xdvng::Digits::Latin : xdvng::Digits::Devanagari;
  const auto reference = ComputeMonth(session->places.File(), kFifthDecember2026);
  QString mismatch = GridMismatch(session->Grid(), reference->table(), digits);
  QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
  QCOMPARE(session->Widget<QLabel>("lblKaliYuga")->text(), Unicode(reference->form->lblKaliYuga.Caption, digits));
  QCOMPARE(QSettings().value(QStringLiteral("display/digits")).toString(), setting);

  // The next start shows the remembered digits.
  session->program.reset();
  SettleDeletes();
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  QCOMPARE(session->Grid()->item(1, 1)->text(), dayOne);
  QVERIFY(session->Window()->findChild<QAction*>(action)->isChecked());
}

void MainWindowTest::gridIsLaidOutForItsTexts() {
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  QTableWidget* grid = session->Grid();
  const double dpi = grid->logicalDpiY();
  // Every column at least its designed width and wide enough for its widest text;
  // every day row at least 233 twips and as high as a line of the font.
  for (int c = 0; c < kTableColumns - 1; ++c) {
    QVERIFY2(grid->columnWidth(c) >= ui::TwipsToPixels(ColumnWidths[static_cast<std::size_t>(c)], dpi),
             qPrintable(QStringLiteral("column %1").arg(c)));
    const QFontMetrics metrics(grid->font());
    for (int r = 1; r < kTableRows; ++r)
      QVERIFY2(metrics.horizontalAdvance(grid->item(r, c)->text()) < grid->columnWidth(c),
               qPrintable(QStringLiteral("row %1, column %2").arg(r).arg(c)));
  }
  for (int r = 1; r < kTableRows; ++r) {
    QVERIFY(grid->rowHeight(r) >= ui::TwipsToPixels(kRowHeightTwips, dpi));
    QVERIFY(grid->rowHeight(r) > QFontMetrics(grid->font()).height());
  }
  // A taller window gives the grid all the added room.
  ui::MainWindow* window = session->Window();
  const int before = grid->height();
  window->resize(window->width(), window->height() + 200);
  QCoreApplication::processEvents();
  QCOMPARE(grid->height(), before + 200);
}

void MainWindowTest::twipsBecomePixelsOfTheScreen_data() {
  QTest::addColumn<int>("twips");
  QTest::addColumn<double>("dpi");
  QTest::addColumn<int>("pixels");
  // 1440 twips to the inch: pixels = twips * dpi / 1440, rounded to the nearest.
  QTest::newRow("15 twips are one pixel at 96 dpi") << 15 << 96.0 << 1;
  QTest::newRow("the grid's row height, 233 twips = 15.53 px at 96 dpi") << 233 << 96.0 << 16;
  QTest::newRow("the same at 144 dpi, 23.3 px") << 233 << 144.0 << 23;
  QTest::newRow("the window's width, 14475 twips at 96 dpi") << 14475 << 96.0 << 965;
  QTest::newRow("7 twips at 96 dpi, 0.47 px, round to 0") << 7 << 96.0 << 0;
  QTest::newRow("8 twips at 96 dpi, 0.53 px, round to 1") << 8 << 96.0 << 1;
}

void MainWindowTest::twipsBecomePixelsOfTheScreen() {
  QFETCH(int, twips);
  QFETCH(double, dpi);
  QFETCH(int, pixels);
  QCOMPARE(ui::TwipsToPixels(twips, dpi), pixels);
}

}  // namespace kalnika::ui_test
