#include "artstyle.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace Art {

QColor windowColour() { return QColor(40, 40, 40); }
QColor waveOrange() { return QColor(214, 100, 35); }
QColor readoutGrey() { return QColor(170, 170, 170); }
QColor highlightOrange() { return QColor(230, 122, 15); }
QColor plateTop() { return QColor(62, 56, 51); }
QColor plateBottom() { return QColor(38, 34, 31); }
QColor engraveText() { return QColor(196, 184, 166); }

QImage blank(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QImage supersampled(int w, int h, int scale, const std::function<void(QPainter &)> &draw)
{
    QImage big = blank(w * scale, h * scale);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.scale(scale, scale);
        draw(p);
    }
    if (scale == 1)
        return big;
    return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage stack(const std::vector<QImage> &frames, bool horizontal)
{
    if (frames.empty())
        return QImage();
    const int fw = frames.front().width(), fh = frames.front().height();
    const int n = int(frames.size());
    QImage out = blank(horizontal ? fw * n : fw, horizontal ? fh : fh * n);
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int i = 0; i < n; ++i)
        p.drawImage(horizontal ? QPoint(i * fw, 0) : QPoint(0, i * fh), frames[size_t(i)]);
    return out;
}

QFont captionFont(qreal pixelSize, bool bold, qreal letterSpacing)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    f.setHintingPreference(QFont::PreferNoHinting);
    if (letterSpacing != 0)
        f.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return f;
}

static QPainterPath textPath(const QString &text, qreal px, bool bold, qreal spacing,
                             const QRectF &rect, int align)
{
    // Built as a path from a 1000-pixel font so that any fractional size is exact.
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(1000);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    f.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF fm(f);
    const qreal scale = px / 1000.0;
    const qreal space = spacing / scale;
    QPainterPath path;
    qreal x = 0;
    for (const QChar ch : text) {
        path.addText(x, 0, f, QString(ch));
        x += fm.horizontalAdvance(ch) + space;
    }
    const qreal width = (text.isEmpty() ? 0 : x - space) * scale;
    const qreal capHeight = fm.capHeight() * scale;
    qreal ox = rect.left();
    if (align & Qt::AlignHCenter)
        ox = rect.center().x() - width / 2;
    else if (align & Qt::AlignRight)
        ox = rect.right() - width;
    qreal oy = rect.center().y() + capHeight / 2;
    if (align & Qt::AlignTop)
        oy = rect.top() + capHeight;
    else if (align & Qt::AlignBottom)
        oy = rect.bottom();
    QTransform t;
    t.translate(ox, oy);
    t.scale(scale, scale);
    return t.map(path);
}

void drawText(QPainter &p, const QRectF &rect, const QString &text, qreal px, const QColor &c,
              int align, bool bold, qreal spacing)
{
    const QPainterPath path = textPath(text, px, bold, spacing, rect, align);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(path);
    p.restore();
}

