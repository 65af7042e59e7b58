#pragma once
#include "tests/support/programfolder.h"
#include "tests/support/controls.h"
#include "tests/ui/screen_grab.h"
#include "record/recordstore.h"
#include "ui/boot.h"
#include "ui/errorbox.h"
#include "ui/main.h"
#include "ui/boardgrid.h"
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// Colours of the pictures written for the tests: each piece is opaque in its right half and
// transparent (white) in its left half; the mark is opaque in its top half only; the cursor
// is opaque all over.
namespace testimg {
inline QColor piece(int code) { return QColor(20 * code, 100, 200 - 10 * code); }
inline const QColor cursor(250, 200, 0);
inline const QColor mark(255, 0, 255);
} // namespace testimg

// A lobby and a game window over a folder of small pictures and sounds made for the test;
// failures go to `errors` instead of a modal box.
class MainFormTest : public testing::Test {
protected:
    static constexpr const char* ImageNames[] = {"select", "f_red", "f_blu", "f_grn", "f_blk", "koma_red",
                                                 "koma_blu", "koma_grn", "koma_blk", "old", "light0", "light1"};
    static constexpr const char* SoundNames[] = {"kako", "put", "buz", "change", "rotate"};

    void SetUp() override
    {
        ui::setErrorSink([this](const QString& message) { errors << message; });
        ASSERT_TRUE(folder.isValid());
        for (const char* name : SoundNames)
            ASSERT_TRUE(folder.writeFile(QStringLiteral("snd/%1.wav").arg(QLatin1String(name)), QByteArray("RIFF") + name));
        QDir(folder.exeDir()).mkpath(QStringLiteral("img"));
        for (int i = 0; i < 12; ++i)
            ASSERT_TRUE(pictureFor(i).save(folder.path(QStringLiteral("img/%1.bmp").arg(QLatin1String(ImageNames[i]))), "BMP"));
    }

    void TearDown() override
    {
        form.reset();
        boot.reset();
        ui::resetErrorSink();
    }


    static QImage pictureFor(int index)
    {
        if (index >= 10) { // lamps: a dot on white
            QImage lamp(17, 17, QImage::Format_RGB32);
            lamp.fill(Qt::white);
            lamp.setPixel(8, 8, index == 11 ? qRgb(0, 255, 0) : qRgb(90, 90, 90));
            return lamp;
        }
        QImage image(24, 24, QImage::Format_RGB32);
        image.fill(index == 0 ? testimg::cursor : QColor(Qt::white));
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x) {
                if (index >= 1 && index <= 8 && x >= 12)
                    image.setPixel(x, y, testimg::piece(index).rgb());
                if (index == 9 && y < 12)
                    image.setPixel(x, y, testimg::mark.rgb());
            }
        return image;
    }

    // Builds the lobby and the window, afresh when there were some already; the lobby holds
    // four members and the given settings.
    void create(int boardSize = 8, int timeLimit = 61, rules::Scoring scoring = rules::Scoring::Points)
    {
        form.reset(); // the windows read their station until their last moment
        boot.reset();
        station = std::make_unique<match::Station>();
        station->keepRecords(record::recordsFolder());
        boot = std::make_unique<ui::Tbootform>(*station, folder.exeDir());
        form = std::make_unique<ui::Tmainform>(*station, folder.exeDir(), boot->settingsPath());
        boot->setGameWindow(form.get());
        // The smallest window a board allows, where its cells are 25 pixels.
        form->resize(1, 1);
        setLobby(boardSize, timeLimit, scoring);
    }

    void setLobby(int boardSize, int timeLimit = 61, rules::Scoring scoring = rules::Scoring::Points)
    {
        control<ui::TExtTrackBar>(*boot, "TableSize")->setPosition(boardSize);
        control<ui::TExtTrackBar>(*boot, "TimeLimit")->setPosition(timeLimit);
        control<ui::RadioGroup>(*boot, "score_method")->setItemIndex(int(scoring));
    }

    // A new game from the lobby's settings, with this station in the host's seat.
    void newGame() { form->match().start(boot->gameSettings(), 1, members); }

    void startShown(int boardSize = 8)
    {
        create(boardSize);
        newGame();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    // This station's turn (seat 1), the seats before it passing if they are to move.
    void openTurn()
    {
        while (form->game().curPlayer() != 1 && form->match().running())
            playAsMover(rules::Pass);
        form->match().openFirstTurn();
    }

    // The seat to move plays the cell, as its station would.
    void playAsMover(rules::Cell cell) { form->match().playFor(form->game().curPlayer(), cell, true); }

    // The game window's board.
    ui::BoardGrid* boardGrid() const { return control<ui::BoardGrid>(*form, "Table"); }

    // A pointer move over the board with no button down, delivered at once.
    void hover(int x, int y)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, y), boardGrid()->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(boardGrid(), &move);
    }

    // What the screen shows once the pending paints are done.
    QImage board()
    {
        QApplication::processEvents();
        return grabOnScreen(*boardGrid());
    }

    // The colour of one quarter of a cell's interior on screen: quarter 0 top-left, 1 top-right,
    // 2 bottom-left, 3 bottom-right.
    QColor quarter(const QImage& shot, int col, int row, int which) const
    {
        return shot.pixelColor(col * 25 + 6 + (which % 2) * 12, row * 25 + 6 + (which / 2) * 12);
    }

    ProgramFolder folder;
    QStringList errors;
    const QStringList members{QStringLiteral("赤"), QStringLiteral("青"), QStringLiteral("緑"), QStringLiteral("黒")};
    std::unique_ptr<match::Station> station;
    std::unique_ptr<ui::Tbootform> boot;
    std::unique_ptr<ui::Tmainform> form;
};

// The same, with every pause of the game scaled to nothing.
class QuickMainFormTest : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        ui::MoveAnimator::pauseFactor = 0;
    }
    void TearDown() override
    {
        ui::MoveAnimator::pauseFactor = 1;
        MainFormTest::TearDown();
    }
};
