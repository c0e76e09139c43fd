// The shared look of every drawn image: palette, caption fonts and the few building
// blocks (faceplates, recessed wells, screws, keys, LEDs) the image families combine.
// Everything here is deterministic: the grain comes from a fixed hash, not a clock.
#pragma once
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

namespace Art {

// Palette.
QColor windowColour();     // (40, 40, 40), the main window
QColor waveOrange();       // (214, 100, 35), the waveform
QColor readoutGrey();      // (170, 170, 170), read-out texts
QColor highlightOrange();  // (230, 122, 15), lit controls
QColor plateTop();
QColor plateBottom();
QColor engraveText();      // caption colour on the faceplates

QImage blank(int w, int h);

// Draws at `scale` times the size and scales the result down smoothly.
QImage supersampled(int w, int h, int scale, const std::function<void(QPainter &)> &draw);

// Stacks frames one under the other (or side by side).
QImage stack(const std::vector<QImage> &frames, bool horizontal = false);

// Caption font of the given pixel size ("Liberation Sans", metric-compatible with Arial).
QFont captionFont(qreal pixelSize, bool bold = true, qreal letterSpacing = 0);

// Text helpers; `rect` is where the text is centred (or aligned).
void drawText(QPainter &p, const QRectF &rect, const QString &text, qreal px, const QColor &c,
              int align = Qt::AlignCenter, bool bold = true, qreal spacing = 0);
// Text pressed into the plate: dark edge above, light edge below.
void drawEngraved(QPainter &p, const QRectF &rect, const QString &text, qreal px,
                  int align = Qt::AlignCenter, qreal spacing = 1.0, const QColor &c = QColor());
// Text with a dark outline, readable on any background.
void drawOutlinedText(QPainter &p, const QPointF &centre, const QString &text, qreal px,
                      const QColor &fill, const QColor &outline, qreal outlineWidth);

// Deterministic grain: 0..1 for integer coordinates.
double hash01(int x, int y, unsigned seed);
// Smooth value noise (bilinear between hashed lattice points).
double valueNoise(double x, double y, unsigned seed);
// Adds +-amplitude of grain to the colour channels in rect (alpha kept).
void addGrain(QImage &img, const QRect &rect, int amplitude, unsigned seed);

// Faceplate: a warm dark brushed panel with a bevelled edge.
void drawPlate(QPainter &p, const QRectF &r, qreal radius);
// Recessed well (darker, inner shadow) such as a display window.
void drawWell(QPainter &p, const QRectF &r, qreal radius, const QColor &floor = QColor(18, 16, 15));
// A bevel ring around a hole that stays see-through.
void drawBezelAround(QPainter &p, const QRectF &hole, qreal radius, qreal width);
void drawScrew(QPainter &p, const QPointF &c, qreal r, qreal slotAngleDeg);
// A rounded key cap (buttons); `lit` gives the orange glow, `pressed` sinks it.
void drawKeyCap(QPainter &p, const QRectF &r, qreal radius, bool pressed, bool lit);
// A round LED.
// `glow` limits the halo of a lit LED (by default 2.4 times its radius).
void drawLed(QPainter &p, const QPointF &c, qreal r, bool on, const QColor &onColour = QColor(),
             qreal glow = -1);

} // namespace Art
