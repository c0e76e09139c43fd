// Dot: a 14 x 14 selectable mark for one chord of a grid; a left click toggles it. The
// chord editor and the chord filter build their grids of 84 from it, sharing one picture.
#pragma once
#include <QLabel>
#include <QString>

class Dot : public QLabel
{
    Q_OBJECT
public:
    Dot(QWidget *parent, const QPixmap *image, int root, int type, const QString &text);

    int root() const { return m_root; }
    int type() const { return m_type; }
    bool isActive() const { return m_active; }
    QString text() const { return m_text; }
    // Whether the picture is shown (independent of the active flag).
    bool isLit() const;
    // Shows or removes the picture without touching the active flag.
    void setLit(bool lit);
    // Picture shown and active; announces only setDotActive(Dot*).
    void setActive();
    // Picture removed and inactive, silently.
    void deselect();

signals:
    void setDotActive(int root, int type, bool shown);
    void setDotActive(Dot *dot);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    const QPixmap *m_image;
    int m_root;
    int m_type;
    bool m_active = false;
    QString m_text;
};
