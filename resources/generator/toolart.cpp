// Real-time tools tab: the tab faceplate with its captions, knobs, the azimuth slider,
// power switches, plus/minus read-outs and the two-way switches.
#include "artfamilies.h"
#include "artlayout.h"
#include "artsizes.h"
#include "artstyle.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

using namespace Art;

namespace {

// Large knob: 200 values with the middle value 99 straight up.
double largeKnobAngle(int n)
{
    return n <= 99 ? -135.0 + 135.0 * n / 99.0 : 135.0 * (n - 99) / 100.0;
}

double sweepAngle(int n, int frames)
{
    return -135.0 + 270.0 * n / (frames - 1);
}

// Thumb centre of the azimuth slider for a value: the press rule places value v at
// x = 23 + v x 0.867 x width / 100.
double sliderX(double v)
{
    return 23.0 + v * 0.867 * 350.0 / 100.0;
}

QImage slider()
{
    const int w = 350, h = 24;
    const double centre = sliderX(49.5);
    const QImage base = supersampled(w, h, 3, [&](QPainter &p) {
        // Scale ticks.
        for (int k = 0; k <= 20; ++k) {
            const double x = sliderX(99.0 * k / 20.0);
            const bool major = k % 5 == 0;
            p.setPen(QPen(QColor(190, 178, 160, major ? 150 : 70), major ? 1.1 : 0.8));
            p.drawLine(QPointF(x, major ? 1.5 : 3), QPointF(x, 6.5));
            p.drawLine(QPointF(x, h - 6.5), QPointF(x, h - (major ? 1.5 : 3)));
        }
        p.setPen(QPen(QColor(230, 122, 15, 200), 1.4));
        p.drawLine(QPointF(centre, 0.5), QPointF(centre, 7));
        p.drawLine(QPointF(centre, h - 7), QPointF(centre, h - 0.5));
        // Groove.
        drawWell(p, QRectF(sliderX(0) - 6, 9.5, sliderX(99) - sliderX(0) + 12, 5), 2.5,
                 QColor(10, 9, 8));
    });
    std::vector<QImage> frames;
    for (int v = 0; v < 100; ++v) {
        const double x = sliderX(v);
        QImage f = supersampled(w, h, 3, [&](QPainter &p) {
            p.drawImage(QRectF(0, 0, w, h), base);
            // Lit part of the groove from the middle to the thumb.
            if (std::abs(x - centre) > 1) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(230, 122, 15, 210));
                p.drawRoundedRect(QRectF(std::min(x, centre), 11, std::abs(x - centre), 2), 1, 1);
            }
            // Fader cap.
            const QRectF cap(x - 6.5, 1.5, 13, 21);
            p.setBrush(QColor(0, 0, 0, 120));
            p.drawRoundedRect(cap.translated(0.6, 1.2), 2.5, 2.5);
            QLinearGradient g(cap.topLeft(), cap.topRight());
            g.setColorAt(0, QColor(120, 114, 106));
            g.setColorAt(0.45, QColor(64, 60, 56));
            g.setColorAt(0.55, QColor(44, 41, 38));
            g.setColorAt(1, QColor(80, 75, 70));
            p.setBrush(g);
            p.setPen(QPen(QColor(10, 9, 8), 0.8));
            p.drawRoundedRect(cap, 2.5, 2.5);
            p.setPen(QPen(QColor(0, 0, 0, 90), 0.7));
            for (int k = -2; k <= 2; ++k) {
                if (k == 0)
                    continue;
                p.drawLine(QPointF(cap.left() + 2.5, 12 + k * 3.2), QPointF(cap.right() - 2.5, 12 + k * 3.2));
            }
            p.setPen(QPen(QColor(245, 225, 195), 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(cap.left() + 2, 12), QPointF(cap.right() - 2, 12));
        });
        frames.push_back(f);
    }
    return stack(frames);
}

