#include "testwaveformview.h"

#include "grabs.h"
#include "tests/eventually.h"
#include "views/playback/centreline.h"
#include "views/playback/plotcanvas.h"
#include "views/playback/plotter.h"
#include "views/playback/wavebg.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QWheelEvent>
#include <QtTest>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr int viewWidth = 884;
constexpr int viewHeight = 156;

struct Track
{
    std::vector<float> left;
    std::vector<float> right;
    int frames() const { return int(left.size()); }
};

// A stereo track with a loud and a quiet half and a beat-like envelope.
Track musicTrack(int frames)
{
    Track t;
    t.left.resize(size_t(frames));
    t.right.resize(size_t(frames));
    for (int i = 0; i < frames; ++i) {
        const float beat = std::exp(-float(i % 11025) / 2000.0f);
        const float level = i < frames / 2 ? 0.9f : 0.4f;
        t.left[size_t(i)] = level * beat * std::sin(i * 0.031f);
        t.right[size_t(i)] = level * beat * std::sin(i * 0.017f);
    }
    return t;
}

Track silentTrack(int frames)
{
    Track t;
    t.left.assign(size_t(frames), 0.0f);
    t.right.assign(size_t(frames), 0.0f);
    return t;
}

void setSize(Plotter &plotter)
{
    plotter.setGeometry(0, 0, viewWidth, viewHeight);
}

void load(Plotter &plotter, const Track &track, bool stereo = true)
{
    plotter.setWaveform(track.left.data(), track.right.data(), track.frames(), stereo);
}

