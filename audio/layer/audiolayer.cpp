#include "audio/layer/audiolayer.h"

#include "audio/layer/filedecoder.h"
#include "audio/layer/wavencoder.h"

#include <SDL.h>

#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <set>

namespace audiolayer {

namespace {

// SDL's own device buffer: small and fixed, whatever buffer length is configured. A long
// device buffer makes the player's push loop run dry between its pushes.
constexpr int kDeviceBufferFrames = 1024;
constexpr int kMaxSampleRate = 768000;

struct Stream {
    StreamKind kind = StreamKind::Decoder;
    int device = -1; // device current at creation, -1 for none
    int rate = 0;
    int channels = 0;
    int sourceChannels = 0;
    std::unique_ptr<FileDecoder> decoder;
    std::unique_ptr<WavEncoder> encoder;
    SDL_AudioDeviceID output = 0;
    bool playing = false;
    bool paused = false;
    // Decoding work runs under this lock, not the table's, so a long read does not hold up
    // the audio thread's pushes; the stream lives on until such a read is over.
    std::mutex work;

    ~Stream()
    {
        if (output)
            SDL_CloseAudioDevice(output);
    }
};

struct LayerState {
    std::mutex mutex;
    std::map<Handle, std::shared_ptr<Stream>> streams;
    Handle nextHandle = 1;
    std::set<int> openDevices;
    std::map<int, std::string> outputNames; // SDL name per open output device, "" = default
    int current = -1;
    int options[4] = {1, 100, 500, 0};
    bool sdlUp = false;
    bool fallback = false;
    std::string driver;
};

// Never destroyed: streams may still be open while the program's statics go away.
LayerState &layer()
{
    static LayerState *s = new LayerState;
    return *s;
}

thread_local int t_lastError = ErrorNone;

bool fail(int code)
{
    t_lastError = code;
    return false;
}

template <typename T>
T failWith(int code, T value)
{
    t_lastError = code;
    return value;
}

bool succeed()
{
    t_lastError = ErrorNone;
    return true;
}

Stream *find(LayerState &s, Handle h)
{
    auto it = s.streams.find(h);
    return it == s.streams.end() ? nullptr : it->second.get();
}

Stream *findKind(LayerState &s, Handle h, StreamKind kind)
{
    Stream *st = find(s, h);
    return st && st->kind == kind ? st : nullptr;
}

std::shared_ptr<Stream> findShared(LayerState &s, Handle h)
{
    auto it = s.streams.find(h);
    return it == s.streams.end() ? nullptr : it->second;
}

Handle addStream(LayerState &s, std::shared_ptr<Stream> stream)
{
    Handle h = s.nextHandle++;
    while (h == 0 || s.streams.count(h))
        h = s.nextHandle++;
    s.streams.emplace(h, std::move(stream));
    t_lastError = ErrorNone;
    return h;
}

bool anyOutputStream(const LayerState &s)
{
    for (const auto &kv : s.streams)
        if (kv.second->output)
            return true;
    return false;
}

bool switchToDummy(LayerState &s, const std::string &reason)
{
    if (s.sdlUp) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        s.sdlUp = false;
    }
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    s.sdlUp = true;
    s.fallback = true;
    const char *name = SDL_GetCurrentAudioDriver();
    s.driver = name ? name : "dummy";
    std::fprintf(stderr, "Audio: no output device could be opened (%s); playing to the silent dummy driver\n",
                 reason.c_str());
    return true;
}

bool ensureSdl(LayerState &s)
{
    if (s.sdlUp)
        return true;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        s.sdlUp = true;
        const char *name = SDL_GetCurrentAudioDriver();
        s.driver = name ? name : "";
        return true;
    }
    return switchToDummy(s, SDL_GetError());
}

SDL_AudioDeviceID openSdl(const std::string &name, int rate, int channels)
{
    SDL_AudioSpec want{};
    want.freq = rate;
    want.format = AUDIO_F32SYS;
    want.channels = static_cast<Uint8>(channels);
    want.samples = kDeviceBufferFrames;
    want.callback = nullptr; // fed with SDL_QueueAudio
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts our format to the hardware's itself.
    return SDL_OpenAudioDevice(name.empty() ? nullptr : name.c_str(), 0, &want, &have, 0);
}

// Opens the named output (or the default one), falling back to the default output and then
// to SDL's dummy driver. 0 when nothing opens.
SDL_AudioDeviceID openOutput(LayerState &s, const std::string &name, int rate, int channels, bool *usedDefault)
{
    *usedDefault = name.empty();
    if (!ensureSdl(s))
        return 0;
    SDL_AudioDeviceID id = openSdl(name, rate, channels);
    if (!id && !name.empty()) {
        id = openSdl(std::string(), rate, channels);
        *usedDefault = true;
    }
    if (!id && !s.fallback && !anyOutputStream(s)) {
        const std::string reason = SDL_GetError();
        *usedDefault = true;
        if (switchToDummy(s, reason))
            id = openSdl(std::string(), rate, channels);
    }
    return id;
}

