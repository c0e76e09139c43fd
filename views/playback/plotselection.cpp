#include "views/playback/plotselection.h"

#include "metadata/metadata.h"
#include "views/chords/beatpixels.h"
#include "views/playback/labelfont.h"

#include <QLabel>
#include <QMouseEvent>
#include <QMutexLocker>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The baseline of the first and last beat numbers, above the view's bottom.
constexpr int numbersAboveBottom = 2;
// Beat boundaries closer than this many pixels are not told apart by dark bars.
constexpr double minimumBarWidth = 5.0;
// Up to this span between the first and last beat line the numbers stand outside.
constexpr double numbersInsideFrom = 47.0;
const QColor darkBar(0, 0, 0, qRound(0.18 * 255));
const QColor lightBar(255, 255, 255, qRound(0.1 * 255));
const QColor freeSelection(255, 200, 180, qRound(0.25 * 255));

QString labelMarkup(const QString &text)
{
    return QStringLiteral("<font color='#B4B4B4'>%1</font>").arg(text.toHtmlEscaped());
}

int pointerX(const QMouseEvent *event)
{
    return BeatPixels::toInt(std::lround(event->localPos().x()));
}

} // namespace

PlotSelection::PlotSelection(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    const QFont labelFont = LabelFont::bold(7);
    setFont(labelFont);
    for (QLabel **label : {&m_countLabel, &m_startLabel, &m_endLabel}) {
        *label = new QLabel(this);
        (*label)->setFont(labelFont);
        (*label)->setTextFormat(Qt::RichText);
        (*label)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        (*label)->setAttribute(Qt::WA_TransparentForMouseEvents);
        (*label)->hide();
    }
}

QVector<float> PlotSelection::beats() const
{
    if (!m_metaData || !m_metaData->hasData())
        return {};
    // The analysis thread replaces the list under this lock; the copy shares its data.
    QMutexLocker lock(&m_metaData->beatsMutex);
    return m_metaData->beats;
}

bool PlotSelection::hasBeatRange(const QVector<float> &beats) const
{
    return m_startBeat >= 0 && m_startBeat < m_endBeat && m_endBeat < beats.size();
}

void PlotSelection::setSampleCount(int sampleCount)
{
    m_sampleCount = std::max(0, sampleCount);
    m_hasTrack = m_sampleCount > 0;
}

void PlotSelection::storeSamples(int start, int end)
{
    __atomic_store_n(&m_startSample, start, __ATOMIC_RELAXED);
    __atomic_store_n(&m_endSample, end, __ATOMIC_RELAXED);
}

void PlotSelection::resetToEmpty()
{
    m_startX = m_endX = 0;
    m_startBeat = m_endBeat = 0;
    m_firstLineX = m_lastLineX = 0.0f;
    storeSamples(0, 0);
    hideLabels();
    update();
}

void PlotSelection::clearSelection()
{
    // Nothing is selected, not even an empty point on the first beat.
    resetToEmpty();
    updateBeatLines(beats());
    emit enableSaveSelection(false);
}

void PlotSelection::setZoomFactor(float scaleFactor)
{
    if (std::isfinite(scaleFactor) && scaleFactor > 0.0f)
        m_zoomFactor = scaleFactor;
}

void PlotSelection::setStart(float x)
{
    m_startX = BeatPixels::toInt(x);
}

void PlotSelection::setEnd(float x)
{
    m_endX = BeatPixels::toInt(x);
    recompute();
    // Only a selection that holds samples can be exported.
    emit enableSaveSelection(m_startX != m_endX && endSample() > startSample());
}

// Turns the two view positions into samples, and snaps them to the nearest beats once
// the beats are known. Every sample stays inside the track.
void PlotSelection::recompute()
{
    const QVector<float> beatList = beats();
    const int w = width();
    if (!m_hasTrack || w <= 0) {
        m_startBeat = m_endBeat = 0;
        storeSamples(0, 0);
        updateBeatLines(beatList);
        return;
    }
    const double samplesPerX = double(m_sampleCount) / double(w) / double(m_zoomFactor);
    auto toSample = [this](double v) {
        return std::min(m_sampleCount, std::max(0, BeatPixels::toInt(v - BeatPixels::beatLead)));
    };
    int a = toSample(samplesPerX * std::min(m_startX, m_endX));
    int b = toSample(samplesPerX * std::max(m_startX, m_endX));

    const int first = BeatPixels::nearestBeat(beatList, a);
    const int last = BeatPixels::nearestBeat(beatList, b);
    if (first >= 0 && last >= 0) {
        m_startBeat = first;
        m_endBeat = last;
        a = std::min(m_sampleCount, BeatPixels::beatSample(beatList[first]));
        b = std::min(m_sampleCount, BeatPixels::beatSample(beatList[last]));
    } else {
        m_startBeat = m_endBeat = 0;
    }
    storeSamples(a, std::max(a, b));
    updateBeatLines(beatList);
}

