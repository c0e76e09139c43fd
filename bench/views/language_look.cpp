// Contact sheets of every text the program draws in a box, one sheet per language:
//   language_look FOLDER            every language, one after the other, each in a process
//                                   of its own (a translation is chosen once per run)
//   language_look FOLDER CODE...    only those languages ("en" for English)
// Each run starts the real main window with the language's translation as start-up
// installs it, opens a generated 40-second track and waits for its analysis (the first run
// writes the cache, the others read it), then shows each place as a user reaches it: the
// selection's beat read-out (eight beats, two, and one at the track's start), riffs with
// steps on shared beats and the song row, the waveform's notices, the menus, the
// preferences pages with their questions, the window's message boxes and the help. Every
// modal window is grabbed and answered with its escape button. The pictures go to
// FOLDER/CODE/ and are composed into FOLDER/sheet-CODE.png, and (for every language) into
// one sheet per place, FOLDER/place-NN-PLACE.png; small texts are shown magnified. Runs in
// a home of its own under FOLDER, offscreen on SDL's dummy driver.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>
#include <QTreeWidget>

#include <cmath>
#include <cstdio>
#include <functional>

#include "app/datafolder.h"
#include "app/helpbrowser.h"
#include "app/startup.h"
#include "app/tabbuttons.h"
#include "app/tabwidget.h"
#include "bench/app/benchtrack.h"
#include "lookwindow.h"
#include "preferences/languages.h"
#include "preferences/languagetab.h"
#include "preferences/pathstab.h"
#include "preferences/preferencesmenu.h"
#include "preferences/shortcutstab.h"
#include "views/chords/processinglabel.h"
#include "views/playback/plotselection.h"
#include "views/playback/plotter.h"
#include "views/playback/wavebg.h"

namespace {

struct Tile {
    QString caption;
    QImage image;
};

// The pictures of one language, saved one by one and composed into one sheet.
class Sheet
{
public:
    Sheet(const QString &folder, const QString &code) : m_folder(folder), m_code(code)
    {
        QDir().mkpath(QDir(folder).filePath(code));
    }

    // The picture at scale (2.0 doubles it); saved unscaled beside the sheet, under a name
    // made of its place alone, the same in every language. The detail (a translated title)
    // is only shown.
    void add(const QString &place, const QImage &image, double scale = 1.0, const QString &detail = QString())
    {
        const QString name = QString("%1-%2.png").arg(m_tiles.size(), 2, 10, QChar('0')).arg(fileName(place));
        image.save(QDir(m_folder).filePath(m_code + "/" + name));
        const QSize size(qRound(image.width() * scale), qRound(image.height() * scale));
        const QString caption = detail.isEmpty() ? place : place + ": " + detail;
        m_tiles.append({caption, image.scaled(size, Qt::IgnoreAspectRatio,
                                              scale >= 1.0 ? Qt::FastTransformation : Qt::SmoothTransformation)});
    }

    void save() const
    {
        const int width = 2000;
        const int gap = 14;
        const int captionHeight = 18;
        int x = gap;
        int y = 40;
        int rowHeight = 0;
        QVector<QPoint> places;
        for (const Tile &tile : m_tiles) {
            if (x > gap && x + tile.image.width() > width - gap) {
                x = gap;
                y += rowHeight + gap;
                rowHeight = 0;
            }
            places.append(QPoint(x, y));
            x += tile.image.width() + gap;
            rowHeight = std::max(rowHeight, tile.image.height() + captionHeight);
        }
        QImage sheet(width, y + rowHeight + gap, QImage::Format_RGB32);
        sheet.fill(QColor(48, 48, 48));
        QPainter painter(&sheet);
        painter.setPen(QColor(230, 230, 230));
        QFont title = painter.font();
        title.setPointSize(14);
        title.setBold(true);
        painter.setFont(title);
        painter.drawText(gap, 28, QString("Language: %1").arg(m_code));
        QFont caption = painter.font();
        caption.setPointSize(9);
        caption.setBold(false);
        painter.setFont(caption);
        for (int i = 0; i < m_tiles.size(); ++i) {
            const QPoint at = places[i];
            painter.drawText(at + QPoint(0, 13), m_tiles[i].caption);
            painter.drawImage(at + QPoint(0, captionHeight), m_tiles[i].image);
        }
        painter.end();
        sheet.save(QDir(m_folder).filePath("sheet-" + m_code + ".png"));
    }

private:
    static QString fileName(const QString &caption)
    {
        QString name;
        for (const QChar c : caption.toLower())
            name += c.isLetterOrNumber() && c.unicode() < 128 ? c : QChar('-');
        return name.left(40);
    }

