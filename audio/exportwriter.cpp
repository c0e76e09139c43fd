#include "audio/exportwriter.h"

#include "audio/layer/wavencoder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int kEncoderStartMs = 10000;
// While lame is waited for, the wait handler runs this often.
constexpr int kWaitSliceMs = 20;
// The lowest bit rate an MP3 may have: lame's file holds at least half of that much.
constexpr int kLeastMp3BytesPerSecond = 32000 / 8;
// The pipe to lame: about six seconds of CD audio.
constexpr int kPipeBytes = 1 << 20;
// Symbolic links followed to the file written, as many as the system follows.
constexpr int kMostLinks = 40;
// A part of an export still at work is written to every few seconds (and locked).
constexpr int kStalePartSeconds = 60;

// Keeps a broken pipe (the encoder stopped reading) from raising SIGPIPE in this process:
// the signal is blocked in this thread while writing, and one raised by the write is
// taken off again, so the write just fails with EPIPE.
class PipeSignalGuard
{
public:
    PipeSignalGuard()
    {
        sigemptyset(&m_set);
        sigaddset(&m_set, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        m_wasPending = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &m_set, &m_old);
    }
    ~PipeSignalGuard()
    {
        if (!m_wasPending) {
            sigset_t pending;
            sigpending(&pending);
            if (sigismember(&pending, SIGPIPE) == 1) {
                const timespec zero{0, 0};
                while (sigtimedwait(&m_set, nullptr, &zero) < 0 && errno == EINTR) {
                }
            }
        }
        pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
    }

private:
    bool m_wasPending = false;
    sigset_t m_set;
    sigset_t m_old;
};

// The system's words for the last failed call, empty when it left none.
QString systemError()
{
    return errno ? QString::fromLocal8Bit(std::strerror(errno)) : QString();
}

// The temporary name of an export: ".<name>.wav.<base-36 number>.part" (or .mp3).
const QRegularExpression &partName()
{
    static const QRegularExpression name(QStringLiteral("^\\..+\\.(?i:wav|mp3)\\.[0-9a-z]{1,7}\\.part$"));
    return name;
}

// What a part holds from its first write on: a WAV header, an MP3 frame or ID3 tag, or
// nothing yet.
bool holdsOurAudio(int fd)
{
    unsigned char head[12];
    const ssize_t n = ::pread(fd, head, sizeof head, 0);
    if (n == 0)
        return true;
    if (n == ssize_t(sizeof head) && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WAVE", 4) == 0)
        return true;
    if (n >= 3 && std::memcmp(head, "ID3", 3) == 0)
        return true;
    return n >= 2 && head[0] == 0xff && (head[1] & 0xe0) == 0xe0;
}

// Removes the parts that exports killed half-way left in the folder. Only ours: a regular
// file of this user under our temporary name holding the start of our audio, untouched
// for a minute, and not locked by an export still at work (here or in another run).
void clearStaleParts(const QString &folder)
{
    const QStringList names =
        QDir(folder).entryList(QStringList() << QStringLiteral(".*.part"), QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (!partName().match(name).hasMatch())
            continue;
        const QByteArray path = QFile::encodeName(folder + '/' + name);
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat part;
        const bool stale = ::fstat(fd, &part) == 0 && S_ISREG(part.st_mode) && part.st_uid == ::geteuid()
                           && std::time(nullptr) - part.st_mtime >= kStalePartSeconds
                           && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && holdsOurAudio(fd);
        // Only while the name still leads to the file that was checked.
        struct stat named;
        if (stale && ::lstat(path.constData(), &named) == 0 && named.st_dev == part.st_dev
            && named.st_ino == part.st_ino)
            ::unlink(path.constData());
        ::close(fd);
    }
}
} // namespace

ExportWriter::ExportWriter(const QString &path, Format format, int sampleRate)
    : m_path(path), m_format(format), m_rate(sampleRate)
{
}

ExportWriter::~ExportWriter()
{
    if (!m_committed)
        discard();
}

QString ExportWriter::encoderProgram()
{
    return QStandardPaths::findExecutable(QStringLiteral("lame"));
}

QStringList ExportWriter::encoderArguments(const QString &output)
{
    return {QStringLiteral("--silent"), QStringLiteral("-b"), QStringLiteral("320"), QStringLiteral("-"), output};
}

bool ExportWriter::fail(Error error, const QString &detail)
{
    if (m_error == NoError) {
        m_error = error;
        m_detail = detail.trimmed();
    }
    return false;
}