void PlotSelection::updateBeatLines(const QVector<float> &beatList)
{
    if (hasBeatRange(beatList)) {
        const BeatPixels pixels(m_sampleCount, width(), -BeatPixels::beatLead);
        m_firstLineX = float(pixels.lineX(beatList[m_startBeat]));
        m_lastLineX = float(pixels.lineX(beatList[m_endBeat]));
    } else {
        const float a = float(std::min(m_startX, m_endX)) / m_zoomFactor;
        const float b = float(std::max(m_startX, m_endX)) / m_zoomFactor;
        m_firstLineX = std::trunc(a);
        m_lastLineX = std::trunc(b);
    }
}

void PlotSelection::updateSelectionFromOffset(int)
{
    if (!m_metaData || !m_metaData->hasData())
        return;
    const QVector<float> beatList = beats();
    if (m_startBeat < 0 || m_endBeat < m_startBeat || m_endBeat >= beatList.size()) {
        // The beats this selection stood on are gone: an end that is no beat would leave
        // a selection the loop cannot hold.
        clearSelection();
        emit setSmallPlotSelection(m_firstLineX, m_lastLineX);
        return;
    }
    const int a = std::min(m_sampleCount, BeatPixels::beatSample(beatList[m_startBeat]));
    const int b = std::min(m_sampleCount, BeatPixels::beatSample(beatList[m_endBeat]));
    storeSamples(a, std::max(a, b));
    updateBeatLines(beatList);
    update();
    emit setSmallPlotSelection(m_firstLineX, m_lastLineX);
}

void PlotSelection::snapToNewBeats()
{
    if (m_startX == m_endX || hasBeatRange(beats()))
        return;
    recompute();
    update();
    emit setSmallPlotSelection(m_firstLineX, m_lastLineX);
    emit enableSaveSelection(endSample() > startSample());
}

// ---- Labels ----------------------------------------------------------------------------

void PlotSelection::hideLabels()
{
    for (QLabel *label : {m_countLabel, m_startLabel, m_endLabel}) {
        label->clear();
        label->hide();
    }
}

void PlotSelection::showLabels()
{
    const QVector<float> beatList = beats();
    if (!hasBeatRange(beatList)) {
        hideLabels();
        return;
    }
    updateBeatLines(beatList);
    const int n = m_endBeat - m_startBeat;
    QString count = tr("%1 BEATS").arg(n);
    if (n == 1)
        count.replace(tr("BEATS"), tr("BEAT"));
    // Every label gets the room its text needs in the font it is drawn with: a mark above
    // a capital, a glyph from a fallback font (CJK, Devanagari) and its taller line too.
    const QFont font = m_countLabel->font();
    const LabelFont::TextBox countBox = LabelFont::measure(font, count);
    const QSize countSize = countBox.size();
    // The count ends left of the last beat line, at the top of the view and inside it.
    const int countLeft =
        std::max(0, std::min(BeatPixels::toInt(m_lastLineX - countSize.width() - 1.0), width() - countSize.width()));
    m_countLabel->setText(labelMarkup(count));
    m_countLabel->setContentsMargins(countBox.margins());
    m_countLabel->setGeometry(QRect(QPoint(countLeft, 0), countSize));

    const QString startText = QString::number(m_startBeat + 1);
    const QString endText = QString::number(m_endBeat);
    const LabelFont::TextBox startBox = LabelFont::measure(font, startText);
    const LabelFont::TextBox endBox = LabelFont::measure(font, endText);
    const int startWidth = startBox.size().width();
    const int endWidth = endBox.size().width();
    m_startLabel->setText(labelMarkup(startText));
    m_endLabel->setText(labelMarkup(endText));
    int startLeft;
    int endLeft;
    if (double(m_lastLineX) - double(m_firstLineX) <= numbersInsideFrom) {
        startLeft = BeatPixels::toInt(m_firstLineX - startWidth - 1.0);
        endLeft = BeatPixels::toInt(m_lastLineX + 1.0);
    } else {
        startLeft = BeatPixels::toInt(m_firstLineX + 1.0);
        endLeft = BeatPixels::toInt(m_lastLineX - endWidth - 1.0);
    }
    // The numbers stand on a line two pixels above the bottom of the view, and inside it
    // at the track's ends.
    startLeft = std::max(0, std::min(startLeft, width() - startWidth));
    endLeft = std::max(0, std::min(endLeft, width() - endWidth));
    const int baseline = height() - numbersAboveBottom;
    m_startLabel->setContentsMargins(startBox.margins());
    m_endLabel->setContentsMargins(endBox.margins());
    m_startLabel->setGeometry(QRect(QPoint(startLeft, baseline - startBox.baseline()), startBox.size()));
    m_endLabel->setGeometry(QRect(QPoint(endLeft, baseline - endBox.baseline()), endBox.size()));
    for (QLabel *label : {m_countLabel, m_startLabel, m_endLabel})
        label->show();
}

