#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

#include <glib.h>

// One error message that GStreamer posted while a sound was opened or started.
struct GstErrorReport {
    GQuark domain = 0;
    int code = 0;
    QString message;
    bool fromSource = false; // posted by the element that reads the file
    bool fromSink = false;   // posted by the audio output
};

struct EngineFailure {
    int32_t code;
    QString text;
};

// Chooses our code and text for a failed open or start. GStreamer posts a
// cascade of errors for one fault ("Internal data stream error" after the real
// cause), so the most telling one wins: a missing plug-in, then a file that
// cannot be read, then a stream of unknown type, then a damaged stream.
EngineFailure ClassifyGstFailure(const std::vector<GstErrorReport> &errors,
                                 const QStringList &missingPlugins, const QString &fileName);
