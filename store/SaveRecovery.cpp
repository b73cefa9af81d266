#include "store/SaveRecovery.h"

#include "app/FolderEntries.h"
#include "app/ProgramFolder.h"
#include "app/StagedFile.h"
#include "app/StoreLog.h"
#include "store/AlarmFilePair.h"
#include "store/AlarmFiles.h"
#include "store/AlarmStore.h"

#include <QFile>
#include <QRegularExpression>

#include <bitset>

namespace {
// The hidden files of a save of alarm N: ".N.ini.new", ".NMemo.ini.new", ".N.ini.old".
const QRegularExpression kSaveFile(QStringLiteral("^\\.([1-9][0-9]{0,2})(?:\\.ini\\.new|Memo\\.ini\\.new|\\.ini\\.old)$"));
// The files of alarm N, "N.ini" and "NMemo.ini": when one is a link, its
// save's hidden files lie beside what it names, maybe in another folder.
const QRegularExpression kAlarmFile(QStringLiteral("^([1-9][0-9]{0,2})(?:Memo)?\\.ini$"));

// The alarm whose save a name in the alarm folder may belong to, or 0.
int SaveOf(const FolderEntry &entry)
{
    if (!entry.name.startsWith('.') && !entry.isLink)
        return 0; // most names: the alarms' own files
    const QString name = QFile::decodeName(entry.name);
    QRegularExpressionMatch m = kSaveFile.match(name);
    if (!m.hasMatch() && entry.isLink)
        m = kAlarmFile.match(name);
    const int id = m.hasMatch() ? m.captured(1).toInt() : 0;
    return id <= AlarmStore::SlotCount ? id : 0;
}

// A hidden name like those of a save that no save of ours makes (".007.ini.new",
// ".3Memo.ini.old"): left alone, and said in the log.
bool LooksLikeASaveFile(const QByteArray &name)
{
    return name.startsWith('.') && (name.endsWith(".new") || name.endsWith(".old"));
}
} // namespace

void RecoverCutShortSaves()
{
    const QString alarmFolder = UserFolder() + RelPath::AlarmFolder;
    std::bitset<AlarmStore::SlotCount + 1> cutShort;
    for (const FolderEntry &entry : FolderEntries(alarmFolder)) {
        const int id = SaveOf(entry);
        if (id > 0)
            cutShort[id] = true;
        else if (LooksLikeASaveFile(entry.name))
            qCInfo(lcStore, "left alone: %s%s: no save of ours leaves this name", qUtf8Printable(alarmFolder),
                   entry.name.constData());
    }
    for (int id = 1; id <= AlarmStore::SlotCount; ++id)
        if (cutShort[id])
            AlarmFilePair::Finish(AlarmFiles::SettingsPath(id), AlarmFiles::MessagePath(id));
    StagedFile::RemoveLeftoverTemporaries(alarmFolder);
    StagedFile::RemoveLeftoverTemporaries(UserFolder());
}
