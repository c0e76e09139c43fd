// ExportWriter: writes exported stereo audio to a file, as 16-bit WAV through the audio
// layer's encoder, or as MP3 through the "lame" program found on the PATH, fed WAV data
// on its standard input (a pipe of up to 1 MB) while the caller renders the next blocks.
// The file is written under a hidden temporary name (".name.<random>.part") in the target
// folder and renamed to its own name only when it is complete, so a failed export leaves
// neither a partial file nor a damaged old one; the parts that an export killed half-way
// left behind are cleared at the next export into that folder. A name that is a symbolic
// link is written through to the file it points at; a file replaced keeps its
// permissions, and a write-protected one is not replaced.
// Used by MainWindow's export slots; one writer per export.
#pragma once
#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

#include "audio/layer/audiolayer.h"

class ExportWriter
{
    Q_DECLARE_TR_FUNCTIONS(ExportWriter)

public:
    enum Format { Wav, Mp3 };
    enum Error {
        NoError,
        CannotCreate,   // the temporary file cannot be made in the target folder
        EncoderMissing, // no "lame" on the PATH, or it did not start
        EncoderFailed,  // lame stopped early, ended with an error, stopped taking audio
                        // or ended without writing the audio
        WriteFailed,    // writing the WAV file failed (a full disk, say)
        RenameFailed,   // the finished file could not take its name
        ReadOnlyTarget  // the file to be replaced is write-protected
    };

    ExportWriter(const QString &path, Format format, int sampleRate);
    // While the export works (the caller rendering the blocks it writes) and while lame is
    // waited for (it has not taken the next audio yet, or is finishing the file), the
    // handler runs every few milliseconds: the caller keeps its window painted.
    void setWaitHandler(std::function<void()> handler) { m_waitHandler = std::move(handler); }
    // lame fails the export once it has taken no audio, or written nothing, for this long.
    void setStallLimitMs(int ms) { m_stallLimitMs = ms; }
    static constexpr int defaultStallLimitMs = 10000;

    // Discards the output unless finish() succeeded; ends the encoder program.
    ~ExportWriter();
    ExportWriter(const ExportWriter &) = delete;
    ExportWriter &operator=(const ExportWriter &) = delete;

    // Clears the folder's stale parts, creates the temporary file and starts the encoder.
    // False with error() set.
    bool start();
    // Appends frames of the two channels (right may equal left). False after an error.
    bool write(const float *left, const float *right, int frames);
    // Completes the file and gives it its name. False with error() set; nothing is left.
    bool finish();
    // Stops and removes what was written.
    void discard();

    Error error() const { return m_error; }
    // What the system or the encoder said about the error (may be empty).
    QString errorDetail() const { return m_detail; }
    QString path() const { return m_path; }
    // The file that is written: the path, or the file its symbolic links lead to.
    QString target() const { return m_target; }

    // The encoder program: "lame" on the PATH, empty when there is none.
    static QString encoderProgram();
    // lame's arguments: WAV data from standard input, 320 kbit/s, into output.
    static QStringList encoderArguments(const QString &output);

    // Bytes of converted audio collected before they go to the encoder's pipe.
    static constexpr int batchBytes = 64 * 1024;

private:
    bool fail(Error error, const QString &detail);
    bool resolveTarget();
    bool createTemporaryFile();
    void keepPainted();
    bool sendBatch();
    bool waitForEncoderEnd();
    QString encoderMessage();
    QString stallMessage() const;
    bool outputHoldsTheAudio() const;
    void removeTemporary();
    void releasePart();

    QString m_path;
    QString m_target;
    int m_targetMode = -1; // the permissions of the file replaced, -1 when there is none
    Format m_format;
    int m_rate;
    QString m_temporary;
    int m_partLock = -1; // holds a lock on the temporary file: a live part is never cleared
    Error m_error = NoError;
    QString m_detail;
    bool m_closed = false;    // finished or discarded: nothing more is written
    bool m_committed = false; // the file has its name
    audiolayer::Handle m_source = 0;
    std::unique_ptr<QProcess> m_process;
    int m_pipe = -1; // the encoder's standard input
    std::function<void()> m_waitHandler;
    QElapsedTimer m_sinceHandler;
    int m_stallLimitMs = defaultStallLimitMs;
    qint64 m_frames = 0; // frames handed over so far
    std::vector<float> m_interleaved;
    QByteArray m_pcm; // converted audio not yet handed to the encoder
};
