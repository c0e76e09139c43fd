#include "views/chords/dot.h"

#include <QMouseEvent>

Dot::Dot(QWidget *parent, const QPixmap *image, int root, int type, const QString &text)
    : QLabel(parent), m_image(image), m_root(root), m_type(type), m_text(text)
{
    setScaledContents(true);
    setFixedSize(14, 14);
    setLit(true);
}

bool Dot::isLit() const
{
    return !pixmap(Qt::ReturnByValue).isNull();
}

void Dot::setLit(bool lit)
{
    if (lit && m_image)
        setPixmap(*m_image);
    else
        clear();
}

void Dot::setActive()
{
    setLit(true);
    m_active = true;
    emit setDotActive(this);
}

void Dot::deselect()
{
    setLit(false);
    m_active = false;
}

void Dot::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    m_active = !m_active;
    setLit(m_active);
    emit setDotActive(m_root, m_type, m_active);
    emit setDotActive(this);
}
