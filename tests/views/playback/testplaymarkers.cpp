#include "testplaymarkers.h"

#include "grabs.h"
#include "views/playback/playmarker.h"
#include "views/playback/smallplot.h"
#include "views/playback/smallplotplaymarker.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

constexpr int stripWidth = 884;
constexpr int stripHeight = 28;
const QRgb markerColour = qRgb(180, 180, 180);

// A picture of a "track": a ramp of colours, so that shading and lines show.
QPixmap trackPicture()
{
    QImage image(stripWidth, 106, QImage::Format_RGB32);
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y)
            image.setPixel(x, y, qRgb(40 + x * 200 / stripWidth, 160, 120));
    }
    return QPixmap::fromImage(image);
}

QImage grabImage(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void press(QWidget *w, int x)
{
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(x, w->height() / 2));
}

void drag(QWidget *w, int x)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(x, w->height() / 2), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

} // namespace

void TestPlayMarkers::markerWaitsForTrack()
{
    PlayMarker marker;
    marker.setGeometry(0, 0, stripWidth, 126);
    float position = 50000.0f;
    QSignalSpy small(&marker, &PlayMarker::setSmallPos);

    // No pointer and no track: a step does nothing.
    marker.setPos();
    QCOMPARE(small.count(), 0);

    marker.startFollowTimer(&position);
    QVERIFY(marker.followTimer()->isActive());
    QCOMPARE(marker.followTimer()->interval(), 10);
    QTest::qWait(60);
    QCOMPARE(small.count(), 0);
    QCOMPARE(marker.markerX(), 1.0f);

    // An empty track is no track.
    marker.setSampleCount(0);
    marker.setPos();
    QCOMPARE(small.count(), 0);
    QVERIFY(!marker.hasTrack());

    // From the first sample count on it follows by itself.
    marker.setSampleCount(stripWidth * 100);
    QTRY_VERIFY(small.count() > 0);
    QCOMPARE(small.last().at(0).toInt(), 500);
    QCOMPARE(marker.markerX(), 500.0f);
}

void TestPlayMarkers::markerFollowsPosition()
{
    PlayMarker marker;
    float position = 0.0f;
    marker.startFollowTimer(&position);
    marker.followTimer()->stop(); // stepped by hand below
    const int frames = stripWidth * 100;
    marker.setSampleCount(frames);
    QSignalSpy small(&marker, &PlayMarker::setSmallPos);

    // Whole track in view (factor 1): canvas and overview pixels are the same.
    marker.setGeometry(0, 0, stripWidth, 126);
    position = 5000.0f;
    marker.setPos();
    QCOMPARE(marker.markerX(), 50.0f);
    QCOMPARE(small.last().at(0).toInt(), 50);

    // The fraction left over is carried into the next step.
    position = 5050.0f;
    marker.setPos();
    QCOMPARE(marker.markerX(), 50.0f);
    QCOMPARE(small.last().at(0).toInt(), 51); // rounded to the nearest overview pixel
    const int before = small.count();
    marker.setPos();
    QCOMPARE(marker.markerX(), 51.0f);
    // Still signalled when the pixel stays.
    position = 5060.0f;
    marker.setPos();
    marker.setPos();
    QCOMPARE(small.count(), before + 3);

    // Zoomed in to level 4 (0.6^4): the canvas is wider, the overview pixel the same.
    const float factor = 0.6f * 0.6f * 0.6f * 0.6f;
    const int zoomedWidth = int(stripWidth / factor);
    marker.setGeometry(-1000, 0, zoomedWidth, 126);
    position = float(frames) * 0.75f;
    marker.setPos();
    marker.setPos();
    const float expected = std::floor(position / (float(frames) / float(zoomedWidth)));
    QVERIFY2(std::abs(marker.markerX() - expected) <= 1.0f, qPrintable(QString::number(marker.markerX())));
    QCOMPARE(small.last().at(0).toInt(), 663);

    // Positions that cannot be shown are skipped, never turned into pixels.
    const float x = marker.markerX();
    position = std::numeric_limits<float>::infinity();
    marker.setPos();
    QCOMPARE(marker.markerX(), x);

    // Shown while riff mode is off (the switch sends true as it goes off).
    marker.show();
    marker.showPlaymarker(false);
    QVERIFY(marker.isHidden());
    marker.showPlaymarker(true);
    QVERIFY(!marker.isHidden());
    marker.showPlaymarker(false);
    marker.showPlaymarker();
    QVERIFY(!marker.isHidden());
}

