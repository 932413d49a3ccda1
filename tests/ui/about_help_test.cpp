// The About box and the help window through their widgets.
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>

#include "ui/about_box.h"
#include "ui_test_support.h"

namespace kalnika::ui_test {

namespace {

ui::AboutBox* OpenAbout() {
  session->Click("CmdAbout");
  return session->program->aboutBox();
}

}  // namespace


// The About box beside the main window, and the help document it opens.
class AboutHelpTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    BeginSession();
    session->Start();
  }
  void cleanup() { EndSession(); }

  void aboutBoxOpensOnceBesideTheWindow() {
    QTableWidget* grid = session->Grid();
    const QString dayOneTithi = grid->item(1, 8)->text();

    ui::AboutBox* about = OpenAbout();
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
    QCOMPARE(OpenAbout(), about);
    // OK closes the box only: the main window and its table stay as they were.
    about->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    QVERIFY(!about->isVisible());
    QVERIFY(session->Window()->isVisible());
    QCOMPARE(grid->item(1, 8)->text(), dayOneTithi);
    QVERIFY(session->messages.seen.isEmpty());
  }

  void helpOpensTheDocumentOrSaysItIsMissing_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<bool>("link");  // the help link of the box, else its Help button
    QTest::newRow("the help document beside the program") << true << false;
    QTest::newRow("the help link opens it too") << true << true;
    QTest::newRow("no help document: a message, the About box stays") << false << false;
  }

  void helpOpensTheDocumentOrSaysItIsMissing() {
    QFETCH(bool, present);
    QFETCH(bool, link);
    const QString helpFile = present ? HelpDocument() : session->places.Folder() + QStringLiteral("/KALNIKA.html");
    session->Start(helpFile);
    ui::AboutBox* about = OpenAbout();
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
    QVERIFY(session->Window()->isVisible());
  }

  void helpDocumentExplainsTheTable_data() {
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
    QTest::newRow("wall calendar") << "Save Year Wall Calendar as PDF";
    QTest::newRow("package of the town finder") << "libtimezonemap-data";
  }

  void helpDocumentExplainsTheTable() {
    QFETCH(QString, topic);
    QVERIFY(session->program->ShowHelp(session->Window()));
    QVERIFY2(session->program->helpWindow()->toPlainText().contains(topic), qPrintable(topic));
  }
};

const bool registered = RegisterTest<AboutHelpTest>();

}  // namespace kalnika::ui_test

#include "about_help_test.moc"
