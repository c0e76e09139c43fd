// MainWindow: opening audio files (dialog, CD tracks, command line, drag and drop, file-open
// events), decoding them into the track's sample arrays, the recent-files menu, the one-time
// conversion of old plain analysis-cache files, and the window's questions to the user.
#include "app/mainwindow.h"

#include "app/datafolder.h"
#include "app/pathsmanager.h"
#include "app/tabwidget.h"
#include "audio/audioplayer.h"
#include "audio/layer/audiolayer.h"
#include "metadata/analysiscache.h"
#include "metadata/metadatathread.h"
#include "views/playback/transportwidget.h"
#include "views/playback/wavebg.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QStandardPaths>
#include <QStorageInfo>

#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace {

QString audioFileFilter()
{
    return MainWindow::tr("All types (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;"
                          "WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;"
                          "M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)");
}

QString fileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

// A track read from an audio CD: a ".cda" name, or a file of a gvfs cdda mount. Such
// tracks have no unique file names, so they get no analysis cache.
bool isCdTrackPath(const QString &path)
{
    return path.endsWith(".cda", Qt::CaseInsensitive) || path.contains("/cdda:");
}

// Reports a failed audio-layer call on standard output. Unlike showBassError it frees
// no device: while decoding, the current device may be the player's output.
void printLayerError(const char *message)
{
    std::printf("Error(%d): %s<br />", audiolayer::lastError(), message);
    std::fflush(stdout);
}

// The track's sample arrays while they are being filled: grown as frames arrive, so
// the count is whatever the decoder really delivers, and released on every early return.
class GrowingSamples
{
public:
    explicit GrowingSamples(bool stereo) : m_stereo(stereo) {}

    qint64 capacity() const { return m_capacity; }

    // Makes room for at least frames frames, copying what is there. False when the
    // memory cannot be had.
    bool reserve(qint64 frames)
    {
        if (frames <= m_capacity)
            return true;
        std::unique_ptr<float[]> left(new (std::nothrow) float[size_t(frames)]);
        std::unique_ptr<float[]> right;
        if (!left)
            return false;
        if (m_stereo) {
            right.reset(new (std::nothrow) float[size_t(frames)]);
            if (!right)
                return false;
        }
        if (m_count > 0) {
            std::memcpy(left.get(), m_left.get(), size_t(m_count) * sizeof(float));
            if (m_stereo)
                std::memcpy(right.get(), m_right.get(), size_t(m_count) * sizeof(float));
        }
        m_left = std::move(left);
        m_right = std::move(right);
        m_capacity = frames;
        return true;
    }

    // De-interleaves frames of one or two channels at the end. The caller reserved room.
    void append(const float *interleaved, qint64 frames)
    {
        float *l = m_left.get() + m_count;
        if (m_stereo) {
            float *r = m_right.get() + m_count;
            for (qint64 i = 0; i < frames; ++i) {
                l[i] = interleaved[2 * i];
                r[i] = interleaved[2 * i + 1];
            }
        } else {
            std::memcpy(l, interleaved, size_t(frames) * sizeof(float));
        }
        m_count += frames;
    }

    qint64 count() const { return m_count; }

    // Hands over the arrays; for mono the right array becomes a copy of the left.
    bool release(float **left, float **right)
    {
        if (!m_stereo) {
            m_right.reset(new (std::nothrow) float[size_t(std::max<qint64>(m_count, 1))]);
            if (!m_right)
                return false;
            std::memcpy(m_right.get(), m_left.get(), size_t(m_count) * sizeof(float));
        }
        *left = m_left.release();
        *right = m_right.release();
        return true;
    }

private:
    bool m_stereo;
    qint64 m_capacity = 0;
    qint64 m_count = 0;
    std::unique_ptr<float[]> m_left;
    std::unique_ptr<float[]> m_right;
};

