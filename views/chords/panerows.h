// PaneRows: where the rows of the keys and modes panes lie. The pane images draw row r
// from y = top + 18 r, so the pointer picks by that same grid.
#pragma once

namespace PaneRows {

constexpr int rowHeight = 18;

// The row drawn at the pointer's y (pane coordinates); -1 above the first row.
inline int rowAt(int y, int top)
{
    return y < top ? -1 : (y - top) / rowHeight;
}

} // namespace PaneRows
