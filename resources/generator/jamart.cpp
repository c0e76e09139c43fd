// Riff builder tab: faceplate, step and song rows, loop bar, riff chooser and menu,
// step menu and the hover outline.
#include "artfamilies.h"
#include "artlayout.h"
#include "artsizes.h"
#include "artstyle.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

using namespace Art;

namespace {

constexpr int kCells = 16, kCell = 30;

QRectF padRect(int k) { return QRectF(kCell * k + 1.5, 1.5, kCell - 3, kCell - 3); }

enum class Pad { Idle, Looped, Playing, PlayingSlot };

void drawPad(QPainter &p, const QRectF &r, Pad kind)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawRoundedRect(r.adjusted(-0.8, -0.8, 0.8, 0.8), 4.5, 4.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    switch (kind) {
    case Pad::Idle:
        g.setColorAt(0, QColor(44, 40, 37));
        g.setColorAt(1, QColor(32, 29, 27));
        break;
    case Pad::Looped:
        g.setColorAt(0, QColor(76, 71, 66));
        g.setColorAt(1, QColor(50, 46, 43));
        break;
    case Pad::Playing:
        g.setColorAt(0, QColor(250, 160, 60));
        g.setColorAt(1, QColor(196, 92, 10));
        break;
    case Pad::PlayingSlot:
        // Dark enough for the slot's grey letter, ringed in orange.
        g.setColorAt(0, QColor(88, 54, 30));
        g.setColorAt(1, QColor(60, 36, 20));
        break;
    }
    p.setBrush(g);
    p.drawRoundedRect(r, 4, 4);
    p.setPen(QPen(kind == Pad::Playing ? QColor(255, 230, 190, 140) : QColor(255, 240, 220, 30), 0.8));
    p.drawLine(QPointF(r.left() + 3, r.top() + 0.6), QPointF(r.right() - 3, r.top() + 0.6));
    if (kind == Pad::PlayingSlot) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(240, 140, 40), 1.4));
        p.drawRoundedRect(r.adjusted(0.7, 0.7, -0.7, -0.7), 3.5, 3.5);
    }
    p.restore();
}

QImage stepRow(bool numbers)
{
    std::vector<QImage> rows;
    for (int playing = 0; playing < kCells; ++playing) {
        rows.push_back(supersampled(480, 30, 3, [&](QPainter &p) {
            for (int k = 0; k < kCells; ++k) {
                const Pad lit = numbers ? Pad::Playing : Pad::PlayingSlot;
                const Pad kind = k == playing ? lit : Pad::Idle;
                drawPad(p, padRect(k), kind);
                if (numbers)
                    drawText(p, padRect(k), QString::number(k + 1), 11,
                             kind == Pad::Playing ? QColor(50, 22, 4) : QColor(104, 97, 90));
                else if (kind == Pad::PlayingSlot) {
                    // The song row's letters come from labels; light a strip under them.
                    p.setPen(Qt::NoPen);
                    p.setBrush(QColor(255, 150, 50, 200));
                    p.drawRoundedRect(QRectF(padRect(k).left() + 5, 24, kCell - 13, 2), 1, 1);
                }
            }
        }));
    }
    return stack(rows);
}

QImage whiteNumbers()
{
    return supersampled(480, 30, 3, [](QPainter &p) {
        for (int k = 0; k < kCells; ++k) {
            drawPad(p, padRect(k), Pad::Looped);
            drawText(p, padRect(k), QString::number(k + 1), 11, QColor(255, 255, 255));
        }
    });
}

QImage highlightSteps()
{
    std::vector<QImage> rows;
    for (int cell = 0; cell < kCells; ++cell) {
        rows.push_back(supersampled(480, 30, 3, [cell](QPainter &p) {
            // Kept inside the cell: the row's other cells stay untouched.
            const QRectF r = padRect(cell);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(235, 50, 30, 90), 3));
            p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
            p.setPen(QPen(QColor(255, 90, 60), 1.6));
            p.drawRoundedRect(r.adjusted(0.8, 0.8, -0.8, -0.8), 4, 4);
        }));
    }
    return stack(rows);
}

double ballX(int value) { return kCell * value + kCell / 2.0; }

QImage loopLength()
{
    std::vector<QImage> rows;
    for (int v = 0; v < kCells; ++v) {
        rows.push_back(supersampled(480, 5, 6, [v](QPainter &p) {
            QLinearGradient g(0, 0, 0, 5);
            g.setColorAt(0, QColor(255, 186, 100));
            g.setColorAt(1, QColor(190, 86, 10));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRoundedRect(QRectF(3, 0.8, ballX(v) - 3, 3.4), 1.7, 1.7);
        }));
    }
    return stack(rows);
}

