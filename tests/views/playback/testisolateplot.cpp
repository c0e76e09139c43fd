#include "testisolateplot.h"

#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "tests/app/freshhome.h"
#include "tests/eventually.h"
#include "app/tabwidget.h"
#include "audio/audioplayer.h"
#include "metadata/metadatathread.h"
#include "views/playback/realtimetoolstab.h"
#include "wavwriter.h"
#include "grabs.h"
#include "views/playback/lrpercentwidget.h"
#include "views/playback/sssplot.h"

#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr int plotWidth = 316;
constexpr int plotHeight = 101;
const QColor background(0, 0, 0);

// The plot drawn over black, as the tab's dark background shows it.
QImage drawn(SSSPlot &plot)
{
    QImage image(plot.size(), QImage::Format_RGB32);
    image.fill(background);
    plot.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QVector<QPointF> flatCurve(int n, double value)
{
    QVector<QPointF> curve;
    for (int i = 0; i < n; ++i)
        curve << QPointF(i, value);
    return curve;
}

bool isBackground(const QImage &image, int x, int y)
{
    return image.pixel(x, y) == background.rgb();
}

// The highest row with anything drawn in column x below the tags, or the height when none.
int topOfCurve(const QImage &image, int x)
{
    for (int y = 31; y < image.height(); ++y) {
        if (!isBackground(image, x, y))
            return y;
    }
    return image.height();
}

int peakIndex(const QVector<QPointF> &curve)
{
    int peak = 0;
    for (int i = 1; i < curve.size(); ++i) {
        if (curve[i].y() > curve[peak].y())
            peak = i;
    }
    return peak;
}

// Runs a fade to its end by hand; the number of 40 ms steps it took.
int fadeSteps(LRPerCentWidget *readout)
{
    int steps = 0;
    while (readout->fadeTimer()->isActive() && steps < 100) {
        readout->flashUpdate();
        ++steps;
    }
    return steps;
}

} // namespace

void TestIsolatePlot::offShowsNothingAndTimerFollowsPower()
{
    SSSPlot plot;
    plot.resize(plotWidth, plotHeight);
    plot.show();
    // Nothing answers the query (the isolate is off): not even the tags show.
    QImage image = drawn(plot);
    for (int y = 0; y < plotHeight; y += 5) {
        for (int x = 0; x < plotWidth; x += 5)
            QVERIFY(isBackground(image, x, y));
    }
    QVERIFY(plot.leftTag()->isHidden());
    QVERIFY(plot.rightPerCent()->isHidden());

    QVector<QPointF> curve = flatCurve(400, 0.3);
    connect(&plot, &SSSPlot::getCurve, [&] { return curve; });
    drawn(plot);
    QVERIFY(plot.leftTag()->isVisible());
    QVERIFY(plot.centreTag()->isVisible());
    QCOMPARE(plot.centreTag()->x(), plotWidth / 2 - 15);
    QCOMPARE(plot.rightTag()->geometry().right(), plotWidth - 1);
    QCOMPARE(plot.rightPerCent()->y(), 13);
    QCOMPARE(plot.rightPerCent()->opacity(), 0.0f);

    // The power button's argument is true when it has just gone off.
    plot.turnOn(false);
    QVERIFY(plot.repaintTimer()->isActive());
    QCOMPARE(plot.repaintTimer()->interval(), 40);
    plot.turnOn(true);
    QVERIFY(!plot.repaintTimer()->isActive());
}

