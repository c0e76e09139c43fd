// MainWindow: session files. Saving reads the live state of the views and the player
// into a SessionDocument and writes it atomically; loading reads and checks the whole file
// first, opens its audio file, and only then hands every value to the view that owns
// it. Every value read from a file is untrusted: it is checked to be a finite number
// and held to its range before it is used, and it never indexes anything unchecked.
#include "app/mainwindow.h"

#include "app/pathsmanager.h"
#include "app/sessiondocument.h"
#include "app/tabwidget.h"
#include "audio/audioplayer.h"
#include "metadata/metadatathread.h"
#include "views/chords/chordscontainer.h"
#include "views/chords/chordwidget.h"
#include "views/jam/contextpitchwidget.h"
#include "views/jam/looplengthwidget.h"
#include "views/jam/riffidwidget.h"
#include "views/jam/songstep.h"
#include "views/jam/stepcontextmenu.h"
#include "views/playback/knob.h"
#include "views/playback/transportwidget.h"
#include "views/playback/wavebg.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QStackedWidget>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// A session text as a number held to lo..hi; `fallback` when it is not a finite number.
double sessionNumber(const QString &text, double fallback, double lo, double hi)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return fallback;
    return std::clamp(v, lo, hi);
}

// The same, truncated to a whole number (safe: the value is already inside lo..hi).
int sessionInt(const QString &text, int fallback, int lo, int hi)
{
    return int(sessionNumber(text, fallback, lo, hi));
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString real(double value)
{
    return QString::number(value, 'g', 6);
}

QString whole(float value)
{
    return QString::number(std::isfinite(value) ? int(std::trunc(value)) : 0);
}

} // namespace

// ---- Saving ------------------------------------------------------------------------------

