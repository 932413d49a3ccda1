#include "ui/application.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>

#include "ui/about_box.h"
#include "ui/add_location_dialog.h"
#include "ui/main_window.h"
#include "ui/window_message_box.h"
#include "forms/frm_add_location.h"

// Outside any namespace: the resource initialiser is a global function.
void KalnikaInitResources() { Q_INIT_RESOURCE(kalnika); }

namespace kalnika::ui {

namespace {
// The help window's size in pixels at 96 dpi: a page of text beside the main window.
constexpr int kHelpWidth = 820;
constexpr int kHelpHeight = 760;
// Room for a window frame: borders of this many pixels, a title bar four times as high.
constexpr int kFrameAllowance = 8;
}  // namespace

Application::Application(Options options)
    : options_(std::move(options)), translations_(options_.translationFolder) {
  KalnikaInitResources();
  QApplication::setWindowIcon(ProgramIcon());
}

Application::~Application() {
  // The windows are top-level (the add-place dialog the main window's child) and
  // owned here.
  delete addLocation_.data();
  delete mainWindow_.data();
  delete about_.data();
  delete help_.data();
}

void Application::Start() {
  translations_.Set(LoadLanguage());
  OpenMainWindow();
}

void Application::SetLanguage(Language language) {
  StoreLanguage(language);
  if (language == translations_.Current()) return;
  translations_.Set(language);  // every window receives LanguageChange
  if (mainWindow_) mainWindow_->ShowLanguage(language);
  if (addLocation_) addLocation_->Model().language = LanguageCode(language).toStdString();
  if (help_ && help_->isVisible()) ShowHelp(help_);
}

MainWindow* Application::mainWindow() const { return mainWindow_; }
AddLocationDialog* Application::addLocationDialog() const { return addLocation_; }
AboutBox* Application::aboutBox() const { return about_; }
QTextBrowser* Application::helpWindow() const { return help_; }

void Application::OpenMainWindow() {
  auto* window = new MainWindow(options_.placeFile, options_.today ? options_.today() : QDate::currentDate());
  window->Model().SetBundledPlaceFile(options_.bundledPlaceFile);
  mainWindow_ = window;
  connect(window, &MainWindow::addLocationRequested, this, &Application::OpenAddLocation);
  connect(window, &MainWindow::aboutRequested, this, &Application::OpenAbout);
  connect(window, &MainWindow::helpRequested, this, [this] { ShowHelp(mainWindow_); });
  connect(window, &MainWindow::languageChosen, this, &Application::SetLanguage);
  window->ShowLanguage(translations_.Current());
  window->Load();
  window->show();
}

void Application::OpenAddLocation() {
  if (addLocation_) {
    addLocation_->raise();
    addLocation_->activateWindow();
    return;
  }
  if (!towns_) towns_ = std::make_unique<TownSearch>(options_.townFolder);
  auto* dialog =
      new AddLocationDialog(options_.placeFile, towns_.get(), LanguageCode(translations_.Current()), mainWindow_);
  addLocation_ = dialog;
  // The main window keeps its month and place; a place stored, or one listed
  // already and chosen in the dialog, is selected there and its month shown.
  connect(dialog, &AddLocationDialog::ended, this, [this, dialog](frmAddLocation::Outcome, int position) {
    if (addLocation_ == dialog) addLocation_ = nullptr;
    dialog->deleteLater();
    if (position >= 0 && mainWindow_) mainWindow_->PlaceAdded(position);
  });
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
}

void Application::OpenAbout() {
  if (!about_) {
    about_ = new AboutBox(options_.placeFile);
    connect(about_, &AboutBox::helpRequested, this, [this] {
      if (ShowHelp(about_)) about_->close();
    });
  }
  about_->show();
  about_->raise();
  about_->activateWindow();
}

bool Application::ShowHelp(QWidget* owner) {
  const QFileInfo file(HelpDocumentFor(options_.helpFile, translations_.Current()));
  if (options_.helpFile.isEmpty() || !file.isFile() || !file.isReadable()) {
    ShowMessage(owner, QCoreApplication::translate("HelpWindow", "The help document %1 was not found: %2")
                           .arg(QString::fromLatin1(kHelpDocumentName), file.absoluteFilePath()));
    return false;
  }
  if (!help_) {
    help_ = new QTextBrowser;
    help_->setObjectName(QStringLiteral("helpBrowser"));
    help_->setOpenExternalLinks(true);
    OnLanguageChange(help_, [help = help_.data()] {
      help->setWindowTitle(QCoreApplication::translate("HelpWindow", "Kalnika Help"));
    });
    // Escape closes the help, as it closes a dialog.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), help_);
    connect(close, &QShortcut::activated, help_, &QWidget::close);
    // A page of text beside the main window, within the screen, frame included.
    QSize size(kHelpWidth * help_->logicalDpiX() / 96, kHelpHeight * help_->logicalDpiY() / 96);
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
      const QRect room = screen->availableGeometry();
      size = size.boundedTo(room.size() - QSize(2 * kFrameAllowance, 5 * kFrameAllowance));
      help_->resize(size);
      help_->move(room.left() + (room.width() - size.width()) / 2, room.top() + kFrameAllowance * 4);
    } else {
      help_->resize(size);
    }
  }
  help_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
  help_->show();
  help_->raise();
  help_->activateWindow();
  return true;
}

}  // namespace kalnika::ui
