// HelpBrowser: the program's own help, a window of short pages shipped in the resources
// (":/help/", one page per part of the program). It needs no browser and no network;
// its title is the title of the page it shows.
#pragma once
#include <QTextBrowser>
#include <QUrl>

class HelpBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget *parent = nullptr);
    // The contents page, which links to every other page.
    static QUrl contentsPage();
    // Shows the contents page and brings the window to the front.
    void showContents();
};
