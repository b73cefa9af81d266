// The tray icon's rules for the shell: one registration while active, updates
// only while active, the 63-character hint, and the mouse codes mapped to the
// popup menu and the two events.
#include "FakeTrayShell.h"
#include "clock/TSysTray.h"

#include <QMenu>
#include <QPixmap>
#include <QTest>

namespace {
QIcon SomeIcon()
{
    QPixmap p(16, 16);
    p.fill(Qt::red);
    return QIcon(p);
}
} // namespace

class TestSysTray : public QObject {
    Q_OBJECT
private slots:
    void registrationFollowsActive();
    void hintKeepsSixtyThreeCharacters();
    void storedPropertiesOrder();
    void mouseCodes_data();
    void mouseCodes();
};

void TestSysTray::registrationFollowsActive()
{
    QWidget owner;
    FakeTrayShell::Log log;
    auto *shell = new FakeTrayShell(log);
    {
        TSysTray tray(&owner, std::unique_ptr<ITrayShell>(shell));
        QCOMPARE(tray.Hint(), QStringLiteral("SysTray Component."));
        QCOMPARE(tray.PopupMode, TPopupMode(pmRightClick));
        QCOMPARE(tray.PopupAlign, paRight);

        // Nothing reaches the shell while inactive.
        tray.SetHint(QStringLiteral("early"));
        tray.SetIcon(SomeIcon());
        tray.SetActive(false);
        QVERIFY(log.calls.isEmpty());

        tray.SetActive(true);
        tray.SetActive(true);
        QCOMPARE(log.calls.size(), 1);
        QCOMPARE(log.calls[0].command, TNotifyCommand::Add);
        QCOMPARE(log.calls[0].tip, QStringLiteral("early"));
        QVERIFY(log.calls[0].hasIcon);

        tray.SetHint(QStringLiteral("later"));
        QCOMPARE(log.calls.size(), 2);
        QCOMPARE(log.calls[1].command, TNotifyCommand::Modify);

        tray.SetActive(false);
        QCOMPARE(log.calls.size(), 3);
        QCOMPARE(log.calls[2].command, TNotifyCommand::Delete);
        tray.SetActive(true);
    }
    // Destroyed while active: the icon is taken away.
    QCOMPARE(log.calls.size(), 5);
    QCOMPARE(log.calls[4].command, TNotifyCommand::Delete);
    QCOMPARE(log.calls[4].tip, QStringLiteral("later"));
}

void TestSysTray::hintKeepsSixtyThreeCharacters()
{
    QWidget owner;
    FakeTrayShell::Log log;
    TSysTray tray(&owner, std::make_unique<FakeTrayShell>(log));
    tray.SetActive(true);
    const QString seventy(70, QLatin1Char('x'));
    tray.SetHint(seventy);
    QCOMPARE(tray.Hint(), seventy.left(63));
    QCOMPARE(log.calls.last().tip, seventy.left(63));
    tray.SetHint(QStringLiteral("Tocsimo"));
    QCOMPARE(log.calls.last().tip, QStringLiteral("Tocsimo"));
}

void TestSysTray::storedPropertiesOrder()
{
    // As the clock sets it up: added with no picture and the default hint,
    // then updated twice.
    QWidget owner;
    FakeTrayShell::Log log;
    TSysTray tray(&owner, std::make_unique<FakeTrayShell>(log));
    tray.SetActive(true);
    tray.SetIcon(SomeIcon());
    tray.SetHint(QStringLiteral("Tocsimo"));
    QCOMPARE(log.calls.size(), 3);
    QCOMPARE(log.calls[0].command, TNotifyCommand::Add);
    QVERIFY(!log.calls[0].hasIcon);
    QCOMPARE(log.calls[0].tip, QStringLiteral("SysTray Component."));
    QCOMPARE(log.calls[1].command, TNotifyCommand::Modify);
    QVERIFY(log.calls[1].hasIcon);
    QCOMPARE(log.calls[2].tip, QStringLiteral("Tocsimo"));
}

void TestSysTray::mouseCodes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("iconId");
    QTest::addColumn<bool>("menu");
    QTest::addColumn<QString>("event"); // "down left", "double right", ... or empty

    const int right = pmRightClick;
    QTest::newRow("right press, default mode") << right << 516 << 0 << true << "down right";
    QTest::newRow("left press, default mode") << right << 513 << 0 << false << "down left";
    QTest::newRow("left double click") << right << 515 << 0 << false << "double left";
    QTest::newRow("right double click") << right << 518 << 0 << false << "double right";
    QTest::newRow("left double click with its mode") << int(pmLeftDblClick) << 515 << 0 << true << "double left";
    QTest::newRow("left press with its mode") << int(pmLeftClick | pmRightDblClick) << 513 << 0 << true << "down left";
    QTest::newRow("button release") << right << 517 << 0 << false << "";
    QTest::newRow("pointer move") << right << 512 << 0 << false << "";
    QTest::newRow("another icon") << right << 516 << 1 << false << "";
}

void TestSysTray::mouseCodes()
{
    QFETCH(int, mode);
    QFETCH(int, code);
    QFETCH(int, iconId);
    QFETCH(bool, menu);
    QFETCH(QString, event);

    QWidget owner;
    QMenu popup;
    FakeTrayShell::Log log;
    auto *shell = new FakeTrayShell(log);
    TSysTray tray(&owner, std::unique_ptr<ITrayShell>(shell));
    tray.SetPopupMenu(&popup);
    tray.PopupMode = TPopupMode::fromInt(mode);
    QStringList events;
    auto record = [&events](const char *kind) {
        return [&events, kind](TSysTray *, TMouseButton button, int x, int y) {
            events << QStringLiteral("%1 %2 %3,%4").arg(QLatin1String(kind), button == TMouseButton::mbLeft ? "left" : "right").arg(x).arg(y);
        };
    };
    tray.OnIconMouseDown = record("down");
    tray.OnIconDoubleClick = record("double");

    shell->Click(code, iconId);

    QCOMPARE(log.popups.size(), menu ? 1 : 0);
    if (menu) {
        QCOMPARE(log.popups[0].menu, &popup);
        QCOMPARE(log.popups[0].at, log.cursor);
        QCOMPARE(log.popups[0].align, paRight);
    }
    QCOMPARE(events, event.isEmpty() ? QStringList() : QStringList{event + QStringLiteral(" 500,10")});
    QCOMPARE(log.foregrounds, int(menu) + int(!event.isEmpty()));
}

QTEST_MAIN(TestSysTray)
#include "tst_systray.moc"
