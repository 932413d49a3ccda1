// The main window driven through its widgets. The expected grid of every case is
// the model's own month table computed headless for the same inputs (the model is
// checked against independently computed tables in tests/forms and tests/cli);
// what is tested here is that the window passes the right inputs, shows what the
// model wrote, converted to Unicode, and follows the model's state.
#include "main_window_test.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "almanac/name_tables.h"
#include "ui/about_box.h"
#include "ui/add_location_dialog.h"
#include "ui/main_window.h"
#include "ui/month_grid_view.h"
#include "ui/place_box.h"
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

void MainWindowTest::startUpShowsTheModel() {
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  ui::MainWindow* window = session->Window();
  QVERIFY(window != nullptr);
  QCOMPARE(window->objectName(), QStringLiteral("frmKalnika"));
  QCOMPARE(window->windowTitle(), QStringLiteral(" Kalnika Ver. 1.0 by the Kalnika developers"));

  // The widgets show the model after its start-up on 5 December 2026: December,
  // 2026, Mumbai (the sample file's default), daylight saving unticked.
  const auto reference = ComputeMonth(session->places.File(), kFifthDecember2026);
  auto* month = session->Widget<QComboBox>("lstMonth");
  QCOMPARE(month->count(), 12);
  QCOMPARE(month->currentText(), QString::fromStdString(MonthListNames[11]));
  QCOMPARE(session->Widget<QLineEdit>("txtYear")->text(), QStringLiteral("2026"));
  auto* place = session->Widget<QComboBox>("lstLocation");
  QCOMPARE(place->count(), 6);
  QCOMPARE(place->currentIndex(), 2);
  QVERIFY(!session->Widget<QCheckBox>("chkDST")->isChecked());
  QCOMPARE(session->Widget<QLabel>("lblLat")->text(), QString::fromStdString(reference->form->lblLat.Caption));
  QCOMPARE(session->Widget<QLabel>("lblLong")->text(), QString::fromStdString(reference->form->lblLong.Caption));
  QCOMPARE(session->Widget<QLabel>("lblTimeZone")->text(),
           QString::fromStdString(reference->form->lblTimeZone.Caption));
  QCOMPARE(session->Widget<QLabel>("lblKaliYuga")->text(), Unicode(reference->form->lblKaliYuga.Caption));
  QCOMPARE(session->Widget<QLabel>("lblVikram")->text(), Unicode(reference->form->lblVikram.Caption));

  QTableWidget* grid = session->Grid();
  QVERIFY(grid->isVisible());
  QCOMPARE(grid->rowCount(), 32);
  QCOMPARE(grid->columnCount(), 17);
  const QString mismatch = GridMismatch(grid, reference->table());
  QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
  // The headings: row 0 of the table, bold, shown in the fixed strip.
  QVERIFY(grid->item(0, 8)->font().bold());
  QVERIFY(session->Window()->findChild<QTableView*>(QStringLiteral("KalnikaHeadings"))->isVisible());
  QVERIFY(session->messages.seen.isEmpty());
}

void MainWindowTest::handlersAreBoundToTheirControls_data() {
  QTest::addColumn<QString>("control");  // a button, or "Return in txtYear"
  QTest::addColumn<int>("monthIndex");   // entered before
  QTest::addColumn<QString>("year");
  QTest::addColumn<int>("place");
  QTest::addColumn<bool>("dst");
  QTest::addColumn<int>("shownMonth");  // month index shown after
  QTest::addColumn<QString>("shownYear");
  // The shown month and year follow the stepping rules of the window (the
  // model's own tests in tests/forms hold every case).
  QTest::newRow("cmdCalculate: June 2026 at New York with daylight saving")
      << "cmdCalculate" << 5 << "2026" << 3 << true << 5 << "2026";
  QTest::newRow("Return in txtYear: March 2026 at London") << "Return in txtYear" << 2 << "2026" << 1 << false << 2
                                                          << "2026";
  QTest::newRow("Return in lstLocation: February 2024 at Sydney") << "Return in lstLocation" << 1 << "2024" << 4
                                                                 << false << 1 << "2024";
  QTest::newRow("cmdNextMonth: December 2026 to January 2027")
      << "cmdNextMonth" << 11 << "2026" << 2 << false << 0 << "2027";
  QTest::newRow("cmdPreviousMonth: January 2027 to December 2026")
      << "cmdPreviousMonth" << 0 << "2027" << 2 << false << 11 << "2026";
  QTest::newRow("cmdNextYear: March 2026 to March 2027") << "cmdNextYear" << 2 << "2026" << 4 << false << 2 << "2027";
  QTest::newRow("cmdPreviousYear: March 2026 to March 2025")
      << "cmdPreviousYear" << 2 << "2026" << 0 << false << 2 << "2025";
}

