// Transport bar: buttons, their tray and greyed cover, the clock window, the knob
// strip, the metronome lamps and the knob captions.
#include "artfamilies.h"
#include "artsizes.h"
#include "artstyle.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

using namespace Art;

namespace {

enum class Glyph { Play, PlayPause, Stop, Fwd, Back, Loop };

void drawGlyph(QPainter &p, Glyph g, const QPointF &c, const QColor &col)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    auto triangle = [&](double x, double y, double w, double h, bool right) {
        QPolygonF t;
        if (right)
            t << QPointF(x, y - h / 2) << QPointF(x + w, y) << QPointF(x, y + h / 2);
        else
            t << QPointF(x + w, y - h / 2) << QPointF(x, y) << QPointF(x + w, y + h / 2);
        QPainterPath path;
        path.addPolygon(t);
        path.closeSubpath();
        p.setPen(QPen(col, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.setPen(Qt::NoPen);
    };
    switch (g) {
    case Glyph::Play:
        triangle(c.x() - 4.5, c.y(), 10, 12, true);
        break;
    case Glyph::PlayPause:
        triangle(c.x() - 9, c.y(), 9, 11, true);
        p.drawRoundedRect(QRectF(c.x() + 2.5, c.y() - 5.5, 2.6, 11), 0.6, 0.6);
        p.drawRoundedRect(QRectF(c.x() + 6.6, c.y() - 5.5, 2.6, 11), 0.6, 0.6);
        break;
    case Glyph::Stop:
        p.drawRoundedRect(QRectF(c.x() - 5, c.y() - 5, 10, 10), 1.2, 1.2);
        break;
    case Glyph::Fwd:
        triangle(c.x() - 8, c.y(), 8, 10, true);
        triangle(c.x(), c.y(), 8, 10, true);
        break;
    case Glyph::Back:
        triangle(c.x() - 8, c.y(), 8, 10, false);
        triangle(c.x(), c.y(), 8, 10, false);
        break;
    case Glyph::Loop: {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(col, 2.0, Qt::SolidLine, Qt::FlatCap));
        const QRectF box(c.x() - 7.5, c.y() - 5.5, 15, 11);
        QPainterPath path;
        path.moveTo(box.left() + 3, box.bottom());
        path.arcTo(QRectF(box.left(), box.top(), 7, 11), 270, -180);
        path.lineTo(box.right() - 5, box.top());
        path.moveTo(box.right() - 3, box.top());
        path.arcTo(QRectF(box.right() - 7, box.top(), 7, 11), 90, -180);
        path.lineTo(box.left() + 5, box.bottom());
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(col);
        QPolygonF a1, a2;
        a1 << QPointF(box.right() - 6.5, box.top() - 3.2) << QPointF(box.right() - 2.5, box.top())
           << QPointF(box.right() - 6.5, box.top() + 3.2);
        a2 << QPointF(box.left() + 6.5, box.bottom() - 3.2) << QPointF(box.left() + 2.5, box.bottom())
           << QPointF(box.left() + 6.5, box.bottom() + 3.2);
        p.drawPolygon(a1);
        p.drawPolygon(a2);
        break;
    }
    }
    p.restore();
}

// States: 0 up, 1 pressed, 2 latched (lit but up).
QImage transportButton(Glyph g, int frames)
{
    std::vector<QImage> out;
    for (int f = 0; f < frames; ++f) {
        out.push_back(supersampled(42, 41, 4, [&](QPainter &p) {
            const bool pressed = f == 1, lit = f >= 1;
            drawKeyCap(p, QRectF(1, 1, 40, 39), 6, pressed, lit);
            const QPointF c(21, pressed ? 20.8 : 19.8);
            if (lit) {
                p.save();
                p.setOpacity(0.35);
                drawGlyph(p, g, c + QPointF(0, 0.2), QColor(255, 150, 40));
                p.restore();
            }
            p.save();
            drawGlyph(p, g, c + QPointF(0, 0.8), QColor(0, 0, 0, 120));
            p.restore();
            drawGlyph(p, g, c, lit ? QColor(255, 164, 64) : QColor(200, 192, 180));
        }));
    }
    return stack(out);
}

QImage backing()
{
    return supersampled(212, 45, 3, [](QPainter &p) {
        drawWell(p, QRectF(0.5, 0.5, 211, 44), 7, QColor(14, 12, 11));
    });
}

QImage greyCover()
{
    return supersampled(212, 45, 3, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(34, 32, 30, 175));
        p.drawRoundedRect(QRectF(0, 0, 212, 45), 7, 7);
        p.setClipRect(QRectF(0, 0, 212, 45));
        p.setPen(QPen(QColor(90, 84, 78, 70), 1.2));
        for (double x = -45; x < 212; x += 7)
            p.drawLine(QPointF(x, 45), QPointF(x + 45, 0));
    });
}

QImage clockBacking()
{
    return supersampled(212, 24, 3, [](QPainter &p) {
        drawWell(p, QRectF(0.5, 0.5, 211, 23), 5, QColor(24, 16, 10));
        p.setPen(QPen(QColor(255, 140, 0, 10), 0.6));
        for (double y = 3; y < 22; y += 2)
            p.drawLine(QPointF(4, y), QPointF(208, y));
        QLinearGradient glass(0, 1, 0, 12);
        glass.setColorAt(0, QColor(255, 255, 255, 26));
        glass.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glass);
        p.drawRoundedRect(QRectF(3, 2, 206, 9), 3, 3);
    });
}

QImage lamp(bool on)
{
    return supersampled(12, 12, 8, [on](QPainter &p) {
        drawLed(p, QPointF(6, 6), 4.2, on, QColor(235, 40, 20), 6);
    });
}

QImage caption(int w, int h, const QString &text)
{
    return supersampled(w, h, 4, [&](QPainter &p) {
        drawEngraved(p, QRectF(0, 0, w, h), text, 10, Qt::AlignCenter, 1.6);
    });
}

} // namespace

void addTransportArt(std::vector<ArtEntry> &book)
{
    using namespace ArtSizes;
    book.push_back({kTransportPlay.name, [] { return transportButton(Glyph::Play, 3); }});
    book.push_back({kTransportPlayPause.name, [] { return transportButton(Glyph::PlayPause, 2); }});
    book.push_back({kTransportStop.name, [] { return transportButton(Glyph::Stop, 2); }});
    book.push_back({kTransportFwd.name, [] { return transportButton(Glyph::Fwd, 2); }});
    book.push_back({kTransportBack.name, [] { return transportButton(Glyph::Back, 2); }});
    book.push_back({kTransportLoop.name, [] { return transportButton(Glyph::Loop, 2); }});
    book.push_back({kTransportBacking.name, backing});
    book.push_back({kTransportGrey.name, greyCover});
    book.push_back({kClockBacking.name, clockBacking});
    book.push_back({kTransportKnob.name, [] {
                        return knobStrip(50, 100, [](int n) { return -135.0 + 270.0 * n / 99.0; },
                                         -135.0);
                    }});
    book.push_back({kMetronomeGrey.name, [] { return lamp(false); }});
    book.push_back({kMetronomeRed.name, [] { return lamp(true); }});
    book.push_back({kVolumeLabel.name, [] { return caption(64, 24, "VOLUME"); }});
    book.push_back({kMetronomeLabel.name, [] { return caption(88, 24, "METRONOME"); }});
}