int pickCurrentAfterFree(const LayerState &s)
{
    for (int d : s.openDevices)
        if (d >= 1)
            return d;
    return s.openDevices.count(0) ? 0 : -1;
}

// Output device that new push streams play on: the current one, else any open output.
int outputDeviceForStreams(const LayerState &s)
{
    if (s.current >= 1)
        return s.current;
    for (int d : s.openDevices)
        if (d >= 1)
            return d;
    return -1;
}

} // namespace

// ---- Version ----------------------------------------------------------------------------

std::uint32_t version()
{
    return kVersion;
}

bool versionMatches()
{
    return (version() >> 16) == (kVersion >> 16);
}

// ---- Configuration ----------------------------------------------------------------------

bool setOption(Option option, int value)
{
    const int i = static_cast<int>(option);
    if (i < 0 || i > 3 || value < 0)
        return fail(ErrorParameter);
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.options[i] = value;
    return succeed();
}

int option(Option option)
{
    const int i = static_cast<int>(option);
    if (i < 0 || i > 3)
        return failWith(ErrorParameter, -1);
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    t_lastError = ErrorNone;
    return s.options[i];
}

// ---- Devices ------------------------------------------------------------------------------

bool initDevice(int device, int sampleRate)
{
    if (device < kDefaultDevice)
        return fail(ErrorDevice);
    if (sampleRate <= 0 || sampleRate > kMaxSampleRate)
        sampleRate = 44100;
    if (device == kDefaultDevice)
        device = 1;
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.openDevices.count(device)) {
        s.current = device;
        return succeed();
    }
    if (device == kNoSoundDevice) {
        s.openDevices.insert(0);
        s.current = 0;
        return succeed();
    }

    std::string name;
    if (!ensureSdl(s))
        return fail(ErrorDriver);
    if (device >= 2) {
        const char *n = SDL_GetAudioDeviceName(device - 2, 0);
        if (!n)
            return fail(ErrorDevice);
        name = n;
    }
    // Check that the device really opens; each push stream opens it again at its own rate.
    bool usedDefault = false;
    SDL_AudioDeviceID probe = openOutput(s, name, sampleRate, 2, &usedDefault);
    if (!probe)
        return fail(ErrorDriver);
    SDL_CloseAudioDevice(probe);
    if (usedDefault && device != 1) {
        std::fprintf(stderr, "Audio: device %d (%s) did not open; using the default output\n", device,
                     name.c_str());
        device = 1;
        name.clear();
    }
    s.openDevices.insert(device);
    s.outputNames[device] = name;
    s.current = device;
    return succeed();
}

bool freeDevice()
{
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.current < 0 || !s.openDevices.count(s.current))
        return fail(ErrorNotInitialised);
    const int device = s.current;
    for (auto it = s.streams.begin(); it != s.streams.end();) {
        if (it->second->device == device)
            it = s.streams.erase(it);
        else
            ++it;
    }
    s.openDevices.erase(device);
    s.outputNames.erase(device);
    s.current = pickCurrentAfterFree(s);
    return succeed();
}

bool setDevice(int device)
{
    if (device == kDefaultDevice)
        device = 1;
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (device < 0)
        return fail(ErrorDevice);
    if (!s.openDevices.count(device))
        return fail(ErrorNotInitialised);
    s.current = device;
    return succeed();
}

int currentDevice()
{
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.current < 0)
        return failWith(ErrorNotInitialised, -1);
    t_lastError = ErrorNone;
    return s.current;
}

bool deviceInfo(int device, DeviceInfo *info)
{
    if (device < 0)
        return fail(ErrorDevice);
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    DeviceInfo out;
    if (device == 0) {
        out.name = "No sound";
    } else if (device == 1) {
        out.name = "Default";
        out.isDefault = true;
    } else {
        if (!ensureSdl(s))
            return fail(ErrorDevice);
        const int count = SDL_GetNumAudioDevices(0);
        if (device - 2 >= count)
            return fail(ErrorDevice);
        const char *n = SDL_GetAudioDeviceName(device - 2, 0);
        if (!n)
            return fail(ErrorDevice);
        out.name = n;
    }
    out.initialised = s.openDevices.count(device) != 0;
    if (info)
        *info = out;
    return succeed();
}

bool isFallbackOutput()
{
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.fallback;
}

std::string outputDriver()
{
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.driver;
}

// ---- Plug-ins -----------------------------------------------------------------------------

bool loadPlugin(const std::string &)
{
    return succeed();
}