void MainWindowTest::handlersAreBoundToTheirControls() {
  QFETCH(QString, control);
  QFETCH(int, monthIndex);
  QFETCH(QString, year);
  QFETCH(int, place);
  QFETCH(bool, dst);
  QFETCH(int, shownMonth);
  QFETCH(QString, shownYear);
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  const bool stepping = control.startsWith(QStringLiteral("cmdNext")) || control.startsWith(QStringLiteral("cmdPrevious"));
  session->Enter(monthIndex, year, place);
  session->Widget<QCheckBox>("chkDST")->setChecked(dst);
  if (stepping) session->Click("cmdCalculate");  // the stepping buttons step from a calculated month
  if (control == QStringLiteral("Return in txtYear"))
    QTest::keyClick(session->Widget<QLineEdit>("txtYear"), Qt::Key_Return);
  else if (control == QStringLiteral("Return in lstLocation"))
    QTest::keyClick(session->Widget<QComboBox>("lstLocation")->lineEdit(), Qt::Key_Return);
  else
    session->Click(control.toLatin1().constData());

  QCOMPARE(session->Widget<QComboBox>("lstMonth")->currentIndex(), shownMonth);
  QCOMPARE(session->Widget<QLineEdit>("txtYear")->text(), shownYear);
  const auto reference =
      ComputeMonth(session->places.File(), kFifthDecember2026, shownMonth, shownYear.toStdString(), place, dst);
  const QString mismatch = GridMismatch(session->Grid(), reference->table());
  QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
  QCOMPARE(session->Widget<QLabel>("lblLat")->text(), QString::fromStdString(reference->form->lblLat.Caption));
  QCOMPARE(session->Widget<QLabel>("lblKaliYuga")->text(), Unicode(reference->form->lblKaliYuga.Caption));
  QCOMPARE(session->Widget<QLabel>("lblVikram")->text(), Unicode(reference->form->lblVikram.Caption));
  QVERIFY(session->Grid()->isVisible());
  QVERIFY(session->messages.seen.isEmpty());
}

void MainWindowTest::typedPlaceTextReachesTheModel() {
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  auto* places = session->Widget<QComboBox>("lstLocation");
  places->setEditText(QStringLiteral("tromso"));  // which entry a text names: tests/forms/place_search_test
  session->Click("cmdCalculate");
  QCOMPARE(session->Window()->Model().lstLocation.ListIndex, 5);
  QCOMPARE(places->currentIndex(), 5);
  QCOMPARE(places->currentText(), QStringLiteral("Tromso, Troms, Norway"));  // the name, not the record
  const auto reference = ComputeMonth(session->places.File(), kFifthDecember2026, 11, "2026", 5);
  const QString mismatch = GridMismatch(session->Grid(), reference->table());
  QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void MainWindowTest::refusedInputIsShownInAModalBox() {
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  session->Enter(4, QStringLiteral("78"));
  session->Click("cmdCalculate");

  QCOMPARE(session->messages.seen.size(), 1);
  const SeenMessage& seen = session->messages.seen.front();
  QCOMPARE(seen.text, QString::fromLatin1(kMinYearMessage));
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

void MainWindowTest::placeChosenFromTheSearchShowsItsNameAndLabels() {
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  ui::MainWindow* window = session->Window();
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window));
  auto* places = session->Widget<QComboBox>("lstLocation");
  places->lineEdit()->setFocus();
  places->lineEdit()->selectAll();
  // Typing offers the names that hold the text in a popup, best first (the order:
  // tests/forms/place_search_test); Down and Enter choose the first.
  QTest::keyClicks(places->lineEdit(), QStringLiteral("lon"));
  auto* search = places->findChild<ui::PlaceBox*>();
  QVERIFY(search != nullptr);
  QAbstractItemView* popup = search->Popup();
  QVERIFY(popup != nullptr);
  QTRY_VERIFY(popup->isVisible());
  QCOMPARE(popup->model()->index(0, 0).data().toString(), QStringLiteral("London, England, UK"));
  QTest::keyClick(popup, Qt::Key_Down);
  QTest::keyClick(popup, Qt::Key_Return);
  QTRY_COMPARE(places->currentIndex(), 1);
  // The box shows the name from its start; the labels show London before any
  // Calculate (the Return also calculated, with London).
  QCOMPARE(places->currentText(), QStringLiteral("London, England, UK"));
  QCOMPARE(places->lineEdit()->cursorPosition(), 0);
  QCOMPARE(session->Widget<QLabel>("lblLat")->text(), QStringLiteral("51 N 30 "));
  QCOMPARE(session->Widget<QLabel>("lblLong")->text(), QStringLiteral("000 W 07"));
  QCOMPARE(session->Widget<QLabel>("lblTimeZone")->text(), QStringLiteral(" +00:00"));
}

