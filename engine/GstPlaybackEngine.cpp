#include "engine/GstPlaybackEngine.h"

#include "engine/DescriptorSource.h"
#include "engine/GstFailure.h"
#include "engine/GstRuntime.h"
#include "engine/protocol/EngineCodes.h"
#include "engine/protocol/SoundFile.h"
#include "engine/protocol/SoundLog.h"
#include "engine/protocol/VolumeMapping.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLoggingCategory>

#include <gst/base/gstbasesink.h>
#include <gst/base/gstbasesrc.h>
#include <gst/gst.h>
#include <gst/pbutils/missing-plugins.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

// playbin's GstPlayFlags (not in a public header): sound only, volume in software.
constexpr guint kPlayFlagAudio = 1u << 1;
constexpr guint kPlayFlagSoftVolume = 1u << 4;

constexpr GstClockTime kOpenTimeout = 10 * GST_SECOND;
// GStreamer may report a failed state change a moment before the error that
// explains it reaches the bus.
constexpr auto kErrorGrace = std::chrono::milliseconds(200);
// Durations that GStreamer estimates (mp2, mp3 without a header) are asked
// again at this interval even without a DURATION_CHANGED message.
constexpr qint64 kDurationRefreshMs = 1000;

// A seek with no stop position sends 16-bit .au/.snd files straight to their
// end, so "play to the end" is passed as an explicit stop past any sound's end.
constexpr gint64 kOpenEndStop = G_MAXINT64 / 2;

// fluidsynth's default gain (0.2) leaves MIDI some 20 dB quieter than other
// sounds; this brings a loud note to about the level of a normal recording.
constexpr double kMidiGain = 1.0;

constexpr int64_t kNsPer100ns = 100;

std::mutex &HooksMutex()
{
    static std::mutex mutex;
    return mutex;
}
GstPlaybackEngine::SinkFactory &SinkFactoryHook()
{
    static GstPlaybackEngine::SinkFactory factory;
    return factory;
}
GstPlaybackEngine::MessageObserver &ObserverHook()
{
    static GstPlaybackEngine::MessageObserver observer;
    return observer;
}

qint64 MonotonicMs()
{
    return QDeadlineTimer::current().deadline();
}

QString Quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

} // namespace

// What the engine shares with GStreamer's threads.
struct GstPlaybackEngine::Shared {
    std::mutex mutex;
    std::condition_variable errorPosted;
    // Messages for the engine's thread, each with the generation it was posted in.
    std::deque<std::pair<std::shared_ptr<GstMessage>, unsigned>> pending;
    std::function<void()> wakeup; // cleared before the engine goes
    std::atomic<unsigned> generation{0};
    std::atomic<bool> durationDirty{true};
    // What went wrong while a sound was being opened or started.
    std::vector<GstErrorReport> errors;
    QStringList missingPlugins;
    bool midiWithoutFont = false;
};

