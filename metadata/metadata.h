// MetaData: the analysis result of the loaded track (tempo, beats, one chord per beat,
// the ranked chord list). Owned by MetaDataThread; the views and the player read it
// while its has-data flag is set.
#pragma once
#include <QObject>
#include <QString>
#include <QVector>

class MetaData : public QObject
{
    Q_OBJECT
public:
    explicit MetaData(QObject *parent = nullptr) : QObject(parent) {}

    bool hasData() const { return m_hasData; }
    void clear()
    {
        m_hasData = false;
        tempo = 0;
        beats.clear();
        chordVec.clear();
        chordVecDetected.clear();
    }

    float tempo = 0;
    QVector<float> beats;
    QVector<QString> chordVec;
    QVector<QString> chordVecDetected;

signals:
    void gotMeta();

private:
    bool m_hasData = false;
};