SessionDocument MainWindow::currentSession() const
{
    SessionDocument s;
    Plotter *plotter = m_waveBg->plotter();
    PlotSelection *selection = plotter->plotSelection();
    RealTimeToolsTab *tools = m_tabWidget->realTimeToolsTab();
    ChordsTab *chords = m_tabWidget->chordsTab();
    JamTab *jam = m_tabWidget->jamTab();

    s.setValue("fileName", m_pathsManager->lastFile());
    s.setValue("looped", flag(m_audioPlayer->isLooping()));
    s.setValue("loopStart", QString::number(selection->startX()));
    s.setValue("loopEnd", QString::number(selection->endX()));
    s.setValue("volume", real(double(m_audioPlayer->getVolume()) * 100.0));
    s.setValue("currentTab", QString::number(m_tabWidget->stack()->currentIndex()));
    s.setValue("playbackPos", QString::number(m_audioPlayer->playPosition()));
    s.setValue("scrollButton", flag(m_waveBg->scrollButton()->isOn()));

    s.setValue("toolsTab/tempo/mode", whole(tools->modeWidget()->value()));
    s.setValue("toolsTab/tempo/bpm", real(std::trunc(double(tools->bpmWidget()->value()))));
    s.setValue("toolsTab/tempo/knobValue", QString::number(tools->tempoKnob()->value()));
    s.setValue("toolsTab/tempo/state", flag(tools->tempoPowerButton()->isOn()));
    s.setValue("toolsTab/pitch/semitones", real(double(tools->semitonesValue())));
    s.setValue("toolsTab/pitch/fineTune", real(std::trunc(double(tools->fineTuneWidget()->value()))));
    s.setValue("toolsTab/pitch/knobValue", QString::number(tools->pitchKnob()->value()));
    s.setValue("toolsTab/pitch/state", flag(tools->pitchPowerButton()->isOn()));
    // Nine digits: the factor comes back as the very float that played.
    s.setValue("toolsTab/pitch/interp", QString::number(double(tools->pitchFactor()), 'g', 9));
    s.setValue("toolsTab/sourceSep/sepKnobValue", QString::number(tools->separationKnob()->value()));
    s.setValue("toolsTab/sourceSep/widthKnobValue", QString::number(tools->widthKnob()->value()));
    s.setValue("toolsTab/sourceSep/filterKnobValue", QString::number(tools->filterKnob()->value()));
    s.setValue("toolsTab/sourceSep/hilo", flag(tools->filterButton()->state()));
    s.setValue("toolsTab/sourceSep/azimuthValue", QString::number(tools->azimuthSlider()->value()));
    s.setValue("toolsTab/sourceSep/solo", flag(tools->muteSoloButton()->state()));
    s.setValue("toolsTab/sourceSep/state", flag(tools->isolatePowerButton()->isOn()));

    s.setValue("chordsTab/openClosed", QString::number(chords->chordType()));
    s.setValue("chordsTab/neckType", QString::number(chords->neckType()));
    s.setValue("chordsTab/capo", whole(chords->capo()));
    s.setValue("chordsTab/openContainerPos", QString::number(chords->container()->openOffset()));
    s.setValue("chordsTab/powerContainerPos", QString::number(chords->container()->powerOffset()));
    s.setValue("chordsTab/finderChord", QString::number(chords->finderChord()->baseIndex()));

    s.setValue("riffsTab/powerButton", flag(jam->powerButton()->isOn()));
    s.setValue("riffsTab/currentRiff", QString::number(jam->riffIdWidget()->riffId()));
    s.setValue("riffsTab/beatOffset", QString::number(jam->beatOffsetKnob()->value()));
    for (int r = 0; r < SessionDocument::riffCount; ++r) {
        SessionDocument::Riff &riff = s.riffs[r];
        LoopLengthWidget *loop = jam->loopLengthWidget(r);
        riff.length = QString::number(loop->value());
        riff.lengthMax = QString::number(loop->maxValue());
        BeatSelection *beats = plotter->beatSelection(r);
        riff.hasSteps = beats->lastStep() >= 0;
        for (int k = 0; k < SessionDocument::stepCount; ++k) {
            const BeatLabel *label = beats->beatLabel(k);
            const ContextPitchWidget *pitch = jam->stepMenu(r, k)->pitchWidget();
            SessionDocument::Step &step = riff.steps[k];
            // Only the riff's own steps are set in the file; the first-step marker that
            // an empty riff shows on the first beat is no step.
            const bool inRiff = k <= beats->lastStep();
            step.beat = QString::number(inRiff ? label->beat() : 0);
            step.state = QString::number(inRiff ? label->state() : 0);
            step.startSample = QString::number(inRiff ? label->startSample() : 0);
            step.endSample = QString::number(inRiff ? label->endSample() : 0);
            step.semitone = real(double(pitch->semitone()));
            step.interp = real(double(pitch->interp()));
        }
    }
    LoopLengthWidget *songLoop = jam->songLoopLengthWidget();
    s.songLength = QString::number(songLoop->value());
    s.songLengthMax = QString::number(songLoop->maxValue());
    const SongSlots *song = jam->songSlots();
    for (int k = 0; k < SessionDocument::songSlotCount; ++k)
        s.songSlots[k] = QString::number(song->at(k));

    s.setValue("plot/zoomCentrePos", whole(plotter->zoomCentre()));
    s.setValue("plot/zoomFactor", real(double(plotter->getZoomFactor())));
    return s;
}

bool MainWindow::writeSessionFile(const QString &path)
{
    const SessionDocument session = currentSession();
    const QByteArray text = session.toXml();
    // The old file stays whole until the new text is completely on disk.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    written = written && file.commit();
    if (!written) {
        const QString reason = file.errorString();
        file.cancelWriting();
        showMessageBox(QMessageBox::Warning, tr("Cannot save session"),
                       tr("The session could not be saved to<br />%1<br />%2")
                           .arg(path.toHtmlEscaped(), reason.toHtmlEscaped()));
        return false;
    }
    m_confirmedSessionFile = path;
    m_heldRiffsAndSong = session;
    m_saveSessionAct->setEnabled(true);
    return true;
}

bool MainWindow::riffsAndSongUnsaved() const
{
    return m_loaded && !currentSession().sameRiffsAndSong(m_heldRiffsAndSong);
}

bool MainWindow::mayDiscardRiffsAndSong()
{
    if (!riffsAndSongUnsaved())
        return true;
    const QMessageBox::StandardButton answer =
        showMessageBox(QMessageBox::Question, tr("Unsaved riffs"),
                       tr("The riffs or the song are not saved in a session.<br />Do you want to save the session?"),
                       QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Discard) {
        // Asked once: what follows (the close after a relaunch) does not ask again.
        holdRiffsAndSong();
        return true;
    }
    if (answer != QMessageBox::Save)
        return false;
    // The session this track was saved in or loaded from, else a new one.
    if (m_saveSessionAct->isEnabled())
        saveSessionFile();
    else
        saveSessionFileAs();
    return !riffsAndSongUnsaved();
}

