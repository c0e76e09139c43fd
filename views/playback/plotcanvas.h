// PlotCanvas: holds the drawn waveform of the loaded track at eight zoom levels. Each
// level is split in a left and a right pixmap, so that even the closest level (about
// 31600 pixels wide) keeps each pixmap well inside the sizes a window system accepts;
// two stacked widgets show the halves of the current level side by side. The Plotter
// fills it once per track and then only moves it and switches levels.
#pragma once
#include <QList>
#include <QPixmap>
#include <QWidget>

class QLabel;
class QStackedWidget;

class PlotCanvas : public QWidget
{
    Q_OBJECT
public:
    static constexpr int levelCount = 8;
    // The halves stand this far above the canvas's top edge.
    static constexpr int verticalOffset = -10;

    explicit PlotCanvas(QWidget *parent = nullptr);

    // Replaces the pixmaps of every level (levelCount each; missing ones stay empty).
    void setPixmaps(const QList<QPixmap> &leftHalves, const QList<QPixmap> &rightHalves);
    const QPixmap &leftPixmap(int level) const;
    const QPixmap &rightPixmap(int level) const;
    // Shows a level in both halves (0 whole track ... 7 closest).
    void setLevel(int level);
    int level() const { return m_level; }
    QStackedWidget *leftStack() const { return m_leftStack; }
    QStackedWidget *rightStack() const { return m_rightStack; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeHalves();

    QStackedWidget *m_leftStack;
    QStackedWidget *m_rightStack;
    QList<QLabel *> m_leftLabels;
    QList<QLabel *> m_rightLabels;
    QList<QPixmap> m_leftPixmaps;
    QList<QPixmap> m_rightPixmaps;
    int m_level = 0;
};
