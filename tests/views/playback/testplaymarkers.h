// Play markers and the overview strip: following the display position, the overview's
// pixel of a position, seeking and recentring by click and drag, and their pictures.
#pragma once
#include <QObject>

class TestPlayMarkers : public QObject
{
    Q_OBJECT
private slots:
    void markerWaitsForTrack();
    void markerFollowsPosition();
    void markerDrawsItsLine();
    void overviewMarkerPixel();
    void overviewWithoutTrackNeverSeeks();
    void overviewClickAndDrag_data();
    void overviewClickAndDrag();
    void overviewEdges();
    void overviewWheelAndDoubleClick();
    void overviewPicture();
};
