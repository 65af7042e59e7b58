#pragma once
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Text in code page 932, as the settings file holds it; the test sources are UTF-8.
inline QByteArray sjis(const char* utf8)
{
    return QStringEncoder("CP932").encode(QString::fromUtf8(utf8));
}

inline QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// A fresh folder per test with "setting.ini" not yet in it.
class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    void put(const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray bytes() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool exists() const { return QFile::exists(path); }

    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir;
    QString path = dir.filePath("setting.ini");
};
