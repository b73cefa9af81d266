// The clock window with the built skins in a program folder of the test's
// own, a fake clock and a fake tray shell: creation and close, failures and
// the partial states they leave, the half-second tick, the menu, help, About.
#include "FakeTrayShell.h"
#include "app/DateTime.h"
#include "clock/BuildRegion.h"
#include "clock/ChmLibrary.h"
#include "clock/ProgramIcon.h"
#include "clock/TFormAbout.h"
#include "clock/TFormClock.h"
#include "clock/THelpWindow.h"
#include "clock/TImage.h"
#include "clock/TSysTray.h"
#include "windows/TFormMain.h"
#include "ErrorBoxCapture.h"
#include "TestFiles.h"
#include "TestProgramFolder.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <functional>
#include <sys/stat.h>

namespace {
const QString kBuilt = QStringLiteral(TOCSIMO_PROGRAM_DIR "/");

QImage Rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

bool SameRegion(const QRegion &a, const QRegion &b)
{
    return (a ^ b).isEmpty();
}

void CopyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QString &name : QDir(from).entryList(QDir::Files))
        QFile::copy(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name);
}

// Spoils a file of the program folder, given its path.
using Damage = std::function<void(const QString &path)>;
} // namespace
Q_DECLARE_METATYPE(Damage)

class TestFormClock : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsWithSmallAndWritesTheSkinAtClose();
    void closeStopsWhenTheSkinCannotBeWritten();
    void missingPictureAtStart_data();
    void missingPictureAtStart();
    void damagedBitmapsDoNotLoad_data();
    void damagedBitmapsDoNotLoad();
    void switchStopsAtTheFailingPicture();
    void switchesSkins();
    void firstTickAutoHide_data();
    void firstTickAutoHide();
    void rendersInEachHalfSecond();
    void twentyFourHourSwitchWithinASecond();
    void sendToTrayAndBack();
    void managerFromTheMenu();
    void help();
    void aboutBoxAndProgramIcon();

private:
    std::unique_ptr<TFormClock> MakeClock();
    QImage Picture(const QString &skin, const QString &file) const { return Rgb(QImage(folder_ + skin + "/" + file)); }
    void SetTime(int h, int m, int s, int ms) { now_ = EncodeDateTime(2027, 3, 1, h, m, s, ms); }
    void WriteOptions(bool autoHide, bool ampm)
    {
        WriteBytes(folder_ + "Options.ini", QStringLiteral("[General]\r\nAutoRun=0\r\nAutoHide=%1\r\nAMPM=%2\r\n")
                                               .arg(int(autoHide)).arg(int(ampm)).toLatin1());
    }

    std::unique_ptr<TestProgramFolder> dir_;
    QString folder_;
    ErrorBoxCapture errors_;
    TDateTime now_ = 0;
    FakeTrayShell::Log tray_;
};

void TestFormClock::initTestCase()
{
    // The manager writes the autostart entry: keep it in the test's folder.
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
}

void TestFormClock::init()
{
    dir_ = std::make_unique<TestProgramFolder>([this] { return now_; });
    folder_ = dir_->path() + QLatin1Char('/');
    for (const char *skin : {"Digital", "Santa Claus", "Small"})
        CopyFolder(kBuilt + skin, folder_ + skin);
    QFile::copy(kBuilt + "help.chm", folder_ + "help.chm");
    errors_.shown.clear();
    tray_ = {};
    SetTime(13, 7, 0, 200);
}

void TestFormClock::cleanup()
{
    delete FormMain;
    FormMain = nullptr;
    delete FormAbout;
    FormAbout = nullptr;
    dir_.reset();
}

std::unique_ptr<TFormClock> TestFormClock::MakeClock()
{
    return std::make_unique<TFormClock>(std::make_unique<FakeTrayShell>(tray_));
}

