#include "views/jam/jamtab.h"

#include "metadata/metadata.h"
#include "views/jam/contextpitchwidget.h"
#include "views/jam/highlightsteps.h"
#include "views/jam/looplengthwidget.h"
#include "views/jam/riffidlabel.h"
#include "views/jam/riffidwidget.h"
#include "views/jam/riffstep.h"
#include "views/jam/songstep.h"
#include "views/jam/songstepselector.h"
#include "views/jam/stepcontextmenu.h"
#include "views/playback/custombutton.h"
#include "views/playback/knob.h"
#include "views/playback/powerbutton.h"

#include <QMouseEvent>
#include <QStackedWidget>

#include <algorithm>
#include <cmath>

namespace {

// A session text as a number; `fallback` when it is not one.
int sessionInt(const QString &text, int fallback)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

QString pitchLabelText(const QString &number)
{
    return "<font color='#929292'>" + number + "</font>";
}

} // namespace

JamTab::JamTab(QWidget *parent) : QLabel(parent)
{
    setPixmap(QPixmap(":/images/jam/jam_overlay.png"));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_powerButton = new PowerButton(this);
    m_powerButton->setGeometry(62, 307, 25, 25);

    const QPixmap playImage(":/images/transport/play_pause.png");
    m_riffPlayButton = new CustomButton(playImage, this, true);
    m_riffPlayButton->setGeometry(182, 94, 42, 41);
    m_songPlayButton = new CustomButton(playImage, this, true);
    m_songPlayButton->setGeometry(182, 245, 42, 41);

    m_beatOffsetKnob = new Knob(this);
    m_beatOffsetKnob->setKnobSize(false);
    m_beatOffsetKnob->setRange(0, 99);
    m_beatOffsetKnob->setDefaultValue(beatOffsetDefault);
    m_beatOffsetKnob->setValue(beatOffsetDefault);
    m_beatOffsetKnob->move(787, 94);

    m_riffIdWidget = new RiffIdWidget(this);
    m_riffIdWidget->setGeometry(325, 79, 48, 18);

    m_loopLengthStack = new QStackedWidget(this);
    m_loopLengthStack->setGeometry(261, 150, 480, 10);
    m_songLoopLength = new LoopLengthWidget(this);
    m_songLoopLength->setGeometry(261, 295, 480, 10);
    m_songLoopLength->setMax(16);
    m_songLoopLength->hide();

    m_songStep = new SongStep(this);
    m_songStep->setGeometry(261, 257, 480, 30);

    m_stepStack = new QStackedWidget(this);
    m_stepStack->setGeometry(261, 112, 480, 30);
    for (int i = 0; i < riffCount; ++i) {
        auto *steps = new RiffStep;
        auto *loop = new LoopLengthWidget;
        m_riffSteps.append(steps);
        m_loopLengthWidgets.append(loop);
        m_stepStack->addWidget(steps);
        m_loopLengthStack->addWidget(loop);
    }

    for (int i = 0; i < riffCount; ++i) {
        for (int j = 0; j < stepCount; ++j) {
            auto *menu = new StepContextMenu(j, this);
            menu->move(220 + 30 * j, 106);
            m_stepMenus.append(menu);
        }
    }

    m_beatOutline = new QLabel(this);
    m_beatOutline->setPixmap(QPixmap(":/images/jam/beat_select_outline.png"));
    m_beatOutline->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_beatOutline->resize(41, 37);
    m_beatOutline->hide();

    m_pitchLabel = new QLabel(this);
    m_pitchLabel->setGeometry(713, 78, 28, 20);
    m_pitchLabel->setAlignment(Qt::AlignCenter);
    QFont pitchFont("Arial", 8);
    pitchFont.setWeight(75);
    m_pitchLabel->setFont(pitchFont);
    m_pitchLabel->setText(pitchLabelText("0"));

    m_riffIdLabel = new RiffIdLabel(this);
    m_riffIdLabel->setGeometry(322, 100, 45, 132);
    m_riffIdLabel->raise();

    // Made here, placed over the main window when it opens (it reaches below the tab).
    m_songStepSelector = new SongStepSelector(this);

    connect(m_riffIdLabel, SIGNAL(setRiffId(int)), m_riffIdWidget, SLOT(setRiffId(int)));
    connect(m_riffIdWidget, SIGNAL(showRiffIdLabel(int)), m_riffIdLabel, SLOT(showRiffIdLabel(int)));
    for (QObject *chooser : {static_cast<QObject *>(m_riffIdWidget), static_cast<QObject *>(m_riffIdLabel)}) {
        const char *signal = chooser == m_riffIdWidget ? SIGNAL(showRiffIdLabel(int)) : SIGNAL(setRiffId(int));
        connect(chooser, signal, this, SIGNAL(setActiveRiff(int)));
        connect(chooser, signal, m_stepStack, SLOT(setCurrentIndex(int)));
        connect(chooser, signal, m_loopLengthStack, SLOT(setCurrentIndex(int)));
    }
    connect(m_riffPlayButton, SIGNAL(pressed()), this, SIGNAL(playRiff()));
    connect(m_songPlayButton, SIGNAL(pressed()), this, SIGNAL(playSong()));

    for (int i = 0; i < riffCount; ++i) {
        RiffStep *steps = m_riffSteps.at(i);
        LoopLengthWidget *loop = m_loopLengthWidgets.at(i);
        connect(steps, SIGNAL(showStepSelection(int)), this, SLOT(turnOnPowerButton(int)));
        connect(steps, SIGNAL(showContext(int)), this, SLOT(showContextLabel(int)));
        connect(steps, SIGNAL(showBeatOutline()), m_beatOutline, SLOT(show()));
        connect(steps, SIGNAL(hideBeatOutline()), m_beatOutline, SLOT(hide()));
        connect(steps, SIGNAL(moveBeatOutline(int)), this, SLOT(moveBeatOutline(int)));
        connect(loop, SIGNAL(firstStepSet()), steps, SLOT(firstStepSet()), Qt::DirectConnection);
        connect(loop, SIGNAL(setLoopLength(int)), steps, SLOT(setWhiteNumberLength(int)));
        connect(loop, SIGNAL(setLoopLength(int)), steps, SLOT(disarm(int)));
        connect(steps, SIGNAL(setLoopLength(int)), loop, SLOT(setValue(int)));
        connect(steps, SIGNAL(getMaxLoopValue(int)), loop, SLOT(getMaxLoopValue(int)), Qt::DirectConnection);
    }
    connect(m_songStep, SIGNAL(showSongMenu(int)), this, SLOT(showSongStepMenu(int)));
    connect(m_songStepSelector, SIGNAL(setRiff(int, int)), m_songStep, SLOT(setRiffFromMenu(int, int)));
    for (StepContextMenu *menu : qAsConst(m_stepMenus))
        connect(menu, SIGNAL(showDifferentContextMenu(int)), this, SLOT(showContextLabel(int)));

    setEnabled(false);
}

