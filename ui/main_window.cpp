#include "ui/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/computed_with_line.h"
#include "ui/day_view_dialog.h"
#include "ui/display_settings.h"
#include "ui/month_files.h"
#include "ui/month_grid_view.h"
#include "ui/place_box.h"
#include "ui/twips.h"
#include "ui/wall_calendar_files.h"
#include "ui/window_message_box.h"
#include "almanac/name_tables.h"

namespace kalnika::ui {

QString MissingFontWarning(const QStringList& devanagariFamilies) {
  if (!devanagariFamilies.isEmpty()) return {};
  // In English whatever the interface language: without the font, Marathi would
  // show as boxes too.
  return QStringLiteral(
      "No font that writes Devanagari is installed, so the names of the table (and a Marathi interface) show as "
      "boxes. Install fonts-noto-core (Noto Sans Devanagari) or fonts-lohit-deva-marathi, then start Kalnika "
      "again. Meanwhile View > Latin shows the table in Latin letters, and View > Language > English the window "
      "in English.");
}

MainWindow::MainWindow(std::filesystem::path placeFile, QDate today, QWidget* parent)
    : QMainWindow(parent), today_(today) {
  setObjectName(QStringLiteral("frmKalnika"));
  gridView_ = new MonthGridView;
  grid_ = std::make_unique<MonthGrid>(gridView_, LoadDisplayOptions());
  messageBox_ = std::make_unique<WindowMessageBox>(this);
  model_ = std::make_unique<frmKalnika>(*messageBox_, std::move(placeFile));
  const CalculationSettings calculation = LoadCalculationSettings();
  model_->method = calculation.method;
  model_->clockSetting = calculation.clock;

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addSpacing(TwipsToPixels(kGridTopTwips, logicalDpiY()));
  // The table in a page of its own, which the grid keeps while it is hidden.
  auto* tablePage = new QWidget;
  auto* tableLayout = new QVBoxLayout(tablePage);
  tableLayout->setContentsMargins(0, 0, 0, 0);
  tableLayout->addWidget(gridView_);
  wallView_ = new WallCalendarView(grid_->Display());
  views_ = new QStackedWidget;
  views_->addWidget(tablePage);
  // The wall calendar scrolls in a window too low for squares of legible texts.
  auto* wallPage = new QScrollArea;
  wallPage->setObjectName(QStringLiteral("wallCalendarPage"));
  wallPage->setFrameShape(QFrame::NoFrame);
  wallPage->setWidgetResizable(true);
  wallPage->setFocusPolicy(Qt::NoFocus);
  wallPage->setWidget(wallView_);
  views_->addWidget(wallPage);
  layout->addWidget(views_, 1);
  panel_ = BuildControlPanel(controls_);
  panelStrip_ = new PanelScroller(panel_);
  panelStrip_->setFocusPolicy(Qt::NoFocus);  // its controls take the focus, not the strip
  layout->addWidget(panelStrip_);
  setCentralWidget(central);
  ApplyEraFonts();
  SetDesignedTabOrder(controls_, gridView_->Table());

  files_ = new MonthFiles(this, *model_, [this] { return grid_->Display(); });
  wallFiles_ = new WallCalendarFiles(this, *model_, [this] { return grid_->Display(); });
  BuildMenus();
  Bind();
  OnLanguageChange(this, [this] {
    setWindowTitle(QCoreApplication::translate("MainWindow", kMainWindowTitle));
    // The month list in the language (Pull refills it), the state's texts.
    binding_.Pull();
    FitListToItems(controls_.lstMonth);
    panel_->Relayout();
    ShowStateTexts();
  });
}

MainWindow::~MainWindow() {
  // The widgets go after the model and the bindings: the year box losing the focus
  // as the window closes must not calculate any more.
  disconnect(controls_.txtYear, nullptr, this, nullptr);
  disconnect(controls_.lstMonth, nullptr, this, nullptr);
  controls_.lstMonth->removeEventFilter(this);
}

void MainWindow::Bind() {
  const auto plain = [](const std::string& caption) { return PlainText(caption); };
  const auto stored = [this](const std::string& caption) { return DisplayString(caption, grid_->Display()); };
  // The months as the interface names them: in Marathi as the table's rows do
  // (डिसेंबर), in English as the model lists them.
  binding_.Bind(controls_.lstMonth, model_->lstMonth, [](std::size_t index, const std::string& item) {
    if (LanguageOfLocale(QLocale()) != Language::Marathi || index >= GregorianMonthNames.size()) return PlainText(item);
    return DisplayString(GregorianMonthNames[index], DisplayOptions{}.Prepared());
  });
  binding_.Bind(controls_.txtYear, model_->txtYear);
  binding_.BindTyped(controls_.lstLocation, model_->lstLocation);
  binding_.Bind(controls_.chkDST, model_->chkDST);
  binding_.Bind(controls_.lblLat, model_->lblLat, plain);
  binding_.Bind(controls_.lblLong, model_->lblLong, plain);
  binding_.Bind(controls_.lblTimeZone, model_->lblTimeZone, plain);
  binding_.Bind(controls_.lblKaliYuga, model_->lblKaliYuga, stored);
  binding_.Bind(controls_.lblVikram, model_->lblVikram, stored);

  const auto handler = [this](QAbstractButton* button, void (frmKalnika::*click)()) {
    connect(button, &QAbstractButton::clicked, this, [this, click] { Run([this, click] { ((*model_).*click)(); }); });
  };
  handler(controls_.cmdCalculate, &frmKalnika::cmdCalculate_Click);
  handler(controls_.cmdPreviousMonth, &frmKalnika::cmdPreviousMonth_Click);
  handler(controls_.cmdNextMonth, &frmKalnika::cmdNextMonth_Click);
  handler(controls_.cmdNextYear, &frmKalnika::cmdNextYear_Click);
  handler(controls_.cmdPreviousYear, &frmKalnika::cmdPreviousYear_Click);
  handler(controls_.cmdDefaultLocation, &frmKalnika::cmdDefaultLocation_Click);
  connect(controls_.cmdAddLocation, &QPushButton::clicked, this, &MainWindow::addLocationRequested);
  connect(controls_.CmdAbout, &QPushButton::clicked, this, &MainWindow::aboutRequested);
  // The table always shows what the boxes say. A month chosen (mouse, keys, or
  // Return in the box) calculates; so does Return in the year box or the place box,
  // as pressing "Calculate" does, and leaving the year box with another year.
  connect(controls_.lstMonth, qOverload<int>(&QComboBox::activated), this,
          [this] { Run([this] { model_->lstMonth_Click(); }); });
  controls_.lstMonth->installEventFilter(this);
  connect(controls_.txtYear, &QLineEdit::returnPressed, controls_.cmdCalculate, &QPushButton::click);
  connect(controls_.txtYear, &QLineEdit::editingFinished, this, [this] {
    if (!controls_.txtYear->hasFocus()) Run([this] { model_->txtYear_LostFocus(); });
  });
  connect(controls_.lstLocation->lineEdit(), &QLineEdit::returnPressed, controls_.cmdCalculate, &QPushButton::click);
  // A place chosen from the list or the search shows its coordinates and zone and
  // its month.
  auto* places = new PlaceBox(controls_.lstLocation, model_->lstLocation.items);
  connect(places, &PlaceBox::chosen, this, [this] { Run([this] { model_->PlaceChosen(); }); });
  // Up and Down in the year box step the year as its arrows do: the box and its
  // arrows are one stop of the tab order.
  const auto yearKey = [this](Qt::Key key, QAbstractButton* button) {
    auto* shortcut = new QShortcut(QKeySequence(key), controls_.txtYear, nullptr, nullptr, Qt::WidgetShortcut);
    connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
  };
  yearKey(Qt::Key_Up, controls_.cmdNextYear);
  yearKey(Qt::Key_Down, controls_.cmdPreviousYear);

  // Page Up and Page Down step the month, with Ctrl the year, wherever the focus is.
  const auto key = [this](QKeySequence keys, QAbstractButton* button) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
  };
  key(QKeySequence(Qt::Key_PageUp), controls_.cmdPreviousMonth);
  key(QKeySequence(Qt::Key_PageDown), controls_.cmdNextMonth);
  key(QKeySequence(Qt::CTRL | Qt::Key_PageUp), controls_.cmdPreviousYear);
  key(QKeySequence(Qt::CTRL | Qt::Key_PageDown), controls_.cmdNextYear);

