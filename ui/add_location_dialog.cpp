#include "ui/add_location_dialog.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QStringListModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "ui/display_text.h"
#include "ui/language.h"
#include "ui/window_message_box.h"

namespace kalnika::ui {

namespace {

// The place record is stored on one line inside double quotes: a double quote, a
// line break or another control character cannot be part of a description.
QRegularExpression DescriptionText() { return QRegularExpression(QStringLiteral("[^\"\\x00-\\x1F\\x7F]*")); }

// The font of the dialog's labels and entries.
QFont EntryFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(12);
  font.setBold(true);
  return font;
}

// The rows of the grid: the town finder's search field and its note first, then
// the entries.
constexpr int kSearchRow = 0;
constexpr int kFinderNoteRow = 1;
constexpr int kFirstEntryRow = 2;

// Towns the finder's popup shows without scrolling.
constexpr int kTownsInSight = 10;

// The entry lists, row by row and in the tab order, each with the caption it shows
// while nothing is chosen. Each coordinate reads as it is written: degrees,
// minutes, hemisphere (18° 58′ N).
struct ListDesign {
  const char* name;
  ListBoxControl frmAddLocation::*control;
  const char* caption;
  int row, column;
};
constexpr ListDesign kLists[] = {
    {"lstLatDegrees", &frmAddLocation::lstLatDegrees, QT_TRANSLATE_NOOP("AddLocationDialog", "deg"), 4, 1},
    {"lstLatMin", &frmAddLocation::lstLatMin, QT_TRANSLATE_NOOP("AddLocationDialog", "min"), 4, 2},
    {"lstNS", &frmAddLocation::lstNS, QT_TRANSLATE_NOOP("AddLocationDialog", "N/S"), 4, 3},
    {"lstLongDegrees", &frmAddLocation::lstLongDegrees, QT_TRANSLATE_NOOP("AddLocationDialog", "deg"), 5, 1},
    {"lstLongMin", &frmAddLocation::lstLongMin, QT_TRANSLATE_NOOP("AddLocationDialog", "min"), 5, 2},
    {"lstEW", &frmAddLocation::lstEW, QT_TRANSLATE_NOOP("AddLocationDialog", "E/W"), 5, 3},
    {"lstHour", &frmAddLocation::lstHour, QT_TRANSLATE_NOOP("AddLocationDialog", "hours"), 6, 1},
    {"lstMinutes", &frmAddLocation::lstMinutes, QT_TRANSLATE_NOOP("AddLocationDialog", "min"), 6, 2},
};

// The captions of the entries, each with a letter that goes to its entry (the
// original's texts: "City:", "State/Province:" ...).
struct CaptionDesign {
  const char* name;
  const char* text;
  int row;
  const char* entry;  // the entry the caption's letter goes to
};
constexpr CaptionDesign kCaptions[] = {
    {"lblCity", QT_TRANSLATE_NOOP("AddLocationDialog", "C&ity:"), 0, "txtCity"},
    {"lblState", QT_TRANSLATE_NOOP("AddLocationDialog", "&State/Province:"), 1, "txtState"},
    {"lblCountry", QT_TRANSLATE_NOOP("AddLocationDialog", "C&ountry:"), 2, "txtCountry"},
    {"lblLatitude", QT_TRANSLATE_NOOP("AddLocationDialog", "La&titude:"), 4, "lstLatDegrees"},
    {"lblLongitude", QT_TRANSLATE_NOOP("AddLocationDialog", "Lo&ngitude:"), 5, "lstLongDegrees"},
    {"lblTimeZone", QT_TRANSLATE_NOOP("AddLocationDialog", "Time &Zone:"), 6, "lstHour"},
};

QString Tr(const char* source) { return QCoreApplication::translate("AddLocationDialog", source); }

}  // namespace

AddLocationDialog::AddLocationDialog(std::filesystem::path placeFile, TownSearch* towns, const QString& language,
                                     QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmAddLocation"));
  setModal(false);
  messageBox_ = std::make_unique<WindowMessageBox>(this);
  model_ = std::make_unique<frmAddLocation>(*messageBox_, std::move(placeFile));
  model_->Form_Load();
  model_->UseTowns(towns);
  model_->language = language.toStdString();
  BuildControls();
}

AddLocationDialog::~AddLocationDialog() = default;

