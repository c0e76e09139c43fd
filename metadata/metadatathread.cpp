#include "metadata/metadatathread.h"

#include "analysis/analysetrack.h"
#include "analysis/analysiscopy.h"
#include "metadata/analysiscache.h"

#include <new>

MetaDataThread::MetaDataThread(QObject *parent)
    : QThread(parent), m_metaData(new MetaData(this))
{
    initChordFilter();
    connect(m_metaData, SIGNAL(gotMeta()), this, SIGNAL(gotMetaData()));
    connect(m_metaData, SIGNAL(setBpm(float)), this, SIGNAL(setBPM(float)));
    connect(m_metaData, SIGNAL(setChordFilterSelection(QVector<QString>)), this,
            SIGNAL(setChordFilterSelection(QVector<QString>)));
}

MetaDataThread::~MetaDataThread()
{
    wait();
    freeSamples();
}

void MetaDataThread::setSamples(const float *left, const float *right, int count, bool stereo, int sampleRate)
{
    freeSamples();
    m_cancel = false;
    m_decimation = analysis::analysisDecimation(sampleRate);
    m_sampleRate = analysis::analysisRate(sampleRate, m_decimation);
    m_sampleCount = analysis::analysisLength(count, m_decimation);
    m_samples = new (std::nothrow) float[size_t(m_sampleCount) + 1];
    if (!m_samples) {
        m_sampleCount = 0;
        return;
    }
    analysis::makeAnalysisCopy(left, stereo ? right : nullptr, count, m_decimation, m_samples);
    m_samplesSet = true;
}

void MetaDataThread::setFileNames(const QString &cachePath, const QString &audioPath)
{
    m_cachePath = cachePath;
    m_audioPath = audioPath;
    m_recordingMark = cachePath.isEmpty() || audioPath.contains(".cda") ? QString() : recordingMark(audioPath);
}

void MetaDataThread::initChordFilter()
{
    m_filterActive = false;
    m_chordFilter = ChordFilterGrid(12, QVector<int>(7, 0));
    m_chordFilter[1].fill(1);
}

bool MetaDataThread::setChordFilter(const ChordFilterGrid &grid)
{
    initChordFilter();
    if (grid.size() != 12)
        return m_filterActive;
    for (const QVector<int> &row : grid) {
        if (row.size() != 7)
            return m_filterActive;
    }
    m_chordFilter = grid;
    for (const QVector<int> &row : grid)
        m_filterActive = m_filterActive || row.contains(1);
    return m_filterActive;
}

void MetaDataThread::run()
{
    TrackAnalysis result;
    m_metaData->clear();
    // The user's chord filter is the recogniser's mask: its rows and columns are in the
    // recogniser's own order (roots from C; major, m, sus2, sus4, 7, maj7, m7).
    analysis::ChordMask mask{};
    for (int root = 0; root < 12; ++root) {
        for (int quality = 0; quality < 7; ++quality)
            mask[size_t(root)][size_t(quality)] = m_chordFilter.value(root).value(quality) != 0 ? 1 : 0;
    }
    try {
        if (m_samplesSet && m_samples) {
            analyseTrack(result, m_samples, m_sampleRate, m_sampleCount, &m_cancel,
                         m_filterActive ? &mask : nullptr);
            // Beats of a decimated copy are counted back in frames of the track.
            if (m_decimation > 1) {
                for (float &beat : result.beats)
                    beat *= float(m_decimation);
            }
        }
    } catch (const std::bad_alloc &) {
        // Out of memory: the track is left without an analysis, as a silent one would be.
        result = TrackAnalysis();
    }
    freeSamples();
    m_analysedChords.clear();
    if (m_cancel.load())
        return;
    try {
        m_metaData->setFromAnalysis(result);
        m_analysedChords = m_metaData->chordVec;
        if (m_metaData->hasData())
            savePQM();
    } catch (const std::bad_alloc &) {
        m_metaData->clear();
        m_analysedChords.clear();
    }
    emit setBPM(m_metaData->tempo);
    emit setChordFilterSelection(m_metaData->chordVecDetected);
    emit gotMetaData();
}

void MetaDataThread::savePQM()
{
    if (m_audioPath.contains(".cda") || m_cachePath.isEmpty() || !m_metaData->hasData())
        return;
    const QByteArray text = composeAnalysisCacheText(m_audioPath, m_metaData->analysedBeats(), m_metaData->chordVec,
                                                     m_metaData->chordVecDetected, m_metaData->tempo, m_recordingMark);
    writeAnalysisCache(m_cachePath, text);
}

void MetaDataThread::freeSamples()
{
    delete[] m_samples;
    m_samples = nullptr;
    m_samplesSet = false;
}
