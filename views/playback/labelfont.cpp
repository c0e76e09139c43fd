#include "views/playback/labelfont.h"

namespace LabelFont {

const char *const family = "DejaVu Sans";

QFont bold(int pointSize)
{
    QFont font(QString::fromLatin1(family), pointSize);
    font.setWeight(75);
    return font;
}

} // namespace LabelFont
