#pragma once
// The language of the interface: Marathi or English. It follows the system's
// locale until the user chooses one in View > Language, which is remembered.
// Every text the windows show is written in English in the sources and looked up
// in the program's translation (ui/translations/kalnika_mr.ts, built into
// kalnika_mr.qm and installed beside the help document); Qt's own dialogs take
// Qt's translation where Debian has one for the language.
//
// A window joins in two steps: it sets each text through
// QCoreApplication::translate (or tr) inside OnLanguageChange, which sets it at
// once and again whenever the language changes; and its source is listed in
// ui/CMakeLists.txt, from which `cmake --build build --target kalnika_lupdate`
// brings new texts into the translation.
#include <QLocale>
#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "forms/message_box.h"

class QTranslator;

namespace kalnika::ui {

enum class Language { Marathi, English };

// The language of a locale: Marathi for Marathi (mr, mr_IN), otherwise English.
Language LanguageOfLocale(const QLocale& locale);
// The language chosen in the View menu, remembered in the settings
// ("interface/language"); before any choice, that of the system's locale.
Language LoadLanguage();
void StoreLanguage(Language language);

// "mr", "en": the code of the translation files and of ICU's names.
QString LanguageCode(Language language);
// The language's own name, as the View menu offers it: "मराठी", "English".
QString LanguageName(Language language);
// The locale of the language, whose digits and month names dates are written in.
QLocale LanguageLocale(Language language);

// The translations of the running program: the program's own for the language
// and Qt's (qtbase) where the system has them. Setting a language installs them,
// which sends every widget a LanguageChange event.
class Translations {
 public:
  // `folder`: where kalnika_mr.qm is (the bundled data folder's translations/).
  explicit Translations(std::filesystem::path folder);
  ~Translations();
  void Set(Language language);
  Language Current() const { return current_; }
  // Whether the program's translation of the language was loaded (English needs none).
  bool Loaded() const { return loaded_; }

 private:
  std::filesystem::path folder_;
  std::vector<std::unique_ptr<QTranslator>> installed_;
  Language current_ = Language::English;
  bool loaded_ = true;
};

// The folder of the translations under the bundled data folder.
std::filesystem::path TranslationFolder(const std::filesystem::path& dataFolder);

// Calls `apply` now and whenever the interface language changes (when `widget`
// receives QEvent::LanguageChange), for as long as the widget lives.
void OnLanguageChange(QWidget* widget, std::function<void()> apply);

// A form's message in the interface language: its English text looked up in the
// context "Messages", each text of its places too (an entry's name), the places
// filled. A message the translation does not have shows in English.
QString TranslatedMessage(const Message& message);
// A message whose places hold texts of their own (a place's name, its coordinates):
// its text looked up and the places filled as they are, blanks around trimmed.
QString TranslatedText(const Message& message);

// The help document of a language: KALNIKA.mr.html beside the English
// KALNIKA.html, when it is there; otherwise the English one.
QString HelpDocumentFor(const QString& englishDocument, Language language);

}  // namespace kalnika::ui
