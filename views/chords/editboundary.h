// EditBoundary: the part of the chord strip left or right of the range being edited. It
// paints nothing and lets the mouse through; it only marks where the range ends and holds
// the beat index at its inner edge. The chord strip owns two of them.
#pragma once
#include <QWidget>

class EditBoundary : public QWidget
{
    Q_OBJECT
public:
    explicit EditBoundary(QWidget *parent = nullptr) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    int beat() const { return m_beat; }
    void setBeat(int beat) { m_beat = beat; }

private:
    int m_beat = -1;
};
