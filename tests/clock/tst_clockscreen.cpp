// What the screen shows of the clock, under a real X server with a window
// manager (run inside scripts/x11-session): the running program at times set
// with libfaketime in the skin it starts with, and a clock in each skin at
// fixed times, in both time forms, which stays where it was through a skin
// switch, and the next tick's face; each compared pixel for pixel with the
// face put together here from the skin's own pictures, the root window's
// colour seen through every key pixel of the background and through no other.
// Also run where the face is drawn through Qt: on a 16-bit screen, whose
// pixels the X server cannot take as the skin's pictures are, and with Qt
// scaling windows to twice their size.
#include "app/DateTime.h"
#include "app/DisplayPlatform.h"
#include "clock/SkinProfile.h"
#include "clock/TFormClock.h"
#include "app/XConnection.h"
#include "windows/TFormMain.h"

#include "ErrorBoxCapture.h"
#include "TestProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <xcb/xcb.h>

#include <algorithm>

namespace {
const QString kBuilt = QStringLiteral(TOCSIMO_PROGRAM_DIR "/");
const QColor kRoot(0, 255, 127);

QString Run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// Pixels of the screen per pixel of a window's own (1 unless Qt scales windows).
qreal Scale()
{
    return QGuiApplication::primaryScreen()->devicePixelRatio();
}

// The face at a time, put together from the pictures by the placement rules
// of the skin's profile, with the root's colour where the background is key.
QImage Expected(const QString &folder, const QString &skin, bool is24, int h, int m, int s, bool colonLit)
{
    const SkinProfile p = SkinProfileOf(skin);
    auto pic = [&](const QString &name) { return QImage(folder + skin + "/" + name).convertToFormat(QImage::Format_RGB32); };
    const QImage back = pic("Background.bmp");
    QImage face = back;
    QPainter painter(&face);
    int x = is24 ? p.StartLeft24 : p.StartLeft12;
    auto put = [&](const QImage &image, int top) {
        painter.drawImage(x, top, image);
        x += image.width();
    };
    const int hour = !is24 && h > 12 ? h - 12 : h;
    const QImage colon = pic(colonLit ? "Colon_ON.bmp" : "Colon_OFF.bmp");
    put(pic(QStringLiteral("hour_%1.bmp").arg(hour / 10)), p.DigitTop);
    put(pic(QStringLiteral("hour_%1.bmp").arg(hour % 10)), p.DigitTop);
    put(colon, p.DigitTop);
    const QImage min1 = pic(QStringLiteral("hour_%1.bmp").arg(m / 10));
    put(min1, p.DigitTop);
    put(pic(QStringLiteral("hour_%1.bmp").arg(m % 10)), p.DigitTop);
    const int afterMinutes = x;
    if (p.ShowColon2)
        put(colon, p.DigitTop);
    const QString second = p.SmallSeconds ? QStringLiteral("Second_%1.bmp") : QStringLiteral("hour_%1.bmp");
    const QImage sec1 = pic(second.arg(s / 10));
    const int secTop = p.SecondsPlacement == SkinProfile::Seconds::Normal ? p.DigitTop : p.DigitTop + min1.height() - sec1.height();
    put(sec1, secTop);
    put(pic(second.arg(s % 10)), secTop);
    if (!is24) {
        const QImage mark = pic(h >= 12 ? "PM.bmp" : "AM.bmp");
        if (p.AmPmPlacement == SkinProfile::AmPm::AfterMin_Top)
            painter.drawImage(afterMinutes, p.DigitTop, mark);
        else
            painter.drawImage(x + 1, p.DigitTop + p.AmPmDrop, mark);
    }
    painter.end();
    const QRgb key = p.FixedKey ? qRgb(255, 0, 0) : back.pixel(0, 0);
    for (int y = 0; y < back.height(); ++y)
        for (int xx = 0; xx < back.width(); ++xx)
            if ((back.pixel(xx, y) & RGB_MASK) == (key & RGB_MASK))
                face.setPixel(xx, y, kRoot.rgb());
    // Qt scales the face's pixels as they are; a 16-bit screen keeps fewer
    // shades of each colour.
    face = face.scaled(face.size() * Scale(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (QGuiApplication::primaryScreen()->depth() == 16)
        return face.convertToFormat(QImage::Format_RGB16).convertToFormat(QImage::Format_RGB32);
    return face;
}

// The screen's pixels in a rectangle of them.
QImage Grab(const QRect &where)
{
    const qreal scale = Scale();
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, qRound(where.x() / scale), qRound(where.y() / scale), qRound(where.width() / scale),
                     qRound(where.height() / scale))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

int Differences(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += (a.pixel(x, y) & RGB_MASK) != (b.pixel(x, y) & RGB_MASK);
    return n;
}

// Where the X server has the only visible window titled "Tocsimo".
QRect ClockOnScreen()
{
    const QStringList ids = Run("xdotool", {"search", "--onlyvisible", "--name", "^Tocsimo$"}).split('\n', Qt::SkipEmptyParts);
    if (ids.size() != 1)
        return {};
    const QString info = Run("xwininfo", {"-id", ids[0]});
    auto field = [&](const char *name) {
        const int at = info.indexOf(QLatin1String(name));
        return at < 0 ? -1 : info.mid(at + int(qstrlen(name))).section('\n', 0, 0).trimmed().toInt();
    };
    return QRect(field("Absolute upper-left X:"), field("Absolute upper-left Y:"), field("Width:"), field("Height:"));
}
} // namespace

class TestClockScreen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void runningProgram_data();
    void runningProgram();
    void everySkin_data();
    void everySkin();
    void cleanup();
};

void TestClockScreen::initTestCase()
{
    QVERIFY2(QGuiApplication::platformName() == "xcb", "run me inside scripts/x11-session");
    Run("xsetroot", {"-solid", kRoot.name()});
}

void TestClockScreen::runningProgram_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<bool>("is24");
    QTest::newRow("00:05:09") << QTime(0, 5, 9) << false;
    QTest::newRow("12:00:00") << QTime(12, 0, 0) << false;
    QTest::newRow("13:07:00") << QTime(13, 7, 0) << false;
    QTest::newRow("23:59:59 in 24-hour form") << QTime(23, 59, 59) << true;
}

