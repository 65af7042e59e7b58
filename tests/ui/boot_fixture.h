#pragma once
#include "tests/support/controls.h"
#include "tests/support/programfolder.h"
#include "ui/boot.h"
#include "ui/errorbox.h"
#include <gtest/gtest.h>
#include <memory>

// A fresh folder standing in for the executable's; the lobby is started in it on demand, and
// the failures it would show in a box are collected instead.
class LobbyTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ui::setErrorSink([this](const QString& message) { errors.append(message); });
    }

    void TearDown() override
    {
        lobby.reset();
        ui::resetErrorSink();
    }

    // The program's own join sound.
    void putJoinSound() { ASSERT_TRUE(folder.copyShippedFile(QStringLiteral("snd/kako.wav"))); }

    ui::Tbootform& start()
    {
        lobby.reset();
        station = std::make_unique<match::Station>();
        lobby = std::make_unique<ui::Tbootform>(*station, folder.exeDir());
        return *lobby;
    }

    // The lobby's control of that name.
    template <class T = QWidget>
    T* control(const char* name) const
    {
        return ::control<T>(*lobby, QString::fromLatin1(name));
    }

    ProgramFolder folder;
    std::unique_ptr<match::Station> station;
    QStringList errors;
    std::unique_ptr<ui::Tbootform> lobby;
};
