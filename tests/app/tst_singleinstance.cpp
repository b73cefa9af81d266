#include "app/SingleInstance.h"

#include <QSignalSpy>
#include <QTest>

#include <unistd.h>

class TestSingleInstance : public QObject {
    Q_OBJECT

    static QString UniqueName() { return QStringLiteral("TocsimoTest-%1").arg(QCoreApplication::applicationPid()); }

private slots:
    void secondClaimAsksTheFirstToRaise()
    {
        SingleInstance first(UniqueName());
        QVERIFY(first.Claim());
        QSignalSpy raised(&first, &SingleInstance::RaiseRequested);

        SingleInstance second(UniqueName());
        QVERIFY(!second.Claim());
        QVERIFY(raised.wait(2000));
        QCOMPARE(raised.count(), 1);
    }

    void nameIsFreeAgainWhenTheFirstEnds()
    {
        {
            SingleInstance first(UniqueName() + "b");
            QVERIFY(first.Claim());
        }
        SingleInstance again(UniqueName() + "b");
        QVERIFY(again.Claim());
    }

    void namesArePerUser()
    {
        QVERIFY(SingleInstance::DefaultName().startsWith("Tocsimo-"));
        QVERIFY(SingleInstance::DefaultName().mid(8).toUInt() == getuid());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
