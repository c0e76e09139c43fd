#include "app/sessiondocument.h"

#include <QDomDocument>
#include <QDomElement>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstring>
#include <functional>
#include <iterator>

namespace {

const char *const stepNames[] = {"beat", "state", "startSample", "endSample", "semitone", "interp"};

QString *stepField(SessionDocument::Step &step, int i)
{
    QString *fields[] = {&step.beat, &step.state, &step.startSample, &step.endSample, &step.semitone, &step.interp};
    return fields[i];
}

QDomElement textElement(QDomDocument &doc, const QString &name, const QString &text)
{
    QDomElement e = doc.createElement(name);
    e.appendChild(doc.createTextNode(text));
    return e;
}

// The prefixes that hold further values ("toolsTab", "toolsTab/tempo", ...).
const QSet<QString> &groupKeys()
{
    static const QSet<QString> groups = [] {
        QSet<QString> g;
        for (const QString &key : SessionDocument::valueKeys()) {
            for (int slash = key.indexOf('/'); slash > 0; slash = key.indexOf('/', slash + 1))
                g.insert(key.left(slash));
        }
        return g;
    }();
    return groups;
}

const QSet<QString> &leafKeys()
{
    static const QSet<QString> leaves = [] {
        QSet<QString> l;
        for (const QString &key : SessionDocument::valueKeys())
            l.insert(key);
        return l;
    }();
    return leaves;
}

} // namespace

const QStringList &SessionDocument::valueKeys()
{
    static const QStringList keys = {
        "fileName", "looped", "loopStart", "loopEnd", "volume", "currentTab", "playbackPos", "scrollButton",
        "toolsTab/tempo/mode", "toolsTab/tempo/bpm", "toolsTab/tempo/knobValue", "toolsTab/tempo/state",
        "toolsTab/pitch/semitones", "toolsTab/pitch/fineTune", "toolsTab/pitch/knobValue", "toolsTab/pitch/state",
        // Ours: the pitch factor that plays, which the semitones keep only to a hundredth.
        "toolsTab/pitch/interp",
        "toolsTab/sourceSep/sepKnobValue", "toolsTab/sourceSep/widthKnobValue", "toolsTab/sourceSep/filterKnobValue",
        "toolsTab/sourceSep/hilo", "toolsTab/sourceSep/azimuthValue", "toolsTab/sourceSep/solo",
        "toolsTab/sourceSep/state",
        "chordsTab/openClosed", "chordsTab/neckType", "chordsTab/capo", "chordsTab/openContainerPos",
        "chordsTab/powerContainerPos", "chordsTab/finderChord",
        "riffsTab/powerButton", "riffsTab/currentRiff", "riffsTab/beatOffset",
        "plot/zoomCentrePos", "plot/zoomFactor"};
    return keys;
}

bool SessionDocument::sameRiffsAndSong(const SessionDocument &other) const
{
    for (int r = 0; r < riffCount; ++r) {
        const Riff &a = riffs[r];
        const Riff &b = other.riffs[r];
        if (a.length != b.length || a.lengthMax != b.lengthMax || a.hasSteps != b.hasSteps)
            return false;
        for (int k = 0; k < stepCount; ++k) {
            Step x = a.steps[k];
            Step y = b.steps[k];
            for (int i = 0; i < 6; ++i) {
                if (*stepField(x, i) != *stepField(y, i))
                    return false;
            }
        }
    }
    if (songLength != other.songLength || songLengthMax != other.songLengthMax)
        return false;
    return std::equal(std::begin(songSlots), std::end(songSlots), std::begin(other.songSlots));
}

