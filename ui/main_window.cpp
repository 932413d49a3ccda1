#include "ui/main_window.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/month_grid_view.h"
#include "ui/twips.h"
#include "ui/window_message_box.h"

namespace kalnika::ui {

namespace {

// The window's designed client area and the part of it below the grid, in twips.
constexpr int kClientWidthTwips = 14475;
constexpr int kClientHeightTwips = 9150;
constexpr int kPanelTopTwips = 7800;  // the separator line under the grid
constexpr int kGridTopTwips = 120;

// Most places the place file holds (keys "0".."5000").
constexpr int kMaxPlaces = 5001;

constexpr const char* kDigitsKey = "display/digits";
constexpr const char* kXdvngFontKey = "display/xdvngFont";

// A font of the window's design; families missing on this system are replaced by
// the closest installed one of the same kind.
QFont DesignFont(const char* family, double pointSize, bool bold, QFont::StyleHint hint) {
  QFont font(QString::fromLatin1(family));
  font.setStyleHint(hint);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}
QFont TimesFont(double pointSize, bool bold) { return DesignFont("Times New Roman", pointSize, bold, QFont::Serif); }
QFont SansFont(double pointSize, bool bold) { return DesignFont("MS Sans Serif", pointSize, bold, QFont::SansSerif); }

// Point size of the era labels (9.75 pt in the design).
constexpr double kEraPointSize = 9.75;

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

// A fixed caption of the window: name, text, font and designed rectangle.
struct CaptionDesign {
  const char* name;
  const char* text;
  enum Font { Standard, Times975Bold, Sans975Bold, Times1125Bold } font;
  TwipsRect rect;
};
constexpr CaptionDesign kCaptions[] = {
    {"lblMonth", "Month", CaptionDesign::Standard, {480, 8520, 615, 255}},
    {"lblYear", "Year", CaptionDesign::Standard, {1560, 8520, 735, 255}},
    {"lblLatitude", "----Latitude----", CaptionDesign::Times975Bold, {2760, 8280, 1815, 255}},
    {"lblLatitudeDegrees", "Deg.", CaptionDesign::Standard, {2640, 8520, 375, 255}},
    {"lblLatitudeMinutes", "Min.", CaptionDesign::Standard, {4320, 8520, 375, 255}},
    {"lblLongitude", "----Longitude----", CaptionDesign::Times975Bold, {5040, 8280, 1815, 255}},
    {"lblLongitudeDegrees", "Deg.", CaptionDesign::Standard, {4920, 8520, 495, 255}},
    {"lblLongitudeMinutes", "Min.", CaptionDesign::Standard, {6480, 8520, 495, 255}},
    {"lblUTC", "UTC +/-", CaptionDesign::Sans975Bold, {3360, 8880, 855, 255}},
    {"lblTimeZone0", "Time Zone", CaptionDesign::Sans975Bold, {4200, 8880, 1215, 255}},
    {"lblLocation", "Location", CaptionDesign::Times1125Bold, {7200, 8760, 975, 255}},
    {"lblDayLightSaving", "Day light saving Time?", CaptionDesign::Times975Bold, {11280, 8640, 2175, 375}},
};

QFont CaptionFont(CaptionDesign::Font font, const QFont& standard) {
  switch (font) {
    case CaptionDesign::Times975Bold: return TimesFont(9.75, true);
    case CaptionDesign::Sans975Bold: return SansFont(9.75, true);
    case CaptionDesign::Times1125Bold: return TimesFont(11.25, true);
    case CaptionDesign::Standard: break;
  }
  return standard;
}

// Separator lines of the control area (from, to), in twips.
struct LineDesign {
  int x1, y1, x2, y2;
};
constexpr LineDesign kLines[] = {
    {0, 7800, 13560, 7800}, {7080, 7800, 7080, 9120}, {0, 8280, 7080, 8280},
    {2520, 8760, 7080, 8760}, {2520, 8280, 2520, 9360}, {4800, 8280, 4800, 8760},
};

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

MainWindow::MainWindow(std::filesystem::path placeFile, QDate today, QWidget* parent)
    : QMainWindow(parent), today_(today) {
  setObjectName(QStringLiteral("frmKalnika"));
  setWindowTitle(QString::fromLatin1(kMainWindowTitle));
  gridView_ = new MonthGridView;
  grid_ = std::make_unique<MonthGrid>(gridView_, LoadDisplayOptions());
  messageBox_ = std::make_unique<WindowMessageBox>(this);
  model_ = std::make_unique<frmKalnika>(*messageBox_, std::move(placeFile));
  BuildControls();
  BuildMenus();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls() {
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  const double dpi = logicalDpiY();
  layout->addSpacing(TwipsToPixels(kGridTopTwips, dpi));
  layout->addWidget(gridView_, 1);

  auto* panel = new TwipsPanel(QPoint(0, kPanelTopTwips),
                               QSize(kClientWidthTwips, kClientHeightTwips - kPanelTopTwips));
  panel_ = panel;
  panel->setObjectName(QStringLiteral("controlPanel"));
  layout->addWidget(panel, 0, Qt::AlignLeft);
  setCentralWidget(central);

  for (const LineDesign& line : kLines) panel->AddLine(QPoint(line.x1, line.y1), QPoint(line.x2, line.y2));
  for (const CaptionDesign& design : kCaptions) {
    auto* label = Named(new QLabel(QString::fromLatin1(design.text)), design.name);
    label->setFont(CaptionFont(design.font, font()));
    panel->Place(label, design.rect);
  }
  panel->findChild<QLabel*>(QStringLiteral("lblDayLightSaving"))
      ->setToolTip(QStringLiteral("Place a check mark in the box  if Yes."));

  lstMonth_ = Named(new QComboBox, "lstMonth");
  lstMonth_->setFont(SansFont(8.25, true));
  lstMonth_->setToolTip(QStringLiteral("Scroll up/down and click for new month."));
  lstMonth_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  lstMonth_->setMinimumContentsLength(4);
  lstMonth_->setMaxVisibleItems(12);
  panel->Place(lstMonth_, {120, 8760, 1335, 255});

  txtYear_ = Named(new QLineEdit, "txtYear");
  txtYear_->setToolTip(QStringLiteral("Type any desired year here."));
  panel->Place(txtYear_, {1560, 8760, 615, 285});

  // The four stepping buttons with their arrows (the style draws them).
  struct ArrowDesign {
    const char* name;
    Qt::ArrowType arrow;
    const char* tip;
    TwipsRect rect;
  };
  const ArrowDesign arrows[] = {
      {"cmdPreviousMonth", Qt::LeftArrow, "Previous month", {120, 8520, 255, 255}},
      {"cmdNextMonth", Qt::RightArrow, "Next month", {1200, 8520, 255, 255}},
      {"cmdNextYear", Qt::UpArrow, "Next year", {2160, 8640, 255, 255}},
      {"cmdPreviousYear", Qt::DownArrow, "Previous year.", {2160, 8880, 255, 255}},
  };
  QToolButton* arrowButtons[4] = {};
  for (std::size_t i = 0; i < std::size(arrows); ++i) {
    auto* button = Named(new QToolButton, arrows[i].name);
    button->setArrowType(arrows[i].arrow);
    button->setToolTip(QString::fromLatin1(arrows[i].tip));
    button->setFocusPolicy(Qt::StrongFocus);
    panel->Place(button, arrows[i].rect);
    arrowButtons[i] = button;
  }

  lblKaliYuga_ = Named(new QLabel, "lblKaliYuga");
  lblKaliYuga_->setToolTip(QStringLiteral("New Kaliyugabd starts on January 23."));
  panel->Place(lblKaliYuga_, {360, 7920, 3375, 255});
  lblVikram_ = Named(new QLabel, "lblVikram");
  lblVikram_->setToolTip(QStringLiteral("New Vikram Samvat starts on Kartik Shukla Pratipada."));
  panel->Place(lblVikram_, {3840, 7920, 3135, 255});

  lblLat_ = Named(new QLabel, "lblLat");
  lblLat_->setFont(TimesFont(9.75, true));
  panel->Place(lblLat_, {3240, 8520, 855, 255});
  lblLong_ = Named(new QLabel, "lblLong");
  lblLong_->setFont(TimesFont(9.75, true));
  panel->Place(lblLong_, {5520, 8520, 975, 255});
  lblTimeZone_ = Named(new QLabel, "lblTimeZone");
  lblTimeZone_->setFont(TimesFont(9.75, true));
  panel->Place(lblTimeZone_, {5520, 8880, 1095, 375});

  lstLocation_ = Named(new QComboBox, "lstLocation");
  lstLocation_->setFont(TimesFont(8.25, false));
  lstLocation_->setToolTip(QStringLiteral("Scroll up/down and click on new Location."));
  lstLocation_->setEditable(true);
  lstLocation_->setInsertPolicy(QComboBox::NoInsert);  // a typed text never becomes a place
  lstLocation_->setMaxCount(kMaxPlaces);
  lstLocation_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  lstLocation_->setMinimumContentsLength(8);
  lstLocation_->lineEdit()->setPlaceholderText(QStringLiteral("type to search"));
  auto* completer = new QCompleter(lstLocation_->model(), lstLocation_);
  completer->setCompletionMode(QCompleter::PopupCompletion);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  completer->setFilterMode(Qt::MatchContains);
  completer->setMaxVisibleItems(15);
  lstLocation_->setCompleter(completer);
  panel->Place(lstLocation_, {8400, 8760, 2535, 270});

  auto* cmdAddLocation = Named(new QPushButton(QStringLiteral("Add New Locations")), "cmdAddLocation");
  cmdAddLocation->setFont(TimesFont(9.75, true));
  panel->Place(cmdAddLocation, {8400, 7920, 2535, 375});
  auto* cmdDefaultLocation =
      Named(new QPushButton(QStringLiteral("Set Current Location as Default")), "cmdDefaultLocation");
  panel->Place(cmdDefaultLocation, {8400, 8400, 2535, 255});
  auto* cmdAbout = Named(new QPushButton(QStringLiteral("About/Help")), "CmdAbout");
  cmdAbout->setFont(SansFont(8.25, true));
  panel->Place(cmdAbout, {11040, 7920, 1215, 375});
  auto* cmdCalculate = Named(new QPushButton(QStringLiteral("Calculate")), "cmdCalculate");
  cmdCalculate->setFont(SansFont(9.75, true));
  panel->Place(cmdCalculate, {12360, 7920, 1215, 375});

  chkDST_ = Named(new QCheckBox, "chkDST");
  chkDST_->setToolTip(QStringLiteral("Place a check mark in the box  if Yes."));
  panel->Place(chkDST_, {11040, 8640, 255, 375});

  // The era labels are drawn in the grid's font.
  lblKaliYuga_->setFont(TextFont(grid_->Display(), kEraPointSize, true));
  lblVikram_->setFont(TextFont(grid_->Display(), kEraPointSize, false));
  panel->Relayout();

  // Tab order of the design: month, year, place, grid, Calculate, the four arrows,
  // About, default place, daylight saving, add place.
  QWidget* order[] = {lstMonth_,       txtYear_,        lstLocation_,       gridView_->Table(),
                      cmdCalculate,    arrowButtons[0], arrowButtons[1],    arrowButtons[2],
                      arrowButtons[3], cmdAbout,        cmdDefaultLocation, chkDST_,
                      cmdAddLocation};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  connect(cmdCalculate, &QPushButton::clicked, this, [this] { Run([this] { model_->cmdCalculate_Click(); }); });
  connect(arrowButtons[0], &QToolButton::clicked, this,
          [this] { Run([this] { model_->cmdPreviousMonth_Click(); }); });
  connect(arrowButtons[1], &QToolButton::clicked, this, [this] { Run([this] { model_->cmdNextMonth_Click(); }); });
  connect(arrowButtons[2], &QToolButton::clicked, this, [this] { Run([this] { model_->cmdNextYear_Click(); }); });
  connect(arrowButtons[3], &QToolButton::clicked, this,
          [this] { Run([this] { model_->cmdPreviousYear_Click(); }); });
  connect(cmdDefaultLocation, &QPushButton::clicked, this,
          [this] { Run([this] { model_->cmdDefaultLocation_Click(); }); });
  connect(cmdAddLocation, &QPushButton::clicked, this, &MainWindow::addLocationRequested);
  connect(cmdAbout, &QPushButton::clicked, this, &MainWindow::aboutRequested);
  // Return in the year box calculates, as pressing "Calculate" does.
  connect(txtYear_, &QLineEdit::returnPressed, cmdCalculate, &QPushButton::click);
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  auto add = [this](QMenu* menu, const char* name, const QString& text, auto slot,
                    QKeySequence shortcut = QKeySequence()) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  add(file, "actionPrint", QStringLiteral("&Print..."), &MainWindow::PrintMonth, QKeySequence::Print);
  add(file, "actionPrintPreview", QStringLiteral("Print Pre&view..."), &MainWindow::PreviewMonth);
  file->addSeparator();
  add(file, "actionSavePdf", QStringLiteral("Save as P&DF..."), &MainWindow::AskSaveMonthPdf);
  add(file, "actionSaveYearPdf", QStringLiteral("Save &Year as PDF..."), &MainWindow::AskSaveYearPdf);
  add(file, "actionExportCsv", QStringLiteral("&Export CSV..."), &MainWindow::AskExportCsv);
  file->addSeparator();
  add(file, "actionQuit", QStringLiteral("&Quit"), &QCoreApplication::quit, QKeySequence::Quit);

  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
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
  (grid_->Display().digits == xdvng::Digits::Latin ? westernDigits_ : devanagariDigits_)->setChecked(true);
  connect(digits, &QActionGroup::triggered, this, [this](QAction* action) {
    DisplayOptions options = grid_->Display();
    options.digits = action == westernDigits_ ? xdvng::Digits::Latin : xdvng::Digits::Devanagari;
    SetDisplay(options);
  });
  view->addSeparator();
  xdvngFont_ = view->addAction(QStringLiteral("Draw with the &Xdvng font"));
  xdvngFont_->setObjectName(QStringLiteral("actionXdvngFont"));
  xdvngFont_->setCheckable(true);
  xdvngFont_->setChecked(grid_->Display().xdvngFont);
  // Without the font the stored bytes cannot be drawn as they are.
  const bool fontInstalled = XdvngFontInstalled();
  xdvngFont_->setEnabled(fontInstalled);
  xdvngFont_->setVisible(fontInstalled);
  connect(xdvngFont_, &QAction::toggled, this, [this](bool on) {
    DisplayOptions options = grid_->Display();
    options.xdvngFont = on;
    SetDisplay(options);
  });

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  add(help, "actionHelp", QStringLiteral("Kalnika &Help"), &MainWindow::helpRequested, QKeySequence::HelpContents);
  add(help, "actionAbout", QStringLiteral("&About Kalnika"), &MainWindow::aboutRequested);
}

void MainWindow::Load() {
  model_->Form_Load(today_.year(), today_.month());
  PullFromModel();
  // Open large enough to show the whole month, within the screen.
  const QSize designed(TwipsToPixels(kClientWidthTwips, logicalDpiX()),
                       TwipsToPixels(kClientHeightTwips, logicalDpiY()));
  const QSize grid = gridView_->sizeHint();
  const QSize panel = panel_->sizeHint();
  QSize wanted(std::max(grid.width(), panel.width()),
               menuBar()->sizeHint().height() + TwipsToPixels(kGridTopTwips, logicalDpiY()) + grid.height() +
                   panel.height());
  wanted = wanted.expandedTo(designed);
  if (const QScreen* shown = screen()) wanted = wanted.boundedTo(shown->availableGeometry().size());
  resize(wanted);
}

template <typename Handler>
void MainWindow::Run(Handler handler) {
  PushToModel();
  handler();
  PullFromModel();
}

int MainWindow::ChosenLocation() const {
  const QString text = lstLocation_->currentText();
  if (text.trimmed().isEmpty()) return -1;
  const int current = lstLocation_->currentIndex();
  if (current >= 0 && lstLocation_->itemText(current) == text) return current;
  const int exact = lstLocation_->findText(text, Qt::MatchFixedString);  // ignoring case
  if (exact >= 0) return exact;
  // The one entry that holds the typed text; a text that names none or several
  // keeps the selection.
  int found = -1;
  for (int i = 0; i < lstLocation_->count(); ++i) {
    if (!lstLocation_->itemText(i).contains(text.trimmed(), Qt::CaseInsensitive)) continue;
    if (found >= 0) return current;
    found = i;
  }
  return found >= 0 ? found : current;
}

void MainWindow::PushToModel() {
  model_->lstMonth.ListIndex = lstMonth_->currentIndex();
  model_->txtYear.Text = StoredText(txtYear_->text());
  model_->lstLocation.ListIndex = ChosenLocation();
  model_->chkDST.Value = chkDST_->isChecked();
}

void MainWindow::PullFromModel() {
  // The lists change only when the model loads them (at start-up).
  const auto fill = [](QComboBox* box, const std::vector<std::string>& items, std::vector<std::string>& shown) {
    if (shown == items) return false;
    shown = items;
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) texts << PlainText(item);
    const QSignalBlocker block(box);
    box->clear();
    box->addItems(texts);
    return true;
  };
  fill(lstMonth_, model_->lstMonth.items, shownMonths_);
  if (fill(lstLocation_, model_->lstLocation.items, shownPlaces_)) {
    const QFontMetrics placeMetrics(lstLocation_->font());
    int widest = 0;
    for (int i = 0; i < lstLocation_->count(); ++i)
      widest = std::max(widest, placeMetrics.horizontalAdvance(lstLocation_->itemText(i)));
    lstLocation_->view()->setMinimumWidth(widest + 40);  // room for the popup's scroll bar
  }

  lstMonth_->setCurrentIndex(model_->lstMonth.ListIndex);
  txtYear_->setText(PlainText(model_->txtYear.Text));
  const int place = model_->lstLocation.ListIndex;
  lstLocation_->setCurrentIndex(place);
  lstLocation_->setEditText(place >= 0 ? lstLocation_->itemText(place) : QString());
  lstLocation_->lineEdit()->setCursorPosition(0);  // the description, not the coordinates
  chkDST_->setChecked(model_->chkDST.Value);

  lblLat_->setText(PlainText(model_->lblLat.Caption));
  lblLong_->setText(PlainText(model_->lblLong.Caption));
  lblTimeZone_->setText(PlainText(model_->lblTimeZone.Caption));
  lblKaliYuga_->setText(DisplayString(model_->lblKaliYuga.Caption, grid_->Display()));
  lblVikram_->setText(DisplayString(model_->lblVikram.Caption, grid_->Display()));
  grid_->Show(model_->Table(), model_->GridVisible());
}

MonthPage MainWindow::ShownPage() const { return model_->Shown().value_or(MonthPage{}); }

bool MainWindow::HasShownMonth() {
  if (model_->Shown()) return true;
  ShowMessage(this, QStringLiteral("No month table is shown. Press \"Calculate\" first."));
  return false;
}

bool MainWindow::SaveMonthPdf(const QString& file) {
  if (!HasShownMonth()) return false;
  const QString error = WritePdf(file, {ShownPage()}, grid_->Display());
  if (!error.isEmpty()) {
    ShowMessage(this, QStringLiteral("The PDF file \"%1\" could not be written: %2").arg(file, error));
    return false;
  }
  return true;
}

bool MainWindow::SaveYearPdf(const QString& file) {
  if (!HasShownMonth()) return false;
  // The twelve months of the shown month's year, place and daylight saving; the
  // window's own state stays as it is.
  const std::vector<MonthPage> pages = model_->ShownYear();
  const QString error = WritePdf(file, pages, grid_->Display());
  if (!error.isEmpty()) {
    ShowMessage(this, QStringLiteral("The PDF file \"%1\" could not be written: %2").arg(file, error));
    return false;
  }
  return true;
}

bool MainWindow::ExportCsv(const QString& file) {
  if (!HasShownMonth()) return false;
  const QString error = WriteFileAtomically(file, MonthCsv(ShownPage(), grid_->Display().digits));
  if (!error.isEmpty()) {
    ShowMessage(this, QStringLiteral("The CSV file \"%1\" could not be written: %2").arg(file, error));
    return false;
  }
  return true;
}

const DisplayOptions& MainWindow::Display() const { return grid_->Display(); }

void MainWindow::SetDisplay(const DisplayOptions& options) {
  grid_->SetDisplay(options);
  lblKaliYuga_->setFont(TextFont(options, kEraPointSize, true));
  lblVikram_->setFont(TextFont(options, kEraPointSize, false));
  lblKaliYuga_->setText(DisplayString(model_->lblKaliYuga.Caption, options));
  lblVikram_->setText(DisplayString(model_->lblVikram.Caption, options));
  panel_->Relayout();
  {
    const QSignalBlocker blockDigits(devanagariDigits_);
    const QSignalBlocker blockWestern(westernDigits_);
    const QSignalBlocker blockFont(xdvngFont_);
    (options.digits == xdvng::Digits::Latin ? westernDigits_ : devanagariDigits_)->setChecked(true);
    xdvngFont_->setChecked(options.xdvngFont);
  }
  StoreDisplayOptions(options);
}

namespace {
QString DocumentsFolder() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }
// "December-2026.pdf" for the shown month.
QString SuggestedName(const MonthPage& page, const QString& suffix) {
  return PageTitle(page).replace(QLatin1Char(' '), QLatin1Char('-')) + suffix;
}
}  // namespace

void MainWindow::PrintMonth() {
  if (!HasShownMonth()) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setPageSize(QPageSize(QPageSize::A4));
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  PrintPages(printer, {ShownPage()}, grid_->Display());
}

void MainWindow::PreviewMonth() {
  if (!HasShownMonth()) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setPageSize(QPageSize(QPageSize::A4));
  QPrintPreviewDialog preview(&printer, this);
  const MonthPage page = ShownPage();
  const DisplayOptions options = grid_->Display();
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [&page, &options](QPrinter* target) { PrintPages(*target, {page}, options); });
  preview.exec();
}

