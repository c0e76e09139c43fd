#include "testimagecontrols.h"

#include "grabs.h"
#include "tests/eventually.h"
#include "views/playback/custombutton.h"
#include "views/playback/knob.h"
#include "views/playback/plusminusreadout.h"
#include "views/playback/powerbutton.h"
#include "views/playback/slider.h"
#include "views/playback/zoombuttons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>

namespace {

void sendWheel(QWidget *widget, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               QPointF pos = QPointF(5, 5))
{
    QWheelEvent event(pos, widget->mapToGlobal(pos.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

void sendMouse(QWidget *widget, QEvent::Type type, QPointF pos, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos.toPoint()), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

QPixmap strip(int width, int frameHeight, int frames)
{
    QPixmap pixmap(width, frameHeight * frames);
    pixmap.fill(Qt::black);
    return pixmap;
}

// A read-out that records what the shared model asks of it.
class ProbeReadout : public PlusMinusReadout
{
public:
    using PlusMinusReadout::PlusMinusReadout;
    QList<Zone> zones;
    QList<int> wheelDeltas;
    int resets = 0;
    float value = 120.4567f;

protected:
    void zonePressed(Zone zone, int) override { zones << zone; }
    void resetPressed() override { ++resets; }
    void wheelTurned(int delta) override { wheelDeltas << delta; }
    QString displayText() const override { return valueText(value); }
};

} // namespace

void TestImageControls::customButtonIgnoresOtherButtons()
{
    CustomButton button(strip(42, 41, 2), nullptr, true);
    button.resize(42, 41);
    QSignalSpy pressed(&button, &QAbstractButton::pressed);
    QSignalSpy released(&button, &QAbstractButton::released);
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QSignalSpy toggled(&button, &QAbstractButton::toggled);
    for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(&button, b, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(button.drawnState(), 0);
        QTest::mouseRelease(&button, b, Qt::NoModifier, QPoint(10, 10));
    }
    QCOMPARE(button.drawnState(), 0);
    QVERIFY(!button.isChecked());
    QCOMPARE(pressed.count() + released.count() + clicked.count() + toggled.count(), 0);
}

void TestImageControls::customButtonFramesFollowState()
{
    // A plain button shows frame 1 while held and frame 0 after.
    CustomButton plain(strip(42, 41, 2));
    plain.resize(42, 41);
    QSignalSpy clicked(&plain, &QAbstractButton::clicked);
    QTest::mousePress(&plain, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(plain.drawnState(), 1);
    QTest::mouseRelease(&plain, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(plain.drawnState(), 0);
    QCOMPARE(clicked.count(), 1);

    // A latching button toggles with each click and its frame follows.
    CustomButton loop(strip(42, 41, 2), nullptr, true);
    loop.resize(42, 41);
    QSignalSpy toggled(&loop, &QAbstractButton::toggled);
    QTest::mouseClick(&loop, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(loop.isChecked());
    QCOMPARE(loop.drawnState(), 1);
    QTest::mouseClick(&loop, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(!loop.isChecked());
    QCOMPARE(loop.drawnState(), 0);
    QCOMPARE(toggled.count(), 2);

    // Released outside: no toggle, and the frame shows the unchanged state.
    QTest::mousePress(&loop, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(&loop, Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    QVERIFY(!loop.isChecked());
    QCOMPARE(loop.drawnState(), 0);

    loop.latch();
    QVERIFY(loop.isChecked());
    QCOMPARE(loop.drawnState(), 1);
    loop.unlatch();
    QCOMPARE(loop.drawnState(), 0);
    loop.setChecked(true); // a session restore that sets the state directly
    QCOMPARE(loop.drawnState(), 1);
}

void TestImageControls::knobDragsOneStepPerPixelAndClamps()
{
    Knob knob;
    knob.setRange(0, 99);
    knob.setValue(40);
    knob.resize(64, 64);
    sendMouse(&knob, QEvent::MouseButtonPress, QPointF(30, 40.4), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(knob.value(), 40); // a press never jumps to the pointer
    sendMouse(&knob, QEvent::MouseMove, QPointF(50, 30.4), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(knob.value(), 50);
    sendMouse(&knob, QEvent::MouseMove, QPointF(0, 35), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(knob.value(), 45); // down lowers; x plays no part
    sendMouse(&knob, QEvent::MouseMove, QPointF(0, -500), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(knob.value(), 99);
    sendMouse(&knob, QEvent::MouseMove, QPointF(0, 0), Qt::NoButton, Qt::NoButton);
    QCOMPARE(knob.value(), 99); // moves without the button do nothing
    sendMouse(&knob, QEvent::MouseButtonRelease, QPointF(0, 0), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(knob.value(), 99);
}

void TestImageControls::knobResetsToDefaultThenSignals()
{
    Knob knob;
    knob.setRange(0, 199);
    knob.setDefaultValue(99);
    knob.setValue(150);
    knob.resize(85, 85);
    QStringList order;
    connect(&knob, &QAbstractSlider::valueChanged, [&](int v) { order << QString("value %1").arg(v); });
    connect(&knob, &Knob::resetKnob, [&] { order << "reset"; });

    sendMouse(&knob, QEvent::MouseButtonPress, QPointF(5, 5), Qt::RightButton, Qt::RightButton);
    QCOMPARE(order, QStringList({"value 99", "reset"}));

    knob.setValue(10);
    order.clear();
    sendMouse(&knob, QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::MetaModifier);
    QCOMPARE(order, QStringList({"value 99", "reset"}));

    // Meta with another modifier is a plain press; two buttons at once do nothing.
    knob.setValue(10);
    order.clear();
    sendMouse(&knob, QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
              Qt::MetaModifier | Qt::ShiftModifier);
    sendMouse(&knob, QEvent::MouseButtonPress, QPointF(5, 5), Qt::RightButton, Qt::LeftButton | Qt::RightButton);
    QVERIFY(order.isEmpty());
    QCOMPARE(knob.value(), 10);

    // A reset at the default still says so, without a value change.
    knob.setValue(99);
    order.clear();
    knob.resetToDefault();
    QCOMPARE(order, QStringList({"reset"}));
}

void TestImageControls::knobSizesAndSyncSignal()
{
    Knob knob;
    knob.setObjectName("pitchKnob");
    knob.setRange(0, 20);
    knob.setKnobSize(true);
    QCOMPARE(knob.value(), 20); // 49 held by the range in force
    QCOMPARE(knob.size(), QSize(85, 85));
    knob.setRange(0, 199);
    knob.setValue(7);
    knob.setKnobSize(false);
    QCOMPARE(knob.value(), 7);
    QCOMPARE(knob.size(), QSize(64, 64));

    QSignalSpy sync(&knob, &Knob::setSyncValueSignal);
    knob.increment();
    knob.decrement();
    knob.decrement();
    sendWheel(&knob, 120);
    knob.setDefaultValue(3);
    knob.resetToDefault();
    sendMouse(&knob, QEvent::MouseButtonPress, QPointF(5, 20), Qt::LeftButton, Qt::LeftButton);
    sendMouse(&knob, QEvent::MouseMove, QPointF(5, 18), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(sync.count(), 6);
    const QList<int> values{8, 7, 6, 7, 3, 5};
    for (int i = 0; i < sync.count(); ++i) {
        QCOMPARE(sync.at(i).at(0).toString(), QString("pitchKnob"));
        QCOMPARE(sync.at(i).at(1).toInt(), values.at(i));
    }

    QSignalSpy entered(&knob, &Knob::knobEntered);
    QSignalSpy exited(&knob, &Knob::knobExited);
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&knob, &enter);
    QApplication::sendEvent(&knob, &leave);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(exited.count(), 1);
}

void TestImageControls::wheelMovesOneStepPerNotch()
{
    Knob knob;
    knob.setRange(0, 99);
    knob.setValue(50);
    Slider slider;
    slider.setRange(0, 99);
    slider.setValue(50);
    slider.resize(350, 24);
    for (QAbstractSlider *control : {static_cast<QAbstractSlider *>(&knob), static_cast<QAbstractSlider *>(&slider)}) {
        sendWheel(control, 120);
        QCOMPARE(control->value(), 51);
        sendWheel(control, -120);
        sendWheel(control, -120);
        QCOMPARE(control->value(), 49);
        // A fine wheel: three thirds of a notch make one step.
        sendWheel(control, 40);
        sendWheel(control, 40);
        QCOMPARE(control->value(), 49);
        sendWheel(control, 40);
        QCOMPARE(control->value(), 50);
        for (int i = 0; i < 60; ++i)
            sendWheel(control, 120);
        QCOMPARE(control->value(), 99);
    }
}

void TestImageControls::sliderPressMapsPointerToValue()
{
    Slider slider;
    slider.setRange(0, 99);
    slider.resize(350, 24);
    slider.setValue(70);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(23, 10));
    QCOMPARE(slider.value(), 0);
    slider.setValue(70);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
    QCOMPARE(slider.value(), 0); // negative, held by the range
    // x = 175: trunc(1 / (350 x 0.867) x 152 x 100) = 50.
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(175, 10));
    QCOMPARE(slider.value(), 50);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(349, 10));
    QCOMPARE(slider.value(), 99);
    // Drag with the left button: same formula; x = 100 gives trunc(25.37) = 25.
    sendMouse(&slider, QEvent::MouseMove, QPointF(100, 10), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(slider.value(), 25);
    sendMouse(&slider, QEvent::MouseMove, QPointF(200, 10), Qt::NoButton, Qt::NoButton);
    QCOMPARE(slider.value(), 25);
    // Right press centres on maximum / 2; Meta + left too, after the position.
    QTest::mousePress(&slider, Qt::RightButton, Qt::NoModifier, QPoint(300, 10));
    QCOMPARE(slider.value(), 49);
    slider.setValue(10);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::MetaModifier, QPoint(300, 10));
    QCOMPARE(slider.value(), 49);
    slider.resetValue();
    QCOMPARE(slider.value(), 50);

    // Without a width yet a press changes nothing (no division by zero).
    Slider empty;
    empty.setRange(0, 99);
    empty.setValue(30);
    empty.resize(0, 24);
    QTest::mousePress(&empty, Qt::LeftButton, Qt::NoModifier, QPoint(0, 0));
    QCOMPARE(empty.value(), 30);
}

void TestImageControls::powerButtonEmitsOncePerChange()
{
    PowerButton button;
    button.resize(25, 25);
    QSignalSpy on(&button, &PowerButton::buttonOn);
    QSignalSpy stop(&button, &PowerButton::stop);

    // A press (any button) reports the state before it, once, and flips.
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QCOMPARE(on.count(), 1);
    QCOMPARE(on.takeFirst().at(0).toBool(), false); // it has just gone on
    QCOMPARE(stop.count(), 1);
    QVERIFY(button.isOn());
    QTest::mousePress(&button, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
    QCOMPARE(on.count(), 1);
    QCOMPARE(on.takeFirst().at(0).toBool(), true); // it has just gone off
    QVERIFY(!button.isOn());
    stop.clear();

    button.switchOff();
    QCOMPARE(on.count(), 0); // already off
    button.setValueFromSession(true);
    QCOMPARE(on.count(), 1);
    QCOMPARE(on.takeFirst().at(0).toBool(), false);
    button.setValueFromSession(true); // already on: still reported
    QCOMPARE(on.count(), 1);
    QCOMPARE(on.takeFirst().at(0).toBool(), false);
    button.switchOff();
    QCOMPARE(on.count(), 1);
    QCOMPARE(on.takeFirst().at(0).toBool(), true);
    QVERIFY(!button.isOn());
    button.setValueFromJamPlay(false);
    QCOMPARE(on.count(), 1);
    QCOMPARE(on.takeFirst().at(0).toBool(), false);
    QVERIFY(button.isOn());
    button.setValueFromJamPlay(true);
    QCOMPARE(on.count(), 1);
    QCOMPARE(on.takeFirst().at(0).toBool(), true);
    QVERIFY(!button.isOn());
    QCOMPARE(stop.count(), 0); // only a press sends stop()

    // Keyboard and click() do not change a switch behind its owner's back.
    button.click();
    QCOMPARE(on.count(), 0);
    QVERIFY(!button.isOn());
    QCOMPARE(button.focusPolicy(), Qt::NoFocus);

    button.setState(true);
    QCOMPARE(button.sizeHint(), QSize(20, 20));
}

void TestImageControls::zoomButtonsHalves()
{
    ZoomButtons zoom;
    zoom.resize(43, 18);
    QSignalSpy spy(&zoom, &ZoomButtons::zoom);
    QTest::mousePress(&zoom, Qt::LeftButton, Qt::NoModifier, QPoint(20, 9));
    QVERIFY(zoom.minusPressed());
    QTest::mouseRelease(&zoom, Qt::LeftButton, Qt::NoModifier, QPoint(20, 9));
    QVERIFY(!zoom.minusPressed());
    QTest::mousePress(&zoom, Qt::LeftButton, Qt::NoModifier, QPoint(21, 9)); // width / 2: zooms in
    QVERIFY(zoom.plusPressed());
    QTest::mouseRelease(&zoom, Qt::LeftButton, Qt::NoModifier, QPoint(21, 9));
    QTest::mousePress(&zoom, Qt::RightButton, Qt::NoModifier, QPoint(30, 9));
    QVERIFY(!zoom.plusPressed());
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toInt(), -120);
    QCOMPARE(spy.at(1).at(0).toInt(), 120);
}

void TestImageControls::readoutZonesRepeatAndReset()
{
    ProbeReadout readout;
    QCOMPARE(readout.size(), QSize(93, 20));
    for (int x : {0, 23, 24, 68, 69, 92}) {
        QTest::mousePress(&readout, Qt::LeftButton, Qt::NoModifier, QPoint(x, 10));
        QCOMPARE(readout.pressX(), x);
        QTest::mouseRelease(&readout, Qt::LeftButton, Qt::NoModifier, QPoint(x, 10));
        QCOMPARE(readout.pressX(), -1);
        QCOMPARE(readout.shownZone(), PlusMinusReadout::MiddleZone);
    }
    using Z = PlusMinusReadout::Zone;
    QCOMPARE(readout.zones, QList<Z>({Z::MinusZone, Z::MinusZone, Z::MiddleZone, Z::MiddleZone, Z::PlusZone,
                                      Z::PlusZone}));

    // Held in the plus zone: repeats after 650 ms, every 35 ms, with the plus image.
    QVERIFY(readout.autoRepeat());
    QCOMPARE(readout.autoRepeatDelay(), 650);
    QCOMPARE(readout.autoRepeatInterval(), 35);
    readout.zones.clear();
    QTest::mousePress(&readout, Qt::LeftButton, Qt::NoModifier, QPoint(80, 10));
    QCOMPARE(readout.shownZone(), PlusMinusReadout::PlusZone);
    QCOMPARE(readout.zones.count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(readout.zones.count() >= 4, eventuallyMs);
    QCOMPARE(readout.shownZone(), PlusMinusReadout::PlusZone);
    QTest::mouseRelease(&readout, Qt::LeftButton, Qt::NoModifier, QPoint(80, 10));
    const int afterRelease = readout.zones.count();
    QTest::qWait(100);
    QCOMPARE(readout.zones.count(), afterRelease);

    // Held in the middle: one press only.
    readout.zones.clear();
    QTest::mousePress(&readout, Qt::LeftButton, Qt::NoModifier, QPoint(40, 10));
    QVERIFY(!readout.acceptsPress());
    QTest::qWait(800);
    QCOMPARE(readout.zones.count(), 1);
    QTest::mouseRelease(&readout, Qt::LeftButton, Qt::NoModifier, QPoint(40, 10));
    QVERIFY(readout.acceptsPress());

    // Resets: right press, or Meta + left; no zone step.
    readout.zones.clear();
    QTest::mousePress(&readout, Qt::RightButton, Qt::NoModifier, QPoint(80, 10));
    QTest::mouseRelease(&readout, Qt::RightButton, Qt::NoModifier, QPoint(80, 10));
    QTest::mousePress(&readout, Qt::LeftButton, Qt::MetaModifier, QPoint(5, 10));
    QTest::mouseRelease(&readout, Qt::LeftButton, Qt::MetaModifier, QPoint(5, 10));
    QCOMPARE(readout.resets, 2);
    QVERIFY(readout.zones.isEmpty());

    sendWheel(&readout, 120);
    sendWheel(&readout, -1);
    sendWheel(&readout, 0);
    QCOMPARE(readout.wheelDeltas, QList<int>({120, -1, 0}));
}

void TestImageControls::readoutInactiveOverlaySwallowsMouse()
{
    QWidget parent;
    ProbeReadout readout(&parent);
    parent.show();
    readout.setInactive(true);
    QVERIFY(readout.isInactive());
    QTest::mouseClick(readout.inactiveOverlay(), Qt::LeftButton, Qt::NoModifier, QPoint(80, 10));
    QTest::mouseClick(readout.inactiveOverlay(), Qt::RightButton, Qt::NoModifier, QPoint(80, 10));
    sendWheel(readout.inactiveOverlay(), 120);
    QVERIFY(readout.zones.isEmpty());
    QCOMPARE(readout.resets, 0);
    QVERIFY(readout.wheelDeltas.isEmpty());
    readout.setInactive(false);
    QTest::mouseClick(&readout, Qt::LeftButton, Qt::NoModifier, QPoint(80, 10));
    QCOMPARE(readout.zones.count(), 1);
}

void TestImageControls::readoutValueText()
{
    QCOMPARE(PlusMinusReadout::valueText(120.4567f), QString("120.45"));
    QCOMPARE(PlusMinusReadout::valueText(120.0f), QString("120"));
    QCOMPARE(PlusMinusReadout::valueText(-3.5f), QString("-3.5"));
    QCOMPARE(PlusMinusReadout::valueText(0.25f), QString("0.25"));
    QCOMPARE(PlusMinusReadout::valueText(1234567.0f), QString("1.23457e+06"));
}

void TestImageControls::controlsPaintWithAndWithoutImages()
{
    // Every control paints, with the compiled-in images or without any.
    QWidget row;
    row.setAutoFillBackground(true);
    QPalette palette = row.palette();
    palette.setColor(QPalette::Window, QColor(40, 40, 40));
    row.setPalette(palette);
    auto *layout = new QHBoxLayout(&row);
    auto *play = new CustomButton(QPixmap(":/images/transport/play_pause.png"), &row, true);
    play->setFixedSize(42, 41);
    play->latch();
    auto *bare = new CustomButton(QPixmap(), &row);
    bare->setFixedSize(42, 41);
    auto *large = new Knob(&row);
    large->setRange(0, 199);
    large->setKnobSize(true);
    large->setValue(150);
    auto *small = new Knob(&row);
    small->setKnobSize(false);
    small->setValue(20);
    auto *noImage = new Knob(&row);
    noImage->setFixedSize(50, 50);
    noImage->setImage(QPixmap());
    noImage->setValue(75);
    auto *slider = new Slider(&row);
    slider->setRange(0, 99);
    slider->setFixedSize(350, 24);
    slider->setValue(30);
    auto *powerOn = new PowerButton(&row);
    powerOn->setFixedSize(25, 25);
    powerOn->setValueFromSession(true);
    auto *powerSmall = new PowerButton(&row);
    powerSmall->setState(true);
    powerSmall->setFixedSize(20, 20);
    auto *zoom = new ZoomButtons(&row);
    zoom->setFixedSize(43, 18);
    auto *readout = new ProbeReadout(&row);
    for (QWidget *w : std::initializer_list<QWidget *>{play, bare, large, small, noImage, slider, powerOn, powerSmall,
                                                       zoom, readout})
        layout->addWidget(w);
    row.show();
    const QImage image = row.grab().toImage();
    QVERIFY(!image.isNull());
    // The knob without a strip still draws its fallback dial (not the plain background).
    const QImage knobImage = noImage->grab().toImage();
    bool drawn = false;
    for (int y = 0; y < knobImage.height() && !drawn; ++y)
        for (int x = 0; x < knobImage.width() && !drawn; ++x)
            drawn = knobImage.pixelColor(x, y).alpha() > 0;
    QVERIFY(drawn);
    saveGrab(&row, "image_controls");
}