QByteArray SessionDocument::toXml() const
{
    QDomDocument doc("PQXML");
    QDomElement root = doc.createElement("pqxml");
    doc.appendChild(root);

    // Groups are made (and placed) when their first value is written.
    QHash<QString, QDomElement> groups;
    groups.insert(QString(), root);
    for (const QString &key : valueKeys()) {
        const int slash = key.lastIndexOf('/');
        const QString parentKey = slash < 0 ? QString() : key.left(slash);
        if (!groups.contains(parentKey)) {
            QString built;
            for (const QString &part : parentKey.split('/')) {
                const QString next = built.isEmpty() ? part : built + '/' + part;
                if (!groups.contains(next)) {
                    QDomElement group = doc.createElement(part);
                    groups[built].appendChild(group);
                    groups.insert(next, group);
                }
                built = next;
            }
        }
        groups[parentKey].appendChild(textElement(doc, key.mid(slash + 1), value(key)));
    }

    // The riffs and the song close the riff builder's group.
    QDomElement riffsTab = groups.value("riffsTab");
    for (int r = 0; r < riffCount; ++r) {
        QDomElement riff = doc.createElement("riff");
        riff.setAttribute("id", qlonglong(r));
        if (riffs[r].hasSteps)
            riff.setAttribute("hasSteps", qlonglong(1));
        riff.appendChild(textElement(doc, "riffLength", riffs[r].length));
        riff.appendChild(textElement(doc, "riffLengthMax", riffs[r].lengthMax));
        for (int k = 0; k < stepCount; ++k) {
            QDomElement step = doc.createElement("step");
            step.setAttribute("id", qlonglong(k));
            Step s = riffs[r].steps[k];
            for (int i = 0; i < 6; ++i)
                step.appendChild(textElement(doc, stepNames[i], *stepField(s, i)));
            riff.appendChild(step);
        }
        riffsTab.appendChild(riff);
    }
    QDomElement song = doc.createElement("song");
    song.appendChild(textElement(doc, "songLength", songLength));
    song.appendChild(textElement(doc, "songLengthMax", songLengthMax));
    for (int k = 0; k < songSlotCount; ++k) {
        QDomElement step = textElement(doc, "step", songSlots[k]);
        step.setAttribute("id", qlonglong(k));
        song.appendChild(step);
    }
    riffsTab.appendChild(song);
    // The DOM writes an element's attributes in the order of a hash seeded anew in every
    // run: a riff's come out id first, so that the same session is always the same text.
    QString text = doc.toString(1);
    static const QRegularExpression hasStepsFirst(QStringLiteral("<riff hasSteps=\"1\" id=\"(\\d+)\">"));
    text.replace(hasStepsFirst, QStringLiteral("<riff id=\"\\1\" hasSteps=\"1\">"));
    return text.toUtf8();
}

namespace {

void readRiff(const QDomElement &riffElement, SessionDocument::Riff &riff)
{
    int k = 0;
    for (QDomElement c = riffElement.firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
        const QString tag = c.tagName();
        if (tag == "riffLength") {
            riff.length = c.text();
        } else if (tag == "riffLengthMax") {
            riff.lengthMax = c.text();
        } else if (tag == "step") {
            // Steps count by their order in the riff; their ids are not read.
            if (k >= SessionDocument::stepCount)
                continue;
            SessionDocument::Step &step = riff.steps[k++];
            for (QDomElement f = c.firstChildElement(); !f.isNull(); f = f.nextSiblingElement()) {
                for (int i = 0; i < 6; ++i) {
                    if (f.tagName() == QLatin1String(stepNames[i]))
                        *stepField(step, i) = f.text();
                }
            }
        }
    }
}

// The tag that starts at `p` (just after its "<") ends at the first ">" outside a quoted
// value. Counts on the way the "=" outside quotes, which every attribute and namespace
// declaration has one of, and the "[" that opens a document type's declarations. Returns
// the end, or `end` when the tag does not close.
const char *tagEnd(const char *p, const char *end, int &equals, int &brackets)
{
    char quote = 0;
    for (; p < end; ++p) {
        const char c = *p;
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return p;
        } else if (c == '=') {
            ++equals;
        } else if (c == '[') {
            ++brackets;
        }
    }
    return end;
}

bool startsWith(const char *p, const char *end, const char *text)
{
    const size_t n = std::strlen(text);
    return size_t(end - p) >= n && std::memcmp(p, text, n) == 0;
}

// The position just past `marker` at or after p, or `end`.
const char *pastMarker(const char *p, const char *end, const char *marker)
{
    const int at = QByteArray::fromRawData(p, int(end - p)).indexOf(marker);
    return at < 0 ? end : p + at + std::strlen(marker);
}