void TestClockScreen::runningProgram()
{
    QFETCH(QTime, time);
    QFETCH(bool, is24);
    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
    QVERIFY(QProcess::execute("cp", {"-a", kBuilt + ".", folder}) == 0);
    QFile options(folder + "Options.ini");
    QVERIFY(options.open(QIODevice::WriteOnly));
    options.write(QStringLiteral("[General]\r\nAutoRun=0\r\nAutoHide=0\r\nAMPM=%1\r\n[Chimes]\r\nEnableChimes=0\r\n").arg(int(!is24)).toLatin1());
    options.close();

    // libfaketime in the program itself (the faketime command would stand
    // between this test and the program, and outlive its end).
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LD_PRELOAD", "/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1");
    env.insert("FAKETIME", "@2027-03-01 " + time.toString("hh:mm:ss"));
    program.setProcessEnvironment(env);
    program.start(folder + "tocsimo", {});
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(ClockOnScreen().isValid(), 20000);

    // Once the window manager has settled and the options are read (the
    // 24-hour form comes at the first tick), the screen shows the face of a
    // second within a few of the start, in either half of that second.
    QList<QPair<QString, QImage>> faces;
    for (int later = 0; later < 12; ++later) {
        const QTime t = time.addSecs(later);
        for (bool lit : {true, false})
            faces.append({t.toString() + (lit ? " lit" : " dark"),
                          Expected(folder, "Small", is24, t.hour(), t.minute(), t.second(), lit)});
    }
    QImage shot;
    const bool shown = QTest::qWaitFor([&] {
        shot = Grab(ClockOnScreen());
        return std::any_of(faces.cbegin(), faces.cend(), [&](const auto &face) { return Differences(shot, face.second) == 0; });
    }, 10000);
    program.terminate();
    QVERIFY(program.waitForFinished(10000));
    if (shown)
        return;

    QStringList tried;
    for (const auto &face : faces)
        tried << QStringLiteral("%1: %2").arg(face.first).arg(Differences(shot, face.second));
    shot.save(QDir::tempPath() + "/tocsimo-clockscreen-" + time.toString("hhmmss") + ".png");
    Expected(folder, "Small", is24, time.hour(), time.minute(), time.second(), true).save(QDir::tempPath() + "/tocsimo-clockscreen-expected.png");
    QFAIL(qPrintable("no face matches the screen (" + tried.join(", ") + "); shot in " + QDir::tempPath()));
}

