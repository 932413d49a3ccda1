#include "ui/about_box.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/language.h"
#include "ui/twips.h"

namespace kalnika::ui {

namespace {

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
  setModal(false);
  auto* layout = new QGridLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setHorizontalSpacing(16);

  auto* image = new QLabel;
  image->setObjectName(QStringLiteral("Image1"));
  const int side = TwipsToPixels(1605, logicalDpiX());
  image->setPixmap(ProgramIcon().pixmap(side, side));
  image->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  layout->addWidget(image, 0, 0, 2, 1);

  auto* texts = new QVBoxLayout;
  texts->setSpacing(6);
  layout->addLayout(texts, 0, 1);
  const auto add = [texts](const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    texts->addWidget(label);
    return label;
  };
  QLabel* heading = add("Label1");
  QFont bold = heading->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.25);
  heading->setFont(bold);
  QLabel* author = add("Label2");
  QLabel* version = add("lblVersion");
  QLabel* licence = add("lblLicence");
  QLabel* credits = add("lblCredits");
  QLabel* zones = add("lblTimeZones");
  QLabel* ephemeris = add("lblEphemeris");
  QLabel* places = add("lblPlaceFile");
  places->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QLabel* help = add("lblHelp");
  help->setTextFormat(Qt::RichText);
  help->setTextInteractionFlags(Qt::TextBrowserInteraction);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto* cmdHelp = new QPushButton;
  cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
  auto* cmdOK = new QPushButton;
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  buttons->addWidget(cmdHelp);
  buttons->addWidget(cmdOK);
  layout->addLayout(buttons, 1, 1);

  const QString placeFileName = QString::fromStdString(placeFile.string());
  OnLanguageChange(this, [=, this] {
    setWindowTitle(QCoreApplication::translate("AboutBox", kAboutTitle));
    heading->setText(QCoreApplication::translate("AboutBox", "Hindu Kalnika VERSION 1.0"));
    author->setText(QCoreApplication::translate("AboutBox", "Author: %1").arg(QCoreApplication::translate("AboutBox", kAuthor)));
    version->setText(QCoreApplication::translate("AboutBox", "Version %1, built with Qt %2.").arg(QString::fromLatin1(kVersion), QString::fromLatin1(QT_VERSION_STR)));
    licence->setText(QCoreApplication::translate("AboutBox", "Free software under the %1.").arg(QCoreApplication::translate("AboutBox", kLicence)));
    credits->setText(QCoreApplication::translate("AboutBox", "Town data of the place finder: GeoNames (https://www.geonames.org), licensed under "
                        "Creative Commons Attribution 4.0 (CC BY 4.0)."));
    zones->setText(QCoreApplication::translate("AboutBox", "Time zones and summer time: the IANA tz database (tzdata) of this system, read with Howard "
                      "Hinnant's date library."));
    ephemeris->setText(QCoreApplication::translate("AboutBox", "Positions of the precise method: Swiss Ephemeris by Astrodienst "
                          "(https://www.astro.com/swisseph), licensed under the AGPL."));
    places->setText(QCoreApplication::translate("AboutBox", "Places and auspicious days are read from and stored in:") + QLatin1Char('\n') + placeFileName);
    help->setText(QStringLiteral("<a href=\"help\">%1</a>%2")
                      .arg(QCoreApplication::translate("AboutBox", "Kalnika Help").toHtmlEscaped(),
                           QCoreApplication::translate("AboutBox", ": the columns of the table, the clock notation, the eras and the place file.").toHtmlEscaped()));
    cmdHelp->setText(QCoreApplication::translate("AboutBox", "&Help"));
    cmdOK->setText(QCoreApplication::translate("AboutBox", "OK"));
    // Wide enough for the caption in the window's title bar, and for the texts.
    const int titleWidth = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(windowTitle());
    const int least = std::max(TwipsToPixels(6600, logicalDpiX()), titleWidth + side + 120);
    for (QLabel* label : findChildren<QLabel*>())
      if (label != image) label->setMinimumWidth(least - side - layout->horizontalSpacing());
  });

  setTabOrder(cmdOK, cmdHelp);
  cmdOK->setFocus();
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
  connect(cmdHelp, &QPushButton::clicked, this, &AboutBox::helpRequested);
  connect(help, &QLabel::linkActivated, this, &AboutBox::helpRequested);
}

}  // namespace kalnika::ui
