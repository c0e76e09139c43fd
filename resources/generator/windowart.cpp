// Main window art: splash, icon, the waveform frame, the tab and transport
// backgrounds, the progress bar, the zoom buttons and the tab switch.
#include "artfamilies.h"
#include "artlayout.h"
#include "artsizes.h"
#include "artstyle.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

using namespace Art;

namespace {

QPainterPath pickPath(const QRectF &r)
{
    // A plectrum: rounded triangle, point down.
    const double w = r.width(), h = r.height();
    const double x = r.left(), y = r.top();
    QPainterPath pick;
    pick.moveTo(x + 0.5 * w, y + h);
    pick.cubicTo(x + 0.12 * w, y + 0.68 * h, x - 0.02 * w, y + 0.2 * h, x + 0.2 * w, y + 0.07 * h);
    pick.cubicTo(x + 0.36 * w, y - 0.02 * h, x + 0.64 * w, y - 0.02 * h, x + 0.8 * w, y + 0.07 * h);
    pick.cubicTo(x + 1.02 * w, y + 0.2 * h, x + 0.88 * w, y + 0.68 * h, x + 0.5 * w, y + h);
    pick.closeSubpath();
    return pick;
}

void drawPick(QPainter &p, const QRectF &r)
{
    const QPainterPath pick = pickPath(r);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(pick.translated(r.width() * 0.03, r.height() * 0.05));
    QRadialGradient g(r.left() + r.width() * 0.35, r.top() + r.height() * 0.3, r.width() * 0.9);
    g.setColorAt(0, QColor(252, 176, 84));
    g.setColorAt(0.55, QColor(222, 110, 28));
    g.setColorAt(1, QColor(150, 58, 14));
    p.setBrush(g);
    p.setPen(QPen(QColor(70, 32, 10), r.width() * 0.025));
    p.drawPath(pick);
    // A little waveform pressed into the pick.
    QPainterPath wave;
    const double cy = r.top() + r.height() * 0.4;
    for (int i = 0; i <= 40; ++i) {
        const double t = i / 40.0;
        const double x = r.left() + r.width() * (0.2 + 0.6 * t);
        const double env = std::sin(t * M_PI);
        const double y = cy - std::sin(t * 6 * M_PI) * env * r.height() * 0.14;
        if (i == 0)
            wave.moveTo(x, y);
        else
            wave.lineTo(x, y);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 236, 205, 220), r.width() * 0.05, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawPath(wave);
    p.restore();
}

QImage splash()
{
    return supersampled(500, 300, 2, [](QPainter &p) {
        QLinearGradient bg(0, 0, 0, 300);
        bg.setColorAt(0, QColor(64, 48, 37));
        bg.setColorAt(1, QColor(22, 19, 17));
        p.fillRect(QRectF(0, 0, 500, 300), bg);
        QRadialGradient glow(250, 120, 260);
        glow.setColorAt(0, QColor(230, 122, 15, 60));
        glow.setColorAt(1, QColor(230, 122, 15, 0));
        p.fillRect(QRectF(0, 0, 500, 300), glow);
        // Six strings across the lower half, with a waveform riding on them.
        for (int i = 0; i < 6; ++i) {
            const double y = 196 + i * 13;
            p.setPen(QPen(QColor(0, 0, 0, 120), 1.8 + (5 - i) * 0.35));
            p.drawLine(QPointF(0, y + 2), QPointF(500, y + 2));
            p.setPen(QPen(QColor(200, 190, 175), 0.8 + (5 - i) * 0.3));
            p.drawLine(QPointF(0, y), QPointF(500, y));
        }
        QPainterPath wave;
        for (int i = 0; i <= 500; ++i) {
            const double t = i / 500.0;
            const double env = std::pow(std::sin(t * M_PI), 1.5);
            const double y = 228 - env * 26 * std::sin(t * 38 * M_PI) * (0.6 + 0.4 * std::sin(t * 7));
            if (i == 0)
                wave.moveTo(i, y);
            else
                wave.lineTo(i, y);
        }
        p.setPen(QPen(QColor(214, 100, 35, 90), 5));
        p.drawPath(wave);
        p.setPen(QPen(waveOrange(), 1.6));
        p.drawPath(wave);
        drawPick(p, QRectF(54, 52, 70, 84));
        drawText(p, QRectF(140, 62, 340, 50), "Plectronome", 48, QColor(0, 0, 0, 140),
                 Qt::AlignLeft | Qt::AlignVCenter);
        drawText(p, QRectF(138, 59, 340, 50), "Plectronome", 48, highlightOrange(),
                 Qt::AlignLeft | Qt::AlignVCenter);
        drawText(p, QRectF(141, 110, 340, 20), "PRACTISE WITH THE SONG", 12, readoutGrey(),
                 Qt::AlignLeft | Qt::AlignVCenter, true, 2.2);
        drawText(p, QRectF(0, 276, 490, 16), "v1.6", 10, QColor(150, 140, 128),
                 Qt::AlignRight | Qt::AlignVCenter, false, 0.5);
    });
}

// Tolex-like covering behind the tab faceplates.
QImage tabsBackground()
{
    QImage img(1000, 355, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < img.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const double pebble = valueNoise(x / 2.3, y / 2.3, 5) * 0.6 + valueNoise(x / 6.0, y / 6.0, 6) * 0.4;
            const double shade = 1.0 - 0.25 * std::abs(y - 190) / 190.0;
            const int v = int((26 + pebble * 14) * shade);
            line[x] = qRgb(v + 3, v, v - 2 < 0 ? 0 : v - 2);
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Piping along the top and bottom edge.
    p.setPen(QPen(QColor(0, 0, 0, 170), 2));
    p.drawLine(QPointF(0, 1), QPointF(1000, 1));
    p.setPen(QPen(QColor(150, 120, 90, 60), 1));
    p.drawLine(QPointF(0, 2.5), QPointF(1000, 2.5));
    p.setPen(QPen(QColor(0, 0, 0, 170), 2));
    p.drawLine(QPointF(0, 354), QPointF(1000, 354));
    return img;
}

// A plate with the given holes kept fully see-through.
QImage frameWithHoles(int w, int h, const std::vector<QRectF> &holes, unsigned seed)
{
    QImage img = supersampled(w, h, 2, [&](QPainter &p) {
        QLinearGradient g(0, 0, 0, h);
        g.setColorAt(0, plateTop());
        g.setColorAt(1, plateBottom());
        p.fillRect(QRectF(0, 0, w, h), g);
    });
    addGrain(img, img.rect(), 5, seed);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (const QRectF &hole : holes)
        drawBezelAround(p, hole, 3, 4);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const QRectF &hole : holes)
        p.fillRect(hole, Qt::transparent);
    return img;
}

QImage waveFrame()
{
    using namespace ArtLayout;
    const QRectF view(kWaveView.x, kWaveView.y, kWaveView.w, kWaveView.h);
    const QRectF overview(kOverview.x, kOverview.y, kOverview.w, kOverview.h);
    QImage img = frameWithHoles(1000, 228, {view, overview}, 23);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Edges of the whole band.
    p.setPen(QPen(QColor(255, 235, 210, 36), 1));
    p.drawLine(QPointF(0, 0.5), QPointF(1000, 0.5));
    p.setPen(QPen(QColor(0, 0, 0, 200), 1));
    p.drawLine(QPointF(0, 227.5), QPointF(1000, 227.5));
    for (double x : {22.0, 978.0}) {
        drawScrew(p, QPointF(x, 28), 4.5, x < 500 ? 30 : 110);
        drawScrew(p, QPointF(x, 196), 4.5, x < 500 ? 150 : 65);
    }
    // Side labels, written upwards.
    auto vertical = [&](double cx, const QString &text, double angle) {
        p.save();
        p.translate(cx, 112);
        p.rotate(angle);
        drawEngraved(p, QRectF(-70, -6, 140, 12), text, 9, Qt::AlignCenter, 2.5);
        p.restore();
    };
    vertical(30, "WAVEFORM", -90);
    vertical(970, "WAVEFORM", 90);
    return img;
}

QImage transportBackground()
{
    QImage img = supersampled(1000, 91, 2, [](QPainter &p) {
        QLinearGradient g(0, 0, 0, 91);
        g.setColorAt(0, plateTop());
        g.setColorAt(1, plateBottom());
        p.fillRect(QRectF(0, 0, 1000, 91), g);
    });
    addGrain(img, img.rect(), 5, 31);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 235, 210, 45), 1));
    p.drawLine(QPointF(0, 0.5), QPointF(1000, 0.5));
    // Tray behind the clock and the buttons.
    drawWell(p, QRectF(382, 5, 236, 81), 8, QColor(30, 27, 25));
    // Name plate on the right.
    drawPick(p, QRectF(874, 24, 18, 21));
    drawEngraved(p, QRectF(898, 26, 100, 16), "PLECTRONOME", 10, Qt::AlignLeft | Qt::AlignVCenter,
                 1.6);
    drawEngraved(p, QRectF(898, 44, 100, 12), "PRACTICE DECK", 7, Qt::AlignLeft | Qt::AlignVCenter,
                 2.4, QColor(150, 140, 128));
    for (double x : {12.0, 988.0}) {
        drawScrew(p, QPointF(x, 14), 4, x < 500 ? 40 : 100);
        drawScrew(p, QPointF(x, 77), 4, x < 500 ? 160 : 20);
    }
    return img;
}

