// ProcessingLabel: the "Calculating chords" notice over the waveform while the analysis
// runs, its one to four dots growing every half second. The main window shows it and
// starts its dot timer when an analysis starts; the analysis' results hide it and stop
// the timer. Plotter owns and places it.
#pragma once
#include <QString>
#include <QTimer>
#include <QWidget>

class ProcessingLabel : public QWidget
{
    Q_OBJECT
public:
    explicit ProcessingLabel(QWidget *parent = nullptr);

    QTimer *dotTimer() { return m_dotTimer; }
    int dotCount() const { return m_dotCount; }
    // The text as drawn: "Calculating chords" and one " ." per dot.
    QString shownText() const;

public slots:
    // 0, 1, 2, 3, then 0 again.
    void setDotNumber();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer *m_dotTimer;
    int m_dotCount = 0;
};
