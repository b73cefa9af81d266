// The alarm windows with a full store. Run by hand under X:
//
//   scripts/x11-session -- build/bench/bench_windows [rounds]
//
// manager:  press of "Alarms" (as the clock's menu does) to the manager's window exposed
// editor:   click on "Edit" with a row selected (255 alarms) to the editor exposed
// add:      click on "OK" in the editor opened by "Add" (254 alarms) to the index on disk
#include "app/DateTime.h"
#include "app/ProgramFolder.h"
#include "app/TIniFile.h"
#include "store/AlarmFiles.h"
#include "windows/AlarmListView.h"
#include "windows/TFormAlarm.h"
#include "windows/TFormMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
// Notes when a widget's window is first exposed.
class ExposeWatch : public QObject {
public:
    QElapsedTimer clock;
    QWidget *target = nullptr;
    qint64 exposedAtNs = -1;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && target && exposedAtNs < 0 && watched == target->windowHandle()
            && target->windowHandle()->isExposed())
            exposedAtNs = clock.nsecsElapsed();
        return false;
    }
};

void Report(const char *what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%-58s min %7.2f ms   median %7.2f ms   max %7.2f ms   (%zu runs)\n", what, ms.front(),
                ms[ms.size() / 2], ms.back(), ms.size());
}

void WriteStore(int count)
{
    QList<TIniFile::Entry> index;
    for (int id = 1; id <= count; ++id) {
        AlarmFiles::WriteSettings(id, kAllAlarmModes[id % 6], {2027, 1 + id % 12, 1 + id % 28, uint16_t(id % 24), uint16_t(id % 60), 0},
                                  QString("/home/user/Music/alarm %1.mp3").arg(id));
        AlarmFiles::WriteMessage(id, {QString("Alarm number %1").arg(id), "second line"});
        index.append({"Alarms", QString("Alarm%1").arg(id), QString::number(id)});
    }
    TIniFile(AlarmFiles::IndexPath()).ReplaceSection("Alarms", index);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("alarm");
    SetProgramFolderOverride(dir.path());
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    WriteStore(255);

    FormMain = new TFormMain;
    FormAlarm = new TFormAlarm;
    FormMain->chkChimes->setChecked(false);
    ExposeWatch watch;
    app.installEventFilter(&watch);

    // The manager, opened as the clock's menu opens it.
    std::vector<double> manager;
    for (int r = 0; r < rounds; ++r) {
        watch.target = FormMain;
        watch.exposedAtNs = -1;
        QTimer::singleShot(0, FormMain, [&] {
            (void)QTest::qWaitFor([&] { return watch.exposedAtNs >= 0; }, 5000);
            manager.push_back(watch.exposedAtNs / 1e6);
            FormMain->Button3->click();
        });
        watch.clock.start();
        FormMain->ButtonAlarms->click();
        FormMain->exec();
    }
    Report("manager: \"Alarms\" pressed to window exposed (255 alarms)", manager);

    // The editor on an alarm of the full list, and Add on a list of 254.
    std::vector<double> editor, add;
    FormMain->show();
    (void)QTest::qWaitForWindowExposed(FormMain);
    FormMain->SetItemIndex(200);
    for (int r = 0; r < rounds; ++r) {
        watch.target = FormAlarm;
        watch.exposedAtNs = -1;
        QTimer::singleShot(0, FormAlarm, [&] {
            (void)QTest::qWaitFor([&] { return watch.exposedAtNs >= 0; }, 5000);
            editor.push_back(watch.exposedAtNs / 1e6);
            FormAlarm->Button2->click();
        });
        watch.clock.start();
        QTest::mouseClick(FormMain->ButtonEdit, Qt::LeftButton);
    }
    Report("editor: \"Edit\" clicked to window exposed (255 alarms)", editor);

    const QString indexPath = AlarmFiles::IndexPath();
    for (int r = 0; r < rounds; ++r) {
        FormMain->SetItemIndex(254);
        FormMain->ButtonDelClick(); // back to 254
        QElapsedTimer okClicked;
        QTimer::singleShot(0, FormAlarm, [&] {
            (void)QTest::qWaitFor([&] { return FormAlarm->isVisible(); }, 5000);
            okClicked.start();
            QTest::mouseClick(FormAlarm->ButtonOk, Qt::LeftButton);
        });
        QTest::mouseClick(FormMain->ButtonAdd, Qt::LeftButton);
        QFile index(indexPath);
        const bool written = index.open(QIODevice::ReadOnly) && index.readAll().contains("Alarm255=");
        add.push_back(okClicked.nsecsElapsed() / 1e6);
        if (!written)
            std::printf("the index does not hold the 255th alarm\n");
    }
    Report("add: \"OK\" clicked to index on disk (254 alarms before)", add);

    FormMain->hide();
    delete FormAlarm;
    delete FormMain;
    return 0;
}
