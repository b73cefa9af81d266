#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// chmlib, opened with dlopen on the first help request, so a clock that never
// shows its help never maps it. A load or lookup that fails raises the help
// error and is tried again at the next request.
class ChmLibrary {
public:
    static ChmLibrary &Instance();

    // Loads the library and looks up its functions, once they are found.
    void Load();
    bool Loaded() const { return open_ != nullptr; }

    // One object (a page, a picture) of a help file, or nothing when the
    // file cannot be read or holds no such object.
    std::optional<QByteArray> Read(const QString &chmPath, const QString &objectPath) const;

    // Tests load another library instead.
    static void SetLibraryNameForTests(const QString &name);

    static const char *const kNotInstalled;
    static const char *const kNoFunction;

private:
    ChmLibrary() = default;
    using OpenFn = void *(*)(const char *);
    using CloseFn = void (*)(void *);
    using ResolveFn = int (*)(void *, const char *, void *);
    using RetrieveFn = long long (*)(void *, void *, unsigned char *, unsigned long long, long long);

    void *handle_ = nullptr;
    OpenFn open_ = nullptr;
    CloseFn close_ = nullptr;
    ResolveFn resolve_ = nullptr;
    RetrieveFn retrieve_ = nullptr;
};
