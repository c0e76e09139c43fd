// The compiled-in images: every path the program loads exists with the size and
// frame layout its widget expects, the backgrounds stay see-through where live
// widgets lie under them, and the chord diagrams' voicings sound their chords.
#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <cmath>
#include <QtTest>

#include "resources/generator/artsizes.h"
#include "resources/generator/voicings.h"

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void imageSizes_data();
    void imageSizes();
    void sizeTableMatchesResources();
    void everyPathTheCodeLoadsExists();
    void stripFramesDiffer_data();
    void stripFramesDiffer();
    void knobFramesTurnWithTheValue();
    void sliderThumbFollowsTheValue();
    void litHalvesMatchTheStates();
    void riffRowsMarkTheirCell();
    void highlightsLetTextThrough();
    void waveFrameLeavesViewsVisible();
    void progressBarShowsThroughItsFrame();
    void tabFaceplatesLetBackgroundShow();
    void chordCellsShowTheWood();
    void powerChordCellsRepeatPerRoot();
    void chordVoicingsSoundTheirChords();
    void chordVoicingsArePlayable();
    void openShapesWhereTheyExist();
    void powerChordsSoundRootAndFifth();
};

namespace {

QImage load(const QString &path)
{
    QImage img(path);
    if (!img.isNull())
        img = img.convertToFormat(QImage::Format_ARGB32);
    return img;
}

int alphaAt(const QImage &img, int x, int y) { return qAlpha(img.pixel(x, y)); }

// Counts the pixels of a rectangle whose alpha is not zero.
int opaqueCount(const QImage &img, const QRect &r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qAlpha(img.pixel(x, y)) != 0)
                ++n;
    return n;
}

// Mean "warmth" (red minus blue, weighted by alpha) of a rectangle: lit controls glow orange.
double warmth(const QImage &img, const QRect &r)
{
    double sum = 0;
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = img.pixel(x, y);
            sum += (qRed(p) - qBlue(p)) * qAlpha(p) / 255.0;
            ++n;
        }
    return n ? sum / n : 0;
}

// Mean brightness of the opaque pixels near a point.
double brightnessNear(const QImage &img, const QPointF &c, int radius = 1)
{
    double sum = 0;
    int n = 0;
    for (int y = int(c.y()) - radius; y <= int(c.y()) + radius; ++y)
        for (int x = int(c.x()) - radius; x <= int(c.x()) + radius; ++x) {
            const QRgb p = img.pixel(x, y);
            sum += qGray(p) * qAlpha(p) / 255.0;
            ++n;
        }
    return sum / n;
}

// Point at a distance and angle (degrees, 0 = up, clockwise) from a centre.
QPointF polar(const QPointF &c, double r, double deg)
{
    const double a = deg * M_PI / 180.0;
    return QPointF(c.x() + r * std::sin(a), c.y() - r * std::cos(a));
}

// Pitch class (C = 0) of the chord viewer's roots, counted from A.
const int kRootPitch[12] = {9, 10, 11, 0, 1, 2, 3, 4, 5, 6, 7, 8};
// Intervals of the qualities major, m, 7, sus4, sus2, maj7, m7.
const QVector<QVector<int>> kQualityIntervals = {
    {0, 4, 7}, {0, 3, 7}, {0, 4, 7, 10}, {0, 5, 7}, {0, 2, 7}, {0, 4, 7, 11}, {0, 3, 7, 10}};
const int kOpenString[6] = {4, 9, 2, 7, 11, 4};  // E A D G B E

QSet<int> soundedPitchClasses(const Voicings::Shape &shape)
{
    QSet<int> pcs;
    for (int s = 0; s < 6; ++s)
        if (shape[size_t(s)] >= 0)
            pcs.insert((kOpenString[s] + shape[size_t(s)]) % 12);
    return pcs;
}

int bassPitchClass(const Voicings::Shape &shape)
{
    for (int s = 0; s < 6; ++s)
        if (shape[size_t(s)] >= 0)
            return (kOpenString[s] + shape[size_t(s)]) % 12;
    return -1;
}