void JamTab::setMetaData(MetaData *metaData)
{
    m_metaData = metaData;
    for (RiffStep *steps : qAsConst(m_riffSteps))
        steps->setMetaData(metaData);
    if (metaData)
        connect(metaData, SIGNAL(gotMeta()), this, SLOT(enableWidgets()), Qt::UniqueConnection);
}

QTimer *JamTab::riffRowTimer(int riff) const
{
    RiffStep *steps = m_riffSteps.value(riff);
    return steps ? steps->highlight()->timer() : nullptr;
}

SongSlots *JamTab::songSlots() const
{
    return m_songStep->songSlots();
}

StepContextMenu *JamTab::stepMenu(int riff, int step) const
{
    if (riff < 0 || riff >= riffCount || step < 0 || step >= stepCount)
        return nullptr;
    return m_stepMenus.at(riff * stepCount + step);
}

int JamTab::currentRiff() const
{
    return m_riffIdWidget->riffId();
}

// ---- Slots -----------------------------------------------------------------------------

void JamTab::moveBeatOutline(int x)
{
    const int cell = std::clamp(x / 30, 0, stepCount - 1);
    m_beatOutline->setGeometry(255 + 30 * cell, 108, 41, 37);
}

void JamTab::turnOnPowerButton(int on)
{
    if (on && !m_powerButton->isOn())
        m_powerButton->setValueFromSession(true);
}

void JamTab::showContextLabel(int index)
{
    for (StepContextMenu *menu : qAsConst(m_stepMenus))
        menu->hide();
    StepContextMenu *menu = stepMenu(m_stepStack->currentIndex(), std::clamp(index, 0, stepCount - 1));
    if (!menu)
        return;
    menu->show();
    menu->raise();
}

