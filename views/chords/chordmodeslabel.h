// ChordModesLabel: the pane of the seven chord qualities that opens under the modes roll.
// The highlight follows the pointer; a press picks the row under it and closes the pane.
#pragma once
#include <QLabel>

class ChordModesLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ChordModesLabel(QWidget *parent = nullptr);
    QLabel *highlight() const { return m_highlight; }
    int highlightRow() const { return m_row; }

signals:
    void setChordMode(int mode);
    void updateFinderChord();

public slots:
    void showModeLabel(int mode);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void placeHighlight(int row);

    QLabel *m_highlight;
    int m_row = 0;
};
