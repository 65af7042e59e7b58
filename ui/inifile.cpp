#include "ui/inifile.h"
#include "rules/failure.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>
#include <QCoreApplication>

namespace ui {
namespace {

enum class Kind { Other, Section, Key };

// One line of the file: its byte range and, for section and key lines, what it names.
struct Line {
    qsizetype begin = 0;
    qsizetype end = 0;  // end of the text, where the line break starts
    qsizetype next = 0; // first byte of the following line
    Kind kind = Kind::Other;
    QByteArray name;  // section or key name without the blanks around it
    QByteArray value; // a key's value without the blanks around it
};

bool isLeadByte(uchar c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
bool isTrailByte(uchar c)
{
    return c >= 0x40 && c <= 0xFC && c != 0x7F;
}

// Whether a double-byte character starts at i: its two bytes are never folded or split.
bool pairAt(QByteArrayView text, qsizetype i)
{
    return isLeadByte(uchar(text[i])) && i + 1 < text.size() && isTrailByte(uchar(text[i + 1]));
}

// The first single-byte c in text, or -1; the trail byte of a character never counts.
qsizetype findSingle(QByteArrayView text, char c)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (pairAt(text, i))
            ++i;
        else if (text[i] == c)
            return i;
    }
    return -1;
}

uchar foldAscii(uchar c)
{
    return c >= 'a' && c <= 'z' ? uchar(c - 'a' + 'A') : c;
}

// Names compare folding only ASCII letters.
bool sameName(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (pairAt(a, i)) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
            ++i;
        } else if (foldAscii(uchar(a[i])) != foldAscii(uchar(b[i]))) {
            return false;
        }
    }
    return true;
}

void classify(Line& line, const QByteArray& text)
{
    if (text.startsWith('[')) {
        const qsizetype close = findSingle(QByteArrayView(text).sliced(1), ']');
        if (close >= 0) {
            line.kind = Kind::Section;
            line.name = text.mid(1, close).trimmed();
            return;
        }
    }
    const qsizetype equals = findSingle(text, '=');
    if (text.startsWith(';') || equals < 0)
        return;
    line.name = text.left(equals).trimmed();
    line.value = text.mid(equals + 1).trimmed();
    line.kind = line.name.isEmpty() ? Kind::Other : Kind::Key;
}

// Lines end in CR LF, LF or a lone CR; the last line may have no break.
QList<Line> splitLines(const QByteArray& bytes)
{
    QList<Line> lines;
    qsizetype begin = 0;
    while (begin < bytes.size()) {
        Line line;
        line.begin = begin;
        line.end = begin;
        while (line.end < bytes.size() && bytes[line.end] != '\r' && bytes[line.end] != '\n')
            ++line.end;
        line.next = line.end;
        if (line.next < bytes.size() && bytes[line.next] == '\r')
            ++line.next;
        if (line.next < bytes.size() && bytes[line.next] == '\n')
            ++line.next;
        classify(line, bytes.mid(begin, line.end - begin).trimmed());
        lines.append(line);
        begin = line.next;
    }
    return lines;
}

// The first section line with this name, or -1.
qsizetype findSection(const QList<Line>& lines, QByteArrayView name)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == Kind::Section && sameName(lines[i].name, name))
            return i;
    }
    return -1;
}

// One past the last line of the section whose header is at index header.
qsizetype sectionEnd(const QList<Line>& lines, qsizetype header)
{
    qsizetype i = header + 1;
    while (i < lines.size() && lines[i].kind != Kind::Section)
        ++i;
    return i;
}

// The first line of the section that holds this key, or -1.
qsizetype findKey(const QList<Line>& lines, qsizetype header, QByteArrayView name)
{
    const qsizetype end = sectionEnd(lines, header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (lines[i].kind == Kind::Key && sameName(lines[i].name, name))
            return i;
    }
    return -1;
}

