// Chord viewer tab faceplate and its small controls, the single-chord editor panel
// and the chord filter page.
#include "artfamilies.h"
#include "artlayout.h"
#include "artsizes.h"
#include "artstyle.h"
#include "voicings.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

using namespace Art;

namespace {

const char *const kModeNames[7] = {"major", "minor", "7", "sus4", "sus2", "maj7", "m7"};

QRectF boxF(const ArtLayout::Box &b) { return QRectF(b.x, b.y, b.w, b.h); }

// Opaque pop-up panel with an orange rim.
void drawPopup(QPainter &p, const QRectF &r, qreal radius)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawRoundedRect(r.adjusted(0.5, 1, 0, 0), radius, radius);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(52, 47, 43));
    g.setColorAt(1, QColor(30, 27, 25));
    p.setBrush(g);
    p.setPen(QPen(QColor(230, 122, 15, 170), 1.2));
    p.drawRoundedRect(r.adjusted(0.6, 0.6, -0.6, -1.2), radius, radius);
    p.setPen(QPen(QColor(255, 240, 220, 30), 1));
    p.drawLine(QPointF(r.left() + radius, r.top() + 1.8), QPointF(r.right() - radius, r.top() + 1.8));
    p.restore();
}

void drawSocket(QPainter &p, const QPointF &c, double r)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 220, 20));
    p.drawEllipse(c + QPointF(0, 0.6), r + 0.4, r + 0.4);
    QRadialGradient g(c + QPointF(0, -r * 0.3), r * 1.2);
    g.setColorAt(0, QColor(8, 7, 6));
    g.setColorAt(1, QColor(34, 30, 28));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.restore();
}

QImage orangeDot()
{
    return supersampled(14, 14, 8, [](QPainter &p) { drawLed(p, QPointF(7, 7), 5.0, true, QColor(), 7); });
}