    QString m_folder;
    QString m_code;
    QList<Tile> m_tiles;
};

QImage grabOf(QWidget *widget, const QRect &area = QRect())
{
    return widget->grab(area.isNull() ? QRect(QPoint(0, 0), widget->size()) : area).toImage();
}

void settle()
{
    QTest::qWait(60);
}

// Grabs every modal window that opens and answers it with its escape button (a message
// box) or rejects it (a dialog); the preferences dialog shows each page and its questions
// first. Each window is handled from a timer of its own, since a timer does not fire
// again inside its own handler and the preferences' questions open inside the dialog's.
class ModalWatcher : public QObject
{
public:
    explicit ModalWatcher(Sheet &sheet) : m_sheet(sheet)
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::look);
        m_timer.start();
    }

private:
    void look()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || m_handling.contains(modal))
            return;
        m_handling.append(modal);
        QTimer::singleShot(0, this, [this, modal] {
            settle();
            if (auto *preferences = qobject_cast<PreferencesMenu *>(modal))
                showPreferences(preferences);
            else
                answer(modal);
            m_handling.removeAll(modal);
        });
    }

    void answer(QWidget *modal)
    {
        auto *box = qobject_cast<QMessageBox *>(modal);
        m_sheet.add("Message", grabOf(modal), 1.0, modal->windowTitle());
        if (box && box->escapeButton())
            box->escapeButton()->click();
        else if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    }

    void showPreferences(PreferencesMenu *preferences)
    {
        QTabWidget *tabs = preferences->tabWidget();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            settle();
            m_sheet.add("Preferences", grabOf(preferences), 1.0, tabs->tabText(i));
        }
        // The questions each page asks; every one is answered No or Cancel.
        tabs->setCurrentIndex(1);
        preferences->pathsTab()->restoreDefaults();
        tabs->setCurrentIndex(2);
        ShortcutsTab *shortcuts = preferences->shortcutsTab();
        const int openIndex = ShortcutsTab::commandNames().indexOf("Open Audio File");
        shortcuts->commandTree()->setCurrentItem(shortcuts->items().value(openIndex));
        shortcuts->keyPressed(shortcuts->currentKey("Save Session"));
        shortcuts->setShortcut();
        shortcuts->restoreDefaults();
        tabs->setCurrentIndex(3);
        LanguageTab *language = preferences->languageTab();
        for (QAbstractButton *button : language->findChildren<QRadioButton *>()) {
            if (button->objectName() != language->getLanguage() && !button->isChecked()) {
                button->click();
                break;
            }
        }
        language->setLanguage();
        preferences->reject();
    }

    Sheet &m_sheet;
    QTimer m_timer;
    QList<QWidget *> m_handling;
};


// The x of a beat's line on the selection overlay.
int beatX(PlotSelection *selection, const QVector<float> &beats, int beat, int frames)
{
    return int(std::lround((beats.value(beat) - 2048.0) * selection->width() / frames));
}

// Selects the beats first .. last - 1 with the pointer and rests it over them; grabs the
// read-out magnified.
void selectBeats(Sheet &sheet, MainWindow &window, int first, int last, const QString &caption)
{
    PlotSelection *selection = window.waveBg()->plotter()->plotSelection();
    MetaData *metaData = window.metaDataThread()->metaData();
    const QVector<float> beats = metaData->beats;
    const int frames = window.waveBg()->plotter()->sampleCount();
    const int y = selection->height() / 2;
    const int a = beatX(selection, beats, first, frames) + 2;
    const int b = beatX(selection, beats, last, frames) - 2;
    mouseAt(selection, QEvent::MouseButtonPress, QPoint(a, y), Qt::LeftButton);
    mouseAt(selection, QEvent::MouseMove, QPoint(b, y), Qt::LeftButton);
    mouseAt(selection, QEvent::MouseButtonRelease, QPoint(b, y), Qt::NoButton);
    mouseAt(selection, QEvent::MouseMove, QPoint((a + b) / 2, y), Qt::NoButton);
    settle();
    // The whole read-out, and its count magnified.
    QRect labels;
    for (QLabel *label : {selection->beatCountLabel(), selection->startBeatLabel(), selection->endBeatLabel()})
        labels |= QRect(label->mapTo(&window, QPoint(0, 0)), label->size());
    const QRect shown(selection->mapTo(&window, QPoint(0, 0)), selection->size());
    const QRect area(labels.left() - 12, shown.top() - 12, labels.width() + 24, shown.height() + 24);
    sheet.add(caption, grabOf(&window, area), std::min(3.0, 900.0 / area.width()));
    QLabel *count = selection->beatCountLabel();
    const QRect countArea(count->mapTo(&window, QPoint(0, 0)), count->size());
    sheet.add(caption + ", count", grabOf(&window, countArea.adjusted(-8, -8, 8, 8)), 5.0);
}