QImage loopLengthBall()
{
    std::vector<QImage> rows;
    for (int v = 0; v < kCells; ++v) {
        rows.push_back(supersampled(480, 10, 6, [v](QPainter &p) {
            const QPointF c(ballX(v), 5);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 120));
            p.drawEllipse(c + QPointF(0.3, 0.6), 4.6, 4.6);
            QRadialGradient g(c - QPointF(1.4, 1.6), 6);
            g.setColorAt(0, QColor(255, 250, 240));
            g.setColorAt(0.5, QColor(200, 192, 182));
            g.setColorAt(1, QColor(90, 84, 78));
            p.setBrush(g);
            p.setPen(QPen(QColor(30, 26, 24), 0.6));
            p.drawEllipse(c, 4.3, 4.3);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(230, 122, 15));
            p.drawEllipse(c, 1.5, 1.5);
        }));
    }
    return stack(rows);
}

QImage riffId()
{
    std::vector<QImage> rows;
    for (int r = 0; r < 6; ++r) {
        rows.push_back(supersampled(48, 18, 6, [r](QPainter &p) {
            drawWell(p, QRectF(0.5, 0.5, 47, 17), 4, QColor(16, 14, 13));
            drawText(p, QRectF(3, 0, 30, 18), QString(QChar('A' + r)), 12, QColor(255, 160, 60));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(190, 180, 166));
            QPolygonF v;
            v << QPointF(36, 7.5) << QPointF(43, 7.5) << QPointF(39.5, 11.5);
            p.drawPolygon(v);
            p.setPen(QPen(QColor(0, 0, 0, 120), 0.8));
            p.drawLine(QPointF(32.5, 3), QPointF(32.5, 15));
        }));
    }
    return stack(rows);
}

QImage riffMenu()
{
    return supersampled(45, 132, 6, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 120));
        p.drawRoundedRect(QRectF(1, 2, 44, 130), 5, 5);
        QLinearGradient g(0, 0, 0, 132);
        g.setColorAt(0, QColor(52, 47, 43));
        g.setColorAt(1, QColor(30, 27, 25));
        p.setBrush(g);
        p.setPen(QPen(QColor(230, 122, 15, 170), 1));
        p.drawRoundedRect(QRectF(0.5, 0.5, 44, 130), 5, 5);
        for (int r = 0; r < 6; ++r) {
            const QRectF row(5, 6 + 18 * r, 27, 18);
            drawText(p, row, QString(QChar('A' + r)), 11.5, QColor(230, 218, 200));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(230, 122, 15, 60 + 30 * r));
            p.drawEllipse(QPointF(38, row.center().y()), 2, 2);
        }
        drawText(p, QRectF(2, 114, 41, 14), "RIFF", 7.5, QColor(140, 130, 118), Qt::AlignCenter,
                 true, 1);
    });
}

QImage beatOutline()
{
    return supersampled(41, 37, 6, [](QPainter &p) {
        // The step cell lies at (6, 4) to (36, 34) inside this outline.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 236, 210, 60), 3));
        p.drawRoundedRect(QRectF(4.5, 2.5, 33, 33), 6, 6);
        p.setPen(QPen(QColor(255, 236, 210, 210), 1.2));
        p.drawRoundedRect(QRectF(4.5, 2.5, 33, 33), 6, 6);
    });
}

QImage stepMenu()
{
    return supersampled(128, 160, 4, [](QPainter &p) {
        // The step's own cell shows through at (41, 6)-(71, 36); the panel hangs below it.
        const QRectF body(2, 40, 124, 118);
        QPainterPath shape;
        shape.addRoundedRect(body, 8, 8);
        QPainterPath pointer;
        pointer.moveTo(48, 40.5);
        pointer.lineTo(56, 33);
        pointer.lineTo(64, 40.5);
        pointer.closeSubpath();
        shape = shape.united(pointer);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 120));
        p.drawPath(shape.translated(0.5, 1.5));
        QLinearGradient g(0, 33, 0, 158);
        g.setColorAt(0, QColor(56, 50, 46));
        g.setColorAt(1, QColor(30, 27, 25));
        p.setBrush(g);
        p.setPen(QPen(QColor(230, 122, 15, 180), 1.1));
        p.drawPath(shape);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 200, 140, 200), 1.4));
        p.drawRoundedRect(QRectF(39.5, 4.5, 33, 33), 5, 5);
        drawEngraved(p, QRectF(12, 45, 70, 14), "STEP PITCH", 9, Qt::AlignLeft | Qt::AlignVCenter,
                     1.2, QColor(240, 160, 80));
        // Close key (the menu's close button lies over it).
        drawKeyCap(p, QRectF(87, 41, 20, 20), 5, false, false);
        p.setPen(QPen(QColor(210, 200, 186), 1.7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(93, 47), QPointF(101, 55));
        p.drawLine(QPointF(93, 55), QPointF(101, 47));
        drawText(p, QRectF(10, 88, 93, 10), "SEMITONES", 7.5, QColor(150, 140, 128), Qt::AlignCenter,
                 true, 1.2);
        drawText(p, QRectF(8, 126, 112, 12), "right click resets", 8, QColor(140, 130, 118),
                 Qt::AlignCenter, false);
        p.setPen(QPen(QColor(255, 255, 255, 16), 1));
        p.drawLine(QPointF(12, 116), QPointF(116, 116));
    });
}

