#include "audio/exportwriter.h"

#include "audio/layer/wavencoder.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {
// How long lame may take to finish the last frames and close its file.
constexpr int kEncoderFinishMs = 120000;
constexpr int kEncoderStartMs = 10000;

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
        if (!m_source || !audiolayer::startWavEncoder(m_source, m_temporary.toUtf8().toStdString())) {
            fail(CannotCreate, systemError());
            discard();
            return false;
        }
        return true;
    }

    m_process = std::make_unique<QProcess>();
    m_process->setStandardOutputFile(QProcess::nullDevice());
    m_process->start(encoderProgram(), encoderArguments(m_temporary));
    if (!m_process->waitForStarted(kEncoderStartMs)) {
        const QString why = m_process->errorString();
        m_process.reset();
        removeTemporary();
        return fail(EncoderMissing, why);
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
    const QByteArray said = m_process->readAllStandardError();
    if (!said.trimmed().isEmpty())
        return QString::fromLocal8Bit(said.right(400));
    return m_process->errorString();
}

bool ExportWriter::drainEncoder(qint64 limit)
{
    // Hands queued data to the encoder's pipe; waits only while more than limit is queued.
    m_process->waitForBytesWritten(0);
    while (m_process->bytesToWrite() > limit) {
        if (m_process->state() != QProcess::Running)
            return fail(EncoderFailed, encoderMessage());
        m_process->waitForBytesWritten(1000);
    }
    if (m_process->state() != QProcess::Running)
        return fail(EncoderFailed, encoderMessage());
    return true;
}

bool ExportWriter::write(const float *left, const float *right, int frames)
{
    if (m_error != NoError || m_closed || (!m_source && !m_process))
        return false;
    if (frames <= 0)
        return true;
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
    m_process->write(m_pcm);
    m_pcm.resize(0);
    return drainEncoder(m_process->bytesToWrite() > queueHighBytes ? queueLowBytes : queueHighBytes);
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
        complete = sendBatch() && drainEncoder(0);
        if (complete) {
            m_process->closeWriteChannel();
            if (!m_process->waitForFinished(kEncoderFinishMs))
                complete = fail(EncoderFailed, encoderMessage());
            else if (m_process->exitStatus() != QProcess::NormalExit || m_process->exitCode() != 0)
                complete = fail(EncoderFailed, encoderMessage());
        }
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
