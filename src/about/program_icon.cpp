#include "about/program_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <numbers>

namespace velmora {

namespace {

// The flag, on a 32 x 32 grid: its top-left corner, size, chequer and how far it waves.
constexpr double kFlagLeft = 10.0, kFlagTop = 6.0, kFlagWidth = 17.0, kFlagHeight = 12.0;
constexpr int kColumns = 4, kRows = 3;
constexpr double kWave = 1.6;

// A point of the flag cloth: u across (0 at the pole), v down, both from 0 to 1.
QPointF cloth(double u, double v)
{
    const double lift = kWave * std::sin(u * 1.5 * std::numbers::pi);
    return {kFlagLeft + u * kFlagWidth, kFlagTop + v * kFlagHeight - lift};
}

// One chequer square as a quadrilateral following the wave, its edges split in two so
// the curve shows at large sizes.
QPainterPath square(int column, int row)
{
    const double u0 = double(column) / kColumns, u1 = double(column + 1) / kColumns;
    const double v0 = double(row) / kRows, v1 = double(row + 1) / kRows;
    const double um = (u0 + u1) / 2;
    QPainterPath path(cloth(u0, v0));
    path.lineTo(cloth(um, v0));
    path.lineTo(cloth(u1, v0));
    path.lineTo(cloth(u1, v1));
    path.lineTo(cloth(um, v1));
    path.lineTo(cloth(u0, v1));
    path.closeSubpath();
    return path;
}

} // namespace

QImage programIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    // Background: a red rounded square, lighter at the top.
    QLinearGradient red(0, 1, 0, 31);
    red.setColorAt(0, QColor(0xe5, 0x39, 0x35));
    red.setColorAt(1, QColor(0xa3, 0x16, 0x16));
    p.setPen(QPen(QColor(0x6d, 0x0e, 0x0e), 1.0));
    p.setBrush(red);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);

    // The pole, with a round knob on top.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf2, 0xf2, 0xf2));
    p.drawRoundedRect(QRectF(7.5, 5.0, 2.2, 23.5), 1.1, 1.1);
    p.drawEllipse(QPointF(8.6, 4.6), 1.8, 1.8);

    // The chequered cloth: white ground, black squares, a dark outline.
    QPainterPath outline;
    for (int c = 0; c < kColumns; ++c)
        for (int r = 0; r < kRows; ++r) {
            const QPainterPath s = square(c, r);
            outline = outline.united(s);
            p.fillPath(s, (c + r) % 2 == 0 ? QColor(0x11, 0x11, 0x11) : QColor(Qt::white));
        }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x22, 0x22, 0x22), 0.8));
    p.drawPath(outline.simplified());
    p.end();
    return image;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(programIconImage(size)));
    return icon;
}

} // namespace velmora
