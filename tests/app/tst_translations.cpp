// A start in each language: start-up finds the built translation beside the program
// (a copy beside the test; the build folder, which holds them too, is the working folder),
// and the main window's menus then show that file's texts; drawn texts fit their boxes.
// A damaged translation file is refused, and the window says so once.
#include "app/checkedtranslator.h"
#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "metadata/metadata.h"
#include "preferences/languages.h"
#include "preferences/preferencesmenu.h"
#include "views/chords/processinglabel.h"
#include "views/playback/plotselection.h"
#include "views/playback/plotter.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTranslator>
#include <QtTest>

namespace {
// Every menu title and entry text, in menu order (the recent files' entries aside).
QStringList menuTexts(MainWindow &window)
{
    QStringList texts;
    for (QAction *menuAction : window.menuBar()->actions()) {
        texts << menuAction->text();
        for (QAction *action : menuAction->menu()->actions()) {
            if (!action->isSeparator())
                texts << action->text();
        }
    }
    return texts;
}

// Where a rich-text label's text leaves ink, drawn unclipped, in the label's coordinates.
QRect inkOf(const QLabel *label)
{
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(label->font());
    document.setHtml(label->text());
    const int pad = 30;
    QImage image(document.size().toSize() + QSize(2 * pad, 2 * pad), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(pad, pad);
    document.drawContents(&painter);
    painter.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink |= qAlpha(image.pixel(x, y)) > 0 ? QRect(x, y, 1, 1) : QRect();
    return ink.translated(label->contentsRect().topLeft() - QPoint(pad, pad));
}

void mouse(QWidget *widget, QEvent::Type type, int x, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(x, 40), widget->mapToGlobal(QPoint(x, 40)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        dataFolderPath = QStandardPaths::writableLocation(QStandardPaths::DataLocation) + "/Plectronome";
        QVERIFY(QDir::setCurrent(PLECTRONOME_BINARY_DIR));
    }

    void menusShowEachLanguage()
    {
        QStringList english;
        {
            MainWindow window;
            english = menuTexts(window);
            window.close();
        }
        QVERIFY(english.contains("Set &Language"));
        for (const LanguageEntry &entry : programLanguages) {
            const QString code = QString::fromLatin1(entry.code);
            if (code == "en")
                continue;
            QScopedPointer<QTranslator> translator(installTranslation(code));
            QVERIFY2(translator && !translator->isEmpty(), qPrintable("no translation file for " + code));
            MainWindow window;
            const QStringList shown = menuTexts(window);
            window.close();
            QCOMPARE(shown.size(), english.size());
            int differing = 0;
            for (int i = 0; i < shown.size(); ++i) {
                const QString expected = translator->translate("MainWindow", english[i].toUtf8().constData());
                QVERIFY2(!expected.isEmpty(), qPrintable(code + ": no translation of " + english[i]));
                QCOMPARE(shown[i], expected);
                differing += shown[i] != english[i];
            }
            // A few words are the same in some languages ("&Options", "Pause"); most are not.
            QVERIFY2(differing * 10 >= shown.size() * 8, qPrintable(code));
        }
    }

    // In every language the selection's beat read-out (one beat in the singular), the chord
    // notice with its four dots and the preferences' page titles fit their boxes, and the
    // preferences are no taller than the main window.
    void drawnTextsFitTheirBoxes()
    {
        const int frames = 44100 * 20;
        MetaData meta;
        QStringList beats;
        for (int i = 0; i < 38; ++i)
            beats << QString::number(2048 + 22050 * i);
        meta.loadFromSession(beats, QVector<QString>(37, "C").toList(), {"C"}, "120", "song.wav");
        const double pixelsPerFrame = 884.0 / frames;
        for (const LanguageEntry &entry : programLanguages) {
            const QString code = QString::fromLatin1(entry.code);
            QScopedPointer<QTranslator> translator(installTranslation(code));

            PlotSelection selection;
            selection.resize(884, 130);
            selection.setMetaData(&meta);
            selection.setSampleCount(frames);
            selection.show();
            for (const auto &[first, last] : {std::pair(0, 1), std::pair(4, 12)}) {
                const int a = int((22050 * first + 3000) * pixelsPerFrame);
                const int b = int((22050 * last + 3000) * pixelsPerFrame);
                mouse(&selection, QEvent::MouseButtonPress, a, Qt::LeftButton);
                mouse(&selection, QEvent::MouseMove, b, Qt::LeftButton);
                mouse(&selection, QEvent::MouseButtonRelease, b, Qt::NoButton);
                mouse(&selection, QEvent::MouseMove, (a + b) / 2, Qt::NoButton);
                const QString count = selection.beatCountLabel()->text();
                QVERIFY2(last - first > 1 || count.contains(QCoreApplication::translate("PlotSelection", "BEAT")),
                         qPrintable(code + ": " + count));
                for (QLabel *label : {selection.beatCountLabel(), selection.startBeatLabel(), selection.endBeatLabel()}) {
                    QVERIFY(label->isVisible());
                    const QRect ink = inkOf(label);
                    const QString where = QString("%1: %2 ink %3..%4 in %5 at y %6").arg(code, label->text())
                        .arg(ink.top()).arg(ink.bottom()).arg(label->height()).arg(label->y());
                    QVERIFY2(label->rect().contains(ink), qPrintable(where));
                    QVERIFY2(selection.rect().contains(ink.translated(label->pos())), qPrintable(where));
                }
            }

            Plotter plotter;
            ProcessingLabel *processing = plotter.processingLabel();
            for (int i = 0; i < 3; ++i)
                processing->setDotNumber();
            const QFontMetrics metrics(processing->font());
            const QString base = QCoreApplication::translate("ProcessingLabel", "Calculating chords");
            const int left = processing->width() / 2 - metrics.horizontalAdvance(base) / 2;
            const QRect notice = metrics.boundingRect(processing->shownText()).translated(left, 20);
            QVERIFY2(processing->rect().contains(notice), qPrintable(code + ": " + processing->shownText()));

            PreferencesMenu preferences(nullptr);
            preferences.show();
            QCoreApplication::processEvents();
            QTabBar *titles = preferences.tabWidget()->tabBar();
            for (int i = 0; i < titles->count(); ++i) {
                const QRect tab = titles->tabRect(i);
                QVERIFY2(titles->rect().contains(tab) && preferences.rect().contains(tab.translated(titles->mapTo(&preferences, {}))),
                         qPrintable(code + ": " + titles->tabText(i)));
            }
            QVERIFY2(preferences.height() <= 695, qPrintable(code + ": " + QString::number(preferences.height())));
            preferences.hide();
        }
    }

    // Translations come only from the program's own folders, and a file there that is not
    // the one built (the German one with a byte changed, at every position) is refused.
    void damagedTranslationsAreRefused()
    {
        const QString programFolder = QCoreApplication::applicationDirPath();
        for (const QString &file : translationFileCandidates("de"))
            QVERIFY2(file.startsWith(programFolder + "/"), qPrintable(file));
        const QString shipped = programFolder + "/translations/plectronome_de.qm";
        QFile file(shipped);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray good = file.readAll();
        file.close();
        QVERIFY(good.size() > 1000);

        QTemporaryDir dir;
        const QString damaged = dir.filePath("plectronome_de.qm");
        for (int i = 0; i < good.size(); ++i) {
            QByteArray bytes = good;
            bytes[i] = char(bytes[i] ^ 0xff);
            QFile out(damaged);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
            out.close();
            CheckedTranslator translator;
            QCOMPARE(translator.loadChecked(dir.filePath("plectronome_de"), "de"), CheckedTranslator::Refused);
            QVERIFY(translator.isEmpty());
        }
        CheckedTranslator foreign;
        QCOMPARE(foreign.loadChecked(shipped, "fr"), CheckedTranslator::Refused);
        CheckedTranslator::takeRefusedFile();

        // At start-up, with the damaged file in the program's folder: English, one notice.
        QByteArray bytes = good;
        bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0xff);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        QScopedPointer<QTranslator> translator(installTranslation("de"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(good) == good.size());
        file.close();
        QVERIFY(translator && translator->isEmpty());
        MainWindow window;
        QStringList notices;
        window.setMessageBoxHook([&notices](QMessageBox::Icon, const QString &, const QString &text,
                                            QMessageBox::StandardButtons, QMessageBox::StandardButton) {
            notices << text;
            return QMessageBox::Ok;
        });
        QCoreApplication::processEvents();
        QCOMPARE(notices.size(), 1);
        QVERIFY(notices.first().contains(shipped));
        QVERIFY(menuTexts(window).contains("Set &Language"));
        window.close();
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
