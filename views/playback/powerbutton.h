// PowerButton: the on/off switch of a tool (stand-in until the image controls land).
#pragma once
#include <QAbstractButton>
#include <QPainter>

class PowerButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit PowerButton(QWidget *parent = nullptr) : QAbstractButton(parent) { setCheckable(true); }
    void setValueFromSession(bool on) { setChecked(on); }

protected:
    void paintEvent(QPaintEvent *) override {}
};
