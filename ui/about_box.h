#pragma once
// The About box frmAbout: the program, its version and authors, its licence, the
// credits of the data it uses, the place file in use, and the way to the help.
#include <QDialog>
#include <QtGlobal>
#include <filesystem>

namespace kalnika::ui {

// Caption of the About box and the author credit of the program (context
// "AboutBox" of the translations).
inline constexpr const char* kAuthor = QT_TRANSLATE_NOOP("AboutBox", "the Kalnika developers");
inline constexpr const char* kAboutTitle =
    QT_TRANSLATE_NOOP("AboutBox", "KALNIKA Ver. 1.0 By the Kalnika developers");
inline constexpr const char* kVersion = "1.0";
inline constexpr const char* kLicence =
    QT_TRANSLATE_NOOP("AboutBox", "GNU Affero General Public License, version 3 or later");

// The program's icon (the window icon and the About box's picture).
QIcon ProgramIcon();

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  // `placeFile`: the place file this copy of the program uses, named in the box.
  explicit AboutBox(const std::filesystem::path& placeFile, QWidget* parent = nullptr);

 signals:
  // cmdHelp or the help link: show the help document (which closes the box when it
  // is shown).
  void helpRequested();
};

}  // namespace kalnika::ui
