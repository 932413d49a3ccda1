// The window by keyboard, in both languages: Tab in reading order, and a letter of
// its own for every menu entry, button and captioned box of each window.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "ui/about_box.h"
#include "ui/add_location_dialog.h"
#include "ui/day_view_dialog.h"
#include "ui_test_support.h"

namespace kalnika::ui_test {

namespace {

// The Alt letter of a text with a mnemonic ("&Month", "महिना (&M)"), or none.
QString Letter(const QString& text) { return QKeySequence::mnemonic(text).toString(); }

// The letters of a window's buttons and of the captions that lead to a box, each
// with what it belongs to; the menu bar's titles for the main window.
QList<std::pair<QString, QString>> WindowLetters(QWidget* window) {
  QList<std::pair<QString, QString>> letters;
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
    if (button->isVisibleTo(window) && !button->text().isEmpty()) letters.append({Letter(button->text()), button->text()});
  for (QLabel* label : window->findChildren<QLabel*>())
    if (label->buddy() != nullptr) letters.append({Letter(label->text()), label->text()});
  if (auto* menus = window->findChild<QMenuBar*>())
    for (QAction* menu : menus->actions()) letters.append({Letter(menu->text()), menu->text()});
  return letters;
}

// Checks that every text has a letter and no two share one.
QString Clashes(const QList<std::pair<QString, QString>>& letters) {
  QStringList problems;
  QMap<QString, QString> seen;
  for (const auto& [letter, text] : letters) {
    if (letter.isEmpty()) problems << QStringLiteral("no letter: ") + text;
    else if (seen.contains(letter)) problems << letter + QStringLiteral(": ") + seen[letter] + QStringLiteral(" / ") + text;
    seen[letter] = text;
  }
  return problems.join(QStringLiteral("; "));
}

// The menus of the menu bar and their submenus.
QList<QMenu*> Menus(QMenuBar* bar) {
  QList<QMenu*> menus;
  std::function<void(QMenu*)> add = [&](QMenu* menu) {
    menus << menu;
    for (QAction* action : menu->actions())
      if (action->menu() != nullptr) add(action->menu());
  };
  for (QAction* action : bar->actions())
    if (action->menu() != nullptr) add(action->menu());
  return menus;
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT
 private slots:
  void cleanup() { EndSession(); }

  void languages_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en";
    QTest::newRow("Marathi") << "mr";
  }

  // Tab from the table walks the controls below it row by row, each row left to
  // right, once each, and comes back to the table; the year box and its arrows are
  // one stop.
  void tabFollowsTheWindowsReadingOrder_data() { languages_data(); }
  void tabFollowsTheWindowsReadingOrder() {
    QFETCH(QString, language);
    BeginSession(language);
    session->Start();
    ui::MainWindow* window = session->Window();
    window->show();
    QVERIFY(Activate(window));
    QWidget* grid = session->Grid();
    grid->setFocus(Qt::TabFocusReason);
    QList<QWidget*> reached;
    for (int i = 0; i < 20; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* focus = QApplication::focusWidget();
      if (focus == grid) break;
      // A box's line edit stands for its box.
      if (focus->parentWidget() != nullptr && qobject_cast<QComboBox*>(focus->parentWidget())) focus = focus->parentWidget();
      reached << focus;
    }
    QCOMPARE(QApplication::focusWidget(), grid);
    QStringList names;
    for (QWidget* w : reached) names << w->objectName();
    // Every control the user works once; not the year's arrows.
    QStringList expected = {"cmdAddLocation", "CmdAbout", "cmdCalculate", "cmdPreviousMonth", "cmdNextMonth",
                            "cmdDefaultLocation", "lstMonth", "txtYear", "lstLocation"};
    if (session->Widget<QWidget>("chkDST")->isEnabled()) expected << "chkDST";
    QStringList sortedNames = names, sortedExpected = expected;
    sortedNames.sort();
    sortedExpected.sort();
    QCOMPARE(sortedNames, sortedExpected);
    // Each next stop is right of the last in its row, or in a row below it.
    const auto rect = [window](QWidget* w) { return QRect(w->mapTo(window, QPoint(0, 0)), w->size()); };
    for (qsizetype i = 1; i < reached.size(); ++i) {
      const QRect a = rect(reached[i - 1]), b = rect(reached[i]);
      const bool sameRow = b.center().y() >= a.top() && b.center().y() <= a.bottom();
      QVERIFY2((sameRow && b.left() > a.left()) || b.center().y() > a.bottom(),
               qPrintable(names[i - 1] + QStringLiteral(" -> ") + names[i]));
    }
  }

