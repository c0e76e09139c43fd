#include "artbook.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

QImage blank(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QImage splash()
{
    QImage img = blank(500, 300);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, 300);
    bg.setColorAt(0, QColor(58, 44, 34));
    bg.setColorAt(1, QColor(24, 20, 18));
    p.fillRect(img.rect(), bg);
    p.setPen(QPen(QColor(214, 100, 35), 2));
    for (int i = 0; i < 6; ++i)
        p.drawLine(40, 170 + i * 12, 460, 164 + i * 13);
    QFont f("Liberation Sans", 40, QFont::Bold);
    p.setFont(f);
    p.setPen(QColor(230, 122, 15));
    p.drawText(QRect(0, 60, 500, 80), Qt::AlignCenter, "Plectronome");
    p.setFont(QFont("Liberation Sans", 12));
    p.setPen(QColor(170, 170, 170));
    p.drawText(QRect(0, 130, 500, 30), Qt::AlignCenter, "practise with the song");
    return img;
}

QImage icon(int size)
{
    QImage img = blank(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 64.0;
    QPainterPath pick;
    pick.moveTo(32 * s, 60 * s);
    pick.cubicTo(8 * s, 40 * s, 2 * s, 14 * s, 14 * s, 6 * s);
    pick.cubicTo(24 * s, 0, 40 * s, 0, 50 * s, 6 * s);
    pick.cubicTo(62 * s, 14 * s, 56 * s, 40 * s, 32 * s, 60 * s);
    QRadialGradient g(24 * s, 18 * s, 44 * s);
    g.setColorAt(0, QColor(246, 160, 70));
    g.setColorAt(1, QColor(180, 70, 20));
    p.setBrush(g);
    p.setPen(QPen(QColor(60, 30, 15), 1.5 * s));
    p.drawPath(pick);
    return img;
}

} // namespace

const std::vector<ArtEntry> &artBook()
{
    static const std::vector<ArtEntry> book = {
        {"splashscreen.png", splash},
        {"icon_64.png", [] { return icon(64); }},
    };
    return book;
}
