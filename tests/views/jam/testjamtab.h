#pragma once
#include <QObject>

class TestJamTab : public QObject
{
    Q_OBJECT
private slots:
    void stepRowArmsAndCommits();
    void loopBarPressesAndDrags();
    void songSlotsAndTheirChooser();
    void riffChooserAndStepMenus();
    void pitchTexts();
    void resetAndAClampedRestore();
    void labelsDrawLettersAndDigits();
};
