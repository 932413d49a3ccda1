#pragma once
// The look of the wall calendar's pages, shared by the page and its squares: the
// colours, the sizes on paper and on screen, and fonts given in device pixels.
#include <QColor>
#include <QFont>
#include <QPaintDevice>
#include <algorithm>

#include "ui/display_text.h"

namespace kalnika::ui::wall_style {

// Colours of the page: black ink, Sundays in red as Marathi wall calendars print
// them, festivals in deep red on a light saffron square, the Sun's entries in blue.
inline const QColor kInk(0x20, 0x20, 0x20);
inline const QColor kMuted(0x55, 0x55, 0x55);
inline const QColor kSunday(0xC6, 0x28, 0x28);
inline const QColor kTitle(0x7B, 0x1F, 0x1F);
inline const QColor kFestival(0xA0, 0x19, 0x1B);
inline const QColor kFestivalSquare(0xFF, 0xF3, 0xE0);
inline const QColor kSignEntry(0x1F, 0x5A, 0x8B);
inline const QColor kNewMoon(0x1A, 0x23, 0x7E);
inline const QColor kFullMoon(0xA8, 0x60, 0x00);
inline const QColor kFullMoonFill(0xFF, 0xF1, 0xB8);
// Eclipses: the Earth's shadow on the Moon in copper red, the Sun in orange.
inline const QColor kEclipse(0x8E, 0x2B, 0x12);
inline const QColor kEclipseShadow(0x9C, 0x3D, 0x1C);
inline const QColor kSunDisc(0xF2, 0x9E, 0x1F);
inline const QColor kMonthTag(0x6D, 0x3B, 0x00);
inline const QColor kMonthTagFill(0xFA, 0xE2, 0xBD);
inline const QColor kOutside(0xF3, 0xF1, 0xEE);
inline const QColor kBand(0xF2, 0xE2, 0xCC);
inline const QColor kGrid(0xB5, 0xA6, 0x94);

// Sizes on paper, as shares of the page's height: the month's title, the lunar
// months under it, the eras, the footer, the band of weekday names.
inline constexpr double kPaperTitle = 0.040;
inline constexpr double kPaperLunar = 0.021;
inline constexpr double kPaperEras = 0.0135;
inline constexpr double kPaperFooter = 0.0105;
inline constexpr double kPaperBand = 0.027;
// Least type of a square's small texts: on paper 4.8 pt, still legible printed;
// on screen 8 pt (about 11 pixels at scale 1), below which the notes are
// shortened, whole words at a time, and the tooltip holds them. The most on screen
// grows with a larger window's squares, up to 20 pixels.
inline constexpr double kPaperLeastPoints = 4.8;
inline constexpr double kScreenLeastPoints = 8.0;
inline constexpr double kScreenMostPixels = 20.0;
// A square whose inner room is this many times wider than high puts the date at
// its left and the texts beside it (the window's squares); otherwise below it.
inline constexpr double kSideBySide = 1.7;


// A font whose em is `pixels` device pixels high.
inline QFont FontOfPixels(const DisplayOptions& options, double pixels, bool bold, const QPaintDevice* device) {
  return TextFont(options, std::max(1.0, pixels * 72.0 / device->logicalDpiY()), bold);
}

inline double PointsToPixels(double points, const QPaintDevice* device) { return points * device->logicalDpiY() / 72.0; }

}  // namespace kalnika::ui::wall_style
