// The About box and the help window through their widgets.
#include "about_help_test.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>

#include "ui/about_box.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

namespace kalnika::ui_test {

namespace {

const QDate kToday(2026, 12, 5);

struct Session {
  TempPlaces places;
  MessageCatcher messages;
  std::unique_ptr<ui::Application> program;

  ui::AboutBox* OpenAbout() {
    program->mainWindow()->findChild<QPushButton*>(QStringLiteral("CmdAbout"))->click();
    return program->aboutBox();
  }
};

std::unique_ptr<Session> session;

}  // namespace

void AboutHelpTest::init() {
  QSettings().clear();
  session = std::make_unique<Session>();
}

void AboutHelpTest::cleanup() {
  session.reset();
  SettleDeletes();
}

void AboutHelpTest::aboutBoxOpensOnceBesideTheWindow() {
  session->program = StartProgram(session->places.File(), kToday);
  auto* grid = session->program->mainWindow()->findChild<QTableWidget*>(QStringLiteral("Kalnika"));
  const QString dayOneTithi = grid->item(1, 8)->text();

  ui::AboutBox* about = session->OpenAbout();
  QVERIFY(about != nullptr);
  QVERIFY(about->isVisible());
  QVERIFY(!about->isModal());
  QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
  QCOMPARE(about->windowTitle(), QStringLiteral("KALNIKA Ver. 1.0 By the Kalnika developers"));
  const struct {
    const char* label;
    const char* text;
  } labels[] = {{"Label1", "Hindu Kalnika VERSION 1.0"},
                {"Label2", "Author: the Kalnika developers"},
                {"lblVersion", "Version 1.0"},
                {"lblLicence", "GNU Affero General Public License, version 3 or later"},
                {"lblCredits", "GeoNames"},
                {"lblCredits", "CC BY 4.0"},
                {"lblTimeZones", "IANA tz database (tzdata)"},
                {"lblEphemeris", "Swiss Ephemeris by Astrodienst"},
                {"lblEphemeris", "AGPL"},
                {"lblHelp", "Kalnika Help"}};
  for (const auto& expected : labels) {
    const QString text = about->findChild<QLabel*>(QString::fromLatin1(expected.label))->text();
    QVERIFY2(text.contains(QString::fromLatin1(expected.text)), qPrintable(text));
  }
  // Wide enough for its caption in the title bar.
  QVERIFY(about->width() > QFontMetrics(about->font()).horizontalAdvance(about->windowTitle()));
  QVERIFY(!about->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
  // The box names the place file in use.
  QVERIFY(about->findChild<QLabel*>(QStringLiteral("lblPlaceFile"))
              ->text()
              .contains(QString::fromStdString(session->places.File().string())));

  // Pressing About/Help again shows the same box.
  QCOMPARE(session->OpenAbout(), about);
  // OK closes the box only: the main window and its table stay as they were.
  about->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  QVERIFY(!about->isVisible());
  QVERIFY(session->program->mainWindow()->isVisible());
  QCOMPARE(grid->item(1, 8)->text(), dayOneTithi);
  QVERIFY(session->messages.seen.isEmpty());
}

void AboutHelpTest::helpOpensTheDocumentOrSaysItIsMissing_data() {
  QTest::addColumn<bool>("present");
  QTest::addColumn<bool>("link");  // the help link of the box, else its Help button
  QTest::newRow("the help document beside the program") << true << false;
  QTest::newRow("the help link opens it too") << true << true;
  QTest::newRow("no help document: a message, the About box stays") << false << false;
}

void AboutHelpTest::helpOpensTheDocumentOrSaysItIsMissing() {
  QFETCH(bool, present);
  QFETCH(bool, link);
  const QString helpFile = present ? HelpDocument() : session->places.Folder() + QStringLiteral("/KALNIKA.html");
  session->program = StartProgram(session->places.File(), kToday, helpFile);
  ui::AboutBox* about = session->OpenAbout();
  if (link)
    emit about->findChild<QLabel*>(QStringLiteral("lblHelp"))->linkActivated(QStringLiteral("help"));
  else
    about->findChild<QPushButton*>(QStringLiteral("cmdHelp"))->click();

  QTextBrowser* help = session->program->helpWindow();
  if (present) {
    QVERIFY(help != nullptr);
    QCOMPARE(help->objectName(), QStringLiteral("helpBrowser"));
    QVERIFY(help->isVisible());
    QVERIFY(help->toPlainText().contains(QStringLiteral("Kalnika")));
    QVERIFY(!about->isVisible());  // Help closes the About box
    QVERIFY(session->messages.seen.isEmpty());
    help->close();
    QVERIFY(!help->isVisible());
  } else {
    QVERIFY(help == nullptr);
    QVERIFY(about->isVisible());
    QCOMPARE(session->messages.seen.size(), 1);
    QVERIFY(session->messages.seen.front().text.contains(QStringLiteral("KALNIKA.html")));
    QCOMPARE(session->messages.seen.front().title, QStringLiteral("Kalnika"));
  }
  QVERIFY(session->program->mainWindow()->isVisible());
}

void AboutHelpTest::helpDocumentExplainsTheTable_data() {
  QTest::addColumn<QString>("topic");
  // What a reader of the table needs explained: the clock notation with its hours
  // past midnight, the added-month prefixes, the eras, the place file and the way
  // to write auspicious-day texts.
  QTest::newRow("clock notation past midnight") << "27H40";
  QTest::newRow("added month prefix") << QStringLiteral("\u0905\u0927\u093F\u0915");  // adhik
  QTest::newRow("regular month after an added one") << QStringLiteral("\u0928\u093F\u091C");  // nij
  QTest::newRow("Shaka era") << "Shaka";
  QTest::newRow("Vikram era new year") << "Kartik Shukla Pratipada";
  QTest::newRow("Kali era new year") << "23 January";
  QTest::newRow("place file section of auspicious days") << "AUSPICIOUS DAYS";
  QTest::newRow("encoding auspicious-day texts") << "kalnika-cli --encode";
  QTest::newRow("sunrise column") << "Sunrise";
  QTest::newRow("nakshatra column") << "Nakshatra";
  // And the choices of the View and File menus and of the add-place dialog.
  QTest::newRow("when to use the precise method") << "When to use which";
  QTest::newRow("automatic clock") << "Clock: Automatic";
  QTest::newRow("Latin view") << "Latin with ISO 15919 Marks";
  QTest::newRow("calendar export") << "Export Calendar (iCalendar)";
  QTest::newRow("package of the town finder") << "libtimezonemap-data";
}

void AboutHelpTest::helpDocumentExplainsTheTable() {
  QFETCH(QString, topic);
  session->program = StartProgram(session->places.File(), kToday);
  QVERIFY(session->program->ShowHelp(session->program->mainWindow()));
  QVERIFY2(session->program->helpWindow()->toPlainText().contains(topic), qPrintable(topic));
}

}  // namespace kalnika::ui_test
