#include "ui/paged_output.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace kalnika::ui {

bool PaintPages(QPagedPaintDevice& device, std::size_t count, const PagePainter& paint) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) device.newPage();
    paint(painter, QRectF(0, 0, device.width(), device.height()), i);
  }
  painter.end();
  return true;
}

QString WritePdfPages(const QString& file, const PdfSetup& setup, std::size_t count, const PagePainter& paint) {
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return out.errorString();
  {
    QPdfWriter writer(&out);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(setup.orientation);
    const double m = setup.marginMillimetres;
    writer.setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("Kalnika"));
    writer.setTitle(setup.title);
    if (!PaintPages(writer, count, paint)) {
      out.cancelWriting();
      return QStringLiteral("the PDF could not be started");
    }
  }
  if (!out.commit()) return out.errorString();
  return {};
}

}  // namespace kalnika::ui
