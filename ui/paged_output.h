#pragma once
// Pages on paper: the printer and PDF files share how a sequence of pages is
// drawn, so the month table and the wall calendar only say what a page holds.
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <cstddef>
#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace kalnika::ui {

// Draws page `index` into `area`, the printable rectangle of the page.
using PagePainter = std::function<void(QPainter& painter, const QRectF& area, std::size_t index)>;

// Draws `count` pages on the device (a printer as it is set up, a PDF writer).
// False when the device could not be painted on.
bool PaintPages(QPagedPaintDevice& device, std::size_t count, const PagePainter& paint);

// An A4 PDF file of 300 dots an inch.
struct PdfSetup {
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  double marginMillimetres = 10;
  QString title;  // the document's title in its metadata
};

// Writes `count` pages as a PDF file through a temporary file renamed over `file`
// when complete. Returns the empty text on success, otherwise what failed (the file
// is then left as it was).
QString WritePdfPages(const QString& file, const PdfSetup& setup, std::size_t count, const PagePainter& paint);

}  // namespace kalnika::ui
