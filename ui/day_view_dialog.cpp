#include "ui/day_view_dialog.h"

#include <QCoreApplication>
#include <QDate>
#include <QHBoxLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/language.h"
#include "ui/month_files.h"
#include "ui/window_message_box.h"

namespace kalnika::ui {

namespace {

// Room around the page on screen, in pixels.
constexpr int kMargin = 10;
// The size the view asks for, and the least in which the page is still legible
// (its least type).
constexpr QSize kWanted(1000, 640);
constexpr QSize kLeast(560, 330);

// The context of the dialog's texts in the translations.
constexpr const char* kContext = "DayViewDialog";

// One A4 portrait page, as the PDF is.
void SetUpDayPrinter(QPrinter& printer) {
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageSize(QPageSize(QPageSize::A4));
}

}  // namespace

DayPageView::DayPageView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("dayPage"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void DayPageView::Show(std::optional<DayPageTexts> page, const DisplayOptions& options) {
  page_ = std::move(page);
  options_ = options;
  update();
}

QSize DayPageView::sizeHint() const { return kWanted; }
QSize DayPageView::minimumSizeHint() const { return kLeast; }

void DayPageView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setRenderHint(QPainter::TextAntialiasing);
  if (page_)
    PaintDayPage(painter, QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin), *page_, options_,
                 DayMedium::Screen);
}

DayViewDialog::DayViewDialog(QWidget* parent, MessageBox& messageBox, frmKalnika& form, DisplayOptions options)
    : QDialog(parent), messageBox_(messageBox), form_(form), options_(std::move(options)) {
  setObjectName(QStringLiteral("dayView"));
  setModal(false);
  view_ = new DayPageView;
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 6);
  layout->addWidget(view_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(8, 0, 8, 0);
  const auto button = [buttons](const char* name) {
    auto* b = new QPushButton;
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    buttons->addWidget(b);
    return b;
  };
  QPushButton* previous = button("cmdPreviousDay");
  QPushButton* next = button("cmdNextDay");
  buttons->addStretch(1);
  QPushButton* print = button("cmdPrintDay");
  QPushButton* preview = button("cmdPreviewDay");
  QPushButton* pdf = button("cmdSaveDayPdf");
  QPushButton* close = button("cmdCloseDay");
  layout->addLayout(buttons);

  connect(previous, &QPushButton::clicked, this, [this] { Step(&frmDay::cmdPreviousDay_Click); });
  connect(next, &QPushButton::clicked, this, [this] { Step(&frmDay::cmdNextDay_Click); });
  connect(print, &QPushButton::clicked, this, &DayViewDialog::Print);
  connect(preview, &QPushButton::clicked, this, &DayViewDialog::Preview);
  connect(pdf, &QPushButton::clicked, this, &DayViewDialog::AskSavePdf);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  // The keys step wherever the focus is in the window (no box here takes them).
  const auto key = [this](QKeySequence keys, QPushButton* target) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, target, &QPushButton::click);
  };
  key(QKeySequence(Qt::Key_Left), previous);
  key(QKeySequence(Qt::Key_PageUp), previous);
  key(QKeySequence(Qt::Key_Right), next);
  key(QKeySequence(Qt::Key_PageDown), next);
  key(QKeySequence::Print, print);

  // The texts in the interface language, now and at every change; the page too, for
  // the words of its place line, and the title.
  OnLanguageChange(this, [=, this] {
    const auto set = [](QPushButton* b, const char* text, const char* tip) {
      b->setText(QCoreApplication::translate(kContext, text));
      b->setToolTip(QCoreApplication::translate(kContext, tip));
    };
    set(previous, QT_TRANSLATE_NOOP("DayViewDialog", "\u25C0 &Previous day"),
        QT_TRANSLATE_NOOP("DayViewDialog", "Left arrow or Page Up"));
    set(next, QT_TRANSLATE_NOOP("DayViewDialog", "&Next day \u25B6"),
        QT_TRANSLATE_NOOP("DayViewDialog", "Right arrow or Page Down"));
    set(print, QT_TRANSLATE_NOOP("DayViewDialog", "P&rint..."),
        QT_TRANSLATE_NOOP("DayViewDialog", "Prints the day on one page (Ctrl+P)"));
    set(preview, QT_TRANSLATE_NOOP("DayViewDialog", "Print Pre&view..."),
        QT_TRANSLATE_NOOP("DayViewDialog", "Shows the printed page first"));
    set(pdf, QT_TRANSLATE_NOOP("DayViewDialog", "Save as P&DF..."),
        QT_TRANSLATE_NOOP("DayViewDialog", "Saves the day as a one-page PDF file"));
    set(close, QT_TRANSLATE_NOOP("DayViewDialog", "&Close"), QT_TRANSLATE_NOOP("DayViewDialog", "Esc"));
    ShowModel();
  });
}

