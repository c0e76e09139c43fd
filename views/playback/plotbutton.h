// PlotButton: a two-way switch of the isolate tool (43 x 18): mute/solo ("muteSolo")
// or high/low filter side ("filter"). Its image holds both states, the upper half for
// false and the lower half for true; a left press on the left half sets true, on the
// right half false. Owned by the real-time tools tab.
#pragma once
#include <QPixmap>
#include <QString>
#include <QWidget>

class PlotButton : public QWidget
{
    Q_OBJECT
public:
    explicit PlotButton(const QString &name, QWidget *parent = nullptr);

    bool state() const { return m_state; }
    void setStateFromSession(bool state);
    // Back to true, as at start; emits setState(true).
    void reset();

signals:
    void setState(bool state);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPixmap m_image;
    bool m_state = true;
};