  // A day row of the table or a square of the wall calendar opens its day view.
  connect(gridView_->Table(), &MonthTableWidget::dayActivated, this, &MainWindow::OpenDayView);
  connect(wallView_, &WallCalendarView::dayActivated, this, &MainWindow::OpenDayView);
}

int MainWindow::SelectedDay() const {
  const std::optional<MonthSheet>& shown = model_->Shown();
  if (!shown) return 0;
  const int days = static_cast<int>(shown->values.days.size());
  int day = ShownMonthView() == MonthView::Wall ? wallView_->SelectedDay() : gridView_->Table()->currentRow();
  if (day < 1 || day > days)
    day = today_.year() == shown->values.year && today_.month() == shown->values.month ? today_.day() : 1;
  return std::clamp(day, 1, std::max(days, 1));
}

void MainWindow::OpenSelectedDay() { OpenDayView(SelectedDay()); }

void MainWindow::OpenDayView(int day) {
  const std::optional<MonthSheet>& shown = model_->Shown();
  const std::optional<CivilDate> date = shown ? DateOfRow(*shown, day) : std::nullopt;
  if (!date) {
    ShowMessage(this, QCoreApplication::translate("MainWindow", "No month table is shown. Press \"Calculate\" first."));
    return;
  }
  if (dayView_ == nullptr) dayView_ = new DayViewDialog(this, *messageBox_, *model_, grid_->Display());
  dayView_->Open(*shown, *date);
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QString());
  file->setObjectName(QStringLiteral("menuFile"));
  files_->AddActions(file);
  wallFiles_->AddActions(file);
  computedWith_ = new ComputedWithLine(menuBar());
  QMenu* view = menuBar()->addMenu(QString());
  view->setObjectName(QStringLiteral("menuView"));
  calculationMenu_ = new CalculationMenu(view, {model_->method, model_->clockSetting},
                                         [this](const CalculationSettings& settings) { SetCalculation(settings); });
  displayMenu_ = new DisplayMenu(view, grid_->Display(), [this](const DisplayOptions& options) { SetDisplay(options); });
  monthViewMenu_ = new MonthViewMenu(view, LoadMonthView(), [this](MonthView shown) { ShowMonthView(shown); });
  ShowMonthView(LoadMonthView());
  view->addSeparator();
  QAction* day = view->addAction(QString());
  day->setObjectName(QStringLiteral("actionDayView"));
  day->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  connect(day, &QAction::triggered, this, &MainWindow::OpenSelectedDay);
  // The interface language, each by its own name (as language menus offer them).
  view->addSeparator();
  QMenu* language = view->addMenu(QString());
  language->setObjectName(QStringLiteral("menuLanguage"));
  languages_ = new QActionGroup(this);
  languages_->setExclusive(true);
  for (Language choice : {Language::Marathi, Language::English}) {
    // Each by its own name, with a letter of the Latin keyboard.
    QAction* action = language->addAction(choice == Language::Marathi ? LanguageName(choice) + QStringLiteral(" (&M)")
                                                                      : QStringLiteral("&English"));
    action->setObjectName(QStringLiteral("actionLanguage_") + LanguageCode(choice));
    action->setCheckable(true);
    action->setData(static_cast<int>(choice));
    languages_->addAction(action);
  }
  connect(languages_, &QActionGroup::triggered, this,
          [this](QAction* action) { emit languageChosen(static_cast<Language>(action->data().toInt())); });
  QMenu* help = menuBar()->addMenu(QString());
  help->setObjectName(QStringLiteral("menuHelp"));
  QAction* contents = help->addAction(QString());
  contents->setObjectName(QStringLiteral("actionHelp"));
  contents->setShortcut(QKeySequence::HelpContents);
  connect(contents, &QAction::triggered, this, &MainWindow::helpRequested);
  QAction* about = help->addAction(QString());
  about->setObjectName(QStringLiteral("actionAbout"));
  connect(about, &QAction::triggered, this, &MainWindow::aboutRequested);
  OnLanguageChange(menuBar(), [=] {
    file->setTitle(QCoreApplication::translate("MainWindow", "&File"));
    view->setTitle(QCoreApplication::translate("MainWindow", "&View"));
    // The language menu's name in the other language too, for whoever cannot read
    // the one shown.
    language->setTitle(QCoreApplication::translate("MainWindow", "Lan&guage") +
                       (LanguageOfLocale(QLocale()) == Language::Marathi ? QStringLiteral(" / Language")
                                                                         : QStringLiteral(" / \u092D\u093E\u0937\u093E")));
    day->setText(QCoreApplication::translate("MainWindow", "Da&y View..."));
    day->setToolTip(QCoreApplication::translate("MainWindow", "The page of the day chosen in the table or the wall calendar"));
    help->setTitle(QCoreApplication::translate("MainWindow", "&Help"));
    contents->setText(QCoreApplication::translate("MainWindow", "Kalnika &Help"));
    about->setText(QCoreApplication::translate("MainWindow", "&About Kalnika"));
  });
}

