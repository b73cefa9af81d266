#include "engine/GstRuntime.h"

#include <QFile>
#include <QFileInfo>

#include <gst/gst.h>

bool StartGStreamer(QString &error)
{
    GError *failure = nullptr;
    if (gst_init_check(nullptr, nullptr, &failure))
        return true;
    error = failure ? QString::fromUtf8(failure->message) : QStringLiteral("unknown reason");
    g_clear_error(&failure);
    return false;
}

QString GeneralMidiSoundFont()
{
    static const QString found = [] {
        // default-GM.sf2 is Debian's alternative for "the" GM font; the others
        // are the fonts that Debian's packages install under their own names.
        const char *const candidates[] = {
            "/usr/share/sounds/sf2/default-GM.sf2",
            "/usr/share/sounds/sf2/TimGM6mb.sf2",
            "/usr/share/sounds/sf2/FluidR3_GM.sf2",
            "/usr/share/soundfonts/default.sf2",
            "/usr/share/soundfonts/FluidR3_GM.sf2",
        };
        for (const char *candidate : candidates) {
            const QFileInfo info(QString::fromLatin1(candidate));
            if (info.isFile() && info.isReadable())
                return info.canonicalFilePath();
        }
        return QString();
    }();
    return found;
}

QStringList PlaybackFolders()
{
    QStringList folders;
    GList *plugins = gst_registry_get_plugin_list(gst_registry_get());
    for (GList *p = plugins; p; p = p->next) {
        const gchar *file = gst_plugin_get_filename(GST_PLUGIN(p->data));
        const QString folder = file ? QFileInfo(QFile::decodeName(file)).absolutePath() : QString();
        if (!folder.isEmpty() && !folders.contains(folder))
            folders << folder;
    }
    gst_plugin_list_free(plugins);
    if (const QString font = GeneralMidiSoundFont(); !font.isEmpty())
        folders << QFileInfo(font).absolutePath();
    return folders;
}
