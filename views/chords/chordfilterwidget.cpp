#include "views/chords/chordfilterwidget.h"

#include "views/chords/chordindex.h"
#include "views/chords/dot.h"
#include "views/playback/custombutton.h"

#include <cmath>

namespace {
// Screen rows are roots from A; the grid's rows are roots from C.
int gridRow(int screenRow)
{
    return (screenRow + 9) % 12;
}

QPixmap clearStrip(int width, int height)
{
    QPixmap strip(width, 2 * height);
    strip.fill(Qt::transparent);
    return strip;
}
} // namespace

ChordFilterWidget::ChordFilterWidget(QWidget *parent)
    : QLabel(parent), m_dotImage(":/images/chords/orange_dot.png")
{
    setScaledContents(true);
    setPixmap(QPixmap(":/images/chords/chord_filter_menu.png"));
    for (int s = 0; s < 12; ++s) {
        for (int j = 0; j < 7; ++j) {
            auto *dot = new Dot(this, &m_dotImage, s, j, QString());
            dot->move(int(std::floor(63.0f + 18.2f * float(j) + 0.5f)), 104 + 16 * s);
            dot->show();
            connect(dot, SIGNAL(setDotActive(int, int, bool)), this, SLOT(addChord(int, int, bool)));
            m_dots.append(dot);
        }
    }
    m_findButton = new CustomButton(QPixmap(":/images/chords/find_button.png"), this, false);
    m_findButton->setFixedSize(42, 16);
    m_findButton->move(198, 283);
    m_noneButton = new CustomButton(QPixmap(":/images/chords/none_button.png"), this, false);
    m_noneButton->setFixedSize(42, 16);
    m_noneButton->move(198, 265);
    // The close key is drawn in the page's picture; the button over it is clear.
    m_closeButton = new CustomButton(clearStrip(20, 20), this, false);
    m_closeButton->setCursor(Qt::OpenHandCursor);
    m_closeButton->setFixedSize(20, 20);
    m_closeButton->move(223, 10);
    m_grid = ChordFilterGrid(12, QVector<int>(7, 0));
    connect(m_findButton, SIGNAL(released()), this, SLOT(findPressed()));
    connect(m_findButton, SIGNAL(released()), this, SIGNAL(stopPlayback()));
    connect(m_noneButton, SIGNAL(released()), this, SLOT(clearSelection()));
}

void ChordFilterWidget::addChord(int root, int type, bool shown)
{
    if (root < 0 || root >= 12 || type < 0 || type >= 7)
        return;
    m_grid[gridRow(root)][type] = shown ? 1 : 0;
}

void ChordFilterWidget::findPressed()
{
    emit recalculateChords(m_grid);
}

void ChordFilterWidget::clearSelection()
{
    m_grid = ChordFilterGrid(12, QVector<int>(7, 0));
    m_names.clear();
    for (Dot *dot : qAsConst(m_dots))
        dot->deselect();
}

bool ChordFilterWidget::cellOf(const QString &name, int &screenRow, int &column)
{
    static const char *const suffixes[7] = {"", "m", "sus2", "sus4", "7", "maj7", "m7"};
    // Rows are roots from A, read in either spelling; columns the analysis order of qualities.
    const QString root = ChordIndex::rootPart(name);
    const int row = ChordIndex::indexOf(root);
    if (row < 0)
        return false;
    const QString suffix = name.mid(root.size());
    for (int j = 0; j < 7; ++j) {
        if (suffix == QLatin1String(suffixes[j])) {
            screenRow = row;
            column = j;
            return true;
        }
    }
    return false;
}

void ChordFilterWidget::setSelectionFromDetectedChords(QVector<QString> selection)
{
    clearSelection();
    for (const QString &name : selection) {
        if (!name.isEmpty())
            m_names.append(name);
    }
    for (const QString &name : qAsConst(m_names)) {
        int row = 0;
        int column = 0;
        // A name that is none of the 84 chords ("-", "N", a stray text) marks nothing.
        if (!cellOf(name, row, column))
            continue;
        addChord(row, column, true);
        dot(row, column)->setActive();
    }
}
