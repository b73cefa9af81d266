#include "app/Exception.h"
#include "app/TIniFile.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class TestIniFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString Path(const QString &name) const { return dir_.filePath(name); }

    QString Write(const QString &name, const QByteArray &bytes) const
    {
        WriteBytes(Path(name), bytes);
        return Path(name);
    }
    static QByteArray Contents(const QString &path) { return ReadBytes(path); }

private slots:
    void integersAndTheirMalformedForms_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("decimal") << QByteArray("42") << 42;
        QTest::newRow("negative") << QByteArray("-17") << -17;
        QTest::newRow("hex lower") << QByteArray("0x1F") << 31;
        QTest::newRow("hex upper prefix") << QByteArray("0X1f") << 31;
        QTest::newRow("hex all ones") << QByteArray("0xFFFFFFFF") << -1;
        QTest::newRow("prefix alone") << QByteArray("0x") << 99;
        QTest::newRow("hex with sign") << QByteArray("0x-1") << 99;
        QTest::newRow("hex with plus") << QByteArray("0x+1") << 99;
        QTest::newRow("trailing letters") << QByteArray("12abc") << 99;
        QTest::newRow("word") << QByteArray("yes") << 99;
        QTest::newRow("empty") << QByteArray("") << 99;
        QTest::newRow("blanks around") << QByteArray("  7  ") << 7;
        QTest::newRow("overflow") << QByteArray("99999999999") << 99;
    }
    void integersAndTheirMalformedForms()
    {
        QFETCH(QByteArray, value);
        QFETCH(int, expected);
        TIniFile ini(Write("int.ini", "[S]\r\nKey=" + value + "\r\n"));
        QCOMPARE(ini.ReadInteger("S", "Key", 99), expected);
    }

    void booleans()
    {
        TIniFile ini(Write("bool.ini", "[S]\nOne=1\nTwo=2\nZero=0\nWord=yes\n"));
        QVERIFY(ini.ReadBool("S", "One", false));
        QVERIFY(ini.ReadBool("S", "Two", false));
        QVERIFY(!ini.ReadBool("S", "Zero", true));
        QVERIFY(ini.ReadBool("S", "Word", true));
        QVERIFY(!ini.ReadBool("S", "Word", false));
        QVERIFY(ini.ReadBool("S", "Missing", true));
    }

    void missingKeysSectionsAndFiles()
    {
        TIniFile ini(Write("keys.ini", "[Present]\nOther=x\n"));
        QCOMPARE(ini.ReadString("Present", "Key", "dflt"), QString("dflt"));
        QCOMPARE(ini.ReadString("Absent", "Key", "dflt"), QString("dflt"));
        QCOMPARE(ini.ReadInteger("Present", "Key", 5), 5);

        TIniFile missing(Path("no-such.ini"));
        QCOMPARE(missing.ReadString("S", "K", "d"), QString("d"));
        QStringList list{"stale"};
        missing.ReadSections(list);
        QVERIFY(list.isEmpty());
        list = QStringList{"stale"};
        missing.ReadSection("S", list);
        QVERIFY(list.isEmpty());
    }

    void namesIgnoreCaseAndBlanksValuesLoseQuotes()
    {
        TIniFile ini(Write("case.ini", "; comment=not a key\n[ General ]\n  AutoRun =  1  \nPath=\"C:\\a b\"\n"
                                       "Open=\"no end\nautorun=2\n"));
        QCOMPARE(ini.ReadString("general", "autorun", "d"), QString("1")); // a key written twice: the first
        QCOMPARE(ini.ReadString("GENERAL", "Path", "d"), QString("C:\\a b"));
        QCOMPARE(ini.ReadString("General", "Open", "d"), QString("\"no end")); // an unmatched quote stays
        QStringList keys;
        ini.ReadSection("General", keys);
        QCOMPARE(keys, QStringList({"AutoRun", "Path", "Open", "autorun"}));
    }

    void longValuesAreCut()
    {
        const QByteArray value(3000, 'v');
        TIniFile ini(Write("long.ini", "[S]\nK=" + value + "\n"));
        QCOMPARE(ini.ReadString("S", "K", "").size(), 2047);
    }

    void writesCreateReplaceAndKeepOrder()
    {
        TIniFile ini(Path("write.ini"));
        ini.WriteString("A", "One", "1");
        ini.WriteInteger("A", "Two", -2);
        ini.WriteBool("B", "Flag", true);
        ini.WriteString("A", "One", "uno");
        ini.WriteString("a", "THREE", "3");
        QCOMPARE(Contents(ini.FileName()), QByteArray("[A]\r\nOne=uno\r\nTwo=-2\r\nTHREE=3\r\n[B]\r\nFlag=1\r\n"));
        QStringList sections;
        ini.ReadSections(sections);
        QCOMPARE(sections, QStringList({"A", "B"}));
    }

    void writesKeepForeignLinesAndInsertBeforeBlankLines()
    {
        const QString path = Write("foreign.ini", "; keep me\n[A]\nX=1\n\n[B]\nY=2\n");
        TIniFile ini(path);
        ini.WriteString("A", "Z", "3");
        QCOMPARE(Contents(path), QByteArray("; keep me\r\n[A]\r\nX=1\r\nZ=3\r\n\r\n[B]\r\nY=2\r\n"));
    }

    void lineBreaksInValuesCannotBreakTheFile()
    {
        TIniFile ini(Path("breaks.ini"));
        ini.WriteString("S", "K", "evil\r\n[Other]\nX=1");
        QStringList sections;
        ini.ReadSections(sections);
        QCOMPARE(sections, QStringList({"S"}));
    }

    void eraseAndDelete()
    {
        const QString path = Write("erase.ini", "[A]\nX=1\n[B]\nY=2\n[a]\nZ=3\n");
        TIniFile ini(path);
        ini.EraseSection("A");
        QCOMPARE(Contents(path), QByteArray("[B]\r\nY=2\r\n"));
        ini.DeleteKey("B", "Y");
        ini.DeleteKey("B", "Nope");
        ini.DeleteKey("Nope", "Y");
        QCOMPARE(Contents(path), QByteArray("[B]\r\n"));
    }

    void replaceSectionIsOneWrite()
    {
        const QString path = Write("index.ini", "[Alarms]\nAlarm1=3\nAlarm2=1\nAlarm3=9\n[Other]\nK=v\n");
        TIniFile ini(path);
        ini.ReplaceSection("Alarms", {{"", "Alarm1", "1"}});
        QCOMPARE(ini.ReadString("Alarms", "Alarm1", ""), QString("1"));
        QCOMPARE(ini.ReadString("Alarms", "Alarm2", "gone"), QString("gone"));
        QCOMPARE(ini.ReadString("Other", "K", ""), QString("v"));
    }

    void failedWriteIntoMissingFolder()
    {
        const QString path = Path("missing/sub.ini");
        TIniFile ini(path);
        try {
            ini.WriteString("S", "K", "V");
            QFAIL("no error raised");
        } catch (const EIniFileException &e) {
            QCOMPARE(e.Message(), QString("Unable to write to ") + path);
        }
        QVERIFY(!QFile::exists(path));
        QVERIFY(!QDir(Path("missing")).exists());
        QVERIFY_THROWS_EXCEPTION(EIniFileException, ini.WriteEntries({{"S", "K", "V"}}));
    }

    // Root passes permission checks: there the folder is made read-only by a
    // read-only bind mount in a mount namespace of a child's own.
    void failedWriteIntoReadOnlyFolderKeepsOldFile()
    {
        QDir(dir_.path()).mkdir("ro");
        const QString path = Write("ro/opt.ini", "[S]\r\nK=old\r\n");
        const QByteArray folder = QFile::encodeName(Path("ro"));
        if (geteuid() != 0) {
            QFile::setPermissions(Path("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            TIniFile ini(path);
            QVERIFY_THROWS_EXCEPTION(EIniFileException, ini.WriteString("S", "K", "new"));
            QFile::setPermissions(Path("ro"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        } else {
            const pid_t child = ::fork();
            if (child == 0) {
                if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                    ::mount(folder.constData(), folder.constData(), nullptr, MS_BIND, nullptr) != 0 ||
                    ::mount(nullptr, folder.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0)
                    ::_exit(3); // no mount namespace here
                try {
                    TIniFile(path).WriteString("S", "K", "new");
                } catch (const EIniFileException &) {
                    ::_exit(0);
                }
                ::_exit(1);
            }
            int status = -1;
            QVERIFY(::waitpid(child, &status, 0) == child && WIFEXITED(status));
            if (WEXITSTATUS(status) == 3)
                QSKIP("no mount namespace to be had here");
            QCOMPARE(WEXITSTATUS(status), 0);
        }
        QCOMPARE(Contents(path), QByteArray("[S]\r\nK=old\r\n"));
        QCOMPARE(QDir(Path("ro")).entryList(QDir::Files | QDir::Hidden), QStringList({"opt.ini"}));
    }

    // What cannot be read is never written over, for root too: reads give
    // the defaults at once (a FIFO does not hang them) and writes are refused.
    void fileThatCannotBeReadIsNeverReplaced_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("over 4 MiB") << "large";
        QTest::newRow("no read permission") << "mode";
    }
    void fileThatCannotBeReadIsNeverReplaced()
    {
        QFETCH(QString, kind);
        const QString path = Path("locked-" + kind + ".ini");
        const QByteArray large = "[S]\r\nK=precious\r\n" + QByteArray(TIniFile::MaxFileSize, ';');
        if (kind == "folder") {
            QVERIFY(QDir().mkdir(path));
        } else if (kind == "fifo") {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else if (kind == "large") {
            Write(QFileInfo(path).fileName(), large);
        } else {
            if (geteuid() == 0)
                QSKIP("root reads every file; the other rows hold for root");
            Write(QFileInfo(path).fileName(), "[S]\r\nK=precious\r\n");
            QFile::setPermissions(path, QFileDevice::WriteOwner);
        }
        TIniFile ini(path);
        QCOMPARE(ini.ReadString("S", "K", "default"), QString("default"));
        try {
            ini.WriteString("S", "Other", "x");
            QFAIL("no error raised");
        } catch (const EIniFileException &e) {
            QCOMPARE(e.Message(), "Unable to write to " + path);
        }
        QVERIFY_THROWS_EXCEPTION(EIniFileException, ini.ReplaceSection("S", {}));
        const QFileInfo after(path);
        if (kind == "folder")
            QVERIFY(after.isDir());
        else if (kind == "fifo")
            QCOMPARE(after.isFile() || after.isDir(), false);
        else if (kind == "large")
            QCOMPARE(Contents(path), large);
        else {
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            QCOMPARE(Contents(path), QByteArray("[S]\r\nK=precious\r\n"));
        }
    }

    // A file its owner made read-only is not to be written, by root neither.
    void readOnlyFileIsRefusedAndKeepsItsBytes()
    {
        const QString path = Write("readonly.ini", "[S]\r\nK=kept\r\n");
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        TIniFile ini(path);
        try {
            ini.WriteString("S", "K", "new");
            QFAIL("no error raised");
        } catch (const EIniFileException &e) {
            QCOMPARE(e.Message(), "Unable to write to " + path);
        }
        QCOMPARE(Contents(path), QByteArray("[S]\r\nK=kept\r\n"));
        QCOMPARE(ini.ReadString("S", "K", ""), QString("kept"));
    }

    void replacedFileKeepsItsPermissionsButStaysReadableToItsOwner()
    {
        using P = QFileDevice;
        const QString shared = Write("shared-mode.ini", "[S]\r\nK=1\r\n");
        QVERIFY(QFile::setPermissions(shared, P::ReadOwner | P::WriteOwner | P::ReadGroup));
        TIniFile(shared).WriteString("S", "K", "2");
        QCOMPARE(QFile::permissions(shared) & 0x7077, P::ReadOwner | P::WriteOwner | P::ReadGroup);
        QCOMPARE(QFileInfo(shared).isSymLink(), false);

        if (geteuid() != 0)
            return; // only root can read, and so rewrite, a file without read permission
        const QString writeOnly = Write("write-only.ini", "[S]\r\nK=1\r\n");
        QVERIFY(QFile::setPermissions(writeOnly, P::WriteOwner | P::WriteGroup));
        TIniFile(writeOnly).WriteString("S", "K", "2");
        QCOMPARE(QFile::permissions(writeOnly) & 0x7077, P::ReadOwner | P::WriteOwner | P::WriteGroup);
    }

    // Alarms.ini linked into a synced folder: the link stays, its target is
    // replaced, atomically, in its own folder.
    void symlinkedFileIsWrittenThroughToItsTarget()
    {
        QVERIFY(QDir(dir_.path()).mkpath("synced/deep"));
        QVERIFY(QDir(dir_.path()).mkpath("alarm"));
        const QString target = Write("synced/deep/Alarms.ini", "[Alarms]\r\nAlarm1=3\r\n");
        const QString link = Path("alarm/Alarms.ini");
        QVERIFY(QFile::link("../synced/deep/Alarms.ini", link));
        TIniFile(link).ReplaceSection("Alarms", {{"", "Alarm1", "5"}});
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(Contents(target), QByteArray("[Alarms]\r\nAlarm1=5\r\n"));
        QCOMPARE(QDir(Path("synced/deep")).entryList(QDir::Files | QDir::Hidden), QStringList({"Alarms.ini"}));
        QCOMPARE(QDir(Path("alarm")).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList({"Alarms.ini"}));

        // A link whose target is not there yet: the target is made.
        const QString dangling = Path("alarm/7.ini");
        QVERIFY(QFile::link("../synced/7.ini", dangling));
        TIniFile(dangling).WriteString("AlarmSound", "File", "x");
        QVERIFY(QFileInfo(dangling).isSymLink());
        QCOMPARE(Contents(Path("synced/7.ini")), QByteArray("[AlarmSound]\r\nFile=x\r\n"));
    }

    // Whatever holds the temporary's name, a link or a hard link planted by
    // someone, is neither written through nor reused, and is gone afterwards.
    void plantedTemporaryIsNeverWrittenThrough()
    {
        const QString victim = Write("victim", "untouched");
        const QString path = Write("planted.ini", "[S]\r\nK=1\r\n");
        QVERIFY(QFile::link(victim, Path(".planted.ini.tmp")));
        TIniFile(path).WriteString("S", "K", "2");
        QCOMPARE(Contents(victim), QByteArray("untouched"));
        QCOMPARE(QFileInfo(path).isSymLink(), false);
        QCOMPARE(Contents(path), QByteArray("[S]\r\nK=2\r\n"));
        QVERIFY(!QFileInfo::exists(Path(".planted.ini.tmp")));

        QVERIFY(::link(QFile::encodeName(victim).constData(), QFile::encodeName(Path(".planted.ini.tmp")).constData()) == 0);
        TIniFile(path).WriteString("S", "K", "3");
        QCOMPARE(Contents(victim), QByteArray("untouched"));
        QCOMPARE(Contents(path), QByteArray("[S]\r\nK=3\r\n"));
    }

    void codePages()
    {
        // "Café €5" written in Windows-1252.
        TIniFile old(Write("cp1252.ini", "[S]\r\nK=Caf\xE9 \x80" "5\r\n"));
        QCOMPARE(old.ReadString("S", "K", ""), QString::fromUtf8("Café €5"));
        TIniFile utf8(Write("utf8.ini", "\xEF\xBB\xBF[S]\nK=Caf\xC3\xA9\n"));
        QCOMPARE(utf8.ReadString("S", "K", ""), QString::fromUtf8("Café"));
        utf8.WriteString("S", "K", QString::fromUtf8("Žluťoučký"));
        QCOMPARE(TIniFile(utf8.FileName()).ReadString("S", "K", ""), QString::fromUtf8("Žluťoučký"));
        QVERIFY(Contents(utf8.FileName()).contains("\xC5\xBD"));

        // Edited by both programs: each line keeps its own encoding.
        TIniFile mixed(Write("mixed.ini", "[S]\r\nOld=Caf\xE9\r\nNew=/music/caf\xC3\xA9.mp3\r\n"));
        QCOMPARE(mixed.ReadString("S", "Old", ""), QString::fromUtf8("Café"));
        QCOMPARE(mixed.ReadString("S", "New", ""), QString::fromUtf8("/music/café.mp3"));
    }

    void noCachingBetweenObjects()
    {
        TIniFile a(Path("shared.ini"));
        TIniFile b(Path("shared.ini"));
        a.WriteString("S", "K", "1");
        QCOMPARE(b.ReadString("S", "K", ""), QString("1"));
        b.WriteString("S", "K", "2");
        QCOMPARE(a.ReadString("S", "K", ""), QString("2"));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
