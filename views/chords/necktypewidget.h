// NeckTypeWidget: the chord viewer's neck wood chooser (stand-in).
#pragma once
#include <QPushButton>

class NeckTypeWidget : public QPushButton
{
    Q_OBJECT
public:
    explicit NeckTypeWidget(QWidget *parent = nullptr) : QPushButton(parent) {}
    int neckType() const { return m_neckType; }

public slots:
    void setNeckType(int type) { m_neckType = type; }

private:
    int m_neckType = 0;
};