void MainWindow::ShowLanguage(Language language) {
  for (QAction* action : languages_->actions())
    if (action->data().toInt() == static_cast<int>(language)) action->setChecked(true);
}

void MainWindow::Load() {
  model_->Form_Load(today_.year(), today_.month());
  ShowModel();
  FitListToItems(controls_.lstMonth);  // the lists are filled now
  panel_->Relayout();
  resize(WantedSize());
  FitToScreen();
  controls_.lstMonth->setFocus();
}

void MainWindow::PlaceAdded(int position) {
  Run([this, position] { model_->PlaceAdded(position); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // Return in the month box (its list closed) calculates, as choosing a month does.
  if (watched == controls_.lstMonth && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Run([this] { model_->lstMonth_Click(); });
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

QSize MainWindow::WantedSize() const {
  // Large enough for the whole month and the design where the screen allows; on a
  // smaller screen the design is scaled down and the grid takes the room left.
  const QSize grid = gridView_->sizeHint();
  const QSize panel = panel_->sizeHint();
  return QSize(std::max(grid.width(), panel.width()),
               menuBar()->sizeHint().height() + TwipsToPixels(kGridTopTwips, logicalDpiY()) + grid.height() +
                   panel.height());
}

void MainWindow::FitToScreen() {
  const QScreen* shown = screen();
  if (shown == nullptr) return;
  const QRect room = shown->availableGeometry();
  // The frame the window system draws around the window; before the window is
  // shown, an allowance for a title bar and borders.
  QMargins frame(frameGeometry().left() - geometry().left(), frameGeometry().top() - geometry().top(),
                 frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
  if (!isVisible()) frame = QMargins(kFrameAllowance, 4 * kFrameAllowance, kFrameAllowance, kFrameAllowance);
  const QSize most = room.size().shrunkBy(frame);
  if (width() > most.width() || height() > most.height()) resize(size().boundedTo(most));
  // Inside the room, frame included.
  QRect framed = QRect(pos(), size() + QSize(frame.left() + frame.right(), frame.top() + frame.bottom()));
  framed.moveLeft(std::clamp(framed.left(), room.left(), std::max(room.left(), room.right() - framed.width() + 1)));
  framed.moveTop(std::clamp(framed.top(), room.top(), std::max(room.top(), room.bottom() - framed.height() + 1)));
  if (framed.topLeft() != pos()) move(framed.topLeft());
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (computedWith_ != nullptr) computedWith_->Fit();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The real frame is known once the window is shown.
  QTimer::singleShot(0, this, &MainWindow::FitToScreen);
  // A system without a Devanagari font shows boxes: said once, at the first showing.
  if (!fontChecked_) {
    fontChecked_ = true;
    const QString warning = MissingFontWarning(QFontDatabase::families(QFontDatabase::Devanagari));
    if (!warning.isEmpty()) QTimer::singleShot(0, this, [this, warning] { ShowMessage(this, warning); });
  }
}

template <typename Handler>
void MainWindow::Run(Handler handler) {
  binding_.Push();
  handler();
  ShowModel();
}

void MainWindow::ShowModel() {
  binding_.Pull();
  grid_->Show(model_->Table(), model_->GridVisible(), model_->Shown() ? &model_->Shown()->values : nullptr);
  wallView_->Show(model_->Shown());
  // The era labels belong to the month shown: without one (after a refused input)
  // neither is shown, although the model keeps the Vikram caption.
  controls_.lblVikram->setVisible(model_->GridVisible());

  // With the automatic clock a place's zone sets the clocks, and the box has no say.
  const QString zone = QString::fromStdString(model_->ClockZoneName());
  controls_.chkDST->setEnabled(zone.isEmpty());
  if (QWidget* caption = panel_->findChild<QLabel*>(QStringLiteral("lblDayLightSaving"))) caption->setEnabled(zone.isEmpty());
  controls_.lblTimeZone->setToolTip(zone.isEmpty() ? QString() : zone);
  ShowStateTexts();
  // An open day view shows its date for the month's place and clock, or closes
  // when no month is shown.
  if (dayView_ != nullptr) dayView_->Follow(model_->Shown());
}

void MainWindow::ShowStateTexts() {
  const QString zone = QString::fromStdString(model_->ClockZoneName());
  controls_.chkDST->setToolTip(zone.isEmpty() ? QCoreApplication::translate("MainWindow", kDaylightSavingTip)
                                              : QCoreApplication::translate("MainWindow",
                                                                            "The clock follows the time zone %1, "
                                                                            "standard or summer time on each date "
                                                                            "(View > Clock).")
                                                    .arg(zone));
  computedWith_->Show(model_->Shown());
}

MonthPage MainWindow::ShownPage() const { return model_->Shown().value_or(MonthPage{}); }

const DisplayOptions& MainWindow::Display() const { return grid_->Display(); }

void MainWindow::ApplyEraFonts() {
  // The era labels are drawn in the grid's font.
  panel_->SetDesignFont(controls_.lblKaliYuga, TextFont(grid_->Display(), kEraPointSize, true));
  panel_->SetDesignFont(controls_.lblVikram, TextFont(grid_->Display(), kEraPointSize, false));
}

void MainWindow::SetCalculation(const CalculationSettings& settings) {
  model_->method = settings.method;
  model_->clockSetting = settings.clock;
  calculationMenu_->Show(settings);
  StoreCalculationSettings(settings);
  Run([this] { model_->Recalculate(); });
}

void MainWindow::SetDisplay(const DisplayOptions& options) {
  grid_->SetDisplay(options);
  wallView_->SetDisplay(options);
  ApplyEraFonts();
  controls_.lblKaliYuga->setText(DisplayString(model_->lblKaliYuga.Caption, options));
  controls_.lblVikram->setText(DisplayString(model_->lblVikram.Caption, options));
  displayMenu_->Show(options);
  if (dayView_ != nullptr) dayView_->SetDisplay(options);
  StoreDisplayOptions(options);
  // The columns fit the new texts (MonthGrid::SetDisplay): Latin names are wider,
  // and the window grows for them where the screen allows, and shrinks back.
  FitWidth();
}

void MainWindow::FitWidth() {
  if (isMaximized() || isFullScreen()) return;
  // Bounded by the room here: a shown window takes its new size only when the
  // window system answers, so FitToScreen would still see the old one.
  int width = WantedSize().width();
  if (const QScreen* shown = screen()) {
    const int frame = frameGeometry().width() - geometry().width();
    width = std::min(width, shown->availableGeometry().width() - (isVisible() ? frame : 2 * kFrameAllowance));
  }
  resize(width, height());
  QTimer::singleShot(0, this, &MainWindow::FitToScreen);
}

void MainWindow::ShowMonthView(MonthView view) {
  views_->setCurrentIndex(view == MonthView::Wall ? 1 : 0);
  monthViewMenu_->Show(view);
  StoreMonthView(view);
}

MonthView MainWindow::ShownMonthView() const {
  return views_->currentIndex() == 1 ? MonthView::Wall : MonthView::Table;
}

}  // namespace kalnika::ui
