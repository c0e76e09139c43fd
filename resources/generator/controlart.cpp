// Building blocks shared by several families: knob strips, the tab faceplate and
// captioned two-frame buttons.
#include "artfamilies.h"
#include "artlayout.h"
#include "artstyle.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

using namespace Art;

namespace {

QPointF polar(const QPointF &c, double r, double deg)
{
    const double a = deg * M_PI / 180.0;
    return QPointF(c.x() + r * std::sin(a), c.y() - r * std::cos(a));
}

// Arc path from angle a0 to a1 (degrees, 0 = up, clockwise) on radius r.
QPainterPath arcPath(const QPointF &c, double r, double a0, double a1)
{
    QPainterPath path;
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    path.arcMoveTo(box, 90 - a0);
    path.arcTo(box, 90 - a0, -(a1 - a0));
    return path;
}

} // namespace

QImage knobStrip(int size, int frames, const std::function<double(int)> &angleOf,
                 double arcOrigin)
{
    const int ss = size < 60 ? 4 : 3;
    const int big = size * ss;
    const double u = size / 100.0;  // drawing unit: the knob is designed on a 100 grid
    const QPointF c(size / 2.0, size / 2.0);
    auto layer = [&](const std::function<void(QPainter &)> &draw) {
        QImage img = blank(big, big);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(ss, ss);
        draw(p);
        return img;
    };

    // The parts that never turn are drawn once, at the large size.
    const QImage base = layer([&](QPainter &p) {
        // Arc track.
        p.setPen(QPen(QColor(12, 10, 9), 5.2 * u, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(arcPath(c, 44.5 * u, -135, 135));
        p.setPen(QPen(QColor(255, 240, 220, 18), 1.0 * u));
        p.drawPath(arcPath(c, 47.6 * u, -135, 135));
        // Shadow under the knob.
        QRadialGradient sh(c + QPointF(0, 3 * u), 40 * u);
        sh.setColorAt(0.7, QColor(0, 0, 0, 160));
        sh.setColorAt(1, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(sh);
        p.drawEllipse(c + QPointF(0, 3 * u), 40 * u, 40 * u);
        // Skirt: dark ring with a metal edge.
        QLinearGradient skirt(c - QPointF(0, 36 * u), c + QPointF(0, 36 * u));
        skirt.setColorAt(0, QColor(74, 70, 66));
        skirt.setColorAt(1, QColor(18, 17, 16));
        p.setBrush(skirt);
        p.drawEllipse(c, 36 * u, 36 * u);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 200), 1.2 * u));
        p.drawEllipse(c, 36 * u, 36 * u);
    });

    const QImage top = layer([&](QPainter &p) {
        // Cap face: slightly domed, lit from the upper left.
        QRadialGradient g(c - QPointF(9 * u, 11 * u), 34 * u);
        g.setColorAt(0, QColor(96, 90, 84));
        g.setColorAt(0.55, QColor(48, 45, 42));
        g.setColorAt(1, QColor(24, 22, 21));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, 25 * u, 25 * u);
        QRadialGradient spec(c - QPointF(8 * u, 10 * u), 14 * u);
        spec.setColorAt(0, QColor(255, 245, 230, 60));
        spec.setColorAt(1, QColor(255, 245, 230, 0));
        p.setBrush(spec);
        p.drawEllipse(c - QPointF(8 * u, 10 * u), 14 * u, 14 * u);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 170), 1.0 * u));
        p.drawEllipse(c, 25 * u, 25 * u);
    });

    std::vector<QImage> out;
    out.reserve(size_t(frames));
    QImage canvas = blank(big, big);
    for (int n = 0; n < frames; ++n) {
        const double a = angleOf(n);
        canvas.fill(Qt::transparent);
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        p.drawImage(0, 0, base);
        p.scale(ss, ss);
        // Lit arc from the origin to the pointer.
        if (std::abs(a - arcOrigin) > 0.5) {
            const double lo = std::min(a, arcOrigin), hi = std::max(a, arcOrigin);
            p.setPen(QPen(QColor(230, 122, 15, 70), 7.0 * u, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(arcPath(c, 44.5 * u, lo, hi));
            p.setPen(QPen(highlightOrange(), 3.2 * u, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(arcPath(c, 44.5 * u, lo, hi));
            p.setPen(QPen(QColor(255, 210, 150, 160), 1.0 * u, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(arcPath(c, 44.5 * u, lo, hi));
        }
        // Knurled grip ring turns with the knob.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 28, 26));
        p.drawEllipse(c, 31 * u, 31 * u);
        for (int k = 0; k < 36; ++k) {
            const double ka = a + k * 10.0;
            const double shade = 0.5 + 0.5 * std::cos((ka + 40) * M_PI / 180.0);
            p.setPen(QPen(QColor(40 + int(70 * shade), 37 + int(65 * shade), 35 + int(60 * shade)),
                          2.2 * u, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(polar(c, 26.5 * u, ka), polar(c, 30.2 * u, ka));
        }
        // Pointer dot on the skirt.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 226, 200));
        p.drawEllipse(polar(c, 33.6 * u, a), 1.8 * u, 1.8 * u);
        // Cap, then the pointer line on it.
        p.save();
        p.resetTransform();
        p.drawImage(0, 0, top);
        p.restore();
        p.setPen(QPen(QColor(0, 0, 0, 120), 4.6 * u, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(polar(c, 8 * u, a) + QPointF(0, 0.8 * u), polar(c, 22 * u, a) + QPointF(0, 0.8 * u));
        p.setPen(QPen(QColor(240, 226, 200), 3.0 * u, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(polar(c, 8 * u, a), polar(c, 22 * u, a));
        p.end();
        out.push_back(canvas.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                          .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    return stack(out);
}

QImage tabFaceplate()
{
    using namespace ArtLayout;
    const QRectF plate(kFaceplate.x, kFaceplate.y, kFaceplate.w, kFaceplate.h);
    QImage img = supersampled(1000, 355, 2, [&](QPainter &p) { drawPlate(p, plate, 10); });
    addGrain(img, QRect(kFaceplate.x + 2, kFaceplate.y + 2, kFaceplate.w - 4, kFaceplate.h - 4),
             5, 17);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double inset = 11;
    drawScrew(p, plate.topLeft() + QPointF(inset, inset), 4, 20);
    drawScrew(p, plate.topRight() + QPointF(-inset, inset), 4, 75);
    drawScrew(p, plate.bottomLeft() + QPointF(inset, -inset), 4, 130);
    drawScrew(p, plate.bottomRight() + QPointF(-inset, -inset), 4, 50);
    return img;
}

QImage captionButton(int w, int h, const QString &caption, qreal px)
{
    std::vector<QImage> frames;
    for (int f = 0; f < 2; ++f) {
        frames.push_back(supersampled(w, h, 4, [&](QPainter &p) {
            const bool pressed = f == 1;
            drawKeyCap(p, QRectF(0, 0, w, h), h * 0.3, pressed, pressed);
            drawText(p, QRectF(0, pressed ? 0.2 : -0.5, w, h), caption, px,
                     pressed ? highlightOrange() : QColor(205, 196, 184), Qt::AlignCenter, true,
                     0.5);
        }));
    }
    return stack(frames);
}
