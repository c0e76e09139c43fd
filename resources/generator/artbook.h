// The table of every image the program compiles in: its file name under :/images/
// and the function that draws it. imagegen walks this table.
#pragma once
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

struct ArtEntry {
    QString name;                  // file name under :/images/
    std::function<QImage()> draw;  // draws the whole image (all frames of a strip)
};

const std::vector<ArtEntry> &artBook();