QImage progressBar()
{
    return supersampled(400, 12, 4, [](QPainter &p) {
        const QRectF bar(0, 2, 400, 8);
        QLinearGradient g(bar.topLeft(), bar.bottomLeft());
        g.setColorAt(0, QColor(255, 188, 110));
        g.setColorAt(0.45, QColor(230, 122, 15));
        g.setColorAt(1, QColor(150, 62, 10));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRect(bar);
        // Slanted stripes, which appear to travel as the bar grows.
        p.setBrush(QColor(255, 255, 255, 26));
        for (double x = -10; x < 410; x += 12) {
            QPolygonF stripe;
            stripe << QPointF(x, 10) << QPointF(x + 5, 10) << QPointF(x + 11, 2) << QPointF(x + 6, 2);
            p.drawPolygon(stripe);
        }
        // Leading edge at the right end.
        QLinearGradient edge(388, 0, 400, 0);
        edge.setColorAt(0, QColor(255, 230, 180, 0));
        edge.setColorAt(1, QColor(255, 236, 200, 220));
        p.setBrush(edge);
        p.drawRect(QRectF(388, 2, 12, 8));
    });
}

QImage progressBarBackground()
{
    return supersampled(400, 12, 4, [](QPainter &p) {
        QPainterPath outer, inner;
        outer.addRoundedRect(QRectF(0, 0, 400, 12), 6, 6);
        inner.addRoundedRect(QRectF(1.6, 1.8, 396.8, 8.4), 4.2, 4.2);
        QLinearGradient rim(0, 0, 0, 12);
        rim.setColorAt(0, QColor(10, 9, 8));
        rim.setColorAt(1, QColor(96, 88, 80));
        p.setPen(Qt::NoPen);
        p.setBrush(rim);
        p.drawPath(outer.subtracted(inner));
        // Glass over the track: a highlight on the upper half, clear elsewhere.
        QLinearGradient glass(0, 1.8, 0, 6);
        glass.setColorAt(0, QColor(255, 255, 255, 70));
        glass.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(glass);
        p.drawRoundedRect(QRectF(3, 2.2, 394, 3.8), 2, 2);
    });
}