void TestFormClock::startsWithSmallAndWritesTheSkinAtClose()
{
    WriteBytes(folder_ + "skinname.ini", "[Skin Name]\r\nSkin Name=Digital\r\n");
    auto clock = MakeClock();
    QVERIFY2(errors_.shown.isEmpty(), qPrintable(errors_.shown.join('\n')));
    QCOMPARE(clock->SkinName, QStringLiteral("Small"));

    const QImage back = Picture("Small", "Background.bmp");
    QCOMPARE(clock->size(), back.size());
    QVERIFY(SameRegion(clock->mask(), BuildRegion(back, qRgb(255, 0, 0))));
    // 13:07:00 before the options are read: AM/PM form.
    QCOMPARE(Rgb(clock->ImageHour1->Picture()), Picture("Small", "hour_0.bmp"));
    QCOMPARE(Rgb(clock->ImageHour2->Picture()), Picture("Small", "hour_1.bmp"));
    QCOMPARE(Rgb(clock->ImageMin2->Picture()), Picture("Small", "hour_7.bmp"));
    QCOMPARE(Rgb(clock->ImageAMorPM->Picture()), Picture("Small", "PM.bmp"));
    QCOMPARE(Rgb(clock->ImageColon1->Picture()), Picture("Small", "Colon_ON.bmp"));
    QVERIFY(clock->Timer1->isActive());
    QVERIFY(!tray_.calls.isEmpty() && tray_.calls.first().command == TNotifyCommand::Add);
    QCOMPARE(tray_.calls.last().tip, QStringLiteral("Tocsimo"));

    clock->show();
    QVERIFY(clock->close());
    QVERIFY(errors_.shown.isEmpty());
    QVERIFY(ReadBytes(folder_ + "skinname.ini").contains("Skin Name=Small"));
}

void TestFormClock::closeStopsWhenTheSkinCannotBeWritten()
{
    auto clock = MakeClock();
    clock->show();
    QDir().mkpath(folder_ + "skinname.ini"); // a folder where the file should be
    QVERIFY(!clock->close());
    QVERIFY(clock->isVisible());
    QCOMPARE(errors_.shown.size(), 1);
    QVERIFY2(errors_.shown[0].startsWith("Unable to write to"), qPrintable(errors_.shown[0]));
}

void TestFormClock::missingPictureAtStart_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<QSize>("size");
    const Damage remove = [](const QString &path) { QFile::remove(path); };
    const QSize small = QImage(kBuilt + "Small/Background.bmp").size();
    QTest::newRow("a digit") << "hour_5.bmp" << remove << small;
    QTest::newRow("the background") << "Background.bmp" << remove << QSize(168, 132);
    QTest::newRow("a digit cut to half") << "hour_3.bmp" << Damage([](const QString &path) {
        QFile::resize(path, QFileInfo(path).size() / 2);
    }) << small;
    // Opened as a file, a FIFO would wait for a writer for ever.
    QTest::newRow("a digit that is a FIFO") << "hour_3.bmp" << Damage([](const QString &path) {
        QFile::remove(path);
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }) << small;
}

void TestFormClock::missingPictureAtStart()
{
    QFETCH(QString, file);
    QFETCH(Damage, damage);
    QFETCH(QSize, size);
    damage(folder_ + "Small/" + file);
    auto clock = MakeClock();
    QCOMPARE(errors_.shown, QStringList{"Cannot open file " + folder_ + "Small/" + file + "."});
    // The rest of the creation is skipped: no outline, no digits, no tick.
    QCOMPARE(clock->size(), size);
    QVERIFY(clock->mask().isEmpty());
    QVERIFY(clock->ImageHour1->Picture().isNull());
    QVERIFY(!clock->Timer1->isActive());
    // The tray icon is there all the same, so the menu can still be reached.
    QVERIFY(!tray_.calls.isEmpty());
}

