#include "ui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace kalnika::ui_test {

TempPlaces::TempPlaces() {
  QFile::copy(QStringLiteral(KALNIKA_TEST_DATA "/golden/Location.ini"), dir_.filePath(QStringLiteral("Location.ini")));
  QFile::setPermissions(dir_.filePath(QStringLiteral("Location.ini")), QFile::ReadOwner | QFile::WriteOwner);
}

std::filesystem::path TempPlaces::File() const {
  return std::filesystem::path(dir_.filePath(QStringLiteral("Location.ini")).toStdString());
}

QByteArray TempPlaces::Bytes() const {
  QFile file(dir_.filePath(QStringLiteral("Location.ini")));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

void TempPlaces::Append(const QByteArray& bytes) const {
  QFile file(dir_.filePath(QStringLiteral("Location.ini")));
  if (file.open(QIODevice::Append)) file.write(bytes);
}

QString HelpDocument() { return QStringLiteral(KALNIKA_TEST_DATA "/../../data/KALNIKA.html"); }

MessageCatcher::MessageCatcher() {
  connect(&timer_, &QTimer::timeout, this, &MessageCatcher::Poll);
  timer_.start(5);
}

void MessageCatcher::Poll() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) return;
  seen.append({box->windowTitle(), box->text(), box->standardButtons(), box->isModal()});
  if (QAbstractButton* ok = box->button(QMessageBox::Ok))
    ok->click();
  else if (QAbstractButton* answer = box->button(answerYes ? QMessageBox::Yes : QMessageBox::No))
    answer->click();
  else
    box->reject();
}

QStringList MessageCatcher::Texts() const {
  QStringList texts;
  for (const SeenMessage& message : seen) texts << message.text;
  return texts;
}

std::filesystem::path TownFolder() { return KALNIKA_TEST_DATA "/places/geonames"; }

std::unique_ptr<ui::Application> StartProgram(const std::filesystem::path& placeFile, QDate today,
                                              const QString& helpFile, const std::filesystem::path& townFolder) {
  ui::Application::Options options;
  options.placeFile = placeFile;
  options.today = [today] { return today; };
  options.helpFile = helpFile;
  options.townFolder = townFolder;
  options.translationFolder = KALNIKA_TRANSLATIONS;
  auto program = std::make_unique<ui::Application>(options);
  program->Start();
  return program;
}

void SettleDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

void Session::Start(const QString& helpFile, const std::filesystem::path& townFolder) {
  program.reset();
  SettleDeletes();
  program = StartProgram(places.File(), kToday, helpFile, townFolder);
}

std::unique_ptr<Session> session;

void BeginSession(const QString& language) {
  QSettings().clear();
  // The interface language as chosen in the View menu, not the test machine's locale.
  QSettings().setValue(QStringLiteral("interface/language"), language);
  session = std::make_unique<Session>();
}

void EndSession() {
  session.reset();
  SettleDeletes();
}

std::vector<std::function<int(int, char**)>>& TestRuns() {
  static std::vector<std::function<int(int, char**)>> runs;
  return runs;
}

QByteArray Run(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
    return {};
  QByteArray out = process.readAllStandardOutput();
  return out.isNull() ? QByteArray("") : out;
}

bool HavePoppler() {
  for (const char* tool : {"pdftoppm", "pdftotext", "pdfinfo"})
    if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) return false;
  return true;
}

QList<QImage> RenderPages(const QString& pdf, int dpi, const QString& folder) {
  const QString prefix = QDir(folder).filePath(QStringLiteral("page"));
  if (Run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), pdf, prefix})
          .isNull())
    return {};
  QList<QImage> pages;
  for (const QString& name : QDir(folder).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name))
    pages << QImage(QDir(folder).filePath(name));
  return pages;
}

QString PdfText(const QString& pdf) {
  return QString::fromUtf8(Run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
}

QString PdfTitle(const QString& pdf) {
  for (const QString& line : QString::fromUtf8(Run(QStringLiteral("pdfinfo"), {pdf})).split(QLatin1Char('\n')))
    if (line.startsWith(QStringLiteral("Title:"))) return line.mid(6).trimmed();
  return {};
}

QString Unicode(std::string_view xdvngBytes, xdvng::Digits digits) {
  return QString::fromStdString(DisplayText(xdvngBytes, {Script::Unicode, digits}));
}

QString GridMismatch(const QTableWidget* table, const MonthTable& expected, const DisplayForm& form) {
  for (int r = 0; r < kTableRows; ++r) {
    const std::vector<std::string> row = DisplayRow(expected, r, form);
    for (int c = 0; c < kTableColumns; ++c) {
      const QTableWidgetItem* item = table->item(r, c);
      const QString shown = item != nullptr ? item->text() : QStringLiteral("<no item>");
      const QString wanted = QString::fromStdString(row[static_cast<std::size_t>(c)]);
      if (shown != wanted)
        return QStringLiteral("row %1, column %2: shown \"%3\", expected \"%4\"").arg(r).arg(c).arg(shown, wanted);
    }
  }
  return {};
}

}  // namespace kalnika::ui_test
