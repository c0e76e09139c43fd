#include "views/playback/labelfont.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <cmath>

namespace LabelFont {

const char *const family = "DejaVu Sans";

QFont bold(int pointSize)
{
    QFont font(QString::fromLatin1(family), pointSize);
    font.setWeight(75);
    return font;
}

TextBox measure(const QFont &font, const QString &text)
{
    TextBox box;
    // The line as a label lays it out: its ascent and height take in the fallback fonts.
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (line.isValid()) {
        box.ascent = int(std::ceil(line.ascent()));
        box.lineHeight = int(std::ceil(line.ascent())) + int(std::ceil(line.descent()));
        box.advance = int(std::ceil(line.naturalTextWidth()));
    }
    const QRectF ink = QFontMetricsF(font).boundingRect(text);
    if (!ink.isEmpty()) {
        const int left = int(std::floor(ink.left()));
        const int top = int(std::floor(ink.top()));
        box.ink = QRect(left, top, int(std::ceil(ink.right())) - left, int(std::ceil(ink.bottom())) - top);
    }
    return box;
}

} // namespace LabelFont
