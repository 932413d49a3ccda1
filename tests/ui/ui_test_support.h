#pragma once
// Helpers of the window tests: a temporary place file, the program's windows
// started on a fixed date, message boxes answered by the test, and the month table
// the model computes on its own, without a window, for comparison.
#include <QDate>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "almanac/display_text.h"
#include "almanac/month_text.h"
#include "forms/frm_kalnika.h"
#include "ui/application.h"
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

// Answers every message box that opens while it lives: notes it and presses OK.
class MessageCatcher : public QObject {
  Q_OBJECT
 public:
  MessageCatcher();
  QList<SeenMessage> seen;
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

// The window's model computed headless: the start-up on `today`, then, when
// monthIndex >= 0, one calculation of that month, year, place and daylight saving.
struct ReferenceMonth {
  RecordingMessageBox box;
  std::unique_ptr<frmKalnika> form;
  const MonthTable& table() const { return form->Table(); }
};
std::unique_ptr<ReferenceMonth> ComputeMonth(const std::filesystem::path& placeFile, QDate today,
                                             int monthIndex = -1, const std::string& year = "",
                                             int place = 2, bool dst = false);

// The first cell whose shown text is not the displayed Unicode of the reference
// cell (almanac/display_text.h; "row r, column c: shown ... expected ..."), or the
// empty text when all 32 x 17 cells agree.
QString GridMismatch(const QTableWidget* table, const MonthTable& expected,
                     xdvng::Digits digits = xdvng::Digits::Devanagari);
// The same for a display form (a Latin script).
QString GridMismatch(const QTableWidget* table, const MonthTable& expected, const DisplayForm& form);

// Stored Xdvng bytes as the faces display them in Unicode, as a QString.
QString Unicode(std::string_view xdvngBytes, xdvng::Digits digits = xdvng::Digits::Devanagari);

}  // namespace kalnika::ui_test
