// ProgressBar: the thin bar in the waveform area that shows decoding and export
// progress (stand-in).
#pragma once
#include <QWidget>

class ProgressBar : public QWidget
{
    Q_OBJECT
public:
    explicit ProgressBar(QWidget *parent = nullptr) : QWidget(parent) { hide(); }
    float percentage() const { return m_percentage; }

public slots:
    void updatePercentage(float pc) { m_percentage = pc; }

private:
    float m_percentage = 0;
};
