// IncrementWidget: a plus/minus read-out of the real-time tools tab (stand-in).
#pragma once
#include <QAbstractButton>

class IncrementWidget : public QAbstractButton
{
    Q_OBJECT
public:
    explicit IncrementWidget(QWidget *parent = nullptr) : QAbstractButton(parent) {}

public slots:
    int getCurrentValue() { return m_value; }
    void increment() { ++m_value; }
    void decrement() { --m_value; }

protected:
    void paintEvent(QPaintEvent *) override {}

private:
    int m_value = 0;
};
