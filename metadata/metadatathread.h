// MetaDataThread: runs the whole-track analysis of the loaded file off the GUI thread
// and owns the MetaData that holds its result. MainWindow starts it after a decode.
#pragma once
#include <QThread>
#include <QVector>

#include "metadata/metadata.h"

class MetaDataThread : public QThread
{
    Q_OBJECT
public:
    explicit MetaDataThread(QObject *parent = nullptr) : QThread(parent) { initChordFilter(); }

    MetaData *metaData() { return &m_metaData; }
    void initChordFilter() { m_chordFilter = QVector<QVector<int> >(12, QVector<int>(7, 1)); }

signals:
    void gotMetaData();

protected:
    void run() override {}

private:
    MetaData m_metaData;
    QVector<QVector<int> > m_chordFilter;
};
