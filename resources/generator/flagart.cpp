// The language flags of the preferences, simplified but recognisable.
#include "artfamilies.h"
#include "artsizes.h"
#include "artstyle.h"

#include <QPainterPath>
#include <cmath>
#include <functional>
#include <map>

using namespace Art;

namespace {

constexpr double W = 30, H = 20;

void bands(QPainter &p, const std::vector<QColor> &colours, bool vertical)
{
    const int n = int(colours.size());
    for (int i = 0; i < n; ++i) {
        if (vertical)
            p.fillRect(QRectF(W * i / n, 0, W / n + 0.01, H), colours[size_t(i)]);
        else
            p.fillRect(QRectF(0, H * i / n, W, H / n + 0.01), colours[size_t(i)]);
    }
}

void nordicCross(QPainter &p, const QColor &field, const QColor &cross, double width,
                 const QColor &inner = QColor(), double innerWidth = 0)
{
    p.fillRect(QRectF(0, 0, W, H), field);
    const double cx = 11, cy = H / 2;
    p.fillRect(QRectF(cx - width / 2, 0, width, H), cross);
    p.fillRect(QRectF(0, cy - width / 2, W, width), cross);
    if (inner.isValid()) {
        p.fillRect(QRectF(cx - innerWidth / 2, 0, innerWidth, H), inner);
        p.fillRect(QRectF(0, cy - innerWidth / 2, W, innerWidth), inner);
    }
}

QPainterPath star(const QPointF &c, double r, double rotationDeg)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double rr = i % 2 ? r * 0.382 : r;
        const double a = (rotationDeg + i * 36.0 - 90.0) * M_PI / 180.0;
        const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void unionFlag(QPainter &p)
{
    p.fillRect(QRectF(0, 0, W, H), QColor(1, 33, 105));
    p.save();
    p.setClipRect(QRectF(0, 0, W, H));
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, 0), QPointF(W, H));
    p.drawLine(QPointF(0, H), QPointF(W, 0));
    p.setPen(QPen(QColor(200, 16, 46), 1.4, Qt::SolidLine, Qt::FlatCap));
    // Counterchanged red diagonals, offset from the centre line.
    p.drawLine(QPointF(0, 0.7), QPointF(W / 2, H / 2 + 0.7));
    p.drawLine(QPointF(W / 2, H / 2 - 0.7), QPointF(W, H - 0.7));
    p.drawLine(QPointF(0, H - 0.7), QPointF(W / 2, H / 2 - 0.7));
    p.drawLine(QPointF(W / 2, H / 2 + 0.7), QPointF(W, 0.7));
    p.restore();
    p.fillRect(QRectF(W / 2 - 3.3, 0, 6.6, H), Qt::white);
    p.fillRect(QRectF(0, H / 2 - 3.3, W, 6.6), Qt::white);
    p.fillRect(QRectF(W / 2 - 2, 0, 4, H), QColor(200, 16, 46));
    p.fillRect(QRectF(0, H / 2 - 2, W, 4), QColor(200, 16, 46));
}

void korea(QPainter &p)
{
    p.fillRect(QRectF(0, 0, W, H), Qt::white);
    const QPointF c(W / 2, H / 2);
    const double r = 5;
    p.save();
    p.translate(c);
    p.rotate(33.7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 46, 58));
    p.drawPie(QRectF(-r, -r, 2 * r, 2 * r), 0, 180 * 16);
    p.setBrush(QColor(0, 71, 160));
    p.drawPie(QRectF(-r, -r, 2 * r, 2 * r), 180 * 16, 180 * 16);
    p.setBrush(QColor(205, 46, 58));
    p.drawEllipse(QPointF(-r / 2, 0), r / 2, r / 2);
    p.setBrush(QColor(0, 71, 160));
    p.drawEllipse(QPointF(r / 2, 0), r / 2, r / 2);
    p.restore();
    // Four trigrams, each three bars (broken where the sign asks for it).
    struct Trigram { double angle; int broken[3]; };
    const Trigram t[4] = {{-33.7 - 90, {0, 0, 0}}, {33.7 + 90, {1, 1, 1}},
                          {33.7 - 90, {0, 1, 0}}, {-33.7 + 90, {1, 0, 1}}};
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (const Trigram &g : t) {
        p.save();
        p.translate(c);
        p.rotate(g.angle);
        for (int k = 0; k < 3; ++k) {
            const double x = 7.6 + k * 1.5;
            if (g.broken[k]) {
                p.drawRect(QRectF(x, -2.6, 1.0, 2.2));
                p.drawRect(QRectF(x, 0.4, 1.0, 2.2));
            } else {
                p.drawRect(QRectF(x, -2.6, 1.0, 5.2));
            }
        }
        p.restore();
    }
}

