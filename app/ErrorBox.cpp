#include "app/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
ErrorBoxHandler &Handler()
{
    static ErrorBoxHandler handler;
    return handler;
}
} // namespace

QString ErrorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowErrorBox(const QString &message)
{
    const QString text = ErrorBoxText(message);
    if (Handler()) {
        Handler()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tocsimo"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    // The clock floats above everything; the error must not hide behind it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

void SetErrorBoxHandler(ErrorBoxHandler handler)
{
    Handler() = std::move(handler);
}
