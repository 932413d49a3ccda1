// The interface language: Marathi or English, from the system's locale until one is
// chosen in View > Language, remembered, and applied to every open window at once.
// The Marathi texts expected are those of ui/translations/kalnika_mr.ts.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTextBrowser>

#include "almanac/name_tables.h"
#include "ui/about_box.h"
#include "ui/add_location_dialog.h"
#include "ui/language.h"
#include "ui/window_message_box.h"
#include "ui_test_support.h"

namespace kalnika::ui_test {

class LanguageTest : public QObject {
  Q_OBJECT
 private slots:
  void cleanup() { EndSession(); }

  void aMarathiLocaleMeansMarathi_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("marathi");
    QTest::newRow("mr_IN") << "mr_IN" << true;
    QTest::newRow("en_US") << "en_US" << false;
    QTest::newRow("en_IN") << "en_IN" << false;
    // Hindi is not Marathi: the interface has no Hindi, and falls back to English.
    QTest::newRow("hi_IN") << "hi_IN" << false;
  }
  void aMarathiLocaleMeansMarathi() {
    QFETCH(QString, locale);
    QFETCH(bool, marathi);
    QCOMPARE(ui::LanguageOfLocale(QLocale(locale)) == ui::Language::Marathi, marathi);
  }

  void theChosenLanguageRetranslatesEveryWindowAndIsRemembered() {
    BeginSession(QStringLiteral("en"));
    session->Start();
    ui::MainWindow* window = session->Window();
    session->Click("CmdAbout");
    session->Click("cmdAddLocation");
    ui::AboutBox* about = session->program->aboutBox();
    ui::AddLocationDialog* dialog = session->program->addLocationDialog();
    auto* calculate = session->Widget<QPushButton>("cmdCalculate");
    auto* months = session->Widget<QComboBox>("lstMonth");
    QCOMPARE(calculate->text(), QStringLiteral("&Calculate"));
    QCOMPARE(months->currentText(), QStringLiteral("December"));

    session->Action("actionLanguage_mr")->trigger();
    QCOMPARE(QSettings().value(QStringLiteral("interface/language")).toString(), QStringLiteral("mr"));
    QVERIFY(session->Action("actionLanguage_mr")->isChecked());
    QCOMPARE(calculate->text(), QStringLiteral("गणना करा (&C)"));
    QCOMPARE(window->menuBar()->actions().front()->text(), QStringLiteral("फाईल (&F)"));
    QCOMPARE(window->windowTitle(), QStringLiteral(" कालनिका आवृत्ती १.० — कालनिका विकासक"));
    // The month box names the months as the table's rows do.
    QCOMPARE(months->currentText(), Unicode(GregorianMonthNames[11]));
    QCOMPARE(months->currentIndex(), 11);
    QCOMPARE(about->windowTitle(), QStringLiteral("कालनिका आवृत्ती १.० — कालनिका विकासक"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("INI फाईलमध्ये नवीन स्थळे जोडणे"));
    QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("lblCity"))->text(), QStringLiteral("शहर (&I):"));
    // The month stays as it was shown.
    QCOMPARE(window->Model().Shown()->values.month, 12);

    // The next start speaks Marathi.
    session->Start();
    QCOMPARE(session->Widget<QPushButton>("cmdCalculate")->text(), QStringLiteral("गणना करा (&C)"));
    session->Action("actionLanguage_en")->trigger();
    QCOMPARE(session->Widget<QPushButton>("cmdCalculate")->text(), QStringLiteral("&Calculate"));
    QCOMPARE(session->Widget<QComboBox>("lstMonth")->currentText(), QStringLiteral("December"));
  }

  // The forms' messages in Marathi, the texts in their places too, in Qt's message
  // box with its button in Marathi; the English window shows the original's texts.
  void messagesInTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("English: a refused year") << "en" << "year" << QString::fromLatin1(kMinYearMessage) << "Kalnika";
    QTest::newRow("Marathi: a refused year") << "mr" << "year" << "कृपया ७९ किंवा त्यापुढचे वर्ष निवडा." << "कालनिका";
    QTest::newRow("Marathi: an entry missing, named in Marathi")
        << "mr" << "entry" << "राहिलेली नोंद भरा: अक्षांशाची मिनिटे" << "कालनिका";
    QTest::newRow("Marathi: the default place, its name as stored")
        << "mr" << "default" << "पूर्वनिर्धारित स्थळ ठेवले: Mumbai, Maharashtra, India    " << "कालनिका";
  }
  void messagesInTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(QString, title);
    BeginSession(language);
    session->Start();
    if (how == QStringLiteral("year")) {
      session->Enter(4, QStringLiteral("78"));
      session->Click("cmdCalculate");
    } else if (how == QStringLiteral("entry")) {
      session->Click("cmdAddLocation");
      ui::AddLocationDialog* dialog = session->program->addLocationDialog();
      dialog->findChild<QLineEdit*>(QStringLiteral("txtCity"))->setText(QStringLiteral("Pune"));
      dialog->findChild<QComboBox*>(QStringLiteral("lstLatDegrees"))->setCurrentIndex(18);
      dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    } else {
      session->Click("cmdDefaultLocation");
    }
    QTRY_COMPARE(session->messages.seen.size(), 1);
    QCOMPARE(session->messages.seen.front().text, text);
    QCOMPARE(session->messages.seen.front().title, title);
  }

  void qtsOwnButtonsInMarathi() {
    BeginSession(QStringLiteral("mr"));
    session->Start();
    // The question of a place listed already, with Qt's Yes and No.
    QString yes;
    QTimer::singleShot(0, [&yes] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        yes = box->button(QMessageBox::Yes)->text();
        box->button(QMessageBox::No)->click();
      }
    });
    session->messages.seen.clear();
    ui::AskQuestion(session->Window(), QStringLiteral("?"));
    QCOMPARE(yes, QStringLiteral("होय (&Y)"));
    // Qt's own file dialog, which the File menu opens where the desktop has none of its own.
    QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("फाईलचे नाव (&N):"));
  }

  void helpInTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("heading");  // a heading of the document shown
    QTest::newRow("English") << "en" << "The columns of the table";
    QTest::newRow("Marathi") << "mr" << "तक्त्याचे स्तंभ";
  }
  void helpInTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, heading);
    BeginSession(language);
    session->Start();
    QVERIFY(session->program->ShowHelp(session->Window()));
    QVERIFY2(session->program->helpWindow()->toPlainText().contains(heading), qPrintable(heading));
  }
};

const bool registered = RegisterTest<LanguageTest>();

}  // namespace kalnika::ui_test

#include "language_test.moc"