void india(QPainter &p)
{
    bands(p, {QColor(255, 153, 51), Qt::white, QColor(19, 136, 8)}, false);
    const QPointF c(W / 2, H / 2);
    p.setPen(QPen(QColor(0, 0, 128), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 2.9, 2.9);
    for (int i = 0; i < 24; ++i) {
        const double a = i * 15 * M_PI / 180;
        p.drawLine(c, c + QPointF(2.9 * std::cos(a), 2.9 * std::sin(a)));
    }
}

void china(QPainter &p)
{
    p.fillRect(QRectF(0, 0, W, H), QColor(222, 41, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 222, 0));
    const double u = H / 20;
    p.drawPath(star(QPointF(5 * u, 5 * u), 3 * u, 0));
    const QPointF small[4] = {{10 * u, 2 * u}, {12 * u, 4 * u}, {12 * u, 7 * u}, {10 * u, 9 * u}};
    for (const QPointF &s : small) {
        const double a = std::atan2(5 * u - s.y(), 5 * u - s.x()) * 180 / M_PI + 90;
        p.drawPath(star(s, 1 * u, a));
    }
}

void portugal(QPainter &p)
{
    p.fillRect(QRectF(0, 0, W, H), QColor(255, 0, 0));
    p.fillRect(QRectF(0, 0, W * 0.4, H), QColor(0, 102, 0));
    const QPointF c(W * 0.4, H / 2);
    p.setPen(QPen(QColor(255, 221, 0), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 4.2, 4.2);
    p.drawLine(c + QPointF(-4.2, 0), c + QPointF(4.2, 0));
    p.setPen(QPen(Qt::white, 0.5));
    p.setBrush(QColor(255, 0, 0));
    p.drawRoundedRect(QRectF(c.x() - 1.9, c.y() - 2.3, 3.8, 4.6), 1, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(c.x() - 0.8, c.y() - 1.3, 1.6, 2.4));
}

void spain(QPainter &p)
{
    p.fillRect(QRectF(0, 0, W, H), QColor(170, 21, 27));
    p.fillRect(QRectF(0, H / 4, W, H / 2), QColor(241, 191, 0));
    // A simplified coat of arms: crowned shield between pillars.
    const double x = 9.5, y = H / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 30, 30));
    p.drawRoundedRect(QRectF(x - 2, y - 2.6, 4, 5), 1.3, 1.3);
    p.setBrush(QColor(200, 160, 40).darker(130));
    p.drawRect(QRectF(x - 4.2, y - 2.6, 1, 5));
    p.drawRect(QRectF(x + 3.2, y - 2.6, 1, 5));
    p.drawRect(QRectF(x - 1.6, y - 3.8, 3.2, 1));
}

void japan(QPainter &p)
{
    p.fillRect(QRectF(0, 0, W, H), Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(188, 0, 45));
    p.drawEllipse(QPointF(W / 2, H / 2), H * 0.3, H * 0.3);
}

QImage flag(const std::function<void(QPainter &)> &draw)
{
    return supersampled(int(W), int(H), 8, [&](QPainter &p) {
        p.save();
        QPainterPath clip;
        clip.addRoundedRect(QRectF(0, 0, W, H), 1.5, 1.5);
        p.setClipPath(clip);
        draw(p);
        // A light sheen and a dark edge so white flags read on light dialogs too.
        QLinearGradient g(0, 0, 0, H);
        g.setColorAt(0, QColor(255, 255, 255, 40));
        g.setColorAt(0.5, QColor(255, 255, 255, 0));
        g.setColorAt(1, QColor(0, 0, 0, 30));
        p.fillRect(QRectF(0, 0, W, H), g);
        p.restore();
        p.setPen(QPen(QColor(0, 0, 0, 110), 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(0.3, 0.3, W - 0.6, H - 0.6), 1.5, 1.5);
    });
}

} // namespace

void addFlagArt(std::vector<ArtEntry> &book)
{
    const std::map<QString, std::function<void(QPainter &)>> drawings = {
        {"gb", unionFlag},
        {"fr", [](QPainter &p) { bands(p, {QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)}, true); }},
        {"de", [](QPainter &p) { bands(p, {Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)}, false); }},
        {"it", [](QPainter &p) { bands(p, {QColor(0, 146, 70), Qt::white, QColor(206, 43, 55)}, true); }},
        {"nl", [](QPainter &p) { bands(p, {QColor(174, 28, 40), Qt::white, QColor(33, 70, 139)}, false); }},
        {"dk", [](QPainter &p) { nordicCross(p, QColor(200, 16, 46), Qt::white, 3.2); }},
        {"fi", [](QPainter &p) { nordicCross(p, Qt::white, QColor(0, 47, 108), 4.4); }},
        {"no", [](QPainter &p) { nordicCross(p, QColor(186, 12, 47), Qt::white, 4.6, QColor(0, 32, 91), 2.4); }},
        {"pt", portugal},
        {"es", spain},
        {"se", [](QPainter &p) { nordicCross(p, QColor(0, 106, 167), QColor(254, 204, 0), 3.6); }},
        {"pl", [](QPainter &p) { bands(p, {Qt::white, QColor(220, 20, 60)}, false); }},
        {"ru", [](QPainter &p) { bands(p, {Qt::white, QColor(0, 57, 166), QColor(213, 43, 30)}, false); }},
        {"jp", japan},
        {"cn", china},
        {"kr", korea},
        {"in", india},
    };
    for (const char *code : ArtSizes::kFlagCodes) {
        const auto draw = drawings.at(QString(code));
        book.push_back({QString("flags/%1.png").arg(code), [draw] { return flag(draw); }});
    }
}
