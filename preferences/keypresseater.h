// KeyPressEater: event filter of the keyboard shortcuts page. It turns each key press
// (and the shortcut override Qt sends before matching shortcuts) into the key's text,
// such as "Ctrl+Shift+S", and consumes it; Escape passes so the dialog can close.
#pragma once
#include <QObject>
#include <QString>

class QKeyEvent;

class KeyPressEater : public QObject
{
    Q_OBJECT
public:
    explicit KeyPressEater(QObject *parent = nullptr);

    // The text of a key with its modifiers, in portable key-sequence form.
    static QString keyText(const QKeyEvent *event);

signals:
    void keyPressed(QString key);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;
};
