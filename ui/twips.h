#pragma once
// Window layouts are designed in twips (1/1440 inch): 15 twips make one pixel on a
// 96-dpi screen. These helpers turn twips into pixels for the screen in use and
// place widgets at their designed rectangles.
#include <QFont>
#include <QPoint>
#include <QSize>
#include <QScrollArea>
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
// designed corner. That is the panel's natural size.
//
// Narrower than its natural width, the panel shows the design scaled down to its
// width, fonts included, as far as no text gets smaller than kLeastPoints (the
// design's 8.25-point texts allow 3 %); a window narrower still scrolls the panel
// (PanelScroller) rather than shrink its texts out of reading. Its height follows
// the scale. Wider, the design keeps its natural size at the left.
class TwipsPanel : public QWidget {
 public:
  // Least size of a text of the panel, in points: about the least that reads
  // comfortably on a screen of 96 dpi at scale 1.
  static constexpr double kLeastPoints = 8.0;
  // Least scale of the design: the one at which its smallest text is kLeastPoints.
  double LeastScale() const;

  // `designTwips`: the panel's designed size; it grows to hold grown children.
  TwipsPanel(QPoint originTwips, QSize designTwips, QWidget* parent = nullptr);

  // Puts `child` (made a child of the panel) at its designed rectangle, in the font
  // it has now. With `grows` false it keeps the designed size, however large its
  // style would draw it (the small arrow buttons, packed against their boxes).
  void Place(QWidget* child, TwipsRect rect, bool grows = true);
  // Gives a placed child another designed font (the era labels follow the grid's).
  void SetDesignFont(QWidget* child, const QFont& font);
  // A separator line from one design point to another.
  void AddLine(QPoint fromTwips, QPoint toTwips);
  // Measures every child again (after their contents changed: a list filled).
  void Relayout() { Measure(); }

  // The scale the design is shown at (1 at the natural width or wider).
  double Scale() const { return scale_; }

  QSize sizeHint() const override;         // the natural size
  QSize minimumSizeHint() const override;  // the natural size at the least scale

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int Px(int twips) const;  // twips -> pixels on this panel's screen, at scale 1
  // Recomputes every child's natural rectangle (after a font change).
  void Measure();
  // Shows the design at `scale`.
  void Apply(double scale);

  struct Placed {
    QWidget* widget;
    TwipsRect rect;
    QFont font;       // designed font
    QRect natural;    // pixels at scale 1
    bool grows;
  };
  struct Line {
    QPoint from, to;
  };
  QPoint origin_;
  QSize design_;
  std::vector<Placed> placed_;
  std::vector<Line> lines_;
  QSize natural_;  // pixels: the design size grown to hold every child
  double scale_ = 1.0;
};

// The panel in a strip that scrolls it sideways when the window is narrower than
// the panel's least width; as high as the panel, and its scroll bar when shown.
class PanelScroller : public QScrollArea {
 public:
  explicit PanelScroller(TwipsPanel* panel, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int Height() const;
  TwipsPanel* panel_;
};

}  // namespace kalnika::ui