// Two-frame slim button with a chevron (scroll the chord list).
QImage chevronButton(bool up)
{
    std::vector<QImage> frames;
    for (int f = 0; f < 2; ++f) {
        frames.push_back(supersampled(70, 12, 6, [&](QPainter &p) {
            drawKeyCap(p, QRectF(0.5, 0.5, 69, 11), 4, f == 1, f == 1);
            const QColor c = f == 1 ? QColor(255, 165, 70) : QColor(200, 190, 176);
            p.setPen(QPen(c, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            const double cy = f == 1 ? 6.2 : 5.6;
            QPolygonF v;
            if (up)
                v << QPointF(30, cy + 2) << QPointF(35, cy - 2.2) << QPointF(40, cy + 2);
            else
                v << QPointF(30, cy - 2) << QPointF(35, cy + 2.2) << QPointF(40, cy - 2);
            p.drawPolyline(v);
        }));
    }
    return stack(frames);
}

// Selected frame on top, unselected below.
QImage chordTypeButton(const QString &caption)
{
    std::vector<QImage> frames;
    for (int f = 0; f < 2; ++f) {
        const bool selected = f == 0;
        frames.push_back(supersampled(45, 18, 6, [&](QPainter &p) {
            drawKeyCap(p, QRectF(0.5, 0.5, 44, 17), 4, selected, selected);
            drawText(p, QRectF(0, selected ? 0.3 : -0.5, 45, 18), caption, 8.2,
                     selected ? QColor(255, 165, 70) : QColor(170, 162, 150), Qt::AlignCenter,
                     true, 0.6);
        }));
    }
    return stack(frames);
}

void drawRollRow(QPainter &p, const QRectF &r, const QString &text)
{
    // A thumbwheel: a cylinder lit from above, the text in the middle.
    drawWell(p, r, 4, QColor(14, 12, 11));
    const QRectF drum = r.adjusted(1.2, 1.2, -1.2, -1.2);
    QLinearGradient g(drum.topLeft(), drum.bottomLeft());
    g.setColorAt(0, QColor(20, 18, 17));
    g.setColorAt(0.45, QColor(70, 64, 59));
    g.setColorAt(0.55, QColor(64, 58, 54));
    g.setColorAt(1, QColor(16, 14, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(drum, 3, 3);
    // Ribs at the right hint that it turns.
    p.setPen(QPen(QColor(0, 0, 0, 120), 0.8));
    for (int k = 0; k < 3; ++k) {
        const double x = drum.right() - 3.5 - k * 2.4;
        p.drawLine(QPointF(x, drum.top() + 2), QPointF(x, drum.bottom() - 2));
    }
    drawText(p, drum.adjusted(0, 0, -7, 0), text, 10.5, QColor(240, 226, 206), Qt::AlignCenter,
             true, 0.3);
}

QImage modesRoll()
{
    std::vector<QImage> rows;
    for (int i = 0; i < 7; ++i)
        rows.push_back(supersampled(85, 18, 4, [i](QPainter &p) {
            drawRollRow(p, QRectF(0.5, 0.5, 84, 17), kModeNames[i]);
        }));
    return stack(rows);
}

QImage keysRoll()
{
    std::vector<QImage> rows;
    for (int i = 0; i < 12; ++i)
        rows.push_back(supersampled(32, 18, 4, [i](QPainter &p) {
            drawRollRow(p, QRectF(0.5, 0.5, 31, 17), Voicings::rootName(i));
        }));
    return stack(rows);
}

QImage modesPane()
{
    return supersampled(101, 147, 4, [](QPainter &p) {
        drawPopup(p, QRectF(0, 0, 101, 147), 6);
        for (int r = 0; r < 7; ++r) {
            const QRectF row(7, 4 + 18 * r, 82, 18);
            if (r > 0) {
                p.setPen(QPen(QColor(255, 255, 255, 14), 0.8));
                p.drawLine(QPointF(row.left() + 4, row.top()), QPointF(row.right() - 4, row.top()));
            }
            drawText(p, row, kModeNames[r], 10.5, QColor(226, 214, 196));
        }
    });
}

QImage keysPane()
{
    return supersampled(64, 240, 4, [](QPainter &p) {
        drawPopup(p, QRectF(0, 0, 64, 240), 6);
        for (int r = 0; r < 12; ++r) {
            const QRectF row(10, 6 + 18 * r, 36, 18);
            if (r > 0) {
                p.setPen(QPen(QColor(255, 255, 255, 14), 0.8));
                p.drawLine(QPointF(row.left() + 3, row.top()), QPointF(row.right() - 3, row.top()));
            }
            drawText(p, row, Voicings::rootName(r), 10.5, QColor(226, 214, 196));
        }
    });
}

QImage highlight(int w, int h)
{
    return supersampled(w, h, 6, [w, h](QPainter &p) {
        p.setPen(QPen(QColor(255, 150, 40, 220), 1.1));
        p.setBrush(QColor(230, 122, 15, 70));
        p.drawRoundedRect(QRectF(0.8, 0.8, w - 1.6, h - 1.6), 4, 4);
    });
}

QImage dragHandle(bool left)
{
    std::vector<QImage> frames;
    for (int f = 0; f < 2; ++f) {
        frames.push_back(supersampled(20, 20, 8, [&](QPainter &p) {
            const QPointF c(10, 10);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 130));
            p.drawEllipse(c + QPointF(0, 0.8), 8.6, 8.6);
            QRadialGradient g(c - QPointF(2.5, 3), 11);
            if (f == 1) {
                g.setColorAt(0, QColor(255, 196, 120));
                g.setColorAt(1, QColor(190, 86, 10));
            } else {
                g.setColorAt(0, QColor(250, 244, 232));
                g.setColorAt(1, QColor(150, 142, 132));
            }
            p.setBrush(g);
            p.setPen(QPen(QColor(30, 26, 24), 1));
            p.drawEllipse(c, 8.2, 8.2);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 30, 24));
            QPolygonF t;
            if (left)
                t << QPointF(5, 10) << QPointF(10.5, 5.5) << QPointF(10.5, 14.5);
            else
                t << QPointF(15, 10) << QPointF(9.5, 5.5) << QPointF(9.5, 14.5);
            p.drawPolygon(t);
            p.setPen(QPen(QColor(40, 30, 24), 1.3, Qt::SolidLine, Qt::RoundCap));
            const double gx = left ? 13.2 : 6.8;
            p.drawLine(QPointF(gx, 7), QPointF(gx, 13));
        }));
    }
    return stack(frames);
}

