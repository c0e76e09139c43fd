// MainWindow: audio export. The processed track or its selection goes to WAV or MP3 block
// by block as the player renders it, with the progress bar in place of the waveform; the
// current riff and the song are rendered whole and written as WAV. Every export writes
// through ExportWriter, so a failed one leaves no file and tells the user why.
#include "app/mainwindow.h"

#include "app/pathsmanager.h"
#include "audio/audioplayer.h"
#include "audio/exportwriter.h"
#include "metadata/metadatathread.h"
#include "views/playback/wavebg.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileOpenEvent>

#include <algorithm>

namespace {

// The name a proposal starts from: the loaded file's name without its folder and its
// last extension ("take.one.mp3" gives "take.one").
QString exportBaseName(const QString &lastFile)
{
    return QFileInfo(lastFile).completeBaseName();
}

bool hasExtension(const QString &path, const char *extension)
{
    return QFileInfo(path).suffix().compare(QLatin1String(extension), Qt::CaseInsensitive) == 0;
}

// Shows the progress bar and text in place of the waveform for as long as it lives.
class ExportProgress
{
public:
    ExportProgress(WaveBg *waveBg, const QString &text) : m_waveBg(waveBg)
    {
        m_waveBg->clearProgressLabel();
        m_waveBg->setProgressLabelText(text);
        m_waveBg->plotter()->hide();
        m_waveBg->progressBar()->show();
        m_waveBg->progressBar()->updatePercentage(0);
        m_waveBg->repaint();
        m_waveBg->progressLabel()->repaint();
    }
    ~ExportProgress()
    {
        m_waveBg->progressBar()->updatePercentage(ProgressBar::upperLimit);
        m_waveBg->progressBar()->hide();
        m_waveBg->clearProgressLabel();
        m_waveBg->plotter()->show();
    }
    // Moves the bar on to done of total (at most once per whole per cent).
    void update(qint64 done, qint64 total)
    {
        if (total <= 0)
            return;
        const int percent = int(std::clamp<qint64>(done * 100 / total, 0, 98));
        if (percent > m_shown) {
            m_shown = percent;
            m_waveBg->progressBar()->updatePercentage(float(percent));
        }
    }

private:
    WaveBg *m_waveBg;
    int m_shown = 0;
};

// While a track export paints the window between its blocks, nothing may open a file
// or close the window under the render: for as long as it lives, drops are refused, and
// a request to open a file or to close the window waits until the export is done.
class ExportEventHold : public QObject
{
public:
    explicit ExportEventHold(QWidget *window) : m_window(window) { QCoreApplication::instance()->installEventFilter(this); }
    ~ExportEventHold() override
    {
        QCoreApplication::instance()->removeEventFilter(this);
        for (const QString &file : m_filesToOpen)
            QCoreApplication::postEvent(QCoreApplication::instance(), new QFileOpenEvent(file));
        if (m_closeAsked)
            QMetaObject::invokeMethod(m_window, "close", Qt::QueuedConnection);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            event->ignore();
            return true;
        case QEvent::FileOpen:
            m_filesToOpen << static_cast<QFileOpenEvent *>(event)->file();
            return true;
        case QEvent::Close:
            if (watched != m_window)
                return false;
            m_closeAsked = true;
            event->ignore();
            return true;
        default:
            return false;
        }
    }

private:
    QWidget *m_window;
    QStringList m_filesToOpen;
    bool m_closeAsked = false;
};

} // namespace

