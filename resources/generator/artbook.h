// The table of every image the program compiles in: its path under :/images/
// and the function that draws it. imagegen walks this table.
#pragma once
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

struct ArtEntry {
    QString name;                  // path under :/images/
    std::function<QImage()> draw;  // draws the whole image (all frames of a strip)
};

const std::vector<ArtEntry> &artBook();
