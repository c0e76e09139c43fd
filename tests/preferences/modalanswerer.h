// ModalAnswerer: answers the message boxes a test provokes. While it lives it looks for
// an open modal QMessageBox every few milliseconds, records its text and presses the
// chosen button; any other modal dialog is rejected so a test never hangs on it.
#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

class ModalAnswerer : public QObject
{
public:
    explicit ModalAnswerer(QMessageBox::StandardButton answer = QMessageBox::Yes) : m_answer(answer)
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
        m_timer.start();
    }
    void setAnswer(QMessageBox::StandardButton answer) { m_answer = answer; }
    QStringList texts;  // text of every box answered, in order
    QStringList titles; // and its title

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            texts << box->text();
            titles << box->windowTitle();
            if (QAbstractButton *button = box->button(m_answer))
                button->click();
            else
                box->reject();
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            dialog->reject();
        }
    }

    QTimer m_timer;
    QMessageBox::StandardButton m_answer;
};
