// Chord diagrams (open and power chords, 84 cells each) and the four neck woods
// they are laid over. The cells are see-through wherever the wood should show.
#include "artfamilies.h"
#include "artsizes.h"
#include "artstyle.h"
#include "voicings.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

using namespace Art;

namespace {

constexpr int kCellW = 126, kCellH = 264;
constexpr double kNutY = 62, kFretGap = 38, kStringX0 = 23, kStringGap = 16;
constexpr int kFretsShown = 5;

double stringX(int s) { return kStringX0 + kStringGap * s; }
double fretY(int k) { return kNutY + kFretGap * k; }  // k-th fret line below the top line

QColor mix(const QColor &a, const QColor &b, double t)
{
    t = qBound(0.0, t, 1.0);
    return QColor(int(a.red() + (b.red() - a.red()) * t), int(a.green() + (b.green() - a.green()) * t),
                  int(a.blue() + (b.blue() - a.blue()) * t));
}

// Fretboard woods.
QImage wood(const QColor &dark, const QColor &light, double streak, double figure, unsigned seed)
{
    QImage img(kCellW, kCellH, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < kCellH; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < kCellW; ++x) {
            // Long grain runs along the neck (down the image); figure runs across it.
            const double warp = valueNoise(x / 20.0, y / 30.0, seed + 3) * 6;
            const double g = valueNoise((x + warp) / 2.2, y / 60.0, seed);
            const double g2 = valueNoise((x + warp) / 7.0, y / 90.0, seed + 1);
            const double fig = 0.5 + 0.5 * std::sin(y / 5.5 + valueNoise(x / 14.0, y / 9.0, seed + 2) * 5);
            double t = 0.55 * g2 + 0.45 * std::pow(g, 1.5) * streak + figure * (fig - 0.5);
            t += (hash01(x, y, seed + 9) - 0.5) * 0.06;
            QColor c = mix(dark, light, t);
            // Darker edges where the neck rounds off.
            const double edge = std::min(x, kCellW - 1 - x);
            if (edge < 6) {
                c = c.darker(100 + int((6 - edge) * 9));
            }
            line[x] = c.rgba();
        }
    }
    return img;
}

QImage wireNeck()
{
    QImage img = supersampled(kCellW, kCellH, 2, [](QPainter &p) {
        QLinearGradient g(0, 0, kCellW, 0);
        g.setColorAt(0, QColor(24, 23, 22));
        g.setColorAt(0.5, QColor(40, 38, 36));
        g.setColorAt(1, QColor(24, 23, 22));
        p.fillRect(QRectF(0, 0, kCellW, kCellH), g);
        // Fine mesh, like a speaker grille.
        p.setPen(QPen(QColor(255, 255, 255, 12), 0.6));
        for (double d = -kCellH; d < kCellW + kCellH; d += 4) {
            p.drawLine(QPointF(d, 0), QPointF(d + kCellH, kCellH));
            p.drawLine(QPointF(d, kCellH), QPointF(d + kCellH, 0));
        }
        p.setPen(QPen(QColor(0, 0, 0, 160), 2));
        p.drawLine(QPointF(1, 0), QPointF(1, kCellH));
        p.drawLine(QPointF(kCellW - 1, 0), QPointF(kCellW - 1, kCellH));
    });
    return img;
}

void drawDot(QPainter &p, const QPointF &c, double r, bool root)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawEllipse(c + QPointF(0.8, 1.4), r, r);
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.4), r * 1.5);
    g.setColorAt(0, QColor(255, 196, 120));
    g.setColorAt(0.5, QColor(230, 122, 15));
    g.setColorAt(1, QColor(140, 60, 8));
    p.setBrush(g);
    p.setPen(QPen(QColor(50, 22, 4), 1.0));
    p.drawEllipse(c, r, r);
    if (root) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 244, 225), 1.6));
        p.drawEllipse(c, r - 2.2, r - 2.2);
    }
}

