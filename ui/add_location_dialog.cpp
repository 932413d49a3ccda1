#include "ui/add_location_dialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "ui/display_text.h"
#include "ui/twips.h"
#include "ui/window_message_box.h"

namespace kalnika::ui {

namespace {

// The dialog's designed client area in twips.
constexpr int kClientWidthTwips = 5760;
constexpr int kClientHeightTwips = 3165;

// The place record is stored on one line inside double quotes: a double quote, a
// line break or another control character cannot be part of a description.
QRegularExpression DescriptionText() { return QRegularExpression(QStringLiteral("[^\"\\x00-\\x1F\\x7F]*")); }

QFont EntryFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(12);
  font.setBold(true);
  return font;
}

}  // namespace

AddLocationDialog::AddLocationDialog(std::filesystem::path placeFile, QWidget* parent)
    : QDialog(parent), placeFile_(std::move(placeFile)) {
  setObjectName(QStringLiteral("frmAddLocation"));
  setWindowTitle(QString::fromLatin1(kAddLocationTitle));
  setModal(false);
  messageBox_ = std::make_unique<WindowMessageBox>(this);
  model_ = std::make_unique<frmAddLocation>(*messageBox_);
  model_->Form_Load();
  BuildControls();
  PullFromModel();
}

AddLocationDialog::~AddLocationDialog() = default;

void AddLocationDialog::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* panel = new TwipsPanel(QPoint(0, 0), QSize(kClientWidthTwips, kClientHeightTwips));
  panel->setObjectName(QStringLiteral("entryPanel"));
  layout->addWidget(panel);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  const QFont font = EntryFont();

  auto* cmdOK = new QPushButton(QStringLiteral("OK"));
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  panel->Place(cmdOK, {4680, 960, 975, 495});

  struct CaptionDesign {
    const char* name;
    const char* text;
    TwipsRect rect;
  };
  const CaptionDesign captions[] = {
      {"lblCity", "City:", {1680, 120, 495, 375}},
      {"lblState", "State/Province:", {360, 600, 1815, 375}},
      {"lblCountry", "Country:", {1080, 1080, 1095, 375}},
      {"lblLatitude", "Latitude:", {120, 1560, 1095, 375}},
      {"lblLongitude", "Longitude:", {0, 2040, 1335, 375}},
      {"lblTimeZone", "Time Zone:", {0, 2640, 1455, 375}},
  };
  for (const CaptionDesign& design : captions) {
    auto* label = new QLabel(QString::fromLatin1(design.text));
    label->setObjectName(QString::fromLatin1(design.name));
    label->setFont(font);
    panel->Place(label, design.rect);
  }

  const auto entry = [&](const char* name, TwipsRect rect) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFont(font);
    edit->setValidator(new QRegularExpressionValidator(DescriptionText(), edit));
    panel->Place(edit, rect);
    return edit;
  };
  txtCity_ = entry("txtCity", {2280, 120, 2175, 375});
  txtState_ = entry("txtState", {2280, 600, 2175, 375});
  txtCountry_ = entry("txtCountry", {2280, 1080, 2175, 375});

  struct ListDesign {
    const char* name;
    ListBoxControl frmAddLocation::*control;
    TwipsRect rect;
  };
  // In the tab order of the design: degrees, minutes, hemisphere on each row.
  const ListDesign lists[] = {
      {"lstLatDegrees", &frmAddLocation::lstLatDegrees, {1320, 1560, 975, 360}},
      {"lstLatMin", &frmAddLocation::lstLatMin, {3600, 1560, 855, 360}},
      {"lstNS", &frmAddLocation::lstNS, {2520, 1560, 735, 360}},
      {"lstLongDegrees", &frmAddLocation::lstLongDegrees, {1320, 2040, 975, 360}},
      {"lstEW", &frmAddLocation::lstEW, {2520, 2040, 735, 360}},
      {"lstLongMin", &frmAddLocation::lstLongMin, {3600, 2040, 855, 360}},
      {"lstHour", &frmAddLocation::lstHour, {1320, 2640, 735, 360}},
      {"lstMinutes", &frmAddLocation::lstMinutes, {2280, 2640, 855, 360}},
  };
  for (const ListDesign& design : lists) {
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(design.name));
    box->setFont(font);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(2);
    ListBoxControl& control = (*model_).*(design.control);
    QStringList texts;
    for (const std::string& item : control.items) texts << PlainText(item);
    box->addItems(texts);
    panel->Place(box, design.rect);
    lists_.push_back({box, &control});
  }
  panel->Relayout();

  // Tab order: OK, the three texts, then the lists; the first focus is on the city.
  QWidget* previous = cmdOK;
  for (QWidget* next : {static_cast<QWidget*>(txtCity_), static_cast<QWidget*>(txtState_),
                        static_cast<QWidget*>(txtCountry_)}) {
    setTabOrder(previous, next);
    previous = next;
  }
  for (const ListBinding& list : lists_) {
    setTabOrder(previous, list.box);
    previous = list.box;
  }
  txtCity_->setFocus();

  connect(cmdOK, &QPushButton::clicked, this, &AddLocationDialog::Ok);
}

void AddLocationDialog::PushToModel() {
  model_->txtCity.Text = StoredText(txtCity_->text());
  model_->txtState.Text = StoredText(txtState_->text());
  model_->txtCountry.Text = StoredText(txtCountry_->text());
  for (const ListBinding& list : lists_) list.control->ListIndex = list.box->currentIndex();
}

void AddLocationDialog::PullFromModel() {
  txtCity_->setText(PlainText(model_->txtCity.Text));
  txtState_->setText(PlainText(model_->txtState.Text));
  txtCountry_->setText(PlainText(model_->txtCountry.Text));
  for (const ListBinding& list : lists_) list.box->setCurrentIndex(list.control->ListIndex);
}

void AddLocationDialog::Ok() {
  PushToModel();
  lastOutcome_ = model_->cmdOK_Click(placeFile_);
  PullFromModel();
  // A refusal or a failed write was shown by the model; the entries stay.
  if (lastOutcome_ == frmAddLocation::Outcome::StayOpen) return;
  Finish();
}

void AddLocationDialog::reject() { Finish(); }

void AddLocationDialog::closeEvent(QCloseEvent* event) {
  event->accept();
  Finish();
}

void AddLocationDialog::Finish() {
  if (finished_) return;
  finished_ = true;
  hide();
  emit returnToMainWindow();
}

}  // namespace kalnika::ui
