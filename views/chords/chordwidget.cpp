#include "views/chords/chordwidget.h"

#include "views/chords/chordindex.h"

#include <QWheelEvent>

namespace {

const QPixmap &neckWood(int neck)
{
    static const QPixmap woods[4] = {QPixmap(":/images/chords/wire.png"), QPixmap(":/images/chords/ebony.png"),
                                     QPixmap(":/images/chords/alder.png"), QPixmap(":/images/chords/maple.png")};
    return woods[neck];
}

} // namespace

ChordWidget::ChordWidget(QWidget *parent, const QPixmap *openImage, const QPixmap *powerImage, bool finder)
    : QLabel(parent), m_diagram(new QLabel(this)), m_openImage(openImage), m_powerImage(powerImage), m_finder(finder)
{
    setScaledContents(true);
    m_diagram->setScaledContents(true);
    m_diagram->hide();
    setNeckType(0);
    if (!finder)
        setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ChordWidget::setChord(int index, bool asBase)
{
    if (index < -1 || index >= ChordIndex::chordCount)
        index = -1;
    if (asBase)
        m_baseIndex = index;
    m_currentIndex = index;
    const QPixmap *image = m_chordType == 1 ? m_powerImage : m_openImage;
    if (index < 0 || !image || image->isNull()) {
        m_diagram->hide();
        return;
    }
    if (index == m_drawnIndex && m_chordType == m_drawnType) {
        m_diagram->show();
        return;
    }
    m_drawnIndex = index;
    m_drawnType = m_chordType;
    // One cell of the strip; the label scales it to the diagram's size when it paints.
    m_diagram->setPixmap(image->copy(cellWidth * index, 0, cellWidth, cellHeight));
    m_diagram->show();
    update();
}

void ChordWidget::setDetectedChord(int detectedIndex, int shift)
{
    m_baseIndex = detectedIndex >= 0 && detectedIndex < ChordIndex::chordCount ? detectedIndex : -1;
    setShift(shift);
}

void ChordWidget::setShift(int shift)
{
    setChord(ChordIndex::shifted(m_baseIndex, shift), false);
}

void ChordWidget::setChordType(int type)
{
    if ((type != 0 && type != 1) || type == m_chordType)
        return;
    m_chordType = type;
    setChord(m_currentIndex, false);
}

void ChordWidget::setNeckType(int neck)
{
    if (neck < 0 || neck > 3 || neck == m_neckType)
        return;
    m_neckType = neck;
    setPixmap(neckWood(neck));
}

void ChordWidget::wheelEvent(QWheelEvent *event)
{
    event->accept();
}

void ChordWidget::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    m_diagram->setGeometry(rect());
}
