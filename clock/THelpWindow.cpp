#include "clock/THelpWindow.h"

#include "clock/ChmLibrary.h"

#include <QImage>
#include <QVBoxLayout>

THelpBrowser::THelpBrowser(QWidget *parent) : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("HelpBrowser"));
}

QVariant THelpBrowser::loadResource(int type, const QUrl &name)
{
    // Pages link to each other by relative paths inside the file.
    QString path = name.path();
    while (path.startsWith(QLatin1String("./")))
        path.remove(0, 2);
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    const std::optional<QByteArray> bytes = ChmLibrary::Instance().Read(HelpFile, path);
    if (!bytes) {
        if (type == QTextDocument::HtmlResource)
            return tr("<html><head><title>Tocsimo Help</title></head><body><p>The page %1 cannot be read "
                      "from the help file %2.</p></body></html>")
                .arg(name.toString().toHtmlEscaped(), HelpFile.toHtmlEscaped());
        return {};
    }
    switch (type) {
    case QTextDocument::HtmlResource:
    case QTextDocument::StyleSheetResource:
        return QString::fromUtf8(*bytes);
    case QTextDocument::ImageResource:
        return QImage::fromData(*bytes);
    default:
        return *bytes;
    }
}

// A dialog to the window manager, so that it belongs to its owner and stays
// above it: the clock that opens it floats above every ordinary window.
THelpWindow::THelpWindow(QWidget *owner)
    : QWidget(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                         Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("HelpWindow"));
    resize(640, 520);
    Browser = new THelpBrowser(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
    connect(Browser, &QTextBrowser::sourceChanged, this, &THelpWindow::TakeTitle);
}

void THelpWindow::ShowTopic(const QString &helpFile, const QString &page)
{
    Browser->HelpFile = helpFile;
    Browser->clearHistory();
    Browser->setSource(QUrl(page));
    // The same page again is not reloaded by setSource: the file may have changed.
    Browser->reload();
    TakeTitle();
    show();
    raise();
    activateWindow();
}

void THelpWindow::TakeTitle()
{
    // The page is named for a screen reader by its title, as the window is.
    setWindowTitle(Browser->documentTitle());
    Browser->setAccessibleName(Browser->documentTitle());
}
