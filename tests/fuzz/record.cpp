#include "record/recordtext.h"

#include <cstdint>
#include <cstdlib>

// Any bytes read as a record: never a crash, and whatever game comes out is within bounds and
// reads back the same once written.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto reading = record::readRecord(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!reading.game)
        return 0;
    const record::Record& game = *reading.game;
    if (game.boardSize < rules::MinBoardSize || game.boardSize > rules::MaxBoardSize
        || int(game.moves.size()) > record::MaxMoves)
        std::abort();
    for (const record::Move& move : game.moves)
        if (move.seat < 1 || move.seat > 4 || move.col >= game.boardSize || move.row >= game.boardSize)
            std::abort();
    const auto again = record::readRecord(record::recordText(game));
    if (!again.game || !again.problem.isEmpty() || again.game->moves != game.moves || again.game->names != game.names)
        std::abort();
    return 0;
}