QString shapeText(const Voicings::Shape &shape)
{
    QString t;
    for (int f : shape)
        t += f < 0 ? QString("x") : QString::number(f) + (f > 9 ? "," : "");
    return t;
}

} // namespace

void TestResources::imageSizes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("frameWidth");
    QTest::addColumn<int>("frameHeight");
    QTest::addColumn<int>("frames");
    QTest::addColumn<bool>("horizontal");

    // The sizes the widgets fix for their images: widget sizes, strip layouts and
    // the stated image sizes. Paths are spelled as the program loads them.
    struct Row { const char *path; int w, h, frames; bool horizontal; };
    const Row rows[] = {
        {":/images/splashscreen.png", 500, 300, 1, false},
        {":/images/icon_64.png", 64, 64, 1, false},
        {":/images/background_wave.png", 1000, 228, 1, false},
        {":/images/background_tabs.png", 1000, 355, 1, false},
        {":/images/background_transport.png", 1000, 91, 1, false},
        {":/images/progress_bar.png", 400, 12, 1, false},
        {":/images/progress_bar_background.png", 400, 12, 1, false},
        {":/images/zoom.png", 43, 18, 1, false},
        {":/images/zoom_minus.png", 43, 18, 1, false},
        {":/images/zoom_plus.png", 43, 18, 1, false},
        {":/images/tab_buttons/button_1.png", 350, 25, 1, false},
        {":/images/tab_buttons/button_2.png", 350, 25, 1, false},
        {":/images/tab_buttons/button_3.png", 350, 25, 1, false},
        // Transport bar.
        {":/images/transport/play.png", 42, 41, 3, false},
        {":/images/transport/play_pause.png", 42, 41, 2, false},
        {":/images/transport/stop.png", 42, 41, 2, false},
        {":/images/transport/fwd.png", 42, 41, 2, false},
        {":/images/transport/back.png", 42, 41, 2, false},
        {":/images/transport/loop.png", 42, 41, 2, false},
        {":/images/transport/transport_backing.png", 212, 45, 1, false},
        {":/images/transport/transport_grey.png", 212, 45, 1, false},
        {":/images/transport/clock_backing.png", 212, 24, 1, false},
        {":/images/transport/transport_knob.png", 50, 50, 100, false},
        {":images/transport/metronome_grey.png", 12, 12, 1, false},
        {":images/transport/metronome_red.png", 12, 12, 1, false},
        {":/images/transport/volume_label.png", 64, 24, 1, false},
        {":/images/transport/metronome_label.png", 88, 24, 1, false},
        // Real-time tools and shared controls.
        {":/images/real_time_tools/tool_overlay.png", 1000, 355, 1, false},
        {":/images/real_time_tools/knob_large.png", 85, 85, 200, false},
        {":/images/real_time_tools/knob_small.png", 64, 64, 100, false},
        {":/images/real_time_tools/slider.png", 350, 24, 100, false},
        {":/images/real_time_tools/power_on.png", 25, 25, 1, false},
        {":/images/real_time_tools/power_off.png", 25, 25, 1, false},
        {":/images/real_time_tools/power_on_small.png", 20, 20, 1, false},
        {":/images/real_time_tools/power_off_small.png", 20, 20, 1, false},
        {":/images/real_time_tools/plus_minus.png", 93, 20, 1, false},
        {":/images/real_time_tools/plus_minus_up.png", 93, 20, 1, false},
        {":/images/real_time_tools/plus_minus_down.png", 93, 20, 1, false},
        {":/images/real_time_tools/plus_minus_inactive.png", 93, 20, 1, false},
        {":/images/real_time_tools/plus_minus_fine_tune.png", 93, 20, 1, false},
        {":/images/real_time_tools/plus_minus_fine_tune_up.png", 93, 20, 1, false},
        {":/images/real_time_tools/plus_minus_fine_tune_down.png", 93, 20, 1, false},
        {":/images/real_time_tools/plus_minus_fine_tune_slider.png", 5, 20, 1, false},
        {":/images/real_time_tools/mute_solo.png", 43, 18, 2, false},
        {":/images/real_time_tools/hi_lo.png", 43, 18, 2, false},
        // Chord viewer, chord editor, chord filter.
        {":/images/chords/chords_overlay.png", 1000, 355, 1, false},
        {":/images/chords/chords.png", 126, 264, 84, true},
        {":/images/chords/power_chords.png", 126, 264, 84, true},
        {":/images/chords/wire.png", 126, 264, 1, false},
        {":/images/chords/ebony.png", 126, 264, 1, false},
        {":/images/chords/alder.png", 126, 264, 1, false},
        {":/images/chords/maple.png", 126, 264, 1, false},
        {":/images/chords/up.png", 70, 12, 2, false},
        {":/images/chords/down.png", 70, 12, 2, false},
        {":/images/chords/open.png", 45, 18, 2, false},
        {":/images/chords/power.png", 45, 18, 2, false},
        {":/images/chords/chord_filter_button.png", 89, 18, 2, false},
        {":/images/chords/modes_roll.png", 85, 18, 7, false},
        {":/images/chords/12_chords_roll.png", 32, 18, 12, false},
        {":/images/chords/modes_pane.png", 101, 147, 1, false},
        {":/images/chords/keys_pane.png", 64, 240, 1, false},
        {":/images/chords/highlight_modes.png", 81, 18, 1, false},
        {":/images/chords/highlight_keys.png", 35, 18, 1, false},
        {":/images/chords/single_chord_edit.png", 439, 136, 1, false},
        {":/images/chords/orange_dot.png", 14, 14, 1, false},
        {":/images/chords/cancel_button.png", 89, 18, 2, false},
        {":/images/chords/replace_button.png", 89, 18, 2, false},
        {":/images/chords/replace_all_button.png", 89, 18, 2, false},
        {":/images/chords/chord_drag_left.png", 20, 20, 2, false},
        {":/images/chords/chord_drag_right.png", 20, 20, 2, false},
        {":/images/chords/chord_filter_menu.png", 265, 329, 1, false},
        {":/images/chords/find_button.png", 42, 16, 2, false},
        {":/images/chords/none_button.png", 42, 16, 2, false},
        // Riff builder.
        {":/images/jam/jam_overlay.png", 1000, 355, 1, false},
        {":/images/jam/step_select.png", 480, 30, 16, false},
        {":/images/jam/song_step.png", 480, 30, 16, false},
        {":/images/jam/white_step_numbers.png", 480, 30, 1, false},
        {":/images/jam/highlight_steps.png", 480, 30, 16, false},
        {":/images/jam/loop_length.png", 480, 5, 16, false},
        {":/images/jam/loop_length_ball.png", 480, 10, 16, false},
        {":/images/jam/riff_id.png", 48, 18, 6, false},
        {":/images/jam/riff_menu.png", 45, 132, 1, false},
        {":/images/jam/highlight_riff.png", 25, 18, 1, false},
        {":/images/jam/beat_select_outline.png", 41, 37, 1, false},
        {":/images/jam/right_click_context.png", 128, 160, 1, false},
    };
    for (const Row &r : rows)
        QTest::newRow(r.path) << QString(r.path) << r.w << r.h << r.frames << r.horizontal;
    for (const char *code : {"gb", "fr", "de", "it", "nl", "dk", "fi", "no", "pt", "es", "se", "pl",
                             "ru", "jp", "cn", "kr", "in"}) {
        const QString path = QString(":/images/flags/%1.png").arg(code);
        QTest::newRow(qPrintable(path)) << path << ArtSizes::kFlagWidth << ArtSizes::kFlagHeight << 1
                                        << false;
    }
}