void grabMenus(Sheet &sheet, MainWindow &window)
{
    sheet.add("Menu bar", grabOf(&window, QRect(0, 0, window.width(), window.menuBar()->height())), 1.0);
    for (QAction *menuAction : window.menuBar()->actions()) {
        QMenu *menu = menuAction->menu();
        if (!menu)
            continue;
        const QRect at = window.menuBar()->actionGeometry(menuAction);
        menu->popup(window.menuBar()->mapToGlobal(at.bottomLeft()));
        settle();
        sheet.add("Menu", grabOf(menu), 1.5, menuAction->text());
        // The sub-menu of recent files stays disabled while nothing was opened from it.
        menu->hide();
    }
}

int runOneLanguage(const QString &folder, const QString &code)
{
    QScopedPointer<QTranslator> translator(installTranslation(code));
    dataFolderPath = QStandardPaths::writableLocation(QStandardPaths::DataLocation) + "/Plectronome";
    Sheet sheet(folder, code);
    ModalWatcher watcher(sheet);
    MainWindow window;
    window.show();
    settle();
    if (!openAndAnalyse(window, writeChordLookTrack(folder, "language-look.wav", {220.0, 196.0, 174.6, 164.8})))
        return 1;

    Plotter *plotter = window.waveBg()->plotter();
    selectBeats(sheet, window, 1, 9, "Read-out, 8 beats");
    selectBeats(sheet, window, 0, 1, "Read-out, 1 beat at the start");
    selectBeats(sheet, window, 5, 7, "Read-out, 2 beats");
    sheet.add("Window", grabOf(&window), 0.5);

    // The waveform's notices: the decoding progress and the chord calculation.
    WaveBg *waveBg = window.waveBg();
    plotter->hide();
    waveBg->setProgressLabelText(QCoreApplication::translate("MainWindow", "Decoding Audio | %1")
                                     .arg("Quillfen Ensemble - A Rather Long Song Title From An Album Of Very Long Song "
                                          "Titles (Live)"));
    settle();
    sheet.add("Decoding notice", grabOf(waveBg, QRect(0, 40, waveBg->width(), 90)), 1.0);
    waveBg->clearProgressLabel();
    plotter->show();
    ProcessingLabel *processing = plotter->processingLabel();
    for (int i = 0; i < 3; ++i)
        processing->setDotNumber();
    // The notice stands alone while the chords are being found.
    plotter->chordsStrip()->hide();
    processing->show();
    processing->raise();
    settle();
    const QRect processingArea = processing->geometry().adjusted(-20, -6, 20, 6);
    sheet.add("Calculating chords, 4 dots", grabOf(plotter, processingArea), 2.0);
    processing->hide();
    plotter->chordsStrip()->show();

    // Riffs: A with five steps, three of them on one beat; B with two; the song A A B.
    JamTab *jam = window.tabWidget()->jamTab();
    window.tabWidget()->tabButtons()->showRiffBuilder();
    settle();
    placeStep(jam, plotter->beatSelection(0), 0, 0, 3);
    placeStep(jam, plotter->beatSelection(0), 0, 1, 4);
    placeStep(jam, plotter->beatSelection(0), 0, 2, 6);
    placeStep(jam, plotter->beatSelection(0), 0, 3, 6);
    placeStep(jam, plotter->beatSelection(0), 0, 4, 6);
    chooseSongSlot(jam, 0, 0);
    chooseSongSlot(jam, 1, 0);
    chooseSongSlot(jam, 2, 1);
    settle();
    const QRect strip(plotter->mapTo(&window, QPoint(0, 0)), QSize(plotter->width() * 3 / 4, plotter->height()));
    sheet.add("Riff steps", grabOf(&window, strip.adjusted(-6, -4, 0, 4)), 2.0);
    const QRect song(jam->songStep()->mapTo(&window, QPoint(0, 0)), jam->songStep()->size());
    sheet.add("Song row", grabOf(&window, song.adjusted(-6, -6, 6, 6)), 2.0);
    sheet.add("Riff builder", grabOf(&window), 0.5);

    grabMenus(sheet, window);

    // The preferences, from the Options menu's first entry; the watcher shows every page.
    window.preferencesMenu()->showPreferences(nullptr);

    // Message boxes of the window. Closing with unsaved riffs asks first; Cancel keeps
    // the window.
    window.close();
    settle();
    const QString tooSmall = QDir(folder).filePath("too-small.wav");
    writePcm16Wav(tooSmall, QByteArray(4000, 0), 2);
    window.open(tooSmall);
    const QString notSession = QDir(folder).filePath("not-a-session.pq");
    {
        QFile file(notSession);
        if (file.open(QIODevice::WriteOnly))
            file.write("not a session");
    }
    window.openPath(notSession, true);
    window.about();

    window.viewOnlineDocs();
    settle();
    if (window.helpBrowser())
        sheet.add("Help", grabOf(window.helpBrowser()), 0.75, window.helpBrowser()->windowTitle());

    sheet.save();
    window.setMessageBoxHook([](QMessageBox::Icon, const QString &, const QString &, QMessageBox::StandardButtons,
                                QMessageBox::StandardButton) { return QMessageBox::Discard; });
    window.close();
    return 0;
}

