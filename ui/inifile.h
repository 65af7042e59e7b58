#pragma once
#include <QList>
#include <QPair>
#include <QString>

namespace ui {

// A Windows profile file: "[section]" lines, each followed by "key=value" lines, in code page
// 932. Worked on as raw bytes so that a write changes one line and keeps every other byte;
// nothing is cached, so each call sees the file as it is now.
class IniFile {
public:
    // path is the full path of the file; it appears as given in error messages.
    explicit IniFile(QString path);
    const QString& path() const;

    // A missing or unreadable file, section or key gives def.
    QString readString(const QString& section, const QString& key, const QString& def) const;
    // Every key line of the section as (key, value), in file order.
    QList<QPair<QString, QString>> readSection(const QString& section) const;
    // Throws Failure("<path> に書き込めません") and leaves the file as it was when the
    // file cannot be written or the text cannot stand on one line of it.
    void writeString(const QString& section, const QString& key, const QString& value);

private:
    QByteArray contents() const;
    void save(const QByteArray& bytes) const;
    [[noreturn]] void cannotWrite() const;

    QString path_;
};

} // namespace ui