void MainWindow::saveSessionFile()
{
    const QString path = m_pathsManager->sessionFile();
    // Nothing to save without a track, nowhere to save without a session file.
    if (m_pathsManager->lastFile().isEmpty() || !m_loaded || path.isEmpty())
        return;
    writeSessionFile(path);
}

QString MainWindow::proposedSessionPath(const QString &sessionsFolder, const QString &audioPath)
{
    const int slash = audioPath.lastIndexOf('/');
    if (slash < 0)
        return sessionsFolder;
    QString name = audioPath.mid(slash);
    static const char *const extensions[] = {".mp3", ".wav", ".aac", ".m4a", ".mp4", ".aiff",
                                             ".aif", ".flac", ".wma", ".ogg", ".cda"};
    for (const char *extension : extensions)
        name.remove(QLatin1String(extension), Qt::CaseSensitive);
    return sessionsFolder + name;
}

void MainWindow::saveSessionFileAs()
{
    if (m_metaDataThread->isRunning()) {
        showMessageBox(QMessageBox::Warning, tr("Cannot load file"),
                       tr("Meta data extraction still running!<br />Please wait till processing is finished<br />"
                          "before creating a new session file."));
        return;
    }
    const QString proposal = proposedSessionPath(m_pathsManager->sessionsFolder(), m_pathsManager->lastFile());
    QString name = askSaveFileName(tr("Save Session As..."), proposal, {tr("Plectronome Session (*.pq)")}).path;
    if (name.isEmpty())
        return;
    // The name ends in the extension that the open dialog and the other ways in look for.
    if (QFileInfo(name).suffix() != QLatin1String("pq"))
        name += ".pq";
    const QString previous = m_pathsManager->sessionFile();
    m_pathsManager->setSessionFile(name);
    saveSessionFile();
    // A name that could not be written does not become the session file.
    if (m_confirmedSessionFile != name)
        m_pathsManager->setSessionFile(previous);
}

MainWindow::SaveFileChoice MainWindow::askSaveFileName(const QString &title, const QString &folder,
                                                       const QStringList &filters)
{
    if (m_saveDialogHook)
        return m_saveDialogHook(title, folder, filters);
    SaveFileChoice choice;
    choice.filter = filters.value(0);
    choice.path = QFileDialog::getSaveFileName(this, title, folder, filters.join(";;"), &choice.filter);
    return choice;
}

// ---- Loading -----------------------------------------------------------------------------

void MainWindow::loadSession()
{
    loadSession(false);
}

void MainWindow::loadSession(bool loadRecentSession)
{
    if (m_metaDataThread->isRunning()) {
        showMessageBox(QMessageBox::Warning, tr("Cannot load file"),
                       tr("Meta data extraction still running!<br />Please wait till processing is finished<br />"
                          "before loading a new session."));
        if (loadRecentSession)
            m_pathsManager->setSessionFile(m_confirmedSessionFile);
        return;
    }
    const QString name = loadRecentSession
                             ? m_pathsManager->sessionFile()
                             : askOpenFileName(tr("Load Session File"), m_pathsManager->sessionsFolder(),
                                               tr("Plectronome Session (*.pq)"));
    // The other ways in name the file before it is known to be a session: until it has
    // loaded, the session file stays the one last loaded or saved.
    if (!loadSessionFile(name))
        m_pathsManager->setSessionFile(m_confirmedSessionFile);
}

