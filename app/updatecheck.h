// UpdateCheck: asks the maker's web server whether a newer version exists (stand-in).
#pragma once
#include <QObject>

class QWidget;

class UpdateCheck : public QObject
{
    Q_OBJECT
public:
    explicit UpdateCheck(QWidget *window) : QObject(nullptr), m_window(window) {}

public slots:
    void checkForUpdates() {}

private:
    QWidget *m_window;
};
