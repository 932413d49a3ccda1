#pragma once
// Window layouts are designed in twips (1/1440 inch): 15 twips make one pixel on a
// 96-dpi screen. These helpers turn twips into pixels for the screen in use and
// place widgets at their designed rectangles.
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <vector>

namespace kalnika::ui {

// Pixels of a length in twips on a screen of `dpi` logical dots per inch, rounded
// to the nearest pixel (233 twips are 16 px at 96 dpi and 23 px at 144 dpi).
int TwipsToPixels(int twips, double dpi);

// A designed rectangle in twips.
struct TwipsRect {
  int left = 0, top = 0, width = 0, height = 0;
};

// A widget whose children stand at designed positions in twips, measured from
// `originTwips` (the design point shown at the panel's top-left corner), and which
// draws the designed separator lines. A child is never made smaller than its
// minimum size hint: a combo box of a modern style or a Devanagari label needs
// more room than the old design gave it, so it grows right and down from its
// designed corner.
class TwipsPanel : public QWidget {
 public:
  // `designTwips`: the panel's designed size; it grows to hold grown children.
  TwipsPanel(QPoint originTwips, QSize designTwips, QWidget* parent = nullptr);

  // Puts `child` (made a child of the panel) at its designed rectangle.
  void Place(QWidget* child, TwipsRect rect);
  // A separator line from one design point to another.
  void AddLine(QPoint fromTwips, QPoint toTwips);
  // Recomputes every child's pixel rectangle (after a font change).
  void Relayout();

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int Px(int twips) const;  // twips -> pixels on this panel's screen

  struct Placed {
    QWidget* widget;
    TwipsRect rect;
  };
  struct Line {
    QPoint from, to;
  };
  QPoint origin_;
  QSize design_;
  std::vector<Placed> placed_;
  std::vector<Line> lines_;
  QSize needed_;  // pixels: the design size grown to hold every child
};

}  // namespace kalnika::ui
