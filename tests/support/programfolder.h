#pragma once
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

// A fresh folder standing in for the executable's: the pictures, sounds and setting.ini that
// the program finds beside itself are put here, so each test and each program keeps its own.
class ProgramFolder {
public:
    bool isValid() const { return dir.isValid(); }
    // With the trailing slash, as the windows take their folder.
    QString exeDir() const { return dir.path() + u'/'; }
    QString path(const QString& relative) const { return exeDir() + relative; }

    // False when the file could not be written whole.
    bool writeFile(const QString& relative, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(path(relative)).absolutePath());
        QFile file(path(relative));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    // One file of the source tree's assets/, e.g. "snd/kako.wav", copied to the same place here.
    bool copyShippedFile(const QString& relative) const
    {
        QDir().mkpath(QFileInfo(path(relative)).absolutePath());
        return QFile::copy(shipped(relative), path(relative));
    }

    // Every picture and sound the program ships.
    bool copyShippedAssets() const
    {
        for (const char* folder : {"img/", "snd/"})
            for (const QString& name : QDir(shipped(QLatin1String(folder))).entryList(QDir::Files))
                if (!copyShippedFile(QLatin1String(folder) + name))
                    return false;
        return true;
    }

    // Where the source tree keeps a shipped file, e.g. "img/old.bmp".
    static QString shipped(const QString& relative) { return QStringLiteral(TAISEN_SOURCE_DIR "/assets/") + relative; }

private:
    QTemporaryDir dir;
};