void wheel(QWidget *widget, int delta, QPointF pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWheelEvent event(pos, widget->mapToGlobal(pos.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

bool hasWavePixel(const QImage &image, int x, int fromRow, int toRow)
{
    for (int y = fromRow; y <= toRow; ++y) {
        if (qAlpha(image.pixel(x, y)) > 0)
            return true;
    }
    return false;
}

// The canvas covers the view from edge to edge.
bool coversView(const Plotter &plotter)
{
    const QRect canvas = plotter.canvas()->geometry();
    return canvas.x() <= 0 && canvas.x() + canvas.width() >= plotter.width();
}

} // namespace

void TestWaveformView::newTrackOpensAtLevelFourAtItsStart()
{
    Plotter plotter;
    setSize(plotter);
    const Track track = musicTrack(100000);
    QSignalSpy counts(&plotter, &Plotter::setSmallPlotSampleCount);
    QSignalSpy pixmaps(&plotter, &Plotter::setSmallPlotPixmap);
    QSignalSpy showMarker(&plotter, &Plotter::showSmallPlotPlayMarker);
    load(plotter, track);

    QVERIFY(plotter.hasWaveform());
    QCOMPARE(plotter.sampleCount(), 100000);
    QCOMPARE(counts.count(), 1);
    QCOMPARE(counts.first().at(0).toInt(), 100000);
    QCOMPARE(showMarker.count(), 1);
    QCOMPARE(pixmaps.count(), 1);
    const QPixmap overview = pixmaps.first().at(0).value<QPixmap>();
    QCOMPARE(overview.size(), QSize(viewWidth, viewHeight - 32 - 18));
    QCOMPARE(pixmaps.first().at(1).toFloat(), 1.0f);
    // Taken from the whole-track level, though the view is still hidden while it loads.
    const QImage picture = overview.toImage();
    int drawnColumns = 0;
    for (int x = 0; x < picture.width(); ++x)
        drawnColumns += hasWavePixel(picture, x, 0, picture.height() / 2 - 3) ? 1 : 0;
    QVERIFY2(drawnColumns > viewWidth * 3 / 4, qPrintable(QString::number(drawnColumns)));

    const float f = 1.0f * 0.6f * 0.6f * 0.6f * 0.6f;
    QCOMPARE(plotter.getZoomFactor(), f);
    QCOMPARE(plotter.zoomLevel(), 4);
    QCOMPARE(plotter.canvas()->level(), 4);
    // Opened at the start: the canvas's left edge on the view's left edge.
    QCOMPARE(plotter.canvas()->geometry(), QRect(0, 0, int(viewWidth / f), viewHeight - 32));
    QCOMPARE(plotter.canvas()->geometry().width(), 6820);
    QCOMPARE(plotter.selectionStack()->geometry(), plotter.canvas()->geometry());
    QCOMPARE(plotter.playMarker()->geometry(), QRect(0, 0, 6820, viewHeight - 30));
    QCOMPARE(plotter.chordsStrip()->geometry(), QRect(0, viewHeight - 22, 6820, 20));
    QCOMPARE(plotter.plotSelection()->zoomFactor(), f);
    QCOMPARE(plotter.selectionStack()->currentIndex(), 0);
    // 100000 frames give a chunk of 1.77 samples, advanced by whole samples.
    QCOMPARE(plotter.envelope().size(), 2 * 100001);
}

void TestWaveformView::levelsHaveTheirWidthsWithoutGaps()
{
    Plotter plotter;
    setSize(plotter);
    const Track track = musicTrack(200000);
    load(plotter, track);
    const int widths[Plotter::levelCount] = {884, 1473, 2455, 4092, 6820, 11368, 18947, 31578};
    PlotCanvas *canvas = plotter.canvas();
    for (int k = 0; k < Plotter::levelCount; ++k) {
        QCOMPARE(int(viewWidth / Plotter::levelFactor(k)), widths[k]);
        QCOMPARE(canvas->leftPixmap(k).width() + canvas->rightPixmap(k).width(), widths[k]);
        QCOMPARE(canvas->leftPixmap(k).width(), widths[k] / 2);
        QCOMPARE(canvas->leftPixmap(k).height(), viewHeight - 32 + 9);
        // The last column of the level is drawn (the centre row runs through it).
        const QImage right = canvas->rightPixmap(k).toImage();
        QVERIFY(hasWavePixel(right, right.width() - 1, 0, right.height() - 1));
    }
    // Shown halves meet without gap or overlap, at an odd width too.
    for (int i = 0; i < 2; ++i) {
        plotter.zoomPlot(1);
        plotter.updateZoom(0);
    }
    QCOMPARE(plotter.zoomLevel(), 6);
    plotter.zoomPlot(-1);
    plotter.updateZoom(0);
    plotter.zoomPlot(-1);
    plotter.updateZoom(0);
    plotter.zoomPlot(-1);
    plotter.updateZoom(0);
    QCOMPARE(plotter.zoomLevel(), 3);
    QCOMPARE(canvas->width(), 4092);
    for (int level = 0; level < 2; ++level) {
        plotter.zoomPlot(-1);
        plotter.updateZoom(0);
    }
    QCOMPARE(plotter.zoomLevel(), 1);
    QCOMPARE(canvas->width(), 1473);
    const QRect left = canvas->leftStack()->geometry();
    const QRect right = canvas->rightStack()->geometry();
    QCOMPARE(left.x() + left.width(), right.x());
    QCOMPARE(right.x() + right.width(), 1473);
    QCOMPARE(left.y(), PlotCanvas::verticalOffset);
}

void TestWaveformView::zoomInStopsAtLevelSevenAndOutAtWholeTrack()
{
    Plotter plotter;
    setSize(plotter);
    const Track track = musicTrack(150000);
    load(plotter, track);
    for (int i = 0; i < 3; ++i) {
        plotter.zoomPlot(1);
        plotter.updateZoom(0);
    }
    QCOMPARE(plotter.zoomLevel(), 7);
    QCOMPARE(plotter.getZoomFactor(), Plotter::minimumZoomFactor());
    QVERIFY(qAbs(Plotter::minimumZoomFactor() - 0.0279936f) < 1e-7f);
    plotter.zoomPlot(1);
    plotter.updateZoom(0);
    QCOMPARE(plotter.zoomLevel(), 7);
    QCOMPARE(plotter.getZoomFactor(), Plotter::minimumZoomFactor());

    // Seven steps out from the closest level land exactly on the whole track.
    QSignalSpy factors(&plotter, &Plotter::setSmallPlotZoomFactor);
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(plotter.zoomLevel(), 7 - i);
        plotter.zoomPlot(-1);
        plotter.updateZoom(0);
    }
    QCOMPARE(plotter.getZoomFactor(), 1.0f);
    QCOMPARE(plotter.zoomLevel(), 0);
    QCOMPARE(plotter.zoomCentre(), viewWidth / 2.0f);
    QCOMPARE(plotter.canvas()->geometry(), QRect(0, 0, viewWidth, viewHeight - 32));
    QCOMPARE(factors.last().at(0).toFloat(), 1.0f);
    plotter.zoomPlot(-120);
    plotter.updateZoom(0);
    QCOMPARE(plotter.getZoomFactor(), 1.0f);
    QCOMPARE(plotter.zoomCentre(), viewWidth / 2.0f);
    // Every step between lies exactly on a level.
    for (int k = 1; k < Plotter::levelCount; ++k) {
        plotter.zoomPlot(1);
        plotter.updateZoom(0);
        QCOMPARE(plotter.getZoomFactor(), Plotter::levelFactor(k));
    }
}

void TestWaveformView::firstWheelStepCentresOnPointer()
{
    Plotter plotter;
    setSize(plotter);
    const Track track = musicTrack(150000);
    load(plotter, track);
    for (int i = 0; i < 4; ++i) {
        plotter.zoomPlot(-1);
        plotter.updateZoom(0);
    }
    QCOMPARE(plotter.getZoomFactor(), 1.0f);

    wheel(&plotter, 120, QPointF(500.7, 40));
    QCOMPARE(plotter.getZoomFactor(), 0.6f);
    QCOMPARE(plotter.zoomCentre(), 500.0f);
    // The view's centre shows the point that was under the pointer.
    QCOMPARE(plotter.canvas()->x(), int(viewWidth / 2.0f - 500.0f / 0.6f));
    wheel(&plotter, 120, QPointF(100, 40));
    QCOMPARE(plotter.getZoomFactor(), 0.6f * 0.6f);
    QCOMPARE(plotter.zoomCentre(), 500.0f); // a second step does not recentre
    wheel(&plotter, -120, QPointF(100, 40));
    QCOMPARE(plotter.getZoomFactor(), 0.6f);
    QCOMPARE(plotter.zoomCentre(), 500.0f);
    // A fine wheel zooms once per whole notch.
    wheel(&plotter, 60, QPointF(100, 40));
    QCOMPARE(plotter.getZoomFactor(), 0.6f);
    wheel(&plotter, 60, QPointF(100, 40));
    QCOMPARE(plotter.getZoomFactor(), 0.6f * 0.6f);
}

void TestWaveformView::shortcutZoomIsGuardedFor100ms()
{
    Plotter plotter;
    setSize(plotter);
    const Track track = musicTrack(150000);
    load(plotter, track);
    const float start = plotter.getZoomFactor();
    plotter.zoomIn();
    plotter.zoomIn();
    QCOMPARE(plotter.getZoomFactor(), start * 0.6f);
    QVERIFY(plotter.zoomGuardTimer()->isActive());
    QCOMPARE(plotter.zoomGuardTimer()->interval(), 100);
    QTRY_VERIFY_WITH_TIMEOUT(!plotter.zoomGuardTimer()->isActive(), eventuallyMs);
    plotter.zoomOut();
    QCOMPARE(plotter.getZoomFactor(), start);
    plotter.zoomOut();
    QCOMPARE(plotter.getZoomFactor(), start);
}

void TestWaveformView::canvasNeverShowsAGapAndScrollHasNoDeadSteps()
{
    Plotter plotter;
    setSize(plotter);
    const Track track = musicTrack(300000);
    load(plotter, track);
    for (int k = 0; k < Plotter::levelCount; ++k) {
        while (plotter.zoomLevel() < k) {
            plotter.zoomPlot(1);
            plotter.updateZoom(0);
        }
        while (plotter.zoomLevel() > k) {
            plotter.zoomPlot(-1);
            plotter.updateZoom(0);
        }
        const float f = plotter.getZoomFactor();
        // Scroll left until the view stops moving, and a little further.
        float previous = -1;
        for (int i = 0; i < 5000 && plotter.zoomCentre() != previous; ++i) {
            previous = plotter.zoomCentre();
            wheel(&plotter, -120, QPointF(10, 10), Qt::ControlModifier);
            QVERIFY(coversView(plotter));
        }
        for (int i = 0; i < 5; ++i)
            wheel(&plotter, -120, QPointF(10, 10), Qt::ControlModifier);
        QCOMPARE(plotter.canvas()->x(), 0);
        QCOMPARE(plotter.zoomCentre(), viewWidth * f / 2.0f);
        // One step the other way moves the view at once.
        if (k > 0) {
            wheel(&plotter, 120, QPointF(10, 10), Qt::ControlModifier);
            QVERIFY(plotter.canvas()->x() < 0);
        }
        previous = -1;
        for (int i = 0; i < 5000 && plotter.zoomCentre() != previous; ++i) {
            previous = plotter.zoomCentre();
            wheel(&plotter, 120, QPointF(10, 10), Qt::ControlModifier);
            QVERIFY(coversView(plotter));
        }
        for (int i = 0; i < 5; ++i)
            wheel(&plotter, 120, QPointF(10, 10), Qt::ControlModifier);
        QCOMPARE(plotter.zoomCentre(), viewWidth - viewWidth * f / 2.0f);
        const QRect canvas = plotter.canvas()->geometry();
        QCOMPARE(canvas.x() + canvas.width(), viewWidth);
        if (k > 0) {
            const int before = plotter.canvas()->x();
            wheel(&plotter, -120, QPointF(10, 10), Qt::ControlModifier);
            QVERIFY(plotter.canvas()->x() > before);
        }
        // Centres from outside (overview strip, a session) are held too.
        for (float c : {-1.0e6f, -5.0f, 0.0f, 3000.0f, std::numeric_limits<float>::infinity(),
                        std::numeric_limits<float>::quiet_NaN()}) {
            plotter.setCentreZoomPos(c);
            QVERIFY(coversView(plotter));
            QVERIFY(std::isfinite(plotter.zoomCentre()));
        }
    }
}

void TestWaveformView::spikeDrawsAColumnInTheRightHalf()
{
    Plotter plotter;
    setSize(plotter);
    Track track = silentTrack(400000);
    const int spikeAt = 300000; // three quarters in
    for (int i = spikeAt; i < spikeAt + 40; ++i) {
        track.left[size_t(i)] = 0.8f;
        track.right[size_t(i)] = -0.8f * 0.25f;
    }
    load(plotter, track);
    const int centreRow = viewHeight / 2;
    const QImage left = plotter.canvas()->leftPixmap(0).toImage();
    const QImage right = plotter.canvas()->rightPixmap(0).toImage();
    for (int x = 0; x < left.width(); ++x)
        QVERIFY2(!hasWavePixel(left, x, 0, centreRow - 1), qPrintable(QString("column %1").arg(x)));
    const int expected = int(double(spikeAt) / 400000.0 * viewWidth) - viewWidth / 2;
    QList<int> drawn;
    for (int x = 0; x < right.width(); ++x) {
        if (hasWavePixel(right, x, 0, centreRow - 1))
            drawn << x;
    }
    QVERIFY(!drawn.isEmpty());
    QVERIFY2(qAbs(drawn.first() - expected) <= 1 && drawn.last() - drawn.first() <= 1,
             qPrintable(QString("drawn from %1 to %2, expected %3").arg(drawn.first()).arg(drawn.last()).arg(expected)));
    // (0.8 - 0.2) x 0.35 = 0.21 above the centre: row (H - 1) - 1.21 x (H - 1) / 2.
    const int peakRow = int(std::lround((viewHeight - 1) - 1.21 * (viewHeight - 1) / 2.0));
    QVERIFY(qAlpha(right.pixel(drawn.first(), peakRow)) > 0);
    QCOMPARE(qAlpha(right.pixel(drawn.first(), peakRow - 2)), 0);
    QCOMPARE(QColor(right.pixel(drawn.first(), peakRow + 1)), QColor(214, 100, 35));
}

void TestWaveformView::monoDrawsAtTheHeightOfStereo()
{
    Track track = musicTrack(120000);
    track.right = track.left;
    Plotter mono;
    setSize(mono);
    mono.setWaveform(track.left.data(), track.left.data(), track.frames(), false);
    Plotter stereo;
    setSize(stereo);
    load(stereo, track, true);
    QCOMPARE(mono.envelope(), stereo.envelope());
    double peak = 0;
    for (const QPointF &p : mono.envelope())
        peak = std::max(peak, std::fabs(p.y()));
    // A full-scale mono track stays inside the drawn range (0.7 of the half height).
    QVERIFY(peak <= 0.7 * 0.9 + 1e-6);
    QVERIFY(peak > 0.6);
}

void TestWaveformView::progressRisesStrictly()
{
    Plotter plotter;
    setSize(plotter);
    const Track track = musicTrack(250000);
    QSignalSpy progress(&plotter, &Plotter::updateProgressBar);
    load(plotter, track);
    QCOMPARE(progress.count(), 99);
    for (int i = 0; i < progress.count(); ++i)
        QCOMPARE(progress.at(i).at(0).toFloat(), float(i + 1));
}

void TestWaveformView::shortTracksAndNoTrackDoNotHang()
{
    Plotter plotter;
    setSize(plotter);
    // Fewer frames than envelope points: the chunk is held at one sample.
    const Track tiny = musicTrack(1000);
    load(plotter, tiny);
    QVERIFY(plotter.hasWaveform());
    QCOMPARE(plotter.envelope().size(), 2 * 1001);
    QCOMPARE(plotter.canvas()->leftPixmap(7).width(), 31578 / 2);

    plotter.setWaveform(nullptr, nullptr, 0, true);
    QVERIFY(!plotter.hasWaveform());
    QVERIFY(plotter.envelope().isEmpty());
    plotter.playbackScroll();
    plotter.zoomIn();
    wheel(&plotter, 120, QPointF(300, 20));
    QVERIFY(coversView(plotter));

    // A mono caller may hand no right array.
    load(plotter, tiny);
    plotter.setWaveform(tiny.left.data(), nullptr, tiny.frames(), false);
    QVERIFY(plotter.hasWaveform());
}

void TestWaveformView::sessionZoomIsSanitised()
{
    Plotter plotter;
    setSize(plotter);
    const Track track = musicTrack(150000);
    load(plotter, track);

    const float f4 = Plotter::levelFactor(4);
    plotter.restoreZoomFromSession({"1000", QString::number(double(f4))});
    QCOMPARE(plotter.getZoomFactor(), f4);
    QCOMPARE(plotter.zoomLevel(), 4);
    QCOMPARE(plotter.zoomCentre(), float(viewWidth));
    QCOMPARE(plotter.canvas()->x() + plotter.canvas()->width(), viewWidth);
    QVERIFY(coversView(plotter));

    for (const char *bad : {"0", "-0.5", "nan", "inf", "-inf", "", "zoom"}) {
        QSignalSpy factors(&plotter, &Plotter::setSmallPlotZoomFactor);
        plotter.restoreZoomFromSession({"300", QString(bad)});
        QCOMPARE(plotter.getZoomFactor(), 1.0f);
        QCOMPARE(plotter.zoomLevel(), 0);
        QCOMPARE(plotter.canvas()->geometry(), QRect(0, 0, viewWidth, viewHeight - 32));
        QCOMPARE(factors.count(), 1);
        QCOMPARE(factors.first().at(0).toFloat(), 1.0f);
    }
    plotter.restoreZoomFromSession({"300", "7"});
    QCOMPARE(plotter.getZoomFactor(), 1.0f);
    plotter.restoreZoomFromSession({"300", "1e-9"});
    QCOMPARE(plotter.getZoomFactor(), Plotter::minimumZoomFactor());
    QCOMPARE(plotter.zoomLevel(), 7);
    // Written with six digits, read back onto its level.
    plotter.restoreZoomFromSession({"300", "0.0279936"});
    QCOMPARE(plotter.getZoomFactor(), Plotter::minimumZoomFactor());
    // A factor between levels goes to the nearest level, so the picture fits the canvas.
    plotter.restoreZoomFromSession({"300", "0.5"});
    QCOMPARE(plotter.getZoomFactor(), Plotter::levelFactor(1));
    QCOMPARE(plotter.zoomLevel(), 1);
    QCOMPARE(plotter.canvas()->width(),
             plotter.canvas()->leftPixmap(1).width() + plotter.canvas()->rightPixmap(1).width());
    QCOMPARE(plotter.zoomCentre(), 300.0f);
    plotter.restoreZoomFromSession({"-1e30", "0.36"});
    QCOMPARE(plotter.zoomLevel(), 2);
    QCOMPARE(plotter.canvas()->x(), 0);
    plotter.restoreZoomFromSession({"nan", "0.36"});
    QVERIFY(coversView(plotter));
    QVERIFY(std::isfinite(plotter.zoomCentre()));

    // Per-cent rounding picks the level.
    QCOMPARE(Plotter::levelForFactor(0.1296f), 4);
    QCOMPARE(Plotter::levelForFactor(0.13f), 4);
    QCOMPARE(Plotter::levelForFactor(0.5f), 7);
}

void TestWaveformView::zoomKeepsAnOverviewPressNearTheStartInView()
{
    WaveBg frame;
    frame.resize(1000, 228);
    frame.show();
    Plotter *plotter = frame.plotter();
    plotter->show();
    // The main window gives the overview its picture and the factor.
    connect(plotter, &Plotter::setSmallPlotPixmap, frame.smallPlot(), &SmallPlot::setSmallPlotPixmap);
    connect(plotter, &Plotter::setSmallPlotZoomFactor, frame.smallPlot(), &SmallPlot::setZoomFactor);
    const Track track = musicTrack(400000);
    plotter->setWaveform(track.left.data(), track.right.data(), track.frames(), true);
    frame.smallPlot()->show();
    QCOMPARE(plotter->zoomLevel(), 4);

    // A press near the start, then zooming in step by step: the pressed point stays on
    // screen at every level, and the canvas covers the view.
    const int pressX = 20;
    QTest::mousePress(frame.smallPlot(), Qt::LeftButton, Qt::NoModifier, QPoint(pressX, 10));
    QTest::mouseRelease(frame.smallPlot(), Qt::LeftButton, Qt::NoModifier, QPoint(pressX, 10));
    QCOMPARE(plotter->zoomCentre(), float(pressX));
    QCOMPARE(plotter->canvas()->x(), 0);
    while (plotter->getZoomFactor() > Plotter::minimumZoomFactor()) {
        plotter->zoomPlot(1);
        plotter->updateZoom(0);
        const float shownAt = plotter->canvas()->x() + pressX / plotter->getZoomFactor();
        QVERIFY2(shownAt >= 0 && shownAt < viewWidth, qPrintable(QString::number(double(shownAt))));
        QVERIFY(coversView(*plotter));
    }
    // Zooming back out to the level of the press shows the same window again.
    const float f = Plotter::levelFactor(4);
    while (plotter->getZoomFactor() < f) {
        plotter->zoomPlot(-1);
        plotter->updateZoom(0);
    }
    QCOMPARE(plotter->canvas()->x(), 0);
    QCOMPARE(frame.smallPlot()->windowCentre(), int(viewWidth * f / 2));
}

void TestWaveformView::followingPlaybackShowsTheCentreLine()
{
    Plotter plotter;
    setSize(plotter);
    plotter.show();
    const Track track = musicTrack(400000);
    load(plotter, track);
    float position = 0;
    PlayMarker *marker = plotter.playMarker();
    marker->startFollowTimer(&position);

    QSignalSpy centres(&plotter, &Plotter::setSmallPlotZoomCentre);
    // At the start the view cannot centre the marker: the marker draws itself.
    marker->setPos();
    plotter.playbackScroll();
    QVERIFY(marker->drawsMarker());
    QVERIFY(plotter.centreLine()->isHidden());
    QCOMPARE(plotter.canvas()->x(), 0);
    QCOMPARE(centres.count(), 1);

    // In the middle the view scrolls so the marker sits under the centre line.
    position = 200000;
    marker->setPos();
    plotter.playbackScroll();
    const float f = plotter.getZoomFactor();
    QCOMPARE(plotter.zoomCentre(), marker->markerX() * f);
    QVERIFY(qAbs(plotter.canvas()->x() + marker->markerX() - viewWidth / 2) < 2);
    QVERIFY(!marker->drawsMarker());
    QVERIFY(!plotter.centreLine()->isHidden());
    QCOMPARE(plotter.centreColumn(), std::floor(plotter.zoomCentre() / f + 0.5f));
    QCOMPARE(plotter.centreLine()->geometry(), QRect(0, 0, viewWidth, viewHeight - 30));
    // The line stays under the chord editor and the processing notice.
    const QObjectList &children = plotter.children();
    QVERIFY(children.indexOf(plotter.centreLine()) < children.indexOf(plotter.chordEditor()));
    QVERIFY(children.indexOf(plotter.centreLine()) < children.indexOf(plotter.processingLabel()));
    QVERIFY(children.indexOf(plotter.centreLine()) > children.indexOf(plotter.canvas()));

    // While a riff or the song plays the centre line stays hidden.
    plotter.riffSongPlayback(true);
    plotter.playbackScroll();
    QVERIFY(plotter.centreLine()->isHidden());
    QVERIFY(!marker->drawsMarker());
    plotter.riffSongPlayback(false);

    // Near the end the canvas holds its right edge and the marker draws again.
    position = 399000;
    marker->setPos();
    plotter.playbackScroll();
    QCOMPARE(plotter.canvas()->x() + plotter.canvas()->width(), viewWidth);
    QVERIFY(marker->drawsMarker());
    QVERIFY(plotter.centreLine()->isHidden());
    saveGrab(&plotter, "plotter_following_end");
}

void TestWaveformView::scrollSwitchAndSelectionPages()
{
    Plotter plotter;
    setSize(plotter);
    const Track track = musicTrack(150000);
    load(plotter, track);
    plotter.setScrolling(false); // switched on
    QVERIFY(plotter.scrollTimer()->isActive());
    QCOMPARE(plotter.scrollTimer()->interval(), 10);
    QCOMPARE(plotter.chordsStrip()->playPositionSource(), plotter.centreColumnPointer());
    plotter.setScrolling(true); // switched off
    QVERIFY(!plotter.scrollTimer()->isActive());
    QVERIFY(plotter.isScrollingOff());
    QVERIFY(plotter.playMarker()->drawsMarker());
    QCOMPARE(plotter.chordsStrip()->playPositionSource(), plotter.playMarker()->markerXPointer());

    plotter.activateBeatSelecitionWidget(false);
    QCOMPARE(plotter.selectionStack()->currentIndex(), 1);
    plotter.activateBeatSelecitionWidget(true);
    QCOMPARE(plotter.selectionStack()->currentIndex(), 0);
    plotter.switchSelectionWidget(1);
    QCOMPARE(plotter.selectionStack()->currentIndex(), 1);
    plotter.switchSelectionWidget(7);
    QCOMPARE(plotter.selectionStack()->currentIndex(), 1);

    // A riff's page, with the view moved to its first step (held inside the track).
    BeatSelection *riff = plotter.beatSelection(3);
    riff->beatLabels().first()->move(3000, 0);
    QSignalSpy centres(&plotter, &Plotter::setSmallPlotZoomCentre);
    plotter.setActiveRiff(3);
    QCOMPARE(plotter.beatSelectionStack()->currentIndex(), 3);
    const float f = plotter.getZoomFactor();
    QCOMPARE(plotter.zoomCentre(), 3000 * f);
    QCOMPARE(centres.count(), 1);
    riff->beatLabels().first()->move(0, 0);
    plotter.setActiveRiff(3);
    QCOMPARE(plotter.zoomCentre(), f * viewWidth / 2);
    plotter.setActiveRiff(6);
    plotter.setActiveRiff(-1);
    QCOMPARE(plotter.beatSelectionStack()->currentIndex(), 3);

    // A new track shows the selection page again.
    load(plotter, track);
    QCOMPARE(plotter.selectionStack()->currentIndex(), 0);
    QVERIFY(!plotter.isRiffSongPlayback());
}

void TestWaveformView::chordEditorStaysInView()
{
    Plotter plotter;
    setSize(plotter);
    plotter.show();
    const Track track = musicTrack(150000);
    load(plotter, track);
    auto *label = new ChordLabel(plotter.chordsStrip(), "Am", 0, 44100, 0, 1);
    label->setGeometry(100, 0, 60, 20);
    QSignalSpy centres(&plotter, &Plotter::setSmallPlotZoomCentre);
    emit plotter.chordsStrip()->showChordEdit("Am", 100, label);
    SingleChordEditWidget *editor = plotter.chordEditor();
    QVERIFY(!editor->isHidden());
    QCOMPARE(editor->pos(), QPoint(label->mapTo(&plotter, QPoint(0, 0)).x() - 6, -3));
    QCOMPARE(centres.count(), 0);

    // A label near the view's right edge moves the view so the editor fits.
    const int x = viewWidth - 20 - plotter.canvas()->x();
    label->move(x, 0);
    emit plotter.chordsStrip()->showChordEdit("C", x, label);
    QCOMPARE(centres.count(), 1);
    QVERIFY(editor->x() + editor->width() <= viewWidth + 12);
    // The editor follows the view when it is zoomed.
    plotter.zoomPlot(1);
    plotter.updateZoom(0);
    QCOMPARE(editor->x(), std::min(label->mapTo(&plotter, QPoint(0, 0)).x() - 6,
                                   plotter.canvas()->x() + plotter.canvas()->width() - editor->width() + 12));

    // The query of the strip is answered at once.
    QCOMPARE(emit plotter.chordsStrip()->getZoomFactor(), plotter.getZoomFactor());
    delete label;
    plotter.zoomPlot(1);
    plotter.updateZoom(0); // the label has gone: nothing to follow
}

void TestWaveformView::frameBuildsPlacesAndWires()
{
    WaveBg frame;
    frame.resize(1000, 228);
    frame.show();
    QCOMPARE(frame.plotter()->geometry(), QRect(59, 18, 884, 156));
    QCOMPARE(frame.smallPlot()->geometry(), QRect(59, 182, 884, 28));
    QCOMPARE(frame.smallPlotPlayMarker()->geometry(), QRect(59, 182, 884, 28));
    QCOMPARE(frame.scrollButton()->geometry(), QRect(908, 147, 20, 20));
    QVERIFY(frame.scrollButton()->isSmall());
    QCOMPARE(frame.zoomButtons()->geometry(), QRect(60, 148, 43, 18));
    QCOMPARE(frame.progressBar()->size(), QSize(400, 12));
    QCOMPARE(frame.progressBar()->pos(), QPoint(300, 228 / 2 - 6 - 15));
    QCOMPARE(frame.foreground()->geometry(), QRect(0, 0, 1000, 228));
    QVERIFY(frame.foreground()->testAttribute(Qt::WA_TransparentForMouseEvents));
    QVERIFY(frame.plotter()->isHidden());
    QVERIFY(frame.smallPlot()->isHidden());
    QVERIFY(frame.smallPlotPlayMarker()->isHidden());
    QVERIFY(frame.progressBar()->isHidden());
    // The frame image lies over the views, the controls over the frame image.
    const QObjectList &children = frame.children();
    QVERIFY(children.indexOf(frame.foreground()) > children.indexOf(frame.plotter()));
    QVERIFY(children.indexOf(frame.zoomButtons()) > children.indexOf(frame.foreground()));
    QVERIFY(children.indexOf(frame.scrollButton()) > children.indexOf(frame.foreground()));

    frame.setProgressLabelText("Drawing Waveform | a <b> & c.wav");
    QLabel *label = frame.progressLabel();
    QVERIFY(!label->isHidden());
    QVERIFY(label->text().startsWith("<font color=#c86423>"));
    QVERIFY(label->text().contains("a &lt;b&gt; &amp; c.wav"));
    const int textWidth = QFontMetrics(label->font()).horizontalAdvance("Drawing Waveform | a <b> & c.wav");
    QCOMPARE(label->geometry(), QRect(500 - textWidth / 2, 67, 2 * textWidth, 30));
    QCOMPARE(label->font().pointSize(), 13);
    frame.clearProgressLabel();
    QVERIFY(label->isHidden());
    QVERIFY(label->text().isEmpty());

    Plotter *plotter = frame.plotter();
    const Track track = musicTrack(150000);
    plotter->setWaveform(track.left.data(), track.right.data(), track.frames(), true);
    plotter->show();
    QVERIFY(!frame.smallPlotPlayMarker()->isHidden());
    // Zoom buttons: one step per press.
    const float f = plotter->getZoomFactor();
    QTest::mouseClick(frame.zoomButtons(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 9));
    QCOMPARE(plotter->getZoomFactor(), f * 0.6f);
    QTest::mouseClick(frame.zoomButtons(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 9));
    QCOMPARE(plotter->getZoomFactor(), f);
    // The overview's wheel zooms and scrolls the view.
    wheel(frame.smallPlot(), 120, QPointF(400, 10));
    QCOMPARE(plotter->getZoomFactor(), f * 0.6f);
    const float centre = plotter->zoomCentre();
    wheel(frame.smallPlot(), 120, QPointF(400, 10), Qt::ControlModifier);
    QVERIFY(plotter->zoomCentre() > centre);
    emit frame.smallPlot()->setCentreZoomPos(600);
    QCOMPARE(plotter->zoomCentre(), 600.0f);
    // The scroll switch: on starts following, off stops it.
    frame.scrollButton()->setValueFromSession(true);
    QVERIFY(plotter->scrollTimer()->isActive());
    QTest::mouseClick(frame.scrollButton(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(!plotter->scrollTimer()->isActive());
    // The chord strip asks to stop scrolling through the switch.
    emit plotter->chordsStrip()->stopScrolling(true);
    QVERIFY(frame.scrollButton()->isOn());
    QVERIFY(plotter->scrollTimer()->isActive());
}

void TestWaveformView::progressBarShowsAndHides()
{
    WaveBg frame;
    frame.resize(1000, 228);
    frame.show();
    ProgressBar *bar = frame.progressBar();
    bar->updatePercentage(0);
    QVERIFY(bar->isHidden());
    bar->updatePercentage(12);
    QVERIFY(!bar->isHidden());
    QCOMPARE(bar->percentage(), 12.0f);
    bar->updatePercentage(60);
    saveGrab(&frame, "progress_bar_60");
    bar->updatePercentage(99);
    QVERIFY(bar->isHidden());
    QCOMPARE(bar->percentage(), 0.0f);
    bar->updatePercentage(100);
    QVERIFY(bar->isHidden());

    // The plotter drives it while it builds a track, and leaves it hidden.
    Plotter *plotter = frame.plotter();
    QList<bool> shown;
    connect(plotter, &Plotter::updateProgressBar, [&] { shown << !bar->isHidden(); });
    const Track track = musicTrack(150000);
    plotter->setWaveform(track.left.data(), track.right.data(), track.frames(), true);
    QCOMPARE(shown.count(), 99);
    QVERIFY(shown.first());
    QVERIFY(bar->isHidden());
}

void TestWaveformView::grabsOfTheWaveformFrame()
{
    WaveBg frame;
    frame.setAutoFillBackground(true);
    QPalette palette = frame.palette();
    palette.setColor(QPalette::Window, QColor(40, 40, 40));
    frame.setPalette(palette);
    frame.resize(1000, 228);
    frame.show();
    const Track track = musicTrack(44100 * 20);
    frame.setProgressLabelText("Drawing Waveform | Test Artist - Test Song");
    frame.plotter()->setWaveform(track.left.data(), track.right.data(), track.frames(), true);
    frame.clearProgressLabel();
    frame.plotter()->show();
    frame.smallPlot()->show();
    QSignalSpy pixmaps(frame.plotter(), &Plotter::setSmallPlotPixmap);
    frame.plotter()->setWaveform(track.left.data(), track.right.data(), track.frames(), true);
    frame.smallPlot()->setSmallPlotPixmap(pixmaps.first().at(0).value<QPixmap>(), 1.0f, 0);
    frame.plotter()->updateZoom(0);
    saveGrab(&frame, "wavebg_level4_start");
    for (int i = 0; i < 4; ++i) {
        frame.plotter()->zoomPlot(-1);
        frame.plotter()->updateZoom(0);
    }
    saveGrab(&frame, "wavebg_level0");
    for (int i = 0; i < 7; ++i) {
        frame.plotter()->zoomPlot(1);
        frame.plotter()->updateZoom(0);
    }
    frame.plotter()->setCentreZoomPos(442);
    saveGrab(&frame, "wavebg_level7_middle");
    QCOMPARE(frame.plotter()->zoomLevel(), 7);
}
