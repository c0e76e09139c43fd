#pragma once
#include <QObject>

class TestImageControls : public QObject
{
    Q_OBJECT
private slots:
    void customButtonIgnoresOtherButtons();
    void customButtonFramesFollowState();
    void knobDragsOneStepPerPixelAndClamps();
    void knobResetsToDefaultThenSignals();
    void knobSizesAndSyncSignal();
    void wheelMovesOneStepPerNotch();
    void sliderPressMapsPointerToValue();
    void powerButtonEmitsOncePerChange();
    void zoomButtonsHalves();
    void readoutZonesRepeatAndReset();
    void readoutInactiveOverlaySwallowsMouse();
    void readoutValueText();
    void controlsPaintWithAndWithoutImages();
};