// ---- Streams ------------------------------------------------------------------------------

bool streamInfo(Handle stream, StreamInfo *info)
{
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    Stream *st = find(s, stream);
    if (!st)
        return fail(ErrorHandle);
    if (info) {
        info->sampleRate = st->rate;
        info->channels = st->channels;
        info->sourceChannels = st->sourceChannels;
        info->kind = st->kind;
    }
    return succeed();
}

Activity activity(Handle stream)
{
    LayerState &s = layer();
    std::unique_lock<std::mutex> lock(s.mutex);
    Stream *st = find(s, stream);
    if (!st)
        return failWith(ErrorHandle, Activity::Stopped);
    t_lastError = ErrorNone;
    switch (st->kind) {
    case StreamKind::Decoder: {
        const std::shared_ptr<Stream> keep = findShared(s, stream);
        lock.unlock();
        std::lock_guard<std::mutex> work(keep->work);
        return keep->decoder->finished() ? Activity::Stopped : Activity::Playing;
    }
    case StreamKind::Source:
        return Activity::Stopped;
    case StreamKind::Push:
        if (!st->playing)
            return Activity::Stopped;
        if (st->paused)
            return Activity::Paused;
        return SDL_GetQueuedAudioSize(st->output) > 0 ? Activity::Playing : Activity::Stalled;
    }
    return Activity::Stopped;
}

bool freeStream(Handle stream)
{
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    auto it = s.streams.find(stream);
    if (it == s.streams.end())
        return fail(ErrorHandle);
    bool ok = true;
    if (it->second->encoder)
        ok = it->second->encoder->finish();
    s.streams.erase(it);
    return ok ? succeed() : fail(ErrorFileOpen);
}

// ---- Decoding -------------------------------------------------------------------------------

Handle openFile(const std::string &utf8Path)
{
    // Opening probes and decodes the file's start: do it outside the lock.
    auto decoder = std::make_unique<FileDecoder>();
    const int error = decoder->open(utf8Path);
    if (error != ErrorNone)
        return failWith<Handle>(error, 0);

    auto st = std::make_unique<Stream>();
    st->kind = StreamKind::Decoder;
    st->rate = decoder->sampleRate();
    st->channels = decoder->channels();
    st->sourceChannels = decoder->sourceChannels();
    st->decoder = std::move(decoder);

    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    st->device = s.current;
    return addStream(s, std::move(st));
}

namespace {
// The decoder's expected length; with announcedOnly, -1 unless the file states it.
std::int64_t decoderLength(Handle decoder, bool announcedOnly)
{
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    Stream *st = findKind(s, decoder, StreamKind::Decoder);
    if (!st)
        return failWith<std::int64_t>(ErrorHandle, -1);
    t_lastError = ErrorNone;
    return !announcedOnly || st->decoder->lengthAnnounced() ? st->decoder->estimatedFrames() : -1;
}
} // namespace

std::int64_t lengthFrames(Handle decoder)
{
    return decoderLength(decoder, false);
}

std::int64_t announcedFrames(Handle decoder)
{
    return decoderLength(decoder, true);
}

int readFloats(Handle decoder, float *buffer, int maxBytes)
{
    std::shared_ptr<Stream> st;
    {
        LayerState &s = layer();
        std::lock_guard<std::mutex> lock(s.mutex);
        st = findShared(s, decoder);
    }
    if (!st || st->kind == StreamKind::Push)
        return failWith(ErrorHandle, -1);
    if (maxBytes < 0 || (!buffer && maxBytes > 0))
        return failWith(ErrorParameter, -1);
    if (st->kind == StreamKind::Source)
        return failWith(ErrorNone, 0);
    std::lock_guard<std::mutex> work(st->work);
    const int frameBytes = int(sizeof(float)) * st->channels;
    const int frames = st->decoder->read(buffer, maxBytes / frameBytes);
    if (frames == 0 && st->decoder->finished())
        return failWith(st->decoder->endError(), 0);
    t_lastError = ErrorNone;
    return frames * frameBytes;
}

// ---- Push output stream -----------------------------------------------------------------------

Handle createPushStream(int sampleRate, int channels)
{
    if (sampleRate <= 0 || sampleRate > kMaxSampleRate || channels < 1 || channels > 2)
        return failWith<Handle>(ErrorParameter, 0);
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    const int device = outputDeviceForStreams(s);
    if (device < 1)
        return failWith<Handle>(ErrorNotInitialised, 0);
    bool usedDefault = false;
    const SDL_AudioDeviceID id = openOutput(s, s.outputNames[device], sampleRate, channels, &usedDefault);
    if (!id)
        return failWith<Handle>(ErrorDriver, 0);
    auto st = std::make_unique<Stream>();
    st->kind = StreamKind::Push;
    st->device = device;
    st->rate = sampleRate;
    st->channels = channels;
    st->sourceChannels = channels;
    st->output = id;
    return addStream(s, std::move(st));
}