MainWindow::ExportTarget MainWindow::askExportTarget(const QString &title, const QString &proposal, bool offerMp3)
{
    QDir().mkpath(QFileInfo(proposal).absolutePath());
    const QString mp3Filter = QStringLiteral("MP3 (*.mp3)");
    // The riff and song dialogs offer WAV alone and name it in lower case.
    const QString wavFilter = offerMp3 ? QStringLiteral("WAV (*.wav)") : QStringLiteral("wav (*.wav)");
    QStringList filters;
    if (offerMp3 && !ExportWriter::encoderProgram().isEmpty())
        filters << mp3Filter;
    filters << wavFilter;
    const SaveFileChoice choice = askSaveFileName(title, proposal, filters);
    ExportTarget target;
    if (choice.path.isEmpty())
        return target;
    // The export holds the event loop: the window shows itself again where the dialog was.
    repaint();

    // The name's own extension decides; without one, the chosen filter's is added.
    QString path = choice.path;
    if (hasExtension(path, "mp3") && offerMp3) {
        target.mp3 = true;
    } else if (!hasExtension(path, "wav")) {
        target.mp3 = offerMp3 && choice.filter == mp3Filter;
        path += target.mp3 ? ".mp3" : ".wav";
        // The dialog asked about the name typed, not this one.
        if (QFileInfo::exists(path)
            && showMessageBox(QMessageBox::Warning, title,
                              tr("%1 already exists.<br />Do you want to replace it?")
                                  .arg(QFileInfo(path).fileName().toHtmlEscaped()),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                   != QMessageBox::Yes)
            return target;
    }
    target.path = path;
    return target;
}

void MainWindow::reportExportError(const ExportWriter &writer)
{
    const QString name = writer.path().toHtmlEscaped();
    const QString detail = writer.errorDetail().toHtmlEscaped();
    QString text;
    switch (writer.error()) {
    case ExportWriter::NoError:
        return;
    case ExportWriter::CannotCreate:
        text = tr("The file %1 cannot be created:<br />%2").arg(name, detail);
        break;
    case ExportWriter::EncoderMissing:
        text = tr("The MP3 encoder \"lame\" could not be started.<br />Please install the package lame, "
                  "or save the audio as WAV.");
        break;
    case ExportWriter::EncoderFailed:
        text = tr("The MP3 encoder stopped with an error:<br />%1<br />Nothing was saved.").arg(detail);
        break;
    case ExportWriter::WriteFailed:
        text = tr("Writing %1 failed:<br />%2<br />Nothing was saved.").arg(name, detail);
        break;
    case ExportWriter::RenameFailed:
        text = tr("The finished audio could not be saved as %1:<br />%2<br />Nothing was saved.").arg(name, detail);
        break;
    case ExportWriter::ReadOnlyTarget:
        text = tr("%1 is write-protected and was not replaced.<br />Nothing was saved.").arg(name);
        break;
    }
    showMessageBox(QMessageBox::Warning, tr("Cannot save audio"), text);
}

bool MainWindow::exportWaitsForAnalysis()
{
    if (!m_metaDataThread->isRunning())
        return false;
    showMessageBox(QMessageBox::Warning, tr("Cannot save audio"),
                   tr("Meta data extraction still running!<br />Please wait till processing is finished<br />"
                      "before saving audio."));
    return true;
}

void MainWindow::exportAudioMP3()
{
    exportAudioMP3(false);
}

void MainWindow::exportSelection()
{
    exportAudioMP3(true);
}

void MainWindow::exportAudioMP3(bool selection)
{
    // The keyboard command reaches this without a track, or with nothing selected.
    if (!m_loaded || !m_audioPlayer->hasTrack() || exportWaitsForAnalysis())
        return;
    PlotSelection *plotSelection = m_waveBg->plotter()->plotSelection();
    const int length = m_audioPlayer->trackLength();
    int start = 0;
    int end = length;
    if (selection) {
        start = plotSelection->startSample();
        end = std::min(plotSelection->endSample(), length);
        if (start < 0 || end <= start)
            return;
    }

    const QString base = exportBaseName(m_pathsManager->lastFile());
    const QString proposal =
        m_pathsManager->saveLocation() + "/songs/" + base + (selection ? "_SELECTION" : "_PROCESSED");
    const ExportTarget target =
        askExportTarget(selection ? tr("Save Audio Selection") : tr("Save Audio"), proposal, true);
    if (target.path.isEmpty())
        return;

    ExportWriter writer(target.path, target.mp3 ? ExportWriter::Mp3 : ExportWriter::Wav, m_audioPlayer->sampleRate());
    if (!writer.start()) {
        reportExportError(writer);
        return;
    }
    // The window stays painted, its progress bar moving, while the export renders and
    // while an encoder is slow to take the audio.
    writer.setWaitHandler([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    m_audioPlayer->startExportRender(start, end);
    bool wroteAudio = false;
    {
        ExportEventHold hold(this);
        ExportProgress progress(m_waveBg, tr("Saving Audio | %1").arg(base));
        while (m_audioPlayer->renderExportBlock() == 0) {
            const QVector<float> &left = m_audioPlayer->exportBlockLeft();
            const QVector<float> &right = m_audioPlayer->exportBlockRight();
            if (!writer.write(left.constData(), right.constData(), std::min(left.size(), right.size())))
                break;
            wroteAudio = true;
            progress.update(m_audioPlayer->playPosition() - start, end - start);
        }
        m_audioPlayer->endExportRender();
        // An empty range renders nothing: no file for it.
        if (wroteAudio)
            writer.finish();
        else
            writer.discard();
    }
    if (!wroteAudio && writer.error() == ExportWriter::NoError) {
        showMessageBox(QMessageBox::Warning, tr("Cannot save audio"),
                       tr("There is no audio to save in this part of the track."));
        return;
    }
    reportExportError(writer);
}

bool MainWindow::writeRenderedAudio(ExportWriter &writer, const QVector<float> &left, const QVector<float> &right)
{
    if (!writer.start())
        return false;
    const int frames = std::min(left.size(), right.size());
    for (int at = 0; at < frames; at += AudioPlayer::blockFrames) {
        if (!writer.write(left.constData() + at, right.constData() + at, std::min(AudioPlayer::blockFrames, frames - at)))
            break;
    }
    return writer.finish();
}

void MainWindow::exportRiffWav()
{
    if (!m_loaded || !m_audioPlayer->hasTrack() || exportWaitsForAnalysis())
        return;
    // Riffs go to the folder kept for them.
    const QString proposal =
        m_pathsManager->saveLocation() + "/riffs/" + exportBaseName(m_pathsManager->lastFile()) + "_RIFF_EDIT";
    const ExportTarget target = askExportTarget(tr("Export riff wav..."), proposal, false);
    if (target.path.isEmpty())
        return;
    if (m_audioPlayer->renderRiff() <= 0) {
        showMessageBox(QMessageBox::Information, tr("Cannot save audio"),
                       tr("The current riff has no steps.<br />Nothing was saved."));
        return;
    }
    ExportWriter writer(target.path, ExportWriter::Wav, m_audioPlayer->sampleRate());
    writeRenderedAudio(writer, m_audioPlayer->riffRenderLeft(), m_audioPlayer->riffRenderRight());
    reportExportError(writer);
}

void MainWindow::exportSongWav()
{
    if (!m_loaded || !m_audioPlayer->hasTrack() || exportWaitsForAnalysis())
        return;
    const QString proposal =
        m_pathsManager->saveLocation() + "/songs/" + exportBaseName(m_pathsManager->lastFile()) + "_SONG_EDIT";
    const ExportTarget target = askExportTarget(tr("Export song wav..."), proposal, false);
    if (target.path.isEmpty())
        return;
    ExportWriter writer(target.path, ExportWriter::Wav, m_audioPlayer->sampleRate());
    int frames = 0;
    {
        ExportProgress progress(m_waveBg, tr("Saving Song | %1").arg(QFileInfo(target.path).completeBaseName()));
        frames = m_audioPlayer->renderSong();
        if (frames > 0)
            writeRenderedAudio(writer, m_audioPlayer->songRenderLeft(), m_audioPlayer->songRenderRight());
    }
    if (frames <= 0)
        showMessageBox(QMessageBox::Information, tr("Cannot save audio"),
                       tr("The song has no riffs.<br />Nothing was saved."));
    else
        reportExportError(writer);
}
