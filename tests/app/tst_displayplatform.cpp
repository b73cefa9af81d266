// Which Qt platform the program asks for: X11 through XWayland on a Wayland
// session, unless the user chose one or there is no X server.
#include "app/DisplayPlatform.h"

#include <QTest>

class TestDisplayPlatform : public QObject {
    Q_OBJECT
private slots:
    void choice_data()
    {
        QTest::addColumn<QByteArray>("qpa");
        QTest::addColumn<QByteArray>("session");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("chosen");
        QTest::newRow("Wayland with XWayland") << QByteArray() << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0") << QByteArray("xcb");
        QTest::newRow("only the socket says Wayland") << QByteArray() << QByteArray("tty") << QByteArray("wayland-0") << QByteArray(":1") << QByteArray("xcb");
        QTest::newRow("the user's choice stands") << QByteArray("wayland") << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0") << QByteArray();
        QTest::newRow("Wayland without X") << QByteArray() << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray() << QByteArray();
        QTest::newRow("X11") << QByteArray() << QByteArray("x11") << QByteArray() << QByteArray(":0") << QByteArray();
    }
    void choice()
    {
        QFETCH(QByteArray, qpa);
        QFETCH(QByteArray, session);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, chosen);
        QCOMPARE(PreferredPlatform(qpa, session, wayland, display), chosen);
    }
};

QTEST_APPLESS_MAIN(TestDisplayPlatform)
#include "tst_displayplatform.moc"