void TestIsolatePlot::realCurveOfRightPannedToneRisesOnTheRight()
{
    // Two tones: 440 Hz loud on the right and faint on the left, 660 Hz quiet in the centre.
    const int frames = 44100 * 4;
    std::vector<float> left(static_cast<size_t>(frames));
    std::vector<float> right(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        const double t = double(i) / 44100.0;
        const float a = float(std::sin(2 * M_PI * 440.0 * t));
        const float b = float(0.1 * std::sin(2 * M_PI * 660.0 * t));
        left[size_t(i)] = 0.1f * a + b;
        right[size_t(i)] = 0.6f * a + b;
    }
    AudioPlayer player;
    player.setAudioData(left.data(), right.data(), 2, frames, 44100);
    SSSPlot plot;
    plot.resize(plotWidth, plotHeight);
    plot.setWidth(20);
    plot.setSupressionFactor(50);
    connect(&plot, SIGNAL(getCurve()), &player, SLOT(getSSSCurve()), Qt::DirectConnection);
    connect(&plot, SIGNAL(setPlotScale(int)), &player, SLOT(setPScale(int)));

    player.activateSSS(false);
    plot.turnOn(false);
    player.play();
    QTRY_VERIFY_WITH_TIMEOUT(player.blocksPushed() > 40, eventuallyMs);
    const QImage image = drawn(plot);
    player.stop();
    saveGrab(&plot, "isolate_plot_right_tone");

    const QVector<QPointF> &curve = plot.curve();
    QCOMPARE(curve.size(), 400);
    const int peak = peakIndex(curve);
    QVERIFY2(peak > 250, qPrintable(QString::number(peak)));
    QVERIFY(curve[peak].y() > 0.0);
    // Drawn where it lies: the curve stands higher at the peak than at its mirror image.
    const int peakX = int(peak * double(plotWidth) / curve.size());
    const int mirrorX = plotWidth - 1 - peakX;
    QVERIFY(topOfCurve(image, peakX) < topOfCurve(image, mirrorX));

    // The wheel scales the curve by a tenth per notch; a right press restores the scale.
    const int scale = player.engine().plotScale();
    QWheelEvent up(QPointF(100, 50), plot.mapToGlobal(QPoint(100, 50)), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&plot, &up);
    QCOMPARE(player.engine().plotScale(), int(std::trunc(scale * 0.9)));
    QTest::mouseClick(&plot, Qt::RightButton);
    QCOMPARE(player.engine().plotScale(), int(RealTimeEngine::defaultPlotScale));

    // Isolate off: the curve and the tags go.
    player.activateSSS(true);
    drawn(plot);
    QVERIFY(plot.curve().isEmpty());
    QVERIFY(plot.leftTag()->isHidden());
}

void TestIsolatePlot::centreLineReachesBothEdges()
{
    SSSPlot plot;
    plot.resize(plotWidth, plotHeight);
    plot.setWidth(0);
    QVector<QPointF> curve = flatCurve(400, 0.1);
    connect(&plot, &SSSPlot::getCurve, [&] { return curve; });
    // Row 60 lies below the read-outs and above the low curve: only the line is there.
    const int row = 60;
    for (int azimuth : {0, 50, 99}) {
        plot.setAzimuth(azimuth);
        const QImage image = drawn(plot);
        const int expected = azimuth == 0 ? 0 : azimuth == 99 ? plotWidth - 1 : int(50 * (plotWidth / 99.0));
        QCOMPARE(plot.centreColumn(), expected);
        for (int x = 0; x < plotWidth; ++x)
            QCOMPARE(isBackground(image, x, row), x != expected);
        const QRgb line = image.pixel(expected, row);
        QVERIFY(qGreen(line) > qRed(line) && qGreen(line) > qBlue(line));
    }
}

void TestIsolatePlot::shortOrBrokenCurvesSpanThePlot()
{
    SSSPlot plot;
    plot.resize(plotWidth, plotHeight);
    plot.setAzimuth(0);
    plot.setWidth(0);
    QVector<QPointF> curve = flatCurve(10, 0.5);
    curve[3].setY(std::numeric_limits<double>::quiet_NaN());
    curve[6].setY(std::numeric_limits<double>::infinity());
    connect(&plot, &SSSPlot::getCurve, [&] { return curve; });
    const QImage image = drawn(plot);
    // The points spread over the width: the filled shape reaches the right part too.
    QVERIFY(!isBackground(image, plotWidth * 8 / 10, plotHeight - 10));
    QVERIFY(!isBackground(image, plotWidth / 10, plotHeight - 10));
    // The NaN point is drawn at the bottom: the column under it is low.
    QVERIFY(topOfCurve(image, int(3.0 * plotWidth / 10)) > plotHeight / 2 + 5);

    curve = flatCurve(1, 0.5);
    const QImage single = drawn(plot);
    QVERIFY(isBackground(single, plotWidth / 2, plotHeight - 5));
    QVERIFY(plot.leftTag()->isHidden());
}

void TestIsolatePlot::fullSeparationEmptiesTheBand()
{
    SSSPlot plot;
    plot.resize(plotWidth, plotHeight);
    plot.setWidth(40);
    plot.setAzimuth(50);
    QVector<QPointF> curve = flatCurve(400, 0.6);
    connect(&plot, &SSSPlot::getCurve, [&] { return curve; });
    const int inside = plot.centreColumn() + 10;
    const int outside = plot.centreColumn() + plot.bandWidth();
    const int row = plotHeight - 20;
    auto isOrange = [](QRgb c) { return qRed(c) > qBlue(c) + 40; };

    // Separation 99: the band shows only the grey outline; outside it the orange isolate curve.
    plot.setSupressionFactor(99);
    QCOMPARE(plot.suppressionFactor(), 0.0f);
    QImage image = drawn(plot);
    QVERIFY(!isOrange(image.pixel(inside, row)));
    QVERIFY(!isBackground(image, inside, row));
    QVERIFY(isOrange(image.pixel(outside, row)));
    saveGrab(&plot, "isolate_plot_band_emptied");

    // Separation 0 keeps the whole curve; the mute flag turns the band inside out.
    plot.setSupressionFactor(0);
    image = drawn(plot);
    QVERIFY(isOrange(image.pixel(inside, row)));
    plot.setSupressionFactor(99);
    plot.setMuteSolo(true);
    image = drawn(plot);
    QVERIFY(isOrange(image.pixel(inside, row)));
    QVERIFY(!isOrange(image.pixel(outside, row)));
}