bool ExportWriter::resolveTarget()
{
    // "Replace" means the file the name leads to: a link stays a link.
    m_target = QFileInfo(m_path).absoluteFilePath();
    for (int links = 0; QFileInfo(m_target).isSymLink(); ++links) {
        if (links == kMostLinks)
            return fail(CannotCreate, QString::fromLocal8Bit(std::strerror(ELOOP)));
        m_target = QFileInfo(m_target).symLinkTarget();
    }
    // A file replaced keeps its permissions; one that nobody may write (or this user may
    // not) is not replaced.
    struct stat existing;
    if (::stat(QFile::encodeName(m_target).constData(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        if ((existing.st_mode & 0222) == 0 || ::access(QFile::encodeName(m_target).constData(), W_OK) != 0)
            return fail(ReadOnlyTarget, QString());
        m_targetMode = int(existing.st_mode & 0777);
    }
    return true;
}

bool ExportWriter::createTemporaryFile()
{
    // Made here with the usual permissions (the umask applies), hidden, in the target
    // folder so that the final rename stays on one file system.
    const QFileInfo target(m_target);
    const QString folder = target.absolutePath();
    clearStaleParts(folder);
    // A long name is shortened before its extension, so that the temporary one still fits
    // the file system and is still known for ours.
    QString base = target.completeBaseName();
    const QString suffix = target.suffix().isEmpty() ? QString() : "." + target.suffix();
    while (!base.isEmpty() && QFile::encodeName(base + suffix).size() > 120)
        base.chop(1);
    const QString name = base + suffix;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString candidate = folder + "/." + name + "."
                                  + QString::number(QRandomGenerator::global()->generate(), 36) + ".part";
        const int fd = ::open(QFile::encodeName(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            // Held until the file has its name or is removed: the next export into this
            // folder, in this run or another, leaves it alone.
            ::flock(fd, LOCK_EX | LOCK_NB);
            m_partLock = fd;
            m_temporary = candidate;
            return true;
        }
        if (errno != EEXIST)
            return fail(CannotCreate, systemError());
    }
    return fail(CannotCreate, QString::fromLocal8Bit(std::strerror(EEXIST)));
}

bool ExportWriter::start()
{
    if (m_rate <= 0)
        return fail(CannotCreate, QString());
    if (m_format == Mp3 && encoderProgram().isEmpty())
        return fail(EncoderMissing, QString());
    if (!resolveTarget() || !createTemporaryFile())
        return false;
    m_sinceHandler.start();

    if (m_format == Wav) {
        errno = 0;
        m_source = audiolayer::createSourceStream(m_rate, 2);
        if (!m_source || !audiolayer::startWavEncoder(m_source, QFile::encodeName(m_temporary).toStdString())) {
            fail(CannotCreate, systemError());
            discard();
            return false;
        }
        return true;
    }

    // lame reads from a pipe of our own, made large, which this thread fills: the encoder
    // always has audio ahead while the next blocks render, and a write waits (with a time
    // limit) only when lame is the slower one.
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        fail(EncoderMissing, systemError());
        discard();
        return false;
    }
    ::fcntl(fds[1], F_SETPIPE_SZ, kPipeBytes); // as large as the system allows, else its default
    ::fcntl(fds[1], F_SETFL, ::fcntl(fds[1], F_GETFL) | O_NONBLOCK);
    m_pipe = fds[1];
    m_process = std::make_unique<QProcess>();
    m_process->setStandardInputFile(QString("/proc/self/fd/%1").arg(fds[0]));
    m_process->setStandardOutputFile(QProcess::nullDevice());
    m_process->start(encoderProgram(), encoderArguments(m_temporary));
    const bool started = m_process->waitForStarted(kEncoderStartMs);
    ::close(fds[0]);
    if (!started) {
        fail(EncoderMissing, m_process->errorString());
        discard();
        return false;
    }
    // The length is not known in advance: the header says so.
    m_pcm.resize(int(WavEncoder::headerBytes));
    WavEncoder::header(reinterpret_cast<unsigned char *>(m_pcm.data()), m_rate, 2, WavEncoder::unknownSize);
    return true;
}

QString ExportWriter::encoderMessage()
{
    if (!m_process)
        return QString();
    m_process->waitForFinished(2000);
    const QByteArray said = m_process->readAllStandardError();
    if (!said.trimmed().isEmpty())
        return QString::fromLocal8Bit(said.right(400));
    if (m_process->state() == QProcess::NotRunning) {
        if (m_process->exitStatus() == QProcess::CrashExit)
            return tr("lame crashed.");
        if (m_process->exitCode() != 0)
            return tr("lame ended with exit code %1.").arg(m_process->exitCode());
    }
    return QString();
}

QString ExportWriter::stallMessage() const
{
    return tr("lame took no audio for %1 seconds.").arg((m_stallLimitMs + 999) / 1000);
}

bool ExportWriter::write(const float *left, const float *right, int frames)
{
    if (m_error != NoError || m_closed || (!m_source && !m_process))
        return false;
    keepPainted();
    if (frames <= 0)
        return true;
    m_frames += frames;
    m_interleaved.resize(size_t(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        m_interleaved[2 * size_t(i)] = left[i];
        m_interleaved[2 * size_t(i) + 1] = right[i];
    }
    if (m_source) {
        errno = 0;
        if (!audiolayer::encodeFloats(m_source, m_interleaved.data(), int(m_interleaved.size() * sizeof(float))))
            return fail(WriteFailed, systemError());
        return true;
    }
    // Blocks are handed over in batches: one pipe write per batch, not per block.
    const int at = m_pcm.size();
    m_pcm.resize(at + int(m_interleaved.size() * 2));
    WavEncoder::convert(m_interleaved.data(), m_interleaved.size(), reinterpret_cast<unsigned char *>(m_pcm.data()) + at);
    if (m_pcm.size() < batchBytes)
        return true;
    return sendBatch();
}

void ExportWriter::keepPainted()
{
    // The blocks come as fast as the caller renders them: between them the window gets
    // its turn as often as while lame is waited for.
    if (m_waitHandler && m_sinceHandler.hasExpired(kWaitSliceMs)) {
        m_waitHandler();
        m_sinceHandler.start();
    }
}

bool ExportWriter::sendBatch()
{
    // A broken pipe (lame gone) fails the write instead of ending the program.
    PipeSignalGuard guard;
    const char *data = m_pcm.constData();
    qint64 left = m_pcm.size();
    // An encoder that stops reading without ending would hold the window for good.
    QElapsedTimer stalled;
    stalled.start();
    while (left > 0) {
        pollfd ready{m_pipe, POLLOUT, 0};
        const int polled = ::poll(&ready, 1, kWaitSliceMs);
        if (polled < 0 && errno == EINTR)
            continue;
        if (polled == 0) {
            if (stalled.hasExpired(m_stallLimitMs))
                return fail(EncoderFailed, stallMessage());
            if (m_waitHandler)
                m_waitHandler();
            continue;
        }
        const ssize_t written = ::write(m_pipe, data, size_t(left));
        if (written < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (written <= 0)
            return fail(EncoderFailed, encoderMessage());
        data += written;
        left -= written;
        stalled.restart();
    }
    m_pcm.resize(0);
    return true;
}

bool ExportWriter::waitForEncoderEnd()
{
    // lame finishes the last frames and closes its file; as long as the file grows it is
    // still at work.
    QElapsedTimer stalled;
    stalled.start();
    qint64 size = -1;
    while (!m_process->waitForFinished(kWaitSliceMs)) {
        if (m_process->state() == QProcess::NotRunning)
            break;
        const qint64 now = QFileInfo(m_temporary).size();
        if (now != size) {
            size = now;
            stalled.restart();
        } else if (stalled.hasExpired(m_stallLimitMs)) {
            return fail(EncoderFailed, stallMessage());
        }
        if (m_waitHandler)
            m_waitHandler();
    }
    if (m_process->exitStatus() != QProcess::NormalExit || m_process->exitCode() != 0)
        return fail(EncoderFailed, encoderMessage());
    return true;
}

bool ExportWriter::outputHoldsTheAudio() const
{
    const qint64 size = QFileInfo(m_temporary).size();
    if (m_format == Wav)
        return size >= qint64(WavEncoder::headerBytes) + 4 * m_frames;
    // Half of what the lowest MP3 bit rate takes, and never an empty file.
    return size > 0 && size >= m_frames * kLeastMp3BytesPerSecond / (2 * qint64(m_rate));
}

bool ExportWriter::finish()
{
    if (m_committed)
        return true;
    if (m_closed || m_error != NoError || (!m_source && !m_process)) {
        discard();
        return false;
    }
    bool complete = true;
    if (m_source) {
        errno = 0;
        complete = audiolayer::freeStream(m_source);
        m_source = 0;
        if (!complete)
            fail(WriteFailed, systemError());
    } else {
        complete = sendBatch();
        ::close(m_pipe);
        m_pipe = -1;
        if (complete)
            complete = waitForEncoderEnd();
    }
    // An encoder that ends well without having written the audio has not saved it.
    if (complete && !outputHoldsTheAudio()) {
        complete = fail(m_format == Mp3 ? EncoderFailed : WriteFailed, tr("The file holds no audio, or too little."));
    }
    if (!complete) {
        discard();
        return false;
    }
    m_process.reset();
    if (m_targetMode >= 0)
        ::chmod(QFile::encodeName(m_temporary).constData(), mode_t(m_targetMode));
    if (std::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_target).constData()) != 0) {
        fail(RenameFailed, systemError());
        discard();
        return false;
    }
    m_temporary.clear();
    releasePart();
    m_closed = m_committed = true;
    return true;
}

void ExportWriter::discard()
{
    if (m_source) {
        audiolayer::freeStream(m_source);
        m_source = 0;
    }
    if (m_pipe >= 0) {
        ::close(m_pipe);
        m_pipe = -1;
    }
    if (m_process) {
        if (m_process->state() != QProcess::NotRunning) {
            m_process->kill();
            m_process->waitForFinished(5000);
        }
        m_process.reset();
    }
    removeTemporary();
    m_closed = true;
}

void ExportWriter::removeTemporary()
{
    if (!m_temporary.isEmpty())
        QFile::remove(m_temporary);
    m_temporary.clear();
    releasePart();
}

void ExportWriter::releasePart()
{
    if (m_partLock >= 0)
        ::close(m_partLock);
    m_partLock = -1;
}