  // Each menu entry has a letter of its own in its menu, and pressing it in the
  // open menu chooses that entry; the menu bar's titles, the buttons and the
  // captioned boxes of each window have letters of their own.
  void everyMenuEntryHasALetterOfItsOwn_data() { languages_data(); }
  void everyMenuEntryHasALetterOfItsOwn() {
    QFETCH(QString, language);
    BeginSession(language);
    session->Start();
    ui::MainWindow* window = session->Window();
    window->show();
    QVERIFY(Activate(window));
    // No month shown: the File menu's entries only say so.
    session->Widget<QLineEdit>("txtYear")->setText(QStringLiteral("78"));
    session->Click("cmdCalculate");
    for (QMenu* menu : Menus(window->menuBar())) {
      QList<std::pair<QString, QString>> letters;
      for (QAction* action : menu->actions())
        if (!action->isSeparator() && action->isVisible()) letters.append({Letter(action->text()), action->text()});
      QVERIFY2(Clashes(letters).isEmpty(), qPrintable(menu->title() + QStringLiteral(": ") + Clashes(letters)));
      for (QAction* action : menu->actions()) {
        // Quit would end the test's program; a submenu opens rather than acts.
        if (action->isSeparator() || !action->isVisible() || !action->isEnabled() || action->menu() != nullptr ||
            action->objectName() == QStringLiteral("actionQuit"))
          continue;
        QSignalSpy chosen(action, &QAction::triggered);
        menu->popup(window->mapToGlobal(QPoint(10, 10)));
        QTRY_VERIFY(menu->isVisible());
        const QKeyCombination key = QKeySequence::mnemonic(action->text())[0];
        QTest::keyClick(menu, key.key());
        QTRY_COMPARE(chosen.count(), 1);
        SettleDeletes();
        if (auto* about = session->program->aboutBox()) about->close();
        if (auto* help = session->program->helpWindow()) help->close();
        QVERIFY(Activate(session->Window()));
      }
    }
    QVERIFY2(Clashes(WindowLetters(window)).isEmpty(), qPrintable(Clashes(WindowLetters(window))));

    session->Click("cmdAddLocation");
    ui::AddLocationDialog* dialog = session->program->addLocationDialog();
    QVERIFY(dialog != nullptr);
    // OK and Cancel take Return and Escape.
    QList<std::pair<QString, QString>> dialogLetters;
    for (const auto& letter : WindowLetters(dialog))
      if (letter.second != dialog->findChild<QAbstractButton*>(QStringLiteral("cmdOK"))->text() &&
          letter.second != dialog->findChild<QAbstractButton*>(QStringLiteral("cmdCancel"))->text())
        dialogLetters << letter;
    QVERIFY2(Clashes(dialogLetters).isEmpty(), qPrintable(Clashes(dialogLetters)));
    dialog->reject();

    session->Click("CmdAbout");
    ui::AboutBox* about = session->program->aboutBox();
    QList<std::pair<QString, QString>> aboutLetters;
    for (const auto& letter : WindowLetters(about))
      if (letter.second != about->findChild<QAbstractButton*>(QStringLiteral("cmdOK"))->text()) aboutLetters << letter;
    QVERIFY2(Clashes(aboutLetters).isEmpty(), qPrintable(Clashes(aboutLetters)));
    about->close();

    // The day view, of a month calculated.
    session->Widget<QLineEdit>("txtYear")->setText(QStringLiteral("2026"));
    session->Click("cmdCalculate");
    window->OpenDayView(14);
    QVERIFY(window->DayView() != nullptr && window->DayView()->isVisible());
    QVERIFY2(Clashes(WindowLetters(window->DayView())).isEmpty(), qPrintable(Clashes(WindowLetters(window->DayView()))));
  }
};

const bool registered = RegisterTest<KeyboardTest>();

}  // namespace kalnika::ui_test

#include "keyboard_test.moc"
