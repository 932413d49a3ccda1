#include "ui/main_window_design.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "ui/language.h"
#include "ui/twips.h"

namespace kalnika::ui {

namespace {

// The fonts of the design; a family missing on this system is replaced by the
// closest installed one of the same kind.
enum class FontDesign { Standard, Sans825Bold, Sans975Bold, Times825, Times975Bold, Times1125Bold };

QFont DesignFont(FontDesign design, const QFont& standard) {
  const auto font = [](const char* family, QFont::StyleHint hint, double points, bool bold) {
    QFont f(QString::fromLatin1(family));
    f.setStyleHint(hint);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
  };
  switch (design) {
    case FontDesign::Sans825Bold: return font("MS Sans Serif", QFont::SansSerif, 8.25, true);
    case FontDesign::Sans975Bold: return font("MS Sans Serif", QFont::SansSerif, 9.75, true);
    case FontDesign::Times825: return font("Times New Roman", QFont::Serif, 8.25, false);
    case FontDesign::Times975Bold: return font("Times New Roman", QFont::Serif, 9.75, true);
    case FontDesign::Times1125Bold: return font("Times New Roman", QFont::Serif, 11.25, true);
    case FontDesign::Standard: break;
  }
  return standard;
}

enum class Kind { Caption, Label, List, TypedList, Text, Check, Button, Arrow };

// One control of the design: left, top, width, height in twips.
struct ControlDesign {
  const char* name;
  Kind kind;
  const char* caption;
  const char* tooltip;
  FontDesign font;
  TwipsRect rect;
  Qt::ArrowType arrow = Qt::NoArrow;
};

constexpr FontDesign kStandard = FontDesign::Standard;

// Tooltips the design leaves out or that say more than the design's: Calculate
// names its keys; the place box can be typed in.
constexpr const char* kCalculateTip = QT_TRANSLATE_NOOP(
    "MainWindow",
    "Calculate the month table for the month, year and place chosen. The table is calculated at once too when a "
    "month or a place is chosen, or a year typed (Enter, or leaving the box).\n"
    "Page Up / Page Down: previous / next month; Ctrl+Page Up / Ctrl+Page Down: previous / next year.");
constexpr const char* kLocationTip = QT_TRANSLATE_NOOP(
    "MainWindow",
    "Scroll up/down and click on new Location.\nOr type to search: the names that start with the text come first.");

// The design's rectangles, but where its controls reach into each other: by 15
// twips (a pixel) as designed, the month box starts below the month arrows, the
// year box ends left of the year arrows and the lower year arrow starts below the
// upper one; the month box is as wide as "September" in today's fonts, so the year
// box and its caption stand 90 twips, its arrows 105 twips further right, up to the line at
// 2520 twips. As drawn today (a button of a modern style is taller, its caption
// wider), the place box and its caption stand 30 twips lower, below "Set Current
// Location as Default". The place box shows a place's whole name ("Mumbai,
// Maharashtra, India", up to 30 characters), so it runs on to the end of the
// separator line above it (13560 twips); the daylight-saving box and its caption,
// which stood there, move up beside "Set Current Location as Default".
constexpr ControlDesign kControls[] = {
    {"lblMonth", Kind::Caption, QT_TRANSLATE_NOOP("MainWindow", "&Month"), nullptr, kStandard, {480, 8520, 615, 255}},
    {"lblYear", Kind::Caption, QT_TRANSLATE_NOOP("MainWindow", "&Year"), nullptr, kStandard, {1650, 8520, 600, 255}},
    {"lblLatitude", Kind::Caption, QT_TRANSLATE_NOOP("MainWindow", "----Latitude----"), nullptr, FontDesign::Times975Bold, {2760, 8280, 1815, 255}},
    {"lblLatitudeDegrees", Kind::Caption, QT_TRANSLATE_NOOP("MainWindow", "Deg."), nullptr, kStandard, {2640, 8520, 375, 255}},
    {"lblLatitudeMinutes", Kind::Caption, QT_TRANSLATE_NOOP("MainWindow", "Min."), nullptr, kStandard, {4320, 8520, 375, 255}},
    {"lblLongitude", Kind::Caption, QT_TRANSLATE_NOOP("MainWindow", "----Longitude----"), nullptr, FontDesign::Times975Bold, {5040, 8280, 1815, 255}},
    {"lblLongitudeDegrees", Kind::Caption, QT_TRANSLATE_NOOP("MainWindow", "Deg."), nullptr, kStandard, {4920, 8520, 495, 255}},
    {"lblLongitudeMinutes", Kind::Caption, QT_TRANSLATE_NOOP("MainWindow", "Min."), nullptr, kStandard, {6480, 8520, 495, 255}},
    {"lblUTC", Kind::Caption, QT_TRANSLATE_NOOP("MainWindow", "UTC +/-"), nullptr, FontDesign::Sans975Bold, {3360, 8880, 855, 255}},
    {"lblTimeZone0", Kind::Caption, QT_TRANSLATE_NOOP("MainWindow", "Time Zone"), nullptr, FontDesign::Sans975Bold, {4200, 8880, 1215, 255}},
    {"lblLocation", Kind::Caption, QT_TRANSLATE_NOOP("MainWindow", "&Location"), nullptr, FontDesign::Times1125Bold, {7200, 8790, 975, 255}},
    {"lblDayLightSaving", Kind::Caption, QT_TRANSLATE_NOOP("MainWindow", "Day light &saving Time?"), kDaylightSavingTip,
     FontDesign::Times975Bold, {11400, 8400, 2175, 375}},
    {"lstMonth", Kind::List, nullptr, QT_TRANSLATE_NOOP("MainWindow", "Scroll up/down and click for new month."), FontDesign::Sans825Bold,
     {120, 8775, 1335, 255}},
    {"cmdPreviousMonth", Kind::Arrow, nullptr, QT_TRANSLATE_NOOP("MainWindow", "Previous month"), kStandard, {120, 8520, 255, 255}, Qt::LeftArrow},
    {"cmdNextMonth", Kind::Arrow, nullptr, QT_TRANSLATE_NOOP("MainWindow", "Next month"), kStandard, {1200, 8520, 255, 255}, Qt::RightArrow},
    {"txtYear", Kind::Text, nullptr, QT_TRANSLATE_NOOP("MainWindow", "Type any desired year here."), kStandard, {1650, 8760, 600, 285}},
    {"cmdNextYear", Kind::Arrow, nullptr, QT_TRANSLATE_NOOP("MainWindow", "Next year"), kStandard, {2265, 8640, 255, 255}, Qt::UpArrow},
    {"cmdPreviousYear", Kind::Arrow, nullptr, QT_TRANSLATE_NOOP("MainWindow", "Previous year."), kStandard, {2265, 8895, 255, 255}, Qt::DownArrow},
    {"lblKaliYuga", Kind::Label, nullptr, QT_TRANSLATE_NOOP("MainWindow", "New Kaliyugabd starts on January 23."), kStandard, {360, 7920, 3375, 255}},
    {"lblVikram", Kind::Label, nullptr, QT_TRANSLATE_NOOP("MainWindow", "New Vikram Samvat starts on Kartik Shukla Pratipada."), kStandard,
     {3840, 7920, 3135, 255}},
    {"lblLat", Kind::Label, nullptr, nullptr, FontDesign::Times975Bold, {3240, 8520, 855, 255}},
    {"lblLong", Kind::Label, nullptr, nullptr, FontDesign::Times975Bold, {5520, 8520, 975, 255}},
    {"lblTimeZone", Kind::Label, nullptr, nullptr, FontDesign::Times975Bold, {5520, 8880, 1095, 375}},
    {"lstLocation", Kind::TypedList, nullptr, kLocationTip, FontDesign::Times825,
     {8400, 8790, 5160, 270}},
    {"cmdAddLocation", Kind::Button, QT_TRANSLATE_NOOP("MainWindow", "&Add New Locations"), nullptr, FontDesign::Times975Bold, {8400, 7920, 2535, 375}},
    {"cmdDefaultLocation", Kind::Button, QT_TRANSLATE_NOOP("MainWindow", "Set Current Location as &Default"), nullptr, kStandard,
     {8400, 8400, 2535, 255}},
    {"CmdAbout", Kind::Button, QT_TRANSLATE_NOOP("MainWindow", "A&bout/Help"), nullptr, FontDesign::Sans825Bold, {11040, 7920, 1215, 375}},
    {"cmdCalculate", Kind::Button, QT_TRANSLATE_NOOP("MainWindow", "&Calculate"), kCalculateTip, FontDesign::Sans975Bold, {12360, 7920, 1215, 375}},
    {"chkDST", Kind::Check, nullptr, kDaylightSavingTip, kStandard, {11160, 8400, 255, 375}},
};

// Separator lines of the control area (from, to), in twips.
struct LineDesign {
  int x1, y1, x2, y2;
};
constexpr LineDesign kLines[] = {
    {0, 7800, 13560, 7800}, {7080, 7800, 7080, 9120}, {0, 8280, 7080, 8280},
    {2520, 8760, 7080, 8760}, {2520, 8280, 2520, 9360}, {4800, 8280, 4800, 8760},
};

QString Translated(const char* source) {
  return source != nullptr ? QCoreApplication::translate("MainWindow", source) : QString();
}

QWidget* MakeControl(const ControlDesign& design) {
  switch (design.kind) {
    case Kind::Caption:
    case Kind::Label:
      return new QLabel;
    case Kind::List: {
      auto* box = new QComboBox;
      box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
      box->setIconSize(QSize(0, 0));  // no room kept for icons the months do not have
      box->setMinimumContentsLength(4);
      box->setMaxVisibleItems(12);
      return box;
    }
    case Kind::TypedList: {
      auto* box = new QComboBox;
      box->setEditable(true);
      box->setInsertPolicy(QComboBox::NoInsert);  // a typed text never becomes a place
      box->setMaxCount(kMaxPlaces);
      box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
      box->setMinimumContentsLength(8);
      return box;
    }
    case Kind::Text:
      return new QLineEdit;
    case Kind::Check:
      return new QCheckBox;
    case Kind::Button:
      return new QPushButton;
    case Kind::Arrow: {
      auto* button = new QToolButton;
      button->setArrowType(design.arrow);
      // The month arrows are stops of their own; the year's belong to the year box,
      // one stop, whose Up and Down keys step the year as they do.
      const bool year = design.arrow == Qt::UpArrow || design.arrow == Qt::DownArrow;
      button->setFocusPolicy(year ? Qt::NoFocus : Qt::StrongFocus);
      return button;
    }
  }
  return nullptr;
}

}  // namespace

TwipsPanel* BuildControlPanel(MainWindowControls& controls) {
  auto* panel = new TwipsPanel(QPoint(0, kPanelTopTwips), QSize(kClientWidthTwips, kClientHeightTwips - kPanelTopTwips));
  panel->setObjectName(QStringLiteral("controlPanel"));
  for (const LineDesign& line : kLines) panel->AddLine(QPoint(line.x1, line.y1), QPoint(line.x2, line.y2));
  for (const ControlDesign& design : kControls) {
    QWidget* widget = MakeControl(design);
    widget->setObjectName(QString::fromLatin1(design.name));
    widget->setFont(DesignFont(design.font, panel->font()));
    panel->Place(widget, design.rect, design.kind != Kind::Arrow);
  }
  // The captions and tooltips in the interface language, now and at every change
  // of it; the panel measures its children again for their new texts.
  OnLanguageChange(panel, [panel] {
    for (const ControlDesign& design : kControls) {
      QWidget* widget = panel->findChild<QWidget*>(QString::fromLatin1(design.name));
      if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && design.caption != nullptr)
        label->setText(Translated(design.caption));
      if (auto* button = qobject_cast<QPushButton*>(widget)) button->setText(Translated(design.caption));
      widget->setToolTip(Translated(design.tooltip));
    }
    if (auto* places = panel->findChild<QComboBox*>(QStringLiteral("lstLocation")))
      places->lineEdit()->setPlaceholderText(QCoreApplication::translate("MainWindow", "type to search"));
    panel->Relayout();
  });
  // A caption's Alt-letter goes to the control it names.
  const auto buddy = [panel](const char* label, const char* control) {
    panel->findChild<QLabel*>(QString::fromLatin1(label))->setBuddy(panel->findChild<QWidget*>(QString::fromLatin1(control)));
  };
  buddy("lblMonth", "lstMonth");
  buddy("lblYear", "txtYear");
  buddy("lblLocation", "lstLocation");
  buddy("lblDayLightSaving", "chkDST");
  const auto find = [panel](auto*& into, const char* name) {
    into = panel->findChild<std::remove_reference_t<decltype(*into)>*>(QString::fromLatin1(name));
  };
  find(controls.lstMonth, "lstMonth");
  find(controls.txtYear, "txtYear");
  find(controls.lstLocation, "lstLocation");
  find(controls.chkDST, "chkDST");
  find(controls.lblLat, "lblLat");
  find(controls.lblLong, "lblLong");
  find(controls.lblTimeZone, "lblTimeZone");
  find(controls.lblKaliYuga, "lblKaliYuga");
  find(controls.lblVikram, "lblVikram");
  find(controls.cmdCalculate, "cmdCalculate");
  find(controls.cmdAddLocation, "cmdAddLocation");
  find(controls.cmdDefaultLocation, "cmdDefaultLocation");
  find(controls.CmdAbout, "CmdAbout");
  find(controls.cmdPreviousMonth, "cmdPreviousMonth");
  find(controls.cmdNextMonth, "cmdNextMonth");
  find(controls.cmdNextYear, "cmdNextYear");
  find(controls.cmdPreviousYear, "cmdPreviousYear");
  return panel;
}

void FitListToItems(QComboBox* box) {
  // The least width of a combo box counts "X"s: as many as its widest entry is
  // wide, in whatever font the box is drawn.
  const QFontMetricsF metrics(box->font());
  double widest = 0;
  for (int i = 0; i < box->count(); ++i) widest = std::max(widest, metrics.horizontalAdvance(box->itemText(i)));
  box->setMinimumContentsLength(static_cast<int>(std::ceil(widest / metrics.horizontalAdvance(QLatin1Char('X')))));
  QEvent changed(QEvent::StyleChange);  // the box measures its least size again
  QCoreApplication::sendEvent(box, &changed);
}

void SetDesignedTabOrder(const MainWindowControls& c, QWidget* grid) {
  // As the window reads: the table, then the panel's rows left to right.
  QWidget* order[] = {grid,           c.cmdAddLocation,     c.CmdAbout, c.cmdCalculate, c.cmdPreviousMonth,
                      c.cmdNextMonth, c.cmdDefaultLocation, c.chkDST,   c.lstMonth,     c.txtYear,
                      c.lstLocation};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace kalnika::ui