void TestResources::imageSizes()
{
    QFETCH(QString, path);
    QFETCH(int, frameWidth);
    QFETCH(int, frameHeight);
    QFETCH(int, frames);
    QFETCH(bool, horizontal);
    const QImage img = load(path);
    QVERIFY2(!img.isNull(), qPrintable(path + " is missing"));
    QCOMPARE(img.width(), horizontal ? frameWidth * frames : frameWidth);
    QCOMPARE(img.height(), horizontal ? frameHeight : frameHeight * frames);
    // No image is blank: something is drawn in every frame.
    for (int f = 0; f < frames; ++f) {
        const QRect r = horizontal ? QRect(f * frameWidth, 0, frameWidth, frameHeight)
                                   : QRect(0, f * frameHeight, frameWidth, frameHeight);
        QVERIFY2(opaqueCount(img, r) > 0, qPrintable(QString("frame %1 of %2 is empty").arg(f).arg(path)));
    }
}

void TestResources::sizeTableMatchesResources()
{
    // The shared size table that widget code may include agrees with the compiled images.
    for (const ArtSizes::ArtSize *a : ArtSizes::kAll) {
        const QImage img = load(QString(":/images/") + a->name);
        QVERIFY2(!img.isNull(), a->name);
        QCOMPARE(img.size(), QSize(a->width(), a->height()));
    }
    QCOMPARE(ArtSizes::kFlagCount, 17);
}