void DayViewDialog::Open(const MonthSheet& month, const CivilDate& date) {
  auto model = std::make_unique<frmDay>(messageBox_, form_, month);
  if (!model->Show(date)) return;
  model_ = std::move(model);
  ShowModel();
  if (!isVisible()) {
    // As large as wanted, within the screen's room less a frame's.
    const QScreen* shown = parentWidget() ? parentWidget()->screen() : screen();
    QSize size = sizeHint().expandedTo(kWanted + QSize(0, 40));
    if (shown) size = size.boundedTo(shown->availableGeometry().size() - QSize(16, 48));
    resize(size);
  }
  show();
  raise();
  activateWindow();
}

void DayViewDialog::SetDisplay(const DisplayOptions& options) {
  options_ = options;
  ShowModel();
}

void DayViewDialog::Follow(const std::optional<MonthSheet>& month) {
  if (!isVisible() || !model_ || !model_->Shown()) return;
  const CivilDate date = model_->Shown()->values.date;
  std::unique_ptr<frmDay> model = month ? std::make_unique<frmDay>(messageBox_, form_, *month) : nullptr;
  if (!model || !model->Show(date)) {
    // No page rather than the page of a place or clock the window has left.
    model_.reset();
    ShowModel();
    close();
    return;
  }
  model_ = std::move(model);
  ShowModel();
}

const std::optional<DayPageTexts>& DayViewDialog::Page() const { return view_->Page(); }

void DayViewDialog::Step(void (frmDay::*step)()) {
  if (!model_) return;
  ((*model_).*step)();
  ShowModel();
}

void DayViewDialog::ShowModel() {
  if (!model_ || !model_->Shown()) {
    view_->Show(std::nullopt, options_);
    setWindowTitle(QCoreApplication::translate("DayViewDialog", "Day View"));
    return;
  }
  const DaySheet& day = *model_->Shown();
  view_->Show(DayTexts(day, options_), options_);
  // The date as the interface language writes it, and the place.
  const CivilDate& d = day.values.date;
  const QString date = QLocale().toString(QDate(d.year, d.month, d.day), QStringLiteral("dddd d MMMM yyyy"));
  const QString place = PlainText(day.place.name).trimmed();
  setWindowTitle(QCoreApplication::translate("DayViewDialog", "Day View: %1").arg(date) +
                 (place.isEmpty() ? QString() : QStringLiteral(" \u2013 ") + place));
}

void DayViewDialog::Print() {
  if (!model_ || !model_->Shown()) return;
  QPrinter printer(QPrinter::HighResolution);
  SetUpDayPrinter(printer);
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(QCoreApplication::translate("DayViewDialog", "Print the Day"));
  if (dialog.exec() != QDialog::Accepted) return;
  PrintDayPage(printer, *model_->Shown(), options_);
}

void DayViewDialog::Preview() {
  if (!model_ || !model_->Shown()) return;
  QPrinter printer(QPrinter::HighResolution);
  SetUpDayPrinter(printer);
  QPrintPreviewDialog preview(&printer, this);
  const DaySheet day = *model_->Shown();
  const DisplayOptions options = options_;
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [&day, &options](QPrinter* target) { PrintDayPage(*target, day, options); });
  preview.exec();
}

bool DayViewDialog::SavePdf(const QString& file) {
  if (!model_ || !model_->Shown()) return false;
  const QString error = WriteDayPdf(file, *model_->Shown(), options_);
  if (error.isEmpty()) return true;
  ShowMessage(this, QCoreApplication::translate("DayViewDialog", "The PDF file \"%1\" could not be written: %2").arg(file, error));
  return false;
}

void DayViewDialog::AskSavePdf() {
  if (!model_ || !model_->Shown()) return;
  // In the folder where a file was last saved, as the File menu's dialogs.
  const QString file = AskSaveFile(this, QCoreApplication::translate("DayViewDialog", "Save Day as PDF"),
                                   PlainText(DayFileName(*model_->Shown())) + QStringLiteral(".pdf"),
                                   QCoreApplication::translate("DayViewDialog", "PDF files (*.pdf)"));
  if (!file.isEmpty()) SavePdf(file);
}

}  // namespace kalnika::ui
