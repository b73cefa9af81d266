#include "help/SampleAlarms.h"

#include "store/AlarmFiles.h"
#include "windows/TFormMain.h"

#include <QList>
#include <QStringList>

void AddSampleAlarms(TFormMain &manager)
{
    struct Sample {
        AlarmMode mode;
        AlarmTime time;
        QStringList message;
    };
    const QList<Sample> samples = {
        {AlarmMode::Once, {2027, 3, 14, 9, 30, 0}, {"Dentist: bring the insurance card", "and the letter"}},
        {AlarmMode::Weekly, {2027, 3, 5, 18, 0, 0}, {"Put the bins out"}},
        {AlarmMode::Daily, {2027, 1, 1, 7, 0, 0}, {"Wake up"}},
        {AlarmMode::Hourly, {2027, 1, 1, 0, 55, 0}, {"Stretch and drink some water"}},
        {AlarmMode::Monthly, {2027, 1, 28, 10, 0, 0}, {"Pay the rent"}},
        {AlarmMode::Yearly, {2027, 6, 21, 8, 0, 0}, {"Anna's birthday"}},
    };
    const QString sound = QStringLiteral("/home/user/Music/Morning bells.mp3");
    for (int i = 0; i < samples.size(); ++i) {
        AlarmFiles::WriteSettings(i + 1, samples[i].mode, samples[i].time, sound);
        AlarmFiles::WriteMessage(i + 1, samples[i].message);
        manager.Alarms.Append(i + 1, {samples[i].message.first(), AlarmModeName(samples[i].mode)}, samples[i].time);
    }
    manager.RefreshAlarmsList();
}
