// Captions longer than the English ones get room: in every shipped language
// each window's captions are whole, inside their parents and clear of one
// another; captions that fit move nothing.
#include "app/ErrorBox.h"
#include "app/Translations.h"
#include "clock/TFormAbout.h"
#include "windows/FitCaptions.h"
#include "windows/TFormAlarm.h"
#include "windows/TFormMain.h"
#include "windows/TFormMissed.h"
#include "windows/TFormReminder.h"
#include "TestProgramFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {
// The shown controls of `window` whose captions must fit, each with what is wrong.
QStringList Faults(QWidget *window)
{
    QStringList faults;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || !HasCaption(w))
            continue;
        const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
        const QWidget *parent = w->parentWidget();
        if (w->width() < CaptionWidth(w))
            faults << QStringLiteral("%1 is %2 px wide, its caption needs %3").arg(name).arg(w->width()).arg(CaptionWidth(w));
        if (!parent->rect().contains(w->geometry()))
            faults << QStringLiteral("%1 leaves its parent").arg(name);
        for (QWidget *other : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            // A picture or a panel may lie under controls by design, and
            // boxes laid out edge to edge may share a pixel row.
            const auto *picture = qobject_cast<QLabel *>(other);
            const bool panel = other->metaObject() == &QWidget::staticMetaObject;
            const QRect shared = other->geometry() & w->geometry();
            if (other != w && other->isVisible() && !(picture && picture->text().isEmpty()) && !panel
                && shared.width() > 1 && shared.height() > 1)
                faults << QStringLiteral("%1 overlaps %2").arg(name, other->objectName());
        }
    }
    return faults;
}
} // namespace

class TestLayouts : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramFolder> folder_;

private slots:
    void initTestCase()
    {
        folder_ = std::make_unique<TestProgramFolder>();
        SetErrorBoxHandler([](const QString &) {});
    }
    void cleanupTestCase()
    {
        SetErrorBoxHandler({});
        folder_.reset();
    }

    void everyCaptionFits_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "de", "fr", "es", "it", "pt_BR", "nl", "pl", "cs", "ru", "uk", "ja", "zh_CN"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void everyCaptionFits()
    {
        QFETCH(QString, language);
        for (QTranslator *t : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
        QCOMPARE(InstallTranslations({language}), language == u"en" ? QString() : language);

        FormMain = new TFormMain;
        auto alarm = std::make_unique<TFormAlarm>();
        auto reminder = std::make_unique<TFormReminder>();
        auto missed = std::make_unique<TFormMissed>();
        auto about = std::make_unique<TFormAbout>();
        QStringList faults;
        FormMain->show();
        faults += Faults(FormMain);
        FormMain->ButtonOptionsClick();
        faults += Faults(FormMain);
        for (QWidget *window : std::initializer_list<QWidget *>{alarm.get(), reminder.get(), missed.get(), about.get()}) {
            window->show();
            faults += Faults(window);
            window->hide();
        }
        delete FormMain;
        FormMain = nullptr;
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // Captions that fit leave the row as it was laid out (every English
    // window): the windows above show that longer ones get room.
    void fittingCaptionsStayPut()
    {
        QWidget box;
        box.resize(300, 40);
        const QRect laidOut[] = {{10, 10, 60, 17}, {90, 10, 60, 17}};
        QCheckBox first(QStringLiteral("a"), &box), second(QStringLiteral("b"), &box);
        first.setGeometry(laidOut[0]);
        second.setGeometry(laidOut[1]);
        QLabel field(&box);
        field.setGeometry(200, 10, 90, 17);
        FitCaptions(&box);
        QCOMPARE(first.geometry(), laidOut[0]);
        QCOMPARE(second.geometry(), laidOut[1]);
    }
};

QTEST_MAIN(TestLayouts)
#include "tst_layouts.moc"
