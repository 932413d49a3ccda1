#include "ui/about_box.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/twips.h"

namespace kalnika::ui {

namespace {

// The box's designed client area, in twips, with a row added for the place file.
constexpr int kClientWidthTwips = 4305;
constexpr int kClientHeightTwips = 3000;

// A calendar page with a crescent, painted when the SVG icon cannot be read (no
// SVG image plug-in installed).
QPixmap PaintedIcon(int side) {
  QPixmap pixmap(side, side);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const double unit = side / 64.0;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xFF, 0xFF, 0xFF));
  painter.drawRoundedRect(QRectF(6 * unit, 8 * unit, 52 * unit, 50 * unit), 6 * unit, 6 * unit);
  painter.setBrush(QColor(0xC6, 0x3D, 0x1E));
  painter.drawRoundedRect(QRectF(6 * unit, 8 * unit, 52 * unit, 14 * unit), 6 * unit, 6 * unit);
  painter.setBrush(QColor(0xE8, 0xA3, 0x17));
  painter.drawEllipse(QRectF(20 * unit, 26 * unit, 26 * unit, 26 * unit));
  painter.setBrush(QColor(0xFF, 0xFF, 0xFF));
  painter.drawEllipse(QRectF(27 * unit, 24 * unit, 24 * unit, 24 * unit));
  return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
  QIcon icon(QStringLiteral(":/kalnika/kalnika.svg"));
  if (!icon.pixmap(32, 32).isNull()) return icon;
  QIcon painted;
  for (int side : {16, 32, 48, 64, 128}) painted.addPixmap(PaintedIcon(side));
  return painted;
}

AboutBox::AboutBox(const std::filesystem::path& placeFile, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QString::fromLatin1(kAboutTitle));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* panel = new TwipsPanel(QPoint(0, 0), QSize(kClientWidthTwips, kClientHeightTwips));
  layout->addWidget(panel);

  auto* image = new QLabel;
  image->setObjectName(QStringLiteral("Image1"));
  const int width = TwipsToPixels(1605, logicalDpiX());
  const int height = TwipsToPixels(1935, logicalDpiY());
  const int side = std::min(width, height);
  image->setPixmap(ProgramIcon().pixmap(side, side));
  image->setAlignment(Qt::AlignCenter);
  panel->Place(image, {120, 240, 1605, 1935});

  struct LabelDesign {
    const char* name;
    QString text;
    TwipsRect rect;
  };
  const LabelDesign labels[] = {
      {"Label1", QStringLiteral("Hindu Kalnika VERSION 1.0"), {1920, 240, 2415, 255}},
      {"Label2", QStringLiteral("Author: ") + QString::fromLatin1(kAuthor), {1800, 480, 2175, 255}},
      {"Label3", QStringLiteral("Address: the Kalnika project"), {1800, 720, 2295, 255}},
      {"Label4", QStringLiteral("free software"), {2520, 960, 1575, 255}},
      {"Label5", QStringLiteral("email address: -"), {1800, 1200, 1215, 255}},
      {"Label6", QStringLiteral("none; see the help document"), {1800, 1440, 2415, 255}},
  };
  for (const LabelDesign& design : labels) {
    auto* label = new QLabel(design.text);
    label->setObjectName(QString::fromLatin1(design.name));
    panel->Place(label, design.rect);
  }

  auto* placeLabel = new QLabel(QStringLiteral("Places are read from and stored in:\n") +
                                QString::fromStdString(placeFile.string()));
  placeLabel->setObjectName(QStringLiteral("lblPlaceFile"));
  placeLabel->setWordWrap(true);
  placeLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  placeLabel->setMinimumWidth(TwipsToPixels(4065, logicalDpiX()));
  panel->Place(placeLabel, {120, 2280, 4065, 600});

  auto* cmdHelp = new QPushButton(QStringLiteral("Help"));
  cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
  panel->Place(cmdHelp, {2280, 1800, 855, 375});
  auto* cmdOK = new QPushButton(QStringLiteral("OK"));
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  panel->Place(cmdOK, {3360, 1800, 855, 375});
  panel->Relayout();
  setTabOrder(cmdOK, cmdHelp);
  cmdOK->setFocus();

  connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
  connect(cmdHelp, &QPushButton::clicked, this, &AboutBox::helpRequested);
}

}  // namespace kalnika::ui
