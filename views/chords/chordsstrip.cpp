#include "views/chords/chordsstrip.h"

#include "metadata/metadata.h"
#include "views/chords/beatlinewidget.h"
#include "views/chords/beatpixels.h"
#include "views/chords/chordindex.h"
#include "views/chords/editboundary.h"
#include "views/playback/custombutton.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

#include <algorithm>
#include <cmath>

ChordsStrip::ChordsStrip(QWidget *parent)
    : QLabel(parent), m_playTimer(new QTimer(this)), m_leftBoundary(new EditBoundary(this)),
      m_rightBoundary(new EditBoundary(this)), m_beatLineWidget(new BeatLineWidget(this)),
      m_leftHandle(new CustomButton(QPixmap(":/images/chords/chord_drag_left.png"), this)),
      m_rightHandle(new CustomButton(QPixmap(":/images/chords/chord_drag_right.png"), this))
{
    // Labels and the beat lines write in bold; they take the strip's font.
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    setFont(bold);
    for (CustomButton *handle : {m_leftHandle, m_rightHandle}) {
        handle->setFixedSize(20, 20);
        handle->setCursor(Qt::OpenHandCursor);
        handle->installEventFilter(this);
    }
    hideEditWidgets();
    connect(m_beatLineWidget, SIGNAL(stopEditLabelFlashing(bool)), this, SLOT(stopEditLabelFlashing(bool)));
    m_playTimer->setInterval(20);
    connect(m_playTimer, SIGNAL(timeout()), this, SLOT(updatePlayPos()));
    m_playTimer->start();
}

void ChordsStrip::setMetaData(MetaData *metaData)
{
    m_metaData = metaData;
    m_beatLineWidget->setMetaData(metaData);
}

void ChordsStrip::setTrackFrames(int frames)
{
    m_trackFrames = frames;
    m_beatLineWidget->setTrackFrames(frames);
}

bool ChordsStrip::hasData() const
{
    return m_metaData && m_metaData->hasData();
}

// Labels, handles and beat lines all take their places from the beats as the analysis
// gave them, moved by the beat-offset knob: the player shifts its own working beat list
// for the same knob, so reading that list as well would move the strip twice.
const QVector<float> *ChordsStrip::beats() const
{
    return hasData() ? &m_metaData->analysedBeats() : nullptr;
}

int ChordsStrip::beatX(int beat) const
{
    const QVector<float> *b = beats();
    if (!b || beat < 0 || beat >= b->size())
        return 0;
    return BeatPixels(m_trackFrames, width(), m_sampleOffset).x(double(b->at(beat)));
}

// ---- Building and laying out ---------------------------------------------------------

void ChordsStrip::initChordStrip()
{
    m_playingLabel = nullptr;
    m_editLabel = nullptr;
    m_heldHandle = nullptr;
    const bool build = hasData();
    if (build) {
        hide();
        const QVector<float> &b = *beats();
        const ChordNameList &names = m_metaData->chordVec;
        const int n = std::min(names.size(), b.size() - 1);
        // The labels of the last build stand for the new runs, as many as there are; a
        // rebuild after a chord edit then creates and deletes next to nothing.
        int used = 0;
        for (int i = 0; i < n; ++used) {
            int run = 1;
            while (i + run < n && names.at(i + run) == names.at(i))
                ++run;
            const int start = int(b.at(i));
            const int end = int(b.at(i + run));
            if (used < m_labels.size())
                m_labels.at(used)->setRun(names.at(i), start, end, i, run);
            else
                m_labels.append(createLabel(names.at(i), start, end, i, run));
            i += run;
        }
        while (m_labels.size() > used) {
            ChordLabel *label = m_labels.takeLast();
            label->hide();
            label->deleteLater();
        }
    }
    setKeyShift(m_keyShift);
    m_editing = false;
    hideEditWidgets();
    m_firstLayout = true;
    repositionChords();
    if (build)
        show();
}

ChordLabel *ChordsStrip::createLabel(const QString &name, int start, int end, int firstBeat, int beatCount)
{
    auto *label = new ChordLabel(this, name, start, end, firstBeat, beatCount, m_metaData);
    connect(label, &ChordLabel::labelActive, this, &ChordsStrip::labelActivated);
    connect(label, &ChordLabel::labelDeactivated, this, &ChordsStrip::labelDeactivated);
    connect(label, &ChordLabel::initChordStrip, this, &ChordsStrip::initChordStrip);
    connect(label, &ChordLabel::showChordEdit, this, &ChordsStrip::showChordEdit);
    connect(label, &ChordLabel::deactivateAll, this, &ChordsStrip::deactivateAll);
    connect(label, &ChordLabel::showEditLeftBoundary, this, &ChordsStrip::showEditLeftBoundary);
    connect(label, &ChordLabel::setBeatLineWidgetText, m_beatLineWidget, &BeatLineWidget::setChordEditText);
    connect(label, &ChordLabel::getShiftedChordText, this, &ChordsStrip::getShiftedChordText, Qt::DirectConnection);
    connect(label, &ChordLabel::stopScrolling, this, &ChordsStrip::stopScrolling);
    return label;
}

