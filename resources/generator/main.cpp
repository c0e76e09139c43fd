// imagegen: draws every compiled-in image of the program into a folder and writes
// the images.qrc that lists them. Run by the build; takes the output folder.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <cstdio>

#include "artbook.h"

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: imagegen OUTPUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out + "/images");

    QFile qrc(out + "/images.qrc");
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "imagegen: cannot write %s\n", qPrintable(qrc.fileName()));
        return 1;
    }
    QTextStream ts(&qrc);
    ts << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const ArtEntry &e : artBook()) {
        const QImage img = e.draw();
        const QString file = out + "/images/" + e.name;
        if (img.isNull() || !img.save(file, "PNG")) {
            std::fprintf(stderr, "imagegen: failed to draw %s\n", qPrintable(e.name));
            return 1;
        }
        ts << "  <file alias=\"images/" << e.name << "\">images/" << e.name << "</file>\n";
    }
    ts << "</qresource>\n</RCC>\n";
    return 0;
}