// The section's last key line, or its header when it has no key.
qsizetype lastKey(const QList<Line>& lines, qsizetype header)
{
    qsizetype last = header;
    for (qsizetype i = header + 1; i < sectionEnd(lines, header); ++i) {
        if (lines[i].kind == Kind::Key)
            last = i;
    }
    return last;
}

QByteArray encode(const QString& text)
{
    return QStringEncoder("CP932").encode(text);
}
QString decode(const QByteArray& bytes)
{
    return QStringDecoder("CP932").decode(bytes);
}

const QByteArray crlf = "\r\n";

// Puts the text of new lines after the given line, first ending that line if it has no break.
QByteArray insertedAfter(QByteArray bytes, const Line& line, const QByteArray& added)
{
    return bytes.insert(line.next, line.next == line.end ? crlf + added : added);
}

QByteArray withKey(const QByteArray& bytes, const QByteArray& section, const QByteArray& key, const QByteArray& value)
{
    const QList<Line> lines = splitLines(bytes);
    const QByteArray keyLine = key + '=' + value + crlf;
    const qsizetype header = findSection(lines, section);
    if (header < 0) {
        const QByteArray added = '[' + section + ']' + crlf + keyLine;
        return lines.isEmpty() ? added : insertedAfter(bytes, lines.last(), added);
    }
    const qsizetype found = findKey(lines, header, key);
    if (found < 0)
        return insertedAfter(bytes, lines[lastKey(lines, header)], keyLine);
    const Line& line = lines[found];
    if (line.value == value)
        return bytes;
    return QByteArray(bytes).replace(line.begin, line.next - line.begin, line.name + '=' + value + crlf);
}

// Whether the names and the value can be written so that they read back as they are.
bool storable(const QByteArray& section, const QByteArray& key, const QByteArray& value)
{
    const auto oneLine = [](const QByteArray& text) { return !text.contains('\r') && !text.contains('\n'); };
    return oneLine(section) && oneLine(key) && oneLine(value) && findSingle(section, ']') < 0 && !key.isEmpty() &&
           findSingle(key, '=') < 0 && !key.startsWith(';') && !key.startsWith('[');
}

// The whole file; empty when it does not exist, nothing when it exists but cannot be read.
std::optional<QByteArray> readIfReadable(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path))
{
}

const QString& IniFile::path() const
{
    return path_;
}

QByteArray IniFile::contents() const
{
    return readIfReadable(path_).value_or(QByteArray());
}

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const
{
    const QList<Line> lines = splitLines(contents());
    const qsizetype header = findSection(lines, encode(section).trimmed());
    const qsizetype found = header < 0 ? -1 : findKey(lines, header, encode(key).trimmed());
    return found < 0 ? def : decode(lines[found].value);
}

QList<QPair<QString, QString>> IniFile::readSection(const QString& section) const
{
    const QList<Line> lines = splitLines(contents());
    QList<QPair<QString, QString>> keys;
    const qsizetype header = findSection(lines, encode(section).trimmed());
    if (header < 0)
        return keys;
    for (qsizetype i = header + 1; i < sectionEnd(lines, header); ++i) {
        // A repeated key reads as its first line, as readString does.
        if (lines[i].kind == Kind::Key)
            keys.append({decode(lines[i].name), decode(lines[findKey(lines, header, lines[i].name)].value)});
    }
    return keys;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    const QByteArray sectionName = encode(section).trimmed();
    const QByteArray keyName = encode(key).trimmed();
    const QByteArray text = encode(value);
    const std::optional<QByteArray> before = readIfReadable(path_);
    if (!before || !storable(sectionName, keyName, text))
        cannotWrite();
    const QByteArray after = withKey(*before, sectionName, keyName, text);
    if (after != *before)
        save(after);
}

void IniFile::save(const QByteArray& bytes) const
{
    // The first write into the user's configuration folder makes the folder.
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    // A writable file in a read-only folder is written in place, as the platform would.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        cannotWrite();
}

void IniFile::cannotWrite() const
{
    throw Failure(QCoreApplication::translate("ui", "%1 に書き込めません").arg(path_));
}

} // namespace ui
