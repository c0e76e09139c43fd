#include "app/settingsfilecheck.h"

#include <QFile>
#include <QStringList>
#include <QtEndian>

namespace {

// Lists and maps nested deeper than this are no settings of anyone's.
constexpr int kDeepestNesting = 64;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isSpecial(char c)
{
    return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}

// The next line of the file as QSettings splits it: a quoted part or a backslash may carry
// a line over a line break, and a line that starts with ';' is a comment. equalsPos is the
// first '=' outside quotes, -1 when there is none.
bool nextLine(const QByteArray &data, int &pos, int &lineStart, int &lineLength, int &equalsPos)
{
    const int size = data.size();
    bool inQuotes = false;
    equalsPos = -1;
    lineStart = pos;
    while (lineStart < size && isSpace(data.at(lineStart)))
        ++lineStart;
    int i = lineStart;
    bool ended = false;
    while (i < size && !ended) {
        char ch = data.at(i);
        while (!isSpecial(ch) && ++i < size)
            ch = data.at(i);
        if (i == size)
            break;
        ++i;
        if (ch == '=') {
            if (!inQuotes && equalsPos == -1)
                equalsPos = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == lineStart + 1) {
                ++lineStart;
            } else if (!inQuotes) {
                --i;
                ended = true;
            }
        } else if (ch == '\\') {
            if (i < size) {
                const char next = data.at(i++);
                if (i < size) {
                    const char after = data.at(i);
                    if ((next == '\n' && after == '\r') || (next == '\r' && after == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else if (i == lineStart + 1) { // ';' starting a comment line
            while (i < size && data.at(i) != '\n' && data.at(i) != '\r')
                ++i;
            while (i < size && isSpace(data.at(i)))
                ++i;
            lineStart = i;
        } else if (!inQuotes) { // ';' ending the line
            --i;
            ended = true;
        }
    }
    pos = i;
    lineLength = i - lineStart;
    return lineLength > 0;
}

void chopTrailingSpaces(QString &text, int limit)
{
    int n = text.size() - 1;
    while (n >= limit && (text.at(n) == ' ' || text.at(n) == '\t'))
        text.truncate(n--);
}

int digitValue(char ch, int base)
{
    int value = -1;
    if (ch >= '0' && ch <= '9')
        value = ch - '0';
    else if (ch >= 'A' && ch <= 'F')
        value = ch - 'A' + 10;
    else if (ch >= 'a' && ch <= 'f')
        value = ch - 'a' + 10;
    return value >= 0 && value < base ? value : -1;
}

// The texts of a value as QSettings reads them (escapes, quotes, and commas between the
// items of a list), each of which it then turns into a value of its own.
QStringList valueTexts(const QByteArray &data, int from, int to, bool utf8)
{
    static const char escapes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'}, {'t', '\t'},
                                      {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    QStringList items;
    QString text;
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    int i = from;
    auto skipSpaces = [&] {
        while (i < to && (data.at(i) == ' ' || data.at(i) == '\t'))
            ++i;
    };
    skipSpaces();
    int chopLimit = 0;
    bool chopAtEnd = true;
    while (i < to) {
        const char ch = data.at(i);
        if (ch == '\\') {
            if (++i >= to) {
                chopAtEnd = false;
                break;
            }
            const char code = data.at(i++);
            bool simple = false;
            for (const auto &escape : escapes) {
                if (code == escape[0]) {
                    text += QLatin1Char(escape[1]);
                    simple = true;
                    break;
                }
            }
            const int base = code == 'x' ? 16 : (code >= '0' && code <= '7' ? 8 : 0);
            if (base == 8)
                --i; // the first digit is part of the number
            if (base != 0 && (base == 8 || (i < to && digitValue(data.at(i), 16) >= 0))) {
                // As many digits as follow; only the low 16 bits make the character.
                quint32 value = 0;
                while (i < to && digitValue(data.at(i), base) >= 0)
                    value = value * quint32(base) + quint32(digitValue(data.at(i++), base));
                text += QChar(ushort(value & 0xffff));
                if (i >= to) {
                    chopAtEnd = false;
                    break;
                }
            } else if (base == 16 && i >= to) {
                chopAtEnd = false;
                break;
            } else if (!simple && (code == '\n' || code == '\r') && i < to) {
                const char after = data.at(i);
                if ((after == '\n' || after == '\r') && after != code)
                    ++i;
            }
            chopLimit = text.size();
        } else if (ch == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipSpaces();
                chopLimit = text.size();
            }
        } else if (ch == ',' && !inQuotes) {
            if (!quoted)
                chopTrailingSpaces(text, chopLimit);
            isList = true;
            items << text;
            text.clear();
            quoted = false;
            ++i;
            skipSpaces();
            chopLimit = 0;
        } else {
            int j = i + 1;
            while (j < to && data.at(j) != '\\' && data.at(j) != '"' && data.at(j) != ',')
                ++j;
            text += utf8 ? QString::fromUtf8(data.constData() + i, j - i)
                         : QString::fromLatin1(data.constData() + i, j - i);
            i = j;
        }
    }
    if (chopAtEnd && !quoted)
        chopTrailingSpaces(text, chopLimit);
    if (!isList)
        return {text};
    items << text;
    return items;
}

// Walks one stored object (QDataStream's form of a QVariant) without building it.
class StoredObject
{
public:
    explicit StoredObject(const QByteArray &bytes) : m_bytes(bytes) {}

    // The form of "@Variant(": numbers of the Qt 4 stream, no null flag.
    bool walkVariant(int depth = 0)
    {
        quint32 type = 0;
        if (depth > kDeepestNesting || !number(type))
            return false;
        const int size = fixedSize(type);
        if (size >= 0)
            return skip(size);
        quint32 count = 0;
        switch (type) {
        case 0: // nothing, with an empty text after it in this form
        case 10: // text
            return text();
        case 12: // bytes
            return bytes();
        case 11: // text list
            if (!itemCount(count, 4))
                return false;
            for (quint32 i = 0; i < count; ++i) {
                if (!text())
                    return false;
            }
            return true;
        case 9: // list
            if (!itemCount(count, 4))
                return false;
            for (quint32 i = 0; i < count; ++i) {
                if (!walkVariant(depth + 1))
                    return false;
            }
            return true;
        case 8: // map
        case 28: // hash
            if (!itemCount(count, 8))
                return false;
            for (quint32 i = 0; i < count; ++i) {
                if (!text() || !walkVariant(depth + 1))
                    return false;
            }
            return true;
        default:
            return false;
        }
    }

    // The form of "@DateTime(": Qt 5.6 stream with a null flag; only a date and time,
    // which reads a bounded number of fields.
    bool walkDateTime()
    {
        quint32 type = 0;
        return number(type) && type == 16 && skip(1);
    }

private:
    // Bytes of the kinds of fixed size, by their numbers in the Qt 4 stream.
    static int fixedSize(quint32 type)
    {
        switch (type) {
        case 1: // bool
        case 131: // char
        case 134: // unsigned char
        case 137: // signed char
            return 1;
        case 7: // character
        case 130: // short
        case 133: // unsigned short
            return 2;
        case 2: // int
        case 3: // unsigned int
        case 14: // date
        case 15: // time
        case 135: // float
            return 4;
        case 4: // 64-bit int
        case 5: // unsigned 64-bit int
        case 6: // double
        case 21: // size
        case 25: // point
        case 129: // long
        case 132: // unsigned long
            return 8;
        case 16: // date and time
            return 9;
        case 19: // rectangle
        case 22: // size (real)
        case 23: // line
        case 26: // point (real)
            return 16;
        case 20: // rectangle (real)
        case 24: // line (real)
            return 32;
        default:
            return -1;
        }
    }

    qint64 left() const { return qint64(m_bytes.size()) - m_pos; }

    bool skip(qint64 count)
    {
        if (count < 0 || count > left())
            return false;
        m_pos += int(count);
        return true;
    }

    bool number(quint32 &value)
    {
        if (left() < 4)
            return false;
        value = qFromBigEndian<quint32>(m_bytes.constData() + m_pos);
        m_pos += 4;
        return true;
    }

    // A count of items, each at least smallest bytes: never more than the bytes left hold.
    bool itemCount(quint32 &count, int smallest) { return number(count) && qint64(count) * smallest <= left(); }

    bool bytes()
    {
        quint32 length = 0;
        return number(length) && (length == 0xffffffffu || skip(length));
    }

    bool text()
    {
        quint32 length = 0;
        return number(length) && (length == 0xffffffffu || (length % 2 == 0 && skip(length)));
    }

    const QByteArray &m_bytes;
    int m_pos = 0;
};

// A value text as QSettings turns it into a value: only "@Variant(...)" and
// "@DateTime(...)" go through QDataStream.
bool textIsSound(const QString &text)
{
    if (!text.startsWith('@') || !text.endsWith(')'))
        return true;
    const bool variant = text.startsWith(QLatin1String("@Variant("));
    if (!variant && !text.startsWith(QLatin1String("@DateTime(")))
        return true;
    const QByteArray stored = text.mid(variant ? 9 : 10).toLatin1();
    StoredObject object(stored);
    return variant ? object.walkVariant() : object.walkDateTime();
}

} // namespace

bool SettingsFileCheck::fileIsSound(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return contentIsSound(file.readAll());
}

bool SettingsFileCheck::contentIsSound(const QByteArray &content)
{
    // QSettings reads the text as Latin-1, or as UTF-8 after a byte order mark. Both
    // readings are checked, so the one Qt takes is among them.
    auto sound = [&content](int start, bool utf8) {
        int pos = start;
        int lineStart = 0;
        int lineLength = 0;
        int equalsPos = -1;
        while (nextLine(content, pos, lineStart, lineLength, equalsPos)) {
            // Group headers and lines without a key hold no value.
            if (content.at(lineStart) == '[' || equalsPos < 0)
                continue;
            for (const QString &text : valueTexts(content, equalsPos + 1, lineStart + lineLength, utf8)) {
                if (!textIsSound(text))
                    return false;
            }
        }
        return true;
    };
    const bool bom = content.startsWith("\xef\xbb\xbf");
    return sound(0, false) && (!bom || sound(3, true));
}
