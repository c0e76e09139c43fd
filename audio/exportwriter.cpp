#include "audio/exportwriter.h"

#include "audio/layer/wavencoder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <unistd.h>

namespace {
constexpr int kEncoderStartMs = 10000;
// While lame is waited for, the wait handler runs this often.
constexpr int kWaitSliceMs = 20;
// The lowest bit rate an MP3 may have: lame's file holds at least half of that much.
constexpr int kLeastMp3BytesPerSecond = 32000 / 8;
// The pipe to lame: about six seconds of CD audio.
constexpr int kPipeBytes = 1 << 20;

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

bool ExportWriter::createTemporaryFile()
{
    // Made here with the usual permissions (the umask applies), hidden, in the target
    // folder so that the final rename stays on one file system.
    const QFileInfo target(m_path);
    const QString folder = target.absolutePath();
    // A long name is shortened, so that the temporary one still fits the file system.
    QString name = target.fileName();
    while (QFile::encodeName(name).size() > 120)
        name.chop(1);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString candidate = folder + "/." + name + "."
                                  + QString::number(QRandomGenerator::global()->generate(), 36) + ".part";
        const int fd = ::open(QFile::encodeName(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
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
    if (!createTemporaryFile())
        return false;

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
    if (std::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_path).constData()) != 0) {
        fail(RenameFailed, systemError());
        discard();
        return false;
    }
    m_temporary.clear();
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
}
