// Loading and saving profile files up to the size the program accepts
// (TIniFile::MaxFileSize), in the shapes that cost most: the alarm index's
// keys at the end of a file padded with other lines, a file of many small
// sections, one section of many keys, nothing but line breaks, and lines of
// both encodings. Load: one parse and the 255 reads the store makes. Save:
// the index rewritten (its section erased and written anew, with the flushes
// to disk of every write).
// Run by hand: build/bench/bench_profile [rounds]
#include "app/TIniFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
QByteArray IndexSection()
{
    QByteArray s = "[Alarms]\r\n";
    for (int i = 1; i <= 255; ++i)
        s += "Alarm" + QByteArray::number(i) + '=' + QByteArray::number(i) + "\r\n";
    return s;
}

// Lines made by line(i), up to size bytes, with the index section at the end.
QByteArray Shape(qint64 size, const std::function<QByteArray(int)> &line)
{
    const QByteArray index = IndexSection();
    QByteArray text;
    text.reserve(size);
    for (int i = 0;; ++i) {
        const QByteArray next = line(i);
        if (text.size() + next.size() + index.size() > size)
            break;
        text += next;
    }
    return text + index;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir dir;

    struct Case {
        const char *name;
        std::function<QByteArray(int)> line;
    };
    const std::vector<Case> cases = {
        {"comments, index at the end", [](int i) { return "; padding line " + QByteArray::number(i) + "\r\n"; }},
        {"many small sections", [](int i) { return "[S" + QByteArray::number(i) + "]\r\nK=v\r\n"; }},
        {"one section, many keys",
         [](int i) { return (i == 0 ? QByteArray("[Big]\r\n") : QByteArray()) + "Key" + QByteArray::number(i) + "=value\r\n"; }},
        {"line breaks only", [](int) { return QByteArray("\n"); }},
        {"both encodings, line by line",
         [](int i) { return i % 2 ? QByteArray("K" + QByteArray::number(i) + "=caf\xC3\xA9\r\n")
                                  : QByteArray("; caf\xE9 " + QByteArray::number(i) + "\r\n"); }},
    };

    std::printf("%-32s %10s %12s %12s\n", "file", "bytes", "load ms", "save ms");
    for (qint64 size : {qint64(1000000), TIniFile::MaxFileSize}) {
        for (const Case &c : cases) {
            const QByteArray bytes = Shape(size, c.line);
            const QString path = dir.filePath(QStringLiteral("bench.ini"));
            std::vector<double> load, save;
            for (int r = 0; r < rounds; ++r) {
                QFile f(path);
                f.open(QIODevice::WriteOnly | QIODevice::Truncate);
                f.write(bytes);
                f.close();
                TIniFile ini(path);

                QElapsedTimer t;
                t.start();
                const IniDocument doc = ini.Snapshot();
                int found = 0;
                for (int i = 1; i <= 255; ++i)
                    found += !doc.ReadString("Alarms", "Alarm" + QString::number(i), QString()).isEmpty();
                load.push_back(t.nsecsElapsed() / 1e6);
                if (found != 255)
                    std::printf("  (only %d keys found)\n", found);

                QList<TIniFile::Entry> entries;
                for (int i = 1; i <= 255; ++i)
                    entries.append({QString(), "Alarm" + QString::number(i), QString::number(256 - i)});
                t.restart();
                ini.ReplaceSection("Alarms", entries);
                save.push_back(t.nsecsElapsed() / 1e6);
            }
            std::printf("%-32s %10lld %12.1f %12.1f\n", c.name, static_cast<long long>(bytes.size()), Median(load),
                        Median(save));
        }
    }
    return 0;
}
