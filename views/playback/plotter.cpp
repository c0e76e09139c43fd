#include "views/playback/plotter.h"

#include "views/playback/centreline.h"
#include "views/playback/plotcanvas.h"

#include <QPainter>
#include <QPixmap>
#include <QImage>
#include <QStackedWidget>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr float zoomStep = 0.6f;      // factor of one zoom step in
constexpr int chordStripHeight = 20;
const QColor waveColour(214, 100, 35);

const std::array<float, Plotter::levelCount> &levelFactors()
{
    static const std::array<float, Plotter::levelCount> factors = [] {
        std::array<float, Plotter::levelCount> f{};
        float s = 1.0f;
        for (int k = 0; k < Plotter::levelCount; ++k) {
            f[k] = s;
            s *= zoomStep;
        }
        return f;
    }();
    return factors;
}

int percentOf(float factor)
{
    return int(std::floor(factor * 100.0f + 0.5f));
}

// A factor from outside (a session) made usable: not finite or not positive gives the
// whole track; the rest is held to the level range and moved onto the nearest level, so
// that the canvas width and the level's picture always agree.
float sanitisedFactor(float factor)
{
    if (!std::isfinite(factor) || !(factor > 0.0f))
        return 1.0f;
    factor = std::min(1.0f, std::max(Plotter::minimumZoomFactor(), factor));
    const int a = percentOf(factor);
    for (int k = 0; k < Plotter::levelCount; ++k) {
        if (percentOf(levelFactors()[k]) == a)
            return levelFactors()[k];
    }
    const int k = int(std::lround(std::log(factor) / std::log(double(zoomStep))));
    return levelFactors()[std::min(Plotter::levelCount - 1, std::max(0, k))];
}

// Zoom steps multiply and divide by 0.6; the division does not always land exactly on
// the level it came from, so a result within rounding of a level becomes that level.
float snappedFactor(float factor)
{
    for (float level : levelFactors()) {
        if (std::fabs(factor - level) <= level * 1.0e-4f)
            return level;
    }
    return factor;
}

int wheelDelta(const QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    return delta.y() != 0 ? delta.y() : delta.x();
}

} // namespace

float Plotter::levelFactor(int level)
{
    return levelFactors()[std::min(levelCount - 1, std::max(0, level))];
}

int Plotter::levelForFactor(float factor)
{
    const int a = percentOf(factor);
    for (int k = 0; k < levelCount - 1; ++k) {
        if (percentOf(levelFactors()[k]) == a)
            return k;
    }
    return levelCount - 1;
}

Plotter::Plotter(QWidget *parent) : QWidget(parent)
{
    m_scrollTimer = new QTimer(this);
    m_scrollTimer->setInterval(10);
    connect(m_scrollTimer, &QTimer::timeout, this, &Plotter::playbackScroll);
    m_zoomGuardTimer = new QTimer(this);
    m_zoomGuardTimer->setInterval(100);
    m_zoomGuardTimer->setSingleShot(true);

    m_centreLine = new CentreLine(this);
    m_centreLine->hide();

    m_canvas = new PlotCanvas(this);
    m_canvas->setGeometry(0, 0, width(), height() - chordStripHeight);

    m_playMarker = new PlayMarker(this);
    m_selection = new PlotSelection;
    m_selectionStack = new QStackedWidget(this);
    m_beatSelectionStack = new QStackedWidget;
    for (int i = 0; i < riffCount; ++i) {
        auto *selection = new BeatSelection;
        m_beatSelections.append(selection);
        m_beatSelectionStack->addWidget(selection);
    }
    m_beatSelectionStack->setCurrentIndex(0);
    m_selectionStack->addWidget(m_selection);
    m_selectionStack->addWidget(m_beatSelectionStack);
    m_selectionStack->setCurrentIndex(0);

    m_chordsStrip = new ChordsStrip(this);
    m_chordsStrip->setFixedHeight(chordStripHeight);
    m_processingLabel = new ProcessingLabel(this);
    // Centred where the notice has always stood, and wide enough for the longest
    // translation and its four dots.
    m_processingLabel->setGeometry(190, 130, 450, 40);
    m_chordEditor = new SingleChordEditWidget(this);
    m_chordEditor->hide();
    // The centre line lies over the waveform, the marker and the selection, but under the
    // processing notice and the chord editor.
    m_centreLine->stackUnder(m_processingLabel);

    m_chordsStrip->setPlayPositionSource(m_playMarker->markerXPointer());

    // The strip and the editor talk through their declared names; the queries need an
    // answer at once, so they are direct.
    connect(m_chordsStrip, SIGNAL(showChordEdit(QString, int, ChordLabel *)), this,
            SLOT(showChordEdit(QString, int, ChordLabel *)));
    connect(m_chordEditor, SIGNAL(repositionChords()), m_chordsStrip, SLOT(repositionChords()));
    connect(m_chordEditor, SIGNAL(reInitChordStrip()), m_chordsStrip, SLOT(initChordStrip()));
    connect(m_chordsStrip, SIGNAL(getZoomFactor()), this, SLOT(getZoomFactor()), Qt::DirectConnection);
    connect(m_chordEditor, SIGNAL(getStartEndBeats()), m_chordsStrip, SLOT(getStartEndBeats()),
            Qt::DirectConnection);
    connect(m_chordEditor, SIGNAL(resetScroll(bool)), m_chordsStrip, SIGNAL(stopScrolling(bool)));
    connect(m_chordsStrip, SIGNAL(changeSingleChordDot(QString)), m_chordEditor, SLOT(changeChord(QString)));
}

