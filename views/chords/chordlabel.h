// ChordLabel: one chord of the chord strip, covering the beats that share its name
// (stand-in).
#pragma once
#include <QWidget>

class ChordLabel : public QWidget
{
    Q_OBJECT
public:
    explicit ChordLabel(QWidget *parent = nullptr) : QWidget(parent) {}
};
