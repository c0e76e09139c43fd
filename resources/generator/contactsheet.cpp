#include "contactsheet.h"

#include "artlayout.h"
#include "artsizes.h"
#include "artstyle.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

using namespace ArtLayout;

namespace {

QImage frameOf(const QImage &strip, const ArtSizes::ArtSize &a, int n)
{
    if (a.horizontal)
        return strip.copy(n * a.frameWidth, 0, a.frameWidth, a.frameHeight);
    return strip.copy(0, n * a.frameHeight, a.frameWidth, a.frameHeight);
}

const ArtSizes::ArtSize *sizeOf(const QString &name)
{
    for (const ArtSizes::ArtSize *a : ArtSizes::kAll)
        if (name == QLatin1String(a->name))
            return a;
    return nullptr;
}

void overview(const QString &folder, const std::map<QString, QImage> &images)
{
    const int width = 1800;
    QImage sheet(width, 3600, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(40, 40, 40));
    QPainter p(&sheet);
    p.setFont(Art::captionFont(11, false));
    int x = 10, y = 10, rowHeight = 0;
    for (const auto &kv : images) {
        const QString &name = kv.first;
        const ArtSizes::ArtSize *a = sizeOf(name);
        if (a && (name.endsWith("chords.png") || a->width() >= 1000))
            continue;  // shown on their own pages
        QImage shown = kv.second;
        if (a && a->frames > 1) {
            // Up to eight frames side by side, evenly picked.
            const int n = std::min(a->frames, 8);
            QImage row = Art::blank(n * (a->frameWidth + 4), a->frameHeight);
            QPainter rp(&row);
            for (int k = 0; k < n; ++k) {
                const int f = n == 1 ? 0 : int(std::lround(double(k) * (a->frames - 1) / (n - 1)));
                rp.drawImage(k * (a->frameWidth + 4), 0, frameOf(kv.second, *a, f));
            }
            rp.end();
            shown = row;
        }
        const int scale = shown.width() < 120 && shown.height() < 120 ? 2 : 1;
        const int w = shown.width() * scale, h = shown.height() * scale + 16;
        if (x + w > width - 10) {
            x = 10;
            y += rowHeight + 12;
            rowHeight = 0;
        }
        p.setPen(QColor(200, 200, 200));
        p.drawText(x, y + 11, name);
        p.drawImage(QRect(x, y + 16, w, h - 16), shown);
        x += std::max(w, p.fontMetrics().horizontalAdvance(name)) + 16;
        rowHeight = std::max(rowHeight, h);
    }
    p.end();
    sheet.copy(0, 0, width, y + rowHeight + 20).save(folder + "/sheet_overview.png");
}

void chordSheet(const QString &folder, const std::map<QString, QImage> &images, const QString &name)
{
    const QImage strip = images.at(name);
    const char *woods[4] = {"chords/wire.png", "chords/ebony.png", "chords/alder.png",
                            "chords/maple.png"};
    QImage sheet(12 * 130, 7 * 268, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(40, 40, 40));
    QPainter p(&sheet);
    for (int i = 0; i < 84; ++i) {
        const int col = i % 12, row = i / 12;
        const QPoint at(col * 130 + 2, row * 268 + 2);
        p.drawImage(at, images.at(woods[(row + col) % 4]));
        p.drawImage(at, strip.copy(126 * i, 0, 126, 264));
    }
    p.end();
    sheet.save(folder + "/sheet_" + QFileInfo(name).baseName() + ".png");
}

void fakeWaveform(QPainter &p, const QRect &r)
{
    p.save();
    p.setPen(QColor(214, 100, 35));
    for (int x = r.left(); x <= r.right(); ++x) {
        const double t = (x - r.left()) / double(r.width());
        const double v = (0.35 + 0.3 * std::sin(t * 40) * std::sin(t * 7)) *
                         (0.6 + 0.4 * Art::hash01(x, 0, 3));
        const int c = r.center().y();
        p.drawLine(x, int(c - v * r.height() / 2), x, int(c + v * r.height() / 2));
    }
    p.restore();
}

QImage frame(const std::map<QString, QImage> &images, const QString &name, int n)
{
    const ArtSizes::ArtSize *a = sizeOf(name);
    return frameOf(images.at(name), *a, n);
}

void mockWindow(const QString &folder, const std::map<QString, QImage> &img, int tab)
{
    QImage win(1000, 674, QImage::Format_ARGB32_Premultiplied);
    win.fill(QColor(40, 40, 40));
    QPainter p(&win);
    // Waveform area.
    fakeWaveform(p, QRect(kWaveView.x, kWaveView.y, kWaveView.w, kWaveView.h - 32));
    fakeWaveform(p, QRect(kOverview.x, kOverview.y, kOverview.w, kOverview.h));
    p.drawImage(0, 0, img.at("background_wave.png"));
    p.drawImage(kZoomButtons.x, kZoomButtons.y, img.at("zoom.png"));
    p.drawImage(kScrollSwitch.x, kScrollSwitch.y, img.at("real_time_tools/power_on_small.png"));
    {
        QImage bar = img.at("progress_bar.png");
        const int x = 300, y = 228 / 2 - 6 - 15;
        const int sx = int(400 - 400 * 60 / 98.0);
        p.drawImage(QRect(x, y, 400, 12), bar, QRect(sx, 0, 400, 12));
        p.drawImage(x, y, img.at("progress_bar_background.png"));
    }
    // Tab area.
    const int ty = 228;
    p.translate(0, ty);
    p.drawImage(0, 0, img.at("background_tabs.png"));
    if (tab == 0) {
        p.drawImage(0, 0, img.at("real_time_tools/tool_overlay.png"));
        p.drawImage(kTempoKnob.x, kTempoKnob.y, frame(img, "real_time_tools/knob_large.png", 130));
        p.drawImage(kPitchKnob.x, kPitchKnob.y, frame(img, "real_time_tools/knob_large.png", 99));
        p.drawImage(kWidthKnob.x, kWidthKnob.y, frame(img, "real_time_tools/knob_small.png", 34));
        p.drawImage(kSeparationKnob.x, kSeparationKnob.y, frame(img, "real_time_tools/knob_small.png", 99));
        p.drawImage(kFilterKnob.x, kFilterKnob.y, frame(img, "real_time_tools/knob_small.png", 19));
        p.drawImage(kAzimuthSlider.x, kAzimuthSlider.y, frame(img, "real_time_tools/slider.png", 70));
        p.drawImage(kTempoPower.x, kTempoPower.y, img.at("real_time_tools/power_on.png"));
        p.drawImage(kPitchPower.x, kPitchPower.y, img.at("real_time_tools/power_off.png"));
        p.drawImage(kIsolatePower.x, kIsolatePower.y, img.at("real_time_tools/power_on.png"));
        p.drawImage(kMuteSoloSwitch.x, kMuteSoloSwitch.y, frame(img, "real_time_tools/mute_solo.png", 1));
        p.drawImage(kHiLoSwitch.x, kHiLoSwitch.y, frame(img, "real_time_tools/hi_lo.png", 0));
        p.drawImage(kBpmReadout.x, kBpmReadout.y, img.at("real_time_tools/plus_minus_up.png"));
        p.drawImage(kModeReadout.x, kModeReadout.y, img.at("real_time_tools/plus_minus.png"));
        p.drawImage(kSemitoneReadout.x, kSemitoneReadout.y, img.at("real_time_tools/plus_minus.png"));
        p.drawImage(kFineTuneReadout.x, kFineTuneReadout.y, img.at("real_time_tools/plus_minus_fine_tune.png"));
        p.drawImage(kFineTuneReadout.x + 24 + 30, kFineTuneReadout.y, img.at("real_time_tools/plus_minus_fine_tune_slider.png"));
        p.setPen(QColor(170, 170, 170));
        p.setFont(Art::captionFont(11, true));
        p.drawText(QRect(kBpmReadout.x, kBpmReadout.y, kBpmReadout.w, 18), Qt::AlignHCenter | Qt::AlignBottom, "126.5");
        p.drawText(QRect(kSemitoneReadout.x, kSemitoneReadout.y, kSemitoneReadout.w, 18), Qt::AlignHCenter | Qt::AlignBottom, "-2");
        // The isolate curve.
        QPainterPath curve;
        const QRect pr(kIsolatePlot.x, kIsolatePlot.y, kIsolatePlot.w, kIsolatePlot.h);
        curve.moveTo(pr.bottomLeft());
        for (int i = 0; i <= 100; ++i) {
            const double t = i / 100.0;
            curve.lineTo(pr.left() + t * pr.width(), pr.bottom() - pr.height() * 0.8 * std::exp(-std::pow((t - 0.5) * 4, 2)));
        }
        curve.lineTo(pr.bottomRight());
        p.setPen(QColor(175, 100, 30));
        p.setBrush(QColor(255, 150, 60, 160));
        p.drawPath(curve);
        p.setBrush(Qt::NoBrush);
    } else if (tab == 1) {
        p.drawImage(0, 0, img.at("jam/jam_overlay.png"));
        p.drawImage(kJamPower.x, kJamPower.y, img.at("real_time_tools/power_on.png"));
        p.drawImage(kRiffPlay.x, kRiffPlay.y, frame(img, "transport/play_pause.png", 1));
        p.drawImage(kSongPlay.x, kSongPlay.y, frame(img, "transport/play_pause.png", 0));
        p.drawImage(kBeatOffsetKnob.x, kBeatOffsetKnob.y, frame(img, "real_time_tools/knob_small.png", 49));
        p.drawImage(kRiffChooser.x, kRiffChooser.y, frame(img, "jam/riff_id.png", 2));
        p.drawImage(kStepRow.x, kStepRow.y, frame(img, "jam/step_select.png", 3));
        p.drawImage(QPoint(kStepRow.x, kStepRow.y), img.at("jam/white_step_numbers.png"), QRect(0, 0, 90, 30));
        p.drawImage(QPoint(kStepRow.x + 120, kStepRow.y), img.at("jam/white_step_numbers.png"), QRect(120, 0, 150, 30));
        p.drawImage(kStepRow.x, kStepRow.y, frame(img, "jam/highlight_steps.png", 9));
        p.drawImage(kLoopBar.x, kLoopBar.y + 2, frame(img, "jam/loop_length.png", 8));
        p.drawImage(kLoopBar.x, kLoopBar.y, frame(img, "jam/loop_length_ball.png", 8));
        p.drawImage(kSongRow.x, kSongRow.y, frame(img, "jam/song_step.png", 2));
        p.setPen(QColor(180, 180, 180));
        p.setFont(Art::captionFont(13, true));
        for (int k = 0; k < 16; ++k)
            p.drawText(QRect(kSongRow.x + 30 * k, kSongRow.y, 30, 30), Qt::AlignCenter, k < 5 ? QString(QChar('A' + k % 3)) : "-");
        p.drawImage(kRiffChooser.x - 3, kRiffChooser.y + 21, img.at("jam/riff_menu.png"));
        p.drawImage(kRiffChooser.x - 3 + 5, kRiffChooser.y + 21 + 24, img.at("jam/highlight_riff.png"));
        p.drawImage(220 + 30 * 12, 106, img.at("jam/right_click_context.png"));
        p.drawImage(220 + 30 * 12 + 10, 106 + 66, img.at("real_time_tools/plus_minus.png"));
        p.drawImage(255 + 30 * 6, 108, img.at("jam/beat_select_outline.png"));
    } else {
        p.drawImage(0, 0, img.at("chords/chords_overlay.png"));
        const QImage chords = img.at("chords/chords.png");
        auto diagram = [&](const Box &b, int index, const char *wood) {
            p.drawImage(QRect(b.x, b.y, b.w, b.h), img.at(wood));
            p.drawImage(QRect(b.x, b.y, b.w, b.h), chords, QRect(126 * index, 0, 126, 264));
        };
        diagram(kCurrentChord, 3, "chords/ebony.png");
        diagram(kNextChord, 10, "chords/ebony.png");
        diagram(kFinderChord, 12 + 7, "chords/ebony.png");
        for (int i = 0; i < 8; ++i)
            diagram(Box{79 + (i % 4) * 56, 78 + (i / 4) * 107, 47, 105}, (i * 13) % 84, "chords/ebony.png");
        p.drawImage(kScrollUpButton.x, kScrollUpButton.y, frame(img, "chords/up.png", 0).scaled(61, 12));
        p.drawImage(kScrollDownButton.x, kScrollDownButton.y, frame(img, "chords/down.png", 1).scaled(61, 12));
        p.drawImage(kKeyShiftReadout.x, kKeyShiftReadout.y, img.at("real_time_tools/plus_minus.png"));
        p.drawImage(kTempoReadout.x, kTempoReadout.y, img.at("real_time_tools/plus_minus.png"));
        p.drawImage(kTempoReadout.x, kTempoReadout.y, img.at("real_time_tools/plus_minus_inactive.png"));
        p.drawImage(kOpenButton.x, kOpenButton.y, frame(img, "chords/open.png", 0));
        p.drawImage(kPowerButton.x, kPowerButton.y, frame(img, "chords/power.png", 1));
        p.drawImage(kNeckChooser.x, kNeckChooser.y, img.at("real_time_tools/plus_minus.png"));
        p.drawImage(kCapoReadout.x, kCapoReadout.y, img.at("real_time_tools/plus_minus_down.png"));
        p.drawImage(kKeysRoll.x, kKeysRoll.y, frame(img, "chords/12_chords_roll.png", 7));
        p.drawImage(kModesRoll.x, kModesRoll.y, frame(img, "chords/modes_roll.png", 1));
        p.drawImage(792, 77, img.at("chords/modes_pane.png"));
        p.drawImage(792 + 7, 77 + 4 + 18 * 1, img.at("chords/highlight_modes.png"));
        p.setPen(QColor(146, 146, 146));
        p.setFont(Art::captionFont(18, true));
        p.drawText(QRect(kBeatsToNext.x, kBeatsToNext.y, kBeatsToNext.w, kBeatsToNext.h), Qt::AlignCenter, "3");
    }
    p.drawImage(kTabButtons.x, kTabButtons.y, img.at(QString("tab_buttons/button_%1.png").arg(tab + 1)));
    p.resetTransform();
    // Transport bar.
    p.translate(0, 583);
    p.drawImage(0, 0, img.at("background_transport.png"));
    p.drawImage(kMetronomeKnob.x, kMetronomeKnob.y, frame(img, "transport/transport_knob.png", 30));
    p.drawImage(kVolumeKnob.x, kVolumeKnob.y, frame(img, "transport/transport_knob.png", 99));
    p.drawImage(kMetronomeLamp.x, kMetronomeLamp.y, img.at("transport/metronome_red.png"));
    p.drawImage(kVolumeLabel.x, kVolumeLabel.y, img.at("transport/volume_label.png"));
    p.drawImage(kMetronomeLabel.x, kMetronomeLabel.y, img.at("transport/metronome_label.png"));
    const int bx = 394;
    p.drawImage(bx, 11, img.at("transport/clock_backing.png"));
    p.setPen(QColor(255, 140, 0));
    p.setFont(Art::captionFont(13, true));
    p.drawText(QRect(bx, 11, 212, 24), Qt::AlignCenter, "1:05.432 / 3:41.2");
    p.drawImage(bx, 35, img.at("transport/transport_backing.png"));
    const char *buttons[5] = {"loop", "back", "play_pause", "fwd", "stop"};
    for (int i = 0; i < 5; ++i)
        p.drawImage(bx + 1 + 42 * i, 37, frame(img, QString("transport/%1.png").arg(buttons[i]), i == 2 ? 1 : 0));
    if (tab == 1)
        p.drawImage(bx, 35, img.at("transport/transport_grey.png"));
    p.end();
    win.save(folder + QString("/mock_tab%1.png").arg(tab));
}

void popups(const QString &folder, const std::map<QString, QImage> &img)
{
    QImage sheet(760, 420, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(40, 40, 40));
    QPainter p(&sheet);
    // Chord editor with its buttons and a few dots.
    p.drawImage(10, 10, img.at("chords/single_chord_edit.png"));
    p.drawImage(10 + 329, 10 + 18, frame(img, "chords/replace_button.png", 0));
    p.drawImage(10 + 329, 10 + 40, frame(img, "chords/replace_all_button.png", 1));
    p.drawImage(10 + 329, 10 + 103, frame(img, "chords/cancel_button.png", 0));
    p.drawImage(10 + kEditDotX0 + kEditDotDx * 3, 10 + kEditDotY[0], img.at("chords/orange_dot.png"));
    p.drawImage(10 + kEditDotX0 + kEditDotDx * 7, 10 + kEditDotY[6], img.at("chords/orange_dot.png"));
    // Chord filter page.
    p.drawImage(470, 10, img.at("chords/chord_filter_menu.png"));
    p.drawImage(470 + 198, 10 + 265, frame(img, "chords/none_button.png", 0));
    p.drawImage(470 + 198, 10 + 283, frame(img, "chords/find_button.png", 0));
    for (int s = 0; s < 12; s += 3)
        p.drawImage(470 + kFilterDotX[(s / 3) % 7], 10 + kFilterDotY0 + kFilterDotDy * s, img.at("chords/orange_dot.png"));
    // Flags, enlarged and at their own size.
    int k = 0;
    for (const char *code : ArtSizes::kFlagCodes) {
        const QImage flag = img.at(QString("flags/%1.png").arg(code));
        const QPoint at(10 + (k % 6) * 72, 170 + (k / 6) * 76);
        p.drawImage(QRect(at, QSize(60, 40)), flag);
        p.drawImage(at + QPoint(15, 44), flag);
        ++k;
    }
    p.end();
    sheet.save(folder + "/sheet_popups.png");
}

// Small controls enlarged (pixel for pixel) to judge their detail.
void zoomSheet(const QString &folder, const std::map<QString, QImage> &img)
{
    const char *names[] = {"real_time_tools/mute_solo.png", "real_time_tools/hi_lo.png",
                           "real_time_tools/plus_minus.png", "real_time_tools/plus_minus_fine_tune_up.png",
                           "real_time_tools/plus_minus_inactive.png", "real_time_tools/power_on.png",
                           "real_time_tools/power_off_small.png", "zoom_plus.png", "chords/open.png",
                           "chords/chord_drag_left.png", "chords/up.png", "chords/orange_dot.png",
                           "jam/riff_id.png", "jam/highlight_riff.png", "jam/beat_select_outline.png",
                           "transport/metronome_red.png", "transport/loop.png", "chords/find_button.png",
                           "chords/modes_roll.png", "chords/12_chords_roll.png"};
    QImage sheet(1400, 1800, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(40, 40, 40));
    QPainter p(&sheet);
    int x = 10, y = 10, rowH = 0;
    for (const char *n : names) {
        QImage im = img.at(n);
        if (im.height() > 80)
            im = im.copy(0, 0, im.width(), std::min(im.height(), 80));
        const QImage big = im.scaled(im.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (x + big.width() > 1390) {
            x = 10;
            y += rowH + 10;
            rowH = 0;
        }
        p.drawImage(x, y, big);
        x += big.width() + 12;
        rowH = std::max(rowH, big.height());
    }
    // Knob frames at twice their size.
    y += rowH + 10;
    const QImage large = img.at("real_time_tools/knob_large.png");
    const QImage small = img.at("real_time_tools/knob_small.png");
    const QImage tk = img.at("transport/transport_knob.png");
    for (int k = 0; k < 5; ++k) {
        const int lf = std::min(199, k * 50), sf = std::min(99, k * 25);
        p.drawImage(QRect(10 + k * 270, y, 255, 255), large.copy(0, 85 * lf, 85, 85));
        p.drawImage(QRect(10 + k * 200, y + 265, 192, 192), small.copy(0, 64 * sf, 64, 64));
        p.drawImage(QRect(10 + k * 160, y + 467, 150, 150), tk.copy(0, 50 * sf, 50, 50));
    }
    p.end();
    sheet.save(folder + "/sheet_zoom.png");
}

} // namespace

void writeContactSheets(const QString &folder, const std::map<QString, QImage> &images)
{
    QDir().mkpath(folder);
    overview(folder, images);
    chordSheet(folder, images, "chords/chords.png");
    chordSheet(folder, images, "chords/power_chords.png");
    for (int tab = 0; tab < 3; ++tab)
        mockWindow(folder, images, tab);
    popups(folder, images);
    zoomSheet(folder, images);
    images.at("splashscreen.png").save(folder + "/splash.png");
}
