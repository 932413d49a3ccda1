#pragma once
// The program's windows: the main window, the add-place dialog as its child (the
// window keeps its month and place, and selects the place added); the About box
// beside it (one instance); the help window. And the interface language, which
// the View menu changes for all of them at once.
#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

#include "forms/town_search.h"
#include "ui/language.h"

class QTextBrowser;

namespace kalnika::ui {

class AboutBox;
class AddLocationDialog;
class MainWindow;

// Name of the help document, looked for beside the program.
inline constexpr const char* kHelpDocumentName = "KALNIKA.html";

class Application : public QObject {
  Q_OBJECT
 public:
  struct Options {
    std::filesystem::path placeFile;  // the place file of this copy of the program
    // The place file shipped with the program: the zone names of the bundled
    // places when the user's copy predates them.
    std::filesystem::path bundledPlaceFile;
    std::function<QDate()> today;     // the date whose month a start-up shows
    QString helpFile;                 // the help document (KALNIKA.html)
    // The folder of GeoNames' town files for the add-place dialog's finder.
    std::filesystem::path townFolder = DefaultTownFolder();
    // The folder of the translations (kalnika_mr.qm).
    std::filesystem::path translationFolder;
  };
  explicit Application(Options options);
  ~Application() override;

  // Sets the interface language (the one remembered, or the system's), shows the
  // main window and runs its start-up.
  void Start();

  // Changes the interface language of every window and remembers it.
  void SetLanguage(Language language);
  Language CurrentLanguage() const { return translations_.Current(); }

  // The windows now open (null when not open).
  MainWindow* mainWindow() const;
  AddLocationDialog* addLocationDialog() const;
  AboutBox* aboutBox() const;
  QTextBrowser* helpWindow() const;

  // Shows the help document; when it is missing, says so in a message box on
  // `owner`. Returns whether it is shown.
  bool ShowHelp(QWidget* owner);

 private:
  void OpenMainWindow();
  void OpenAddLocation();
  void OpenAbout();

  Options options_;
  Translations translations_;
  QPointer<MainWindow> mainWindow_;
  QPointer<AddLocationDialog> addLocation_;
  QPointer<AboutBox> about_;
  QPointer<QTextBrowser> help_;
  // The towns of the add-place dialog, read when the dialog first searches, kept
  // for the program's run.
  std::unique_ptr<TownSearch> towns_;
};

}  // namespace kalnika::ui

// Registers the program's compiled-in resources (its icon); called by Application.
void KalnikaInitResources();