QImage powerButton(int size, bool on)
{
    return supersampled(size, size, 6, [&](QPainter &p) {
        const double s = size / 25.0;
        const QPointF c(size / 2.0, size / 2.0);
        // Bezel ring.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 140));
        p.drawEllipse(c + QPointF(0, 0.6 * s), 12.2 * s, 12.2 * s);
        QLinearGradient ring(c - QPointF(0, 12 * s), c + QPointF(0, 12 * s));
        ring.setColorAt(0, QColor(150, 144, 136));
        ring.setColorAt(1, QColor(40, 37, 35));
        p.setBrush(ring);
        p.drawEllipse(c, 11.6 * s, 11.6 * s);
        // Button face.
        QRadialGradient face(c - QPointF(2.5 * s, 3.5 * s), 12 * s);
        if (on) {
            face.setColorAt(0, QColor(110, 70, 40));
            face.setColorAt(1, QColor(46, 28, 18));
        } else {
            face.setColorAt(0, QColor(86, 81, 76));
            face.setColorAt(1, QColor(30, 28, 26));
        }
        p.setBrush(face);
        p.drawEllipse(c, 9.4 * s, 9.4 * s);
        // Glow ring when on.
        if (on) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(230, 122, 15, 90), 2.6 * s));
            p.drawEllipse(c, 8.2 * s, 8.2 * s);
        }
        // Power symbol.
        const QColor sym = on ? QColor(255, 170, 70) : QColor(150, 143, 134);
        p.setPen(QPen(sym, 1.8 * s, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const QRectF arc(c.x() - 4.6 * s, c.y() - 4.2 * s, 9.2 * s, 9.2 * s);
        p.drawArc(arc, 120 * 16, -240 * 16);
        p.drawLine(c + QPointF(0, -5.6 * s), c + QPointF(0, -0.6 * s));
    });
}

enum class Zone { None, Minus, Plus };

// The plus/minus read-out body; `middle` draws the middle field.
QImage plusMinus(Zone pressed, const std::function<void(QPainter &)> &middle)
{
    return supersampled(93, 20, 4, [&](QPainter &p) {
        drawWell(p, QRectF(0.5, 0.5, 92, 19), 4, QColor(16, 14, 13));
        auto key = [&](const QRectF &r, bool isPlus) {
            const bool down = (pressed == Zone::Plus) == isPlus && pressed != Zone::None;
            drawKeyCap(p, r, 3.5, down, down);
            const QColor c = down ? QColor(255, 160, 60) : QColor(190, 180, 168);
            p.setPen(QPen(c, 1.8, Qt::SolidLine, Qt::RoundCap));
            const QPointF m = r.center() + QPointF(0, down ? 0.4 : -0.4);
            p.drawLine(m - QPointF(3.6, 0), m + QPointF(3.6, 0));
            if (isPlus)
                p.drawLine(m - QPointF(0, 3.6), m + QPointF(0, 3.6));
        };
        key(QRectF(1.5, 1.5, 21, 17), false);
        key(QRectF(70.5, 1.5, 21, 17), true);
        middle(p);
    });
}

void plainMiddle(QPainter &p)
{
    // A faint display glass; the widget writes the value in grey on it.
    QLinearGradient g(0, 2, 0, 18);
    g.setColorAt(0, QColor(255, 255, 255, 10));
    g.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(24.5, 2.5, 44, 15), 2, 2);
}

void fineTuneMiddle(QPainter &p)
{
    plainMiddle(p);
    // Groove for the marker, ticks at the ends and in the middle (value 50).
    const double x0 = 24 + 2.5, x1 = 24 + 44 + 2.5, mid = 24 + 22 + 2.5;
    p.setPen(QPen(QColor(0, 0, 0, 200), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x0, 10), QPointF(x1 - 1, 10));
    p.setPen(QPen(QColor(120, 112, 104), 0.9));
    for (double x : {x0, (x0 + mid) / 2, (mid + x1) / 2})
        p.drawLine(QPointF(x, 4), QPointF(x, 6.5));
    p.setPen(QPen(QColor(230, 122, 15, 220), 1.2));
    p.drawLine(QPointF(mid, 3), QPointF(mid, 7));
    p.drawLine(QPointF(mid, 13), QPointF(mid, 17));
}

QImage fineTuneMarker()
{
    return supersampled(5, 20, 8, [](QPainter &p) {
        p.setPen(QPen(QColor(0, 0, 0, 200), 0.8));
        QLinearGradient g(0, 0, 5, 0);
        g.setColorAt(0, QColor(255, 190, 110));
        g.setColorAt(1, QColor(200, 95, 10));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(0.9, 3, 3.2, 14), 1.2, 1.2);
    });
}

