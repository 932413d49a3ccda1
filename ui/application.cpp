#include "ui/application.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

#include "ui/about_box.h"
#include "ui/add_location_dialog.h"
#include "ui/main_window.h"
#include "ui/window_message_box.h"

// Outside any namespace: the resource initialiser is a global function.
void KalnikaInitResources() { Q_INIT_RESOURCE(kalnika); }

namespace kalnika::ui {

namespace {
// The help window's size in pixels at 96 dpi: a page of text beside the main window.
constexpr int kHelpWidth = 820;
constexpr int kHelpHeight = 760;
}  // namespace

Application::Application(Options options) : options_(std::move(options)) {
  KalnikaInitResources();
  QApplication::setWindowIcon(ProgramIcon());
}

Application::~Application() {
  // The windows are top-level and owned here.
  delete mainWindow_.data();
  delete addLocation_.data();
  delete about_.data();
  delete help_.data();
}

void Application::Start() { OpenMainWindow(); }

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
  window->Load();
  window->show();
}

void Application::OpenAddLocation() {
  if (addLocation_) return;
  if (!towns_) towns_ = std::make_unique<TownSearch>(options_.townFolder);
  auto* dialog = new AddLocationDialog(options_.placeFile, towns_.get());
  addLocation_ = dialog;
  connect(dialog, &AddLocationDialog::returnToMainWindow, this, &Application::ReturnFromAddLocation);
  // The dialog is shown before the main window goes, so that the program does not
  // end for want of a window.
  dialog->show();
  dialog->activateWindow();
  if (MainWindow* window = mainWindow_) {
    mainWindow_ = nullptr;
    window->hide();
    window->deleteLater();
  }
}

void Application::ReturnFromAddLocation() {
  OpenMainWindow();
  if (AddLocationDialog* dialog = addLocation_) {
    addLocation_ = nullptr;
    dialog->hide();
    dialog->deleteLater();
  }
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
  const QFileInfo file(options_.helpFile);
  if (options_.helpFile.isEmpty() || !file.isFile() || !file.isReadable()) {
    ShowMessage(owner, QStringLiteral("The help document %1 was not found: %2")
                           .arg(QString::fromLatin1(kHelpDocumentName), file.absoluteFilePath()));
    return false;
  }
  if (!help_) {
    help_ = new QTextBrowser;
    help_->setObjectName(QStringLiteral("helpBrowser"));
    help_->setWindowTitle(QStringLiteral("Kalnika Help"));
    help_->setOpenExternalLinks(true);
    help_->resize(kHelpWidth * help_->logicalDpiX() / 96, kHelpHeight * help_->logicalDpiY() / 96);
  }
  help_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
  help_->show();
  help_->raise();
  help_->activateWindow();
  return true;
}

}  // namespace kalnika::ui
