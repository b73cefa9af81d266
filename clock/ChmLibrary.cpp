#include "clock/ChmLibrary.h"

#include "app/Exception.h"

#include <QCoreApplication>
#include <QFile>

#include <dlfcn.h>
#include <sys/stat.h>

namespace {
QString &LibraryName()
{
    static QString name = QStringLiteral("libchm.so.1");
    return name;
}

// chmlib's description of one object in the file (struct chmUnitInfo).
struct ChmUnitInfo {
    unsigned long long start;
    unsigned long long length;
    int space;
    int flags;
    char path[513];
};

// A page or picture larger than this is not a help page of ours.
constexpr unsigned long long kMaxObjectBytes = 16ull << 20;
// Nor is a help file larger than this one of ours.
constexpr long long kMaxFileBytes = 64ll << 20;

// chmlib opens whatever it is given and reads it on the calling thread, the
// user-interface thread: a FIFO or a device there would hang the program.
bool IsHelpFile(const QByteArray &path)
{
    struct stat st {};
    return ::stat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kMaxFileBytes;
}
} // namespace

// Translated where they are raised: the translations are put in after these are made.
const char *const ChmLibrary::kNotInstalled = QT_TRANSLATE_NOOP("ChmLibrary", "HHCtrl.OCX not installed!\r HTMLHELP cannot displayed!");
const char *const ChmLibrary::kNoFunction = QT_TRANSLATE_NOOP("ChmLibrary", "Function HTMLHELP cannot loaded!");

ChmLibrary &ChmLibrary::Instance()
{
    static ChmLibrary library;
    return library;
}

void ChmLibrary::SetLibraryNameForTests(const QString &name)
{
    LibraryName() = name;
    ChmLibrary &library = Instance();
    if (library.handle_ && !library.Loaded()) {
        dlclose(library.handle_);
        library.handle_ = nullptr;
    }
}

void ChmLibrary::Load()
{
    if (Loaded())
        return;
    if (!handle_)
        handle_ = dlopen(QFile::encodeName(LibraryName()).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_)
        throw Exception(QCoreApplication::translate("ChmLibrary", kNotInstalled));
    auto open = reinterpret_cast<OpenFn>(dlsym(handle_, "chm_open"));
    auto close = reinterpret_cast<CloseFn>(dlsym(handle_, "chm_close"));
    auto resolve = reinterpret_cast<ResolveFn>(dlsym(handle_, "chm_resolve_object"));
    auto retrieve = reinterpret_cast<RetrieveFn>(dlsym(handle_, "chm_retrieve_object"));
    if (!open || !close || !resolve || !retrieve)
        throw Exception(QCoreApplication::translate("ChmLibrary", kNoFunction));
    close_ = close;
    resolve_ = resolve;
    retrieve_ = retrieve;
    open_ = open;
}

std::optional<QByteArray> ChmLibrary::Read(const QString &chmPath, const QString &objectPath) const
{
    if (!Loaded())
        return std::nullopt;
    const QByteArray name = QFile::encodeName(chmPath);
    if (!IsHelpFile(name))
        return std::nullopt;
    void *file = open_(name.constData());
    if (!file)
        return std::nullopt;
    std::optional<QByteArray> result;
    ChmUnitInfo info{};
    const QByteArray object = objectPath.toUtf8();
    if (resolve_(file, object.constData(), &info) == 0 && info.length <= kMaxObjectBytes) {
        QByteArray bytes(static_cast<qsizetype>(info.length), Qt::Uninitialized);
        const long long got = info.length == 0 ? 0
                                               : retrieve_(file, &info, reinterpret_cast<unsigned char *>(bytes.data()),
                                                           0, static_cast<long long>(info.length));
        if (got == static_cast<long long>(info.length))
            result = bytes;
    }
    close_(file);
    return result;
}
