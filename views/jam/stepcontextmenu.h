// StepContextMenu: the menu of one riff step, opened by a right click on the step row.
// It holds the step's pitch read-out, the "1st" button that starts the riff at this step
// (the earliest beat moves here, the others follow in time order) and a close key; a
// click on the step row part at its top opens the menu of the step there instead.
// JamTab owns 96 (16 per riff).
#pragma once
#include <QWidget>
#include <QPixmap>

class ContextPitchWidget;
class CustomButton;
class QPushButton;

class StepContextMenu : public QWidget
{
    Q_OBJECT
public:
    // The tab's x of the step row's first cell.
    static constexpr int rowLeft = 261;

    StepContextMenu(int step, QWidget *parent = nullptr);

    int step() const { return m_step; }
    ContextPitchWidget *pitchWidget() const { return m_pitchWidget; }
    QPushButton *firstButton() const { return m_firstButton; }
    CustomButton *closeButton() const { return m_closeButton; }

signals:
    void contextPitchChanged(float interp, int step);
    void showDifferentContextMenu(int index);
    void scrollContext(int scrollDirection);
    void reOrderBeatsSignal(int step);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPixmap m_image;
    int m_step;
    QPushButton *m_firstButton;
    ContextPitchWidget *m_pitchWidget;
    CustomButton *m_closeButton;
};