bool MainWindow::loadSessionFile(const QString &path)
{
    // Only a regular file: a FIFO would hold the window until someone writes to it, and a
    // device may never end.
    if (path.isEmpty())
        return false;
    SessionDocument session;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) ||
        file.size() > SessionDocument::maximumFileBytes ||
        !session.parse(file.read(SessionDocument::maximumFileBytes + 1))) {
        showMessageBox(QMessageBox::Warning, tr("Cannot load session"),
                       tr("This is not a session file that can be loaded:<br />%1").arg(path.toHtmlEscaped()));
        return false;
    }
    file.close();

    // The session's track: the one loaded stays as it is; another one is opened, and
    // when it does not open nothing of the session is applied.
    const QString audio = session.value("fileName");
    // A session that names no track applies to the one loaded; with none there is nothing
    // to restore it against.
    const bool namesTrack = session.hasValue("fileName") && !audio.trimmed().isEmpty();
    if (!namesTrack && !m_loaded)
        return false;
    const bool sameTrack = m_loaded && (!namesTrack || audio == m_pathsManager->lastFile());
    if (!sameTrack) {
        if (open(audio, false) != 0)
            return false;
        // The session, not its audio file, goes on top of the recent files.
        setRecentFiles(recentFiles().mid(1));
    }
    const bool relocated = !sameTrack && m_fileRelocated;

    m_pathsManager->setSessionFile(path);
    m_confirmedSessionFile = path;
    // Playback stops first: the player reads the riffs and the song while they are replaced.
    m_audioPlayer->stop(false);
    applySession(session);
    m_saveSessionAct->setEnabled(true);
    addRecentFile(path);
    holdRiffsAndSong();
    m_audioPlayer->setPlayPosition(sessionInt(session.value("playbackPos"), 0, 0, std::max(0, m_frameCount)));
    checkEnableAudioExport();
    checkSongLoopLength();
    // The user picked the audio file anew: the session keeps where it is now.
    if (relocated)
        saveSessionFile();
    return true;
}

// An empty riff shows its first-step marker (state 2 on beat 0), and sessions that save the
// labels as they are hold it with a riff length of nothing. A one-step riff on the very first
// beat reads the same: our own files mark the riffs that hold steps, and in a file without
// the mark the empty riff, by far the common case, wins.
static bool isEmptyRiffMarker(const SessionDocument::Riff &riff)
{
    if (riff.hasSteps || sessionInt(riff.lengthMax, 0, 0, SessionDocument::stepCount - 1) != 0)
        return false;
    const SessionDocument::Step &first = riff.steps[0];
    if (sessionInt(first.state, 0, 0, 3) != 2 || sessionInt(first.beat, -1, -1, INT_MAX) != 0)
        return false;
    for (int k = 1; k < SessionDocument::stepCount; ++k) {
        if (sessionInt(riff.steps[k].state, 0, 0, 3) != 0)
            return false;
    }
    return true;
}

void MainWindow::restoreRiffs(const SessionDocument &session)
{
    Plotter *plotter = m_waveBg->plotter();
    JamTab *jam = m_tabWidget->jamTab();
    for (int r = 0; r < SessionDocument::riffCount; ++r) {
        const SessionDocument::Riff &riff = session.riffs[r];
        BeatSelection *selection = plotter->beatSelection(r);
        selection->setLastStep(sessionInt(riff.lengthMax, 0, 0, SessionDocument::stepCount - 1));
        selection->setLoopLength(sessionInt(riff.length, 0, 0, SessionDocument::stepCount - 1));
        const bool emptyMarker = isEmptyRiffMarker(riff);
        for (int k = 0; k < SessionDocument::stepCount; ++k) {
            const SessionDocument::Step &step = riff.steps[k];
            // A step is set when its state says so, on any beat from 0 on; any other
            // step is empty in the session and is emptied here.
            const int state = emptyMarker ? 0 : sessionInt(step.state, 0, 0, 3);
            const int beat = sessionInt(step.beat, -1, -1, INT_MAX);
            selection->restoreStep(k, beat >= 0 ? state : 0, beat, sessionInt(step.startSample, 0, 0, INT_MAX),
                                   sessionInt(step.endSample, 0, 0, INT_MAX));
            float interp = float(sessionNumber(step.interp, 1.0, 0.5, 2.0));
            const float semitone = float(sessionNumber(step.semitone, 0.0, -12.0, 12.0));
            // The file keeps six digits of a step's factor, which the riff builder makes
            // from its semitones: one that agrees with them to those digits is theirs.
            const float ofSemitone = std::pow(2.0f, semitone / 12.0f);
            if (std::fabs(interp - ofSemitone) <= ofSemitone * 1.0e-5f)
                interp = ofSemitone;
            ContextPitchWidget *pitch = jam->stepMenu(r, k)->pitchWidget();
            pitch->setStepInterp(interp);
            pitch->setStepSemitone(semitone);
            selection->riff()->setStepInterp(interp, k);
        }
        selection->finishRestore();
    }
}