void MainWindow::AskSaveMonthPdf() {
  if (!HasShownMonth()) return;
  const QString file = QFileDialog::getSaveFileName(
      this, QStringLiteral("Save as PDF"), DocumentsFolder() + QLatin1Char('/') + SuggestedName(ShownPage(), QStringLiteral(".pdf")),
      QStringLiteral("PDF files (*.pdf)"));
  if (!file.isEmpty()) SaveMonthPdf(file);
}

void MainWindow::AskSaveYearPdf() {
  if (!HasShownMonth()) return;
  const QString file = QFileDialog::getSaveFileName(
      this, QStringLiteral("Save Year as PDF"),
      DocumentsFolder() + QLatin1Char('/') + PlainText(ShownPage().values.yearText) + QStringLiteral(".pdf"),
      QStringLiteral("PDF files (*.pdf)"));
  if (!file.isEmpty()) SaveYearPdf(file);
}

void MainWindow::AskExportCsv() {
  if (!HasShownMonth()) return;
  const QString file = QFileDialog::getSaveFileName(
      this, QStringLiteral("Export CSV"), DocumentsFolder() + QLatin1Char('/') + SuggestedName(ShownPage(), QStringLiteral(".csv")),
      QStringLiteral("CSV files (*.csv)"));
  if (!file.isEmpty()) ExportCsv(file);
}

}  // namespace kalnika::ui
