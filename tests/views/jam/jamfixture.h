// Shared pieces of the riff builder tests: analysis results with a beat every 10000
// frames, and a strip laid so that beat b is drawn over pixels 10 b to 10 b + 9.
#pragma once
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "analysis/trackanalysis.h"
#include "metadata/metadata.h"
#include "views/jam/beatselection.h"

namespace jamfixture {

constexpr int beatSpacing = 10000;
constexpr int stripWidth = 500;
constexpr int stripHeight = 30;
constexpr int trackFrames = beatSpacing * stripWidth / 10;

// `count` analysed beats; the results hold one more, closing the last.
inline void giveBeats(MetaData &metaData, int count)
{
    TrackAnalysis analysis;
    analysis.tempo = 120.0f;
    for (int i = 0; i < count; ++i) {
        analysis.beats.push_back(float(BeatSelection::beatLead + beatSpacing * i));
        analysis.chordLabels.push_back("Am");
    }
    metaData.setFromAnalysis(analysis);
}

// The middle pixel of beat b on the strip.
inline QPoint beatPoint(int beat, int y = stripHeight / 2)
{
    return QPoint(10 * beat + 5, y);
}

// A mouse move with the left button held (or none), as the window system sends it.
inline void moveMouse(QWidget *widget, const QPoint &pos, Qt::MouseButtons buttons = Qt::NoButton,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, buttons, modifiers);
    QApplication::sendEvent(widget, &move);
}

} // namespace jamfixture