void TestResources::everyPathTheCodeLoadsExists()
{
    // Image paths written into the program's sources must all be compiled in. A path
    // that ends in "_" is a stem completed at run time (the tab buttons) and is checked
    // with its completions.
    const QRegularExpression literal(QStringLiteral("\":/?images/([^\"]*)\""));
    int found = 0;
    for (const char *folder : {"app", "audio", "metadata", "views", "preferences"}) {
        QDirIterator it(QString(PLECTRONOME_SOURCE_DIR) + "/" + folder, {"*.cpp", "*.h"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            auto matches = literal.globalMatch(text);
            while (matches.hasNext()) {
                const QString rest = matches.next().captured(1);
                const QString path = ":/images/" + rest;
                ++found;
                if (rest.endsWith('_')) {
                    for (int n = 1; n <= 3; ++n)
                        QVERIFY2(QFile::exists(path + QString::number(n) + ".png"),
                                 qPrintable(file.fileName() + ": " + path + "N.png"));
                } else {
                    QVERIFY2(QFile::exists(path), qPrintable(file.fileName() + ": " + path));
                }
            }
        }
    }
    QVERIFY2(found > 0, "no image paths found in the sources");
}

void TestResources::stripFramesDiffer_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("frameHeight");
    QTest::newRow("knob_large") << ":/images/real_time_tools/knob_large.png" << 85;
    QTest::newRow("knob_small") << ":/images/real_time_tools/knob_small.png" << 64;
    QTest::newRow("transport_knob") << ":/images/transport/transport_knob.png" << 50;
    QTest::newRow("slider") << ":/images/real_time_tools/slider.png" << 24;
    QTest::newRow("step_select") << ":/images/jam/step_select.png" << 30;
    QTest::newRow("song_step") << ":/images/jam/song_step.png" << 30;
    QTest::newRow("highlight_steps") << ":/images/jam/highlight_steps.png" << 30;
    QTest::newRow("loop_length") << ":/images/jam/loop_length.png" << 5;
    QTest::newRow("loop_length_ball") << ":/images/jam/loop_length_ball.png" << 10;
    QTest::newRow("riff_id") << ":/images/jam/riff_id.png" << 18;
    QTest::newRow("modes_roll") << ":/images/chords/modes_roll.png" << 18;
    QTest::newRow("keys_roll") << ":/images/chords/12_chords_roll.png" << 18;
    QTest::newRow("play_pause") << ":/images/transport/play_pause.png" << 41;
    QTest::newRow("mute_solo") << ":/images/real_time_tools/mute_solo.png" << 18;
    QTest::newRow("hi_lo") << ":/images/real_time_tools/hi_lo.png" << 18;
    QTest::newRow("open") << ":/images/chords/open.png" << 18;
    QTest::newRow("up") << ":/images/chords/up.png" << 12;
    QTest::newRow("find_button") << ":/images/chords/find_button.png" << 16;
    QTest::newRow("drag_left") << ":/images/chords/chord_drag_left.png" << 20;
}

