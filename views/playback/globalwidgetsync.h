// GlobalWidgetSync: the base of the objects that keep several controls of one quantity
// in step. It only remembers which widgets take part; PitchSyncWidget holds the state.
#pragma once
#include <QList>
#include <QObject>
#include <QWidget>

class GlobalWidgetSync : public QObject
{
    Q_OBJECT
public:
    explicit GlobalWidgetSync(QObject *parent = nullptr) : QObject(parent) {}

    void registerWidget(QWidget *widget) { m_widgets.append(widget); }
    const QList<QWidget *> &registeredWidgets() const { return m_widgets; }

private:
    QList<QWidget *> m_widgets;
};
