// Transport bar: clock texts, volume fades, metronome lamp, greyed overlay and layout.
#pragma once
#include <QObject>

class TestTransportWidget : public QObject
{
    Q_OBJECT
private slots:
    void clockTexts_data();
    void clockTexts();
    void clockWithoutTrack();
    void clockFollowsPosition();
    void durationText();
    void fadeDownReachesZeroThenPauses();
    void fadeUpReturnsAndEnds();
    void fadeEdges();
    void lampFlashesPerBeat();
    void greyOverlaySwallowsClicks();
    void layoutAndGrab();
};