void Plotter::setMetaData(MetaData *metaData)
{
    m_metaData = metaData;
    m_selection->setMetaData(metaData);
    m_chordsStrip->setMetaData(metaData);
    m_chordEditor->setMetaData(metaData);
}

int Plotter::zoomLevel() const
{
    return m_canvas->level();
}

// ---- A new track ---------------------------------------------------------------------

void Plotter::setWaveform(const float *left, const float *right, int sampleCount, bool stereo)
{
    m_riffSongPlayback = false;
    if (!right)
        right = left;
    if (!left || sampleCount <= 0) {
        left = right = nullptr;
        sampleCount = 0;
    }
    m_left = left;
    m_right = right;
    m_sampleCount = sampleCount;
    m_stereo = stereo;

    m_playMarker->setSampleCount(sampleCount);
    m_selection->setSampleCount(sampleCount);
    m_chordsStrip->setTrackFrames(sampleCount);
    emit setSmallPlotSampleCount(sampleCount);
    m_selection->clearSelection();
    for (BeatSelection *selection : qAsConst(m_beatSelections)) {
        selection->setTrackFrames(sampleCount);
        selection->clear();
    }
    m_selectionStack->setCurrentIndex(0);
    m_envelope.clear();

    buildEnvelope();

    const int w = width();
    const int h = height();
    m_zoomFactor = 1.0f;
    m_zoomCentre = float(w);
    // Laid out whole at every new track, so that the overview below is taken from the
    // whole-track level whatever zoom the previous track was left at.
    updateWaveform();
    m_hasWaveform = sampleCount > 0;
    drawWaveform();
    m_canvas->setLevel(0);

    m_playMarker->setGeometry(0, 0, w, h - 30);
    m_playMarker->show();

    // Without a track the overview is empty and shows no play line.
    if (sampleCount > 0) {
        const QRect canvasRect = m_canvas->rect();
        const QPixmap overview =
            m_canvas->grab(QRect(0, 9, canvasRect.width(), std::max(1, canvasRect.height() - 18)));
        emit setSmallPlotPixmap(overview, 1.0f, int(m_zoomCentre));
        emit showSmallPlotPlayMarker();
    } else {
        emit setSmallPlotPixmap(QPixmap(), 1.0f, int(m_zoomCentre));
    }

    m_zoomFactor = 1.0f;
    zoomPlot(0);
    updateZoom(0);
    m_zoomCentre = 0.0f;
    for (int i = 0; i < 4; ++i) {
        zoomPlot(1);
        updateZoom(0);
    }
}