void TestResources::stripFramesDiffer()
{
    // A strip whose frames were laid out wrongly shows the same picture for two values.
    QFETCH(QString, path);
    QFETCH(int, frameHeight);
    const QImage img = load(path);
    QVERIFY(!img.isNull());
    const int frames = img.height() / frameHeight;
    QCOMPARE(img.height() % frameHeight, 0);
    for (int f = 1; f < frames; ++f) {
        const QImage a = img.copy(0, (f - 1) * frameHeight, img.width(), frameHeight);
        const QImage b = img.copy(0, f * frameHeight, img.width(), frameHeight);
        QVERIFY2(a != b, qPrintable(QString("frames %1 and %2 of %3 are equal").arg(f - 1).arg(f).arg(path)));
    }
}

void TestResources::knobFramesTurnWithTheValue()
{
    // The pointer of frame n points where the value n sits on the dial: the lowest value
    // at the lower left, the highest at the lower right, the large knob's middle value
    // 99 straight up.
    struct Case { const char *path; int size; int frame; double angle; };
    const Case cases[] = {
        {":/images/real_time_tools/knob_large.png", 85, 0, -135},
        {":/images/real_time_tools/knob_large.png", 85, 99, 0},
        {":/images/real_time_tools/knob_large.png", 85, 199, 135},
        {":/images/real_time_tools/knob_small.png", 64, 0, -135},
        {":/images/real_time_tools/knob_small.png", 64, 99, 135},
        {":/images/transport/transport_knob.png", 50, 0, -135},
        {":/images/transport/transport_knob.png", 50, 99, 135},
    };
    for (const Case &c : cases) {
        const QImage strip = load(c.path);
        const QImage frame = strip.copy(0, c.frame * c.size, c.size, c.size);
        const QPointF centre(c.size / 2.0, c.size / 2.0);
        // The brightest direction on a circle across the pointer line is the pointer.
        const double r = c.size * 0.17;
        double best = -1, bestAngle = 0;
        for (int step = 0; step < 72; ++step) {
            const double a = -180 + step * 5;
            const double b = brightnessNear(frame, polar(centre, r, a));
            if (b > best) {
                best = b;
                bestAngle = a;
            }
        }
        double off = std::fmod(std::abs(bestAngle - c.angle), 360.0);
        off = std::min(off, 360 - off);
        QVERIFY2(off <= 10, qPrintable(QString("%1 frame %2 points at %3 degrees, not %4")
                                           .arg(c.path).arg(c.frame).arg(bestAngle).arg(c.angle)));
    }
}

void TestResources::sliderThumbFollowsTheValue()
{
    // A press at x puts the value (x - 23) / (0.867 x 350) x 100: the thumb of frame v
    // must stand at that x.
    const QImage strip = load(":/images/real_time_tools/slider.png");
    for (int v : {0, 25, 50, 75, 99}) {
        const QImage frame = strip.copy(0, v * 24, 350, 24);
        const double x = 23 + v * 0.867 * 350 / 100;
        // The thumb's cream line across its middle.
        QVERIFY2(qGray(frame.pixel(int(x), 12)) > 150, qPrintable(QString("value %1").arg(v)));
        QVERIFY2(qGray(frame.pixel(int(x) + 20, 12)) < 120, qPrintable(QString("value %1").arg(v)));
    }
}

void TestResources::litHalvesMatchTheStates()
{
    // Two-way switches: the upper half shows false, the lower half true, and a press on
    // the left half sets true, so the left word is lit in the lower frame.
    for (const char *path : {":/images/real_time_tools/mute_solo.png", ":/images/real_time_tools/hi_lo.png"}) {
        const QImage img = load(path);
        QVERIFY2(warmth(img, QRect(22, 0, 21, 18)) > warmth(img, QRect(0, 0, 21, 18)) + 10, path);
        QVERIFY2(warmth(img, QRect(0, 18, 21, 18)) > warmth(img, QRect(22, 18, 21, 18)) + 10, path);
    }
    // Chord type buttons: the selected frame is on top.
    for (const char *path : {":/images/chords/open.png", ":/images/chords/power.png"}) {
        const QImage img = load(path);
        QVERIFY2(warmth(img, QRect(0, 0, 45, 18)) > warmth(img, QRect(0, 18, 45, 18)) + 10, path);
    }
    // Two-frame buttons light up in their pressed frame.
    for (const char *path : {":/images/transport/play_pause.png", ":/images/transport/loop.png"}) {
        const QImage img = load(path);
        QVERIFY2(warmth(img, QRect(0, 41, 42, 41)) > warmth(img, QRect(0, 0, 42, 41)) + 10, path);
    }
    // The tab switch lights the third of the tab it shows.
    for (int n = 1; n <= 3; ++n) {
        const QImage img = load(QString(":/images/tab_buttons/button_%1.png").arg(n));
        for (int other = 1; other <= 3; ++other) {
            if (other == n)
                continue;
            QVERIFY(warmth(img, QRect((n - 1) * 116, 0, 116, 25)) >
                    warmth(img, QRect((other - 1) * 116, 0, 116, 25)) + 10);
        }
    }
    // The power switches glow when on.
    QVERIFY(warmth(load(":/images/real_time_tools/power_on.png"), QRect(0, 0, 25, 25)) >
            warmth(load(":/images/real_time_tools/power_off.png"), QRect(0, 0, 25, 25)) + 10);
}

