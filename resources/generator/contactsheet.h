// Review pages for the drawn images: contact sheets of every image and mock-ups of
// the main window with the art laid out where the widgets put it. Written by
// "imagegen --sheet FOLDER"; the build does not use them.
#pragma once
#include <QImage>
#include <QString>
#include <map>

void writeContactSheets(const QString &folder, const std::map<QString, QImage> &images);
