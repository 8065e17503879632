#include "ui/shell/launcher_grid.h"

#include <algorithm>

namespace kalvex {

LauncherGrid::LauncherGrid(QSize iconSize, int textHeight, int viewWidth, int count)
    : m_iconSize(iconSize), m_textHeight(textHeight), m_columns(ColumnsFor(viewWidth, iconSize.width())),
      m_rows(RowsFor(count, m_columns)), m_count(std::max(count, 0))
{
}

int LauncherGrid::ColumnsFor(int viewWidth, int iconWidth)
{
    if (iconWidth <= 0)
        return 1;
    return std::max(viewWidth / (2 * iconWidth), 1);
}

int LauncherGrid::RowsFor(int count, int columns)
{
    if (count <= 0)
        return 0;
    // Rounded up without forming count + columns, which could pass the largest int.
    return (count - 1) / columns + 1;
}

QSize LauncherGrid::LayoutSize() const
{
    return {(2 * m_columns + 1) * m_iconSize.width(), (2 * m_rows + 1) * m_iconSize.height()};
}

QPoint LauncherGrid::IconOrigin(int j) const
{
    const int w = m_iconSize.width();
    const int h = m_iconSize.height();
    return {((j % m_columns) * 2 + 1) * w, ((j / m_columns) * 2 + 1) * h - h / 2};
}

QRect LauncherGrid::LabelBox(int j) const
{
    const QPoint icon = IconOrigin(j);
    const int w = m_iconSize.width();
    return {icon.x() - w / 2, icon.y() + m_iconSize.height(), 2 * w, 2 * m_textHeight};
}

int LauncherGrid::HitTest(QPoint p) const
{
    const int w = m_iconSize.width();
    const int h = m_iconSize.height();
    if (w <= 0 || h <= 0 || p.x() < 0 || p.y() < 0)
        return -1;
    const int across = p.x() / w;
    if (across % 2 == 0)
        return -1;
    const int column = across / 2;
    // A point right of the last column is no icon, even where the view is wider than the grid.
    if (column >= m_columns)
        return -1;
    const int down = (p.y() + h / 2) / h;
    if (down > 2 * m_rows)
        return -1;
    int index;
    if (down % 2 == 1) {
        index = column + (down / 2) * m_columns;
    } else {
        // Only the upper part of the label band under an icon counts as the icon.
        if (down == 0 || h * down + m_textHeight < p.y())
            return -1;
        index = column + (down / 2 - 1) * m_columns;
    }
    return index < m_count ? index : -1;
}

int LauncherGrid::Navigate(LauncherKey key, int s) const
{
    const int n = m_count;
    const int c = m_columns;
    if (n <= 0)
        return -1;
    int t = -1;
    switch (key) {
    case LauncherKey::Home:
        t = 0;
        break;
    case LauncherKey::End:
        t = n - 1;
        break;
    case LauncherKey::Left:
        t = s - 1 < 0 ? n - 1 : s - 1;
        break;
    case LauncherKey::Right:
        t = s + 1 >= n ? 0 : s + 1;
        break;
    case LauncherKey::Up:
        t = s - c;
        if (t < 0) {
            t = s % c + (m_rows - 1) * c;
            if (t >= n)
                t -= c;
        }
        break;
    case LauncherKey::Down:
        t = s + c;
        if (t >= n)
            t = s % c;
        break;
    }
    return t >= 0 && t < n ? t : -1;
}

} // namespace kalvex