void TestResources::riffRowsMarkTheirCell()
{
    const QImage steps = load(":/images/jam/step_select.png");
    const QImage song = load(":/images/jam/song_step.png");
    const QImage highlight = load(":/images/jam/highlight_steps.png");
    const QImage bar = load(":/images/jam/loop_length.png");
    const QImage ball = load(":/images/jam/loop_length_ball.png");
    for (int k = 0; k < 16; ++k) {
        const int other = (k + 5) % 16;
        // Row k of the step and song rows lights cell k (the playing step).
        QVERIFY(warmth(steps, QRect(30 * k + 4, 30 * k + 4, 22, 22)) >
                warmth(steps, QRect(30 * other + 4, 30 * k + 4, 22, 22)) + 10);
        QVERIFY(warmth(song, QRect(30 * k + 2, 30 * k + 2, 26, 26)) >
                warmth(song, QRect(30 * other + 2, 30 * k + 2, 26, 26)) + 10);
        // Row k of the highlight frames cell k and nothing else.
        QVERIFY(opaqueCount(highlight, QRect(30 * k, 30 * k, 30, 30)) > 0);
        QCOMPARE(opaqueCount(highlight, QRect(0, 30 * k, 30 * k, 30)), 0);
        QCOMPARE(opaqueCount(highlight, QRect(30 * k + 30, 30 * k, 480 - 30 * k - 30, 30)), 0);
        // Row k of the loop bar reaches into cell k and stops there; the ball sits in it.
        QVERIFY(alphaAt(bar, 30 * k + 8, 5 * k + 2) > 200);
        QCOMPARE(opaqueCount(bar, QRect(30 * k + 30, 5 * k, 480 - 30 * k - 30, 5)), 0);
        QVERIFY(alphaAt(ball, 30 * k + 15, 10 * k + 5) > 200);
        QCOMPARE(opaqueCount(ball, QRect(0, 10 * k, 30 * k, 10)), 0);
    }
    // The riff chooser shows riff n in row n, and its menu lists A to F in 18-pixel rows.
    const QImage riffs = load(":/images/jam/riff_id.png");
    for (int r = 1; r < 6; ++r)
        QVERIFY(riffs.copy(0, 18 * r, 48, 18) != riffs.copy(0, 0, 48, 18));
}

void TestResources::highlightsLetTextThrough()
{
    // Highlights lie above the menu texts as child labels: they must be see-through.
    for (const char *path : {":/images/chords/highlight_modes.png", ":/images/chords/highlight_keys.png",
                             ":/images/jam/highlight_riff.png", ":/images/real_time_tools/plus_minus_inactive.png",
                             ":/images/transport/transport_grey.png"}) {
        const QImage img = load(path);
        const QPoint inside(img.width() / 3, img.height() / 3);
        QVERIFY2(alphaAt(img, inside.x(), inside.y()) < 200, path);
        QVERIFY2(alphaAt(img, inside.x(), inside.y()) > 20, path);
    }
}