// Releases the decoding stream and the no-sound device on every way out.
class DecodeSession
{
public:
    DecodeSession() = default;
    ~DecodeSession() { close(); }
    void setStream(audiolayer::Handle stream) { m_stream = stream; }
    void setDeviceOpen(bool open) { m_deviceOpen = open; }
    void close()
    {
        if (m_stream)
            audiolayer::freeStream(m_stream);
        m_stream = 0;
        if (m_deviceOpen)
            audiolayer::freeDevice();
        m_deviceOpen = false;
    }

private:
    audiolayer::Handle m_stream = 0;
    bool m_deviceOpen = false;
};

} // namespace

// ---- Opening -------------------------------------------------------------------------

int MainWindow::open()
{
    return open(QString(), false);
}

int MainWindow::open(const QString &fn)
{
    return open(fn, false);
}

int MainWindow::open(const QString &fn, bool isCDTrack)
{
    if (m_metaDataThread->isRunning()) {
        showMessageBox(QMessageBox::Warning, tr("Cannot load file"),
                       tr("Meta data extraction still running!<br />Please wait till processing is finished<br />"
                          "before loading a new file."));
        return 1;
    }

    m_fileRelocated = false;
    // The last file is the track loaded: it changes only once a file has opened. A file
    // picked in the dialog only moves the dialog's next start there.
    const QString folder = m_pathsManager->openDialogFolder();
    QString name = fn;
    if (name.isEmpty()) {
        name = askOpenFileName(tr("Open Audio File"), folder, audioFileFilter());
        if (!name.isEmpty())
            m_pathsManager->setPreviousFolder(QFileInfo(name).absolutePath());
    }
    if (name.isEmpty())
        return 1;

    if (!QFileInfo::exists(name)) {
        const QMessageBox::StandardButton answer =
            showMessageBox(QMessageBox::Question, tr("File not found!"),
                           tr("Audio file could not be located<br />Do you want to manually select an audio file?"),
                           QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Ok)
            return 1;
        name = askOpenFileName(tr("Open Audio File"), folder, audioFileFilter());
        if (name.isEmpty())
            return 1;
        m_pathsManager->setPreviousFolder(QFileInfo(name).absolutePath());
        m_fileRelocated = true;
    }

    // What the decoder cannot even start on is refused while the loaded track, its riffs,
    // its song and its session stay as they are.
    const int openable = checkDecodable(name);
    if (openable != DecodeOk) {
        showMessageBox(QMessageBox::Warning, tr("Cannot load file"), decodeFailureText(openable));
        return -1;
    }

    // The file decodes into arrays of its own: the loaded track, its riffs, its song and its
    // session stay as they are until the new track is whole, and a refusal costs nothing.
    // Playback stops for the decoding; a refusal puts the play position back where it was.
    const int playedTo = m_audioPlayer->playPosition();
    if (m_audioPlayer->isPlaying())
        m_audioPlayer->stop(false);
    Plotter *plotter = m_waveBg->plotter();
    QWidget *const trackViews[] = {plotter, m_waveBg->smallPlot(), m_waveBg->smallPlotPlayMarker()};
    bool shown[3];
    for (int i = 0; i < 3; ++i) {
        shown[i] = !trackViews[i]->isHidden();
        trackViews[i]->hide();
    }
    // Decoding holds the event loop: the window shows the decoding where the waveform was.
    repaint();

    DecodedTrack track;
    const int result = decodeTrack(name, track);
    if (result != DecodeOk) {
        // The bar and the text of the decode go away; the loaded track shows again.
        m_waveBg->progressBar()->updatePercentage(ProgressBar::upperLimit);
        m_waveBg->clearProgressLabel();
        for (int i = 0; i < 3; ++i)
            trackViews[i]->setVisible(shown[i]);
        m_audioPlayer->setPlayPosition(playedTo);
        showMessageBox(QMessageBox::Warning, tr("Cannot load file"), decodeFailureText(result));
        return -1;
    }

    // Only now is the loaded track let go.
    releaseTrack();
    setWindowTitle(m_title);
    resetForNewFile();
    m_waveBg->scrollButton()->setValueFromSession(true);
    setTrackActionsEnabled(false);
    installTrack(track);
    m_pathsManager->setLastFile(name);

    const QString label = trackLabel(m_tags, name);
    m_waveBg->setProgressLabelText(tr("Drawing Waveform | %1").arg(label));
    if (m_loaded) {
        plotter->setWaveform(m_leftSamples, m_rightSamples, m_frameCount, m_stereo);
        m_waveBg->clearProgressLabel();
        plotter->show();
        m_waveBg->smallPlot()->show();
        m_transportWidget->setDuration(m_frameCount);
    }
    setWindowTitle(QString("%1 | %2").arg(m_title, label));

    // CD tracks have no file name of their own to key a cache file on.
    const bool cdTrack = isCDTrack || isCdTrackPath(name);
    const QString cachePath = cdTrack ? QString() : analysisCachePath(dataFolderPath, name);
    m_metaDataThread->setFileNames(cachePath, name);
    AnalysisCacheContents cached;
    if (!cachePath.isEmpty() && QFileInfo::exists(cachePath) && readAnalysisCache(cachePath, name, m_frameCount, cached)) {
        m_metaDataThread->metaData()->loadFromSession(cached.beats, cached.chords, cached.detected, cached.tempo,
                                                      cached.fileName);
    } else {
        m_metaDataThread->setSamples(m_leftSamples, m_rightSamples, m_frameCount, m_stereo, m_sampleRate);
        m_metaDataThread->start(QThread::InheritPriority);
        ProcessingLabel *processing = plotter->processingLabel();
        processing->show();
        processing->dotTimer()->start();
    }

    setTrackActionsEnabled(true);
    addRecentFile(name);
    // A new track starts with empty riffs and song: nothing of them is unsaved yet.
    holdRiffsAndSong();
    checkSongLoopLength();
    m_audioPlayer->setFilterKnob(19);
    return 0;
}