void TestFormClock::damagedBitmapsDoNotLoad_data()
{
    QTest::addColumn<QImage>("picture");
    // Rows padded to four bytes, in the depths a skin may use.
    QImage rgb(7, 3, QImage::Format_RGB32);
    rgb.fill(qRgb(200, 30, 40));
    rgb.setPixel(6, 2, qRgb(1, 2, 3));
    QImage mono = QImage(9, 2, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.fill(0);
    mono.setPixel(8, 1, 1);
    QTest::newRow("24-bit, width 7") << rgb;
    QTest::newRow("1-bit, width 9") << mono;
}

void TestFormClock::damagedBitmapsDoNotLoad()
{
    QFETCH(QImage, picture);
    const QString path = folder_ + "picture.bmp";
    QVERIFY(picture.save(path, "BMP"));
    QCOMPARE(Rgb(TImage::LoadBitmap(path)), Rgb(picture));
    // The last row's last byte missing (a byte of padding).
    QByteArray bytes = ReadBytes(path);
    WriteBytes(path, bytes.left(bytes.size() - 1));
    QVERIFY(TImage::LoadBitmap(path).isNull());
    // Whole, but its pixels said to start inside the headers.
    bytes[10] = 14;
    bytes[11] = bytes[12] = bytes[13] = 0;
    WriteBytes(path, bytes);
    QVERIFY(TImage::LoadBitmap(path).isNull());
}

void TestFormClock::switchStopsAtTheFailingPicture()
{
    QFile::remove(folder_ + "Digital/Second_3.bmp");
    auto clock = MakeClock();
    const QImage smallFour = Rgb(clock->HourDigits[4]);
    const QImage smallAm = Rgb(clock->PicAM);
    const QRegion smallOutline = clock->mask();

    clock->MenuSkinDigital->trigger();
    QCOMPARE(errors_.shown, QStringList{"Cannot open file " + folder_ + "Digital/Second_3.bmp."});
    // Loaded before the failure: the new skin's.
    QCOMPARE(clock->size(), Picture("Digital", "Background.bmp").size());
    QCOMPARE(Rgb(clock->HourDigits[4]), Picture("Digital", "hour_4.bmp"));
    QCOMPARE(Rgb(clock->MinuteDigits[9]), Picture("Digital", "hour_9.bmp"));
    QCOMPARE(Rgb(clock->SecondDigits[2]), Picture("Digital", "Second_2.bmp"));
    // The failing one is empty, the later ones are the old skin's.
    QVERIFY(clock->SecondDigits[3].isNull());
    QCOMPARE(Rgb(clock->SecondDigits[4]), smallFour);
    QCOMPARE(Rgb(clock->PicAM), smallAm);
    // The outline is not rebuilt; the face keeps ticking.
    QVERIFY(SameRegion(clock->mask(), smallOutline));
    QVERIFY(clock->Timer1->isActive());
}

void TestFormClock::switchesSkins()
{
    auto clock = MakeClock();
    clock->MenuSkinSantaClaus->trigger();
    QVERIFY2(errors_.shown.isEmpty(), qPrintable(errors_.shown.join('\n')));
    const QImage santa = Picture("Santa Claus", "Background.bmp");
    // Keyed by its top-left pixel, not by red.
    QVERIFY(SameRegion(clock->mask(), BuildRegion(santa, santa.pixel(0, 0))));
    QVERIFY(!SameRegion(clock->mask(), BuildRegion(santa, qRgb(255, 0, 0))));
    QVERIFY(clock->MenuSkinSantaClaus->isChecked() && !clock->MenuSkinDigital->isChecked());
    QVERIFY(clock->ImageColon2->Visible());
    QCOMPARE(clock->ImageHour1->Pos(), QPoint(36, 181));

    clock->MenuSkinDigital->trigger();
    QVERIFY(clock->MenuSkinDigital->isChecked() && !clock->MenuSkinSantaClaus->isChecked());
    // Digital has no second colon: the one of the skin before does not linger.
    QVERIFY(!clock->ImageColon2->Visible());
    QCOMPARE(Rgb(clock->ImageSec1->Picture()), Picture("Digital", "Second_0.bmp"));
    QCOMPARE(clock->SkinName, QStringLiteral("Digital"));
}

void TestFormClock::firstTickAutoHide_data()
{
    QTest::addColumn<bool>("autoHide");
    QTest::addColumn<bool>("tray");
    QTest::addColumn<bool>("trayLater"); // the notification area appears after the first tick
    QTest::addColumn<bool>("hidden");
    QTest::newRow("auto hide") << true << true << false << true;
    QTest::newRow("no auto hide") << false << true << false << false;
    QTest::newRow("auto hide, no notification area") << true << false << false << false;
    QTest::newRow("auto hide, notification area later") << true << false << true << true;
    QTest::newRow("no auto hide, notification area later") << false << false << true << false;
}

void TestFormClock::firstTickAutoHide()
{
    QFETCH(bool, autoHide);
    QFETCH(bool, tray);
    QFETCH(bool, trayLater);
    QFETCH(bool, hidden);
    WriteOptions(autoHide, true);
    tray_.available = tray;
    auto clock = MakeClock();
    FormMain = new TFormMain;
    clock->show();
    QTRY_VERIFY_WITH_TIMEOUT(!clock->FirstTick, 10000);
    if (trayLater)
        static_cast<FakeTrayShell &>(clock->SysTray->Shell()).SetAvailable(true);
    QCOMPARE(clock->isVisible(), !hidden);
    QCOMPARE(clock->Sendtotray->text(), hidden ? QStringLiteral("&Restore") : QStringLiteral("&Send to tray"));
    // Later ticks leave the clock as it is.
    QSignalSpy ticks(clock->Timer1, &QTimer::timeout);
    QVERIFY(ticks.wait(10000));
    QCOMPARE(clock->isVisible(), !hidden);

    // "Send to tray" is offered only where there is a tray to go to.
    emit clock->PopupMenu->aboutToShow();
    QCOMPARE(clock->Sendtotray->isVisible(), tray || trayLater);
}

void TestFormClock::rendersInEachHalfSecond()
{
    SetTime(10, 0, 0, 0);
    auto clock = MakeClock();
    const QImage on = Picture("Small", "Colon_ON.bmp"), off = Picture("Small", "Colon_OFF.bmp");

    // The timer wakes when the face asks, give or take: sometimes late,
    // sometimes a little early, once even before the boundary it aimed at.
    const int jitter[] = {0, 3, -2, 40, -15, 1, 0, 120, 0, -1};
    TDateTime t = EncodeDateTime(2027, 3, 1, 10, 0, 0, 50); // the first tick
    const TDateTime end = t + 4.0 / 86400;
    int ticks = 0;
    QSet<qint64> halves;
    for (int i = 0; t < end; ++i) {
        now_ = t;
        clock->Timer1Timer();
        ++ticks;
        const DateTimeParts p = DecodeDateTime(t);
        // Whatever the tick, the face shows this half second: its second and its colon.
        QCOMPARE(Rgb(clock->ImageSec2->Picture()), Picture("Small", QStringLiteral("hour_%1.bmp").arg(p.second % 10)));
        QCOMPARE(Rgb(clock->ImageColon1->Picture()), p.msec <= 500 ? on : off);
        QCOMPARE(Rgb(clock->ImageColon2->Picture()), p.msec <= 500 ? on : off);
        halves.insert(qint64(p.second) * 2 + p.msec / 500);
        const int wait = TFormClock::MsToNextFaceTick(p.msec) + jitter[i % std::size(jitter)];
        QVERIFY(wait > 0);
        t += wait / 86400000.0;
    }
    // Every half second was seen, with no more than the early tick's extra wake-up.
    QCOMPARE(halves.size(), 9); // 10:00:00.0 to 10:00:04.0
    QVERIFY2(ticks <= 10, qPrintable(QString::number(ticks)));
}

void TestFormClock::twentyFourHourSwitchWithinASecond()
{
    WriteOptions(false, true);
    SetTime(15, 20, 0, 300);
    auto clock = MakeClock();
    FormMain = new TFormMain;
    clock->Timer1Timer();
    QCOMPARE(Rgb(clock->ImageHour2->Picture()), Picture("Small", "hour_3.bmp"));
    QVERIFY(clock->ImageAMorPM->Visible());

    FormMain->rb24Hours->setChecked(true);
    // The next tick comes within half a second.
    now_ += TFormClock::MsToNextFaceTick(300) / 86400000.0;
    clock->Timer1Timer();
    QCOMPARE(Rgb(clock->ImageHour1->Picture()), Picture("Small", "hour_1.bmp"));
    QCOMPARE(Rgb(clock->ImageHour2->Picture()), Picture("Small", "hour_5.bmp"));
    QCOMPARE(clock->ImageHour1->Pos(), QPoint(13, 4));
    QVERIFY(!clock->ImageAMorPM->Visible());
}

void TestFormClock::sendToTrayAndBack()
{
    auto clock = MakeClock();
    clock->show();
    QVERIFY(QTest::qWaitForWindowExposed(clock.get()));
    clock->move(40, 50);
    const QPoint at = clock->pos();

    clock->Sendtotray->trigger();
    QVERIFY(!clock->isVisible());
    QCOMPARE(clock->Sendtotray->text(), QStringLiteral("&Restore"));
    clock->Sendtotray->trigger();
    QVERIFY(clock->isVisible());
    QCOMPARE(clock->Sendtotray->text(), QStringLiteral("&Send to tray"));
    QCOMPARE(clock->pos(), at);

    // The tray icon: a double click does the same, a right press pops the menu up.
    auto &shell = static_cast<FakeTrayShell &>(clock->SysTray->Shell());
    shell.Click(TSysTray::LeftDoubleClick);
    QVERIFY(!clock->isVisible());
    QCOMPARE(clock->Sendtotray->text(), QStringLiteral("&Restore"));
    shell.Click(TSysTray::LeftButtonDown);
    QVERIFY(tray_.popups.isEmpty());
    shell.Click(TSysTray::RightButtonDown);
    QCOMPARE(tray_.popups.size(), 1);
    QCOMPARE(tray_.popups[0].menu, clock->PopupMenu);
    shell.Click(TSysTray::LeftDoubleClick);
    QVERIFY(clock->isVisible());
    QCOMPARE(clock->pos(), at);

    // The notification area goes away with the clock in it: the clock comes
    // back where it was, and the menu no longer offers to hide it.
    clock->Sendtotray->trigger();
    shell.SetAvailable(false);
    QVERIFY(clock->isVisible());
    QCOMPARE(clock->pos(), at);
    QCOMPARE(clock->Sendtotray->text(), QStringLiteral("&Send to tray"));
    QVERIFY(!clock->Sendtotray->isVisible());
}

void TestFormClock::managerFromTheMenu()
{
    WriteOptions(false, true);
    auto clock = MakeClock();
    FormMain = new TFormMain;
    FormMain->ButtonOptions->click();
    bool wasModal = false, onAlarms = false;
    QTimer::singleShot(0, this, [&] {
        wasModal = FormMain->isVisible() && FormMain->isModal();
        onAlarms = FormMain->PanelAlarms->isVisible() && !FormMain->PanelOptions->isVisible();
        FormMain->close();
    });
    clock->Alarms1->trigger();
    QVERIFY(wasModal);
    QVERIFY(onAlarms);
    QVERIFY(!FormMain->isVisible());

    // Already showing (the menu opened from the tray icon): only its page
    // changes, nothing waits, and the face is drawn afresh.
    FormMain->show();
    clock->Face.LastSecond = 42;
    clock->Options1->trigger();
    QVERIFY(FormMain->isVisible());
    QVERIFY(FormMain->PanelOptions->isVisible() && !FormMain->PanelAlarms->isVisible());
    QCOMPARE(clock->Face.LastSecond, uint16_t(0));
}

void TestFormClock::help()
{
    auto clock = MakeClock();
    const QString notInstalled = QStringLiteral("HHCtrl.OCX not installed!\r HTMLHELP cannot displayed!");
    // No library: the first text, at every request, from the menu and from F1.
    ChmLibrary::SetLibraryNameForTests(QStringLiteral("libtocsimo-no-such-library.so"));
    clock->Help1->trigger();
    QTest::keyClick(clock.get(), Qt::Key_F1);
    QCOMPARE(errors_.shown, (QStringList{notInstalled, notInstalled}));
    // A library without the entry point: the second.
    ChmLibrary::SetLibraryNameForTests(QStringLiteral("libm.so.6"));
    clock->Help1->trigger();
    QCOMPARE(errors_.shown.last(), QStringLiteral("Function HTMLHELP cannot loaded!"));
    QVERIFY(!clock->HelpWindow);
    // Other keys do nothing.
    QTest::keyClick(clock.get(), Qt::Key_F2);
    QCOMPARE(errors_.shown.size(), 3);

    ChmLibrary::SetLibraryNameForTests(QStringLiteral("libchm.so.1"));
    QTest::keyClick(clock.get(), Qt::Key_F1);
    QVERIFY2(errors_.shown.size() == 3, qPrintable(errors_.shown.join('|')));
    QVERIFY(clock->HelpWindow && clock->HelpWindow->isVisible());
    QCOMPARE(clock->HelpWindow->windowTitle(), QStringLiteral("Tocsimo Help"));
    // A link inside the file, followed with the keyboard.
    QTest::keyClick(clock->HelpWindow->Browser, Qt::Key_Tab);
    QTest::keyClick(clock->HelpWindow->Browser, Qt::Key_Return);
    QCOMPARE(clock->HelpWindow->windowTitle(), QStringLiteral("The clock, its menu and the tray icon"));
    // Each request shows the first page again.
    clock->Help1->trigger();
    QCOMPARE(clock->HelpWindow->windowTitle(), QStringLiteral("Tocsimo Help"));

    // Every page of the contents takes the guide's stylesheet: its headings are coloured.
    QStringList pages{"index.htm"};
    for (QTextBlock b = clock->HelpWindow->Browser->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isAnchor())
                pages << it.fragment().charFormat().anchorHref();
    QVERIFY(pages.size() > 5);
    for (const QString &page : pages) {
        clock->HelpWindow->Browser->setSource(QUrl(page));
        QTextBlock heading = clock->HelpWindow->Browser->document()->begin();
        while (heading.isValid() && heading.blockFormat().headingLevel() == 0)
            heading = heading.next();
        QVERIFY2(heading.isValid() && heading.begin().fragment().charFormat().hasProperty(QTextFormat::ForegroundBrush),
                 qPrintable(page));
    }

    // A help file that is missing, or is a FIFO (chmlib would wait on it for
    // ever), is the help window's own business: no error box.
    for (bool fifo : {true, false}) {
        QFile::remove(folder_ + "help.chm");
        if (fifo)
            QCOMPARE(mkfifo(QFile::encodeName(folder_ + "help.chm").constData(), 0600), 0);
        clock->Help1->trigger();
        QCOMPARE(errors_.shown.size(), 3);
        QVERIFY(clock->HelpWindow->Browser->toPlainText().contains("cannot be read"));
    }
}

void TestFormClock::aboutBoxAndProgramIcon()
{
    auto clock = MakeClock();
    FormAbout = new TFormAbout;
    QSize pictureSize;
    QTimer::singleShot(0, this, [&] {
        pictureSize = FormAbout->Image1->pixmap().size();
        QCOMPARE(FormAbout->windowTitle(), QStringLiteral("About"));
        QCOMPARE(FormAbout->Label3->text(), QStringLiteral("Version 1.62"));
        FormAbout->ButtonOK->click();
    });
    clock->menuAbout->trigger();
    QVERIFY(!FormAbout->isVisible());
    QCOMPARE(pictureSize, QSize(32, 32));

    // Eight sizes, in the program and beside it for the desktop's launchers.
    QList<QSize> sizes;
    for (int s : {16, 24, 32, 48, 64, 72, 96, 128}) {
        sizes << QSize(s, s);
        const QImage file(kBuilt + QStringLiteral("icons/tocsimo-%1.png").arg(s));
        QCOMPARE(file.size(), QSize(s, s));
        QVERIFY(file.hasAlphaChannel() && qAlpha(file.pixel(0, 0)) == 0 && qAlpha(file.pixel(s / 2, s / 2)) == 255);
    }
    QCOMPARE(ProgramIcon().availableSizes(), sizes);
}

QTEST_MAIN(TestFormClock)
#include "tst_formclock.moc"
