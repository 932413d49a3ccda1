// The window always shows what its controls say: each control driven as a user
// drives it (mouse, keys, Return, leaving a box), then the table, the labels and
// the wall calendar all name the month and place the boxes hold.
#include <QAbstractItemView>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "almanac/name_tables.h"
#include "ui/place_box.h"
#include "ui/wall_calendar_view.h"
#include "ui_test_support.h"

namespace kalnika::ui_test {

namespace {

// Clicks an entry of a combo box's list, opened as a user opens it.
void ClickEntry(QComboBox* box, int row) {
  box->showPopup();
  QAbstractItemView* list = box->view();
  QTRY_VERIFY(list->isVisible());
  const QRect entry = list->visualRect(list->model()->index(row, 0));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
}

}  // namespace

class ControlsAgreeTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    BeginSession();
    session->Start();  // December 2026 at Mumbai (the sample file's default)
    session->Window()->show();
    QVERIFY(Activate(session->Window()));
  }
  void cleanup() { EndSession(); }

  void eachControlShowsItsMonthAtOnce_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("month");  // 1..12, shown afterwards
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("place");  // position in the place box
    // Positions of the sample file: 0 Kathmandu, 1 London, 2 Mumbai, 3 New York,
    // 4 Sydney, 5 Tromso.
    QTest::newRow("month box: an entry clicked") << "month click" << 3 << 2026 << 2;
    QTest::newRow("month box: the Up key") << "month up" << 11 << 2026 << 2;
    QTest::newRow("month box: Return") << "month return" << 12 << 2026 << 2;
    QTest::newRow("year box: a year typed and Return") << "year return" << 12 << 2030 << 2;
    QTest::newRow("year box: a year typed and the box left by Tab") << "year tab" << 12 << 2030 << 2;
    QTest::newRow("year box: the Up key steps the year") << "year up" << 12 << 2027 << 2;
    QTest::newRow("year arrow clicked") << "cmdPreviousYear" << 12 << 2025 << 2;
    QTest::newRow("month arrow clicked") << "cmdNextMonth" << 1 << 2027 << 2;
    QTest::newRow("Page Down") << "page down" << 1 << 2027 << 2;
    QTest::newRow("place box: an entry clicked") << "place click" << 12 << 2026 << 0;
    QTest::newRow("place box: searched, picked and Return") << "place search" << 12 << 2026 << 1;
    QTest::newRow("place box: a name typed and Return") << "place return" << 12 << 2026 << 4;
  }

  void eachControlShowsItsMonthAtOnce() {
    QFETCH(QString, how);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, place);
    ui::MainWindow* window = session->Window();
    auto* months = session->Widget<QComboBox>("lstMonth");
    auto* years = session->Widget<QLineEdit>("txtYear");
    auto* places = session->Widget<QComboBox>("lstLocation");
    if (how == QStringLiteral("month click")) {
      ClickEntry(months, 2);
    } else if (how == QStringLiteral("month up")) {
      months->setFocus();
      QTest::keyClick(months, Qt::Key_Up);
    } else if (how == QStringLiteral("month return")) {
      months->setFocus();
      QTest::keyClick(months, Qt::Key_Return);
    } else if (how.startsWith(QStringLiteral("year "))) {
      years->setFocus();
      if (how != QStringLiteral("year up")) {
        years->selectAll();
        QTest::keyClicks(years, QStringLiteral("2030"));
      }
      QTest::keyClick(years, how == QStringLiteral("year return") ? Qt::Key_Return
                             : how == QStringLiteral("year tab") ? Qt::Key_Tab
                                                                  : Qt::Key_Up);
    } else if (how.startsWith(QStringLiteral("cmd"))) {
      session->Click(qPrintable(how));
    } else if (how == QStringLiteral("page down")) {
      QTest::keyClick(session->Grid(), Qt::Key_PageDown);
    } else if (how == QStringLiteral("place click")) {
      ClickEntry(places, 0);
    } else if (how == QStringLiteral("place search")) {
      places->lineEdit()->setFocus();
      places->lineEdit()->selectAll();
      QTest::keyClicks(places->lineEdit(), QStringLiteral("lon"));
      QAbstractItemView* popup = places->findChild<ui::PlaceBox*>()->Popup();
      QTRY_VERIFY(popup->isVisible());
      QTest::keyClick(popup, Qt::Key_Down);
      QTest::keyClick(popup, Qt::Key_Return);
    } else {
      places->lineEdit()->setFocus();
      places->lineEdit()->selectAll();
      QTest::keyClicks(places->lineEdit(), QStringLiteral("sydney"));
      QTest::keyClick(places->lineEdit(), Qt::Key_Escape);  // the search's popup
      QTest::keyClick(places->lineEdit(), Qt::Key_Return);
    }
    QCoreApplication::processEvents();

    // The boxes.
    QCOMPARE(months->currentIndex(), month - 1);
    QCOMPARE(years->text(), QString::number(year));
    QCOMPARE(places->currentIndex(), place);
    // The month computed, the table's rows and the place labels.
    const frmKalnika& model = window->Model();
    QVERIFY(model.Shown().has_value());
    QCOMPARE(model.Shown()->values.month, month);
    QCOMPARE(model.Shown()->values.year, year);
    const Place& shownPlace = model.Places()[static_cast<std::size_t>(place)];
    QCOMPARE(model.Shown()->place.name, shownPlace.name);
    const QString monthName = Unicode(GregorianMonthNames[static_cast<std::size_t>(month - 1)]);
    QCOMPARE(session->Grid()->item(1, 0)->text(), monthName);
    QCOMPARE(session->Grid()->item(1, 2)->text(), Unicode(std::to_string(year)));
    QCOMPARE(session->Widget<QLabel>("lblLat")->text(), QString::fromStdString(shownPlace.latCaption));
    QCOMPARE(session->Widget<QLabel>("lblLong")->text(), QString::fromStdString(shownPlace.longCaption));
    // The wall calendar's page of the same month and place.
    const std::optional<ui::WallPageTexts>& page = window->WallView().Page();
    QVERIFY(page.has_value());
    QCOMPARE(page->title, monthName + QLatin1Char(' ') + Unicode(std::to_string(year)));
    QCOMPARE(page->placeName, QString::fromStdString(shownPlace.name));
    QVERIFY2(session->messages.seen.isEmpty(), qPrintable(session->messages.Texts().join(QLatin1Char('|'))));
  }

  // A refused year hides the month, as the calculation always has; leaving the box
  // again without a change asks nothing more.
  void aRefusedYearHidesTheMonth() {
    auto* years = session->Widget<QLineEdit>("txtYear");
    years->setFocus();
    years->selectAll();
    QTest::keyClicks(years, QStringLiteral("78"));
    QTest::keyClick(years, Qt::Key_Tab);
    QTRY_COMPARE(session->messages.seen.size(), 1);
    QCOMPARE(session->messages.seen.front().text, QString::fromLatin1(kMinYearMessage));
    QVERIFY(!session->Widget<QWidget>("KalnikaFrame")->isVisible());
    QVERIFY(!session->Window()->WallView().Page().has_value());
    years->setFocus();
    QTest::keyClick(years, Qt::Key_Tab);
    QCoreApplication::processEvents();
    QCOMPARE(session->messages.seen.size(), 1);
  }
};

const bool registered = RegisterTest<ControlsAgreeTest>();

}  // namespace kalnika::ui_test

#include "controls_agree_test.moc"