void MainWindow::openCD()
{
    QString folder = findAudioCdFolder(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/gvfs");
    if (folder.isEmpty())
        folder = removableMediaFolder();
    const QString name = askOpenFileName(tr("Open CD Track"), folder,
                                         tr("CD tracks (*.wav *.flac *.cda);;") + audioFileFilter());
    if (!name.isEmpty())
        open(name, true);
}

QString MainWindow::findAudioCdFolder(const QString &gvfsFolder)
{
    // A desktop's CD mount: gvfs exposes the tracks of an audio CD as WAV files.
    const QFileInfoList mounts =
        QDir(gvfsFolder).entryInfoList(QStringList() << "cdda:*", QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    if (!mounts.isEmpty())
        return mounts.first().absoluteFilePath();
    // A mounted optical drive (a data disc, or an audio CD through a track file system).
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QByteArray device = volume.device();
        const QByteArray type = volume.fileSystemType();
        if (!volume.isValid() || !volume.isReady())
            continue;
        if (device.startsWith("/dev/sr") || device.startsWith("/dev/cdrom") || type == "iso9660" || type == "udf"
            || type == "cdfs" || type.contains("cddfs"))
            return volume.rootPath();
    }
    return QString();
}

QString MainWindow::removableMediaFolder()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = QDir::home().dirName();
    if (!user.isEmpty()) {
        for (const char *root : {"/media/", "/run/media/"}) {
            const QString folder = QString::fromLatin1(root) + user;
            if (QFileInfo(folder).isDir())
                return folder;
        }
    }
    return QDir::homePath();
}

// ---- Decoding ----------------------------------------------------------------------------

int MainWindow::checkDecodable(const QString &path)
{
    // Reading a FIFO blocks, and a folder or a device is no sound file.
    if (!QFileInfo(path).isFile())
        return DecodeFailed;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return DecodeFailed;
    file.close();
    const audiolayer::Handle probe = audiolayer::openFile(path.toUtf8().toStdString());
    if (!probe) {
        const int error = audiolayer::lastError();
        printLayerError("file not loaded");
        return error == audiolayer::ErrorSampleRate ? DecodeUnsupportedRate : DecodeFailed;
    }
    // A length the file states beyond what a track may hold is known before decoding.
    const bool tooLarge = audiolayer::announcedFrames(probe) > maximumFrames;
    audiolayer::freeStream(probe);
    return tooLarge ? DecodeTooLarge : DecodeOk;
}

