// ProgressBar: the bar in the middle of the waveform frame while a track is decoded,
// drawn or exported. Long loops on the GUI thread call updatePercentage, so the bar
// repaints at once; it shows itself on the first percentage and hides at 99.
#pragma once
#include <QPixmap>
#include <QWidget>

class ProgressBar : public QWidget
{
    Q_OBJECT
public:
    explicit ProgressBar(QWidget *parent = nullptr);

    float percentage() const { return m_percentage; }
    static constexpr float upperLimit = 99.0f;

public slots:
    void updatePercentage(float pc);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    float m_percentage = 0.0f;
    QPixmap m_bar;
    QPixmap m_background;
};
