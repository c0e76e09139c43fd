// RiffIdLabel: the riff menu that opens under the riff chooser: the row under the pointer
// is highlighted and a click there picks that riff for editing. JamTab owns it.
#pragma once
#include <QLabel>

class RiffIdLabel : public QLabel
{
    Q_OBJECT
public:
    static constexpr int rowHeight = 18;

    explicit RiffIdLabel(QWidget *parent = nullptr);

    QLabel *highlight() const { return m_highlight; }
    int highlightTop() const { return m_highlightTop; }
    void moveHighlight(int y);

public slots:
    void showRiffIdLabel(int key);

signals:
    void setRiffId(int riffId);
    void updateFinderChord();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QLabel *m_highlight;
    int m_highlightTop = 5;
};
