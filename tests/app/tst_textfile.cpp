#include "app/Exception.h"
#include "app/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestTextFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString Write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(dir_.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }

    static QByteArray Contents(const QString &path)
    {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

private slots:
    void linesAreJoinedByCrLfWithNothingAfterTheLast()
    {
        const QString path = dir_.filePath("2Memo.ini");
        TextFile::WriteLines(path, {"Dentist", "bring the card"});
        QCOMPARE(Contents(path), QByteArray("Dentist\r\nbring the card"));
        QCOMPARE(TextFile::ReadLines(path), QStringList({"Dentist", "bring the card"}));

        TextFile::WriteLines(path, {});
        QCOMPARE(Contents(path), QByteArray());
        QCOMPARE(TextFile::ReadLines(path), QStringList());

        // A text that ends in a break keeps it.
        TextFile::WriteLines(path, {"one", ""});
        QCOMPARE(Contents(path), QByteArray("one\r\n"));
        QCOMPARE(TextFile::ReadLines(path), QStringList({"one", ""}));
    }

    void loneBreaksCountAsBreaks_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("lf") << QByteArray("a\nb\n\nc");
        QTest::newRow("cr") << QByteArray("a\rb\r\rc");
        QTest::newRow("mixed") << QByteArray("a\r\nb\n\rc");
    }
    void loneBreaksCountAsBreaks()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(TextFile::ReadLines(Write("lf.txt", bytes)), QStringList({"a", "b", "", "c"}));
    }

    void windowsCodePageAndUnicode()
    {
        QCOMPARE(TextFile::ReadLines(Write("1252.txt", "Pr\xFC" "fung \x93ok\x94")),
                 QStringList({QString::fromUtf8("Prüfung “ok”")}));
        const QString path = dir_.filePath("u.txt");
        TextFile::WriteLines(path, {QString::fromUtf8("Zahnarzt 🦷"), QString::fromUtf8("日本")});
        QCOMPARE(TextFile::ReadLines(path), QStringList({QString::fromUtf8("Zahnarzt 🦷"), QString::fromUtf8("日本")}));
    }

    void errorsNameTheFullPath()
    {
        const QString missing = dir_.filePath("nope/9Memo.ini");
        try {
            TextFile::ReadLines(missing);
            QFAIL("no error");
        } catch (const EFOpenError &e) {
            QCOMPARE(e.Message(), "Cannot open file " + missing);
        }
        try {
            TextFile::WriteLines(missing, {"x"});
            QFAIL("no error");
        } catch (const EFCreateError &e) {
            QCOMPARE(e.Message(), "Cannot create file " + missing);
        }
        QVERIFY(!QFile::exists(missing));
    }

    // A message file that is not a plain file, or is huge, is refused at once
    // with the reason: a FIFO would hang the program, /dev/zero eat its memory.
    void onlyRegularFilesOfSaneSizeAreRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("fifo") << "fifo" << "not a regular file";
        QTest::newRow("link to /dev/zero") << "zero" << "not a regular file";
        QTest::newRow("folder") << "folder" << "not a regular file";
        QTest::newRow("over 1 MiB") << "large" << "larger than 1 MiB";
    }
    void onlyRegularFilesOfSaneSizeAreRead()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QString path = dir_.filePath(kind + "Memo.ini");
        if (kind == "fifo")
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else if (kind == "zero")
            QVERIFY(QFile::link("/dev/zero", path));
        else if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        else
            Write(kind + "Memo.ini", QByteArray(TextFile::MaxFileSize + 1, 'x'));
        try {
            TextFile::ReadLines(path);
            QFAIL("no error");
        } catch (const EFOpenError &e) {
            QCOMPARE(e.Message(), "Cannot open file " + path + ": " + reason);
        }
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