void MainWindow::applySession(const SessionDocument &session)
{
    Plotter *plotter = m_waveBg->plotter();
    JamTab *jam = m_tabWidget->jamTab();

    CustomButton *loop = m_transportWidget->loopButton();
    if (sessionInt(session.value("looped"), 0, 0, 1) != 0)
        loop->latch();
    else
        loop->unlatch();
    const int tab = sessionInt(session.value("currentTab"), -1, -1, 3);
    if (tab >= 0 && tab <= 2)
        m_tabWidget->tabButtons()->setButtonImage(tab);
    m_waveBg->scrollButton()->setValueFromSession(sessionInt(session.value("scrollButton"), 0, 0, 1) != 0);

    // The beats move with the beat offset before the riffs are placed on them (the riff
    // builder reads the offset the same way, so it finds it already set).
    bool offsetOk = false;
    const int offset = session.value("riffsTab/beatOffset").trimmed().toInt(&offsetOk);
    jam->beatOffsetKnob()->setValue(offsetOk && offset >= 0 && offset <= 99 ? offset : JamTab::beatOffsetDefault);
    restoreRiffs(session);
    const int riff = sessionInt(session.value("riffsTab/currentRiff"), 0, 0, SessionDocument::riffCount - 1);
    plotter->beatSelectionStack()->setCurrentIndex(riff);
    m_audioPlayer->setRiff(riff);
    const int riffPower = sessionInt(session.value("riffsTab/powerButton"), 0, 0, 1);
    plotter->switchSelectionWidget(riffPower);

    const auto values = [&session](const char *group, std::initializer_list<const char *> names) {
        QStringList list;
        for (const char *name : names)
            list << session.value(QString(group) + name);
        return list;
    };
    m_tabWidget->realTimeToolsTab()->restoreFromSession(
        values("toolsTab/tempo/", {"bpm", "knobValue", "mode", "state"}),
        values("toolsTab/pitch/", {"knobValue", "semitones", "fineTune", "state", "interp"}),
        values("toolsTab/sourceSep/",
               {"sepKnobValue", "widthKnobValue", "filterKnobValue", "azimuthValue", "hilo", "solo", "state"}));

    QStringList lengths;
    QStringList maxima;
    for (const SessionDocument::Riff &r : session.riffs) {
        lengths << r.length;
        maxima << r.lengthMax;
    }
    QStringList slotTexts;
    for (const QString &slot : session.songSlots)
        slotTexts << slot;
    // The riff builder gets the checked values, so that it shows the riff and power the strips use.
    jam->restoreSessionValues(QString::number(riffPower), QString::number(riff),
                              session.value("riffsTab/beatOffset"), lengths, maxima, session.songLength,
                              session.songLengthMax, slotTexts);
    // The step rows and loop bars show what each riff really holds after the checks.
    for (int r = 0; r < SessionDocument::riffCount; ++r) {
        BeatSelection *selection = plotter->beatSelection(r);
        jam->followRestoredRiff(r, selection->lastStep(), selection->loopLength() - 1);
    }

    m_tabWidget->chordsTab()->restoreSessionValues(values(
        "chordsTab/", {"openClosed", "neckType", "openContainerPos", "powerContainerPos", "finderChord", "capo"}));

    // The zoom: a factor that is not a finite positive number is the whole track.
    const double factor = sessionNumber(session.value("plot/zoomFactor"), 1.0, 0.0, 1.0e6);
    const QString factorText = factor > 0.0 ? real(factor) : QStringLiteral("1");
    const double centre = sessionNumber(session.value("plot/zoomCentrePos"), -1.0, 0.0, 1.0e9);
    plotter->restoreZoomFromSession({centre < 0.0 ? QString() : real(centre), factorText});
    PlotSelection *selection = plotter->plotSelection();
    // The selection turns its positions into samples at its own width, which follows the
    // zoom only while it is the page shown: with the riff strips shown it is sized here.
    selection->setGeometry(plotter->selectionStack()->contentsRect());
    selection->setZoomFactor(float(factorText.toDouble()));
    const int start = sessionInt(session.value("loopStart"), 0, 0, INT_MAX);
    const int end = sessionInt(session.value("loopEnd"), 0, 0, INT_MAX);
    // Nothing selected (a new track's selection) stays nothing, not a point on the first beat.
    if (start == 0 && end == 0) {
        selection->clearSelection();
        return;
    }
    selection->setStart(float(start));
    selection->setEnd(float(end));
}