int putData(Handle push, const void *data, int bytes)
{
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    Stream *st = findKind(s, push, StreamKind::Push);
    if (!st)
        return failWith(ErrorHandle, -1);
    const int frameBytes = int(sizeof(float)) * st->channels;
    if (bytes < 0 || bytes % frameBytes != 0 || (!data && bytes > 0))
        return failWith(ErrorParameter, -1);
    if (bytes > 0 && SDL_QueueAudio(st->output, data, Uint32(bytes)) != 0)
        return failWith(ErrorMemory, -1);
    t_lastError = ErrorNone;
    return int(SDL_GetQueuedAudioSize(st->output));
}

int queuedBytes(Handle push)
{
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    Stream *st = findKind(s, push, StreamKind::Push);
    if (!st)
        return failWith(ErrorHandle, -1);
    t_lastError = ErrorNone;
    return int(SDL_GetQueuedAudioSize(st->output));
}

bool play(Handle push, bool)
{
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    Stream *st = findKind(s, push, StreamKind::Push);
    if (!st)
        return fail(ErrorHandle);
    SDL_PauseAudioDevice(st->output, 0);
    st->playing = true;
    st->paused = false;
    return succeed();
}

bool pause(Handle push)
{
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    Stream *st = findKind(s, push, StreamKind::Push);
    if (!st)
        return fail(ErrorHandle);
    SDL_PauseAudioDevice(st->output, 1);
    st->paused = st->playing;
    return succeed();
}

bool stop(Handle push)
{
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    Stream *st = findKind(s, push, StreamKind::Push);
    if (!st)
        return fail(ErrorHandle);
    SDL_PauseAudioDevice(st->output, 1);
    SDL_ClearQueuedAudio(st->output);
    st->playing = false;
    st->paused = false;
    return succeed();
}

// ---- Silent source and encoder ------------------------------------------------------------------

Handle createSourceStream(int sampleRate, int channels)
{
    if (sampleRate <= 0 || sampleRate > kMaxSampleRate || channels < 1 || channels > 8)
        return failWith<Handle>(ErrorParameter, 0);
    auto st = std::make_unique<Stream>();
    st->kind = StreamKind::Source;
    st->rate = sampleRate;
    st->channels = channels;
    st->sourceChannels = channels;
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    st->device = s.current;
    return addStream(s, std::move(st));
}

bool startWavEncoder(Handle source, const std::string &utf8Path)
{
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    Stream *st = findKind(s, source, StreamKind::Source);
    if (!st)
        return fail(ErrorHandle);
    if (st->encoder) {
        st->encoder->finish();
        st->encoder.reset();
    }
    st->encoder = WavEncoder::toFile(utf8Path, st->rate, st->channels);
    return st->encoder ? succeed() : fail(ErrorFileOpen);
}

bool encodeFloats(Handle source, const float *samples, int bytes)
{
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    Stream *st = findKind(s, source, StreamKind::Source);
    if (!st)
        return fail(ErrorHandle);
    if (!st->encoder)
        return fail(ErrorNoEncoder);
    if (bytes < 0 || bytes % int(sizeof(float)) != 0 || (!samples && bytes > 0))
        return fail(ErrorParameter);
    return st->encoder->write(samples, std::size_t(bytes) / sizeof(float)) ? succeed() : fail(ErrorFileOpen);
}

// ---- Errors ------------------------------------------------------------------------------------

int lastError()
{
    return t_lastError;
}

const char *errorText(int code)
{
    switch (code) {
    case ErrorNone: return "no error";
    case ErrorMemory: return "out of memory";
    case ErrorFileOpen: return "the file could not be opened";
    case ErrorFormat: return "not a supported sound file";
    case ErrorCodec: return "the audio codec is not available";
    case ErrorHandle: return "invalid stream handle";
    case ErrorDevice: return "no such device";
    case ErrorNotInitialised: return "the device is not open";
    case ErrorDriver: return "the output device could not be opened";
    case ErrorParameter: return "invalid parameter";
    case ErrorRead: return "reading the file failed";
    case ErrorNoEncoder: return "no encoder attached";
    case ErrorSampleRate: return "the sample rate is not supported";
    default: return "unknown error";
    }
}

void shutdown()
{
    LayerState &s = layer();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.streams.clear();
    s.openDevices.clear();
    s.outputNames.clear();
    s.current = -1;
    if (s.sdlUp) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        s.sdlUp = false;
    }
    if (s.fallback)
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    s.fallback = false;
    s.driver.clear();
    t_lastError = ErrorNone;
}

} // namespace audiolayer
