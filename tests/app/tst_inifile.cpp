#include "app/Exception.h"
#include "app/TIniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class TestIniFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString Path(const QString &name) const { return dir_.filePath(name); }

    QString Write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(Path(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return Path(name);
    }

    static QByteArray Contents(const QString &path)
    {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

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
        TIniFile ini(Write("case.ini", "; comment=not a key\n[ General ]\n  AutoRun =  1  \nPath=\"C:\\a b\"\n"));
        QCOMPARE(ini.ReadString("general", "autorun", "d"), QString("1"));
        QCOMPARE(ini.ReadString("GENERAL", "Path", "d"), QString("C:\\a b"));
        QStringList keys;
        ini.ReadSection("General", keys);
        QCOMPARE(keys, QStringList({"AutoRun", "Path"}));
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

    void failedWriteIntoReadOnlyFolderKeepsOldFile()
    {
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QDir(dir_.path()).mkdir("ro");
        const QString path = Write("ro/opt.ini", "[S]\r\nK=old\r\n");
        QFile::setPermissions(Path("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        TIniFile ini(path);
        QVERIFY_THROWS_EXCEPTION(EIniFileException, ini.WriteString("S", "K", "new"));
        QFile::setPermissions(Path("ro"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(Contents(path), QByteArray("[S]\r\nK=old\r\n"));
        QCOMPARE(QDir(Path("ro")).entryList(QDir::Files), QStringList({"opt.ini"}));
    }

    void unreadableFileIsNotOverwritten()
    {
        if (geteuid() == 0)
            QSKIP("root reads every file");
        const QString path = Write("locked.ini", "[S]\r\nK=precious\r\n");
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        TIniFile ini(path);
        QVERIFY_THROWS_EXCEPTION(EIniFileException, ini.WriteString("S", "Other", "x"));
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(Contents(path), QByteArray("[S]\r\nK=precious\r\n"));
    }

    void codePages()
    {
        // Written on Windows in its single-byte code page: "Café €5" in Windows-1252.
        TIniFile old(Write("cp1252.ini", "[S]\r\nK=Caf\xE9 \x80" "5\r\n"));
        QCOMPARE(old.ReadString("S", "K", ""), QString::fromUtf8("Café €5"));
        TIniFile utf8(Write("utf8.ini", "\xEF\xBB\xBF[S]\nK=Caf\xC3\xA9\n"));
        QCOMPARE(utf8.ReadString("S", "K", ""), QString::fromUtf8("Café"));
        utf8.WriteString("S", "K", QString::fromUtf8("Žluťoučký"));
        QCOMPARE(TIniFile(utf8.FileName()).ReadString("S", "K", ""), QString::fromUtf8("Žluťoučký"));
        QVERIFY(Contents(utf8.FileName()).contains("\xC5\xBD"));
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
