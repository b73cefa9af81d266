// Takes pictures of the alarm manager (both pages), the alarm editor (Once
// and Weekly), a reminder, the missed alarms and the About box, framed by the
// window manager, from a real X display, in the desktop's language (LANGUAGE,
// LANG...). Run by scripts/screenshots, which starts a private X session for it:
//
//   tocsimo_screens <output folder>
#include "app/DateTime.h"
#include "app/Translations.h"
#include "clock/TFormAbout.h"
#include "help/SampleAlarms.h"
#include "windows/AlarmListView.h"
#include "windows/TFormAlarm.h"
#include "windows/TFormMain.h"
#include "windows/TFormMissed.h"
#include "windows/TFormReminder.h"

#include "TestProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cstdio>

namespace {
bool Shoot(QWidget *window, const QString &path)
{
    if (!QTest::qWaitForWindowExposed(window, 5000))
        return false;
    // The window manager's frame, then the first paint. The window manager
    // draws its frame in its own time and tells no one: a picture waits a
    // moment for it.
    (void)QTest::qWaitFor([window] { return window->frameGeometry() != window->geometry(); }, 3000);
    QTest::qWait(300);
    const QRect frame = window->frameGeometry();
    const QPixmap shot = window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    const bool ok = shot.save(path);
    std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "could not write", qPrintable(path), shot.width(), shot.height());
    return ok;
}

// Opens the editor on one alarm, as the manager does, and pictures it.
bool ShootEditor(int id, const QString &path)
{
    bool ok = false;
    QTimer::singleShot(0, FormAlarm, [&] {
        ok = Shoot(FormAlarm, path);
        FormAlarm->Button2->click();
    });
    FormAlarm->AlarmId = id;
    FormAlarm->ButtonEditClick();
    return ok;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    InstallTranslations(QLocale::system().uiLanguages());
    if (argc < 2) {
        std::fprintf(stderr, "usage: tocsimo_screens <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());

    const TestProgramFolder folder([] { return EncodeDateTime(2027, 3, 1, 14, 25, 37, 0); });
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toUtf8());

    FormMain = new TFormMain;
    FormAlarm = new TFormAlarm;
    AddSampleAlarms(*FormMain);

    bool ok = true;
    FormMain->ButtonAlarms->click();
    FormMain->show();
    FormMain->SetItemIndex(1);
    ok &= Shoot(FormMain, out.filePath(QStringLiteral("manager-alarms.png")));
    FormMain->ButtonOptions->click();
    ok &= Shoot(FormMain, out.filePath(QStringLiteral("manager-options.png")));
    FormMain->hide();

    ok &= ShootEditor(1, out.filePath(QStringLiteral("editor-once.png")));
    ok &= ShootEditor(2, out.filePath(QStringLiteral("editor-weekly.png")));

    // The first sample alarm as it goes off (its sound, if any, is not needed).
    FormReminder = new TFormReminder;
    QTimer::singleShot(0, FormReminder, [&] {
        ok &= Shoot(FormReminder, out.filePath(QStringLiteral("reminder.png")));
        FormReminder->ButtonClose->click();
    });
    FormReminder->AlarmId = 1;
    FormReminder->Button1Click();

    FormMissed = new TFormMissed;
    const int64_t due = SecondCount(DecodeDateTime(EncodeDateTime(2027, 3, 1, 7, 30, 0, 0)));
    FormMissed->AddMissed({{1, QStringLiteral("Take the pills"), {{due}, 1}},
                           {2, QStringLiteral("Stand-up meeting"), {{due + 3600, due + 7200}, 14}}},
                          true);
    ok &= Shoot(FormMissed, out.filePath(QStringLiteral("missed.png")));
    FormMissed->hide();

    FormAbout = new TFormAbout;
    FormAbout->show();
    ok &= Shoot(FormAbout, out.filePath(QStringLiteral("about.png")));

    delete FormAbout;
    delete FormMissed;
    delete FormReminder;
    delete FormAlarm;
    delete FormMain;
    return ok ? 0 : 1;
}