// One sheet per place across the languages: FOLDER/place-NAME.png from the pictures that
// the runs saved under FOLDER/CODE/, the small ones magnified.
void writePlaceSheets(const QString &folder, const QStringList &codes)
{
    const QStringList names = QDir(QDir(folder).filePath(codes.value(0))).entryList({"*.png"}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        QList<QPair<QString, QImage> > shots;
        int widest = 0;
        for (const QString &code : codes) {
            QImage image(QDir(folder).filePath(code + "/" + name));
            if (image.isNull())
                continue;
            const bool small = image.height() < 200;
            const double scale = small && image.width() < 200   ? 4.0
                                 : small && image.width() < 500 ? 2.0
                                 : image.width() < 1200         ? 1.0
                                                                : 0.5;
            image = image.scaled(qRound(image.width() * scale), qRound(image.height() * scale), Qt::IgnoreAspectRatio,
                                 scale >= 1.0 ? Qt::FastTransformation : Qt::SmoothTransformation);
            widest = std::max(widest, image.width());
            shots.append({code, image});
        }
        if (shots.isEmpty())
            continue;
        const int columns = std::max(1, std::min(int(shots.size()), 2000 / (widest + 50)));
        QVector<int> rowHeights((shots.size() + columns - 1) / columns, 0);
        for (int i = 0; i < shots.size(); ++i)
            rowHeights[i / columns] = std::max(rowHeights[i / columns], shots[i].second.height() + 10);
        int height = 10;
        for (int h : rowHeights)
            height += h;
        QImage sheet(columns * (widest + 50) + 10, height, QImage::Format_RGB32);
        sheet.fill(QColor(48, 48, 48));
        QPainter painter(&sheet);
        painter.setPen(QColor(230, 230, 230));
        int y = 10;
        for (int i = 0; i < shots.size(); ++i) {
            const int column = i % columns;
            if (i > 0 && column == 0)
                y += rowHeights[i / columns - 1];
            const int x = 10 + column * (widest + 50);
            painter.drawText(x, y + 14, shots[i].first);
            painter.drawImage(x + 30, y, shots[i].second);
        }
        painter.end();
        sheet.save(QDir(folder).filePath("place-" + name));
    }
}

} // namespace

int main(int argc, char **argv)
{
    const QString folder = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath()).absolutePath();
    QDir().mkpath(folder);
    useBenchHome(folder + "/home");
    QApplication app(argc, argv);
    QStringList codes;
    for (int i = 2; i < argc; ++i)
        codes << QString::fromLocal8Bit(argv[i]);
    if (codes.size() == 1)
        return runOneLanguage(folder, codes.first());
    if (codes.isEmpty()) {
        for (const LanguageEntry &entry : programLanguages)
            codes << QString::fromLatin1(entry.code);
    }
    int failed = 0;
    for (const QString &code : codes) {
        std::printf("%s\n", qPrintable(code));
        std::fflush(stdout);
        if (QProcess::execute(QCoreApplication::applicationFilePath(), {folder, code}) != 0) {
            std::fprintf(stderr, "%s: the look failed\n", qPrintable(code));
            ++failed;
        }
    }
    writePlaceSheets(folder, codes);
    return failed == 0 ? 0 : 1;
}
