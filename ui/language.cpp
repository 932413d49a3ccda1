#include "ui/language.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include "ui/display_text.h"

namespace kalnika::ui {

namespace {

constexpr const char* kLanguageKey = "interface/language";

// Runs a function when its widget's language changes.
class LanguageWatcher : public QObject {
 public:
  LanguageWatcher(QWidget* widget, std::function<void()> apply) : QObject(widget), apply_(std::move(apply)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::LanguageChange && watched == parent()) apply_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> apply_;
};

// Installing a translation posts a LanguageChange to the application, which posts
// one to every window: both are delivered now, so that the windows change at once,
// not at the next turn of the event loop.
void DeliverLanguageChange() {
  QCoreApplication::sendPostedEvents(QCoreApplication::instance(), QEvent::LanguageChange);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

}  // namespace

Language LanguageOfLocale(const QLocale& locale) {
  return locale.language() == QLocale::Marathi ? Language::Marathi : Language::English;
}

Language LoadLanguage() {
  const QString code = QSettings().value(QString::fromLatin1(kLanguageKey)).toString();
  if (code == QStringLiteral("mr")) return Language::Marathi;
  if (code == QStringLiteral("en")) return Language::English;
  return LanguageOfLocale(QLocale::system());
}

void StoreLanguage(Language language) { QSettings().setValue(QString::fromLatin1(kLanguageKey), LanguageCode(language)); }

QString LanguageCode(Language language) {
  return language == Language::Marathi ? QStringLiteral("mr") : QStringLiteral("en");
}

QString LanguageName(Language language) {
  return language == Language::Marathi ? QStringLiteral("\u092E\u0930\u093E\u0920\u0940") : QStringLiteral("English");
}

QLocale LanguageLocale(Language language) {
  return language == Language::Marathi ? QLocale(QLocale::Marathi, QLocale::India)
                                       : QLocale(QLocale::English, QLocale::UnitedStates);
}

std::filesystem::path TranslationFolder(const std::filesystem::path& dataFolder) { return dataFolder / "translations"; }

Translations::Translations(std::filesystem::path folder) : folder_(std::move(folder)) {}

Translations::~Translations() {
  for (const auto& translator : installed_) QCoreApplication::removeTranslator(translator.get());
}

void Translations::Set(Language language) {
  for (const auto& translator : installed_) QCoreApplication::removeTranslator(translator.get());
  installed_.clear();
  current_ = language;
  loaded_ = true;
  QLocale::setDefault(LanguageLocale(language));
  if (language == Language::English) {
    // The sources are English; the removals posted a LanguageChange, which reaches
    // every window now (or one is sent when there was nothing to remove).
    QCoreApplication::removePostedEvents(QCoreApplication::instance(), QEvent::LanguageChange);
    QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::LanguageChange));
    DeliverLanguageChange();
    return;
  }
  const QString code = LanguageCode(language);
  const QString folder = QString::fromStdString(folder_.string());
  // Qt's own texts first, so that the program's own (the buttons of Qt's dialogs
  // where Qt has no translation of the language) are looked up before them.
  const auto install = [this](const QString& name, const QString& in) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, in)) return false;
    QCoreApplication::installTranslator(translator.get());
    installed_.push_back(std::move(translator));
    return true;
  };
  install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  install(QStringLiteral("kalnika_qt_") + code, folder);
  loaded_ = install(QStringLiteral("kalnika_") + code, folder);
  DeliverLanguageChange();
}

void OnLanguageChange(QWidget* widget, std::function<void()> apply) {
  apply();
  new LanguageWatcher(widget, std::move(apply));
}

namespace {

// A message's text in the interface language with its places filled one by one
// from %1 on, each with its own text (QString::arg would read a "%2" inside a
// place name as a place of its own); the places looked up too when told.
QString Translated(const Message& message, bool placesToo) {
  const auto translated = [](const std::string& text) {
    const QString plain = PlainText(text);
    const QString shown = QCoreApplication::translate(kMessageContext, text.c_str());
    // A text outside the translation comes back as its bytes read as UTF-8; the
    // place file's texts may be Latin-1.
    return shown == QString::fromUtf8(text) ? plain : shown;
  };
  QString text = translated(message.source);
  QString filled;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
    const int place = next.digitValue();
    if (text[i] == QLatin1Char('%') && place >= 1 && static_cast<std::size_t>(place) <= message.args.size()) {
      const std::string& arg = message.args[static_cast<std::size_t>(place - 1)];
      filled += placesToo ? translated(arg) : PlainText(arg);
      ++i;
    } else {
      filled += text[i];
    }
  }
  return filled;
}

}  // namespace

QString TranslatedMessage(const Message& message) { return Translated(message, true); }

QString TranslatedText(const Message& message) { return Translated(message, false).trimmed(); }

QString HelpDocumentFor(const QString& englishDocument, Language language) {
  if (language == Language::English || englishDocument.isEmpty()) return englishDocument;
  QString own = englishDocument;
  if (own.endsWith(QStringLiteral(".html"))) own.insert(own.size() - 5, QLatin1Char('.') + LanguageCode(language));
  return QFileInfo(own).isFile() ? own : englishDocument;
}

}  // namespace kalnika::ui