// The bus sync handler and the element-setup hook, run on GStreamer's threads.
struct BusRelay {
    static GstBusSyncReply OnMessage(GstBus *, GstMessage *message, gpointer data)
    {
        GstPlaybackEngine::Shared &shared = **static_cast<std::shared_ptr<GstPlaybackEngine::Shared> *>(data);
        {
            std::lock_guard<std::mutex> lock(HooksMutex());
            if (ObserverHook())
                ObserverHook()(message);
        }
        switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_ERROR:
            Record(shared, message);
            Queue(shared, message);
            break;
        case GST_MESSAGE_ELEMENT:
            if (gst_is_missing_plugin_message(message))
                RecordMissingPlugin(shared, message);
            break;
        case GST_MESSAGE_DURATION_CHANGED:
            shared.durationDirty = true;
            break;
        case GST_MESSAGE_EOS:
        case GST_MESSAGE_CLOCK_LOST:
            Queue(shared, message);
            break;
        default:
            break;
        }
        // Nobody pops the bus: everything we need has been taken here. A
        // dropped message is ours to release; kept, it would hold its source
        // element, and so the whole chain of every sound opened, for ever.
        gst_message_unref(message);
        return GST_BUS_DROP;
    }

    static void FreeData(gpointer data)
    {
        delete static_cast<std::shared_ptr<GstPlaybackEngine::Shared> *>(data);
    }

    static void Record(GstPlaybackEngine::Shared &shared, GstMessage *message)
    {
        GError *error = nullptr;
        gchar *debug = nullptr;
        gst_message_parse_error(message, &error, &debug);
        GstErrorReport report;
        if (error) {
            report.domain = error->domain;
            report.code = error->code;
            report.message = QString::fromUtf8(error->message);
            g_error_free(error);
        }
        GstObject *source = GST_MESSAGE_SRC(message);
        qCInfo(lcSound).noquote() << "GStreamer error from" << (source ? GST_OBJECT_NAME(source) : "?") << ":"
                                  << report.message << "|" << (debug ? debug : "");
        g_free(debug);
        report.fromSource = source && GST_IS_BASE_SRC(source);
        report.fromSink = source && GST_IS_BASE_SINK(source);
        std::lock_guard<std::mutex> lock(shared.mutex);
        shared.errors.push_back(report);
        shared.errorPosted.notify_all();
    }

    static void RecordMissingPlugin(GstPlaybackEngine::Shared &shared, GstMessage *message)
    {
        gchar *description = gst_missing_plugin_message_get_description(message);
        const QString text = QString::fromUtf8(description ? description : "unknown plug-in");
        g_free(description);
        std::lock_guard<std::mutex> lock(shared.mutex);
        if (!shared.missingPlugins.contains(text))
            shared.missingPlugins.append(text);
        shared.errorPosted.notify_all();
    }

    // Hands the message to the engine's thread and wakes it.
    static void Queue(GstPlaybackEngine::Shared &shared, GstMessage *message)
    {
        std::function<void()> wakeup;
        {
            std::lock_guard<std::mutex> lock(shared.mutex);
            if (!shared.wakeup)
                return;
            shared.pending.emplace_back(std::shared_ptr<GstMessage>(gst_message_ref(message), gst_message_unref),
                                        shared.generation.load());
            wakeup = shared.wakeup;
        }
        wakeup();
    }

    static void OnElementSetup(GstElement *, GstElement *element, gpointer data)
    {
        GstElementFactory *factory = gst_element_get_factory(element);
        if (!factory || std::strcmp(gst_plugin_feature_get_name(GST_PLUGIN_FEATURE(factory)), "fluiddec") != 0)
            return;
        const QString font = GeneralMidiSoundFont();
        if (font.isEmpty()) {
            auto *shared = static_cast<GstPlaybackEngine::Shared *>(data);
            std::lock_guard<std::mutex> lock(shared->mutex);
            shared->midiWithoutFont = true;
            return;
        }
        g_object_set(element, "soundfont", QFile::encodeName(font).constData(), "synth-gain", kMidiGain,
                     nullptr);
    }
};

GstPlaybackEngine::GstPlaybackEngine() : shared_(std::make_shared<Shared>())
{
    DescriptorSource::Register();
    playbin_ = gst_element_factory_make("playbin", nullptr);
    if (!playbin_)
        return;
    gst_object_ref_sink(playbin_);
    g_object_set(playbin_, "flags", kPlayFlagAudio | kPlayFlagSoftVolume, nullptr);
    // Without the video and text flags playbin still tries the system's video
    // sinks for a file with pictures in it, and some of them (KMS, DirectFB)
    // crash: a picture or a music video under a sound's name must stay a
    // matter of sound only.
    for (const char *property : {"video-sink", "text-sink"}) {
        if (GstElement *fake = gst_element_factory_make("fakesink", nullptr))
            g_object_set(playbin_, property, fake, nullptr);
    }

    SinkFactory factory;
    {
        std::lock_guard<std::mutex> lock(HooksMutex());
        factory = SinkFactoryHook();
    }
    GstElement *sink = factory ? factory() : gst_element_factory_make("autoaudiosink", nullptr);
    if (sink)
        g_object_set(playbin_, "audio-sink", sink, nullptr);

    GstBus *bus = gst_element_get_bus(playbin_);
    gst_bus_set_sync_handler(bus, &BusRelay::OnMessage, new std::shared_ptr<Shared>(shared_),
                             &BusRelay::FreeData);
    gst_object_unref(bus);
    g_signal_connect(playbin_, "element-setup", G_CALLBACK(&BusRelay::OnElementSetup), shared_.get());
    // The output opens once here; clearing keeps it open for the next sound.
    gst_element_set_state(playbin_, GST_STATE_READY);
}