QString MainWindow::decodeFailureText(int result)
{
    if (result == DecodeTooSmall)
        return tr("File too small!<br />Please choose another file.");
    if (result == DecodeTooLarge)
        return tr("File too large!<br />Please choose another file.");
    if (result == DecodeUnsupportedRate)
        return tr("The sample rate of this file is not supported!<br />"
                  "Please choose a file recorded at %1 kHz to %2 kHz.")
            .arg(audiolayer::minimumSampleRate / 1000)
            .arg(audiolayer::maximumSampleRate / 1000);
    return tr("Please select a different audio file.");
}

int MainWindow::decodeAudioFile(const QString &path)
{
    DecodedTrack track;
    const int result = decodeTrack(path, track);
    if (result == DecodeOk) {
        releaseTrack();
        installTrack(track);
    }
    return result;
}

int MainWindow::decodeTrack(const QString &path, DecodedTrack &track)
{
    if (!audiolayer::versionMatches())
        return DecodeFailed;
    DecodeSession session;
    audiolayer::setOption(audiolayer::Option::UpdatePeriodMs, 0);
    if (audiolayer::initDevice(audiolayer::kNoSoundDevice, 44100))
        session.setDeviceOpen(true);
    else
        printLayerError("Can't initialize device");

    const audiolayer::Handle stream = audiolayer::openFile(path.toUtf8().toStdString());
    if (!stream) {
        const int error = audiolayer::lastError();
        printLayerError("file not loaded");
        return error == audiolayer::ErrorSampleRate ? DecodeUnsupportedRate : DecodeFailed;
    }
    session.setStream(stream);

    audiolayer::StreamInfo info;
    if (!audiolayer::streamInfo(stream, &info) || info.channels < 1 || info.sampleRate <= 0)
        return DecodeFailed;
    // Another channel count keeps what the loaded track had.
    const bool stereo = info.channels == 2 || (info.channels != 1 && m_stereo);
    const int channels = info.channels == 1 ? 1 : 2;
    const qint64 expected = audiolayer::lengthFrames(stream);

    QStringList tags = QStringList() << QString() << QString() << QString();
    TagLib::FileRef ref(QFile::encodeName(path).constData(), true, TagLib::AudioProperties::Average);
    if (!ref.isNull() && ref.tag()) {
        const TagLib::Tag *tag = ref.tag();
        tags = QStringList() << QString::fromStdWString(tag->title().toWString())
                             << QString::fromStdWString(tag->artist().toWString())
                             << QString::fromStdWString(tag->album().toWString());
    }
    m_waveBg->setProgressLabelText(tr("Decoding Audio | %1").arg(trackLabel(tags, path)));
    m_waveBg->progressLabel()->repaint();

    // Room for the expected length and a little more; grown when the decoder delivers more.
    GrowingSamples samples(stereo);
    // A header may promise far more than the file holds: at most 20 minutes up front.
    const qint64 firstCapacity =
        expected > 0 ? std::min<qint64>({expected + expected / 64 + 8192, qint64(info.sampleRate) * 1200,
                                         qint64(maximumFrames)})
                     : qint64(1) << 20;
    if (!samples.reserve(firstCapacity))
        return DecodeTooLarge;

    const int blockBytes = 20000;
    const int frameBytes = channels * int(sizeof(float));
    std::vector<float> block(size_t(blockBytes / sizeof(float)));
    ProgressBar *progress = m_waveBg->progressBar();
    int shown = 0;
    while (audiolayer::activity(stream) != audiolayer::Activity::Stopped) {
        const int bytes = audiolayer::readFloats(stream, block.data(), blockBytes);
        if (bytes <= 0)
            break;
        const qint64 frames = bytes / frameBytes;
        const qint64 needed = samples.count() + frames;
        if (needed > maximumFrames)
            return DecodeTooLarge;
        if (needed > samples.capacity()
            && !samples.reserve(std::min<qint64>(std::max(needed, samples.capacity() * 3 / 2), maximumFrames)))
            return DecodeTooLarge;
        if (expected > 0) {
            const float percent = std::min(100.0f, float(samples.count()) / float(expected) * 100.0f);
            while (percent > shown + 1) {
                progress->updatePercentage(shown);
                ++shown;
            }
        }
        samples.append(block.data(), frames);
    }

    if (samples.count() < minimumFrames)
        return DecodeTooSmall;
    float *left = nullptr;
    float *right = nullptr;
    if (!samples.release(&left, &right))
        return DecodeTooLarge;
    session.close();

    track.left.reset(left);
    track.right.reset(right);
    track.frames = int(samples.count());
    track.sampleRate = info.sampleRate;
    track.channels = channels;
    track.stereo = stereo;
    track.tags = tags;
    return DecodeOk;
}

