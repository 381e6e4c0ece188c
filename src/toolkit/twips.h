#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

#include <algorithm>

namespace velmora {

// Window layouts are given in twips: 15 twips make one pixel.
constexpr int twips(int t)
{
    return (t >= 0 ? t + 7 : t - 7) / 15;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

inline QSize twipsSize(int width, int height)
{
    return {twips(width), twips(height)};
}

// Places a child widget at a position given in twips.
inline void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

// Places a right-aligned caption whose right edge is given in twips. Where this desktop's
// font needs more room than the layout gives, the caption grows to the left (keeping a
// small margin from the window's edge) and, failing that, into the gap after it.
inline void placeCaption(QWidget* caption, int left, int top, int width, int height)
{
    QRect r = twipsRect(left, top, width, height);
    const int needed = caption->sizeHint().width();
    if (needed > r.width()) {
        constexpr int margin = 3;
        r.setLeft(std::max(margin, r.right() + 1 - needed));
        if (r.width() < needed)
            r.setWidth(needed);
    }
    caption->setGeometry(r);
}

} // namespace velmora
