// Every window by keyboard alone: each captioned control has an Alt+letter
// of its own within its window, and Tab visits every control that acts, in
// the order they are seen (top to bottom, left to right, column by column).
// A new window or page joins by a row in Surfaces().
#include "FakeTrayShell.h"
#include "clock/TFormAbout.h"
#include "clock/TFormClock.h"
#include "windows/TFormAlarm.h"
#include "windows/TFormMain.h"
#include "windows/TFormMissed.h"
#include "windows/TFormReminder.h"
#include "ErrorBoxCapture.h"
#include "TestProgramFolder.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <memory>

namespace {
// A window in one of its states, as `show` shows it.
struct Surface {
    const char *name;
    std::function<QWidget *()> show;
};

QList<Surface> Surfaces()
{
    const auto manager = [](bool alarmsPage) {
        return [alarmsPage]() -> QWidget * {
            // As the clock's menu opens it: the page first.
            alarmsPage ? FormMain->ButtonAlarmsClick() : FormMain->ButtonOptionsClick();
            FormMain->show();
            return FormMain;
        };
    };
    // (No window twice in a row: the offscreen platform would not make it
    // the active window again.)
    return {
        {"manager, alarms page", manager(true)},
        {"editor", [] { FormAlarm->show(); return static_cast<QWidget *>(FormAlarm); }},
        {"manager, options page", manager(false)},
        {"reminder", [] { FormReminder->show(); return static_cast<QWidget *>(FormReminder); }},
        {"missed alarms", [] { FormMissed->show(); return static_cast<QWidget *>(FormMissed); }},
        {"About", [] { FormAbout->show(); return static_cast<QWidget *>(FormAbout); }},
    };
}

// A control a user acts on, as opposed to a label, a frame or a part of
// another control (the edit field of a spin box, the header of a list).
bool Acts(const QWidget *w)
{
    const auto acts = [](const QWidget *c) {
        return qobject_cast<const QAbstractButton *>(c) || qobject_cast<const QComboBox *>(c)
            || qobject_cast<const QAbstractSpinBox *>(c) || qobject_cast<const QLineEdit *>(c)
            || qobject_cast<const QPlainTextEdit *>(c) || qobject_cast<const QAbstractItemView *>(c);
    };
    for (const QWidget *p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (acts(p))
            return false;
    return acts(w);
}

// What the user reads: the caption without its letter mark.
QString Shown(QString caption)
{
    return caption.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(QLatin1Char('&')).replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// Fails on a caption without a letter, or on a letter that two captions share.
void CheckLetters(const QList<QString> &captions)
{
    QHash<int, QString> owner;
    for (const QString &caption : captions) {
        const QKeySequence letter = QKeySequence::mnemonic(caption);
        QVERIFY2(!letter.isEmpty(), qPrintable(QStringLiteral("\"%1\" has no letter").arg(caption)));
        const QString other = owner.value(letter[0].toCombined());
        QVERIFY2(other.isEmpty() || Shown(other) == Shown(caption),
                 qPrintable(QStringLiteral("\"%1\" and \"%2\" share a letter").arg(caption, other)));
        owner.insert(letter[0].toCombined(), caption);
    }
}
} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void lettersOfEachWindow_data();
    void lettersOfEachWindow();
    void lettersOfTheClockMenu();
    void tabFollowsTheEye_data();
    void tabFollowsTheEye();

private:
    std::unique_ptr<TestProgramFolder> folder_;
    const ErrorBoxCapture errors_; // the folder has no skins for the clock
    FakeTrayShell::Log tray_;
    std::unique_ptr<TFormClock> clock_;
};

void TestKeyboard::initTestCase()
{
    folder_ = std::make_unique<TestProgramFolder>();
    FormMain = new TFormMain;
    FormAlarm = new TFormAlarm;
    FormReminder = new TFormReminder;
    FormAbout = new TFormAbout;
    FormMissed = new TFormMissed;
    clock_ = std::make_unique<TFormClock>(std::make_unique<FakeTrayShell>(tray_));
}

void TestKeyboard::cleanupTestCase()
{
    clock_.reset();
    delete FormMissed;
    delete FormAbout;
    delete FormReminder;
    delete FormAlarm;
    delete FormMain;
    FormMain = nullptr;
    folder_.reset();
}

void TestKeyboard::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->hide();
    // Gone before the next window shows, so that one is activated afresh.
    QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeWindow(), 10000);
}

