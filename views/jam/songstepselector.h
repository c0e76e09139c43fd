// SongStepSelector: the small riff list that opens under a song slot; the row under the
// pointer is highlighted and a press puts that riff in the slot. JamTab places it over
// the main window, so that it may reach below the tab.
#pragma once
#include <QLabel>

class SongStepSelector : public QLabel
{
    Q_OBJECT
public:
    static constexpr int rowHeight = 18;

    explicit SongStepSelector(QWidget *parent = nullptr);

    int step() const { return m_step; }
    int hoveredRiff() const { return m_riff; }
    QLabel *highlight() const { return m_highlight; }

public slots:
    void showMenu(int step);
    void hideMenu();

signals:
    // The chosen riff first, the slot second.
    void setRiff(int step, int riff);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QLabel *m_highlight;
    int m_step = -1;
    int m_riff = 0;
};