void MainWindow::releaseTrack()
{
    // The player lets go of the arrays before they are freed.
    m_audioPlayer->clearAudioData();
    freeSampleBuffers();
    m_frameCount = 0;
}

void MainWindow::installTrack(DecodedTrack &track)
{
    m_leftSamples = track.left.release();
    m_rightSamples = track.right.release();
    m_frameCount = track.frames;
    m_sampleRate = track.sampleRate;
    m_channelCount = track.channels;
    m_stereo = track.stereo;
    m_tags = track.tags;
    m_loaded = true;

    m_audioPlayer->setAudioData(m_leftSamples, m_rightSamples, m_channelCount, m_frameCount, m_sampleRate);
    // The player starts a track with its own isolate defaults: it takes the controls' again.
    m_tabWidget->realTimeToolsTab()->sendToolSettings();
    m_transportWidget->setSampleRate(m_sampleRate);
    m_audioPlayer->start(QThread::InheritPriority);
}

void MainWindow::resetForNewFile()
{
    m_metaDataThread->metaData()->clear();
    m_metaDataThread->initChordFilter();
    m_tabWidget->resetTabs();
    m_audioPlayer->setRiff(0);
    m_audioPlayer->setFilterKnob(19);
    m_waveBg->plotter()->chordsStrip()->deleteChordLabels();
}

QString MainWindow::trackLabel(const QStringList &tags, const QString &path)
{
    const QString title = tags.value(0);
    const QString artist = tags.value(1);
    if (!title.isEmpty() || !artist.isEmpty())
        return QString("%1 - %2").arg(artist, title);
    return fileNameOf(path);
}

void MainWindow::setTrackActionsEnabled(bool loaded)
{
    // A new track may be saved as a session under a new name and exported whole; its
    // selection, riffs and song start empty, and no session file belongs to it yet.
    for (QAction *action : {m_saveSessionAsAct, m_exportAudioAct}) {
        if (action)
            action->setEnabled(loaded);
    }
    for (QAction *action : {m_saveSessionAct, m_exportSelectionAct, m_exportSongAct, m_exportRiffAct}) {
        if (action)
            action->setEnabled(false);
    }
}

// ---- Recent files ------------------------------------------------------------------------

QMenu *MainWindow::recentFilesMenu()
{
    if (!m_recentFilesMenu) {
        m_recentFilesMenu = new QMenu(tr("Recent files"), this);
        m_recentFilesMenu->setEnabled(false);
    }
    return m_recentFilesMenu;
}

QStringList MainWindow::recentFiles() const
{
    QStringList paths;
    if (!m_recentFilesMenu)
        return paths;
    const QString clear = tr("Clear Recent");
    const QString clearMenu = tr("&Clear Recent");
    for (QAction *action : m_recentFilesMenu->actions()) {
        // Each entry keeps its path as data; its text only shows it ("&" doubled).
        const QString text = action->data().toString();
        if (text.isEmpty() || action->isSeparator() || text.contains(clear) || text.contains(clearMenu))
            continue;
        paths << text;
    }
    return paths;
}

