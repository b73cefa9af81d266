#pragma once

#include <QTextBrowser>
#include <QWidget>

// Shows the pages of a compiled help file (.chm) and follows the links
// between them, reading every page and picture from the file through chmlib.
class THelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit THelpBrowser(QWidget *parent);
    QString HelpFile;

    QVariant loadResource(int type, const QUrl &name) override;
};

// The help window: one page of the help file at a time, titled with the
// page's title.
class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget *owner);

    // Shows a page ("index.htm") of a help file and brings the window up.
    void ShowTopic(const QString &helpFile, const QString &page);

    THelpBrowser *Browser = nullptr;

private:
    void TakeTitle();
};
