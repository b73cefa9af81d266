#include "app/ProgramFolder.h"

#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestProgramFolder : public QObject {
    Q_OBJECT
private slots:
    void userFolder_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("expected");
        QTest::newRow("home install") << "/home/u/.local/share/Tocsimo/" << true << "/home/u/.local/share/Tocsimo/";
        QTest::newRow("read-only folder") << "/opt/Tocsimo/" << false << "/home/u/data/Tocsimo/";
        QTest::newRow("package, run by root") << "/usr/lib/tocsimo/" << true << "/home/u/data/Tocsimo/";
    }
    void userFolder()
    {
        QFETCH(QString, program);
        QFETCH(bool, writable);
        QFETCH(QString, expected);
        QCOMPARE(UserFolderFor(program, writable, "/home/u/data"), expected);
    }

    // A missing data home is made private all the way down; something in the
    // way is reported by the path that could not be made.
    void makesPrivateFolders()
    {
        QTemporaryDir home;
        const QString folder = home.path() + "/share/Tocsimo/";
        QCOMPARE(MakeUserFolder(folder), QString());
        for (const QString &made : {home.path() + "/share", folder, folder + "alarm"})
            QCOMPARE(QFile::permissions(made) & 0x7777, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                          QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);

        WriteBytes(home.path() + "/file", "x");
        const QString error = MakeUserFolder(home.path() + "/file/Tocsimo/");
        QVERIFY2(error.contains(home.path() + "/file/Tocsimo/alarm/"), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