void ChordsStrip::repositionChords(int beatOffset)
{
    m_beatOffset = std::max(0, std::min(99, beatOffset));
    layoutLabels();
}

void ChordsStrip::repositionChords()
{
    layoutLabels();
}

void ChordsStrip::layoutLabels()
{
    if (m_firstLayout) {
        setLabelsVisible(true);
        m_firstLayout = false;
    }
    const int step = m_metaData ? m_metaData->beatStep : 0;
    m_sampleOffset = (m_beatOffset - beatOffsetMiddle) * step + baseSampleOffset;
    if (!hasData()) {
        setLabelsVisible(false);
        hideEditWidgets();
        return;
    }
    const BeatPixels pixels(m_trackFrames, width(), m_sampleOffset);
    const int h = height();
    for (ChordLabel *label : qAsConst(m_labels)) {
        const int x = pixels.x(double(label->startSample()));
        label->setGeometry(x, 0, pixels.x(double(label->endSample())) - x, h);
    }
    lower();
    if (m_editing && m_editLabel)
        placeEditRange();
    else
        hideEditWidgets();
}

void ChordsStrip::setLabelsVisible(bool visible)
{
    for (ChordLabel *label : qAsConst(m_labels))
        label->setVisible(visible);
}

void ChordsStrip::clearChords()
{
    m_labels.clear();
    m_playingLabel = nullptr;
}

void ChordsStrip::deleteChordLabels()
{
    hide();
    m_keyShift = 0;
    m_beatOffset = beatOffsetMiddle;
    m_sampleOffset = baseSampleOffset;
    for (ChordLabel *label : qAsConst(m_labels)) {
        label->hide();
        label->deleteLater();
    }
    m_labels.clear();
    m_playingLabel = nullptr;
    m_editLabel = nullptr;
    m_heldHandle = nullptr;
    m_editing = false;
    hideEditWidgets();
}

void ChordsStrip::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    repositionChords();
}

// ---- Names in the current key ----------------------------------------------------------

QString ChordsStrip::getShiftedChordText(QString chordText, int shiftAmount)
{
    const int index = ChordIndex::indexOf(chordText);
    if (index < 0)
        return QStringLiteral("-");
    // The chord viewer answers for its own key shift and capo when it is connected; it
    // sends the same shift to setKeyShift, so both ways give the same name.
    if (isSignalConnected(QMetaMethod::fromSignal(&ChordsStrip::getShiftedChordIndex))) {
        const int root = emit getShiftedChordIndex(ChordIndex::rootPart(chordText), shiftAmount);
        if (root < 0 || root >= ChordIndex::rootCount)
            return QStringLiteral("-");
        return ChordIndex::chordName(index - index % ChordIndex::rootCount + root);
    }
    return ChordIndex::chordName(ChordIndex::transposed(index, m_keyShift, shiftAmount));
}

void ChordsStrip::setKeyShift(int shiftAmount)
{
    m_keyShift = shiftAmount;
    for (ChordLabel *label : qAsConst(m_labels)) {
        const QString shifted = getShiftedChordText(label->analysisText(), 0);
        label->setShiftedText(shifted, shiftAmount);
        if (label->isActive()) {
            emit changeSingleChordDot(label->displayText());
            m_beatLineWidget->setChordEditText(label->displayText());
        }
    }
}

// ---- Play highlight --------------------------------------------------------------------

void ChordsStrip::updatePlayPos()
{
    if (!m_playPosition || m_labels.isEmpty())
        return;
    const float p = *m_playPosition;
    // Labels lie left to right: the last one starting left of p is the only candidate.
    auto it = std::upper_bound(m_labels.cbegin(), m_labels.cend(), p,
                               [](float x, const ChordLabel *label) { return x <= float(label->x()); });
    if (it == m_labels.cbegin())
        return;
    ChordLabel *label = *(it - 1);
    if (!(float(label->x()) < p && p < float(label->x() + label->width())))
        return;
    if (label == m_playingLabel)
        return;
    // Only the label that loses the highlight and the one that gains it repaint.
    if (m_playingLabel)
        m_playingLabel->setPlaying(false, 0.0f);
    m_playingLabel = label;
    label->setPlaying(true, p);
}

// ---- Editing ---------------------------------------------------------------------------

void ChordsStrip::deactivateAll()
{
    for (ChordLabel *label : qAsConst(m_labels))
        label->deactivate();
}

void ChordsStrip::labelActivated(ChordLabel *activeLabel, QString text)
{
    for (ChordLabel *label : qAsConst(m_labels)) {
        if (label != activeLabel)
            label->setEditable(text);
    }
}

void ChordsStrip::labelDeactivated()
{
    bool any = false;
    for (ChordLabel *label : qAsConst(m_labels)) {
        if (!label->editText().isEmpty()) {
            label->deactivate();
            label->setEditable(QString());
            any = true;
        }
    }
    if (any)
        initChordStrip();
}