QImage singleChordEdit()
{
    using namespace ArtLayout;
    return supersampled(439, 136, 3, [](QPainter &p) {
        drawPopup(p, QRectF(0, 0, 439, 136), 8);
        // Root names over the columns (roots from A) and quality names before the rows.
        static const char *const qualities[7] = {"major", "minor", "sus2", "sus4", "7", "maj7", "m7"};
        for (int k = 0; k < 12; ++k)
            drawText(p, QRectF(kEditDotX0 + kEditDotDx * k - 3, 4, 20, 13), Voicings::rootName(k), 9.5,
                     QColor(226, 214, 196));
        for (int i = 0; i < 7; ++i) {
            drawText(p, QRectF(8, kEditDotY[i], 66, 14), qualities[i], 9.5, QColor(190, 180, 166),
                     Qt::AlignRight | Qt::AlignVCenter);
            for (int k = 0; k < 12; ++k)
                drawSocket(p, QPointF(kEditDotX0 + kEditDotDx * k + 7, kEditDotY[i] + 7), 5.2);
        }
        // Divider before the buttons and a title under them.
        p.setPen(QPen(QColor(0, 0, 0, 150), 1));
        p.drawLine(QPointF(318, 14), QPointF(318, 124));
        p.setPen(QPen(QColor(255, 240, 220, 26), 1));
        p.drawLine(QPointF(319, 14), QPointF(319, 124));
        drawEngraved(p, QRectF(329, 66, 89, 14), "EDIT CHORD", 9.5, Qt::AlignCenter, 1.4);
        drawText(p, QRectF(329, 81, 89, 12), "pick, then replace", 8, QColor(150, 140, 128),
                 Qt::AlignCenter, false);
    });
}

QImage chordFilterMenu()
{
    using namespace ArtLayout;
    // Columns in the analysis order of qualities; rows are roots from A.
    static const char *const columns[7] = {"major", "minor", "sus2", "sus4", "7", "maj7", "m7"};
    return supersampled(265, 329, 3, [](QPainter &p) {
        drawPopup(p, QRectF(0, 0, 265, 329), 9);
        drawEngraved(p, QRectF(16, 10, 190, 20), "CHORD FILTER", 13, Qt::AlignLeft | Qt::AlignVCenter,
                     2.0, QColor(240, 160, 80));
        drawText(p, QRectF(16, 32, 230, 12), "Mark the chords the analysis may find", 8.5,
                 QColor(170, 160, 148), Qt::AlignLeft | Qt::AlignVCenter, false);
        // Close key.
        drawKeyCap(p, QRectF(223, 10, 20, 20), 5, false, false);
        p.setPen(QPen(QColor(210, 200, 186), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(229, 15.5), QPointF(237, 23.5));
        p.drawLine(QPointF(229, 23.5), QPointF(237, 15.5));
        for (int j = 0; j < 7; ++j) {
            p.save();
            p.translate(kFilterDotX[j] + 7, 98);
            p.rotate(-90);
            drawText(p, QRectF(0, -6, 44, 12), columns[j], 9, QColor(210, 198, 180),
                     Qt::AlignLeft | Qt::AlignVCenter);
            p.restore();
        }
        for (int s = 0; s < 12; ++s) {
            const double y = kFilterDotY0 + kFilterDotDy * s;
            if (s % 2 == 0) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(255, 255, 255, 8));
                p.drawRoundedRect(QRectF(14, y - 1, 176, 16), 3, 3);
            }
            drawText(p, QRectF(16, y, 38, 14), Voicings::rootName(s), 9.5, QColor(226, 214, 196),
                     Qt::AlignRight | Qt::AlignVCenter);
            for (int j = 0; j < 7; ++j)
                drawSocket(p, QPointF(kFilterDotX[j] + 7, y + 7), 5.2);
        }
        drawText(p, QRectF(16, 302, 175, 12), "Find runs the analysis again", 8,
                 QColor(150, 140, 128), Qt::AlignLeft | Qt::AlignVCenter, false);
    });
}

