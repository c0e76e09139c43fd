// PitchSyncWidget: keeps the pitch state in step across the pitch widgets (stand-in).
#pragma once
#include <QList>
#include <QWidget>

class PitchSyncWidget : public QWidget
{
    Q_OBJECT
public:
    explicit PitchSyncWidget(QWidget *parent = nullptr) : QWidget(parent) { hide(); }
    void registerWidget(QWidget *widget) { m_widgets.append(widget); }

private:
    QList<QWidget *> m_widgets;
};
