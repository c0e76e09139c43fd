// audiolayer: the program's audio library. It decodes sound files to float samples
// (FFmpeg), lists and opens output devices and plays a push stream on them (SDL2).
//
// Who calls it:
//  - AudioPlayer: checks the version, opens the output device, creates one push stream
//    at the track's rate, keeps about 93 ms queued with putData (8192 bytes at a time),
//    plays, pauses, stops and frees it; lists devices and selects one by number.
//  - MainWindow, opening a file: opens a decoding stream by path and reads it to the end
//    in chunks of float samples; loads the (no-op) plug-ins at start-up.
//  - The WAV export (ExportWriter): a silent source stream carrying the track's format,
//    with an encoder that writes a 16-bit WAV file.
//  - The preferences' device page: the device list and the current device.
//
// Every function is safe to call from any thread: the handle table and the device state
// are guarded by one mutex, so the GUI thread may free or recreate a stream while the
// audio thread pushes to it (calls on a freed handle fail with ErrorHandle).
// Errors: a function that fails returns false, 0 or -1 and sets the calling thread's
// last error; lastError() and errorText() give "Error(%d): %s" material.
#pragma once

#include <cstdint>
#include <string>

namespace audiolayer {

// Streams are named by handles; 0 is never a valid handle.
using Handle = std::uint32_t;

// ---- Version ----------------------------------------------------------------------
// Major and minor number in the high 16 bits, build number in the low 16.
constexpr std::uint32_t kVersion = 0x01000000u;
std::uint32_t version();
// True when the library's high word (major.minor) equals the one this header was built with.
bool versionMatches();

// ---- Configuration ------------------------------------------------------------------
enum class Option {
    UnicodeDeviceNames, // 0/1; device names are always UTF-8, the value is only kept
    UpdatePeriodMs,     // kept; output is fed by the device itself (default 100)
    BufferLengthMs,     // kept (default 500); the device buffer stays at about 1024 frames
    FloatDsp            // 0/1; kept, every path is 32-bit float already
};
bool setOption(Option option, int value); // false (ErrorParameter) for a negative value
int option(Option option);

// ---- Devices ------------------------------------------------------------------------
// Device numbers: 0 = no sound (decoding only), -1 = the default output (resolved to 1),
// 1 = the system's default output ("Default"), 2.. = the output devices the system lists.
// So a list index i of the names from 1 upwards is device i + 1.
constexpr int kNoSoundDevice = 0;
constexpr int kDefaultDevice = -1;

struct DeviceInfo {
    std::string name;        // UTF-8
    bool isDefault = false;  // device 1
    bool initialised = false;
};

// Opens a device and makes it the current one. For an output device the layer checks that
// it really opens; when it does not, it tries the default output and then the silent dummy
// driver (isFallbackOutput() then reports it, and a line goes to standard error).
// Opening a device that is already open only selects it. sampleRate is a hint: each push
// stream opens the output at its own rate.
bool initDevice(int device, int sampleRate = 44100);
// Releases the current device and every stream created while it was current. Another
// open device, if any, becomes current (an open output is preferred).
bool freeDevice();
// Selects an open device as the current one (-1 = device 1).
bool setDevice(int device);
// Current device number, -1 when none is open.
int currentDevice();
// Name and flags of a device; false past the last device (enumerate from 1 until false).
bool deviceInfo(int device, DeviceInfo *info);
// True when the output fell back to the silent dummy driver because no device opened.
bool isFallbackOutput();
// Name of the output driver in use ("pulseaudio", "alsa", "dummy", ...), empty before use.
std::string outputDriver();

// ---- Plug-ins -------------------------------------------------------------------------
// The decoder reads every supported format already: loading succeeds and does nothing.
bool loadPlugin(const std::string &fileName);

// ---- Streams --------------------------------------------------------------------------
enum class StreamKind { Decoder, Push, Source };

struct StreamInfo {
    int sampleRate = 0;     // Hz, the file's own rate for a decoder
    int channels = 0;       // channels delivered: 1 or 2 for a decoder (more are downmixed)
    int sourceChannels = 0; // channels in the file (decoder), else equal to channels
    StreamKind kind = StreamKind::Decoder;
};

// Not active is 0, so the result can be tested as a truth value.
enum class Activity {
    Stopped = 0, // decoder: no data left; push stream: stopped or never played
    Playing,     // decoder: data left; push stream: playing with data queued
    Stalled,     // push stream: playing, queue empty
    Paused       // push stream: paused
};

bool streamInfo(Handle stream, StreamInfo *info);
Activity activity(Handle stream);
// Frees any stream (decoder, push or source; a source's encoder is finished first).
bool freeStream(Handle stream);

// ---- Decoding -------------------------------------------------------------------------
// Opens a file (UTF-8 path) for decoding to interleaved 32-bit float at its own rate:
// WAV, Ogg Vorbis, MP3, FLAC, WMA, M4A, MP4, AAC, AIFF and whatever else FFmpeg reads.
// A file with no decodable audio fails here (ErrorFileOpen, ErrorFormat or ErrorCodec);
// so does anything but a regular file (a FIFO or a device would block or never end:
// ErrorFileOpen) and a rate outside minimumSampleRate..maximumSampleRate (ErrorSampleRate).
// Needs no open device; like every stream it belongs to the device current at creation
// (if any) and is released by freeDevice() on that device unless freed before.
Handle openFile(const std::string &utf8Path);
constexpr int minimumSampleRate = 4000;
constexpr int maximumSampleRate = 768000;
// Frames the file is expected to hold, -1 when unknown. Only an estimate: the stream
// delivers every frame it decodes, which may be a few thousand more or fewer.
std::int64_t lengthFrames(Handle decoder);
// The same when the file states its length (a WAV header's data size, a FLAC stream's
// sample count...), -1 when the length is only guessed from the bit rate or unknown.
// Known before anything is decoded.
std::int64_t announcedFrames(Handle decoder);
// Copies up to maxBytes (rounded down to whole frames) of interleaved float samples into
// buffer and returns the bytes written. Returns 0 once the stream has ended (activity()
// is then Stopped) and -1 on a bad handle. A read or decode error that cannot be skipped
// ends the stream; lastError() after the end tells ErrorNone or ErrorRead.
int readFloats(Handle decoder, float *buffer, int maxBytes);

// ---- Push output stream -----------------------------------------------------------------
// A stream of interleaved float frames that the caller pushes and the current output device
// plays at sampleRate (channels 1 or 2). Fails (ErrorNotInitialised) with no output open.
Handle createPushStream(int sampleRate, int channels = 2);
// Appends bytes (whole frames) to the queue; returns the bytes now queued, -1 on error.
int putData(Handle push, const void *data, int bytes);
// Bytes queued and not yet played, -1 on a bad handle.
int queuedBytes(Handle push);
// Starts (or resumes) output. The queued data is kept either way; restart only matters
// after stop(), whose queue is already empty.
bool play(Handle push, bool restart = true);
bool pause(Handle push);
// Stops output and drops the queued data.
bool stop(Handle push);

// ---- Silent source and encoder (export) --------------------------------------------------
// A stream that holds a format (rate, channels) and produces nothing by itself; the export
// writes float samples into its encoder. Freeing the stream finishes the encoder and
// reports (false, ErrorFileOpen) a file that could not be completed.
Handle createSourceStream(int sampleRate, int channels = 2);
// Attaches an encoder that writes a 16-bit PCM WAV file (UTF-8 path); the header's sizes
// are completed when the stream is freed. False (ErrorFileOpen) when the file cannot be made.
bool startWavEncoder(Handle source, const std::string &utf8Path);
// Converts interleaved float samples (bytes of them) to 16 bits, saturated, and passes
// them to the source's encoder. False without an encoder or after a write error.
bool encodeFloats(Handle source, const float *samples, int bytes);

// ---- Errors ----------------------------------------------------------------------------
enum Error : int {
    ErrorNone = 0,
    ErrorMemory = 1,         // out of memory
    ErrorFileOpen = 2,       // the file (or encoder output) cannot be opened
    ErrorFormat = 3,         // not a sound file we can read, or no audio in it
    ErrorCodec = 4,          // the audio codec is not available
    ErrorHandle = 5,         // not a valid stream handle, or wrong kind of stream
    ErrorDevice = 6,         // no such device number
    ErrorNotInitialised = 7, // the device (or any output) is not open
    ErrorDriver = 8,         // the output device could not be opened
    ErrorParameter = 9,      // a bad value was passed
    ErrorRead = 10,          // reading or decoding failed; the stream ended there
    ErrorNoEncoder = 11,     // the source stream has no encoder
    ErrorSampleRate = 12,    // the file's sample rate is outside what we play
    ErrorUnknown = -1
};
// Code of the last failed call on this thread (ErrorNone after a successful one).
int lastError();
// Short English text for a code; never null.
const char *errorText(int code);

// Frees every stream and device and closes the SDL audio subsystem (at program end).
void shutdown();

} // namespace audiolayer
