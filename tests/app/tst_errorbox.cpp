#include "app/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <stdexcept>

class TestErrorBox : public QObject {
    Q_OBJECT

private slots:
    void fullStopRule_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Unable to write to /a/b.ini" << "Unable to write to /a/b.ini.";
        QTest::newRow("digit") << "Error 5" << "Error 5.";
        QTest::newRow("question") << "Really?" << "Really?.";
        QTest::newRow("colon") << "Reason:" << "Reason:.";
        QTest::newRow("full stop") << "Done." << "Done.";
        QTest::newRow("exclamation") << "Stop!" << "Stop!";
        QTest::newRow("parenthesis") << "Failed ($80004005)" << "Failed ($80004005)";
        QTest::newRow("comma") << "a," << "a,";
        QTest::newRow("blank") << "a " << "a ";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("non-ASCII") << QString::fromUtf8("Café") << QString::fromUtf8("Café.");
    }
    void fullStopRule()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(ErrorBoxText(message), shown);
    }

    void guardShowsEveryKindOfErrorAndGoesOn()
    {
        QStringList shown;
        SetErrorBoxHandler([&](const QString &text) { shown.append(text); });
        QVERIFY(Guarded([] {}));
        QVERIFY(!Guarded([] { throw EIniFileException("Unable to write to /x"); }));
        QVERIFY(!Guarded([] { throw std::runtime_error("boom"); }));
        QVERIFY(!Guarded([] { throw 42; }));
        SetErrorBoxHandler({});
        QCOMPARE(shown, QStringList({"Unable to write to /x.", "boom.", "Unexpected error."}));
    }

    void realBoxIsTitledTocsimoWithAnErrorIcon()
    {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->accept();
        });
        ShowErrorBox("Cannot open file /p/3Memo.ini");
        QCOMPARE(title, QString("Tocsimo"));
        QCOMPARE(text, QString("Cannot open file /p/3Memo.ini."));
        QCOMPARE(icon, QMessageBox::Critical);
    }
};

QTEST_MAIN(TestErrorBox)
#include "tst_errorbox.moc"