void ChordsStrip::showEditLeftBoundary(ChordLabel *chordLabel)
{
    if (!chordLabel || !m_labels.contains(chordLabel) || !hasData())
        return;
    m_editLabel = chordLabel;
    m_leftBoundary->setBeat(chordLabel->firstBeat());
    m_rightBoundary->setBeat(chordLabel->firstBeat() + chordLabel->beatCount());
    m_beatLineWidget->setSampleOffset(m_sampleOffset);
    m_beatLineWidget->setChordEditText(chordLabel->displayText());
    m_beatLineWidget->setRange(m_leftBoundary->beat(), m_rightBoundary->beat());
    m_editing = true;
    placeEditRange();
    chordLabel->storeBottomLeft();
    update();
}

// Places the boundaries, the stretched edit label, the overlay and the handles at the
// edited range's beats. Run again by every layout, so a zoom keeps a widened range.
void ChordsStrip::placeEditRange()
{
    ChordLabel *label = m_editLabel;
    if (!label)
        return;
    const int h = height();
    const int leftX = beatX(m_leftBoundary->beat());
    const int rightX = beatX(m_rightBoundary->beat());
    m_leftBoundary->setGeometry(0, 0, std::max(0, leftX), h);
    m_rightBoundary->setGeometry(rightX, 0, std::max(0, width() - rightX), h);
    label->setGeometry(leftX, label->y(), std::max(0, rightX - leftX), label->height());
    m_beatLineWidget->setSampleOffset(m_sampleOffset);
    m_beatLineWidget->setGeometry(rect());
    m_leftHandle->move(leftX - m_leftHandle->width() / 2, h / 2 - m_leftHandle->height() / 2);
    m_rightHandle->move(rightX - m_rightHandle->width() / 2, h / 2 - m_rightHandle->height() / 2);
    for (QWidget *w : std::initializer_list<QWidget *>{m_leftBoundary, m_rightBoundary, label, m_beatLineWidget,
                                                       m_leftHandle, m_rightHandle}) {
        w->show();
        w->raise();
    }
}

void ChordsStrip::hideEditWidgets()
{
    m_leftBoundary->hide();
    m_rightBoundary->hide();
    m_leftBoundary->setGeometry(QRect());
    m_rightBoundary->setGeometry(QRect());
    m_leftHandle->hide();
    m_rightHandle->hide();
    m_beatLineWidget->hide();
    m_beatLineWidget->resetRange();
}

QPoint ChordsStrip::getStartEndBeats()
{
    const int picked = m_beatLineWidget->selectedBeat();
    if (m_editing && picked >= 0)
        return QPoint(picked, picked + 1);
    if (!m_editing)
        return QPoint(-1, -1);
    return QPoint(m_leftBoundary->beat(), m_rightBoundary->beat());
}

void ChordsStrip::stopEditLabelFlashing(bool stop)
{
    if (m_editLabel)
        m_editLabel->setFlashStopped(stop);
}

void ChordsStrip::dragHandleTo(CustomButton *handle, int x)
{
    const QVector<float> *b = beats();
    if (!m_editing || !m_editLabel || !b)
        return;
    const bool left = handle == m_leftHandle;
    const int leftBeat = m_leftBoundary->beat();
    const int rightBeat = m_rightBoundary->beat();
    if (left ? !(x < beatX(leftBeat)) : !(x > beatX(rightBeat)))
        return;
    const int chordCount = std::min(m_metaData->chordVec.size(), b->size() - 1);
    for (int i = 0; i + 1 < b->size(); ++i) {
        const int x0 = beatX(i);
        const int x1 = beatX(i + 1);
        const int half = (x1 - x0) / 2;
        if (!(x0 + half < x && x < x1 + half))
            continue;
        // The range only grows from the side being dragged, and never past the last chord.
        if (left)
            m_leftBoundary->setBeat(std::min(leftBeat, i + 1));
        else
            m_rightBoundary->setBeat(std::min(chordCount, std::max(rightBeat, i + 1)));
        m_beatLineWidget->setRange(m_leftBoundary->beat(), m_rightBoundary->beat());
        placeEditRange();
        return;
    }
}

bool ChordsStrip::eventFilter(QObject *watched, QEvent *event)
{
    auto *handle = qobject_cast<CustomButton *>(watched);
    if (handle && (handle == m_leftHandle || handle == m_rightHandle)) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_heldHandle = handle;
            handle->setCursor(Qt::ClosedHandCursor);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            m_heldHandle = nullptr;
            handle->setCursor(Qt::OpenHandCursor);
        } else if (event->type() == QEvent::MouseMove && m_heldHandle == handle) {
            const auto *move = static_cast<QMouseEvent *>(event);
            const QPointF p = handle->mapTo(this, move->localPos().toPoint());
            dragHandleTo(handle, int(std::lround(p.x())));
        }
    }
    return QLabel::eventFilter(watched, event);
}

void ChordsStrip::mouseMoveEvent(QMouseEvent *event)
{
    if (m_heldHandle)
        dragHandleTo(m_heldHandle, int(std::lround(event->localPos().x())));
    QLabel::mouseMoveEvent(event);
}