void JamTab::setBeatPitchLabel(float pitch)
{
    const int n = std::isfinite(pitch) ? int(std::floor(std::clamp(pitch, -100.0f, 100.0f) + 0.5f)) : 0;
    m_pitchLabel->setText(pitchLabelText(ContextPitchWidget::semitoneText(float(n))));
}

void JamTab::showSongStepMenu(int step)
{
    if (step < 0 || step >= stepCount)
        return;
    // Placed in the window's coordinates, so that the chooser may reach below the tab.
    QWidget *host = window();
    if (m_songStepSelector->parentWidget() != host && host != m_songStepSelector)
        m_songStepSelector->setParent(host);
    const QPoint inTab(int(std::floor(step * 30.1 + 0.5)) + songMenuLeft, songMenuTop);
    m_songStepSelector->move(host == this ? inTab : mapTo(host, inTab));
    m_songStepSelector->showMenu(step);
}

void JamTab::enableWidgets()
{
    setEnabled(true);
}

void JamTab::hideMenus()
{
    m_riffIdLabel->hide();
    m_songStepSelector->hideMenu();
    for (StepContextMenu *menu : qAsConst(m_stepMenus))
        menu->hide();
}

void JamTab::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    hideMenus();
    for (RiffStep *steps : qAsConst(m_riffSteps))
        steps->disarm();
}

// ---- A new track and a session ---------------------------------------------------------

void JamTab::reset()
{
    hideMenus();
    m_riffIdWidget->setRiffId(0);
    m_beatOffsetKnob->setValue(beatOffsetDefault);
    for (int i = 0; i < riffCount; ++i) {
        m_riffSteps.at(i)->reset();
        m_loopLengthWidgets.at(i)->resetValue();
    }
    m_songLoopLength->resetValue();
    m_stepStack->setCurrentIndex(0);
    m_loopLengthStack->setCurrentIndex(0);
    m_songStep->resetSong();
    m_powerButton->setValueFromSession(false);
    m_riffPlayButton->unlatch();
    for (StepContextMenu *menu : qAsConst(m_stepMenus))
        menu->pitchWidget()->reset();
    m_pitchLabel->setText(pitchLabelText("0"));
    setEnabled(false);
    // The player and the waveform's riff strips follow the riff shown here.
    emit setActiveRiff(0);
}

void JamTab::restoreSessionValues(const QString &powerButton, const QString &currentRiff, const QString &beatOffset,
                                  const QStringList &riffLengths, const QStringList &riffLengthMaxes,
                                  const QString &songLength, const QString &songLengthMax,
                                  const QStringList &songSlots)
{
    m_powerButton->setValueFromSession(sessionInt(powerButton, 0) != 0);
    int riff = sessionInt(currentRiff, 0);
    if (riff < 0 || riff >= riffCount)
        riff = 0;
    m_riffIdWidget->setRiffId(riff);
    m_stepStack->setCurrentIndex(riff);
    m_loopLengthStack->setCurrentIndex(riff);
    int offset = sessionInt(beatOffset, beatOffsetDefault);
    if (offset < 0 || offset > 99)
        offset = beatOffsetDefault;
    m_beatOffsetKnob->setValue(offset);

    for (int i = 0; i < riffCount; ++i) {
        const int max = std::clamp(sessionInt(riffLengthMaxes.value(i), 0), 0, stepCount - 1);
        const int value = std::clamp(sessionInt(riffLengths.value(i), 0), 0, max);
        LoopLengthWidget *loop = m_loopLengthWidgets.at(i);
        loop->setMax(max);
        loop->setValue(value);
        m_riffSteps.at(i)->setWhiteNumberLength(value);
    }
    const int songMax = std::clamp(sessionInt(songLengthMax, 0), 0, stepCount);
    m_songLoopLength->setMax(songMax);
    m_songLoopLength->setValue(std::clamp(sessionInt(songLength, 0), 0, std::min(songMax, stepCount - 1)));
    if (!songSlots.isEmpty())
        m_songStep->restoreSteps(songSlots);
}

void JamTab::followRestoredRiff(int riff, int lastStep, int lastPlayingStep)
{
    if (riff < 0 || riff >= riffCount)
        return;
    LoopLengthWidget *loop = m_loopLengthWidgets.at(riff);
    const int max = std::clamp(lastStep, 0, stepCount - 1);
    loop->resetValue();
    loop->setMax(max);
    loop->setValue(std::clamp(lastPlayingStep, 0, max));
    m_riffSteps.at(riff)->setFirstStepSet(lastStep >= 0);
}
