#include "testselectionoverlay.h"

#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "tests/app/freshhome.h"
#include "tests/eventually.h"
#include "audio/audioplayer.h"
#include "grabs.h"
#include "metadata/metadata.h"
#include "metadata/metadatathread.h"
#include "views/playback/plotselection.h"
#include "views/playback/plotter.h"
#include "views/playback/transportwidget.h"
#include "views/playback/wavebg.h"
#include "wavwriter.h"

#include <QLabel>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <vector>

namespace {

constexpr int viewWidth = 884;
constexpr int frames = 44100 * 20;

void mouse(QWidget *w, QEvent::Type type, int x, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    const QPointF pos(x, 20);
    QMouseEvent event(type, pos, w->mapToGlobal(pos.toPoint()), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void press(QWidget *w, int x) { mouse(w, QEvent::MouseButtonPress, x, Qt::LeftButton, Qt::LeftButton); }
void dragTo(QWidget *w, int x) { mouse(w, QEvent::MouseMove, x, Qt::NoButton, Qt::LeftButton); }
void release(QWidget *w, int x) { mouse(w, QEvent::MouseButtonRelease, x, Qt::LeftButton, Qt::NoButton); }
void hover(QWidget *w, int x) { mouse(w, QEvent::MouseMove, x, Qt::NoButton, Qt::NoButton); }

void select(QWidget *w, int from, int to)
{
    press(w, from);
    dragTo(w, (from + to) / 2);
    dragTo(w, to);
    release(w, to);
}

void doubleClick(QWidget *w, int x)
{
    press(w, x);
    release(w, x);
    mouse(w, QEvent::MouseButtonDblClick, x, Qt::LeftButton, Qt::LeftButton);
    release(w, x);
}

// Beats as the analysis (or the cache) hands them over: one chord fewer than beats.
void setBeats(MetaData &meta, const QVector<float> &beats)
{
    QStringList beatTexts;
    QStringList chords;
    for (float b : beats)
        beatTexts << QString::number(double(b), 'f', 1);
    for (int i = 0; i + 1 < beats.size(); ++i)
        chords << "C";
    meta.loadFromSession(beatTexts, chords, {"C"}, "120", "song.wav");
    QVERIFY(meta.hasData());
}

QVector<float> evenBeats(int count, float first, float spacing)
{
    QVector<float> beats;
    for (int i = 0; i < count; ++i)
        beats << first + spacing * float(i);
    return beats;
}

// The pointer x on a selection at factor 1 that lands on sample s.
int xForSample(double s, int width, int trackFrames)
{
    return int(std::lround((s + 2048.0) * width / trackFrames));
}

QString plainText(const QLabel *label)
{
    QString text = label->text();
    text.remove(QRegularExpression("<[^>]*>"));
    return text;
}

} // namespace

void TestSelectionOverlay::samplesFollowThePointerAndStayInTheTrack()
{
    std::vector<float> silence(size_t(frames), 0.0f);
    Plotter plotter;
    plotter.setGeometry(0, 0, viewWidth, 156);
    plotter.show();
    plotter.setWaveform(silence.data(), silence.data(), frames, true);
    PlotSelection *selection = plotter.plotSelection();

    // A new track opens zoomed in; test there and over the whole track.
    for (bool whole : {false, true}) {
        if (whole) {
            while (plotter.getZoomFactor() < 1.0f) {
                plotter.zoomPlot(-1);
                plotter.updateZoom(0);
            }
            QCoreApplication::processEvents();
        }
        const int w = selection->width();
        const float f = selection->zoomFactor();
        QCOMPARE(w, int(viewWidth / f));
        QCOMPARE(whole, f == 1.0f);
        // trunc(N / W / f x trunc(x f) - 2048), at least 0; at factor 1 trunc(N / W x x - 2048).
        auto expected = [&](int x) {
            const int v = int(float(x) * f);
            return std::max(0, int(double(frames) / w / f * v - 2048));
        };

        QSignalSpy saves(selection, &PlotSelection::enableSaveSelection);
        select(selection, w / 3, w / 2);
        QCOMPARE(selection->startSample(), expected(w / 3));
        QCOMPARE(selection->endSample(), expected(w / 2));
        QCOMPARE(saves.last().at(0).toBool(), true);
        if (whole)
            QCOMPARE(selection->startSample(), int(double(frames) / w * (w / 3) - 2048));
        // Right to left gives the same samples.
        select(selection, w / 2, w / 3);
        QCOMPARE(selection->startSample(), expected(w / 3));
        QCOMPARE(selection->endSample(), expected(w / 2));

        // Past either edge the selection stops at the view's first and last pixel.
        select(selection, w / 2, w + 3000);
        QCOMPARE(selection->endSample(), expected(w - 1));
        QVERIFY(selection->endSample() <= frames);
        select(selection, w / 2, -500);
        QCOMPARE(selection->startSample(), 0);
        QCOMPARE(selection->endSample(), expected(w / 2));
        // Near the start the computed sample is negative: it starts at 0.
        select(selection, 0, 2);
        QCOMPARE(selection->startSample(), 0);
    }
    saveGrab(&plotter, "selection_free_on_waveform");
}

void TestSelectionOverlay::snapsToBeatsAndLabelsTheirCount()
{
    MetaData meta;
    const QVector<float> beats = evenBeats(40, 10000.0f, 22050.0f);
    setBeats(meta, beats);
    PlotSelection selection;
    selection.resize(viewWidth, 150);
    selection.setMetaData(&meta);
    selection.setSampleCount(frames);
    selection.show();

    // A single click: an empty selection, export off, then the click for the player.
    QStringList order;
    connect(&selection, &PlotSelection::enableSaveSelection, [&](bool on) { order << (on ? "save on" : "save off"); });
    connect(&selection, &PlotSelection::selectionSingleClick, [&] { order << "click"; });
    press(&selection, 300);
    release(&selection, 300);
    QCOMPARE(order, QStringList({"save off", "click"}));
    QCOMPARE(selection.startSample(), selection.endSample());

    // Dragged from a little after beat 4 to a little before beat 8: beats 4 to 7.
    select(&selection, xForSample(beats[3] + 5000, viewWidth, frames), xForSample(beats[7] - 6000, viewWidth, frames));
    QCOMPARE(selection.startBeat(), 3);
    QCOMPARE(selection.endBeat(), 7);
    QCOMPARE(selection.startSample(), int(beats[3]) - 2048);
    QCOMPARE(selection.endSample(), int(beats[7]) - 2048);
    hover(&selection, xForSample(beats[5], viewWidth, frames));
    QVERIFY(selection.beatCountLabel()->isVisible());
    QCOMPARE(plainText(selection.beatCountLabel()), QString("4 BEATS"));
    QCOMPARE(plainText(selection.startBeatLabel()), QString("4"));
    QCOMPARE(plainText(selection.endBeatLabel()), QString("7"));
    // More than 47 pixels wide: the numbers stand inside the selection.
    QVERIFY(selection.startBeatLabel()->x() > selection.firstBeatLineX());
    QVERIFY(selection.endBeatLabel()->geometry().right() < selection.lastBeatLineX());
    saveGrab(&selection, "selection_four_beats");

    // Far away from the selection the labels go; leaving the view hides them too.
    hover(&selection, viewWidth - 5);
    QVERIFY(selection.beatCountLabel()->isHidden());

    select(&selection, xForSample(beats[10], viewWidth, frames), xForSample(beats[11], viewWidth, frames));
    hover(&selection, xForSample(beats[10] + 1000, viewWidth, frames));
    QCOMPARE(plainText(selection.beatCountLabel()), QString("1 BEAT"));
    // A narrow selection has its numbers outside.
    QVERIFY(selection.endBeatLabel()->x() > selection.lastBeatLineX());
    select(&selection, xForSample(beats[10], viewWidth, frames), xForSample(beats[12], viewWidth, frames));
    hover(&selection, xForSample(beats[10] + 1000, viewWidth, frames));
    QCOMPARE(plainText(selection.beatCountLabel()), QString("2 BEATS"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&selection, &leave);
    QVERIFY(selection.beatCountLabel()->isHidden());

    // Within one beat the samples snap together: nothing to export.
    QSignalSpy saves(&selection, &PlotSelection::enableSaveSelection);
    select(&selection, xForSample(beats[20], viewWidth, frames), xForSample(beats[20] + 3000, viewWidth, frames));
    QCOMPARE(selection.startSample(), selection.endSample());
    QCOMPARE(saves.last().at(0).toBool(), false);
    hover(&selection, xForSample(beats[20], viewWidth, frames));
    QVERIFY(selection.beatCountLabel()->isHidden());
}

void TestSelectionOverlay::narrowBeatsDrawNoDarkBars()
{
    // Draws the selection over mid grey: dark bars show as pixels below the grey.
    auto darkestInSelection = [](PlotSelection &selection, int from, int to) {
        QImage image(selection.size(), QImage::Format_RGB32);
        image.fill(QColor(128, 128, 128));
        selection.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        int darkest = 255;
        int lightest = 0;
        for (int x = from; x <= to; ++x) {
            darkest = std::min(darkest, qRed(image.pixel(x, 75)));
            lightest = std::max(lightest, qRed(image.pixel(x, 75)));
        }
        return std::make_pair(darkest, lightest);
    };
    for (float spacing : {22050.0f, 4000.0f}) {
        MetaData meta;
        setBeats(meta, evenBeats(int(frames / spacing) - 1, 10000.0f, spacing));
        PlotSelection selection;
        selection.resize(viewWidth, 150);
        selection.setMetaData(&meta);
        selection.setSampleCount(frames);
        select(&selection, 200, 500);
        QVERIFY(selection.endBeat() - selection.startBeat() > 10);
        const auto [darkest, lightest] =
            darkestInSelection(selection, int(selection.firstBeatLineX()) + 1, int(selection.lastBeatLineX()) - 1);
        QVERIFY(lightest > 128);
        // 22050 frames are 22 pixels here, 4000 frames 4 pixels.
        if (spacing > 10000.0f)
            QVERIFY(darkest < 128);
        else
            QVERIFY2(darkest > 128, qPrintable(QString::number(darkest)));
    }
}

void TestSelectionOverlay::staleBeatsClearTheSelection()
{
    std::vector<float> longTrack(size_t(frames), 0.0f);
    MetaData meta;
    setBeats(meta, evenBeats(40, 10000.0f, 22050.0f));
    Plotter plotter;
    plotter.setGeometry(0, 0, viewWidth, 156);
    plotter.setMetaData(&meta);
    plotter.show();
    plotter.setWaveform(longTrack.data(), longTrack.data(), frames, true);
    QCoreApplication::processEvents();
    PlotSelection *selection = plotter.plotSelection();
    const int w = selection->width();
    QVERIFY(w > viewWidth);
    select(selection, w * 30 / 40, w * 38 / 40);
    QVERIFY(selection->startBeat() >= 29);
    QVERIFY(selection->endBeat() > selection->startBeat());

    // The analysis runs again and finds fewer beats: the selection's beats are gone, and
    // painting, hovering and the shifted-beats update all hold to the new list.
    setBeats(meta, evenBeats(20, 10000.0f, 22050.0f));
    QVERIFY(!plotter.grab().isNull());
    hover(selection, w * 34 / 40);
    QVERIFY(selection->beatCountLabel()->isHidden());
    QSignalSpy saves(selection, &PlotSelection::enableSaveSelection);
    selection->updateSelectionFromOffset(0);
    QCOMPARE(selection->startSample(), 0);
    QCOMPARE(selection->endSample(), 0);
    QCOMPARE(selection->endBeat(), selection->startBeat());
    QCOMPARE(saves.last().at(0).toBool(), false);

    // Shifted beats move a live selection with them.
    select(selection, w * 4 / 40, w * 8 / 40);
    const int startBeat = selection->startBeat();
    const int endBeat = selection->endBeat();
    QVERIFY(endBeat > startBeat);
    setBeats(meta, evenBeats(20, 10000.0f + 1000.0f, 22050.0f));
    selection->updateSelectionFromOffset(1000);
    QCOMPARE(selection->startBeat(), startBeat);
    QCOMPARE(selection->startSample(), int(meta.beats[startBeat]) - 2048);
    QCOMPARE(selection->endSample(), int(meta.beats[endBeat]) - 2048);

    // A new, shorter track with a short beat list starts with no selection at all.
    select(selection, w * 10 / 40, w * 18 / 40);
    std::vector<float> shortTrack(size_t(frames / 4), 0.0f);
    setBeats(meta, evenBeats(8, 10000.0f, 22050.0f));
    plotter.setWaveform(shortTrack.data(), shortTrack.data(), int(shortTrack.size()), true);
    QCOMPARE(selection->startX(), 0);
    QCOMPARE(selection->endX(), 0);
    QCOMPARE(selection->startSample(), 0);
    QCOMPARE(selection->endSample(), 0);
    QCOMPARE(selection->startBeat(), selection->endBeat());
    QVERIFY(selection->endBeat() < meta.beats.size());
    QVERIFY(!plotter.grab().isNull());
}

void TestSelectionOverlay::doubleClickPlaysTheLoopedSelection()
{
    startFromAFreshHome();
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const int trackFrames = 44100 * 8;
    std::vector<float> left(static_cast<size_t>(trackFrames));
    std::vector<float> right(static_cast<size_t>(trackFrames));
    for (int i = 0; i < trackFrames; ++i) {
        const float pulse = (i % 22050) < 600 ? 0.5f : 0.0f;
        left[size_t(i)] = 0.2f * std::sin(float(i) * 0.031f) + pulse;
        right[size_t(i)] = 0.2f * std::sin(float(i) * 0.047f) + pulse;
    }
    QVERIFY(writeStereoWav(dir.filePath("song.wav"), left, right));

    MainWindow window;
    warnOnMessageBoxes(window);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.open(dir.filePath("song.wav")), 0);
    window.metaDataThread()->wait();
    QCoreApplication::processEvents();
    // Beats on the pulses every half second, as a cache would give them.
    MetaData *meta = window.metaDataThread()->metaData();
    setBeats(*meta, evenBeats(16, 2048.0f, 22050.0f));

    AudioPlayer *player = window.audioPlayer();
    TransportWidget *transport = window.transportWidget();
    PlotSelection *selection = window.waveBg()->plotter()->plotSelection();
    QVERIFY(selection->isVisible());
    const int w = selection->width();
    auto xOfBeat = [&](int i) { return int((meta->beats[i] - 2048.0f) / trackFrames * w); };

    // Four beats, from beat 3 to beat 6, dragged roughly.
    select(selection, xOfBeat(2) + 4, xOfBeat(6) - 3);
    QCOMPARE(selection->startBeat(), 2);
    QCOMPARE(selection->endBeat(), 6);
    hover(selection, xOfBeat(4));
    QCOMPARE(plainText(selection->beatCountLabel()), QString("4 BEATS"));
    const int start = selection->startSample();
    const int end = selection->endSample();
    QCOMPARE(end - start, 4 * 22050);
    Plotter *plotter = window.waveBg()->plotter();
    plotter->setCentreZoomPos(xOfBeat(4) * plotter->getZoomFactor());
    QCoreApplication::processEvents();
    hover(selection, xOfBeat(4));
    saveGrab(window.waveBg(), "selection_four_beats_zoomed");

    transport->loopButton()->click();
    QVERIFY(player->isLooping());
    // A double click inside plays the selection from its start, wherever the player stood:
    // at most the blocks pushed since (and a few read ahead) past it, not the beat clicked.
    player->setPlayPosition(end + 2 * 22050);
    const qint64 pushedBefore = player->blocksPushed();
    doubleClick(selection, xOfBeat(4));
    const int playsFrom = player->playPosition();
    const qint64 pushedSince = player->blocksPushed() - pushedBefore;
    QCOMPARE(selection->startSample(), start);
    QCOMPARE(selection->endSample(), end);
    QVERIFY(player->isPlaying());
    QVERIFY(transport->playButton()->isChecked());
    QVERIFY(playsFrom >= start);
    QVERIFY2(playsFrom < start + (pushedSince + 8) * AudioPlayer::blockFrames,
             qPrintable(QString("%1 after %2 blocks").arg(playsFrom - start).arg(pushedSince)));

    // It loops, never leaving the selection: watched until it reached its last beat and came back.
    int lowest = end;
    int highest = start;
    bool cameBack = false;
    auto watch = [&] {
        const int p = player->playPosition();
        lowest = std::min(lowest, p);
        cameBack = cameBack || (highest > start + 3 * 22050 && p < highest - 22050);
        highest = std::max(highest, p);
        return cameBack;
    };
    QTRY_VERIFY_WITH_TIMEOUT(watch(), eventuallyMs);
    QVERIFY(highest <= end + 2 * RealTimeEngine::frameSize);
    QVERIFY(lowest >= start);
    player->stop();
}
