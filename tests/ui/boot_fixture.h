#pragma once
#include "ui/boot.h"
#include "ui/errorbox.h"
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A short, playable wave: 16-bit mono samples behind the RIFF header.
inline QByteArray tinyWave()
{
    const QByteArray samples(64, '\0');
    QByteArray wave;
    QDataStream out(&wave, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples.size());
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(22050) << quint32(44100) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples.size());
    out.writeRawData(samples.constData(), int(samples.size()));
    return wave;
}

// A fresh folder standing in for the executable's; the lobby is started in it on demand, and
// the failures it would show in a box are collected instead.
class LobbyTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ui::setErrorSink([this](const QString& message) { errors.append(message); });
    }

    void TearDown() override
    {
        lobby.reset();
        ui::resetErrorSink();
    }

    QString exeDir() const { return dir.path() + QStringLiteral("/"); }

    void putFile(const QString& relative, const QByteArray& bytes)
    {
        const QString path = dir.filePath(relative);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    void putJoinSound() { putFile(QStringLiteral("snd/kako.wav"), tinyWave()); }

    ui::Tbootform& start()
    {
        lobby = std::make_unique<ui::Tbootform>(exeDir());
        return *lobby;
    }

    QTemporaryDir dir;
    QStringList errors;
    std::unique_ptr<ui::Tbootform> lobby;
};
