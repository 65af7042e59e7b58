#pragma once
#include "ui/boot.h"
#include "ui/errorbox.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

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

    // The program's own join sound, from the assets beside the test binary.
    void putJoinSound()
    {
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("snd")));
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/snd/kako.wav"),
                                dir.filePath(QStringLiteral("snd/kako.wav"))));
    }

    ui::Tbootform& start()
    {
        lobby = std::make_unique<ui::Tbootform>(dir.path() + QStringLiteral("/"));
        return *lobby;
    }

    QTemporaryDir dir;
    QStringList errors;
    std::unique_ptr<ui::Tbootform> lobby;
};
