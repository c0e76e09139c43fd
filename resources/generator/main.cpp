// imagegen: draws every compiled-in image of the program into a folder and writes
// the images.qrc that lists them. Run by the build; takes the output folder.
// With "--sheet FOLDER" it also writes contact sheets and window mock-ups for review;
// "--times" prints how long each drawing took. "--desktop-icons FOLDER" draws only the
// program's icon for the desktop, as FOLDER/<N>x<N>/apps/plectronome.png in the sizes of
// the hicolor theme (the install puts that folder under share/icons/hicolor).
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>
#include <atomic>
#include <cstdio>
#include <map>
#include <thread>
#include <vector>

#include "artbook.h"
#include "artfamilies.h"
#include "artsizes.h"
#include "contactsheet.h"

namespace {

// The size the table promises for an image, or an invalid size when it has no entry.
QSize promisedSize(const QString &name)
{
    for (const ArtSizes::ArtSize *a : ArtSizes::kAll)
        if (name == QLatin1String(a->name))
            return QSize(a->width(), a->height());
    for (const char *code : ArtSizes::kFlagCodes)
        if (name == QString("flags/%1.png").arg(code))
            return QSize(ArtSizes::kFlagWidth, ArtSizes::kFlagHeight);
    return QSize();
}

// The sizes desktops ask an application icon for, from menus and panels to launchers.
constexpr int kDesktopIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

int writeDesktopIcons(const QString &folder)
{
    for (int size : kDesktopIconSizes) {
        const QString dir = QString("%1/%2x%2/apps").arg(folder).arg(size);
        const QImage image = programIcon(size);
        if (image.size() != QSize(size, size) || !QDir().mkpath(dir)
            || !image.save(dir + "/plectronome.png", "PNG")) {
            std::fprintf(stderr, "imagegen: failed to write the %dx%d desktop icon\n", size, size);
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QString out, sheetDir, desktopIcons;
    bool times = false;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == "--times")
            times = true;
        else if (arg == "--sheet" && i + 1 < argc)
            sheetDir = QString::fromLocal8Bit(argv[++i]);
        else if (arg == "--desktop-icons" && i + 1 < argc)
            desktopIcons = QString::fromLocal8Bit(argv[++i]);
        else
            out = arg;
    }
    if (!desktopIcons.isEmpty())
        return writeDesktopIcons(desktopIcons);
    if (out.isEmpty()) {
        std::fprintf(stderr, "usage: imagegen OUTPUT_FOLDER [--sheet SHEET_FOLDER] [--times]\n"
                             "       imagegen --desktop-icons FOLDER\n");
        return 2;
    }
    QElapsedTimer clock;
    clock.start();

    const std::vector<ArtEntry> &book = artBook();
    std::vector<QImage> images(book.size());
    std::vector<qint64> drawTimes(book.size());
    // Each drawing is independent; spread them over a few threads.
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i = next++; i < book.size(); i = next++) {
            QElapsedTimer t;
            t.start();
            images[i] = book[i].draw();
            drawTimes[i] = t.elapsed();
        }
    };
    const unsigned threads = std::max(1u, std::min(8u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t)
        pool.emplace_back(worker);
    for (std::thread &t : pool)
        t.join();

    if (times)
        for (size_t i = 0; i < book.size(); ++i)
            std::printf("%6lld ms  %s\n", static_cast<long long>(drawTimes[i]), qPrintable(book[i].name));

    int errors = 0;
    int listed = 0;
    for (size_t i = 0; i < book.size(); ++i) {
        const QSize want = promisedSize(book[i].name);
        if (!want.isValid()) {
            std::fprintf(stderr, "imagegen: %s has no entry in the size table\n", qPrintable(book[i].name));
            ++errors;
        } else if (images[i].size() != want) {
            std::fprintf(stderr, "imagegen: %s is %dx%d, the table says %dx%d\n",
                         qPrintable(book[i].name), images[i].width(), images[i].height(),
                         want.width(), want.height());
            ++errors;
        } else {
            ++listed;
        }
    }
    if (listed != ArtSizes::kAllCount + ArtSizes::kFlagCount) {
        std::fprintf(stderr, "imagegen: drew %d of the %d images of the size table\n", listed,
                     ArtSizes::kAllCount + ArtSizes::kFlagCount);
        ++errors;
    }
    if (errors)
        return 1;

    QDir().mkpath(out + "/images");
    QFile qrc(out + "/images.qrc");
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "imagegen: cannot write %s\n", qPrintable(qrc.fileName()));
        return 1;
    }
    // Encoding the PNGs takes longer than drawing them: spread it as well, and use a
    // middle compression level (the strongest one costs four times the time for 8% less).
    std::atomic<size_t> nextSave{0};
    std::atomic<int> saveErrors{0};
    auto saver = [&] {
        for (size_t i = nextSave++; i < book.size(); i = nextSave++) {
            const QString file = out + "/images/" + book[i].name;
            if (images[i].isNull() || !images[i].save(file, "PNG", 50)) {
                std::fprintf(stderr, "imagegen: failed to write %s\n", qPrintable(book[i].name));
                ++saveErrors;
            }
        }
    };
    for (size_t i = 0; i < book.size(); ++i)
        QDir().mkpath(QFileInfo(out + "/images/" + book[i].name).path());
    pool.clear();
    for (unsigned t = 0; t < threads; ++t)
        pool.emplace_back(saver);
    for (std::thread &t : pool)
        t.join();
    if (saveErrors)
        return 1;
    QTextStream ts(&qrc);
    ts << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (size_t i = 0; i < book.size(); ++i)
        ts << "  <file alias=\"images/" << book[i].name << "\">images/" << book[i].name << "</file>\n";
    ts << "</qresource>\n</RCC>\n";

    if (!sheetDir.isEmpty()) {
        std::map<QString, QImage> byName;
        for (size_t i = 0; i < book.size(); ++i)
            byName[book[i].name] = images[i];
        writeContactSheets(sheetDir, byName);
    }
    std::printf("imagegen: %zu images in %lld ms\n", book.size(), static_cast<long long>(clock.elapsed()));
    return 0;
}