GstPlaybackEngine::~GstPlaybackEngine()
{
    if (playbin_)
        gst_element_set_state(playbin_, GST_STATE_NULL); // joins GStreamer's threads
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        shared_->wakeup = nullptr;
        shared_->pending.clear();
    }
    if (playbin_) {
        GstBus *bus = gst_element_get_bus(playbin_);
        gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
        gst_object_unref(bus);
        gst_object_unref(playbin_);
    }
}

void GstPlaybackEngine::SetAudioSinkFactory(SinkFactory factory)
{
    std::lock_guard<std::mutex> lock(HooksMutex());
    SinkFactoryHook() = std::move(factory);
}

void GstPlaybackEngine::SetMessageObserver(MessageObserver observer)
{
    std::lock_guard<std::mutex> lock(HooksMutex());
    ObserverHook() = std::move(observer);
}

QString GstPlaybackEngine::ErrorText(int32_t code) const
{
    return failure_.TextFor(code);
}

void GstPlaybackEngine::Reset(bool hard)
{
    // NULL also closes the output and is the only state that surely ends the
    // threads of an open that failed half-way.
    gst_element_set_state(playbin_, hard ? GST_STATE_NULL : GST_STATE_READY);
    shared_->generation++;
    ResetPlayback(false);
}

void GstPlaybackEngine::ResetPlayback(bool loaded)
{
    if (!loaded)
        file_.Reset(); // the pipeline no longer reads it
    loaded_ = loaded;
    atEnd_ = false;
    endPosition_ = -1;
    explicitStop_ = -1;
    durationCache_ = -1;
}

int32_t GstPlaybackEngine::RenderFile(const QString &fileName)
{
    FileDescriptor file;
    QString text;
    if (const int32_t opened = SoundFile::Open(fileName, file, text); Failed(opened))
        return failure_.Set(opened, text);
    return RenderOpenFile(std::move(file), fileName);
}

int32_t GstPlaybackEngine::RenderOpenFile(FileDescriptor file, const QString &name)
{
    if (!playbin_)
        return failure_.Set(EngineCode::EngineUnavailable, EngineCodeText(EngineCode::EngineUnavailable));
    if (!file.IsValid())
        return failure_.Set(EngineCode::CannotOpen, EngineCodeText(EngineCode::CannotOpen) + QStringLiteral(": ") + Quoted(name));
    if (loaded_)
        Reset(false);
    file_ = std::move(file);
    return OpenUri(DescriptorSource::Uri(file_.Get()), name);
}

int32_t GstPlaybackEngine::OpenUri(const QString &uri, const QString &shownName)
{
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        shared_->errors.clear();
        shared_->missingPlugins.clear();
        shared_->midiWithoutFont = false;
    }
    shownName_ = shownName;
    g_object_set(playbin_, "uri", uri.toUtf8().constData(), nullptr);
    GstStateChangeReturn result = gst_element_set_state(playbin_, GST_STATE_PAUSED);
    if (result == GST_STATE_CHANGE_ASYNC)
        result = gst_element_get_state(playbin_, nullptr, nullptr, kOpenTimeout);
    if (result == GST_STATE_CHANGE_ASYNC) {
        Reset(true);
        return failure_.Set(EngineCode::OpenTimeout, EngineCodeText(EngineCode::OpenTimeout) + QStringLiteral(": ") + Quoted(shownName));
    }
    if (result == GST_STATE_CHANGE_FAILURE)
        return FailFromBus(shownName);

    gint audioStreams = 0;
    g_object_get(playbin_, "n-audio", &audioStreams, nullptr);
    bool missing = false;
    bool noFont = false;
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        missing = !shared_->missingPlugins.isEmpty();
        noFont = shared_->midiWithoutFont;
    }
    if (audioStreams == 0 && missing)
        return FailFromBus(shownName);
    if (audioStreams == 0) {
        Reset(true);
        return failure_.Set(EngineCode::NotAudio, EngineCodeText(EngineCode::NotAudio) + QStringLiteral(": ") + Quoted(shownName));
    }
    if (noFont) {
        Reset(true);
        return failure_.Set(EngineCode::MissingDecoder,
                    QStringLiteral("No General MIDI sound font is installed (package timgm6mb-soundfont) to play ") +
                        Quoted(shownName));
    }
    // Messages posted while opening belong to the open, not to the playing.
    shared_->generation++;
    ResetPlayback(true);
    shared_->durationDirty = true;
    return S_OK;
}