void drawMagnifier(QPainter &p, const QPointF &c, bool plus, const QColor &col)
{
    p.save();
    p.setPen(QPen(col, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 4.2, 4.2);
    p.setPen(QPen(col, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(3.1, 3.1), c + QPointF(5.6, 5.6));
    p.setPen(QPen(col, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c - QPointF(2.2, 0), c + QPointF(2.2, 0));
    if (plus)
        p.drawLine(c - QPointF(0, 2.2), c + QPointF(0, 2.2));
    p.restore();
}

QImage zoom(int pressed)  // 0 none, 1 minus, 2 plus
{
    return supersampled(43, 18, 6, [pressed](QPainter &p) {
        drawWell(p, QRectF(0.5, 0.5, 42, 17), 4, QColor(12, 11, 10));
        const QRectF l(1.5, 1.5, 20, 15), r(21.5, 1.5, 20, 15);
        drawKeyCap(p, l, 3, pressed == 1, pressed == 1);
        drawKeyCap(p, r, 3, pressed == 2, pressed == 2);
        const QColor on(255, 165, 70), off(196, 186, 172);
        drawMagnifier(p, l.center() + QPointF(-1, pressed == 1 ? -0.6 : -1.4), false,
                      pressed == 1 ? on : off);
        drawMagnifier(p, r.center() + QPointF(-1, pressed == 2 ? -0.6 : -1.4), true,
                      pressed == 2 ? on : off);
    });
}

QImage tabButtons(int selected)
{
    static const char *const names[3] = {"VUR AREZEV", "RIFF BUILDER", "CHORD VIEWER"};
    return supersampled(350, 25, 4, [selected](QPainter &p) {
        drawWell(p, QRectF(0.5, 0.5, 349, 24), 7, QColor(12, 11, 10));
        for (int i = 0; i < 3; ++i) {
            const double x0 = 1.5 + i * (347.0 / 3.0);
            const QRectF seg(x0 + (i ? 0.5 : 0), 1.5, 347.0 / 3.0 - (i ? 0.5 : 0) - 0.5, 22);
            const bool lit = i == selected;
            drawKeyCap(p, seg, 6, lit, lit);
            if (lit)
                drawLed(p, QPointF(seg.left() + 11, seg.center().y() + 0.3), 2.3, true);
            else
                drawLed(p, QPointF(seg.left() + 11, seg.center().y() - 0.4), 2.0, false);
            drawText(p, seg.adjusted(12, lit ? 0.3 : -0.6, 0, 0), names[i], 9.5,
                     lit ? QColor(255, 170, 80) : QColor(176, 168, 156), Qt::AlignCenter, true, 1.2);
        }
    });
}

} // namespace

QImage programIcon(int size)
{
    return supersampled(size, size, 4, [size](QPainter &p) {
        const double s = size / 64.0;
        drawPick(p, QRectF(6 * s, 3 * s, 52 * s, 58 * s));
    });
}

void addWindowArt(std::vector<ArtEntry> &book)
{
    using namespace ArtSizes;
    book.push_back({kSplash.name, splash});
    book.push_back({kIcon.name, [] { return programIcon(64); }});
    book.push_back({kWaveFrame.name, waveFrame});
    book.push_back({kTabsBackground.name, tabsBackground});
    book.push_back({kTransportBackground.name, transportBackground});
    book.push_back({kProgressBar.name, progressBar});
    book.push_back({kProgressBarBackground.name, progressBarBackground});
    book.push_back({kZoom.name, [] { return zoom(0); }});
    book.push_back({kZoomMinus.name, [] { return zoom(1); }});
    book.push_back({kZoomPlus.name, [] { return zoom(2); }});
    book.push_back({kTabButton1.name, [] { return tabButtons(0); }});
    book.push_back({kTabButton2.name, [] { return tabButtons(1); }});
    book.push_back({kTabButton3.name, [] { return tabButtons(2); }});
}
