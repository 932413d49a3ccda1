// The add-place dialog through its widgets. Expected records are written out by
// hand from the place record's column layout (description padded to 31
// characters, "DD H MM  DDD H MM  +HH:MM").
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "ui/add_location_dialog.h"
#include "ui_test_support.h"

namespace kalnika::ui_test {

namespace {

// The dialog's entries in tab order: three texts, then eight lists.
const QStringList kEntries{"txtCity",        "txtState",   "txtCountry", "lstLatDegrees", "lstLatMin", "lstNS",
                           "lstLongDegrees", "lstLongMin", "lstEW",      "lstHour",       "lstMinutes"};

// Types and chooses the values of kEntries; an empty list text chooses nothing.
void Fill(ui::AddLocationDialog* dialog, const QStringList& values) {
  for (qsizetype i = 0; i < values.size(); ++i) {
    if (auto* box = dialog->findChild<QComboBox*>(kEntries[i]))
      box->setCurrentIndex(values[i].isEmpty() ? -1 : box->findText(values[i]));
    else
      dialog->findChild<QLineEdit*>(kEntries[i])->setText(values[i]);
  }
}

// Pune, 18 N 31  073 E 51  +05:30.
const QStringList kPune{"Pune", "Maharashtra", "India", "18", "31", "N", "73", "51", "E", "5", "30"};
// Mumbai as the sample place file lists it, 18 N 58  072 E 50.
const QStringList kMumbai{"Mumbai", "MH", "India", "18", "58", "N", "72", "50", "E", "5", "30"};

ui::AddLocationDialog* OpenDialog() {
  session->Click("cmdAddLocation");
  return session->program->addLocationDialog();
}

}  // namespace

// The add-place dialog: a child of the main window, which keeps its month and
// selects the place stored; Cancel; a place listed already; its layout, tab order
// and the description's length shown as the user types; the town finder.
class AddLocationTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    BeginSession();
    session->Start();
  }
  void cleanup() { EndSession(); }

  void dialogIsAChildOfTheMainWindow() {
    QPointer<ui::MainWindow> before = session->Window();
    ui::AddLocationDialog* dialog = OpenDialog();
    SettleDeletes();
    QVERIFY(dialog != nullptr);
    QVERIFY(dialog->isVisible());
    // The main window stays, the dialog its child.
    QVERIFY(!before.isNull());
    QVERIFY(before->isVisible());
    QCOMPARE(dialog->parentWidget(), before.data());
    QCOMPARE(dialog->objectName(), QStringLiteral("frmAddLocation"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Adding New Locations to INI File"));
    QVERIFY(!dialog->isModal());
    // The widgets show the model's lists (their ranges: tests/forms), nothing chosen.
    for (const auto& [name, list] : {std::pair{"lstLatDegrees", &dialog->Model().lstLatDegrees},
                                     std::pair{"lstLatMin", &dialog->Model().lstLatMin},
                                     std::pair{"lstNS", &dialog->Model().lstNS},
                                     std::pair{"lstLongDegrees", &dialog->Model().lstLongDegrees},
                                     std::pair{"lstEW", &dialog->Model().lstEW},
                                     std::pair{"lstLongMin", &dialog->Model().lstLongMin},
                                     std::pair{"lstHour", &dialog->Model().lstHour},
                                     std::pair{"lstMinutes", &dialog->Model().lstMinutes}}) {
      auto* box = dialog->findChild<QComboBox*>(QString::fromLatin1(name));
      QVERIFY2(box != nullptr, name);
      QCOMPARE(box->count(), static_cast<int>(list->items.size()));
      QCOMPARE(box->itemText(box->count() - 1), QString::fromStdString(list->items.back()));
      QCOMPARE(box->currentIndex(), -1);
      QVERIFY2(!box->placeholderText().isEmpty(), name);  // a caption while nothing is chosen
    }
    // The first focus is on the town finder's search, not on OK (which would end the
    // dialog at once).
    QCOMPARE(dialog->focusWidget(), dialog->findChild<QLineEdit*>(QStringLiteral("txtFind")));
  }

  // What each way out of the dialog leaves in the main window, which shows London
  // in June 2026 before: the month and year stay; the place added, or the one listed
  // already and chosen, is selected and calculated; otherwise nothing changes.
  void theWindowKeepsItsMonthAndSelectsThePlaceAdded_data() {
    QTest::addColumn<QString>("how");           // "ok", "cancel", "close" or "escape"
    QTest::addColumn<QStringList>("entries");   // as Fill takes them
    QTest::addColumn<bool>("yes");              // the answer to the question of a place listed already
    QTest::addColumn<QString>("message");       // start of the message shown (null: none)
    QTest::addColumn<int>("places");            // entries of the place box after
    QTest::addColumn<QString>("shown");         // the place shown after
    const QString none;
    const QString london = QStringLiteral("London, England, UK");
    QTest::newRow("OK stores the place, selects and calculates it") << "ok" << kPune << false << none << 7
                                                                    << QStringLiteral("Pune, Maharashtra, India");
    QTest::newRow("Cancel with entries made changes nothing") << "cancel" << kPune << false << none << 6 << london;
    QTest::newRow("the close control changes nothing") << "close" << kPune << false << none << 6 << london;
    QTest::newRow("Escape changes nothing") << "escape" << kPune << false << none << 6 << london;
    QTest::newRow("OK with nothing entered changes nothing") << "ok" << QStringList() << false << none << 6 << london;
    // Mumbai is listed at 18 N 58 072 E 50 (the sample place file).
    QTest::newRow("a place listed already, Yes: selected, not stored twice")
        << "ok" << kMumbai << true << "Mumbai, Maharashtra, India is in the list already" << 6
        << QStringLiteral("Mumbai, Maharashtra, India");
    // A refused OK shows the model's message in a box and keeps the entries (which
    // refusals there are: tests/forms and tests/places).
    QTest::newRow("OK with entries missing names the first one and stays open")
        << "ok" << QStringList{"Pune", "", "", "18"} << false << "Please enter the missing entry: Latitude minutes" << 6
        << london;
    QTest::newRow("a place listed already, No: back to the entries")
        << "ok" << kMumbai << false << "Mumbai, Maharashtra, India is in the list already" << 6 << london;
  }

  void theWindowKeepsItsMonthAndSelectsThePlaceAdded() {
    QFETCH(QString, how);
    QFETCH(QStringList, entries);
    QFETCH(bool, yes);
    QFETCH(QString, message);
    QFETCH(int, places);
    QFETCH(QString, shown);
    QPointer<ui::MainWindow> window = session->Window();
    session->Enter(5, QStringLiteral("2026"), 1);  // June 2026 at London
    session->Click("cmdCalculate");
    const QByteArray placesBefore = session->places.Bytes();
    session->messages.answerYes = yes;
    ui::AddLocationDialog* dialog = OpenDialog();
    Fill(dialog, entries);
    QPointer<ui::AddLocationDialog> open = dialog;
    if (how == QStringLiteral("ok"))
      dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    else if (how == QStringLiteral("cancel"))
      dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    else if (how == QStringLiteral("close"))
      dialog->close();
    else
      QTest::keyClick(dialog, Qt::Key_Escape);
    SettleDeletes();

    QCOMPARE(session->Window(), window.data());  // the same window throughout
    QVERIFY(window->isVisible());
    if (message.isNull()) {
      QVERIFY2(session->messages.seen.isEmpty(), qPrintable(session->messages.Texts().join(QLatin1Char('|'))));
    } else {
      QCOMPARE(session->messages.seen.size(), 1);
      QVERIFY2(session->messages.seen.front().text.startsWith(message), qPrintable(session->messages.seen.front().text));
      QCOMPARE(session->messages.seen.front().title, QStringLiteral("Kalnika"));
    }
    const bool stays = how == QStringLiteral("ok") && (shown == QStringLiteral("London, England, UK")) && !entries.isEmpty();
    QCOMPARE(!open.isNull() && open->isVisible(), stays);
    if (stays) {  // the entries as typed and chosen
      QCOMPARE(open->findChild<QLineEdit*>(QStringLiteral("txtCity"))->text(), entries.front());
    }
    if (places == 6) QCOMPARE(session->places.Bytes(), placesBefore);  // nothing stored
    auto* box = session->Widget<QComboBox>("lstLocation");
    QCOMPARE(box->count(), places);
    QCOMPARE(box->currentText(), shown);
    // The table, the labels and the wall calendar: June 2026 at the place shown.
    const frmKalnika& model = window->Model();
    QVERIFY(model.Shown().has_value());
    QCOMPARE(model.Shown()->values.month, 6);
    QCOMPARE(model.Shown()->values.year, 2026);
    QCOMPARE(QString::fromStdString(model.Shown()->place.name), shown);
    QCOMPARE(session->Widget<QLabel>("lblLat")->text(), QString::fromStdString(model.Shown()->place.latCaption));
    QCOMPARE(window->WallView().Page()->placeName, shown);
    QCOMPARE(session->Widget<QComboBox>("lstMonth")->currentIndex(), 5);
  }

  void addingCancellingAndAddingAgainKeepsTheMonth() {
    ui::MainWindow* window = session->Window();
    session->Enter(5, QStringLiteral("2026"), 1);  // June 2026 at London
    session->Click("cmdCalculate");
    const auto add = [](const QStringList& entries, const char* button) {
      ui::AddLocationDialog* dialog = OpenDialog();
      Fill(dialog, entries);
      dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
      SettleDeletes();
    };
    add(kPune, "cmdOK");
    add(kPune, "cmdCancel");
    session->messages.answerYes = true;
    add(kPune, "cmdOK");  // Pune again: listed already, selected
    QCOMPARE(session->messages.seen.size(), 1);
    QCOMPARE(session->Widget<QComboBox>("lstLocation")->count(), 7);
    QCOMPARE(session->Widget<QComboBox>("lstLocation")->currentIndex(), 6);
    QCOMPARE(session->places.Bytes().count("Pune, Maharashtra, India"), 1);
    QCOMPARE(window->Model().Shown()->values.month, 6);
    QCOMPARE(window->Model().Shown()->values.year, 2026);
  }

  void descriptionRefusesWhatTheRecordCannotHold_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("pasted");  // put in as one text (a paste), else typed key by key
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    // The record is stored between double quotes on one line of the file: a quote or
    // a line break in the description would end the record early.
    QTest::newRow("a double quote typed in the city") << "txtCity" << false << "Pu\"ne" << "Pune";
    QTest::newRow("a pasted text with a line break is refused whole")
        << "txtCity" << true << "Pune\nIndia" << "";
    QTest::newRow("letters beyond ASCII stay") << "txtCountry" << true << QStringLiteral("S\u00E3o Tom\u00E9")
                                              << QStringLiteral("S\u00E3o Tom\u00E9");
  }

  void descriptionRefusesWhatTheRecordCannotHold() {
    QFETCH(QString, box);
    QFETCH(bool, pasted);
    QFETCH(QString, text);
    QFETCH(QString, kept);
    ui::AddLocationDialog* dialog = OpenDialog();
    auto* edit = dialog->findChild<QLineEdit*>(box);
    if (pasted)
      edit->insert(text);
    else
      QTest::keyClicks(edit, text);
    QCOMPARE(edit->text(), kept);
  }

  void descriptionLengthIsShownAsTheUserTypes() {
    // The count is the model's (tests/forms, both sides of the limit); the label
    // shows it against 30: "Abcdefghijklmnopqrst, Maha, Ind" is 31 characters.
    ui::AddLocationDialog* dialog = OpenDialog();
    QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("txtCity")), QStringLiteral("Abcdefghijklmnopqrst"));
    QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("txtState")), QStringLiteral("Maha"));
    QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("txtCountry")), QStringLiteral("Ind"));
    const QString label = dialog->findChild<QLabel*>(QStringLiteral("lblDescriptionLength"))->text();
    QVERIFY2(label.startsWith(QStringLiteral("31 of 30")), qPrintable(label));
  }

  void tabFollowsTheEntriesAsTheyStand() {
    ui::AddLocationDialog* dialog = OpenDialog();
    QVERIFY(Activate(dialog));
    // The town finder's search first, then row by row as they stand, each coordinate
    // as written (degrees, minutes, hemisphere), then OK and Cancel, and round.
    const QStringList order = {"txtFind",    "txtCity",   "txtState",  "txtCountry", "lstLatDegrees",
                               "lstLatMin",  "lstNS",     "lstLongDegrees", "lstLongMin", "lstEW",
                               "lstHour",    "lstMinutes", "cmdOK",   "cmdCancel",  "txtFind"};
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), order.front());
    for (qsizetype i = 1; i < order.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    }
    // On screen each row reads left to right in the same order.
    const auto x = [dialog](const char* name) { return dialog->findChild<QWidget*>(QString::fromLatin1(name))->x(); };
    QVERIFY(x("lstLatDegrees") < x("lstLatMin") && x("lstLatMin") < x("lstNS"));
    QVERIFY(x("lstLongDegrees") < x("lstLongMin") && x("lstLongMin") < x("lstEW"));
    QVERIFY(x("lstHour") < x("lstMinutes"));
  }

  void townChosenFillsTheEntries_data() {
    QTest::addColumn<QString>("how");  // in the popup: a town highlighted or none; or the search alone
    QTest::newRow("Return on the town highlighted in the popup takes it") << "highlighted";
    QTest::newRow("Return in the popup with none highlighted takes the best") << "none highlighted";
    QTest::newRow("Return in the search takes the best town, not OK") << "search";
  }

  void townChosenFillsTheEntries() {
    QFETCH(QString, how);
    ui::AddLocationDialog* dialog = OpenDialog();
    QVERIFY(Activate(dialog));
    auto* search = dialog->findChild<QLineEdit*>(QStringLiteral("txtFind"));
    QTRY_VERIFY(search->hasFocus());
    // The finder's own tests (tests/forms, tests/places) hold its matches, the entries
    // a town fills and the zone name stored with it.
    QTest::keyClicks(search, QStringLiteral("Pune"));
    QAbstractItemView* popup = dialog->Finder()->popup();
    QTRY_VERIFY(popup->isVisible());
    QCOMPARE(popup->model()->index(0, 0).data().toString(), QStringLiteral("Pune, Maharashtra, India (Asia/Kolkata)"));
    if (how == QStringLiteral("highlighted")) {
      QTest::keyClick(popup, Qt::Key_Down);
      QTest::keyClick(popup, Qt::Key_Return);
    } else if (how == QStringLiteral("none highlighted")) {
      QTest::keyClick(popup, Qt::Key_Return);
    } else {
      QTest::keyClick(popup, Qt::Key_Escape);
      QTRY_VERIFY(!popup->isVisible());
      QTest::keyClick(search, Qt::Key_Return);
      QVERIFY(dialog->isVisible());
    }
    QTRY_COMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("txtCity"))->text(), QStringLiteral("Pune"));
    QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("lstLongMin"))->currentText(), QStringLiteral("51"));
    const QString note = dialog->findChild<QLabel*>(QStringLiteral("lblFinder"))->text();
    QVERIFY2(note.contains(QStringLiteral("Asia/Kolkata")), qPrintable(note));
  }

  void withoutTheTownFileTheDialogNamesThePackage() {
    session->Start(HelpDocument(), session->places.File().parent_path() / "no-geonames");
    ui::AddLocationDialog* dialog = OpenDialog();
    const QString note = dialog->findChild<QLabel*>(QStringLiteral("lblFinder"))->text();
    QVERIFY2(note.contains(QStringLiteral("libtimezonemap-data")), qPrintable(note));
    QVERIFY(!dialog->findChild<QLineEdit*>(QStringLiteral("txtFind"))->isEnabled());
    // The entries are typed as before, from the city on.
    QCOMPARE(dialog->focusWidget(), dialog->findChild<QLineEdit*>(QStringLiteral("txtCity")));
  }

  void entriesAreLaidOutApartWithinMargins() {
    ui::AddLocationDialog* dialog = OpenDialog();
    QList<QWidget*> shown;
    for (QWidget* child : dialog->findChildren<QWidget*>())
      if (child->isVisible() && child->parentWidget() == dialog) shown << child;
    QVERIFY(shown.size() >= 20);  // 7 captions and a count, 3 texts, 8 lists, OK, Cancel
    const QRect inside = dialog->rect().adjusted(4, 4, -4, -4);
    for (QWidget* a : shown) {
      QVERIFY2(inside.contains(a->geometry()), qPrintable(a->objectName()));
      for (QWidget* b : shown)
        if (a != b)
          QVERIFY2(!a->geometry().intersects(b->geometry()), qPrintable(a->objectName() + " / " + b->objectName()));
    }
  }
};

const bool registered = RegisterTest<AddLocationTest>();

}  // namespace kalnika::ui_test

#include "add_location_test.moc"