// ---- Mouse -------------------------------------------------------------------------------

void PlotSelection::mousePressEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::LeftButton)
        return;
    const QVector<float> beatList = beats();
    updateBeatLines(beatList);
    m_beforePress = {m_startX, m_endX, m_firstLineX, m_lastLineX};
    hideLabels();
    const int x = std::max(0, std::min(pointerX(event), width() - 1));
    const float v = m_zoomFactor < 1.0f ? float(x) * m_zoomFactor : float(x);
    m_startX = BeatPixels::toInt(v);
    setEnd(v);
    emit selectionSingleClick();
    update();
}

void PlotSelection::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // A double click on the selection plays it: the selection its first click emptied
    // comes back. Anywhere else the selection stays empty at the pointer.
    const double x = pointerX(event);
    const Kept &kept = m_beforePress;
    if (kept.startX != kept.endX && x >= std::floor(kept.firstLineX) && x <= std::ceil(kept.lastLineX)) {
        m_startX = kept.startX;
        setEnd(float(kept.endX));
        update();
    }
    m_doubleClickHeld = true;
    emit selectionDoubleClick();
}

void PlotSelection::mouseReleaseEvent(QMouseEvent *)
{
    m_doubleClickHeld = false;
}

void PlotSelection::mouseMoveEvent(QMouseEvent *event)
{
    const bool dragging = (event->buttons() & Qt::LeftButton) && !m_doubleClickHeld;
    if (dragging) {
        // The pointer is held to the view before it is scaled, so that a drag past either
        // edge ends at the first or last sample the view shows.
        const int x = std::max(0, std::min(pointerX(event), width() - 1));
        setEnd(float(x) * m_zoomFactor);
        update();
    }
    hoverReadout(event, dragging);
}

// The labels show while the pointer is over the selection or within one beat of it.
void PlotSelection::hoverReadout(const QMouseEvent *event, bool dragging)
{
    const QVector<float> beatList = beats();
    if (beatList.isEmpty())
        return;
    if (!hasBeatRange(beatList) || m_sampleCount <= 0) {
        hideLabels();
        return;
    }
    const double pixelsPerSample = double(width()) / double(m_sampleCount);
    const double p0 = double(beatList[m_startBeat]) * pixelsPerSample;
    const double p1 = double(beatList[m_endBeat]) * pixelsPerSample;
    const double beatWidth = (p1 - p0) / double(m_endBeat - m_startBeat);
    const double x = pointerX(event);
    if (x > p0 - beatWidth && x <= p1 + beatWidth)
        showLabels();
    else if (m_countLabel->isVisible() && !dragging)
        hideLabels();
}

void PlotSelection::leaveEvent(QEvent *)
{
    hideLabels();
}

void PlotSelection::resizeEvent(QResizeEvent *)
{
    updateBeatLines(beats());
    update();
}

// ---- Painting ----------------------------------------------------------------------------

void PlotSelection::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    const QVector<float> beatList = beats();
    const int h = height();

    if (!beatList.isEmpty() && m_startBeat != m_endBeat) {
        if (!hasBeatRange(beatList))
            return;
        const int count = m_endBeat - m_startBeat;
        const BeatPixels pixels(m_sampleCount, width(), -BeatPixels::beatLead);
        QVector<double> lines(count + 1);
        bool wide = true;
        for (int i = 0; i <= count; ++i) {
            lines[i] = pixels.lineX(beatList[m_startBeat + i]);
            if (i > 0 && lines[i] - lines[i - 1] < minimumBarWidth)
                wide = false;
        }
        m_firstLineX = float(lines.first());
        m_lastLineX = float(lines.last());
        const QRect dirty = event->rect();
        for (int i = 0; i < count; ++i) {
            if (lines[i + 1] < dirty.left() || lines[i] > dirty.right() + 1)
                continue;
            const QColor &colour = (wide && i % 2 == 0) ? darkBar : lightBar;
            painter.fillRect(QRectF(lines[i], 0.0, lines[i + 1] - lines[i], h), colour);
        }
        return;
    }

    const double left = std::trunc(double(std::min(m_startX, m_endX)) / m_zoomFactor);
    const double right = std::trunc(double(std::max(m_startX, m_endX)) / m_zoomFactor);
    if (right > left)
        painter.fillRect(QRectF(left, 0.0, right - left, h), freeSelection);
}
