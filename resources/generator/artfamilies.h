// The image families of the generator. Each adds its drawings to the art book;
// artbook.cpp calls them all in turn.
#pragma once
#include "artbook.h"

#include <functional>
#include <vector>

void addWindowArt(std::vector<ArtEntry> &book);     // splash, icon, frames, progress, zoom, tabs
void addTransportArt(std::vector<ArtEntry> &book);  // transport bar
void addToolArt(std::vector<ArtEntry> &book);       // real-time tools and shared controls
void addChordViewerArt(std::vector<ArtEntry> &book);// chord viewer, chord editor, chord filter
void addChordDiagramArt(std::vector<ArtEntry> &book);// chord diagrams and neck woods
void addJamArt(std::vector<ArtEntry> &book);        // riff builder
void addFlagArt(std::vector<ArtEntry> &book);       // language flags

// The program's icon, a plectrum, at size x size: the window's icon and the desktop's.
QImage programIcon(int size);
// Knob strips shared by the tools tab, the riff builder and the transport bar.
// angleOf(n) gives the pointer angle of frame n in degrees, 0 = up, clockwise;
// the lit arc runs from `arcOrigin` to the pointer.
QImage knobStrip(int size, int frames, const std::function<double(int)> &angleOf,
                 double arcOrigin);
// The faceplate shared by the three tabs, drawn into a transparent 1000 x 355 image.
QImage tabFaceplate();
// A two-frame push button with a caption (frame 0 up, frame 1 pressed).
QImage captionButton(int w, int h, const QString &caption, qreal px);