QImage chordsOverlay()
{
    using namespace ArtLayout;
    QImage img = tabFaceplate();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Well for the list of the song's chords.
    drawWell(p, QRectF(72, 53, 236, 270), 6, QColor(20, 18, 17));
    p.save();
    p.translate(58, 188);
    p.rotate(-90);
    drawEngraved(p, QRectF(-80, -6, 160, 12), "SONG CHORDS", 9, Qt::AlignCenter, 2.2);
    p.restore();
    // Frames round the three big diagrams.
    drawBezelAround(p, boxF(kCurrentChord), 3, 4);
    drawBezelAround(p, boxF(kNextChord), 3, 4);
    drawBezelAround(p, boxF(kFinderChord), 3, 4);
    drawEngraved(p, QRectF(kCurrentChord.x, kCurrentChord.bottom() + 6, kCurrentChord.w, 12),
                 "NOW", 9, Qt::AlignCenter, 2.2);
    drawEngraved(p, QRectF(kNextChord.x - 10, 49, kNextChord.w + 20, 11), "NEXT", 9,
                 Qt::AlignCenter, 2.2);
    drawWell(p, boxF(kBeatsToNext).adjusted(12, 0, -12, 0), 5, QColor(16, 14, 13));
    drawEngraved(p, QRectF(kBeatsToNext.x, kBeatsToNext.bottom() + 4, kBeatsToNext.w, 11),
                 "BEATS TO GO", 8, Qt::AlignCenter, 1.4);
    drawEngraved(p, QRectF(kFinderChord.x - 20, kFinderChord.bottom() + 7, kFinderChord.w + 40, 12),
                 "CHORD FINDER", 9, Qt::AlignCenter, 2.2);
    // Captions over the controls of the middle column.
    auto above = [&](const Box &b, const QString &text) {
        drawEngraved(p, QRectF(b.x - 10, b.y - 13, b.w + 20, 11), text, 8.5, Qt::AlignCenter, 1.4);
    };
    above(kKeyShiftReadout, "KEY SHIFT");
    above(kTempoReadout, "TEMPO");
    above(Box{kOpenButton.x, kOpenButton.y, kPowerButton.right() - kOpenButton.x, 18}, "CHORDS");
    above(kNeckChooser, "NECK");
    above(kCapoReadout, "CAPO");
    return img;
}

} // namespace

void addChordViewerArt(std::vector<ArtEntry> &book)
{
    using namespace ArtSizes;
    book.push_back({kChordsOverlay.name, chordsOverlay});
    book.push_back({kScrollUp.name, [] { return chevronButton(true); }});
    book.push_back({kScrollDown.name, [] { return chevronButton(false); }});
    book.push_back({kOpenChords.name, [] { return chordTypeButton("OPEN"); }});
    book.push_back({kPowerChords.name, [] { return chordTypeButton("POWER"); }});
    book.push_back({kChordFilterButton.name, [] { return captionButton(89, 18, "CHORD FILTER", 8.5); }});
    book.push_back({kModesRoll.name, modesRoll});
    book.push_back({kKeysRoll.name, keysRoll});
    book.push_back({kModesPane.name, modesPane});
    book.push_back({kKeysPane.name, keysPane});
    book.push_back({kHighlightModes.name, [] { return highlight(81, 18); }});
    book.push_back({kHighlightKeys.name, [] { return highlight(35, 18); }});
    book.push_back({kSingleChordEdit.name, singleChordEdit});
    book.push_back({kOrangeDot.name, orangeDot});
    book.push_back({kCancelButton.name, [] { return captionButton(89, 18, "CANCEL", 8.5); }});
    book.push_back({kReplaceButton.name, [] { return captionButton(89, 18, "REPLACE", 8.5); }});
    book.push_back({kReplaceAllButton.name, [] { return captionButton(89, 18, "REPLACE ALL", 8.5); }});
    book.push_back({kChordDragLeft.name, [] { return dragHandle(true); }});
    book.push_back({kChordDragRight.name, [] { return dragHandle(false); }});
    book.push_back({kChordFilterMenu.name, chordFilterMenu});
    book.push_back({kFindButton.name, [] { return captionButton(42, 16, "FIND", 8); }});
    book.push_back({kNoneButton.name, [] { return captionButton(42, 16, "NONE", 8); }});
}