void MainWindow::setRecentFiles(const QStringList &paths)
{
    QMenu *menu = recentFilesMenu();
    // The entries go later, not at once: this may run inside one of their own triggered().
    const QList<QAction *> old = menu->actions();
    for (QAction *action : old) {
        menu->removeAction(action);
        if (action->parent() == menu || action->parent() == this)
            action->deleteLater();
    }

    const QString clear = tr("Clear Recent");
    const QString clearMenu = tr("&Clear Recent");
    QStringList kept;
    for (const QString &path : paths) {
        const QString translated = tr(path.toUtf8().constData());
        if (path.isEmpty() || translated.isEmpty() || translated == clear || translated == clearMenu
            || kept.contains(path))
            continue;
        kept << path;
        if (kept.size() == maximumRecentFiles)
            break;
    }
    for (const QString &path : kept) {
        auto *entry = new QAction(QString(path).replace('&', "&&"), menu);
        entry->setData(path);
        menu->addAction(entry);
    }
    menu->setEnabled(!kept.isEmpty());
    if (kept.isEmpty())
        return;
    auto *clearAction = new QAction(tr("&Clear Recent"), this);
    connect(clearAction, SIGNAL(triggered()), this, SLOT(clearRecent()));
    menu->addSeparator();
    menu->addAction(clearAction);
}

void MainWindow::loadRecent(QAction *recent)
{
    if (recent)
        openPath(recent->data().toString(), false);
}

void MainWindow::addRecentFile(const QString &path)
{
    if (path.isEmpty())
        return;
    QStringList paths = recentFiles();
    paths.removeAll(path);
    paths.prepend(path);
    setRecentFiles(paths);
}

void MainWindow::clearRecent()
{
    setRecentFiles(QStringList());
}

// ---- Other ways in -------------------------------------------------------------------------

MainWindow::FileKind MainWindow::fileKind(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const int dot = name.lastIndexOf('.');
    if (dot < 0)
        return UnsupportedFile;
    const QString extension = name.mid(dot + 1).toLower();
    static const QStringList audio = {"wav", "ogg", "mp3", "flac", "wma", "m4a", "mp4", "aac", "aiff", "aif", "cda"};
    if (audio.contains(extension))
        return AudioFile;
    if (extension == QLatin1String("pq"))
        return SessionFile;
    return UnsupportedFile;
}

QString MainWindow::commandLineName(const QStringList &arguments)
{
    QString name;
    for (int i = 1; i < arguments.size(); ++i) {
        name += arguments.at(i);
        // A dot in a folder's name ("v1.2/My" "Song.mp3") does not end the name.
        if (QFileInfo(arguments.at(i)).fileName().contains('.'))
            break;
        if (i + 1 < arguments.size())
            name += ' ';
    }
    return name;
}

bool MainWindow::openPath(const QString &path, bool tellUnsupported)
{
    if (path.isEmpty())
        return false;
    switch (fileKind(path)) {
    case AudioFile:
        return open(path, false) == 0;
    case SessionFile:
        loadSessionPath(path);
        return true;
    case UnsupportedFile:
        break;
    }
    if (tellUnsupported)
        showMessageBox(QMessageBox::Information, tr("Cannot load file"),
                       tr("Selected file is not supported.<br />Please choose a file with one of the following "
                          "extensions:<br />.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq"));
    return false;
}

void MainWindow::openPathLater(const QString &path, bool tellUnsupported)
{
    QTimer::singleShot(0, this, [this, path, tellUnsupported]() { openPath(path, tellUnsupported); });
}

void MainWindow::loadSessionPath(const QString &path)
{
    m_pathsManager->setSessionFile(path);
    loadSession(true);
}

void MainWindow::delayedLoad()
{
    const QString name = commandLineName(m_commandLine);
    if (!name.isEmpty())
        openPath(QFileInfo(name).absoluteFilePath(), true);
}

QStringList MainWindow::draggedFiles(const QMimeData *mime)
{
    QStringList files;
    if (!mime || !mime->hasUrls())
        return files;
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            files << url.toLocalFile();
    }
    return files;
}

