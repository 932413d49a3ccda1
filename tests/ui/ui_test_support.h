#pragma once
// Helpers of the window tests: a temporary place file, the program's windows
// started on a fixed date, message boxes answered by the test, and poppler's tools
// to read back written PDF files.
#include <QAction>
#include <QAbstractButton>
#include <QComboBox>
#include <QDate>
#include <QImage>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "display/display_text.h"
#include "almanac/month_text.h"
#include "forms/frm_kalnika.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "xdvng/xdvng.h"

namespace kalnika::ui_test {

// A temporary folder with a copy of the sample place file: six places (Kathmandu,
// London, Mumbai, New York, Sydney, Tromso), Mumbai the default at position 2.
class TempPlaces {
 public:
  TempPlaces();
  QString Folder() const { return dir_.path(); }
  std::filesystem::path File() const;
  QByteArray Bytes() const;  // the file's current contents
  void Append(const QByteArray& bytes) const;

 private:
  QTemporaryDir dir_;
};

// The help document of the project.
QString HelpDocument();

// One message box as the test saw it.
struct SeenMessage {
  QString title;
  QString text;
  QMessageBox::StandardButtons buttons;
  bool modal = false;
};

// Answers every message box that opens while it lives: notes it and presses OK (or
// answers a question as told).
class MessageCatcher : public QObject {
  Q_OBJECT
 public:
  MessageCatcher();
  QList<SeenMessage> seen;
  bool answerYes = false;  // the answer to a question (Yes or No)
  // The texts seen, in order.
  QStringList Texts() const;

 private:
  void Poll();
  QTimer timer_;
};

// The GeoNames extract of the town-finder tests.
std::filesystem::path TownFolder();

// The program on a fixed date with the given place file, help document and town
// files.
std::unique_ptr<ui::Application> StartProgram(const std::filesystem::path& placeFile, QDate today,
                                              const QString& helpFile = HelpDocument(),
                                              const std::filesystem::path& townFolder = TownFolder());

// Deletes the windows the program let go of (they are deleted later).
void SettleDeletes();

// Makes a window the active one, as the keyboard tests need; false if it never was.
inline bool Activate(QWidget* window) {
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

// The start-up date of the window tests, as of the window's own examples.
inline const QDate kToday(2026, 12, 5);

// The state of one test function: a place file, a folder for written files, the
// message boxes answered, and the program.
struct Session {
  TempPlaces places;
  QTemporaryDir output;
  MessageCatcher messages;
  std::unique_ptr<ui::Application> program;

  // Starts the program on kToday, after closing the one running (a new start).
  void Start(const QString& helpFile = HelpDocument(), const std::filesystem::path& townFolder = TownFolder());
  ui::MainWindow* Window() const { return program->mainWindow(); }
  template <typename T>
  T* Widget(const char* name) const {
    return Window()->findChild<T*>(QString::fromLatin1(name));
  }
  QTableWidget* Grid() const { return Widget<QTableWidget>("Kalnika"); }
  QAction* Action(const char* name) const { return Widget<QAction>(name); }
  void Click(const char* button) const { Widget<QAbstractButton>(button)->click(); }
  // Puts a month (0..11, -1 none), a year text and a place (-1 none) into the boxes.
  void Enter(int monthIndex, const QString& year, int place = 2) const {
    Widget<QComboBox>("lstMonth")->setCurrentIndex(monthIndex);
    Widget<QLineEdit>("txtYear")->setText(year);
    Widget<QComboBox>("lstLocation")->setCurrentIndex(place);
  }
};

// The session of the test function running: BeginSession() in a test class's
// init() (the settings cleared, as on a first start, with the interface language
// chosen: "en" or "mr"), EndSession() in its cleanup().
extern std::unique_ptr<Session> session;
void BeginSession(const QString& language = QStringLiteral("en"));
void EndSession();

// The test classes ui_test_main runs, each through QTest::qExec, in the order
// registered.
std::vector<std::function<int(int, char**)>>& TestRuns();
template <typename Test>
bool RegisterTest() {
  TestRuns().push_back([](int argc, char** argv) {
    Test test;
    return QTest::qExec(&test, argc, argv);
  });
  return true;
}

// Runs a tool; its standard output, or a null array when it failed.
QByteArray Run(const QString& tool, const QStringList& arguments);
// Whether poppler's pdftoppm, pdftotext and pdfinfo are installed.
bool HavePoppler();
// The pages of a PDF rendered by pdftoppm at `dpi` into `folder`, in page order.
QList<QImage> RenderPages(const QString& pdf, int dpi, const QString& folder);
// The text pdftotext reads from a PDF, and the title pdfinfo reads.
QString PdfText(const QString& pdf);
QString PdfTitle(const QString& pdf);

// The first cell whose shown text is not the displayed text of the reference cell
// (display/display_text.h, a day's notes apart; "row r, column c: shown ...
// expected ..."), or the empty text when all 32 x 17 cells agree.
QString GridMismatch(const QTableWidget* table, const MonthTable& expected,
                     const DisplayForm& form = DisplayForm(Script::Unicode, xdvng::Digits::Devanagari));

// Stored Xdvng bytes as the faces display them in Unicode, as a QString.
QString Unicode(std::string_view xdvngBytes, xdvng::Digits digits = xdvng::Digits::Devanagari);

}  // namespace kalnika::ui_test