void Plotter::buildEnvelope()
{
    const qint64 n = m_sampleCount;
    const int w = width();
    if (n <= 0 || w <= 0)
        return;

    // Each point pair covers `chunk` samples. A chunk below one sample (a very short
    // track) would never advance, so it is held at one.
    const double chunk = std::max(1.0, double(n) / double(qint64(w) * envelopeDensity));
    const qint64 step = qint64(chunk);
    const qint64 take = qint64(std::ceil(chunk));
    m_envelope.reserve(int(2 * (n / step + 2)));

    const float *left = m_left;
    const float *right = m_right;
    // The two channels are averaged for every track: a mono track arrives with both
    // arrays holding the same samples, and is then drawn at the height of a stereo one.
    const float scale = 0.35f;
    int percent = 1;
    for (qint64 s = 0; s <= n; s += step) {
        float top = 0.0f;
        float bottom = 0.0f;
        const qint64 end = std::min(n, s + take);
        for (qint64 j = s; j < end; ++j) {
            const float v = (left[j] + right[j]) * scale;
            top = std::max(top, v);
            bottom = std::min(bottom, v);
        }
        m_envelope.append(QPointF(double(s), double(top)));
        m_envelope.append(QPointF(double(s + 1), double(bottom)));
        while (percent < 100 && double(s) / double(n) * 100.0 > percent) {
            emit updateProgressBar(float(percent));
            ++percent;
        }
    }
}

void Plotter::drawWaveform()
{
    QList<QPixmap> lefts;
    QList<QPixmap> rights;
    const int envelopeSize = m_envelope.size();
    const int w = width();
    const int h = height();
    if (envelopeSize < 2 || w <= 0 || h <= 1) {
        m_canvas->setPixmaps(lefts, rights);
        return;
    }

    const int pixmapHeight = m_canvas->height() + 9;
    const int centreRow = h / 2;
    const double halfRange = (h - 1) / 2.0;
    const QPointF *points = m_envelope.constData();
    const quint32 colour = qPremultiply(waveColour.rgba());
    std::vector<int> firstRow;
    std::vector<int> lastRow;

    for (int k = 0; k < levelCount; ++k) {
        const int levelWidth = int(w / levelFactor(k));
        const double perColumn = double(envelopeSize) / double(levelWidth);
        const int leftWidth = levelWidth / 2;
        for (int half = 0; half < 2; ++half) {
            const int offset = half == 0 ? 0 : leftWidth;
            const int columns = std::max(1, half == 0 ? leftWidth : levelWidth - leftWidth);
            firstRow.assign(size_t(columns), centreRow);
            lastRow.assign(size_t(columns), centreRow);
            for (int x = 0; x < columns; ++x) {
                const int column = x + offset;
                // The top comes from the window of this column, the bottom from the same
                // window one point further; both stay inside the envelope, so the last
                // column is drawn like every other.
                const int e = std::min(envelopeSize - 1, int((column + 1) * perColumn));
                const int a = std::min(e, int(column * perColumn));
                double top = points[e].y();
                for (int i = a; i < e; ++i)
                    top = std::max(top, points[i].y());
                const int e2 = std::min(envelopeSize - 1, e + 1);
                const int a2 = std::min(e2, a + 1);
                double bottom = points[e2].y();
                for (int i = a2; i < e2; ++i)
                    bottom = std::min(bottom, points[i].y());

                const double yTop = (h - 1) - (top + 1.0) * halfRange;
                const double yBottom = (h - 1) - (bottom + 1.0) * halfRange;
                firstRow[size_t(x)] = std::min(centreRow, int(std::lround(std::max(-1.0, yTop))));
                lastRow[size_t(x)] = std::max(centreRow, int(std::lround(std::min(double(h), yBottom))));
            }
            // Each column is one stroke from its peak above the centre row to its peak
            // below it; the centre row joins them. Written row by row into the image.
            QImage image(columns, pixmapHeight, QImage::Format_ARGB32_Premultiplied);
            for (int y = 0; y < pixmapHeight; ++y) {
                auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
                if (y == centreRow) {
                    std::fill(line, line + columns, colour);
                    continue;
                }
                for (int x = 0; x < columns; ++x)
                    line[x] = (firstRow[size_t(x)] <= y && y <= lastRow[size_t(x)]) ? colour : 0u;
            }
            (half == 0 ? lefts : rights).append(QPixmap::fromImage(std::move(image)));
        }
    }
    m_canvas->setPixmaps(lefts, rights);
}

// ---- Layout and zoom -----------------------------------------------------------------

float Plotter::trackCentre(float centre) const
{
    const float w = float(width());
    if (!std::isfinite(centre))
        return w / 2.0f;
    return std::min(w, std::max(0.0f, centre));
}

float Plotter::shownCentre(float centre) const
{
    const float w = float(width());
    const float half = w * m_zoomFactor / 2.0f;
    if (!std::isfinite(centre))
        return w / 2.0f;
    return std::min(w - half, std::max(half, centre));
}

