#include "windows/AutoRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The autostart entry starts what the user started: the link they ran, not
// the file behind it, unless the name they ran leads somewhere else.
class TestAutoRun : public QObject {
    Q_OBJECT
private slots:
    void launchedPath_data()
    {
        QTest::addColumn<QString>("argv0");
        QTest::addColumn<QString>("expected");
        QTest::newRow("link by full path") << "@/bin/tocsimo" << "@/bin/tocsimo";
        QTest::newRow("link found in PATH") << "tocsimo" << "@/bin/tocsimo";
        QTest::newRow("relative, untidy") << "bin/../bin/tocsimo" << "@/bin/tocsimo";
        QTest::newRow("another program") << "@/bin/other" << "@/lib/tocsimo/tocsimo";
    }
    void launchedPath()
    {
        QFETCH(QString, argv0);
        QFETCH(QString, expected);
        QTemporaryDir root;
        const QString r = root.path();
        QVERIFY(QDir().mkpath(r + "/lib/tocsimo") && QDir().mkpath(r + "/bin"));
        QFile exe(r + "/lib/tocsimo/tocsimo");
        QVERIFY(exe.open(QIODevice::WriteOnly));
        exe.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        exe.close();
        QVERIFY(QFile::link("../lib/tocsimo/tocsimo", r + "/bin/tocsimo"));
        QVERIFY(QFile::copy(exe.fileName(), r + "/bin/other"));
        qputenv("PATH", QFile::encodeName(r + "/bin"));
        QDir::setCurrent(r);

        QCOMPARE(AutoRun::LaunchedPath(argv0.replace('@', r), exe.fileName()), expected.replace('@', r));
    }
};

QTEST_GUILESS_MAIN(TestAutoRun)
#include "tst_autorun.moc"