void AddLocationDialog::BuildControls() {
  const QFont font = EntryFont();
  auto* grid = new QGridLayout(this);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(6);

  for (const CaptionDesign& design : kCaptions) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(design.name));
    label->setFont(font);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, kFirstEntryRow + design.row, 0);
  }

  std::vector<QWidget*> order;
  BuildFinder(grid, order);
  const auto entry = [&](const char* name, TextBoxControl& control, int row) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFont(font);
    edit->setValidator(new QRegularExpressionValidator(DescriptionText(), edit));
    grid->addWidget(edit, kFirstEntryRow + row, 1, 1, 3);
    binding_.Bind(edit, control);
    connect(edit, &QLineEdit::textChanged, this, &AddLocationDialog::ShowDescriptionLength);
    order.push_back(edit);
    return edit;
  };
  QLineEdit* city = entry("txtCity", model_->txtCity, 0);
  entry("txtState", model_->txtState, 1);
  entry("txtCountry", model_->txtCountry, 2);

  // How much of the description is used, as the user types.
  descriptionLength_ = new QLabel;
  descriptionLength_->setObjectName(QStringLiteral("lblDescriptionLength"));
  grid->addWidget(descriptionLength_, kFirstEntryRow + 3, 1, 1, 3);

  for (const ListDesign& design : kLists) {
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(design.name));
    box->setFont(font);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(std::max<int>(3, static_cast<int>(std::char_traits<char>::length(design.caption))));
    binding_.Bind(box, (*model_).*(design.control));
    grid->addWidget(box, kFirstEntryRow + design.row, design.column);
    order.push_back(box);
  }

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto* cmdOK = new QPushButton;
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  auto* cmdCancel = new QPushButton;
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdCancel);
  grid->addLayout(buttons, kFirstEntryRow + 7, 0, 1, 4);
  grid->setRowMinimumHeight(kFirstEntryRow + 7, cmdOK->sizeHint().height() + 8);
  order.push_back(cmdOK);
  order.push_back(cmdCancel);
  Pull();

  // Tab order as the entries stand, row by row (the search first), then OK and
  // Cancel; the first focus is on the search, or on the city without a finder (OK
  // first would end the dialog at a keystroke).
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  (search_->isEnabled() ? static_cast<QWidget*>(search_) : city)->setFocus();

  connect(cmdOK, &QPushButton::clicked, this, &AddLocationDialog::Ok);
  connect(cmdCancel, &QPushButton::clicked, this, &AddLocationDialog::reject);

  // Each caption's letter goes to its entry; the texts in the interface language.
  for (const CaptionDesign& design : kCaptions)
    findChild<QLabel*>(QString::fromLatin1(design.name))->setBuddy(findChild<QWidget*>(QString::fromLatin1(design.entry)));
  OnLanguageChange(this, [this, cmdOK, cmdCancel] {
    setWindowTitle(Tr(kAddLocationTitle));
    for (const CaptionDesign& design : kCaptions) findChild<QLabel*>(QString::fromLatin1(design.name))->setText(Tr(design.text));
    for (const ListDesign& design : kLists)
      findChild<QComboBox*>(QString::fromLatin1(design.name))->setPlaceholderText(Tr(design.caption));
    cmdOK->setText(QCoreApplication::translate("AddLocationDialog", "OK"));
    cmdCancel->setText(QCoreApplication::translate("AddLocationDialog", "Cancel"));
    findChild<QLabel*>(QStringLiteral("lblFind"))->setText(QCoreApplication::translate("AddLocationDialog", "&Find:"));
    search_->setPlaceholderText(QCoreApplication::translate("AddLocationDialog", "a town's name: Pune, पुणे"));
    ShowFinderNote();
    ShowDescriptionLength();
  });
}

void AddLocationDialog::BuildFinder(QGridLayout* grid, std::vector<QWidget*>& order) {
  auto* caption = new QLabel;
  caption->setObjectName(QStringLiteral("lblFind"));
  caption->setFont(EntryFont());
  caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  grid->addWidget(caption, kSearchRow, 0);
  search_ = new QLineEdit;
  search_->setObjectName(QStringLiteral("txtFind"));
  search_->setFont(EntryFont());
  search_->setClearButtonEnabled(true);
  caption->setBuddy(search_);
  grid->addWidget(search_, kSearchRow, 1, 1, 3);
  binding_.Bind(search_, model_->txtFind);
  order.push_back(search_);

  // What the finder offers, or why there is none (the package that brings it).
  finderNote_ = new QLabel;
  finderNote_->setObjectName(QStringLiteral("lblFinder"));
  finderNote_->setWordWrap(true);
  finderNote_->setTextFormat(Qt::PlainText);  // a town's zone name, the reason a file could not be read
  grid->addWidget(finderNote_, kFinderNoteRow, 1, 1, 3);
  search_->setEnabled(model_->FinderProblem().empty());

  // The popup shows the towns as the finder ranks them; the completer filters nothing.
  found_ = new QStringListModel(this);
  finder_ = new QCompleter(found_, this);
  finder_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  finder_->setMaxVisibleItems(kTownsInSight);
  finder_->setWidget(search_);
  finder_->popup()->setObjectName(QStringLiteral("townPopup"));
  connect(search_, &QLineEdit::textEdited, this, &AddLocationDialog::Search);
  connect(finder_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
          [this](const QModelIndex& index) { Choose(index.row()); });
  // Return in the search takes the town highlighted in the popup, or the best one,
  // rather than pressing OK.
  search_->installEventFilter(this);
  finder_->popup()->installEventFilter(this);
}