void Plotter::updateWaveform()
{
    const int w = width();
    const int h = height();
    if (!std::isfinite(m_zoomFactor) || !(m_zoomFactor > 0.0f))
        m_zoomFactor = 1.0f;
    const float f = m_zoomFactor;
    if (!std::isfinite(m_zoomCentre))
        m_zoomCentre = w / 2.0f;

    const int zoomedWidth = int(w / f);
    int left = int(w / 2.0f - m_zoomCentre / f);
    left = std::min(left, 0);
    if (left + zoomedWidth < w)
        left = w - zoomedWidth;

    m_chordsStrip->setGeometry(left, h - 22, zoomedWidth, chordStripHeight);
    if (f == 1.0f)
        m_canvas->setGeometry(0, 0, w, h - 32);
    else
        m_canvas->setGeometry(left, 0, zoomedWidth, h - 32);
    const QRect canvasRect = m_canvas->geometry();
    m_selectionStack->setGeometry(canvasRect);
    m_playMarker->setGeometry(canvasRect.x(), 0, canvasRect.width(), h - 30);

    if (f == 1.0f)
        m_zoomCentre = w / 2.0f;
    m_chordsStrip->lower();
}

void Plotter::selectZoomLevel()
{
    m_canvas->setLevel(levelForFactor(m_zoomFactor));
}

void Plotter::zoomPlot(int wheelValue)
{
    const float minimum = minimumZoomFactor();
    if (wheelValue > 0 && m_zoomFactor > minimum)
        m_zoomFactor = snappedFactor(m_zoomFactor * zoomStep);
    else if (wheelValue < 0 && m_zoomFactor < 1.0f)
        m_zoomFactor = snappedFactor(m_zoomFactor / zoomStep);
    m_zoomFactor = std::max(minimum, std::min(1.0f, m_zoomFactor));
    m_chordsStrip->lower();
}

void Plotter::updateZoom(int)
{
    m_chordsStrip->hide();
    updateWaveform();
    m_chordsStrip->show();
    m_chordsStrip->lower();
    if (m_hasWaveform)
        selectZoomLevel();
    if (!m_chordEditor->isHidden())
        placeChordEditor(false);
    if (m_zoomFactor == 1.0f)
        m_zoomCentre = width() / 2.0f;
    emit setSmallPlotZoomFactor(m_zoomFactor);
    emit setSmallPlotZoomCentre(int(m_zoomCentre));
    m_selection->setZoomFactor(m_zoomFactor);
}

void Plotter::guardedZoom(int direction)
{
    if (m_zoomGuardTimer->isActive())
        return;
    m_zoomGuardTimer->start();
    zoomPlot(direction);
    updateZoom(0);
}

void Plotter::zoomIn()
{
    guardedZoom(1);
}

void Plotter::zoomOut()
{
    guardedZoom(-1);
}

void Plotter::setZoomFactor(QWheelEvent *event)
{
    if (!event)
        return;
    // Fine wheels send parts of a notch; a step is made for each whole notch.
    const int steps = m_wheelNotches.take(event);
    if (steps == 0)
        return;
    const int direction = steps > 0 ? 1 : -1;
    for (int i = 0; i < std::abs(steps); ++i) {
        zoomPlot(direction);
        // The first step in from the whole track centres the view on the pointer.
        if (direction > 0 && m_zoomFactor == levelFactor(1))
            m_zoomCentre = float(int(event->position().x()));
    }
    updateZoom(0);
}

void Plotter::scrollPlot(QWheelEvent *event)
{
    if (!event)
        return;
    const int step = std::max(1, int(width() / 20.0f * m_zoomFactor));
    // Stepping from the centre of the window shown, and keeping the centre of the window
    // that results, so that no step is lost at either end.
    const int centre = int(shownCentre(m_zoomCentre)) + (wheelDelta(event) <= 0 ? -step : step);
    setCentreZoomPos(shownCentre(float(centre)));
    emit setSmallPlotZoomCentre(int(m_zoomCentre));
}

void Plotter::setCentreZoomPos(float zoomCentre)
{
    m_zoomCentre = trackCentre(zoomCentre);
    updateWaveform();
    if (!m_chordEditor->isHidden())
        placeChordEditor(false);
}