void MainWindowTest::placeChosenFromTheListShowsItsLabels() {
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  auto* places = session->Widget<QComboBox>("lstLocation");
  const QString dayOneSunrise = session->Grid()->item(1, 14)->text();
  places->setCurrentIndex(4);
  emit places->activated(4);  // as a click on Sydney in the list does
  // Sydney's record "33 S 52  151 E 12  +10:00"; the table stays Mumbai's until
  // a calculation.
  QCOMPARE(session->Widget<QLabel>("lblLat")->text(), QStringLiteral("33 S 52 "));
  QCOMPARE(session->Widget<QLabel>("lblTimeZone")->text(), QStringLiteral(" +10:00"));
  QCOMPARE(session->Grid()->item(1, 14)->text(), dayOneSunrise);
  QCOMPARE(places->itemData(4, Qt::ToolTipRole).toString(), QStringLiteral("Sydney, NSW, Australia         33 S 52  151 E 12  +10:00"));
  QVERIFY(session->messages.seen.isEmpty());
}

void MainWindowTest::refusedYearShowsNoMonth() {
  // The model clears the day cells and the Kali caption of a refused run and hides
  // the grid (its tests: tests/forms); the window shows no month at all then, so
  // that what is shown and what the File menu writes agree (export_test).
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  session->Enter(11, QStringLiteral("78"));
  session->Click("cmdCalculate");
  QVERIFY(!session->Window()->findChild<QWidget*>(QStringLiteral("KalnikaFrame"))->isVisible());
  QVERIFY(session->Widget<QLabel>("lblKaliYuga")->text().isEmpty());
  QVERIFY(!session->Widget<QLabel>("lblVikram")->isVisible());
  QVERIFY(!session->Window()->Model().Shown().has_value());
  session->Enter(11, QStringLiteral("2026"));
  session->Click("cmdCalculate");
  QVERIFY(session->Widget<QLabel>("lblVikram")->isVisible());
  QVERIFY(!session->Widget<QLabel>("lblVikram")->text().isEmpty());
}

void MainWindowTest::defaultPlaceIsStoredAndSelectedAtTheNextStart() {
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  session->Widget<QComboBox>("lstLocation")->setCurrentIndex(1);
  session->Click("cmdDefaultLocation");
  // The message names the first 30 characters of London's record, padding included.
  QCOMPARE(session->messages.Texts(), QStringList{QStringLiteral("Default set to London, England, UK           ")});
  QVERIFY(session->places.Bytes().contains("CityDataNumber=1"));

  session->program.reset();
  SettleDeletes();
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  QCOMPARE(session->Widget<QComboBox>("lstLocation")->currentIndex(), 1);
}

void MainWindowTest::emptyPlaceIsRefusedAsTheDefault() {
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  const QByteArray before = session->places.Bytes();
  session->Widget<QComboBox>("lstLocation")->setEditText(QString());
  session->Click("cmdDefaultLocation");
  QCOMPARE(session->messages.Texts(), QStringList{QString::fromLatin1(kNoDefaultPlaceMessage)});
  QCOMPARE(session->messages.seen.front().title, QStringLiteral("Kalnika"));
  QCOMPARE(session->places.Bytes(), before);
}

