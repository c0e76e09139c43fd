// SessionDocument: the contents of one session file (".pq"): which audio file, the loop,
// the open tab, the play position, the tools, the chord viewer, the six riffs, the song
// and the zoom. It only turns these values into the file's XML text and back; every
// value is kept as the text the file holds, and the main window checks each one when
// it applies it (mainwindowsession.cpp). Nothing here touches a widget.
//
// The file is UTF-8 XML with the document type "PQXML" and the root element "pqxml",
// written one element per line with one space of indent per level. Existing session
// files depend on this exact form: change nothing of the names or the order.
#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

class SessionDocument
{
public:
    static constexpr int riffCount = 6;
    static constexpr int stepCount = 16;
    static constexpr int songSlotCount = 16;
    // A real session is some 40 kB; larger files are not sessions and are not parsed.
    static constexpr qint64 maximumFileBytes = 4 * 1024 * 1024;
    // What a session file may hold. Our writer nests five levels deep (pqxml, riffsTab,
    // riff, step, beat), puts at most two attributes on an element, writes some 750
    // elements and no comments or instructions. The limits leave room for unknown elements
    // and values added later, and keep the XML readers quick: both slow down with the
    // square of the attributes on one element, and a file of the size cap may otherwise
    // hold a million nodes or thousands of levels.
    static constexpr int maximumDepth = 32;
    static constexpr int maximumAttributes = 8;  // on one element, namespace declarations included
    static constexpr int maximumNodes = 4096;    // elements, comments, instructions, character data sections

    struct Step {
        QString beat;
        QString state;
        QString startSample;
        QString endSample;
        QString semitone = QStringLiteral("0");
        QString interp = QStringLiteral("1");
    };
    struct Riff {
        QString length;
        QString lengthMax;
        Step steps[stepCount];
        // Written as the attribute hasSteps="1" on a riff that holds at least one step.
        // Older files lack it; their empty riffs may carry a first-step marker that reads
        // like a one-step riff on the first beat, and only this tells the two apart.
        bool hasSteps = false;
    };

    // The plain values, keyed by their place in the file: "looped", "toolsTab/tempo/bpm",
    // "chordsTab/capo", "riffsTab/beatOffset", "plot/zoomFactor" ... (see valueKeys()).
    // A value never set reads as "0", as does an element the file lacks.
    QString value(const QString &key) const { return m_values.value(key, QStringLiteral("0")); }
    void setValue(const QString &key, const QString &text) { m_values.insert(key, text); }
    bool hasValue(const QString &key) const { return m_values.contains(key); }
    // Every key, in the order the file writes them ("fileName" first, "plot/zoomFactor"
    // last; the riffs and the song sit between "riffsTab/beatOffset" and "plot").
    static const QStringList &valueKeys();

    Riff riffs[riffCount];
    QString songLength;
    QString songLengthMax;
    QString songSlots[songSlotCount];

    // True when both hold the same six riffs (steps, pitches, lengths) and the same song.
    bool sameRiffsAndSong(const SessionDocument &other) const;

    // The file's text, exactly as it is written to disk.
    QByteArray toXml() const;
    // Reads a session's text. False (and nothing read) when it is not well-formed XML, its
    // root is not "pqxml", or it holds what no session needs: a document type with
    // declarations, entities, or more depth, attributes or nodes than the limits above;
    // these are refused after one quick walk over the bytes. Unknown elements are
    // skipped; riffs whose id lies outside 0..5 and steps or song slots beyond the
    // sixteenth are dropped.
    bool parse(const QByteArray &xml);

private:
    QHash<QString, QString> m_values;
};
