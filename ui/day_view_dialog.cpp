#include "ui/day_view_dialog.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <cstdio>

#include "ui/window_message_box.h"

namespace kalnika::ui {

namespace {

// Room around the page on screen, in pixels.
constexpr int kMargin = 10;
// The size the view asks for, and the least in which the page is still legible
// (its least type).
constexpr QSize kWanted(1000, 640);
constexpr QSize kLeast(560, 330);

QString IsoDate(const CivilDate& d) {
  char text[24];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
  return QString::fromLatin1(text);
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
  const auto button = [this, buttons](const char* name, const QString& text, const QString& tip) {
    auto* b = new QPushButton(text);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    b->setAutoDefault(false);
    buttons->addWidget(b);
    return b;
  };
  QPushButton* previous = button("cmdPreviousDay", tr("\u25C0 &Previous day"), tr("Left arrow or Page Up"));
  QPushButton* next = button("cmdNextDay", tr("&Next day \u25B6"), tr("Right arrow or Page Down"));
  buttons->addStretch(1);
  QPushButton* print = button("cmdPrintDay", tr("P&rint..."), tr("Prints the day on one page"));
  QPushButton* pdf = button("cmdSaveDayPdf", tr("Save as P&DF..."), tr("Saves the day as a one-page PDF file"));
  QPushButton* close = button("cmdCloseDay", tr("Close"), tr("Escape"));
  layout->addLayout(buttons);

  connect(previous, &QPushButton::clicked, this, [this] { Step(&frmDay::cmdPreviousDay_Click); });
  connect(next, &QPushButton::clicked, this, [this] { Step(&frmDay::cmdNextDay_Click); });
  connect(print, &QPushButton::clicked, this, &DayViewDialog::Print);
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

const std::optional<DayPageTexts>& DayViewDialog::Page() const { return view_->Page(); }

void DayViewDialog::Step(void (frmDay::*step)()) {
  if (!model_) return;
  ((*model_).*step)();
  ShowModel();
}

void DayViewDialog::ShowModel() {
  if (!model_ || !model_->Shown()) {
    view_->Show(std::nullopt, options_);
    return;
  }
  const DaySheet& day = *model_->Shown();
  view_->Show(DayTexts(day, options_), options_);
  const QString place = PlainText(day.place.name);
  setWindowTitle(tr("Day %1").arg(IsoDate(day.values.date)) +
                 (place.isEmpty() ? QString() : QStringLiteral(" \u2013 ") + place));
}

void DayViewDialog::Print() {
  if (!model_ || !model_->Shown()) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageSize(QPageSize(QPageSize::A4));
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  PrintDayPage(printer, *model_->Shown(), options_);
}

bool DayViewDialog::SavePdf(const QString& file) {
  if (!model_ || !model_->Shown()) return false;
  const QString error = WriteDayPdf(file, *model_->Shown(), options_);
  if (error.isEmpty()) return true;
  ShowMessage(this, tr("The PDF file \"%1\" could not be written: %2").arg(file, error));
  return false;
}

void DayViewDialog::AskSavePdf() {
  if (!model_ || !model_->Shown()) return;
  const QString suggested = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/') +
                            PlainText(DayFileName(*model_->Shown())) + QStringLiteral(".pdf");
  const QString file = QFileDialog::getSaveFileName(this, tr("Save Day as PDF"), suggested, tr("PDF files (*.pdf)"));
  if (!file.isEmpty()) SavePdf(file);
}

}  // namespace kalnika::ui
