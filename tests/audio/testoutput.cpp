#include "testoutput.h"

#include <QtTest>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>
#include <vector>

#include "audio/layer/audiolayer.h"
#include "tests/eventually.h"

using namespace audiolayer;

namespace {

// 1024 stereo float frames: the player's push unit.
constexpr int kBlockBytes = 8192;

std::vector<float> toneBlock(int frames, float start)
{
    std::vector<float> v(std::size_t(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        v[2 * i] = 0.5f * std::sin(start + 0.01f * i) + 0.001f; // never exactly 0
        v[2 * i + 1] = -0.25f * std::cos(start + 0.02f * i) + 0.002f;
    }
    return v;
}

void waitMs(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace

void TestOutput::init()
{
    shutdown();
    qputenv("SDL_AUDIODRIVER", "dummy");
}

void TestOutput::cleanup()
{
    shutdown();
    qputenv("SDL_AUDIODRIVER", "dummy");
}

void TestOutput::versionOptionsAndErrors()
{
    QVERIFY(versionMatches());
    QCOMPARE(version() >> 16, kVersion >> 16);

    QCOMPARE(option(Option::BufferLengthMs), 500);
    QVERIFY(setOption(Option::BufferLengthMs, 2000));
    QCOMPARE(option(Option::BufferLengthMs), 2000);
    QVERIFY(setOption(Option::UpdatePeriodMs, 0));
    QVERIFY(setOption(Option::FloatDsp, 1));
    QVERIFY(setOption(Option::UnicodeDeviceNames, 1));
    QVERIFY(!setOption(Option::BufferLengthMs, -1));
    QCOMPARE(lastError(), int(ErrorParameter));
    QCOMPARE(option(Option::BufferLengthMs), 2000);
    QVERIFY(setOption(Option::BufferLengthMs, 500));

    // Plug-ins load and change nothing.
    for (const char *name : {"flac", "wma", "aac", "alac", "cd"})
        QVERIFY(loadPlugin(name));
    QCOMPARE(lastError(), int(ErrorNone));

    // Every code has a text for the error line; the last error belongs to its thread.
    for (int code = -1; code <= ErrorNoEncoder + 1; ++code)
        QVERIFY(errorText(code) && *errorText(code));
    QVERIFY(!freeStream(4242));
    int otherThread = -2;
    std::thread([&] { otherThread = lastError(); }).join();
    QCOMPARE(otherThread, int(ErrorNone));
    QCOMPARE(lastError(), int(ErrorHandle));
}

void TestOutput::deviceNumbersAndList()
{
    QCOMPARE(currentDevice(), -1);
    DeviceInfo info;
    QVERIFY(deviceInfo(0, &info));
    QCOMPARE(QString::fromStdString(info.name), QStringLiteral("No sound"));
    QVERIFY(deviceInfo(1, &info));
    QVERIFY(info.isDefault);
    QVERIFY(!info.initialised);

    // Listed from 1 until the call fails; every name is non-empty UTF-8.
    int count = 0;
    while (deviceInfo(count + 1, &info)) {
        QVERIFY(!info.name.empty());
        QVERIFY(!QString::fromUtf8(info.name.c_str()).contains(QChar::ReplacementCharacter));
        ++count;
        QVERIFY(count < 1000);
    }
    QVERIFY(count >= 1);
    QCOMPARE(lastError(), int(ErrorDevice));
    QVERIFY(!deviceInfo(-1, &info));

    QVERIFY(!initDevice(-5));
    QCOMPARE(lastError(), int(ErrorDevice));
    QVERIFY(!initDevice(count + 1)); // one past the list
    QCOMPARE(currentDevice(), -1);

    // -1 opens the default output, which is device 1; the last listed device opens too.
    QVERIFY(initDevice(kDefaultDevice));
    QCOMPARE(currentDevice(), 1);
    QVERIFY(deviceInfo(1, &info) && info.initialised);
    QVERIFY(!isFallbackOutput());
    QCOMPARE(QString::fromStdString(outputDriver()), QStringLiteral("dummy"));
    QVERIFY(initDevice(count));
    QCOMPARE(currentDevice(), count);
    QVERIFY(setDevice(-1));
    QCOMPARE(currentDevice(), 1);
    QVERIFY(!setDevice(0)); // not open
    QCOMPARE(lastError(), int(ErrorNotInitialised));

    QVERIFY(freeDevice());
    QVERIFY(currentDevice() >= 1 || count == 1);
    while (currentDevice() >= 0)
        QVERIFY(freeDevice());
    QVERIFY(!freeDevice());
    QCOMPARE(lastError(), int(ErrorNotInitialised));
    QCOMPARE(createPushStream(44100), Handle(0));
    QCOMPARE(lastError(), int(ErrorNotInitialised));
}

void TestOutput::freeingTheNoSoundDeviceKeepsTheOutput()
{
    // The file-open sequence while the player's output is open: open device 0, decode,
    // free the device. Only the decoding stream goes; the output stream plays on.
    QVERIFY(initDevice(kDefaultDevice));
    const Handle push = createPushStream(44100);
    QVERIFY(push);
    QVERIFY(initDevice(kNoSoundDevice));
    QCOMPARE(currentDevice(), 0);
    const Handle decoder
        = openFile(PLECTRONOME_SOURCE_DIR "/tests/audio/fixtures/mono.wav");
    QVERIFY(decoder);
    QVERIFY(initDevice(kNoSoundDevice)); // already open: only selected again
    QVERIFY(freeDevice());
    QCOMPARE(currentDevice(), 1);
    float buffer[8];
    QCOMPARE(readFloats(decoder, buffer, sizeof buffer), -1);
    const std::vector<float> block = toneBlock(1024, 0);
    QCOMPARE(putData(push, block.data(), kBlockBytes), kBlockBytes);

    // Freeing the output device takes its streams with it.
    QVERIFY(freeDevice());
    QCOMPARE(queuedBytes(push), -1);
    QCOMPARE(currentDevice(), -1);
}

void TestOutput::pushStreamDrainsOncePlaying()
{
    QVERIFY(initDevice(kDefaultDevice));
    const int rate = 44100;
    const Handle push = createPushStream(rate);
    QVERIFY(push);
    StreamInfo info;
    QVERIFY(streamInfo(push, &info));
    QCOMPARE(info.kind, StreamKind::Push);
    QCOMPARE(info.sampleRate, rate);
    QCOMPARE(info.channels, 2);

    // One second queued in the player's 8192-byte pieces.
    int queued = 0;
    for (int i = 0; i < 43; ++i) {
        const std::vector<float> block = toneBlock(1024, float(i));
        queued = putData(push, block.data(), kBlockBytes);
    }
    QCOMPARE(queued, 43 * kBlockBytes);
    waitMs(100);
    QCOMPARE(queuedBytes(push), queued); // nothing plays before play()

    // Playing, the driver takes all of it (how fast: bench/audio/drain_probe).
    QVERIFY(play(push, true));
    QTRY_VERIFY_WITH_TIMEOUT(queuedBytes(push) == 0, eventuallyMs);
    QCOMPARE(activity(push), Activity::Stalled);
    QVERIFY(freeStream(push));
}

void TestOutput::pauseStopAndActivity()
{
    QVERIFY(initDevice(kDefaultDevice));
    const Handle push = createPushStream(48000);
    QVERIFY(push);
    QCOMPARE(activity(push), Activity::Stopped);
    QVERIFY(play(push));
    QCOMPARE(activity(push), Activity::Stalled); // playing with nothing queued
    const std::vector<float> block = toneBlock(1024, 0);
    for (int i = 0; i < 20; ++i)
        putData(push, block.data(), kBlockBytes);
    QCOMPARE(activity(push), Activity::Playing);

    QVERIFY(pause(push));
    QCOMPARE(activity(push), Activity::Paused);
    waitMs(40); // let a buffer in flight finish
    const int paused = queuedBytes(push);
    waitMs(150);
    QCOMPARE(queuedBytes(push), paused);

    QVERIFY(play(push, false));
    QCOMPARE(activity(push), Activity::Playing);
    QVERIFY(stop(push));
    QCOMPARE(activity(push), Activity::Stopped);
    QCOMPARE(queuedBytes(push), 0);

    // Only whole frames are accepted.
    QCOMPARE(putData(push, block.data(), 6), -1);
    QCOMPARE(lastError(), int(ErrorParameter));
    QCOMPARE(createPushStream(44100, 3), Handle(0));
    QCOMPARE(createPushStream(0), Handle(0));
    QVERIFY(freeStream(push));
    QVERIFY(!play(push));
    QCOMPARE(lastError(), int(ErrorHandle));
}

void TestOutput::diskDriverGetsExactlyWhatWasPushed()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.raw"));
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", out.toLocal8Bit());

    QVERIFY(initDevice(kDefaultDevice));
    QCOMPARE(QString::fromStdString(outputDriver()), QStringLiteral("disk"));
    const Handle push = createPushStream(48000);
    QVERIFY(push);
    std::vector<float> pushed;
    for (int i = 0; i < 12; ++i) {
        const std::vector<float> block = toneBlock(1024, float(i) * 10.24f);
        QVERIFY(putData(push, block.data(), kBlockBytes) > 0);
        pushed.insert(pushed.end(), block.begin(), block.end());
    }
    QVERIFY(play(push));
    QTRY_VERIFY_WITH_TIMEOUT(queuedBytes(push) == 0, eventuallyMs);
    // Freeing the stream waits for the driver to write out its last buffer.
    QVERIFY(freeStream(push));
    qputenv("SDL_DISKAUDIOFILE", QByteArray());

    QFile f(out);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    // Silence while the device waited to start, then the pushed frames bit for bit.
    std::vector<float> written(std::size_t(bytes.size()) / sizeof(float));
    std::memcpy(written.data(), bytes.constData(), written.size() * sizeof(float));
    std::size_t first = 0;
    while (first < written.size() && written[first] == 0.0f)
        ++first;
    QCOMPARE(first % 2, std::size_t(0));
    QVERIFY2(written.size() - first >= pushed.size(), qPrintable(QString::number(written.size())));
    QVERIFY(std::memcmp(written.data() + first, pushed.data(), pushed.size() * sizeof(float)) == 0);
    for (std::size_t i = first + pushed.size(); i < written.size(); ++i)
        QCOMPARE(written[i], 0.0f);
}

void TestOutput::fallsBackToDummyDriver()
{
    qputenv("SDL_AUDIODRIVER", "no-such-audio-driver");
    QVERIFY(initDevice(kDefaultDevice));
    QVERIFY(isFallbackOutput());
    QCOMPARE(QString::fromStdString(outputDriver()), QStringLiteral("dummy"));
    const Handle push = createPushStream(44100);
    QVERIFY(push);
    const std::vector<float> block = toneBlock(1024, 0);
    QCOMPARE(putData(push, block.data(), kBlockBytes), kBlockBytes);
    QVERIFY(play(push));
    QTRY_VERIFY_WITH_TIMEOUT(queuedBytes(push) == 0, eventuallyMs);

    // A fresh start with a working driver is no longer a fallback.
    shutdown();
    qputenv("SDL_AUDIODRIVER", "dummy");
    QVERIFY(initDevice(kDefaultDevice));
    QVERIFY(!isFallbackOutput());
}

void TestOutput::freeWhileAnotherThreadPushes()
{
    // The audio thread pushes while the GUI thread frees and recreates the stream.
    QVERIFY(initDevice(kDefaultDevice));
    std::atomic<Handle> current{createPushStream(44100)};
    std::atomic<bool> running{true};
    std::atomic<int> pushes{0}, refused{0};
    std::thread audio([&] {
        const std::vector<float> block = toneBlock(1024, 0);
        while (running) {
            const Handle h = current;
            const int q = queuedBytes(h);
            if (q >= 0 && q <= 32767) {
                if (putData(h, block.data(), kBlockBytes) >= 0)
                    ++pushes;
                else
                    ++refused;
            } else if (q < 0) {
                ++refused;
            }
            std::this_thread::yield();
        }
    });
    for (int i = 0; i < 40; ++i) {
        const Handle old = current;
        QVERIFY(play(old));
        waitMs(2);
        QVERIFY(freeStream(old));
        waitMs(1);
        current = createPushStream(i % 2 ? 44100 : 48000);
        QVERIFY(current != 0);
    }
    running = false;
    audio.join();
    QVERIFY(pushes > 0);
    QVERIFY(freeStream(current));

    // A decoding stream freed while another thread reads it: the read in progress ends
    // normally and the next one is refused.
    for (int round = 0; round < 20; ++round) {
        const Handle decoder = openFile(PLECTRONOME_SOURCE_DIR "/tests/audio/fixtures/tone.mp3");
        QVERIFY(decoder);
        std::atomic<int> result{0};
        std::thread reader([&] {
            std::vector<float> chunk(4096);
            int r = 0;
            while ((r = readFloats(decoder, chunk.data(), 16384)) > 0) {
            }
            result = r;
        });
        std::this_thread::sleep_for(std::chrono::microseconds(100 * round));
        freeStream(decoder);
        reader.join();
        QVERIFY(result == -1 || result == 0);
    }
}

void TestOutput::wavFileEncoder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export.wav"));
    QVERIFY(initDevice(kDefaultDevice));
    const Handle source = createSourceStream(32000, 2);
    QVERIFY(source);
    StreamInfo info;
    QVERIFY(streamInfo(source, &info));
    QCOMPARE(info.kind, StreamKind::Source);
    QCOMPARE(activity(source), Activity::Stopped);
    const float block[] = {0.5f, -0.5f, 1.0f, -1.0f, 1.5f, -1.5f, 0.25f, -0.00002f, NAN, 0.999f};
    QVERIFY(!encodeFloats(source, block, sizeof block));
    QCOMPARE(lastError(), int(ErrorNoEncoder));
    QVERIFY(!startWavEncoder(source, dir.filePath(QStringLiteral("no/such/folder/x.wav")).toStdString()));
    QCOMPARE(lastError(), int(ErrorFileOpen));

    QVERIFY(startWavEncoder(source, path.toStdString()));
    QVERIFY(encodeFloats(source, block, sizeof block));
    QVERIFY(encodeFloats(source, block, sizeof block));
    QVERIFY(freeStream(source)); // completes the file

    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray b = f.readAll();
    const int frames = 10;
    QCOMPARE(b.size(), 44 + 4 * frames);
    QCOMPARE(qFromLittleEndian<quint32>(b.constData() + 4), quint32(36 + 4 * frames));
    QCOMPARE(qFromLittleEndian<quint32>(b.constData() + 40), quint32(4 * frames));
    QCOMPARE(qFromLittleEndian<quint16>(b.constData() + 22), quint16(2));
    QCOMPARE(qFromLittleEndian<quint32>(b.constData() + 24), quint32(32000));
    // x 32768 toward zero, saturated at full scale; NaN becomes silence.
    const qint16 expected[] = {16384, -16384, 32767, -32768, 32767, -32768, 8192, 0, 0, 32735};
    for (int i = 0; i < 10; ++i)
        QCOMPARE(qFromLittleEndian<qint16>(b.constData() + 44 + 2 * i), expected[i]);

    // The file reads back through the decoder.
    const Handle back = openFile(path.toStdString());
    QVERIFY(back);
    float decoded[20];
    QCOMPARE(readFloats(back, decoded, sizeof decoded), int(sizeof decoded));
    QCOMPARE(decoded[0], 0.5f);
    QCOMPARE(decoded[3], -1.0f);
    freeStream(back);
}
