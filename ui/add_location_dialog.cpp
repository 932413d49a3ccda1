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
  QLineEdit* texts[] = {entry("txtCity", {2280, 120, 2175, 375}), entry("txtState", {2280, 600, 2175, 375}),
                        entry("txtCountry", {2280, 1080, 2175, 375})};
  binding_.Bind(texts[0], model_->txtCity);
  binding_.Bind(texts[1], model_->txtState);
  binding_.Bind(texts[2], model_->txtCountry);

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
  std::vector<QWidget*> order = {cmdOK, texts[0], texts[1], texts[2]};
  for (const ListDesign& design : lists) {
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(design.name));
    box->setFont(font);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(2);
    binding_.Bind(box, (*model_).*(design.control));
    panel->Place(box, design.rect);
    order.push_back(box);
  }
  binding_.Pull();  // the lists' entries, before their sizes are taken
  panel->Relayout();

  // Tab order: OK, the three texts, then the lists; the first focus is on the city.
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  texts[0]->setFocus();

  connect(cmdOK, &QPushButton::clicked, this, &AddLocationDialog::Ok);
}

void AddLocationDialog::Ok() {
  binding_.Push();
  lastOutcome_ = model_->cmdOK_Click(placeFile_);
  binding_.Pull();
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