// Walks the bytes once before any XML reader sees them, and stops at the first thing
// beyond the limits: the readers take the square of an element's attributes in time
// (minutes for the 200,000 a file of the size cap may hold on one element) before they
// report the element at all, and seconds over a million nodes. Comments, instructions and
// character data sections are stepped over, as their text may hold anything.
bool markupWithinLimits(const QByteArray &xml)
{
    const char *p = xml.constData();
    const char *const end = p + xml.size();
    int nodes = 0;
    while ((p = static_cast<const char *>(std::memchr(p, '<', size_t(end - p)))) != nullptr) {
        ++p;
        if (p < end && *p == '/') {
            p = static_cast<const char *>(std::memchr(p, '>', size_t(end - p)));
            if (!p)
                break;
            continue;
        }
        if (++nodes > SessionDocument::maximumNodes)
            return false;
        if (startsWith(p, end, "!--")) {
            p = pastMarker(p + 3, end, "-->");
        } else if (startsWith(p, end, "![CDATA[")) {
            p = pastMarker(p + 8, end, "]]>");
        } else if (startsWith(p, end, "?")) {
            p = pastMarker(p + 1, end, "?>");
        } else {
            // A document type's own declarations are refused here too: the readers take
            // the square of the attribute defaults they declare in time.
            int equals = 0;
            int brackets = 0;
            const bool declaration = *p == '!';
            p = tagEnd(p, end, equals, brackets);
            if (equals > SessionDocument::maximumAttributes || (declaration && brackets > 0))
                return false;
        }
    }
    return true;
}

// Reads the text once without building anything: a session is plain elements and text.
// A document type with declarations, an entity other than the five of XML itself, or
// deeper nesting than a session may hold makes the text no session; the tree builder
// would expand such entities without limit and recurse once per level.
bool isPlainSessionText(const QByteArray &xml)
{
    if (!markupWithinLimits(xml))
        return false;
    QXmlStreamReader reader(xml);
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            if (reader.text().contains('[') || !reader.dtdPublicId().isEmpty() || !reader.dtdSystemId().isEmpty())
                return false;
            break;
        case QXmlStreamReader::EntityReference:
            return false;
        case QXmlStreamReader::StartElement:
            if (++depth > SessionDocument::maximumDepth)
                return false;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return !reader.hasError();
}

} // namespace

bool SessionDocument::parse(const QByteArray &xml)
{
    if (xml.size() > maximumFileBytes || !isPlainSessionText(xml))
        return false;
    QDomDocument doc;
    if (!doc.setContent(xml))
        return false;
    const QDomElement root = doc.documentElement();
    if (root.tagName() != "pqxml")
        return false;

    *this = SessionDocument();
    // Walks one level: values are stored, known groups are entered.
    std::function<void(const QDomElement &, const QString &)> walk = [&](const QDomElement &parent,
                                                                       const QString &prefix) {
        for (QDomElement c = parent.firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
            const QString key = prefix.isEmpty() ? c.tagName() : prefix + '/' + c.tagName();
            if (leafKeys().contains(key)) {
                m_values.insert(key, c.text());
            } else if (key == "riffsTab/riff") {
                // A riff without an id is riff 0; one outside 0..5 is dropped.
                const QString idText = c.attribute("id", "0");
                bool ok = false;
                int id = idText.trimmed().toInt(&ok);
                if (!ok)
                    id = 0;
                if (id >= 0 && id < riffCount) {
                    readRiff(c, riffs[id]);
                    riffs[id].hasSteps = c.attribute("hasSteps").trimmed() == QLatin1String("1");
                }
            } else if (key == "riffsTab/song") {
                int slot = 0;
                for (QDomElement s = c.firstChildElement(); !s.isNull(); s = s.nextSiblingElement()) {
                    if (s.tagName() == "songLength")
                        songLength = s.text();
                    else if (s.tagName() == "songLengthMax")
                        songLengthMax = s.text();
                    else if (s.tagName() == "step" && slot < songSlotCount)
                        songSlots[slot++] = s.text();
                }
            } else if (groupKeys().contains(key)) {
                walk(c, key);
            }
        }
    };
    walk(root, QString());
    return true;
}