QImage jamOverlay()
{
    using namespace ArtLayout;
    QImage img = tabFaceplate();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Riff section.
    drawEngraved(p, QRectF(68, 104, 100, 20), "RIFF", 16, Qt::AlignLeft | Qt::AlignVCenter, 3.0,
                 QColor(240, 160, 80));
    drawWell(p, QRectF(kStepRow.x - 5, kStepRow.y - 5, kStepRow.w + 10, 55), 6, QColor(18, 16, 15));
    // Groove of the loop bar.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 190));
    p.drawRoundedRect(QRectF(kLoopBar.x + 2, kLoopBar.y + 3, kLoopBar.w - 4, 4), 2, 2);
    drawEngraved(p, QRectF(kRiffChooser.x - 20, kRiffChooser.y - 13, kRiffChooser.w + 40, 11),
                 "EDIT RIFF", 8.5, Qt::AlignCenter, 1.4);
    drawEngraved(p, QRectF(kPitchLabel.x - 100, kPitchLabel.y, 94, kPitchLabel.h), "STEP PITCH",
                 8.5, Qt::AlignRight | Qt::AlignVCenter, 1.4);
    drawWell(p, QRectF(kPitchLabel.x - 2, kPitchLabel.y, kPitchLabel.w + 4, kPitchLabel.h), 4,
             QColor(16, 14, 13));
    drawEngraved(p, QRectF(kRiffPlay.x - 20, kRiffPlay.y - 15, kRiffPlay.w + 40, 11),
                 "PLAY RIFF", 8.5, Qt::AlignCenter, 1.4);
    drawEngraved(p, QRectF(kLoopBar.x - 60, kLoopBar.y, 54, kLoopBar.h), "LOOP", 8,
                 Qt::AlignRight | Qt::AlignVCenter, 1.4);
    drawEngraved(p, QRectF(kBeatOffsetKnob.x - 30, kBeatOffsetKnob.bottom() + 4,
                           kBeatOffsetKnob.w + 60, 11),
                 "BEAT OFFSET", 8.5, Qt::AlignCenter, 1.4);
    // Divider.
    p.setPen(QPen(QColor(0, 0, 0, 150), 1.2));
    p.drawLine(QPointF(70, 212), QPointF(930, 212));
    p.setPen(QPen(QColor(255, 235, 210, 30), 1));
    p.drawLine(QPointF(70, 213.2), QPointF(930, 213.2));
    // Song section.
    drawEngraved(p, QRectF(68, 254, 100, 20), "SONG", 16, Qt::AlignLeft | Qt::AlignVCenter, 3.0,
                 QColor(240, 160, 80));
    drawWell(p, QRectF(kSongRow.x - 5, kSongRow.y - 5, kSongRow.w + 10, kSongRow.h + 10), 6,
             QColor(18, 16, 15));
    for (int k = 0; k < 16; ++k)
        drawText(p, QRectF(kSongRow.x + 30 * k, kSongRow.y - 16, 30, 9), QString::number(k + 1), 7.5,
                 QColor(150, 140, 128));
    drawEngraved(p, QRectF(kSongPlay.x - 20, kSongPlay.y - 15, kSongPlay.w + 40, 11),
                 "PLAY SONG", 8.5, Qt::AlignCenter, 1.4);
    drawEngraved(p, QRectF(kJamPower.right() + 6, kJamPower.y, 90, kJamPower.h), "RIFF MODE", 8.5,
                 Qt::AlignLeft | Qt::AlignVCenter, 1.4);
    return img;
}

} // namespace

void addJamArt(std::vector<ArtEntry> &book)
{
    using namespace ArtSizes;
    book.push_back({kJamOverlay.name, jamOverlay});
    book.push_back({kStepSelect.name, [] { return stepRow(true); }});
    book.push_back({kSongStep.name, [] { return stepRow(false); }});
    book.push_back({kWhiteStepNumbers.name, whiteNumbers});
    book.push_back({kHighlightSteps.name, highlightSteps});
    book.push_back({kLoopLength.name, loopLength});
    book.push_back({kLoopLengthBall.name, loopLengthBall});
    book.push_back({kRiffId.name, riffId});
    book.push_back({kRiffMenu.name, riffMenu});
    book.push_back({kHighlightRiff.name, [] {
                        return supersampled(25, 18, 6, [](QPainter &p) {
                            p.setPen(QPen(QColor(255, 150, 40, 220), 1.1));
                            p.setBrush(QColor(230, 122, 15, 70));
                            p.drawRoundedRect(QRectF(0.8, 0.8, 23.4, 16.4), 4, 4);
                        });
                    }});
    book.push_back({kBeatSelectOutline.name, beatOutline});
    book.push_back({kRightClickContext.name, stepMenu});
}
