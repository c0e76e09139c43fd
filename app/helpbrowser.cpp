#include "app/helpbrowser.h"

HelpBrowser::HelpBrowser(QWidget *parent) : QTextBrowser(parent)
{
    setWindowFlags(Qt::Window);
    resize(640, 560);
    setOpenExternalLinks(true);
    connect(this, &QTextBrowser::sourceChanged, this, [this] { setWindowTitle(documentTitle()); });
}

QUrl HelpBrowser::contentsPage()
{
    return QUrl(QStringLiteral("qrc:/help/index.html"));
}

void HelpBrowser::showContents()
{
    setSource(contentsPage());
    show();
    raise();
    activateWindow();
}
