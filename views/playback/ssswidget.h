// SSSWidget: a small rounded tag with a short centred text. The isolate plot shows three
// of them, "L", "C" and "R", along its top edge; LRPerCentWidget builds on it.
#pragma once
#include <QString>
#include <QWidget>

class SSSWidget : public QWidget
{
    Q_OBJECT
public:
    SSSWidget(QWidget *parent, const QString &text);

    float opacity() const { return m_opacity; }
    QString text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;
    // The read-outs draw their figures in a normal weight.
    void setBoldText(bool bold);

    float m_opacity = 1.0f;
    QString m_text;
};
