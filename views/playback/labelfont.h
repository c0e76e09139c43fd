// LabelFont: the bold face of the small labels drawn over the waveform and the riff
// builder (the selection's beat count and numbers, the riff step numbers, the song's riff
// letters). A named family that the set-up installs, so that no desktop maps it to a
// symbol font.
#pragma once
#include <QFont>

namespace LabelFont {

// The family, kept here for every label that uses it.
extern const char *const family;

// The bold label font at the given point size.
QFont bold(int pointSize);

} // namespace LabelFont