void TestResources::waveFrameLeavesViewsVisible()
{
    const QImage img = load(":/images/background_wave.png");
    QVERIFY(!img.isNull());
    // The waveform view and the overview strip lie under the frame.
    QCOMPARE(opaqueCount(img, QRect(59, 18, 884, 156)), 0);
    QCOMPARE(opaqueCount(img, QRect(59, 182, 884, 28)), 0);
    // The frame itself is solid around them.
    for (const QPoint &pt : {QPoint(20, 100), QPoint(980, 100), QPoint(500, 8), QPoint(500, 178),
                             QPoint(500, 220)})
        QCOMPARE(alphaAt(img, pt.x(), pt.y()), 255);
}

void TestResources::progressBarShowsThroughItsFrame()
{
    // The frame is painted over the bar, so the track inside it must let the bar show.
    const QImage frame = load(":/images/progress_bar_background.png");
    const QImage bar = load(":/images/progress_bar.png");
    QVERIFY(!frame.isNull() && !bar.isNull());
    for (int x = 10; x < 390; x += 20) {
        QVERIFY(alphaAt(frame, x, 8) < 40);
        QCOMPARE(alphaAt(bar, x, 6), 255);
    }
    QVERIFY(alphaAt(frame, 200, 0) > 200);
}

void TestResources::tabFaceplatesLetBackgroundShow()
{
    const QImage background = load(":/images/background_tabs.png");
    QCOMPARE(opaqueCount(background, background.rect()), background.width() * background.height());
    for (const char *path : {":/images/real_time_tools/tool_overlay.png", ":/images/chords/chords_overlay.png",
                             ":/images/jam/jam_overlay.png"}) {
        const QImage img = load(path);
        QVERIFY2(!img.isNull(), path);
        // Clear around the plate (the tab buttons sit there), solid on it.
        QCOMPARE(alphaAt(img, 500, 20), 0);
        QCOMPARE(alphaAt(img, 5, 200), 0);
        QCOMPARE(alphaAt(img, 995, 350), 0);
        QCOMPARE(alphaAt(img, 500, 340), 255);
        QCOMPARE(alphaAt(img, 60, 200), 255);
    }
}

void TestResources::chordCellsShowTheWood()
{
    for (const char *path : {":/images/chords/chords.png", ":/images/chords/power_chords.png"}) {
        const QImage img = load(path);
        QVERIFY(!img.isNull());
        for (int i = 0; i < 84; ++i) {
            const QRect cell(126 * i, 0, 126, 264);
            // Between the two lowest strings, just under the top of the neck.
            QCOMPARE(alphaAt(img, cell.x() + 31, 69), 0);
            const int opaque = opaqueCount(img, cell);
            QVERIFY2(opaque > 126 * 264 / 20, qPrintable(QString("cell %1 of %2 is nearly empty").arg(i).arg(path)));
            QVERIFY2(opaque < 126 * 264 * 6 / 10, qPrintable(QString("cell %1 of %2 hides the wood").arg(i).arg(path)));
        }
    }
    for (const char *wood : {":/images/chords/wire.png", ":/images/chords/ebony.png",
                             ":/images/chords/alder.png", ":/images/chords/maple.png"}) {
        const QImage img = load(wood);
        QCOMPARE(opaqueCount(img, img.rect()), 126 * 264);
    }
}

void TestResources::powerChordCellsRepeatPerRoot()
{
    const QImage power = load(":/images/chords/power_chords.png");
    const QImage open = load(":/images/chords/chords.png");
    for (int i = 12; i < 84; ++i)
        QCOMPARE(power.copy(126 * i, 0, 126, 264), power.copy(126 * (i % 12), 0, 126, 264));
    // The open chords differ from each other: each cell names and shows its own chord.
    for (int i = 1; i < 84; ++i)
        QVERIFY(open.copy(126 * i, 0, 126, 264) != open.copy(126 * (i - 1), 0, 126, 264));
}