void TestPlayMarkers::markerDrawsItsLine()
{
    QWidget canvas;
    canvas.resize(400, 126);
    QPalette pal = canvas.palette();
    pal.setColor(QPalette::Window, Qt::black);
    canvas.setPalette(pal);
    canvas.setAutoFillBackground(true);
    auto *marker = new PlayMarker(&canvas);
    marker->setGeometry(0, 0, 400, 96);
    float position = 0.0f;
    marker->startFollowTimer(&position);
    marker->followTimer()->stop();

    // No track: nothing drawn.
    QImage image = grabImage(&canvas);
    QVERIFY(image.pixel(1, 40) != markerColour);

    marker->setSampleCount(40000);
    position = 12345.0f;
    marker->setPos();
    QCOMPARE(marker->markerX(), 123.0f);
    image = grabImage(&canvas);
    saveGrab(&canvas, "playmarker_line");
    QCOMPARE(image.pixel(123, 0), markerColour);
    QCOMPARE(image.pixel(123, 50), markerColour);
    QCOMPARE(image.pixel(123, 95), markerColour);
    QVERIFY(image.pixel(122, 50) != markerColour);
    QVERIFY(image.pixel(124, 50) != markerColour);
    QVERIFY(image.pixel(123, 110) != markerColour); // the marker ends above the chord strip

    // While the centre line stands in for it, the marker draws nothing.
    marker->setDrawMarker(false);
    image = grabImage(&canvas);
    QVERIFY(image.pixel(123, 50) != markerColour);
    marker->setDrawMarker(true);
    image = grabImage(&canvas);
    QCOMPARE(image.pixel(123, 50), markerColour);
}

void TestPlayMarkers::overviewMarkerPixel()
{
    QWidget strip;
    strip.resize(stripWidth, stripHeight);
    strip.setAutoFillBackground(true);
    QPalette pal = strip.palette();
    pal.setColor(QPalette::Window, Qt::black);
    strip.setPalette(pal);
    auto *marker = new SmallPlotPlayMarker(&strip);
    marker->setGeometry(0, 0, stripWidth, stripHeight);
    QVERIFY(marker->testAttribute(Qt::WA_TransparentForMouseEvents));

    // Neither a pointer nor a length: nothing moves, nothing is drawn.
    marker->updatePos(10);
    QCOMPARE(marker->lastDrawnX(), 0);
    float position = 300000.0f;
    marker->setPositionSource(&position);
    marker->updatePos(10);
    QCOMPARE(marker->lastDrawnX(), 0);
    QVERIFY(grabImage(&strip).pixel(0, 10) != markerColour);

    const int frames = 3000000;
    marker->setSampleCount(frames);
    QCOMPARE(marker->samplesPerPixel(), float(frames) / stripWidth);
    // The argument only triggers the step; the pixel comes from the position.
    marker->updatePos(-7);
    QCOMPARE(marker->lastDrawnX(), int(300000.0f / (float(frames) / stripWidth)));
    QCOMPARE(marker->lastDrawnX(), 88);
    QImage image = grabImage(&strip);
    QCOMPARE(image.pixel(88, 0), markerColour);
    QCOMPARE(image.pixel(88, stripHeight - 1), markerColour);
    QVERIFY(image.pixel(87, 10) != markerColour);

    // Agrees with the overview pixel that the waveform's marker signals.
    PlayMarker big;
    big.setGeometry(0, 0, stripWidth * 3, 126);
    big.startFollowTimer(&position);
    big.followTimer()->stop();
    big.setSampleCount(frames);
    QObject::connect(&big, &PlayMarker::setSmallPos, marker, &SmallPlotPlayMarker::updatePos);
    for (float p : {0.0f, 1234567.0f, 2999999.0f}) {
        position = p;
        big.setPos();
        QCOMPARE(marker->lastDrawnX(), int(p / (float(frames) / stripWidth)));
    }
    QCOMPARE(marker->lastDrawnX(), stripWidth - 1);
    image = grabImage(&strip);
    QCOMPARE(image.pixel(stripWidth - 1, 14), markerColour);
    QVERIFY(image.pixel(88, 14) != markerColour); // the old line is gone
}

