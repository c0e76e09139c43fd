// KeysLabel: the pane of the twelve roots that opens under the keys roll. The highlight
// follows the pointer; a release picks the row under it and closes the pane.
#pragma once
#include <QLabel>

class KeysLabel : public QLabel
{
    Q_OBJECT
public:
    explicit KeysLabel(QWidget *parent = nullptr);
    QLabel *highlight() const { return m_highlight; }
    int highlightRow() const { return m_row; }

signals:
    void setKey(int key);
    void updateFinderChord();

public slots:
    void showKeysLabel(int key);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void placeHighlight(int row);

    QLabel *m_highlight;
    int m_row = 0;
};