void TestResources::chordVoicingsSoundTheirChords()
{
    for (int index = 0; index < Voicings::kChords; ++index) {
        const int root = kRootPitch[index % 12];
        QSet<int> want;
        for (int interval : kQualityIntervals[index / 12])
            want.insert((root + interval) % 12);
        const Voicings::Shape shape = Voicings::chordShape(index);
        const QString what = QString("chord %1 (%2%3) %4")
                                 .arg(index)
                                 .arg(Voicings::rootName(index % 12))
                                 .arg(Voicings::qualitySuffix(index / 12))
                                 .arg(shapeText(shape));
        QVERIFY2(soundedPitchClasses(shape) == want, qPrintable(what + " sounds other notes"));
        QVERIFY2(bassPitchClass(shape) == root, qPrintable(what + " has no root in the bass"));
    }
}

void TestResources::chordVoicingsArePlayable()
{
    for (int index = 0; index < Voicings::kChords; ++index) {
        const Voicings::Shape shape = Voicings::chordShape(index);
        const QString what = QString("chord %1 %2").arg(index).arg(shapeText(shape));
        QVector<int> fretted;
        int sounded = 0;
        for (int f : shape) {
            QVERIFY2(f >= Voicings::kMuted && f <= 12, qPrintable(what));
            if (f >= 0)
                ++sounded;
            if (f > 0)
                fretted << f;
        }
        QVERIFY2(sounded >= 3, qPrintable(what + " sounds fewer than three strings"));
        if (fretted.isEmpty())
            continue;
        const int lo = *std::min_element(fretted.begin(), fretted.end());
        const int hi = *std::max_element(fretted.begin(), fretted.end());
        QVERIFY2(hi - lo <= 3, qPrintable(what + " stretches over more than four frets"));
        // Four fingers, the index finger barring the lowest fret when it holds two notes.
        const int atLowest = int(std::count(fretted.begin(), fretted.end(), lo));
        const int fingers = atLowest >= 2 ? 1 + (fretted.size() - atLowest) : fretted.size();
        QVERIFY2(fingers <= 4, qPrintable(what + " needs more than four fingers"));
        // The diagram window shows every fretted note.
        const int base = Voicings::baseFret(shape);
        QVERIFY2(lo >= base && hi <= base + 4, qPrintable(what));
        // A drawn bar lies under every string from the bass up.
        if (const int barre = Voicings::barreFret(shape)) {
            QCOMPARE(barre, lo);
            bool below = true;
            for (int f : shape) {
                if (below && f == Voicings::kMuted)
                    continue;
                below = false;
                QVERIFY2(f >= barre, qPrintable(what + " has a string under the bar left open"));
            }
        }
    }
    // Familiar barre shapes are drawn with their bar.
    QCOMPARE(Voicings::barreFret(Voicings::chordShape(8)), 1);       // F: 1 3 3 2 1 1
    QCOMPARE(Voicings::barreFret(Voicings::chordShape(12 + 2)), 2);  // Bm: x 2 4 4 3 2
    QCOMPARE(Voicings::barreFret(Voicings::chordShape(5)), 0);       // D: x x 0 2 3 2
}

void TestResources::openShapesWhereTheyExist()
{
    // The open-position chords every guitarist learns first stay in the first three frets.
    const struct { int index; const char *name; } open[] = {
        {0, "A"}, {3, "C"}, {5, "D"}, {7, "E"}, {10, "G"}, {12, "Am"}, {17, "Dm"}, {19, "Em"},
        {24, "A7"}, {26, "B7"}, {29, "D7"}, {31, "E7"}, {34, "G7"}, {72, "Am7"}, {79, "Em7"}};
    for (const auto &c : open) {
        const Voicings::Shape shape = Voicings::chordShape(c.index);
        int highest = 0, openStrings = 0;
        for (int f : shape) {
            highest = std::max(highest, f);
            if (f == 0)
                ++openStrings;
        }
        QVERIFY2(highest <= 3 && openStrings >= 1, c.name);
    }
}

void TestResources::powerChordsSoundRootAndFifth()
{
    for (int root = 0; root < 12; ++root) {
        const Voicings::Shape shape = Voicings::powerChordShape(root);
        const int pc = kRootPitch[root];
        QCOMPARE(soundedPitchClasses(shape), (QSet<int>{pc, (pc + 7) % 12}));
        QCOMPARE(bassPitchClass(shape), pc);
    }
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
