// Tocsimo: a desktop alarm clock. Start-up creates the windows in a fixed
// order; the clock, created first, is the main window, and closing it ends
// the program.
#include "app/DisplayPlatform.h"
#include "app/SingleInstance.h"
#include "clock/ProgramIcon.h"
#include "clock/TFormAbout.h"
#include "clock/TFormClock.h"
#include "player/PlayerRuntime.h"
#include "windows/TFormAlarm.h"
#include "windows/TFormMain.h"
#include "windows/TFormReminder.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    ChooseDisplayPlatform();
    QApplication app(argc, argv);
    // The clock may hide in the tray and the manager close: only closing the clock ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance;
    if (!instance.Claim())
        return 0;

    QApplication::setWindowIcon(ProgramIcon());
    FormClock = new TFormClock;
    FormMain = new TFormMain;
    FormAlarm = new TFormAlarm;
    FormReminder = new TFormReminder;
    FormAbout = new TFormAbout;
    QObject::connect(&instance, &SingleInstance::RaiseRequested, FormClock, &TFormClock::RaiseIfVisible);

    FormClock->show();
    const int result = QApplication::exec();

    // No close handler runs here: nothing but the clock's own is written at exit.
    delete FormAbout;
    delete FormReminder;
    delete FormAlarm;
    delete FormMain;
    delete FormClock;
    ShutdownPlayerRuntime();
    return result;
}
