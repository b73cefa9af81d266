#include "engine/GstFailure.h"

#include "engine/protocol/EngineCodes.h"

#include <gst/gst.h>

namespace {

QString Quoted(const QString &fileName)
{
    return QLatin1Char('"') + fileName + QLatin1Char('"');
}

// Higher ranks tell more about what went wrong.
int Rank(const GstErrorReport &e)
{
    if ((e.domain == GST_CORE_ERROR && e.code == GST_CORE_ERROR_MISSING_PLUGIN) ||
        (e.domain == GST_STREAM_ERROR && e.code == GST_STREAM_ERROR_CODEC_NOT_FOUND))
        return 6;
    if (e.domain == GST_RESOURCE_ERROR)
        return 5;
    if (e.domain == GST_STREAM_ERROR && e.code == GST_STREAM_ERROR_TYPE_NOT_FOUND)
        return 4;
    if (e.domain == GST_STREAM_ERROR && e.code != GST_STREAM_ERROR_FAILED)
        return 3;
    if (e.domain == GST_STREAM_ERROR)
        return 2;
    return 1; // core and library errors: the engine's own trouble
}

} // namespace

EngineFailure ClassifyGstFailure(const std::vector<GstErrorReport> &errors,
                                 const QStringList &missingPlugins, const QString &fileName)
{
    const QString file = Quoted(fileName);
    if (!missingPlugins.isEmpty()) {
        return {EngineCode::MissingDecoder,
                QStringLiteral("The decoder this sound needs is not installed (missing GStreamer plug-in: %1): %2")
                    .arg(missingPlugins.join(QStringLiteral(", ")), file)};
    }
    const GstErrorReport *best = nullptr;
    for (const GstErrorReport &e : errors) {
        if (!best || Rank(e) > Rank(*best))
            best = &e;
    }
    if (!best)
        return {EngineCode::BadFormat, EngineCodeText(EngineCode::BadFormat) + QStringLiteral(": ") + file};

    switch (Rank(*best)) {
    case 6:
        return {EngineCode::MissingDecoder,
                EngineCodeText(EngineCode::MissingDecoder) + QStringLiteral(" (%1): %2").arg(best->message, file)};
    case 5:
        if (best->fromSink) {
            return {EngineCode::PlaybackFailed,
                    QStringLiteral("The sound output cannot be used (%1)").arg(best->message)};
        }
        if (best->code == GST_RESOURCE_ERROR_NOT_FOUND)
            return {EngineCode::FileNotFound, EngineCodeText(EngineCode::FileNotFound) + QStringLiteral(": ") + file};
        return {EngineCode::CannotOpen,
                EngineCodeText(EngineCode::CannotOpen) + QStringLiteral(" (%1): %2").arg(best->message, file)};
    case 4:
        return {EngineCode::NotAudio, EngineCodeText(EngineCode::NotAudio) + QStringLiteral(": ") + file};
    case 3:
    case 2:
        return {EngineCode::BadFormat, EngineCodeText(EngineCode::BadFormat) + QStringLiteral(": ") + file};
    default:
        return {EngineCode::PlaybackFailed,
                EngineCodeText(EngineCode::PlaybackFailed) + QStringLiteral(" (%1): %2").arg(best->message, file)};
    }
}