void TestClockScreen::everySkin_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<bool>("is24");
    QTest::addColumn<QTime>("time");
    // Each row also shows the next half second, with the colon in its other
    // phase. The 24-hour form comes at the first tick that falls in the first
    // half of a second.
    QTest::newRow("Digital 13:07:00") << "Digital" << false << QTime(13, 7, 0, 200);
    QTest::newRow("Digital 23:59:59 in 24-hour form") << "Digital" << true << QTime(23, 59, 59, 100);
    QTest::newRow("Santa Claus 00:05:09, colon dark") << "Santa Claus" << false << QTime(0, 5, 9, 700);
    QTest::newRow("Santa Claus 12:00:00 in 24-hour form") << "Santa Claus" << true << QTime(12, 0, 0, 400);
    QTest::newRow("Small 12:00:00, colon dark") << "Small" << false << QTime(12, 0, 0, 501);
    QTest::newRow("Small 13:07:09 in 24-hour form") << "Small" << true << QTime(13, 7, 9, 300);
}

void TestClockScreen::everySkin()
{
    QFETCH(QString, skin);
    QFETCH(bool, is24);
    QFETCH(QTime, time);
    auto at = [](QTime t) { return EncodeDateTime(2027, 3, 1, t.hour(), t.minute(), t.second(), t.msec()); };
    TDateTime now = at(time);
    const TestProgramFolder dir([&now] { return now; });
    const QString folder = dir.path() + "/";
    QVERIFY(QProcess::execute("cp", {"-a", kBuilt + ".", folder}) == 0);
    QFile options(folder + "Options.ini");
    QVERIFY(options.open(QIODevice::WriteOnly));
    options.write(QStringLiteral("[General]\r\nAutoRun=0\r\nAutoHide=0\r\nAMPM=%1\r\n").arg(int(!is24)).toLatin1());
    options.close();
    const ErrorBoxCapture errors;

    // The options page gives the clock its 24-hour form at the first tick.
    FormMain = new TFormMain;
    TFormClock clock;
    clock.show();
    QVERIFY(QTest::qWaitForWindowExposed(&clock));
    // Never dragged, the clock keeps its place through the new skin's size.
    const QPoint place = ClockOnScreen().topLeft();
    if (skin != "Small")
        (skin == "Digital" ? clock.MenuSkinDigital : clock.MenuSkinSantaClaus)->trigger();
    QVERIFY2(errors.shown.isEmpty(), qPrintable(errors.shown.join('\n')));
    QTRY_COMPARE_WITH_TIMEOUT(ClockOnScreen().size(), clock.size() * Scale(), 10000);
    QCOMPARE(ClockOnScreen().topLeft(), place);
    QTRY_VERIFY_WITH_TIMEOUT(!clock.FirstTick, 10000);

    // Once the window manager has taken the new shape and the face is painted.
    auto shows = [&](QTime t) {
        const QImage expected = Expected(folder, skin, is24, t.hour(), t.minute(), t.second(), t.msec() <= 500);
        QImage shot;
        if (!QTest::qWaitFor([&] { return Differences(shot = Grab(ClockOnScreen()), expected) == 0; }, 10000))
            shot.save(QDir::tempPath() + "/tocsimo-clockscreen.png");
        return Differences(shot, expected);
    };
    QCOMPARE(shows(time), 0);

    // The next half second, drawn by this tick alone. Where the X server holds
    // the skin's pictures (24-bit colour, no scaling), the tick sends it no
    // pixels: fewer bytes than the colon's picture, which changes every tick.
    clock.Timer1->stop();
    const QTime next = time.addMSecs(500);
    now = at(next);
    xcb_connection_t *x = XConnection();
    xcb_flush(x);
    const quint64 before = xcb_total_written(x);
    clock.Timer1Timer();
    const quint64 sent = xcb_total_written(x) - before;
    QCOMPARE(shows(next), 0);
    if (QGuiApplication::primaryScreen()->depth() >= 24 && Scale() == 1)
        QVERIFY2(sent < quint64(clock.PicColonOn.sizeInBytes()), qPrintable(QString::number(sent)));
}

void TestClockScreen::cleanup()
{
    delete FormMain;
    FormMain = nullptr;
}

int main(int argc, char *argv[])
{
    // As the program starts: among others, pictures go through the X socket.
    ChooseDisplayPlatform();
    QApplication app(argc, argv);
    TestClockScreen test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_clockscreen.moc"
