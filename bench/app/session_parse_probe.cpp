// session_parse_probe: the time the session reader takes to accept or refuse hostile session
// files of up to the size cap (4 MB): many attributes or namespace declarations on one
// element, many deep subtrees, a million elements, comments or processing instructions,
// and the largest file that still passes; a full session of six riffs and a song for
// comparison. Each file is read the way the window reads it (SessionDocument::parse).
// Usage: session_parse_probe [--bytes=N] [--only=NAME]   (N: the files' size, default the cap)
#include "app/sessiondocument.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// prefix, then units made by unit(i) until the file would pass `bytes`, then suffix.
QByteArray filled(const QByteArray &prefix, const std::function<QByteArray(int)> &unit, const QByteArray &suffix,
                  qint64 bytes)
{
    QByteArray xml = prefix;
    xml.reserve(int(bytes));
    for (int i = 0;; ++i) {
        const QByteArray next = unit(i);
        if (xml.size() + next.size() + suffix.size() > bytes)
            break;
        xml += next;
    }
    return xml + suffix;
}

QByteArray fullSession()
{
    SessionDocument s;
    for (const QString &key : SessionDocument::valueKeys())
        s.setValue(key, "12345");
    s.setValue("fileName", "/home/someone/Music/A rather long folder name/and a song title.flac");
    for (SessionDocument::Riff &riff : s.riffs) {
        riff.length = "15";
        riff.lengthMax = "15";
        riff.hasSteps = true;
        for (SessionDocument::Step &step : riff.steps) {
            step.beat = "1234";
            step.state = "2";
            step.startSample = "10485760";
            step.endSample = "10507810";
            step.semitone = "-11.5";
            step.interp = "0.514496";
        }
    }
    s.songLength = "15";
    s.songLengthMax = "15";
    for (QString &slot : s.songSlots)
        slot = "5";
    return s.toXml();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qint64 bytes = SessionDocument::maximumFileBytes;
    QString only;
    for (const QString &arg : app.arguments().mid(1)) {
        if (arg.startsWith("--bytes="))
            bytes = arg.mid(8).toLongLong();
        else if (arg.startsWith("--only="))
            only = arg.mid(7);
    }
    const QByteArray head = "<!DOCTYPE PQXML>\n<pqxml>\n";
    const QByteArray n = QByteArray::number(0);
    struct Case {
        const char *name;
        QByteArray xml;
    };
    const QByteArray deepOpen = QByteArray("<a>").repeated(4000);
    const QByteArray deepClose = QByteArray("</a>").repeated(4000);
    const Case cases[] = {
        {"full session", fullSession()},
        {"attributes", filled(head + "<fileName", [](int i) { return " a" + QByteArray::number(i) + "=\"\""; },
                              ">x</fileName></pqxml>\n", bytes)},
        {"namespaces", filled(head + "<fileName",
                              [](int i) { return " xmlns:a" + QByteArray::number(i) + "=\"u\""; },
                              ">x</fileName></pqxml>\n", bytes)},
        {"attribute defaults", filled("<!DOCTYPE pqxml [<!ATTLIST fileName",
                                      [](int i) { return " a" + QByteArray::number(i) + " CDATA \"x\""; },
                                      ">]>\n<pqxml><fileName>x</fileName></pqxml>\n", bytes)},
        {"4000-deep subtrees", filled(head, [&](int) { return deepOpen + deepClose; }, "</pqxml>\n", bytes)},
        {"flat elements", filled(head, [](int) { return QByteArray("<a/>"); }, "</pqxml>\n", bytes)},
        {"comments", filled(head, [](int) { return QByteArray("<!---->"); }, "</pqxml>\n", bytes)},
        {"instructions", filled(head, [](int) { return QByteArray("<?a?>"); }, "</pqxml>\n", bytes)},
        {"character references", filled(head + "<fileName>", [](int) { return QByteArray("&#65;"); },
                                        "</fileName></pqxml>\n", bytes)},
        {"long attribute values",
         filled(head, [](int i) { return "<a x=\"" + QByteArray(60000, 'v') + "\" y=\"" + QByteArray::number(i) + "\"/>"; },
                "</pqxml>\n", bytes)},
        {"long text", filled(head + "<fileName>", [](int) { return QByteArray(4096, 't'); }, "</fileName></pqxml>\n",
                             bytes)},
        {"long names", filled(head, [](int i) { return "<" + QByteArray(480, 'n') + QByteArray::number(i) + "/>"; },
                              "</pqxml>\n", bytes)},
        // As many elements, attributes and levels as may pass, the rest of the cap in text.
        {"largest that passes",
         filled(head + QByteArray("<a>").repeated(SessionDocument::maximumDepth - 2),
                [&](int i) {
                    QByteArray e = "<e";
                    for (int a = 0; a < SessionDocument::maximumAttributes; ++a)
                        e += " a" + QByteArray::number(a) + "=\"" + QByteArray::number(i) + "\"";
                    const int text = int(bytes / (SessionDocument::maximumNodes - SessionDocument::maximumDepth));
                    return e + ">" + QByteArray(std::max(0, text - e.size() - 5), 't') + "</e>\n";
                },
                QByteArray("</a>").repeated(SessionDocument::maximumDepth - 2) + "</pqxml>\n", bytes)},
    };
    std::printf("%-24s %10s %9s %12s\n", "file", "bytes", "accepted", "ms");
    for (const Case &c : cases) {
        if (!only.isEmpty() && only != QLatin1String(c.name))
            continue;
        SessionDocument session;
        QElapsedTimer clock;
        clock.start();
        const bool accepted = session.parse(c.xml);
        std::printf("%-24s %10d %9s %12.1f\n", c.name, c.xml.size(), accepted ? "yes" : "no",
                    clock.nsecsElapsed() / 1e6);
        std::fflush(stdout);
    }
    return 0;
}