void MainWindowTest::tabTreatsTheTableAsOneStop_data() {
  QTest::addColumn<QString>("from");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("to");
  const int none = Qt::NoModifier;
  QTest::newRow("Tab from the place box enters the table") << "lstLocation" << int(Qt::Key_Tab) << none << "Kalnika";
  QTest::newRow("Tab leaves the table for Calculate") << "Kalnika" << int(Qt::Key_Tab) << none << "cmdCalculate";
  QTest::newRow("Shift+Tab leaves the table for the place box")
      << "Kalnika" << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "lstLocation";
  QTest::newRow("Ctrl+Tab leaves the table for Calculate")
      << "Kalnika" << int(Qt::Key_Tab) << int(Qt::ControlModifier) << "cmdCalculate";
  QTest::newRow("Ctrl+Shift+Tab leaves the table for the place box")
      << "Kalnika" << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier) << "lstLocation";
  QTest::newRow("Shift+Tab from Calculate comes back to the table")
      << "cmdCalculate" << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "Kalnika";
}

void MainWindowTest::tabTreatsTheTableAsOneStop() {
  QFETCH(QString, from);
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QString, to);
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  ui::MainWindow* window = session->Window();
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window));
  QWidget* start = window->findChild<QWidget*>(from);
  if (auto* box = qobject_cast<QComboBox*>(start)) start = box->lineEdit();
  start->setFocus(Qt::TabFocusReason);
  QTRY_VERIFY(start->hasFocus());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  QWidget* focus = QApplication::focusWidget();
  QVERIFY(focus != nullptr);
  // The place box's line edit stands for the box.
  const QString reached = qobject_cast<QLineEdit*>(focus) && focus->parentWidget()
                              ? (focus->parentWidget()->objectName() == QStringLiteral("lstLocation")
                                     ? QStringLiteral("lstLocation")
                                     : focus->objectName())
                              : focus->objectName();
  QCOMPARE(reached, to);
}

void MainWindowTest::arrowKeysMoveInsideTheTable() {
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  ui::MainWindow* window = session->Window();
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window));
  QTableWidget* grid = session->Grid();
  grid->setFocus(Qt::TabFocusReason);
  grid->setCurrentCell(1, 0);
  QTest::keyClick(grid, Qt::Key_Right);
  QTest::keyClick(grid, Qt::Key_Down);
  QCOMPARE(grid->currentRow(), 2);
  QCOMPARE(grid->currentColumn(), 1);
  QVERIFY(grid->hasFocus());
}

void MainWindowTest::keysStepTheMonthAndYear_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<int>("shownMonth");  // from December 2026
  QTest::addColumn<QString>("shownYear");
  QTest::newRow("Page Down: next month") << int(Qt::Key_PageDown) << int(Qt::NoModifier) << 0 << "2027";
  QTest::newRow("Page Up: previous month") << int(Qt::Key_PageUp) << int(Qt::NoModifier) << 10 << "2026";
  QTest::newRow("Ctrl+Page Down: next year") << int(Qt::Key_PageDown) << int(Qt::ControlModifier) << 11 << "2027";
  QTest::newRow("Ctrl+Page Up: previous year") << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << 11 << "2025";
}

