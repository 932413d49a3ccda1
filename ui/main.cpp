// The desktop program kalnika: the month table window of the Hindu lunisolar
// calendar for a chosen place.
#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <string_view>

#include "forms/place_file_location.h"
#include "ui/application.h"
#include "ui/main_window.h"

namespace {

// --help and --version print and end: they need no display, so that they work in a
// terminal without one (a QApplication would abort there before the parser ran).
bool OnlyPrints(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--help" || a == "-h" || a == "-?" || a == "--help-all" || a == "--version" || a == "-v") return true;
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  std::unique_ptr<QCoreApplication> application;
  if (OnlyPrints(argc, argv))
    application = std::make_unique<QCoreApplication>(argc, argv);
  else
    application = std::make_unique<QApplication>(argc, argv);
  QCoreApplication& app = *application;
  // The settings (the View menu's choices) live in the configuration folder
  // "Kalnika" (Kalnika/Kalnika.conf), beside the user's place file, the folder
  // kalnika-cli reads too. Without an organisation Qt would put them in a folder
  // "Unknown Organization".
  QCoreApplication::setOrganizationName(QStringLiteral("Kalnika"));
  QCoreApplication::setApplicationName(QStringLiteral("Kalnika"));
  QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
  QGuiApplication::setDesktopFileName(QStringLiteral("kalnika"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Kalnika: the Hindu almanac of a month for a place."));
  parser.addHelpOption();
  parser.addVersionOption();
  // For the documentation: saves a picture of the active window after start-up and
  // ends: the main window, or a window opened meanwhile (the day view, by xdotool).
  QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                QStringLiteral("Save a picture of the active window to FILE and quit."),
                                QStringLiteral("FILE"));
  screenshot.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(screenshot);
  // For pictures of dialogs and menus opened meanwhile (by xdotool): the picture is
  // taken after MS milliseconds, of the whole screen.
  QCommandLineOption delay(QStringLiteral("screenshot-delay"), QStringLiteral("Take the picture after MS milliseconds."),
                           QStringLiteral("MS"), QStringLiteral("500"));
  delay.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(delay);
  QCommandLineOption wholeScreen(QStringLiteral("screenshot-screen"),
                                 QStringLiteral("Take the picture of the whole screen."));
  wholeScreen.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(wholeScreen);
  parser.process(app);

  kalnika::ui::Application::Options options;
  options.placeFile = kalnika::ResolvePlaceFile(kalnika::ProgramDir(), kalnika::UserConfigDir());
  options.bundledPlaceFile = kalnika::BundledDataDir(kalnika::ProgramDir()) / kalnika::kPlaceFileName;
  options.translationFolder = kalnika::ui::TranslationFolder(kalnika::BundledDataDir(kalnika::ProgramDir()));
  options.today = [] { return QDate::currentDate(); };
  options.helpFile = QString::fromStdString(kalnika::FindHelpDocument(kalnika::ProgramDir()).string());
  kalnika::ui::Application kalnika(options);
  kalnika.Start();

  if (parser.isSet(screenshot)) {
    const QString file = parser.value(screenshot);
    const bool screen = parser.isSet(wholeScreen);
    // Half a second lets the window system map and paint the window.
    QTimer::singleShot(parser.value(delay).toInt(), &app, [&app, &kalnika, file, screen] {
      QWidget* window = QApplication::activeWindow();
      if (window == nullptr) window = kalnika.mainWindow();
      const QPixmap picture = window == nullptr ? QPixmap()
                              : screen          ? window->screen()->grabWindow(0)
                                                : window->grab();
      const bool saved = !picture.isNull() && picture.save(file);
      if (!saved) std::fprintf(stderr, "kalnika: the picture could not be saved to %s\n", qPrintable(file));
      app.exit(saved ? 0 : 1);
    });
  }
  return QApplication::exec();
}