void Plotter::restoreZoomFromSession(const QStringList &plotValues)
{
    bool ok = false;
    float centre = plotValues.value(0).toFloat(&ok);
    if (!ok)
        centre = width() / 2.0f;
    const float factor = plotValues.value(1).toFloat(&ok);
    m_zoomFactor = sanitisedFactor(ok ? factor : 1.0f);
    m_zoomCentre = trackCentre(centre);
    emit setSmallPlotZoomFactor(m_zoomFactor);
    emit setSmallPlotZoomCentre(int(m_zoomCentre));
    m_selection->setZoomFactor(m_zoomFactor);
    updateWaveform();
    if (m_hasWaveform)
        selectZoomLevel();
}

// ---- Following playback --------------------------------------------------------------

void Plotter::playbackScroll()
{
    if (!m_hasWaveform)
        return;
    const float markerX = m_playMarker->markerX();
    setCentreZoomPos(markerX * m_zoomFactor);
    emit setSmallPlotZoomCentre(int(m_zoomCentre));

    const float d = float(width() / 2) - (markerX + float(m_playMarker->x()));
    if (std::fabs(d) < 2.0f) {
        m_playMarker->setDrawMarker(false);
        if (!m_riffSongPlayback)
            m_centreLine->show();
        else
            m_centreLine->hide();
    } else {
        m_playMarker->setDrawMarker(true);
        m_centreLine->hide();
    }
    m_centreColumn = std::floor(m_zoomCentre / m_zoomFactor + 0.5f);
}

void Plotter::setScrolling(bool scrolling)
{
    m_scrollOff = scrolling;
    if (scrolling) {
        m_scrollTimer->stop();
        m_playMarker->setDrawMarker(true);
        m_centreLine->hide();
        m_chordsStrip->setPlayPositionSource(m_playMarker->markerXPointer());
    } else {
        m_scrollTimer->start();
        m_chordsStrip->setPlayPositionSource(centreColumnPointer());
    }
}

void Plotter::riffSongPlayback(bool playingRiffSong)
{
    m_riffSongPlayback = playingRiffSong;
}

// ---- Selection pages -----------------------------------------------------------------

void Plotter::switchSelectionWidget(int index)
{
    if (index >= 0 && index < m_selectionStack->count())
        m_selectionStack->setCurrentIndex(index);
}

void Plotter::activateBeatSelecitionWidget(bool activate)
{
    m_selectionStack->setCurrentIndex(activate ? 0 : 1);
}

void Plotter::setActiveRiff(int riff)
{
    if (riff < 0 || riff >= m_beatSelections.size())
        return;
    m_beatSelectionStack->setCurrentIndex(riff);
    const QList<BeatLabel *> &labels = m_beatSelections.at(riff)->beatLabels();
    if (labels.isEmpty())
        return;
    const float w = float(width());
    const float f = m_zoomFactor;
    float c = float(labels.first()->x()) * f;
    c = std::max(c, f * w / 2.0f);
    c = std::min(c, w - f * w / 2.0f);
    setCentreZoomPos(c);
    emit setSmallPlotZoomCentre(int(c));
}

// ---- Chord editor --------------------------------------------------------------------

void Plotter::showChordEdit(QString chordText, int, ChordLabel *chordLabel)
{
    m_editLabel = chordLabel;
    m_chordEditor->showChordEdit(chordText, 0, chordLabel, m_scrollOff);
    m_chordEditor->raise();
    placeChordEditor(true);
}

void Plotter::placeChordEditor(bool allowRecentre)
{
    QWidget *label = m_editLabel.data();
    if (!label || !isAncestorOf(label))
        return;
    const int w = width();
    const int editorWidth = m_chordEditor->width();
    const QRect canvasRect = m_canvas->geometry();
    int left = label->mapTo(this, QPoint(0, 0)).x() - 6;
    if (left + editorWidth > canvasRect.x() + canvasRect.width())
        left = canvasRect.x() + canvasRect.width() - editorWidth + 12;
    m_chordEditor->move(left, -3);
    if (allowRecentre && left + editorWidth > w) {
        const float centre = float(label->x() + editorWidth - 1 - w / 2 - 17) * m_zoomFactor;
        setCentreZoomPos(centre);
        emit setSmallPlotZoomCentre(int(m_zoomCentre));
    }
}

// ---- Events --------------------------------------------------------------------------

void Plotter::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() == Qt::ControlModifier)
        scrollPlot(event);
    else
        setZoomFactor(event);
    event->accept();
}

void Plotter::resizeEvent(QResizeEvent *)
{
    lower();
    m_centreLine->setGeometry(0, 0, width(), height() - chordStripHeight - 10);
    updateWaveform();
}
