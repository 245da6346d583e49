// StatusBarLayout: where a status bar draws its panels, their texts and its
// size grip, and what a point of the bar hits, without a window.
//
// The bar keeps a 2-pixel strip free along its top; below it each panel is
// a frame the height of the rest of the bar. Panels follow one another from
// the left edge, each as wide as stored, with a 2-pixel gap between them;
// the last one reaches to the right edge whatever its stored width. A simple
// bar (or one without panels) is one lowered panel over the whole width. A
// panel's text goes inside its bevel (one pixel when it has one) with a
// 3-pixel inset on the left, placed by its alignment. The size grip is a
// square of the system's scroll-arrow size plus one in the bottom-right
// corner; the pointer is on it in the column of the scroll-bar width at the
// right end, over the bar's full height.
#pragma once

#include <string>
#include <vector>

#include "base/rect.h"
#include "ui/controls/status_bar/status_bar.h"

namespace ui {

struct StatusBarPart {
  base::Rect frame;  // the panel with its bevel
  base::Rect text;   // where its text is drawn
  TStatusPanelBevel bevel = TStatusPanelBevel::pbLowered;
  TAlignment alignment = TAlignment::taLeftJustify;
  std::string caption;  // 1251
};

// What the layout depends on besides the panels: the bar's client size, the
// grip's drawn size, the width of the grip's hit column and whether panels
// are framed by bevels (the classic look) or by the visual style's panes.
struct StatusBarMetrics {
  int width = 0;
  int height = 0;
  int grip_width = 0;
  int grip_height = 0;
  int scroll_width = 0;  // SM_CXVSCROLL
  bool bevels = true;
};

class StatusBarLayout {
 public:
  // `grip`: whether the bar shows its size grip now.
  StatusBarLayout(const TStatusBar& bar, const StatusBarMetrics& metrics, bool grip);

  const std::vector<StatusBarPart>& Parts() const { return parts_; }
  bool HasGrip() const { return grip_; }
  // Where the grip is drawn (meaningful while HasGrip()).
  const base::Rect& GripBox() const { return grip_box_; }
  // Whether the pointer at (x, y) is on the grip (sizes the window).
  bool OnGrip(int x, int y) const;
  // The panel at (x, y), or -1 (the gaps, the top strip, outside).
  int PartAt(int x, int y) const;
  // The texts of the panels separated by tabs (one text for a simple bar).
  std::string Text() const;

 private:
  std::vector<StatusBarPart> parts_;
  base::Rect client_;
  bool grip_ = false;
  base::Rect grip_box_;
  int grip_column_ = 0;
};

}  // namespace ui
