#include "ui/display_settings.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>

namespace kalnika::ui {

namespace {
constexpr const char* kDigitsKey = "display/digits";
constexpr const char* kXdvngFontKey = "display/xdvngFont";
}  // namespace

DisplayOptions LoadDisplayOptions() {
  QSettings settings;
  DisplayOptions options;
  options.digits = settings.value(QString::fromLatin1(kDigitsKey)).toString() == QStringLiteral("western")
                       ? xdvng::Digits::Latin
                       : xdvng::Digits::Devanagari;
  // The stored bytes can be drawn only while the font is installed.
  options.xdvngFont = settings.value(QString::fromLatin1(kXdvngFontKey), false).toBool() && XdvngFontInstalled();
  return options;
}

void StoreDisplayOptions(const DisplayOptions& options) {
  QSettings settings;
  settings.setValue(QString::fromLatin1(kDigitsKey),
                    options.digits == xdvng::Digits::Latin ? QStringLiteral("western") : QStringLiteral("devanagari"));
  settings.setValue(QString::fromLatin1(kXdvngFontKey), options.xdvngFont);
}

DisplayMenu::DisplayMenu(QMenu* view, const DisplayOptions& shown, std::function<void(const DisplayOptions&)> chosen)
    : QObject(view), chosen_(std::move(chosen)) {
  auto* digits = new QActionGroup(this);
  digits->setExclusive(true);
  devanagariDigits_ = view->addAction(QStringLiteral("&Devanagari digits"));
  devanagariDigits_->setObjectName(QStringLiteral("actionDevanagariDigits"));
  westernDigits_ = view->addAction(QStringLiteral("&Western digits"));
  westernDigits_->setObjectName(QStringLiteral("actionWesternDigits"));
  for (QAction* action : {devanagariDigits_, westernDigits_}) {
    action->setCheckable(true);
    digits->addAction(action);
  }
  view->addSeparator();
  xdvngFont_ = view->addAction(QStringLiteral("Draw with the &Xdvng font"));
  xdvngFont_->setObjectName(QStringLiteral("actionXdvngFont"));
  xdvngFont_->setCheckable(true);
  // Without the font the stored bytes cannot be drawn as they are.
  const bool fontInstalled = XdvngFontInstalled();
  xdvngFont_->setEnabled(fontInstalled);
  xdvngFont_->setVisible(fontInstalled);
  Show(shown);

  connect(digits, &QActionGroup::triggered, this, [this] {
    if (!showing_) chosen_(Chosen());
  });
  connect(xdvngFont_, &QAction::toggled, this, [this] {
    if (!showing_) chosen_(Chosen());
  });
}

DisplayOptions DisplayMenu::Chosen() const {
  DisplayOptions options;
  options.digits = westernDigits_->isChecked() ? xdvng::Digits::Latin : xdvng::Digits::Devanagari;
  options.xdvngFont = xdvngFont_->isChecked();
  return options;
}

void DisplayMenu::Show(const DisplayOptions& options) {
  // The actions' own signals stay on: the group keeps them exclusive through them.
  showing_ = true;
  (options.digits == xdvng::Digits::Latin ? westernDigits_ : devanagariDigits_)->setChecked(true);
  xdvngFont_->setChecked(options.xdvngFont);
  showing_ = false;
}

}  // namespace kalnika::ui
