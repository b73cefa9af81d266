// Tocsimo: a desktop alarm clock. Start-up creates the windows in a fixed
// order; the clock, created first, is the main window, and closing it ends
// the program.
#include "app/DisplayPlatform.h"
#include "app/ErrorBox.h"
#include "app/ProgramFolder.h"
#include "app/SingleInstance.h"
#include "app/Translations.h"
#include "clock/ProgramIcon.h"
#include "clock/TFormAbout.h"
#include "clock/TFormClock.h"
#include "player/PlayerRuntime.h"
#include "store/SaveRecovery.h"
#include "windows/TFormAlarm.h"
#include "windows/TFormMain.h"
#include "windows/TFormMissed.h"
#include "windows/TFormReminder.h"

#include <QApplication>
#include <QLocale>

#include <cstdlib>

int main(int argc, char *argv[])
{
    ChooseDisplayPlatform();
    QApplication app(argc, argv);
    // Panels show the name as the tray icon's title; Wayland compositors find
    // the menu entry (and its icon) by the desktop file's name.
    QApplication::setApplicationName(QStringLiteral("Tocsimo"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tocsimo"));
    // The desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), before any text is made.
    InstallTranslations(QLocale::system().uiLanguages());
    // The clock may hide in the tray and the manager close: only closing the clock ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    // A folder whose name is no text would turn every data path into some
    // other place: say so and stop, before anything is read or written.
    const QByteArray unusable = UnusableProgramFolder();
    if (!unusable.isEmpty()) {
        QString shown;
        for (const char c : unusable)
            shown += static_cast<unsigned char>(c) < 0x80 ? QString(QLatin1Char(c))
                                                         : QStringLiteral("\\x") + QString::number(uchar(c), 16).toUpper();
        ShowErrorBox(QCoreApplication::translate("main", "Tocsimo cannot run from the folder %1 because its name is not valid UTF-8 text. "
                                                         "Move the program to a folder with another name")
                         .arg(shown));
        return 1;
    }

    SingleInstance instance;
    if (!instance.Claim())
        return 0;
    const QString noUserFolder = ChooseUserFolder();
    if (!noUserFolder.isEmpty()) {
        ShowErrorBox(noUserFolder);
        return 1;
    }
    // Only now, with the lock held, is no other copy in the middle of a save.
    RecoverCutShortSaves();

    QApplication::setWindowIcon(ProgramIcon());
    FormClock = new TFormClock;
    FormMain = new TFormMain;
    // The alarm editor, the About box and the missed alarms are made when
    // first needed: an idle clock need not carry them.
    FormReminder = new TFormReminder;
    QObject::connect(&instance, &SingleInstance::RaiseRequested, FormClock, &TFormClock::RaiseIfVisible);

    FormClock->show();
    const int result = QApplication::exec();

    // No close handler runs here: nothing but the clock's own is written at exit.
    delete FormAbout;
    delete FormMissed;
    delete FormReminder;
    delete FormAlarm;
    delete FormMain;
    delete FormClock;
    // A sound engine still stuck in a file (a hung mount) or in GStreamer's
    // start must not keep the program from ending, nor run while it ends.
    if (!ShutdownPlayerRuntime())
        std::_Exit(result);
    return result;
}