QImage inactiveVeil()
{
    return supersampled(93, 20, 4, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(22, 20, 19, 185));
        p.drawRoundedRect(QRectF(0, 0, 93, 20), 4.5, 4.5);
        p.setPen(QPen(QColor(130, 122, 112, 160), 1.2, Qt::SolidLine, Qt::RoundCap));
        for (int k = -1; k <= 1; ++k)
            p.drawLine(QPointF(46.5 + k * 7 - 2, 10), QPointF(46.5 + k * 7 + 2, 10));
    });
}

// Two-way switch: the left word is lit in the lower frame (state true), the right
// word in the upper frame (state false).
QImage twoWaySwitch(const QString &left, const QString &right)
{
    std::vector<QImage> frames;
    for (int state = 0; state < 2; ++state) {
        frames.push_back(supersampled(43, 18, 6, [&](QPainter &p) {
            drawWell(p, QRectF(0.5, 0.5, 42, 17), 4, QColor(14, 12, 11));
            const bool leftLit = state == 1;
            const QRectF l(1.5, 1.5, 20, 15), r(21.5, 1.5, 20, 15);
            drawKeyCap(p, l, 3, leftLit, leftLit);
            drawKeyCap(p, r, 3, !leftLit, !leftLit);
            const QColor on(255, 160, 60), off(150, 142, 132);
            const qreal px = std::max(left.size(), right.size()) > 2 ? 6.4 : 8.0;
            drawText(p, l.translated(0, leftLit ? 0.3 : -0.4), left, px, leftLit ? on : off,
                     Qt::AlignCenter, true, -0.15);
            drawText(p, r.translated(0, !leftLit ? 0.3 : -0.4), right, px, !leftLit ? on : off,
                     Qt::AlignCenter, true, -0.15);
        }));
    }
    return stack(frames);
}

QImage toolOverlay()
{
    using namespace ArtLayout;
    QImage img = tabFaceplate();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Section dividers.
    for (double x : {313.0, 687.0}) {
        p.setPen(QPen(QColor(0, 0, 0, 150), 1.2));
        p.drawLine(QPointF(x, 62), QPointF(x, 328));
        p.setPen(QPen(QColor(255, 235, 210, 30), 1));
        p.drawLine(QPointF(x + 1.2, 62), QPointF(x + 1.2, 328));
    }
    // Titles.
    drawEngraved(p, QRectF(60, 58, 250, 16), "TEMPO", 12, Qt::AlignCenter, 2.5);
    drawEngraved(p, QRectF(690, 58, 270, 16), "PITCH", 12, Qt::AlignCenter, 2.5);
    drawEngraved(p, QRectF(kIsolatePlot.x, 58, kIsolatePlot.w, 16), "ISOLATE", 12,
                 Qt::AlignCenter, 2.5);
    auto rule = [&](double x0, double x1, double y) {
        QLinearGradient g(x0, 0, x1, 0);
        g.setColorAt(0, QColor(230, 122, 15, 0));
        g.setColorAt(0.5, QColor(230, 122, 15, 140));
        g.setColorAt(1, QColor(230, 122, 15, 0));
        p.setPen(QPen(QBrush(g), 1));
        p.drawLine(QPointF(x0, y), QPointF(x1, y));
    };
    rule(90, 280, 77);
    rule(720, 930, 77);
    rule(360, 640, 77);

    // Isolate plot screen (the plot draws over it) and its bezel.
    const QRectF plot(kIsolatePlot.x, kIsolatePlot.y, kIsolatePlot.w, kIsolatePlot.h);
    drawBezelAround(p, plot, 3, 3);
    {
        QLinearGradient g(plot.topLeft(), plot.bottomLeft());
        g.setColorAt(0, QColor(14, 13, 12));
        g.setColorAt(1, QColor(26, 23, 21));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(plot, 3, 3);
        p.setPen(QPen(QColor(255, 255, 255, 12), 1));
        for (int k = 1; k < 4; ++k) {
            const double y = plot.top() + plot.height() * k / 4.0;
            p.drawLine(QPointF(plot.left() + 2, y), QPointF(plot.right() - 2, y));
        }
        for (int k = 1; k < 8; ++k) {
            const double x = plot.left() + plot.width() * k / 8.0;
            p.drawLine(QPointF(x, plot.top() + 2), QPointF(x, plot.bottom() - 2));
        }
    }

    // Captions of the controls.
    auto under = [&](const Box &b, const QString &text, double dy = 8) {
        drawEngraved(p, QRectF(b.x - 30, b.bottom() + dy - 5, b.w + 60, 10), text, 8.5,
                     Qt::AlignCenter, 1.2);
    };
    auto leftOf = [&](const Box &b, const QString &text) {
        drawEngraved(p, QRectF(b.x - 70, b.y, 64, b.h), text, 8.5, Qt::AlignRight | Qt::AlignVCenter,
                     1.2);
    };
    under(kWidthKnob, "WIDTH", 7);
    under(kSeparationKnob, "SEPARATION", 7);
    under(kFilterKnob, "FILTER", 7);
    drawEngraved(p, QRectF(kAzimuthSlider.x, kAzimuthSlider.bottom() + 2, kAzimuthSlider.w, 10),
                 "AZIMUTH", 8.5, Qt::AlignCenter, 1.2);
    drawEngraved(p, QRectF(kAzimuthSlider.x + 8, kAzimuthSlider.bottom() + 2, 30, 10), "L", 8.5,
                 Qt::AlignLeft | Qt::AlignVCenter, 0);
    drawEngraved(p, QRectF(kAzimuthSlider.right() - 38, kAzimuthSlider.bottom() + 2, 30, 10), "R",
                 8.5, Qt::AlignRight | Qt::AlignVCenter, 0);
    leftOf(kBpmReadout, "BPM");
    leftOf(kModeReadout, "MODE");
    leftOf(kSemitoneReadout, "SEMITONES");
    leftOf(kFineTuneReadout, "FINE TUNE");
    drawEngraved(p, QRectF(kMuteSoloSwitch.x - 6, kMuteSoloSwitch.y - 12, kMuteSoloSwitch.w + 12, 10),
                 "BAND", 7.5, Qt::AlignCenter, 1.2);
    drawEngraved(p, QRectF(kHiLoSwitch.x - 6, kHiLoSwitch.y - 12, kHiLoSwitch.w + 12, 10), "RANGE",
                 7.5, Qt::AlignCenter, 1.2);
    for (const Box &b : {kTempoPower, kIsolatePower, kPitchPower})
        drawEngraved(p, QRectF(b.x - 20, b.bottom() + 3, b.w + 40, 10), "POWER", 7.5,
                     Qt::AlignCenter, 1.2);
    return img;
}

} // namespace

