#include "windows/AccessibleFactory.h"

#include "windows/ComboBoxAccessible.h"

#include <QAccessibleWidget>
#include <QComboBox>

namespace {
// Asked for each class of an object, most derived first.
QAccessibleInterface *Factory(const QString &className, QObject *object)
{
    // Screen readers read an alert out as it appears: Qt's bridge to them on
    // Linux passes no alert events on, so the role itself must say it.
    if (className == QLatin1String("TFormReminder") || className == QLatin1String("TFormMissed"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::AlertMessage);
    // The frameless desktop clock is a window of its own, not a filler.
    if (className == QLatin1String("TFormClock"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (className == QLatin1String("QComboBox")) {
        auto *box = static_cast<QComboBox *>(object);
        if (!box->isEditable())
            return new ComboBoxAccessible(box);
    }
    return nullptr;
}
} // namespace

void InstallAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}
