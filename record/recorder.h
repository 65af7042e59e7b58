#pragma once
#include "record/record.h"
#include "rules/gamelog.h"
#include <QString>
#include <functional>
#include <optional>

namespace record {

// Keeps the game a station plays and writes it into the folder when it ends, or, left
// unfinished, when it stops, when the next game starts or when the recorder goes with its station. A record that
// cannot be written is told to `complain` once a game and costs nothing else.
class Recorder : public rules::GameLog {
public:
    using Complaint = std::function<void(const QString&)>;
    Recorder(QString folder, Complaint complain);
    ~Recorder() override;
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    void gameStarted(const rules::Game& game) override;
    void movePlayed(int seat, rules::Cell cell) override;
    void movesTakenBack(int count) override;
    void gameEnded(const rules::Game& game) override;
    void gameStopped() override { write(); }

    // The game being kept, until it is written.
    const std::optional<Record>& current() const { return game_; }
    // The file the last game went to; empty when none was written.
    const QString& lastWritten() const { return lastWritten_; }

private:
    void write();

    QString folder_;
    Complaint complain_;
    std::optional<Record> game_;
    QString lastWritten_;
};

} // namespace record
