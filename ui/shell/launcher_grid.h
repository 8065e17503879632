#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kalvex {

// Keys that move the launcher's selection.
enum class LauncherKey { Home, End, Left, Right, Up, Down };

// Geometry of the launcher's icon grid: icons sit on odd cells of a grid of icon-sized cells,
// each with a label box of two icon widths and two text lines beneath it. Pure arithmetic,
// all in layout pixels.
class LauncherGrid {
public:
    LauncherGrid() = default;
    LauncherGrid(QSize iconSize, int textHeight, int viewWidth, int count);

    static int ColumnsFor(int viewWidth, int iconWidth);
    static int RowsFor(int count, int columns);

    int Columns() const { return m_columns; }
    int Rows() const { return m_rows; }
    int Count() const { return m_count; }
    QSize LayoutSize() const;

    // Top-left corner of icon j.
    QPoint IconOrigin(int j) const;
    QRect IconRect(int j) const { return {IconOrigin(j), m_iconSize}; }
    QRect LabelBox(int j) const;

    // Entry under a point given in layout pixels (view point plus scroll position); -1 for none.
    int HitTest(QPoint layoutPoint) const;

    // Entry the key moves the selection to from `selected` (-1 for none); -1 when it stays.
    int Navigate(LauncherKey key, int selected) const;

private:
    QSize m_iconSize;
    int m_textHeight = 0;
    int m_columns = 1;
    int m_rows = 0;
    int m_count = 0;
};

} // namespace kalvex
