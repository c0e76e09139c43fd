// TabButtons: the strip of three buttons that switches the tabs (stand-in).
#pragma once
#include <QLabel>

class TabButtons : public QLabel
{
    Q_OBJECT
public:
    explicit TabButtons(QWidget *parent = nullptr) : QLabel(parent) {}
    void setButtonImage(int n) { emit tabChanged(n); }

signals:
    void tabChanged(int index);

public slots:
    void showRealTimeTools() { setButtonImage(0); }
    void showRiffBuilder() { setButtonImage(1); }
    void showChordViewer() { setButtonImage(2); }
};
