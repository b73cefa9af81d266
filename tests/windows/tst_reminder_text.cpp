// The reminder's own time and date formats.
#include "windows/ReminderText.h"

#include <QTest>

namespace {
DateTimeParts At(int year, int month, int day, int hour, int minute, int second)
{
    DateTimeParts t;
    t.year = year;
    t.month = month;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    return t;
}

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
} // namespace

class TestReminderText : public QObject {
    Q_OBJECT
private slots:
    void timeLabel_data();
    void timeLabel();
    void dateLabelEveryWeekday_data();
    void dateLabelEveryWeekday();
    void dateLabelMonthsAndPadding_data();
    void dateLabelMonthsAndPadding();
    void dateLabelFollowsLocale();
    void minuteOrMonth();
    void literalsAndCase();
};

void TestReminderText::timeLabel_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("twelve");
    QTest::addColumn<QString>("twentyFour");

    QTest::newRow("just after midnight") << 0 << 5 << 9 << "12:05:09 AM" << "00:05:09";
    QTest::newRow("half past noon") << 12 << 30 << 0 << "12:30:00 PM" << "12:30:00";
    QTest::newRow("evening") << 20 << 30 << 25 << "08:30:25 PM" << "20:30:25";
    QTest::newRow("last second before noon") << 11 << 59 << 59 << "11:59:59 AM" << "11:59:59";
    QTest::newRow("last second of the day") << 23 << 59 << 59 << "11:59:59 PM" << "23:59:59";
    QTest::newRow("one in the morning") << 1 << 0 << 0 << "01:00:00 AM" << "01:00:00";
    QTest::newRow("one in the afternoon") << 13 << 0 << 0 << "01:00:00 PM" << "13:00:00";
}

void TestReminderText::timeLabel()
{
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, second);
    QFETCH(QString, twelve);
    QFETCH(QString, twentyFour);
    const DateTimeParts t = At(2004, 7, 14, hour, minute, second);
    QCOMPARE(ReminderText::TimeLabel(t, true), twelve);
    QCOMPARE(ReminderText::TimeLabel(t, false), twentyFour);
}

void TestReminderText::dateLabelEveryWeekday_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("expected");
    // 11 July 2004 was a Sunday.
    QTest::newRow("Sunday") << 11 << "Sun, Jul 11, 2004";
    QTest::newRow("Monday") << 12 << "Mon, Jul 12, 2004";
    QTest::newRow("Tuesday") << 13 << "Tue, Jul 13, 2004";
    QTest::newRow("Wednesday") << 14 << "Wed, Jul 14, 2004";
    QTest::newRow("Thursday") << 15 << "Thu, Jul 15, 2004";
    QTest::newRow("Friday") << 16 << "Fri, Jul 16, 2004";
    QTest::newRow("Saturday") << 17 << "Sat, Jul 17, 2004";
}

void TestReminderText::dateLabelEveryWeekday()
{
    QFETCH(int, day);
    QFETCH(QString, expected);
    QCOMPARE(ReminderText::DateLabel(At(2004, 7, day, 20, 30, 25), kEnglish), expected);
}

void TestReminderText::dateLabelMonthsAndPadding_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("expected");
    QTest::newRow("new year's day") << 2027 << 1 << 1 << "Fri, Jan 01, 2027";
    QTest::newRow("leap day") << 2028 << 2 << 29 << "Tue, Feb 29, 2028";
    QTest::newRow("new year's eve") << 2026 << 12 << 31 << "Thu, Dec 31, 2026";
    QTest::newRow("three-digit year") << 999 << 9 << 5 << "Thu, Sep 05, 0999";
}

void TestReminderText::dateLabelMonthsAndPadding()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, expected);
    QCOMPARE(ReminderText::DateLabel(At(year, month, day, 0, 0, 0), kEnglish), expected);
}

void TestReminderText::dateLabelFollowsLocale()
{
    const DateTimeParts t = At(2004, 7, 14, 20, 30, 25);
    QCOMPARE(ReminderText::DateLabel(t, QLocale(QLocale::German, QLocale::Germany)),
             QStringLiteral("Mi., Juli 14, 2004"));
    QCOMPARE(ReminderText::DateLabel(t, QLocale(QLocale::French, QLocale::France)),
             QStringLiteral("mer., juil. 14, 2004"));
}

void TestReminderText::minuteOrMonth()
{
    // "mm" is the minute right after an hour, the month anywhere else.
    const DateTimeParts t = At(2004, 7, 14, 20, 30, 25);
    QCOMPARE(ReminderText::Format(QStringLiteral("dd/mm/yyyy"), t, kEnglish), QStringLiteral("14/07/2004"));
    QCOMPARE(ReminderText::Format(QStringLiteral("hh:mm dd.mm."), t, kEnglish), QStringLiteral("20:30 14.07."));
    QCOMPARE(ReminderText::Format(QStringLiteral("mm hh:mm"), t, kEnglish), QStringLiteral("07 20:30"));
}

void TestReminderText::literalsAndCase()
{
    const DateTimeParts t = At(2004, 7, 14, 9, 5, 7);
    // AM/PM anywhere in the format switches the hour to the 12-hour clock.
    QCOMPARE(ReminderText::Format(QStringLiteral("AM/PM hh"), t, kEnglish), QStringLiteral("AM 09"));
    QCOMPARE(ReminderText::Format(QStringLiteral("HH:MM:SS AM/PM"), At(2004, 7, 14, 21, 5, 7), kEnglish),
             QStringLiteral("09:05:07 PM"));
    QCOMPARE(ReminderText::Format(QStringLiteral("at hh!"), t, kEnglish), QStringLiteral("at 09!"));
    // Only the upper-case marker is a field.
    QCOMPARE(ReminderText::Format(QStringLiteral("hh am/pm"), t, kEnglish), QStringLiteral("09 am/pm"));
}

QTEST_GUILESS_MAIN(TestReminderText)
#include "tst_reminder_text.moc"
