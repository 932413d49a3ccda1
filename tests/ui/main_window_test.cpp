// The main window driven through its widgets: that it passes the right inputs to
// its model, shows what the model wrote, converted to Unicode, and follows the
// model's state. What the model computes: tests/forms and the sample tables of
// tests/cli/golden_test.
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
#include <QFile>
#include <QTextDocument>

#include "almanac/name_tables.h"
#include "ui/about_box.h"
#include "ui/wall_calendar_view.h"
#include "ui/place_box.h"
#include "ui/twips.h"
#include "ui_test_support.h"

namespace kalnika::ui_test {

// The main window: its widgets show the model after start-up, every handler is
// bound to its control, its message boxes, its menus and the grid's layout. The
// handlers' own rules are tested headless in tests/forms.
class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    BeginSession();  // Devanagari digits, as on a first start
    session->Start();
  }
  void cleanup() { EndSession(); }

  void startUpShowsTheModel() {
    ui::MainWindow* window = session->Window();
    QVERIFY(window != nullptr);
    QCOMPARE(window->objectName(), QStringLiteral("frmKalnika"));
    QCOMPARE(window->windowTitle(), QStringLiteral(" Kalnika Ver. 1.0 by the Kalnika developers"));

    // The widgets show the model after its start-up on 5 December 2026: December,
    // 2026, Mumbai (the sample file's default), daylight saving unticked.
    const frmKalnika& model = window->Model();
    auto* month = session->Widget<QComboBox>("lstMonth");
    QCOMPARE(month->count(), 12);
    QCOMPARE(month->currentText(), QString::fromStdString(MonthListNames[11]));
    QCOMPARE(session->Widget<QLineEdit>("txtYear")->text(), QStringLiteral("2026"));
    auto* place = session->Widget<QComboBox>("lstLocation");
    QCOMPARE(place->count(), 6);
    QCOMPARE(place->currentIndex(), 2);
    QVERIFY(!session->Widget<QCheckBox>("chkDST")->isChecked());
    QCOMPARE(session->Widget<QLabel>("lblLat")->text(), QStringLiteral("18 N 58 "));  // Mumbai's record
    QCOMPARE(session->Widget<QLabel>("lblKaliYuga")->text(), Unicode(model.lblKaliYuga.Caption));
    QCOMPARE(session->Widget<QLabel>("lblVikram")->text(), Unicode(model.lblVikram.Caption));

    QTableWidget* grid = session->Grid();
    QVERIFY(grid->isVisible());
    QCOMPARE(grid->rowCount(), 32);
    QCOMPARE(grid->columnCount(), 17);
    QCOMPARE(GridMismatch(grid, model.Table(), DisplayForm(Script::Unicode, xdvng::Digits::Devanagari)), QString());
    // The headings: row 0 of the table, bold, shown in the fixed strip.
    QVERIFY(grid->item(0, 8)->font().bold());
    QVERIFY(session->Window()->findChild<QTableView*>(QStringLiteral("KalnikaHeadings"))->isVisible());
    QVERIFY(session->messages.seen.isEmpty());
  }

  void handlersAreBoundToTheirControls_data() {
    QTest::addColumn<QString>("control");  // a button, "Return in" a box, or a key in the table
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
    QTest::newRow("Return in txtYear: March 2026 at London")
        << "Return in txtYear" << 2 << "2026" << 1 << false << 2 << "2026";
    QTest::newRow("Return in lstLocation: February 2024 at Sydney")
        << "Return in lstLocation" << 1 << "2024" << 4 << false << 1 << "2024";
    QTest::newRow("cmdNextMonth: December 2026 to January 2027")
        << "cmdNextMonth" << 11 << "2026" << 2 << false << 0 << "2027";
    QTest::newRow("cmdPreviousMonth: January 2027 to December 2026")
        << "cmdPreviousMonth" << 0 << "2027" << 2 << false << 11 << "2026";
    QTest::newRow("cmdNextYear: March 2026 to March 2027") << "cmdNextYear" << 2 << "2026" << 4 << false << 2 << "2027";
    QTest::newRow("cmdPreviousYear: March 2026 to March 2025")
        << "cmdPreviousYear" << 2 << "2026" << 0 << false << 2 << "2025";
    // The keys work wherever the focus is, in the table too.
    QTest::newRow("Page Down: next month") << "PgDown" << 11 << "2026" << 2 << false << 0 << "2027";
    QTest::newRow("Page Up: previous month") << "PgUp" << 11 << "2026" << 2 << false << 10 << "2026";
    QTest::newRow("Ctrl+Page Down: next year") << "Ctrl+PgDown" << 11 << "2026" << 2 << false << 11 << "2027";
    QTest::newRow("Ctrl+Page Up: previous year") << "Ctrl+PgUp" << 11 << "2026" << 2 << false << 11 << "2025";
  }

  void handlersAreBoundToTheirControls() {
    QFETCH(QString, control);
    QFETCH(int, monthIndex);
    QFETCH(QString, year);
    QFETCH(int, place);
    QFETCH(bool, dst);
    QFETCH(int, shownMonth);
    QFETCH(QString, shownYear);
    session->Enter(monthIndex, year, place);
    session->Widget<QCheckBox>("chkDST")->setChecked(dst);
    if (control.startsWith(QStringLiteral("Return in "))) {
      QWidget* box = session->Widget<QWidget>(qPrintable(control.mid(10)));
      if (auto* list = qobject_cast<QComboBox*>(box)) box = list->lineEdit();
      QTest::keyClick(box, Qt::Key_Return);
    } else if (control.startsWith(QStringLiteral("cmd"))) {
      if (control != QStringLiteral("cmdCalculate")) session->Click("cmdCalculate");  // steps from a calculated month
      session->Click(qPrintable(control));
    } else {
      QVERIFY(Activate(session->Window()));
      session->Grid()->setFocus();
      const QKeyCombination key = QKeySequence(control)[0];
      QTest::keyClick(session->Grid(), key.key(), key.keyboardModifiers());
    }

    QCOMPARE(session->Widget<QComboBox>("lstMonth")->currentIndex(), shownMonth);
    QCOMPARE(session->Widget<QLineEdit>("txtYear")->text(), shownYear);
    // The model computed what the boxes say, and the grid shows it.
    const frmKalnika& model = session->Window()->Model();
    QVERIFY(model.Shown().has_value());
    QCOMPARE(model.Shown()->values.month, shownMonth + 1);
    QCOMPARE(model.Shown()->values.year, shownYear.toInt());
    QCOMPARE(model.Shown()->place.name, model.lstLocation.items[static_cast<std::size_t>(place)]);
    QCOMPARE(model.Shown()->daylightSaving, dst);
    QCOMPARE(GridMismatch(session->Grid(), model.Table(), DisplayForm(Script::Unicode, xdvng::Digits::Devanagari)), QString());
    QVERIFY(session->messages.seen.isEmpty());
  }

  void typedPlaceTextReachesTheModel() {
    auto* places = session->Widget<QComboBox>("lstLocation");
    places->setEditText(QStringLiteral("tromso"));  // which entry a text names: tests/forms/place_search_test
    session->Click("cmdCalculate");
    QCOMPARE(session->Window()->Model().lstLocation.ListIndex, 5);
    QCOMPARE(places->currentIndex(), 5);
    QCOMPARE(places->currentText(), QStringLiteral("Tromso, Troms, Norway"));  // the name, not the record
    QCOMPARE(session->Window()->Model().Shown()->place.name.substr(0, 6), "Tromso");
  }

  void refusedInputIsShownInAModalBox() {
    session->Enter(4, QStringLiteral("78"));
    session->Click("cmdCalculate");

    QCOMPARE(session->messages.seen.size(), 1);
    const SeenMessage& seen = session->messages.seen.front();
    QCOMPARE(seen.text, QString::fromLatin1(kMinYearMessage));
    QCOMPARE(seen.title, QStringLiteral("Kalnika"));
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(seen.modal);
    // The model hides the grid and clears the Kali caption of a refused run (its
    // tests: tests/forms); the window shows no month at all then, so that what is
    // shown and what the File menu writes agree (export_test).
    QVERIFY(!session->Widget<QWidget>("KalnikaFrame")->isVisible());
    QVERIFY(session->Widget<QLabel>("lblKaliYuga")->text().isEmpty());
    QVERIFY(!session->Widget<QLabel>("lblVikram")->isVisible());
    // The next accepted run shows the month again.
    session->Enter(4, QStringLiteral("2026"));
    session->Click("cmdCalculate");
    QVERIFY(session->Grid()->isVisible());
    QVERIFY(session->Widget<QLabel>("lblVikram")->isVisible());
    QVERIFY(!session->Widget<QLabel>("lblVikram")->text().isEmpty());
    QCOMPARE(session->messages.seen.size(), 1);
  }

  void placeChosenFromTheSearchShowsItsNameAndLabels() {
    ui::MainWindow* window = session->Window();
    QVERIFY(Activate(window));
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
  }

  void placeChosenFromTheListShowsItsLabels() {
    auto* places = session->Widget<QComboBox>("lstLocation");
    places->setCurrentIndex(4);
    emit places->activated(4);  // as a click on Sydney in the list does
    // Sydney's record "33 S 52  151 E 12  +10:00"; that the table waits for a
    // calculation: tests/forms.
    QCOMPARE(session->Widget<QLabel>("lblLat")->text(), QStringLiteral("33 S 52 "));
  }

  void defaultPlaceRefusedForAnEmptyBoxIsShown() {
    // The stored default and its refusals: tests/forms; the button's binding with
    // its message: altLettersReachTheControls (Alt+D).
    const QByteArray before = session->places.Bytes();
    session->Widget<QComboBox>("lstLocation")->setEditText(QString());
    session->Click("cmdDefaultLocation");
    QCOMPARE(session->messages.Texts(), QStringList{QString::fromLatin1(kNoDefaultPlaceMessage)});
    QCOMPARE(session->messages.seen.front().title, QStringLiteral("Kalnika"));
    QCOMPARE(session->places.Bytes(), before);
  }

  void tabTreatsTheTableAsOneStop_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("to");
    const int none = Qt::NoModifier;
    QTest::newRow("Tab from the place box enters the table") << "lstLocation" << int(Qt::Key_Tab) << none << "Kalnika";
    QTest::newRow("Tab leaves the table for the first control below it")
        << "Kalnika" << int(Qt::Key_Tab) << none << "cmdAddLocation";
    QTest::newRow("Shift+Tab leaves the table for the place box")
        << "Kalnika" << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "lstLocation";
    QTest::newRow("Ctrl+Tab leaves the table for the first control below it")
        << "Kalnika" << int(Qt::Key_Tab) << int(Qt::ControlModifier) << "cmdAddLocation";
    QTest::newRow("Ctrl+Shift+Tab leaves the table for the place box")
        << "Kalnika" << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier) << "lstLocation";
    QTest::newRow("Shift+Tab from the first control below comes back to the table")
        << "cmdAddLocation" << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "Kalnika";
  }

  void tabTreatsTheTableAsOneStop() {
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, to);
    ui::MainWindow* window = session->Window();
    QVERIFY(Activate(window));
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

  void arrowKeysMoveInsideTheTable() {
    ui::MainWindow* window = session->Window();
    QVERIFY(Activate(window));
    QTableWidget* grid = session->Grid();
    grid->setFocus(Qt::TabFocusReason);
    grid->setCurrentCell(1, 0);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(grid->currentRow(), 2);
    QCOMPARE(grid->currentColumn(), 1);
    QVERIFY(grid->hasFocus());
  }

  void altLettersReachTheControls_data() {
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

  void altLettersReachTheControls() {
    QFETCH(int, letter);
    QFETCH(QString, reached);
    ui::MainWindow* window = session->Window();
    QVERIFY(Activate(window));
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

  void tooltipsNameTheKeysAndTheSearch() {
    const QString calculate = session->Widget<QPushButton>("cmdCalculate")->toolTip();
    QVERIFY2(calculate.contains(QStringLiteral("Page Up")), qPrintable(calculate));
    const QString place = session->Widget<QComboBox>("lstLocation")->toolTip();
    // The design's own tooltip, and the search.
    QVERIFY2(place.startsWith(QStringLiteral("Scroll up/down and click on new Location.")), qPrintable(place));
    QVERIFY2(place.contains(QStringLiteral("type to search")), qPrintable(place));
  }

  // The place file's texts are shown as they are, never as Qt's rich text: a place
  // named with <b> and <img> (which loaded a local image in the place box's
  // tooltip), and the place labels, which take the record's columns.
  void storedTextIsShownAsPlainText() {
    const QByteArray name = "<b>B</b><img src=x.png>, XY";
    QFile file(QString::fromStdString(session->places.File().string()));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[LOCATION]\r\n0=\"" + name + QByteArray(31 - name.size(), ' ') + "18 N 58  072 E 50  +05:30\"\r\n");
    file.close();
    session->Start();
    auto* place = session->Widget<QComboBox>("lstLocation");
    QCOMPARE(place->itemText(0), QString::fromLatin1(name));
    const QString tip = place->itemData(0, Qt::ToolTipRole).toString();
    QVERIFY2(!tip.contains(QStringLiteral("<img")) && !tip.contains(QStringLiteral("<b>")), qPrintable(tip));
    QTextDocument shown;
    shown.setHtml(tip);
    QCOMPARE(shown.toPlainText(), QString::fromLatin1(name + " (18 N 58, 072 E 50, UTC +05:30)"));
    for (const char* label : {"lblLat", "lblLong", "lblTimeZone", "lblKaliYuga", "lblVikram"})
      QVERIFY2(session->Widget<QLabel>(label)->textFormat() == Qt::PlainText, label);
  }

  void menuChoiceIsAppliedAndRemembered_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("key");     // the setting, and its value before and after
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("column");      // the cell of row 1 that shows the choice (-1: the method-and-clock line)
    QTest::addColumn<QString>("shown");   // the start of its text
    // Row 1 holds 1 December 2026, a Tuesday, the tithi अष्टमी (mumbai-2026-12.json),
    // each script's texts: tests/almanac/display_text_test. Mumbai's zone name is
    // Asia/Kolkata (+05:30 all year); how each calculation setting computes:
    // tests/forms and tests/almanac.
    QTest::newRow("Devanagari with Western digits")
        << "actionWesternDigits" << "display/digits" << "devanagari" << "western" << 1 << "1";
    QTest::newRow("Devanagari") << "actionDevanagariDigits" << "display/digits" << "western" << "devanagari" << 1
                                << QStringLiteral("\u0967");
    QTest::newRow("Latin: the weekday in English")
        << "actionLatin" << "display/script" << "devanagari" << "latin" << 3 << "Tuesday";
    QTest::newRow("Latin with ISO 15919 marks") << "actionIso15919" << "display/script" << "latin" << "iso15919" << 8
                                                << QStringLiteral("A\u1E63\u1E6Dam\u012B");
    QTest::newRow("Precise method") << "actionPreciseMethod" << "calculation/method" << "classic" << "precise" << -1
                                    << "Precise method";
    QTest::newRow("Classic method") << "actionClassicMethod" << "calculation/method" << "precise" << "classic" << -1
                                    << "Classic method";
    QTest::newRow("Clock by the daylight-saving box")
        << "actionManualClock" << "calculation/clock" << "automatic" << "manual" << -1
        << QStringLiteral("Precise method  \u00B7  Clock: by the daylight-saving box: UTC +05:30");
    QTest::newRow("Automatic clock") << "actionAutomaticClock" << "calculation/clock" << "manual" << "automatic" << -1
                                     << QStringLiteral("Precise method  \u00B7  Clock: Asia/Kolkata (automatic)");
  }

  // A new user's window, and settings that name no method, start on the precise
  // method; a chosen classic method is remembered.
  void methodWithoutAStoredOneIsThePreciseOne_data() {
    QTest::addColumn<QString>("stored");  // calculation/method; null: none
    QTest::addColumn<QString>("checked");
    QTest::newRow("first start") << QString() << "actionPreciseMethod";
    QTest::newRow("settings that name no method") << QStringLiteral("") << "actionPreciseMethod";
    QTest::newRow("classic chosen before") << QStringLiteral("classic") << "actionClassicMethod";
  }

  void methodWithoutAStoredOneIsThePreciseOne() {
    QFETCH(QString, stored);
    QFETCH(QString, checked);
    QSettings().setValue(QStringLiteral("display/script"), QStringLiteral("latin"));
    if (!stored.isNull()) QSettings().setValue(QStringLiteral("calculation/method"), stored);
    session->Start();
    QVERIFY(session->Action(qPrintable(checked))->isChecked());
    QCOMPARE(session->Window()->Model().Shown()->values.method,
             checked == QStringLiteral("actionPreciseMethod") ? Method::Precise : Method::Classic);
  }

  // The day's tooltips, of the table's notes cell and of the wall calendar's square,
  // name the rule that chose a festival's day: Datta Jayanti (Margashirsha purnima,
  // key 0815 of the sample file) by the dusk rule, "पौर्णिमा प्रदोषव्यापिनी", on one
  // day of December 2026 (which day: tests/elements).
  void festivalTooltipsNameTheRuleThatChoseTheDay() {
    session->places.Append("[OBSERVANCE]\r\n0815=pradosha\r\n");
    session->Start();
    const QString note = Unicode("d\xB6: j:y:\xF6t:i");                                 // दत्त जयंती
    const QString withRule = note + QStringLiteral(" \u2013 ") + Unicode(TithiNames[15] + " )d:\xF0\\:vy:aep:n:i");
    QStringList table, wall;
    for (int row = 1; row < kTableRows; ++row)
      if (session->Grid()->item(row, 16)->toolTip().contains(note)) table << session->Grid()->item(row, 16)->toolTip();
    session->Action("actionWallCalendar")->trigger();
    const std::optional<ui::WallPageTexts>& page = session->Window()->WallView().Page();
    QVERIFY(page.has_value());
    for (const auto& week : page->weeks)
      for (const auto& square : week)
        if (square && square->toolTip.contains(note)) wall << square->toolTip;
    QCOMPARE(table.size(), 1);  // on its one day, the festival on a line of its own with its rule
    QVERIFY2(table[0].split(QLatin1Char('\n')).contains(withRule), qPrintable(table[0]));
    QCOMPARE(wall.size(), 1);
    QVERIFY2(wall[0].split(QLatin1Char('\n')).contains(withRule), qPrintable(wall[0]));
  }

  void menuChoiceIsAppliedAndRemembered() {
    QFETCH(QString, action);
    QFETCH(QString, key);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, column);
    QFETCH(QString, shown);
    session->places.Append("[TIME ZONES]\r\n2=Asia/Kolkata\r\n");
    QSettings().setValue(key, before);
    session->Start();
    const auto text = [column] {
      return column >= 0 ? session->Grid()->item(1, column)->text()
                         : session->Widget<QLabel>("lblComputedWith")->text();
    };
    QVERIFY2(!text().startsWith(shown), qPrintable(text()));  // the choice changes what is shown
    // Typed, not calculated: the choice shows the month shown again, December 2026.
    session->Widget<QLineEdit>("txtYear")->setText(QStringLiteral("1999"));
    session->Widget<QAction>(qPrintable(action))->trigger();
    QVERIFY2(text().startsWith(shown), qPrintable(text()));
    QCOMPARE(session->Window()->Model().Shown()->values.year, 2026);
    QCOMPARE(session->Widget<QLineEdit>("txtYear")->text(), QStringLiteral("1999"));
    // The daylight-saving box counts only for the clock set by hand.
    QCOMPARE(session->Widget<QCheckBox>("chkDST")->isEnabled(), action == QStringLiteral("actionManualClock"));
    QCOMPARE(QSettings().value(key).toString(), after);

    // The next start shows the remembered choice.
    session->Start();
    QVERIFY(session->Widget<QAction>(qPrintable(action))->isChecked());
    QVERIFY2(text().startsWith(shown), qPrintable(text()));
  }

  void gridIsLaidOutForItsTexts() {
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

  void twipsBecomePixelsOfTheScreen_data() {
    QTest::addColumn<int>("twips");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("pixels");
    // 1440 twips to the inch: pixels = twips * dpi / 1440, rounded to the nearest.
    QTest::newRow("the same at 144 dpi, 23.3 px") << 233 << 144.0 << 23;
    QTest::newRow("7 twips at 96 dpi, 0.47 px, round to 0") << 7 << 96.0 << 0;
    QTest::newRow("8 twips at 96 dpi, 0.53 px, round to 1") << 8 << 96.0 << 1;
  }

  void twipsBecomePixelsOfTheScreen() {
    QFETCH(int, twips);
    QFETCH(double, dpi);
    QFETCH(int, pixels);
    QCOMPARE(ui::TwipsToPixels(twips, dpi), pixels);
  }
};

const bool registered = RegisterTest<MainWindowTest>();

}  // namespace kalnika::ui_test

#include "main_window_test.moc"