void addToolArt(std::vector<ArtEntry> &book)
{
    using namespace ArtSizes;
    book.push_back({kKnobLarge.name, [] {
                        return knobStrip(85, 200, largeKnobAngle, 0.0);
                    }});
    book.push_back({kKnobSmall.name, [] {
                        return knobStrip(64, 100, [](int n) { return sweepAngle(n, 100); }, -135.0);
                    }});
    book.push_back({kSlider.name, slider});
    book.push_back({kPowerOn.name, [] { return powerButton(25, true); }});
    book.push_back({kPowerOff.name, [] { return powerButton(25, false); }});
    book.push_back({kPowerOnSmall.name, [] { return powerButton(20, true); }});
    book.push_back({kPowerOffSmall.name, [] { return powerButton(20, false); }});
    book.push_back({kPlusMinus.name, [] { return plusMinus(Zone::None, plainMiddle); }});
    book.push_back({kPlusMinusUp.name, [] { return plusMinus(Zone::Plus, plainMiddle); }});
    book.push_back({kPlusMinusDown.name, [] { return plusMinus(Zone::Minus, plainMiddle); }});
    book.push_back({kPlusMinusInactive.name, inactiveVeil});
    book.push_back({kFineTune.name, [] { return plusMinus(Zone::None, fineTuneMiddle); }});
    book.push_back({kFineTuneUp.name, [] { return plusMinus(Zone::Plus, fineTuneMiddle); }});
    book.push_back({kFineTuneDown.name, [] { return plusMinus(Zone::Minus, fineTuneMiddle); }});
    book.push_back({kFineTuneMarker.name, fineTuneMarker});
    book.push_back({kMuteSolo.name, [] { return twoWaySwitch("SOLO", "MUTE"); }});
    book.push_back({kHiLo.name, [] { return twoWaySwitch("HI", "LO"); }});
    book.push_back({kToolOverlay.name, toolOverlay});
}