void TestPlayMarkers::overviewWithoutTrackNeverSeeks()
{
    SmallPlot plot;
    plot.setGeometry(0, 0, stripWidth, stripHeight);
    plot.show();
    QSignalSpy seeks(&plot, &SmallPlot::setPlaybackPosition);
    QSignalSpy centres(&plot, &SmallPlot::setCentreZoomPos);
    press(&plot, 300);
    drag(&plot, 400);
    QTest::mouseRelease(&plot, Qt::LeftButton, Qt::NoModifier, QPoint(400, 10));
    QCOMPARE(seeks.count(), 0);
    QCOMPARE(centres.count(), 0);
    QVERIFY(!plot.hasTrack());
    // Nothing to draw either: the strip stays empty rather than showing a stale window.
    plot.grab();
}

void TestPlayMarkers::overviewClickAndDrag_data()
{
    QTest::addColumn<float>("factor");
    QTest::addColumn<int>("pressX");
    QTest::addColumn<int>("centreAfterPress");
    QTest::addColumn<int>("dragX");
    QTest::addColumn<int>("centreAfterDrag");
    const float level4 = 0.6f * 0.6f * 0.6f * 0.6f; // half window 57.28 pixels
    // Whole track: the window stays in the middle (or two pixels right of it).
    QTest::newRow("factor 1, left") << 1.0f << 100 << 442 << 700 << 444;
    QTest::newRow("factor 1, middle") << 1.0f << 441 << 441 << 442 << 442;
    QTest::newRow("zoomed, inside") << level4 << 300 << 300 << 600 << 600;
    QTest::newRow("zoomed, left edge") << level4 << 0 << 57 << 30 << 57;
    QTest::newRow("zoomed, right edge") << level4 << 883 << 828 << 870 << 828;
    QTest::newRow("zoomed, window just fits") << level4 << 56 << 57 << 826 << 826;
}

void TestPlayMarkers::overviewClickAndDrag()
{
    QFETCH(float, factor);
    QFETCH(int, pressX);
    QFETCH(int, centreAfterPress);
    QFETCH(int, dragX);
    QFETCH(int, centreAfterDrag);

    SmallPlot plot;
    plot.setGeometry(0, 0, stripWidth, stripHeight);
    plot.show();
    QCOMPARE(plot.cursor().shape(), Qt::OpenHandCursor);
    plot.setSmallPlotPixmap(trackPicture(), 1.0f, 442);
    plot.setZoomFactor(factor);
    QSignalSpy seeks(&plot, &SmallPlot::setPlaybackPosition);
    QSignalSpy centres(&plot, &SmallPlot::setCentreZoomPos);

    // A click centres the view on the point and seeks there.
    press(&plot, pressX);
    QCOMPARE(plot.cursor().shape(), Qt::ClosedHandCursor);
    QCOMPARE(plot.windowCentre(), centreAfterPress);
    QCOMPARE(centres.count(), 1);
    QCOMPARE(centres.last().at(0).toFloat(), float(pressX));
    QCOMPARE(seeks.count(), 1);
    QCOMPARE(seeks.last().at(0).toInt(), pressX);
    QCOMPARE(seeks.last().at(1).toInt(), stripWidth);

    // A drag carries the window (held on the strip) and the play position along.
    drag(&plot, dragX);
    QCOMPARE(plot.windowCentre(), centreAfterDrag);
    QCOMPARE(centres.count(), 2);
    QCOMPARE(centres.last().at(0).toFloat(), float(centreAfterDrag));
    QCOMPARE(seeks.count(), 2);
    QCOMPARE(seeks.last().at(0).toInt(), dragX);

    QTest::mouseRelease(&plot, Qt::LeftButton, Qt::NoModifier, QPoint(dragX, 10));
    QCOMPARE(plot.cursor().shape(), Qt::OpenHandCursor);
}

