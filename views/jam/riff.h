// Riff: the pitch factor of each of the 16 steps of one riff (stand-in).
#pragma once
#include <QObject>

class Riff : public QObject
{
    Q_OBJECT
public:
    explicit Riff(QObject *parent = nullptr) : QObject(parent) {}
};