void MainWindowTest::keysStepTheMonthAndYear() {
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(int, shownMonth);
  QFETCH(QString, shownYear);
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  ui::MainWindow* window = session->Window();
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window));
  session->Grid()->setFocus();  // the keys work wherever the focus is, the table too
  QTest::keyClick(session->Grid(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  QCOMPARE(session->Widget<QComboBox>("lstMonth")->currentIndex(), shownMonth);
  QCOMPARE(session->Widget<QLineEdit>("txtYear")->text(), shownYear);
  const auto reference =
      ComputeMonth(session->places.File(), kFifthDecember2026, shownMonth, shownYear.toStdString());
  const QString mismatch = GridMismatch(session->Grid(), reference->table());
  QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void MainWindowTest::altLettersReachTheControls_data() {
  QTest::addColumn<int>("letter");
  QTest::addColumn<QString>("reached");  // the control focused, or what the button did
  QTest::newRow("Alt+C calculates") << int(Qt::Key_C) << "calculated";
  QTest::newRow("Alt+D stores the default place") << int(Qt::Key_D) << "default stored";
  QTest::newRow("Alt+A opens the add-place dialog") << int(Qt::Key_A) << "add-place dialog";
  QTest::newRow("Alt+B opens the About box") << int(Qt::Key_B) << "About box";
  QTest::newRow("Alt+M goes to the month") << int(Qt::Key_M) << "lstMonth";
  QTest::newRow("Alt+Y goes to the year") << int(Qt::Key_Y) << "txtYear";
  QTest::newRow("Alt+L goes to the place") << int(Qt::Key_L) << "lstLocation";
  QTest::newRow("Alt+S goes to daylight saving") << int(Qt::Key_S) << "chkDST";
}

void MainWindowTest::altLettersReachTheControls() {
  QFETCH(int, letter);
  QFETCH(QString, reached);
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  ui::MainWindow* window = session->Window();
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window));
  session->Widget<QLineEdit>("txtYear")->setText(QStringLiteral("2025"));  // typed, not calculated
  session->Grid()->setFocus();
  QTest::keyClick(session->Grid(), Qt::Key(letter), Qt::AltModifier);
  SettleDeletes();
  // A button's letter clicks it as a user sees it: pressed, then released.
  if (reached == QStringLiteral("calculated")) {
    QTRY_COMPARE(session->Window()->Model().Shown()->values.year, 2025);
  } else if (reached == QStringLiteral("default stored")) {
    QTRY_COMPARE(session->messages.seen.size(), 1);
    QVERIFY(session->messages.seen.front().text.startsWith(QStringLiteral("Default set to Mumbai")));
  } else if (reached == QStringLiteral("add-place dialog")) {
    QTRY_VERIFY(session->program->addLocationDialog() != nullptr);
  } else if (reached == QStringLiteral("About box")) {
    QTRY_VERIFY(session->program->aboutBox() != nullptr);
    QVERIFY(session->program->aboutBox()->isVisible());
  } else {
    QWidget* control = window->findChild<QWidget*>(reached);
    QVERIFY(control->hasFocus() || control->isAncestorOf(QApplication::focusWidget()));
  }
}

void MainWindowTest::tooltipsNameTheKeysAndTheSearch() {
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  const QString calculate = session->Widget<QPushButton>("cmdCalculate")->toolTip();
  QVERIFY2(calculate.contains(QStringLiteral("Page Up")), qPrintable(calculate));
  const QString place = session->Widget<QComboBox>("lstLocation")->toolTip();
  // The design's own tooltip, and the search.
  QVERIFY2(place.startsWith(QStringLiteral("Scroll up/down and click on new Location.")), qPrintable(place));
  QVERIFY2(place.contains(QStringLiteral("type to search")), qPrintable(place));
}

void MainWindowTest::scriptChoiceIsShownAndRemembered_data() {
  QTest::addColumn<QString>("action");
  QTest::addColumn<QString>("script");  // the settings' "display/script" and "display/digits"
  QTest::addColumn<QString>("digits");
  QTest::addColumn<int>("column");      // a cell of row 1 (1 December 2026) and its text
  QTest::addColumn<QString>("cell");
  // The texts of each script: tests/almanac/display_text_test; row 1 holds the
  // day 1, Tuesday, अष्टमी (mumbai-2026-12.json).
  QTest::newRow("Devanagari with Western digits") << "actionWesternDigits" << "devanagari" << "western" << 1 << "1";
  QTest::newRow("Devanagari") << "actionDevanagariDigits" << "devanagari" << "devanagari" << 1
                              << QStringLiteral("\u0967");
  QTest::newRow("Latin: the weekday in English") << "actionLatin" << "latin" << "western" << 3 << "Tuesday";
  QTest::newRow("Latin with ISO 15919 marks") << "actionIso15919" << "iso15919" << "western" << 8
                                              << QStringLiteral("A\u1E63\u1E6Dam\u012B");
}