void AddLocationDialog::ShowFinderNote() {
  const std::string problem = model_->FinderProblem();
  if (!problem.empty()) {
    finderNote_->setText(TranslatedMessage(problem));
  } else if (!model_->ChosenZoneName().empty()) {
    finderNote_->setText(QCoreApplication::translate("AddLocationDialog", "OK stores the town's time zone %1 with the place, unless another zone is chosen below.")
                             .arg(PlainText(model_->ChosenZoneName())));
  } else {
    finderNote_->setText(QCoreApplication::translate("AddLocationDialog", "Choose a town to fill in the entries below; they can still be changed. Town data: "
                            "GeoNames."));
  }
}

void AddLocationDialog::Search() {
  binding_.Push();
  model_->txtFind_Change();
  QStringList towns;
  for (const std::string& town : model_->lstFound.items) towns << PlainText(town);
  found_->setStringList(towns);
  if (towns.isEmpty()) {
    finder_->popup()->hide();
    return;
  }
  finder_->complete();
  finder_->popup()->setCurrentIndex(QModelIndex());  // nothing chosen until the user picks
}

void AddLocationDialog::Choose(int row) {
  if (row < 0 || row >= static_cast<int>(model_->lstFound.items.size())) return;
  binding_.Push();
  model_->lstFound.ListIndex = row;
  model_->lstFound_Click();
  Pull();  // the search keeps the text typed; the chosen town is in the entries
  ShowFinderNote();
}

bool AddLocationDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    // In the popup: the highlighted town (the completer takes it), or without one
    // the best.
    if (enter && watched == finder_->popup() && !finder_->popup()->currentIndex().isValid()) {
      finder_->popup()->hide();
      if (!model_->lstFound.items.empty()) Choose(0);
      return true;
    }
    if (enter && watched == search_ && !finder_->popup()->isVisible()) {
      if (!model_->lstFound.items.empty()) Choose(0);
      return true;  // never OK from the search field
    }
  }
  return QDialog::eventFilter(watched, event);
}

void AddLocationDialog::Pull() {
  pulling_ = true;
  binding_.Pull();
  pulling_ = false;
  ShowDescriptionLength();
}

void AddLocationDialog::ShowDescriptionLength() {
  // Still being built, or the model being shown: the count follows once it is.
  if (descriptionLength_ == nullptr || pulling_) return;
  binding_.Push();
  const int length = model_->DescriptionLength();
  // The numbers in the interface language's digits.
  descriptionLength_->setText(
      QCoreApplication::translate("AddLocationDialog", "%1 of %2 characters used by “City, State, Country”")
          .arg(QLocale().toString(length), QLocale().toString(kDescriptionLimit)));
  // Over the limit the count is red: OK will ask to shorten the description.
  QPalette palette = descriptionLength_->palette();
  palette.setColor(QPalette::WindowText,
                   length > kDescriptionLimit ? QColor(0xC0, 0x00, 0x00) : this->palette().color(QPalette::WindowText));
  descriptionLength_->setPalette(palette);
}

void AddLocationDialog::Ok() {
  binding_.Push();
  lastOutcome_ = model_->cmdOK_Click();
  Pull();
  // A refusal or a failed write was shown by the model; the entries stay.
  if (lastOutcome_ == frmAddLocation::Outcome::StayOpen) return;
  Finish();
}

void AddLocationDialog::reject() {
  lastOutcome_ = frmAddLocation::Outcome::Cancelled;
  Finish();
}

void AddLocationDialog::closeEvent(QCloseEvent* event) {
  event->accept();
  if (!finished_) lastOutcome_ = frmAddLocation::Outcome::Cancelled;
  Finish();
}

void AddLocationDialog::Finish() {
  if (finished_) return;
  finished_ = true;
  hide();
  const bool placed = lastOutcome_ == frmAddLocation::Outcome::Stored ||
                      lastOutcome_ == frmAddLocation::Outcome::SelectExisting;
  emit ended(lastOutcome_, placed ? model_->LastPosition() : -1);
}

}  // namespace kalnika::ui