QImage diagramCell(const Voicings::Shape &shape, const QString &name, int bassString)
{
    return supersampled(kCellW, kCellH, 3, [&](QPainter &p) {
        const int base = Voicings::baseFret(shape, kFretsShown);
        const int barre = Voicings::barreFret(shape);
        // Strings (thicker for the low ones) with their shadows.
        for (int s = 0; s < Voicings::kStrings; ++s) {
            const double x = stringX(s), w = 2.6 - s * 0.3;
            p.setPen(QPen(QColor(0, 0, 0, 80), w + 1.2, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(x + 1.6, kNutY), QPointF(x + 1.6, kCellH));
            QLinearGradient g(x - w / 2, 0, x + w / 2, 0);
            const QColor metal = s < 3 ? QColor(214, 190, 150) : QColor(222, 222, 226);
            g.setColorAt(0, metal.darker(170));
            g.setColorAt(0.45, metal.lighter(115));
            g.setColorAt(1, metal.darker(150));
            p.setPen(QPen(QBrush(g), w, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(x, kNutY), QPointF(x, kCellH));
        }
        // Frets (or the nut at the top).
        const double left = stringX(0) - 7, right = stringX(5) + 7;
        for (int k = 0; k <= kFretsShown; ++k) {
            const double y = fretY(k);
            if (k == 0 && base == 1) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0, 0, 0, 90));
                p.drawRoundedRect(QRectF(left - 1, y - 5, right - left + 2, 9), 2, 2);
                QLinearGradient g(0, y - 6, 0, y + 2);
                g.setColorAt(0, QColor(250, 244, 228));
                g.setColorAt(1, QColor(196, 184, 160));
                p.setBrush(g);
                p.drawRoundedRect(QRectF(left - 1, y - 6, right - left + 2, 8), 2, 2);
                continue;
            }
            p.setPen(QPen(QColor(0, 0, 0, 90), 3.2, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(left, y + 1.6), QPointF(right, y + 1.6));
            QLinearGradient g(0, y - 1.4, 0, y + 1.4);
            g.setColorAt(0, QColor(238, 238, 240));
            g.setColorAt(1, QColor(120, 120, 126));
            p.setPen(QPen(QBrush(g), 2.6, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(left, y), QPointF(right, y));
        }
        // Position label beside the first fret shown.
        if (base > 1) {
            drawOutlinedText(p, QPointF(9, fretY(0) + kFretGap / 2 - 3), QString::number(base), 15,
                             QColor(250, 240, 220), QColor(20, 14, 10, 230), 3);
            drawOutlinedText(p, QPointF(9, fretY(0) + kFretGap / 2 + 10), "fr", 8,
                             QColor(250, 240, 220), QColor(20, 14, 10, 230), 2.5);
        }
        // Open and muted strings above the top line.
        for (int s = 0; s < Voicings::kStrings; ++s) {
            const int f = shape[size_t(s)];
            const QPointF c(stringX(s), 48);
            if (f == 0) {
                p.setBrush(QColor(0, 0, 0, 120));
                p.setPen(Qt::NoPen);
                p.drawEllipse(c, 6, 6);
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(s == bassString ? QColor(255, 160, 60) : QColor(245, 236, 220), 2));
                p.drawEllipse(c, 4.4, 4.4);
            } else if (f == Voicings::kMuted) {
                p.setPen(QPen(QColor(0, 0, 0, 140), 4.2, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(c + QPointF(-3.6, -3.6), c + QPointF(3.6, 3.6));
                p.drawLine(c + QPointF(-3.6, 3.6), c + QPointF(3.6, -3.6));
                p.setPen(QPen(QColor(225, 205, 190), 2, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(c + QPointF(-3.6, -3.6), c + QPointF(3.6, 3.6));
                p.drawLine(c + QPointF(-3.6, 3.6), c + QPointF(3.6, -3.6));
            }
        }
        // The bar, then the fingered notes.
        auto rowY = [&](int fret) { return fretY(fret - base) + kFretGap / 2; };
        if (barre > 0) {
            int first = 0;
            while (shape[size_t(first)] <= 0)
                ++first;
            const double y = rowY(barre);
            const QRectF bar(stringX(first) - 7, y - 7, stringX(5) - stringX(first) + 14, 14);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 110));
            p.drawRoundedRect(bar.translated(0.8, 1.4), 7, 7);
            QLinearGradient g(bar.topLeft(), bar.bottomLeft());
            g.setColorAt(0, QColor(255, 190, 110));
            g.setColorAt(0.5, QColor(230, 122, 15));
            g.setColorAt(1, QColor(150, 64, 8));
            p.setBrush(g);
            p.setPen(QPen(QColor(50, 22, 4), 1.0));
            p.drawRoundedRect(bar, 7, 7);
        }
        for (int s = 0; s < Voicings::kStrings; ++s) {
            const int f = shape[size_t(s)];
            if (f <= 0)
                continue;
            if (f == barre && s != bassString)
                continue;
            drawDot(p, QPointF(stringX(s), rowY(f)), 7, s == bassString);
        }
        // Name on top, readable on every wood.
        drawOutlinedText(p, QPointF(kCellW / 2.0, 20), name, 27, QColor(255, 150, 40),
                         QColor(16, 10, 6, 235), 4.5);
    });
}

int bassStringOf(const Voicings::Shape &shape)
{
    for (int s = 0; s < Voicings::kStrings; ++s)
        if (shape[size_t(s)] != Voicings::kMuted)
            return s;
    return 0;
}

QImage chordCells(bool power)
{
    // Power cells repeat one shape per root across the quality rows, so draw each root once.
    std::vector<QImage> powerCells;
    if (power) {
        for (int root = 0; root < Voicings::kRoots; ++root) {
            const Voicings::Shape shape = Voicings::powerChordShape(root);
            powerCells.push_back(diagramCell(shape, QString(Voicings::rootName(root)) + "5",
                                             bassStringOf(shape)));
        }
    }
    std::vector<QImage> cells;
    for (int i = 0; i < Voicings::kChords; ++i) {
        const int root = i % Voicings::kRoots, quality = i / Voicings::kRoots;
        if (power) {
            cells.push_back(powerCells[size_t(root)]);
            continue;
        }
        const Voicings::Shape shape = Voicings::chordShape(i);
        cells.push_back(diagramCell(
            shape, QString(Voicings::rootName(root)) + Voicings::qualitySuffix(quality),
            bassStringOf(shape)));
    }
    return stack(cells, true);
}

} // namespace

void addChordDiagramArt(std::vector<ArtEntry> &book)
{
    using namespace ArtSizes;
    book.push_back({kChordDiagrams.name, [] { return chordCells(false); }});
    book.push_back({kPowerChordDiagrams.name, [] { return chordCells(true); }});
    book.push_back({kNeckWire.name, wireNeck});
    book.push_back({kNeckEbony.name, [] {
                        return wood(QColor(18, 13, 11), QColor(58, 42, 34), 0.9, 0.02, 101);
                    }});
    book.push_back({kNeckAlder.name, [] {
                        return wood(QColor(150, 100, 62), QColor(214, 168, 118), 0.8, 0.06, 202);
                    }});
    book.push_back({kNeckMaple.name, [] {
                        return wood(QColor(200, 162, 104), QColor(246, 222, 170), 0.6, 0.18, 303);
                    }});
}