void TestIsolatePlot::percentReadoutsFadeInHoldAndOut()
{
    SSSPlot plot;
    LRPerCentWidget *readout = plot.rightPerCent();
    QCOMPARE(readout->opacity(), 0.0f);
    QCOMPARE(readout->text(), QString("0"));

    readout->setPercentage(25);
    QCOMPARE(readout->text(), QString("50%"));
    QVERIFY(readout->fadeTimer()->isActive());
    QVERIFY(readout->hideTimer()->isActive());
    QCOMPARE(readout->hideTimer()->interval(), 3000);
    QCOMPARE(fadeSteps(readout), 25);
    QCOMPARE(readout->opacity(), 1.0f);

    // Shown: a new figure only changes the text and holds the read-out again.
    readout->setPercentage(30);
    QVERIFY(!readout->fadeTimer()->isActive());
    QCOMPARE(readout->text(), QString("60%"));
    QVERIFY(readout->hideTimer()->isActive());

    // Three seconds later it fades out, over 25 steps again.
    readout->hideTimer()->start(1);
    QTRY_VERIFY(!readout->isFadingIn());
    QVERIFY(!readout->hideTimer()->isActive());
    QCOMPARE(fadeSteps(readout), 25);
    QCOMPARE(readout->opacity(), 0.0f);

    // A figure during the fade-out turns it back to fading in.
    readout->setPercentage(10);
    for (int i = 0; i < 5; ++i)
        readout->flashUpdate();
    readout->stopHideTimer();
    readout->flashUpdate();
    QVERIFY(readout->opacity() > 0.0f && !readout->isFadingIn());
    readout->setPercentage(12);
    QVERIFY(readout->isFadingIn());
    QVERIFY(readout->fadeTimer()->isActive());
}

void TestIsolatePlot::toolsTabDrivesThePlotFromThePlayer()
{
    startFromAFreshHome();
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const int frames = 44100 * 6;
    std::vector<float> left(static_cast<size_t>(frames));
    std::vector<float> right(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        const float a = float(std::sin(2 * M_PI * 440.0 * i / 44100.0));
        left[size_t(i)] = 0.1f * a;
        right[size_t(i)] = 0.6f * a;
    }
    QVERIFY(writeStereoWav(dir.filePath("panned.wav"), left, right));
    MainWindow window;
    warnOnMessageBoxes(window);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.open(dir.filePath("panned.wav")), 0);
    window.metaDataThread()->wait();
    RealTimeToolsTab *tools = window.tabWidget()->realTimeToolsTab();
    SSSPlot *plot = tools->isolatePlot();
    QCOMPARE(plot->geometry(), QRect(343, 84, 316, 101));
    QVERIFY(plot->curve().isEmpty());

    // Moving the azimuth switches the isolate on; the plot follows the playing track.
    window.audioPlayer()->play();
    tools->azimuthSlider()->setValue(80);
    QVERIFY(tools->isolatePowerButton()->isOn());
    QVERIFY(plot->repaintTimer()->isActive());
    QCOMPARE(plot->azimuth(), 80);
    QCOMPARE(plot->rightPerCent()->text(), QString("60%"));
    QVERIFY(plot->rightPerCent()->isFadingIn());
    tools->widthKnob()->setValue(60);
    QCOMPARE(plot->bandWidth(), int(316.0 / 99 * 60 * 0.5));
    QTRY_COMPARE_WITH_TIMEOUT(plot->curve().size(), 400, eventuallyMs);
    QTRY_VERIFY_WITH_TIMEOUT(peakIndex(plot->curve()) > 250, eventuallyMs);
    QVERIFY(plot->leftTag()->isVisible());
    tools->azimuthSlider()->setValue(10);
    QCOMPARE(plot->leftPerCent()->text(), QString("78%"));
    QVERIFY(!plot->rightPerCent()->isFadingIn());
    saveGrab(tools, "tools_tab_isolate_plot");

    // Off: the timer stops, and the plot shows nothing once it repaints.
    tools->isolatePowerButton()->switchOff();
    QVERIFY(!plot->repaintTimer()->isActive());
    QTRY_VERIFY(plot->leftTag()->isHidden());
    window.audioPlayer()->stop();
}
