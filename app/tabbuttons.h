// TabButtons: the strip of three image buttons over the tab area. A press in its left,
// middle or right third shows the real-time tools, the riff builder or the chord viewer;
// the keyboard commands and the session loader switch tabs through its slots. The image
// shows which tab is current. Owned by TabWidget, which follows tabChanged.
#pragma once
#include <QLabel>

class TabButtons : public QLabel
{
    Q_OBJECT
public:
    enum Tab { RealTimeTools = 0, RiffBuilder = 1, ChordViewer = 2 };

    explicit TabButtons(QWidget *parent = nullptr);

    // Shows the image of tab n (0..2) and emits tabChanged(n), also when n is current.
    void setButtonImage(int n);
    int currentTab() const { return m_current; }
    // The tab a press at x selects: the left, middle or right third of the strip.
    int tabAt(int x) const;

signals:
    void tabChanged(int index);

public slots:
    void showRealTimeTools() { setButtonImage(RealTimeTools); }
    void showRiffBuilder() { setButtonImage(RiffBuilder); }
    void showChordViewer() { setButtonImage(ChordViewer); }

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_current = RealTimeTools;
};
