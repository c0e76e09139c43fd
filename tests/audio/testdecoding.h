#pragma once

#include <QObject>

// Decoding streams: every supported format from the fixture files, exact samples for the
// lossless ones, downmixing, damaged and empty files, handle misuse.
class TestDecoding : public QObject
{
    Q_OBJECT
private slots:
    void formats_data();
    void formats();
    void losslessSamplesAreExact();
    void sixChannelsMixDownToStereo();
    void damagedFilesFailOrEnd_data();
    void damagedFilesFailOrEnd();
    void truncatedFilesDeliverWhatIsThere();
    void pathsAreLocalFileNames();
    void badHandlesAreRefused();
};
