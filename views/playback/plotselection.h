// PlotSelection: the selected part of the track over the waveform (stand-in).
#pragma once
#include <QWidget>

class MetaData;

class PlotSelection : public QWidget
{
    Q_OBJECT
public:
    explicit PlotSelection(QWidget *parent = nullptr) : QWidget(parent) {}
    int *startPointer() { return &m_start; }
    int *endPointer() { return &m_end; }
    void setMetaData(MetaData *metaData) { m_metaData = metaData; }
    void setSampleCount(int sampleCount) { m_sampleCount = sampleCount; }
    void clearSelection() { m_start = m_end = 0; }
    float zoomFactor() const { return m_zoomFactor; }

public slots:
    void setZoomFactor(float scaleFactor) { m_zoomFactor = scaleFactor; }

private:
    int m_start = 0;
    int m_end = 0;
    int m_sampleCount = 0;
    float m_zoomFactor = 1.0f;
    MetaData *m_metaData = nullptr;
};
