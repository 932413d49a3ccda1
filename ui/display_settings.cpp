#include "ui/display_settings.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QSettings>

#include "ui/language.h"

namespace kalnika::ui {

namespace {
constexpr const char* kScriptKey = "display/script";
constexpr const char* kDigitsKey = "display/digits";
constexpr const char* kXdvngFontKey = "display/xdvngFont";
constexpr const char* kMethodKey = "calculation/method";
constexpr const char* kClockKey = "calculation/clock";
constexpr const char* kMonthViewKey = "view/month";

QString Key(const char* key) { return QString::fromLatin1(key); }

// One choice of a group of exclusive, checkable actions; its text is set in the
// interface language.
QAction* AddChoice(QMenu* menu, QActionGroup* group, const char* name) {
  QAction* action = menu->addAction(QString());
  action->setObjectName(QString::fromLatin1(name));
  action->setCheckable(true);
  group->addAction(action);
  return action;
}
}  // namespace

DisplayOptions LoadDisplayOptions() {
  QSettings settings;
  DisplayOptions options;
  const QString script = settings.value(Key(kScriptKey)).toString();
  options.script = script == QStringLiteral("latin")      ? Script::Latin
                   : script == QStringLiteral("iso15919") ? Script::Iso15919
                                                          : Script::Unicode;
  options.digits = settings.value(Key(kDigitsKey)).toString() == QStringLiteral("western") ? xdvng::Digits::Latin
                                                                                          : xdvng::Digits::Devanagari;
  // The stored bytes can be drawn only while the font is installed.
  options.xdvngFont = settings.value(Key(kXdvngFontKey), false).toBool() && XdvngFontInstalled();
  return options.Prepared();
}

void StoreDisplayOptions(const DisplayOptions& options) {
  QSettings settings;
  settings.setValue(Key(kScriptKey), options.script == Script::Latin      ? QStringLiteral("latin")
                                     : options.script == Script::Iso15919 ? QStringLiteral("iso15919")
                                                                          : QStringLiteral("devanagari"));
  settings.setValue(Key(kDigitsKey),
                    options.digits == xdvng::Digits::Latin ? QStringLiteral("western") : QStringLiteral("devanagari"));
  settings.setValue(Key(kXdvngFontKey), options.xdvngFont);
}

CalculationSettings LoadCalculationSettings() {
  QSettings settings;
  CalculationSettings chosen;
  // A new user, or settings stored before any method was chosen, start on the
  // precise method; the classic one stays where it was chosen.
  chosen.method = settings.value(Key(kMethodKey)).toString() == QStringLiteral("classic") ? Method::Classic
                                                                                         : Method::Precise;
  chosen.clock = settings.value(Key(kClockKey)).toString() == QStringLiteral("manual") ? ClockSetting::Manual
                                                                                      : ClockSetting::Automatic;
  return chosen;
}

void StoreCalculationSettings(const CalculationSettings& chosen) {
  QSettings settings;
  settings.setValue(Key(kMethodKey),
                    chosen.method == Method::Precise ? QStringLiteral("precise") : QStringLiteral("classic"));
  settings.setValue(Key(kClockKey),
                    chosen.clock == ClockSetting::Manual ? QStringLiteral("manual") : QStringLiteral("automatic"));
}

DisplayMenu::DisplayMenu(QMenu* view, const DisplayOptions& shown, std::function<void(const DisplayOptions&)> chosen)
    : QObject(view), chosen_(std::move(chosen)) {
  auto* scripts = new QActionGroup(this);
  scripts->setExclusive(true);
  devanagariDigits_ = AddChoice(view, scripts, "actionDevanagariDigits");
  westernDigits_ = AddChoice(view, scripts, "actionWesternDigits");
  latin_ = AddChoice(view, scripts, "actionLatin");
  iso15919_ = AddChoice(view, scripts, "actionIso15919");
  view->setToolTipsVisible(true);
  view->addSeparator();
  xdvngFont_ = view->addAction(QString());
  OnLanguageChange(view, [this] {
    devanagariDigits_->setText(QCoreApplication::translate("ViewMenu", "&Devanagari"));
    westernDigits_->setText(QCoreApplication::translate("ViewMenu", "Devanagari with &Western Digits"));
    latin_->setText(QCoreApplication::translate("ViewMenu", "&Latin"));
    iso15919_->setText(QCoreApplication::translate("ViewMenu", "Latin with &ISO 15919 Marks"));
    latin_->setToolTip(QCoreApplication::translate("ViewMenu", "The names as Marathi calendars print them in English letters (Chaitra, "
                          "Ekadashi); months and weekdays in English"));
    iso15919_->setToolTip(QCoreApplication::translate("ViewMenu", "Letter for letter, with the marks of ISO 15919 (Caitra, Ēkādaśī)"));
    xdvngFont_->setText(QCoreApplication::translate("ViewMenu", "Draw with the &Xdvng Font"));
  });
  xdvngFont_->setObjectName(QStringLiteral("actionXdvngFont"));
  xdvngFont_->setCheckable(true);
  // Without the font the stored bytes cannot be drawn as they are.
  const bool fontInstalled = XdvngFontInstalled();
  xdvngFont_->setVisible(fontInstalled);
  Show(shown);

  connect(scripts, &QActionGroup::triggered, this, [this] {
    if (!showing_) chosen_(Chosen());
  });
  connect(xdvngFont_, &QAction::toggled, this, [this] {
    if (!showing_) chosen_(Chosen());
  });
}

DisplayOptions DisplayMenu::Chosen() const {
  DisplayOptions options;
  options.script = latin_->isChecked() ? Script::Latin : iso15919_->isChecked() ? Script::Iso15919 : Script::Unicode;
  // The Latin scripts write Western digits.
  options.digits = devanagariDigits_->isChecked() ? xdvng::Digits::Devanagari : xdvng::Digits::Latin;
  options.xdvngFont = xdvngFont_->isChecked();
  return options.Prepared();
}

void DisplayMenu::Show(const DisplayOptions& options) {
  // The actions' own signals stay on: the group keeps them exclusive through them.
  showing_ = true;
  QAction* script = options.script == Script::Latin      ? latin_
                    : options.script == Script::Iso15919 ? iso15919_
                    : options.digits == xdvng::Digits::Latin ? westernDigits_
                                                             : devanagariDigits_;
  script->setChecked(true);
  xdvngFont_->setChecked(options.xdvngFont);
  // The font draws the Devanagari bytes, not a transliteration.
  xdvngFont_->setEnabled(XdvngFontInstalled() && !options.Latin());
  showing_ = false;
}

CalculationMenu::CalculationMenu(QMenu* view, const CalculationSettings& shown,
                                 std::function<void(const CalculationSettings&)> chosen)
    : QObject(view), chosen_(std::move(chosen)) {
  auto* methods = new QActionGroup(this);
  methods->setExclusive(true);
  classic_ = AddChoice(view, methods, "actionClassicMethod");
  precise_ = AddChoice(view, methods, "actionPreciseMethod");
  view->addSeparator();
  auto* clocks = new QActionGroup(this);
  clocks->setExclusive(true);
  automaticClock_ = AddChoice(view, clocks, "actionAutomaticClock");
  manualClock_ = AddChoice(view, clocks, "actionManualClock");
  OnLanguageChange(view, [this] {
    classic_->setText(QCoreApplication::translate("ViewMenu", "&Classic Method"));
    precise_->setText(QCoreApplication::translate("ViewMenu", "&Precise Method (Swiss Ephemeris)"));
    classic_->setToolTip(QCoreApplication::translate("ViewMenu", "The almanac's own rules: every day at 0 h universal time"));
    precise_->setToolTip(QCoreApplication::translate("ViewMenu", "Swiss Ephemeris, Lahiri zodiac, every day reckoned at its sunrise (years up to 2999)"));
    automaticClock_->setText(QCoreApplication::translate("ViewMenu", "Clock: &Automatic (Place's Time Zone)"));
    manualClock_->setText(QCoreApplication::translate("ViewMenu", "Clock: By the Daylight-Saving &Box"));
    automaticClock_->setToolTip(QCoreApplication::translate("ViewMenu", "Standard or summer time on each date, as the place's time zone kept it; a "
                                   "place without a zone name follows the box"));
    manualClock_->setToolTip(QCoreApplication::translate("ViewMenu", "The place's own offset, one hour later when the box is ticked"));
  });
  view->setToolTipsVisible(true);
  view->addSeparator();
  Show(shown);
  for (QActionGroup* group : {methods, clocks})
    connect(group, &QActionGroup::triggered, this, [this] {
      if (!showing_) chosen_(Chosen());
    });
}

CalculationSettings CalculationMenu::Chosen() const {
  return {precise_->isChecked() ? Method::Precise : Method::Classic,
          manualClock_->isChecked() ? ClockSetting::Manual : ClockSetting::Automatic};
}

void CalculationMenu::Show(const CalculationSettings& settings) {
  showing_ = true;
  (settings.method == Method::Precise ? precise_ : classic_)->setChecked(true);
  (settings.clock == ClockSetting::Manual ? manualClock_ : automaticClock_)->setChecked(true);
  showing_ = false;
}

MonthView LoadMonthView() {
  return QSettings().value(QString::fromLatin1(kMonthViewKey)).toString() == QStringLiteral("wall") ? MonthView::Wall
                                                                                                   : MonthView::Table;
}

void StoreMonthView(MonthView view) {
  QSettings().setValue(QString::fromLatin1(kMonthViewKey),
                       view == MonthView::Wall ? QStringLiteral("wall") : QStringLiteral("table"));
}

MonthViewMenu::MonthViewMenu(QMenu* view, MonthView shown, std::function<void(MonthView)> chosen) : QObject(view) {
  view->addSeparator();
  auto* views = new QActionGroup(this);
  views->setExclusive(true);
  table_ = AddChoice(view, views, "actionMonthTable");
  wall_ = AddChoice(view, views, "actionWallCalendar");
  OnLanguageChange(view, [this] {
    table_->setText(QCoreApplication::translate("ViewMenu", "Month &Table"));
    wall_->setText(QCoreApplication::translate("ViewMenu", "Wall Cale&ndar"));
  });
  table_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
  wall_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
  Show(shown);
  connect(table_, &QAction::triggered, this, [chosen] { chosen(MonthView::Table); });
  connect(wall_, &QAction::triggered, this, [chosen] { chosen(MonthView::Wall); });
}

void MonthViewMenu::Show(MonthView shown) { (shown == MonthView::Wall ? wall_ : table_)->setChecked(true); }

}  // namespace kalnika::ui
