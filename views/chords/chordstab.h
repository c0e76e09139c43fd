// ChordsTab: the chord viewer with guitar diagrams (stand-in).
#pragma once
#include <QWidget>

#include "views/chords/necktypewidget.h"

class MetaData;

class ChordsTab : public QWidget
{
    Q_OBJECT
public:
    explicit ChordsTab(QWidget *parent = nullptr) : QWidget(parent), m_keyShift(new QWidget(this)) {}
    void setMetaData(MetaData *metaData) { m_metaData = metaData; }
    QWidget *keyShiftWidget() { return m_keyShift; }
    NeckTypeWidget *neckTypeWidget() { return m_neckType; }

private:
    MetaData *m_metaData = nullptr;
    QWidget *m_keyShift;
    NeckTypeWidget *m_neckType = new NeckTypeWidget(this);
};
