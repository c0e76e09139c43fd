#include "views/chords/singlechordeditwidget.h"

#include "metadata/chordspelling.h"
#include "metadata/metadata.h"
#include "views/chords/chordlabel.h"
#include "views/chords/dot.h"
#include "views/playback/custombutton.h"

#include <algorithm>

namespace {
const char *const qualitySuffixes[SingleChordEditWidget::qualityCount] = {"", "m", "sus2", "sus4", "7", "maj7", "m7"};
} // namespace

QString SingleChordEditWidget::chordName(int column, int row)
{
    if (column < 0 || column >= rootCount || row < 0 || row >= qualityCount)
        return QString();
    return QString::fromLatin1(ChordSpelling::rootFromA(column)) + QString::fromLatin1(qualitySuffixes[row]);
}

SingleChordEditWidget::SingleChordEditWidget(QWidget *parent)
    : QLabel(parent), m_dotImage(":/images/chords/orange_dot.png")
{
    setFixedSize(439, 136);
    setScaledContents(true);
    setPixmap(QPixmap(":/images/chords/single_chord_edit.png"));
    for (int k = 0; k < rootCount; ++k) {
        for (int i = 0; i < qualityCount; ++i) {
            auto *dot = new Dot(this, &m_dotImage, (k + 9) % 12, i, chordName(k, i));
            dot->move(82 + 20 * k, int(20.0f + 14.85f * float(i)));
            dot->show();
            connect(dot, SIGNAL(setDotActive(Dot *)), this, SLOT(setSelected(Dot *)));
            m_dots.append(dot);
        }
    }
    auto makeButton = [this](const char *image, int x, int y, const char *slot) {
        auto *button = new CustomButton(QPixmap(QString::fromLatin1(image)), this, false);
        button->setCursor(Qt::OpenHandCursor);
        button->setFixedSize(89, 18);
        button->move(x, y);
        connect(button, SIGNAL(released()), this, slot);
        return button;
    };
    m_cancelButton = makeButton(":/images/chords/cancel_button.png", width() - 110, height() - 33, SLOT(cancel()));
    m_replaceButton = makeButton(":/images/chords/replace_button.png", width() - 110, 18, SLOT(replaceChord()));
    m_replaceAllButton =
        makeButton(":/images/chords/replace_all_button.png", width() - 110, 40, SLOT(replaceAllChords()));
}

void SingleChordEditWidget::showChordEdit(QString chordText, int, ChordLabel *editLabel, bool scrolling)
{
    changeChord(chordText);
    m_editLabel = editLabel;
    m_stopScrolling = !scrolling;
    show();
}

void SingleChordEditWidget::changeChord(QString chordText)
{
    for (Dot *dot : qAsConst(m_dots))
        dot->setLit(dot->text() == chordText);
    m_currentChordText = chordText;
}

void SingleChordEditWidget::setSelected(Dot *dot)
{
    if (!dot)
        return;
    // The clicked dot is lit whatever its own toggle says.
    for (Dot *each : qAsConst(m_dots))
        each->setLit(false);
    dot->setLit(true);
    if (m_editLabel)
        m_editLabel->setDisplayText(dot->text());
}

QString SingleChordEditWidget::chordToWrite()
{
    // While an analysis runs its results are not there yet (and will replace these).
    if (!m_editLabel || !m_metaData || !m_metaData->hasData())
        return QString();
    const QString name = m_editLabel->shiftedText().trimmed();
    // A run the analysis left without a chord ("-"), or a name the key shift could not
    // take back, is no chord to write.
    if (name.isEmpty() || name == "-")
        return QString();
    return name;
}

void SingleChordEditWidget::replaceChord()
{
    const QString chord = chordToWrite();
    if (chord.isEmpty()) {
        cancel();
        return;
    }
    const QPoint range = getStartEndBeats();
    ChordNameList &chords = m_metaData->chordVec;
    // Held to the track's chords, whatever the strip answers.
    const int first = std::clamp(range.x(), 0, int(chords.size()));
    const int end = std::clamp(range.y(), first, int(chords.size()));
    for (int b = first; b < end; ++b)
        chords[b] = chord;
    if (!m_metaData->chordVecDetected.contains(chord))
        m_metaData->chordVecDetected.append(chord);
    m_editLabel->setDisplayText(m_currentChordText);
    close(true);
}

void SingleChordEditWidget::replaceAllChords()
{
    const QString chord = chordToWrite();
    const QString old = m_editLabel ? m_editLabel->analysisText() : QString();
    // The same name again changes nothing (and must not drop the chord from the detected list).
    if (chord.isEmpty() || old.isEmpty() || chord == old) {
        cancel();
        return;
    }
    std::replace(m_metaData->chordVec.begin(), m_metaData->chordVec.end(), old, chord);
    // The detected list names each chord once: the old name becomes the new one where the
    // new one is not listed yet, and goes otherwise.
    ChordNameList &detected = m_metaData->chordVecDetected;
    const int at = detected.indexOf(old);
    if (at >= 0) {
        if (detected.contains(chord))
            detected.removeAll(old);
        else
            std::replace(detected.begin(), detected.end(), old, chord);
    } else if (!detected.contains(chord)) {
        detected.append(chord);
    }
    close(true);
}

void SingleChordEditWidget::cancel()
{
    if (m_editLabel)
        m_editLabel->setDisplayText(m_editLabel->shiftedText());
    close(false);
}

void SingleChordEditWidget::close(bool saved)
{
    if (saved)
        emit savePQM();
    emit reInitChordStrip();
    emit reInitDetectedChordsWidget();
    hide();
    m_currentChordText.clear();
    emit resetScroll(m_stopScrolling);
}
