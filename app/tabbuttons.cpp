#include "app/tabbuttons.h"

#include <QMouseEvent>
#include <QPixmap>

#include <cmath>

TabButtons::TabButtons(QWidget *parent) : QLabel(parent)
{
    setScaledContents(true);
    setPixmap(QPixmap(":/images/tab_buttons/button_1.png"));
}

void TabButtons::setButtonImage(int n)
{
    if (n < RealTimeTools || n > ChordViewer)
        return;
    m_current = n;
    static const char *const images[3] = {":/images/tab_buttons/button_1.png", ":/images/tab_buttons/button_2.png",
                                          ":/images/tab_buttons/button_3.png"};
    setPixmap(QPixmap(images[n]));
    emit tabChanged(n);
}

int TabButtons::tabAt(int x) const
{
    const int third = width() / 3;
    if (x < third)
        return RealTimeTools;
    if (x < 2 * third)
        return RiffBuilder;
    return ChordViewer;
}

void TabButtons::mousePressEvent(QMouseEvent *event)
{
    setButtonImage(tabAt(int(std::lround(event->localPos().x()))));
    event->accept();
}