void TestKeyboard::lettersOfEachWindow_data()
{
    QTest::addColumn<QStringList>("windows");
    // A window's pages share its letters: each page's controls are in it.
    QTest::newRow("manager") << QStringList{"manager, alarms page", "manager, options page"};
    QTest::newRow("editor") << QStringList{"editor"};
    QTest::newRow("reminder") << QStringList{"reminder"};
    QTest::newRow("missed alarms") << QStringList{"missed alarms"};
    QTest::newRow("About") << QStringList{"About"};
}

void TestKeyboard::lettersOfEachWindow()
{
    QFETCH(QStringList, windows);
    QList<QString> captions;
    QSet<QObject *> seen;
    for (const Surface &surface : Surfaces()) {
        if (!windows.contains(QLatin1String(surface.name)))
            continue;
        QWidget *window = surface.show();
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (!w->isVisible() || seen.contains(w))
                continue;
            seen.insert(w);
            if (auto *button = qobject_cast<QAbstractButton *>(w); button && !button->text().isEmpty())
                captions.append(button->text());
            if (auto *label = qobject_cast<QLabel *>(w); label && label->buddy())
                captions.append(label->text());
        }
    }
    QVERIFY(!captions.isEmpty());
    CheckLetters(captions);
}

void TestKeyboard::lettersOfTheClockMenu()
{
    QList<QString> captions;
    for (QAction *item : clock_->PopupMenu->actions())
        if (item->isVisible() && !item->isSeparator())
            captions.append(item->text());
    CheckLetters(captions);
    // Both captions of the first item, as the clock shows and hides.
    CheckLetters({clock_->menuExit->text(), clock_->Alarms1->text(), QObject::tr("&Restore")});
}

void TestKeyboard::tabFollowsTheEye_data()
{
    QTest::addColumn<int>("surface");
    for (int i = 0; i < Surfaces().size(); ++i)
        QTest::newRow(Surfaces().at(i).name) << i;
}

void TestKeyboard::tabFollowsTheEye()
{
    QFETCH(int, surface);
    QWidget *window = Surfaces().at(surface).show();
    window->activateWindow();
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), window, 10000);

    // One round of Tab, from wherever the window put the keyboard.
    QList<QWidget *> round;
    for (int i = 0; i < 60; ++i) {
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused && window->isAncestorOf(focused));
        if (round.contains(focused))
            break;
        round.append(focused);
        // A date or time field takes Tab from section to section first.
        for (int presses = 0; presses < 8 && QApplication::focusWidget() == focused; ++presses)
            QTest::keyClick(focused, Qt::Key_Tab);
    }
    // Read from the control first in the window's own chain.
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (round.contains(w)) {
            std::rotate(round.begin(), round.begin() + round.indexOf(w), round.end());
            break;
        }

    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || !w->isEnabled() || !Acts(w))
            continue;
        // A group of radio buttons is one stop: arrows move within it.
        const auto *radio = qobject_cast<QRadioButton *>(w);
        const bool reached = round.contains(w) || (radio && std::any_of(round.begin(), round.end(), [radio](QWidget *r) {
                                 return qobject_cast<QRadioButton *>(r) && r->parentWidget() == radio->parentWidget();
                             }));
        QVERIFY2(reached, qPrintable(QStringLiteral("Tab never reaches %1").arg(w->objectName())));
    }
    constexpr int kRow = 8; // controls this near in height stand in one row
    for (qsizetype i = 0; i + 1 < round.size(); ++i) {
        const QRect a(round[i]->mapTo(window, QPoint()), round[i]->size());
        const QRect b(round[i + 1]->mapTo(window, QPoint()), round[i + 1]->size());
        const bool sameRow = qAbs(b.top() - a.top()) <= kRow;
        const bool next = sameRow ? b.left() > a.left() : b.top() > a.top() || b.left() > a.right();
        QVERIFY2(next, qPrintable(QStringLiteral("Tab goes back from %1 to %2")
                                      .arg(round[i]->objectName(), round[i + 1]->objectName())));
    }
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
