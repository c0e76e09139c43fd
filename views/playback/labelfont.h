// LabelFont: the bold face of the small labels drawn over the waveform and the riff
// builder (the selection's beat count and numbers, the riff step numbers, the song's riff
// letters). A named family that the set-up installs, so that no desktop maps it to a
// symbol font. Also measures a one-line label's text by the glyphs it is really drawn
// with, so that labels can be given the room their text needs in every language.
#pragma once
#include <QFont>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>

#include <algorithm>

namespace LabelFont {

// The family, kept here for every label that uses it.
extern const char *const family;

// The bold label font at the given point size.
QFont bold(int pointSize);

// How one line of text sits in a label that draws it from its top left: the laid-out
// line's ascent and height, its advance, and the bounds of its glyphs around the baseline
// at x 0 (never less than the line's own box), all by the fonts the text is really drawn
// with: a family that lacks a script (CJK, Devanagari) is filled in by another font, whose
// ascent and marks count too.
struct TextBox {
    int ascent = 0;
    int lineHeight = 0;
    int advance = 0;
    QRect ink;
    // The label's contents margins that keep ink reaching above the line or left of its
    // start inside the label, the size that holds the whole line and its ink, and the
    // baseline's depth in that label.
    QMargins margins() const { return QMargins(std::max(0, -ink.left()), std::max(0, -ink.top() - ascent), 0, 0); }
    QSize size() const
    {
        return QSize(margins().left() + std::max(advance, ink.right() + 1),
                     margins().top() + std::max(lineHeight, ascent + ink.bottom() + 1));
    }
    int baseline() const { return margins().top() + ascent; }
};
TextBox measure(const QFont &font, const QString &text);

} // namespace LabelFont