void TestPlayMarkers::overviewEdges()
{
    SmallPlot plot;
    plot.setGeometry(0, 0, stripWidth, stripHeight);
    plot.show();
    plot.setSmallPlotPixmap(trackPicture(), 0.1296f, 442);
    QSignalSpy seeks(&plot, &SmallPlot::setPlaybackPosition);
    QSignalSpy centres(&plot, &SmallPlot::setCentreZoomPos);

    press(&plot, 400);
    QCOMPARE(seeks.count(), 1);
    // Drags onto either end pixel and beyond are ignored.
    for (int x : {0, -20, stripWidth, stripWidth + 30})
        drag(&plot, x);
    QCOMPARE(seeks.count(), 1);
    QCOMPARE(centres.count(), 1);
    QCOMPARE(plot.windowCentre(), 400);
    drag(&plot, 1);
    drag(&plot, stripWidth - 1);
    QCOMPARE(seeks.count(), 3);

    // Moving without the left button, or pressing another button, does nothing.
    QMouseEvent hover(QEvent::MouseMove, QPointF(500, 10), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&plot, &hover);
    QTest::mousePress(&plot, Qt::RightButton, Qt::NoModifier, QPoint(200, 10));
    QCOMPARE(seeks.count(), 3);
    QTest::mouseRelease(&plot, Qt::RightButton, Qt::NoModifier, QPoint(200, 10));

    // A factor stored without repainting takes effect at the next centre update.
    plot.setZoomFactor(1.0f);
    plot.setSmallPlotZoomCentre(100);
    QCOMPARE(plot.windowCentre(), 442);
    // Unusable factors count as the whole track.
    for (float bad : {0.0f, -2.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
        plot.setZoomFactor(bad);
        QCOMPARE(plot.zoomFactor(), 1.0f);
    }
    plot.setSelection(10.0f, 20.0f); // accepted, not shown
}

void TestPlayMarkers::overviewWheelAndDoubleClick()
{
    qRegisterMetaType<QWheelEvent *>("QWheelEvent*");
    SmallPlot plot;
    plot.setGeometry(0, 0, stripWidth, stripHeight);
    plot.show();
    plot.setSmallPlotPixmap(trackPicture(), 0.36f, 442);
    QSignalSpy zooms(&plot, &SmallPlot::setZoom);
    QSignalSpy scrolls(&plot, &SmallPlot::scrollPlot);
    QSignalSpy seeks(&plot, &SmallPlot::setPlaybackPosition);

    auto wheel = [&](Qt::KeyboardModifiers mods) {
        QWheelEvent e(QPointF(200, 10), plot.mapToGlobal(QPoint(200, 10)), QPoint(), QPoint(0, 120), Qt::NoButton, mods,
                      Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&plot, &e);
    };
    wheel(Qt::NoModifier);
    wheel(Qt::ControlModifier);
    wheel(Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(zooms.count(), 2);
    QCOMPARE(scrolls.count(), 1);

    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(600, 10), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&plot, &dbl);
    QCOMPARE(seeks.count(), 0);
    QCOMPARE(plot.windowCentre(), 442);
}

void TestPlayMarkers::overviewPicture()
{
    SmallPlot plot;
    plot.setGeometry(0, 0, stripWidth, stripHeight);
    plot.setSmallPlotPixmap(trackPicture(), 0.36f, 300);
    QImage image = grabImage(&plot);
    saveGrab(&plot, "overview_zoomed");

    // Half window (884 / 2) x 0.36 = 159.12 pixels: clear from 141 to 459.
    const int mid = stripHeight / 4;
    auto brightness = [&](int x) { return qGray(image.pixel(x, mid)); };
    QVERIFY(brightness(100) < brightness(200) / 2);
    QVERIFY(brightness(600) < brightness(400) / 2);
    // Clear inside: the picture itself.
    QCOMPARE(image.pixel(250, mid), trackPicture().toImage().scaled(stripWidth, stripHeight).pixel(250, mid));
    // The window's edges.
    QVERIFY(brightness(139) < brightness(142) / 2);
    QVERIFY(brightness(460) < brightness(458) / 2);
    // The orange centre lines across and down.
    const QColor centre = image.pixelColor(300, 3);
    QVERIFY2(centre.red() > centre.green() && centre.green() > centre.blue(), qPrintable(centre.name()));
    const QColor across = image.pixelColor(250, stripHeight / 2);
    QVERIFY2(across.red() > across.green(), qPrintable(across.name()));

    // Zoomed out to the whole track nothing is shaded.
    plot.setSmallPlotPixmap(trackPicture(), 1.0f, 442);
    image = grabImage(&plot);
    QCOMPARE(image.pixel(2, mid), trackPicture().toImage().scaled(stripWidth, stripHeight).pixel(2, mid));
    QCOMPARE(image.pixel(880, mid), trackPicture().toImage().scaled(stripWidth, stripHeight).pixel(880, mid));
    saveGrab(&plot, "overview_whole");
}
