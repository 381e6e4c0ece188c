#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

namespace velmora {

// Window layouts are given in twips: 15 twips make one pixel.
constexpr int twips(int t) { return (t >= 0 ? t + 7 : t - 7) / 15; }

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

inline QSize twipsSize(int width, int height) { return {twips(width), twips(height)}; }

// Places a child widget at a position given in twips.
inline void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

}  // namespace velmora