void MainWindowTest::scriptChoiceIsShownAndRemembered() {
  QFETCH(QString, action);
  QFETCH(QString, script);
  QFETCH(QString, digits);
  QFETCH(int, column);
  QFETCH(QString, cell);
  // Start from another choice, so that the action changes something.
  QSettings().setValue(QStringLiteral("display/script"),
                       script == QStringLiteral("latin") ? QStringLiteral("iso15919") : QStringLiteral("latin"));
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  session->Window()->findChild<QAction*>(action)->trigger();
  QCOMPARE(session->Grid()->item(1, column)->text(), cell);
  const DisplayForm form = session->Window()->Display().Form();
  const auto reference = ComputeMonth(session->places.File(), kFifthDecember2026);
  const QString mismatch = GridMismatch(session->Grid(), reference->table(), form);
  QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
  QCOMPARE(session->Widget<QLabel>("lblKaliYuga")->text(),
           QString::fromStdString(DisplayText(reference->form->lblKaliYuga.Caption, form)));
  QCOMPARE(QSettings().value(QStringLiteral("display/script")).toString(), script);
  QCOMPARE(QSettings().value(QStringLiteral("display/digits")).toString(), digits);

  // The next start shows the remembered script.
  session->program.reset();
  SettleDeletes();
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  QCOMPARE(session->Grid()->item(1, column)->text(), cell);
  QVERIFY(session->Window()->findChild<QAction*>(action)->isChecked());
}

void MainWindowTest::calculationChoiceIsAppliedAndRemembered_data() {
  QTest::addColumn<QString>("action");
  QTest::addColumn<QString>("key");       // the setting, and its value before and after
  QTest::addColumn<QString>("before");
  QTest::addColumn<QString>("after");
  QTest::addColumn<QString>("shown");     // the start of the method-and-clock line
  QTest::addColumn<bool>("boxEnabled");   // the daylight-saving box
  // Mumbai with its zone name Asia/Kolkata (+05:30 all year); how each setting
  // computes: tests/forms and tests/almanac.
  QTest::newRow("Precise method") << "actionPreciseMethod" << "calculation/method" << "classic" << "precise"
                                  << "Precise method" << false;
  QTest::newRow("Classic method") << "actionClassicMethod" << "calculation/method" << "precise" << "classic"
                                  << "Classic method" << false;
  QTest::newRow("Clock by the daylight-saving box")
      << "actionManualClock" << "calculation/clock" << "automatic" << "manual"
      << QStringLiteral("Classic method  \u00B7  Clock: by the daylight-saving box: UTC +05:30") << true;
  QTest::newRow("Automatic clock") << "actionAutomaticClock" << "calculation/clock" << "manual" << "automatic"
                                   << QStringLiteral("Classic method  \u00B7  Clock: Asia/Kolkata (automatic)")
                                   << false;
}

void MainWindowTest::calculationChoiceIsAppliedAndRemembered() {
  QFETCH(QString, action);
  QFETCH(QString, key);
  QFETCH(QString, before);
  QFETCH(QString, after);
  QFETCH(QString, shown);
  QFETCH(bool, boxEnabled);
  session->places.Append("[TIME ZONES]\r\n2=Asia/Kolkata\r\n");
  QSettings().setValue(key, before);
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  // Typed, not calculated: the choice computes the month shown again, December 2026.
  session->Widget<QLineEdit>("txtYear")->setText(QStringLiteral("1999"));
  session->Window()->findChild<QAction*>(action)->trigger();
  const frmKalnika& model = session->Window()->Model();
  QVERIFY(model.Shown().has_value());
  QCOMPARE(model.Shown()->values.year, 2026);
  QCOMPARE(session->Widget<QLineEdit>("txtYear")->text(), QStringLiteral("1999"));
  const QString mismatch = GridMismatch(session->Grid(), model.Table());
  QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
  const QString line = session->Window()->findChild<QLabel*>(QStringLiteral("lblComputedWith"))->text();
  QVERIFY2(line.startsWith(shown), qPrintable(line));
  QCOMPARE(session->Widget<QCheckBox>("chkDST")->isEnabled(), boxEnabled);
  QCOMPARE(QSettings().value(key).toString(), after);

  // The next start computes with the remembered choice.
  session->program.reset();
  SettleDeletes();
  session->program = StartProgram(session->places.File(), kFifthDecember2026);
  QVERIFY(session->Window()->findChild<QAction*>(action)->isChecked());
  QVERIFY(session->Window()->findChild<QLabel*>(QStringLiteral("lblComputedWith"))->text().startsWith(shown));
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
  QCoreApplication::processEvents();  // the window has opened and found its place
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
