#include "engine/DescriptorSource.h"

#include <gst/base/gstbasesrc.h>
#include <gst/gst.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char *kScheme = "tocsimofd";

struct TocsimoFdSrc {
    GstBaseSrc parent;
    int fd;
};

struct TocsimoFdSrcClass {
    GstBaseSrcClass parent;
};

void UriHandlerInit(gpointer iface, gpointer);

#define TOCSIMO_FD_SRC(object) (reinterpret_cast<TocsimoFdSrc *>(object))

G_DEFINE_TYPE_WITH_CODE(TocsimoFdSrc, tocsimo_fd_src, GST_TYPE_BASE_SRC,
                        G_IMPLEMENT_INTERFACE(GST_TYPE_URI_HANDLER, UriHandlerInit))

GstStaticPadTemplate sourceTemplate = GST_STATIC_PAD_TEMPLATE("src", GST_PAD_SRC, GST_PAD_ALWAYS, GST_STATIC_CAPS_ANY);

gboolean Start(GstBaseSrc *base)
{
    struct stat info {};
    if (TOCSIMO_FD_SRC(base)->fd < 0 || ::fstat(TOCSIMO_FD_SRC(base)->fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        GST_ELEMENT_ERROR(base, RESOURCE, OPEN_READ, ("The sound file is not open."), (nullptr));
        return FALSE;
    }
    return TRUE;
}

gboolean Stop(GstBaseSrc *)
{
    return TRUE; // the descriptor is the caller's to close
}

gboolean IsSeekable(GstBaseSrc *)
{
    return TRUE;
}

// Asked afresh each time: a file that shrinks while it plays ends sooner.
gboolean GetSize(GstBaseSrc *base, guint64 *size)
{
    struct stat info {};
    if (::fstat(TOCSIMO_FD_SRC(base)->fd, &info) != 0)
        return FALSE;
    *size = guint64(info.st_size);
    return TRUE;
}

GstFlowReturn Fill(GstBaseSrc *base, guint64 offset, guint length, GstBuffer *buffer)
{
    GstMapInfo map;
    if (!gst_buffer_map(buffer, &map, GST_MAP_WRITE))
        return GST_FLOW_ERROR;
    gsize total = 0;
    while (total < length) {
        const ssize_t n = ::pread(TOCSIMO_FD_SRC(base)->fd, map.data + total, length - total, off_t(offset + total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            gst_buffer_unmap(buffer, &map);
            GST_ELEMENT_ERROR(base, RESOURCE, READ, (nullptr), ("pread: %s", std::strerror(errno)));
            return GST_FLOW_ERROR;
        }
        if (n == 0)
            break;
        total += gsize(n);
    }
    gst_buffer_unmap(buffer, &map);
    if (total == 0)
        return GST_FLOW_EOS;
    gst_buffer_resize(buffer, 0, gssize(total));
    GST_BUFFER_OFFSET(buffer) = offset;
    GST_BUFFER_OFFSET_END(buffer) = offset + total;
    return GST_FLOW_OK;
}

void tocsimo_fd_src_class_init(TocsimoFdSrcClass *klass)
{
    GstElementClass *element = GST_ELEMENT_CLASS(klass);
    gst_element_class_add_static_pad_template(element, &sourceTemplate);
    gst_element_class_set_static_metadata(element, "Open sound file source", "Source/File",
                                          "Reads a sound from a file already open", "Tocsimo");
    GstBaseSrcClass *source = GST_BASE_SRC_CLASS(klass);
    source->start = Start;
    source->stop = Stop;
    source->is_seekable = IsSeekable;
    source->get_size = GetSize;
    source->fill = Fill;
}

void tocsimo_fd_src_init(TocsimoFdSrc *self)
{
    self->fd = -1;
}

GstURIType UriType(GType)
{
    return GST_URI_SRC;
}

const gchar *const *Protocols(GType)
{
    static const gchar *const protocols[] = {kScheme, nullptr};
    return protocols;
}

gchar *GetUri(GstURIHandler *handler)
{
    return g_strdup_printf("%s://%d", kScheme, TOCSIMO_FD_SRC(handler)->fd);
}

gboolean SetUri(GstURIHandler *handler, const gchar *uri, GError **error)
{
    gchar *number = gst_uri_get_location(uri);
    char *end = nullptr;
    const long fd = number ? std::strtol(number, &end, 10) : -1;
    const bool valid = number && end != number && *end == '\0' && fd >= 0 && fd <= G_MAXINT;
    g_free(number);
    if (!valid) {
        g_set_error(error, GST_URI_ERROR, GST_URI_ERROR_BAD_URI, "Not a descriptor: %s", uri);
        return FALSE;
    }
    TOCSIMO_FD_SRC(handler)->fd = int(fd);
    return TRUE;
}

void UriHandlerInit(gpointer iface, gpointer)
{
    auto *handler = static_cast<GstURIHandlerInterface *>(iface);
    handler->get_type = UriType;
    handler->get_protocols = Protocols;
    handler->get_uri = GetUri;
    handler->set_uri = SetUri;
}

} // namespace

namespace DescriptorSource {

void Register()
{
    static std::once_flag once;
    std::call_once(once, [] { gst_element_register(nullptr, "tocsimofdsrc", GST_RANK_PRIMARY, tocsimo_fd_src_get_type()); });
}

QString Uri(int descriptor)
{
    return QStringLiteral("%1://%2").arg(QLatin1String(kScheme)).arg(descriptor);
}

} // namespace DescriptorSource
