#include "preferences/keypresseater.h"

#include <QKeyEvent>
#include <QKeySequence>

KeyPressEater::KeyPressEater(QObject *parent)
    : QObject(parent)
{
}

QString KeyPressEater::keyText(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    QString prefix;
    if (modifiers & Qt::ShiftModifier)
        prefix += "Shift+";
    if (modifiers & Qt::ControlModifier)
        prefix += "CTRL+";
    if (modifiers & Qt::AltModifier)
        prefix += "Alt+";
    if (modifiers & Qt::MetaModifier)
        prefix += "Meta+";
    const QString key = QKeySequence(event->key()).toString(QKeySequence::PortableText);
    return QKeySequence::fromString(prefix + key, QKeySequence::NativeText).toString(QKeySequence::PortableText);
}

bool KeyPressEater::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(object, event);
    auto *keyEvent = static_cast<QKeyEvent *>(event);
    const int key = keyEvent->key();
    if (key == Qt::Key_Escape)
        return false;
    // A modifier on its own is only the start of a combination: swallow it quietly, so
    // the field never shows a half-typed key such as "CTRL+CONTROL".
    if (key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta
        || key == Qt::Key_AltGr || key == Qt::Key_unknown || key == 0) {
        keyEvent->accept();
        return true;
    }
    // Accepting the override keeps the key from firing a shortcut while it is typed here.
    keyEvent->accept();
    emit keyPressed(keyText(keyEvent));
    return true;
}