namespace {
// A drag is welcome when one of its files can be opened.
void answerDrag(QDragMoveEvent *event)
{
    for (const QString &file : MainWindow::draggedFiles(event->mimeData())) {
        if (MainWindow::fileKind(file) != MainWindow::UnsupportedFile) {
            event->acceptProposedAction();
            return;
        }
    }
    event->ignore();
}
} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    answerDrag(event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent *event)
{
    answerDrag(event);
}

void MainWindow::dragLeaveEvent(QDragLeaveEvent *event)
{
    event->accept();
    unsetCursor();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    // One track is loaded at a time (and a second open would wait for the analysis):
    // the first file of the drop that opens is, once the drop has ended.
    QStringList files;
    for (const QString &file : draggedFiles(event->mimeData())) {
        if (fileKind(file) != UnsupportedFile)
            files << file;
    }
    if (!files.isEmpty()) {
        event->acceptProposedAction();
        QTimer::singleShot(0, this, [this, files] { openFirstDropped(files); });
    }
    unsetCursor();
}

void MainWindow::openFirstDropped(const QStringList &files)
{
    QStringList missing;
    for (const QString &file : files) {
        // A name that is no file (any more) is passed over for the next one.
        if (!QFileInfo(file).isFile()) {
            missing << file.toHtmlEscaped();
            continue;
        }
        if (fileKind(file) == SessionFile) {
            loadSessionPath(file);
            return;
        }
        // A track that does not decode has been told about: the next one is tried. One
        // that loaded, or an open refused while an analysis runs, ends the drop.
        if (open(file, false) != -1)
            return;
    }
    if (missing.size() == files.size())
        showMessageBox(QMessageBox::Warning, tr("File not found!"),
                       tr("None of the dropped files could be found:<br />%1").arg(missing.mid(0, 5).join("<br />")));
}

void MainWindow::scanMetadataFolder()
{
    convertPlainCacheFiles(dataFolderPath);
}

int MainWindow::convertPlainCacheFiles(const QString &dataFolder)
{
    int converted = 0;
    const QFileInfoList entries = QDir(dataFolder + "/metadata").entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        // The same limits as reading a cache: a regular file of a sane size.
        if (!entry.fileName().endsWith(".pqm") || !entry.isFile() || entry.isSymLink()
            || entry.size() > maximumCacheFileBytes)
            continue;
        QFile file(entry.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        // An enciphered file is base64 text and never starts like a plain one.
        if (!file.peek(10).startsWith("fileName: "))
            continue;
        const QByteArray plain = file.read(maximumCacheFileBytes + 1).trimmed();
        file.close();
        AnalysisCacheContents contents;
        if (!parseAnalysisCacheText(QString::fromUtf8(plain), contents))
            continue;
        if (writeAnalysisCache(entry.filePath(), plain))
            ++converted;
    }
    return converted;
}

// ---- Questions and warnings ------------------------------------------------------------------

QMessageBox::StandardButton MainWindow::showMessageBox(QMessageBox::Icon icon, const QString &title,
                                                       const QString &text, QMessageBox::StandardButtons buttons,
                                                       QMessageBox::StandardButton defaultButton)
{
    if (m_messageBoxHook)
        return m_messageBoxHook(icon, title, text, buttons, defaultButton);
    QMessageBox box(icon, title, text, buttons, this);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

QString MainWindow::askOpenFileName(const QString &title, const QString &folder, const QString &filter)
{
    if (m_fileDialogHook)
        return m_fileDialogHook(title, folder, filter);
    // A folder that does not exist (a music folder never made) would end up as the file
    // name in the dialog: start in its nearest existing parent instead.
    QString start = folder;
    while (!start.isEmpty() && !QFileInfo(start).isDir()) {
        const QString parent = QFileInfo(start).absolutePath();
        start = parent == start ? QString() : parent;
    }
    return QFileDialog::getOpenFileName(this, title, start, filter);
}