void drawEngraved(QPainter &p, const QRectF &rect, const QString &text, qreal px, int align,
                  qreal spacing, const QColor &c)
{
    const QColor fill = c.isValid() ? c : engraveText();
    const QPainterPath path = textPath(text, px, true, spacing, rect, align);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawPath(path.translated(0, -0.6));
    p.setBrush(QColor(255, 255, 255, 28));
    p.drawPath(path.translated(0, 0.8));
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void drawOutlinedText(QPainter &p, const QPointF &centre, const QString &text, qreal px,
                      const QColor &fill, const QColor &outline, qreal outlineWidth)
{
    const QRectF r(centre.x() - 200, centre.y() - 50, 400, 100);
    const QPainterPath path = textPath(text, px, true, 0, r, Qt::AlignCenter);
    p.save();
    p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(outline);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

double hash01(int x, int y, unsigned seed)
{
    unsigned h = unsigned(x) * 374761393u + unsigned(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffffu) / double(0x1000000);
}

double valueNoise(double x, double y, unsigned seed)
{
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double a = hash01(x0, y0, seed), b = hash01(x0 + 1, y0, seed);
    const double c = hash01(x0, y0 + 1, seed), d = hash01(x0 + 1, y0 + 1, seed);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

void addGrain(QImage &img, const QRect &rect, int amplitude, unsigned seed)
{
    const QRect r = rect.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb px = line[x];
            const int a = qAlpha(px);
            if (a == 0)
                continue;
            // Brushed look: grain stretched along x.
            const double n = (hash01(x / 7, y, seed) * 0.6 + hash01(x, y, seed + 1) * 0.4) - 0.5;
            const int d = int(std::lround(n * 2 * amplitude * a / 255.0));
            auto ch = [&](int v) { return qBound(0, v + d, a); };
            line[x] = qRgba(ch(qRed(px)), ch(qGreen(px)), ch(qBlue(px)), a);
        }
    }
}

void drawPlate(QPainter &p, const QRectF &r, qreal radius)
{
    p.save();
    // Drop shadow.
    for (int i = 4; i >= 1; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 22));
        p.drawRoundedRect(r.adjusted(-i * 0.5, -i * 0.2, i * 0.5, i * 0.9), radius + i * 0.5,
                          radius + i * 0.5);
    }
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, plateTop());
    g.setColorAt(0.5, QColor(50, 45, 41));
    g.setColorAt(1, plateBottom());
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(r, radius, radius);
    // Bevel: light top edge, dark bottom edge.
    QLinearGradient edge(r.topLeft(), r.bottomLeft());
    edge.setColorAt(0, QColor(255, 235, 210, 70));
    edge.setColorAt(0.15, QColor(255, 235, 210, 10));
    edge.setColorAt(0.85, QColor(0, 0, 0, 10));
    edge.setColorAt(1, QColor(0, 0, 0, 120));
    p.setPen(QPen(QBrush(edge), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(0.6, 0.6, -0.6, -0.6), radius, radius);
    p.setPen(QPen(QColor(0, 0, 0, 160), 0.8));
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

void drawWell(QPainter &p, const QRectF &r, qreal radius, const QColor &floor)
{
    p.save();
    p.setPen(Qt::NoPen);
    // Light lip below, the well itself, then an inner shadow from the top.
    p.setBrush(QColor(255, 240, 220, 22));
    p.drawRoundedRect(r.adjusted(-1, -1, 1, 1.6), radius + 1, radius + 1);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawRoundedRect(r.adjusted(-0.8, -1, 0.8, 0.2), radius + 0.8, radius + 0.8);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, floor.darker(160));
    g.setColorAt(0.12, floor);
    g.setColorAt(1, floor.lighter(125));
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

void drawBezelAround(QPainter &p, const QRectF &hole, qreal radius, qreal width)
{
    p.save();
    QPainterPath outer, inner;
    outer.addRoundedRect(hole.adjusted(-width, -width, width, width), radius + width,
                         radius + width);
    inner.addRoundedRect(hole, radius, radius);
    QLinearGradient g(hole.topLeft() - QPointF(0, width), hole.bottomLeft() + QPointF(0, width));
    g.setColorAt(0, QColor(14, 12, 11));
    g.setColorAt(1, QColor(70, 64, 58));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(outer.subtracted(inner));
    p.setPen(QPen(QColor(0, 0, 0, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(hole.adjusted(-0.5, -0.5, 0.5, 0.5), radius, radius);
    p.restore();
}

void drawScrew(QPainter &p, const QPointF &c, qreal r, qreal slotAngleDeg)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawEllipse(c + QPointF(0, 0.5 * r / 3), r * 1.1, r * 1.1);
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.45), r * 1.6);
    g.setColorAt(0, QColor(210, 205, 195));
    g.setColorAt(0.6, QColor(120, 115, 108));
    g.setColorAt(1, QColor(60, 56, 52));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.translate(c);
    p.rotate(slotAngleDeg);
    p.setPen(QPen(QColor(30, 28, 26), r * 0.32, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-r * 0.72, 0), QPointF(r * 0.72, 0));
    p.setPen(QPen(QColor(255, 255, 255, 60), r * 0.12, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-r * 0.7, r * 0.2), QPointF(r * 0.7, r * 0.2));
    p.restore();
}

void drawKeyCap(QPainter &p, const QRectF &r, qreal radius, bool pressed, bool lit)
{
    p.save();
    p.setPen(Qt::NoPen);
    // Socket.
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawRoundedRect(r, radius, radius);
    const QRectF cap = pressed ? r.adjusted(1.2, 1.6, -1.2, -0.8) : r.adjusted(1, 0.8, -1, -1.8);
    QLinearGradient g(cap.topLeft(), cap.bottomLeft());
    if (lit) {
        g.setColorAt(0, QColor(92, 60, 36));
        g.setColorAt(1, QColor(58, 36, 22));
    } else if (pressed) {
        g.setColorAt(0, QColor(40, 37, 35));
        g.setColorAt(1, QColor(56, 52, 49));
    } else {
        g.setColorAt(0, QColor(84, 79, 74));
        g.setColorAt(0.55, QColor(58, 54, 51));
        g.setColorAt(1, QColor(44, 41, 39));
    }
    p.setBrush(g);
    p.drawRoundedRect(cap, radius * 0.85, radius * 0.85);
    // Top highlight.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 240, 225, pressed ? 18 : 55), 0.8));
    p.drawLine(QPointF(cap.left() + radius * 0.6, cap.top() + 0.6),
               QPointF(cap.right() - radius * 0.6, cap.top() + 0.6));
    if (lit) {
        p.setPen(QPen(QColor(230, 122, 15, 150), 1));
        p.drawRoundedRect(cap.adjusted(0.5, 0.5, -0.5, -0.5), radius * 0.8, radius * 0.8);
    }
    p.restore();
}

void drawLed(QPainter &p, const QPointF &c, qreal r, bool on, const QColor &onColour, qreal glow)
{
    const QColor col = onColour.isValid() ? onColour : highlightOrange();
    p.save();
    p.setPen(Qt::NoPen);
    if (on) {
        const qreal gr = glow > 0 ? glow : r * 2.4;
        QRadialGradient halo(c, gr);
        halo.setColorAt(0, QColor(col.red(), col.green(), col.blue(), 130));
        halo.setColorAt(1, QColor(col.red(), col.green(), col.blue(), 0));
        p.setBrush(halo);
        p.drawEllipse(c, gr, gr);
    }
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawEllipse(c, r * 1.18, r * 1.18);
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.35), r * 1.3);
    if (on) {
        g.setColorAt(0, QColor(255, 236, 200));
        g.setColorAt(0.35, col.lighter(115));
        g.setColorAt(1, col.darker(170));
    } else {
        g.setColorAt(0, QColor(110, 90, 80));
        g.setColorAt(0.5, QColor(60, 44, 38));
        g.setColorAt(1, QColor(30, 24, 22));
    }
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.restore();
}

} // namespace Art
