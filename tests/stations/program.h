#pragma once
#include "net/guestlink.h"
#include "tests/support/controls.h"
#include "tests/support/programfolder.h"
#include "tests/support/qtprinting.h"
#include "net/hostserver.h"
#include "record/recordstore.h"
#include "ui/boot.h"
#include "ui/errorbox.h"
#include "ui/main.h"
#include "ui/boardgrid.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <initializer_list>
#include <gtest/gtest.h>
#include <memory>

// One program: the lobby and the game window over a folder of its own that holds the shipped
// pictures and sounds, so that each station keeps its own setting.ini.
class Program {
public:
    explicit Program(const QString& name)
    {
        EXPECT_TRUE(folder.copyShippedAssets());
        station.keepRecords(record::recordsFolder());
        boot = std::make_unique<ui::Tbootform>(station, exeDir());
        form = std::make_unique<ui::Tmainform>(station, exeDir(), boot->settingsPath());
        boot->setGameWindow(form.get());
        control<QLineEdit>(*boot, "BoxName")->setText(name);
        control<QCheckBox>(*boot, "UseSOund")->setChecked(false);
    }

    ~Program()
    {
        form.reset();
        boot.reset();
    }

    QString exeDir() const { return folder.exeDir(); }

    // Starts hosting on a free port of this machine and tells which.
    quint16 host()
    {
        control<QLineEdit>(*boot, "BoxPort")->setText(QStringLiteral("0"));
        boot->BtnStartClick();
        return station.port();
    }

    // Starts joining the host at 127.0.0.1:port; the connection is made in the event loop.
    void join(quint16 port)
    {
        control<ui::RadioGroup>(*boot, "Method")->setItemIndex(1);
        control<QComboBox>(*boot, "BoxIP")->setEditText(QStringLiteral("127.0.0.1"));
        control<QLineEdit>(*boot, "BoxPort")->setText(QString::number(port));
        boot->BtnGoClick();
    }

    const rules::Game& game() const { return form->game(); }
    match::Match& match() { return form->match(); }
    QStringList members() const { return station.members(); }
    QStringList chat() const
    {
        return control<QPlainTextEdit>(*boot, "Chat")->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    }
    bool boardOpen() const { return control(*form, "Table")->isEnabled() && control(*form, "BtnPass")->isEnabled(); }
    // Whether the lobby's controls of those names are all enabled, or all disabled.
    bool allEnabled(std::initializer_list<const char*> names) const
    {
        return std::ranges::all_of(names, [&](const char* name) { return control(*boot, name)->isEnabled(); });
    }
    bool noneEnabled(std::initializer_list<const char*> names) const
    {
        return std::ranges::none_of(names, [&](const char* name) { return control(*boot, name)->isEnabled(); });
    }

    ProgramFolder folder;
    match::Station station;
    std::unique_ptr<ui::Tbootform> boot;
    std::unique_ptr<ui::Tmainform> form;
};

// Every animation pause cut to nothing while it lives.
struct NoPauses {
    NoPauses() { ui::MoveAnimator::pauseFactor = 0; }
    ~NoPauses() { ui::MoveAnimator::pauseFactor = 1; }
};

// Failures that would show in a box are collected for the test instead.
class ErrorCollector {
public:
    ErrorCollector() { ui::setErrorSink([this](const QString& m) { messages << m; }); }
    ~ErrorCollector() { ui::resetErrorSink(); }
    QStringList messages;
};