int32_t GstPlaybackEngine::FailFromBus(const QString &shownName)
{
    std::vector<GstErrorReport> errors;
    QStringList missingPlugins;
    {
        std::unique_lock<std::mutex> lock(shared_->mutex);
        shared_->errorPosted.wait_for(lock, kErrorGrace, [this] {
            return !shared_->errors.empty() || !shared_->missingPlugins.isEmpty();
        });
        errors = shared_->errors;
        missingPlugins = shared_->missingPlugins;
    }
    Reset(true);
    const EngineFailure failure = ClassifyGstFailure(errors, missingPlugins, shownName);
    return failure_.Set(failure.code, failure.text);
}

int32_t GstPlaybackEngine::Clear()
{
    if (playbin_)
        Reset(false);
    return S_OK;
}

int32_t GstPlaybackEngine::Run()
{
    if (!loaded_)
        return S_OK;
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        shared_->errors.clear();
        shared_->missingPlugins.clear();
    }
    if (gst_element_set_state(playbin_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
        return FailFromBus(shownName_);
    return S_OK;
}

int32_t GstPlaybackEngine::Stop()
{
    if (!loaded_)
        return S_OK;
    if (gst_element_set_state(playbin_, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE)
        return FailFromBus(shownName_);
    return S_OK;
}

bool GstPlaybackEngine::QueryDuration(int64_t &ns) const
{
    gint64 value = -1;
    if (!gst_element_query_duration(playbin_, GST_FORMAT_TIME, &value) || value < 0)
        return false;
    ns = value;
    return true;
}

bool GstPlaybackEngine::GetDuration(int64_t &duration)
{
    if (!loaded_)
        return false;
    if (atEnd_ && endPosition_ >= 0) {
        // Estimated lengths (mp2, mp3 without a header) can be off; at the end
        // the length is where the sound stopped.
        duration = endPosition_ / kNsPer100ns;
        return true;
    }
    const qint64 now = MonotonicMs();
    if (durationCache_ < 0 || shared_->durationDirty.exchange(false) || now - durationAskedAt_ >= kDurationRefreshMs) {
        durationAskedAt_ = now;
        if (!QueryDuration(durationCache_)) {
            durationCache_ = -1;
            return false;
        }
    }
    duration = durationCache_ / kNsPer100ns;
    return true;
}

bool GstPlaybackEngine::GetCurrentPosition(int64_t &position) const
{
    if (!loaded_)
        return false;
    if (atEnd_ && endPosition_ >= 0) {
        position = endPosition_ / kNsPer100ns;
        return true;
    }
    gint64 value = -1;
    if (!gst_element_query_position(playbin_, GST_FORMAT_TIME, &value) || value < 0)
        return false;
    position = value / kNsPer100ns;
    return true;
}

bool GstPlaybackEngine::GetStopPosition(int64_t &stop)
{
    if (!loaded_)
        return false;
    if (explicitStop_ >= 0) {
        stop = explicitStop_ / kNsPer100ns;
        return true;
    }
    return GetDuration(stop);
}

int32_t GstPlaybackEngine::SetPositions(int64_t current, int64_t stop, bool positionStop)
{
    if (!loaded_)
        return failure_.Set(EngineCode::NothingLoaded, EngineCodeText(EngineCode::NothingLoaded));
    if (positionStop)
        explicitStop_ = stop * kNsPer100ns;
    const gint64 stopNs = explicitStop_ >= 0 ? explicitStop_ : kOpenEndStop;
    // ACCURATE: key-unit seeks land well off the asked position in wma.
    const gboolean done = gst_element_seek(playbin_, 1.0, GST_FORMAT_TIME,
                                           GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                                           GST_SEEK_TYPE_SET, std::max<int64_t>(current, 0) * kNsPer100ns,
                                           GST_SEEK_TYPE_SET, stopNs);
    if (!done)
        return failure_.Set(EngineCode::PlaybackFailed, QStringLiteral("The sound cannot be moved to the asked position"));
    // An end reached before the move no longer holds.
    shared_->generation++;
    atEnd_ = false;
    endPosition_ = -1;
    shared_->durationDirty = true;
    return S_OK;
}

void GstPlaybackEngine::SetVolume(int hundredthsOfDecibel)
{
    if (playbin_)
        g_object_set(playbin_, "volume", GainFromEngineVolume(hundredthsOfDecibel), nullptr);
}

double GstPlaybackEngine::OutputGain() const
{
    gdouble gain = 0;
    if (playbin_)
        g_object_get(playbin_, "volume", &gain, nullptr);
    return gain;
}

bool GstPlaybackEngine::GetEvent(Event &event)
{
    return events_.Take(event);
}

void GstPlaybackEngine::QueueEvent(long code, intptr_t param1, intptr_t param2)
{
    events_.Push(Event{code, param1, param2});
}

void GstPlaybackEngine::SetWakeup(std::function<void()> wakeup)
{
    std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->wakeup = std::move(wakeup);
}

void GstPlaybackEngine::Dispatch()
{
    for (;;) {
        std::pair<std::shared_ptr<GstMessage>, unsigned> next;
        {
            std::lock_guard<std::mutex> lock(shared_->mutex);
            if (shared_->pending.empty())
                return;
            next = std::move(shared_->pending.front());
            shared_->pending.pop_front();
        }
        HandleMessage(next.first.get(), next.second);
    }
}

void GstPlaybackEngine::HandleMessage(GstMessage *message, unsigned generation)
{
    if (generation != shared_->generation || !loaded_)
        return; // about a sound that is no longer loaded, or from before a move
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS: {
        gint64 position = -1;
        if (!gst_element_query_position(playbin_, GST_FORMAT_TIME, &position) || position < 0)
            position = durationCache_ >= 0 ? durationCache_ : 0;
        atEnd_ = true;
        endPosition_ = position;
        QueueEvent(EngineEventCode::Complete, S_OK);
        break;
    }
    case GST_MESSAGE_ERROR: {
        // Playing broke off (the output went away, damage in the middle of a
        // file). Treat it as the end so the window's end test stops the sound.
        std::vector<GstErrorReport> errors;
        {
            std::lock_guard<std::mutex> lock(shared_->mutex);
            errors = shared_->errors;
        }
        const EngineFailure failure = ClassifyGstFailure(errors, {}, shownName_);
        failure_.Set(failure.code, failure.text);
        int64_t position = 0;
        if (!GetCurrentPosition(position))
            position = 0;
        atEnd_ = true;
        endPosition_ = position * kNsPer100ns;
        QueueEvent(EngineEventCode::ErrorAbort, failure.code);
        break;
    }
    case GST_MESSAGE_CLOCK_LOST: {
        // The usual cure: pause and play again, which picks a new clock.
        GstState state = GST_STATE_NULL;
        gst_element_get_state(playbin_, &state, nullptr, 0);
        if (state == GST_STATE_PLAYING) {
            gst_element_set_state(playbin_, GST_STATE_PAUSED);
            gst_element_set_state(playbin_, GST_STATE_PLAYING);
        }
        break;
    }
    default:
        break;
    }
}
