#pragma once
#include "computer/headless.h"
#include "ui/alonesetup.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <optional>

class QTextStream;

namespace ui {

// The program's options. --help, --version and mistakes are answered without any window, so
// they work with no display at all. Qt's own options (-platform, -style, ...) are known here
// and left to the application object, which takes them for itself.
class CommandLine {
public:
    // arguments as main received them, the program's path first.
    explicit CommandLine(const QStringList& arguments);

    // True when the program only answers (help or version) and ends.
    bool answersAlone() const;
    // Writes the help or the version to out; gives the program's exit status.
    int answer(QTextStream& out) const;

    // True when the program only replays a record, in a window of its own.
    bool asksForReplay() const;
    QString replayFile() const;
    // True when the program only analyses a record and prints what it found.
    bool asksForAnalysis() const;
    QString analysisFile() const;
    // Playouts a position of the analysis, 0 for the board's usual; empty with the reason in
    // `error` when not usable.
    std::optional<int> effort(QString& error) const;
    // True when the program starts with a game alone.
    bool asksForAlone() const;
    // What --alone's companions ask for; checked by usageError.
    AloneOptions aloneOptions() const;
    // True when the program runs a computer player instead of its windows.
    bool asksForComputer() const;
    // Why the arguments cannot be used: an unknown option, a missing value, a stray argument.
    // Empty when they can.
    QString usageError() const;
    // The computer player's options; empty with the reason in `error` when they are not usable.
    std::optional<computer::Options> computerOptions(QString& error) const;
    QString helpText() const { return parser_.helpText(); }
    // A mistake said on the terminal with the help; gives the exit status, 2.
    int refuse(const QString& why) const;
    // The port of the page for browsers, when given and a port number (0 serves none).
    std::optional<quint16> webPort() const;

private:
    void addQtOptions();
    QString aloneError() const;
    std::optional<ai::Level> level(QString& error) const;

    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
    QCommandLineOption computer_;
    QCommandLineOption port_;
    QCommandLineOption name_;
    QCommandLineOption level_;
    QCommandLineOption record_;
    QCommandLineOption replay_;
    QCommandLineOption analyze_;
    QCommandLineOption effort_;
    QCommandLineOption alone_;
    QCommandLineOption size_;
    QCommandLineOption rule_;
    QCommandLineOption webPort_;
};

// main's argv as text, in the local 8-bit encoding of file names.
QStringList argumentList(int argc, const char* const* argv);

// "taisen 1.0.0"
QString versionText();

} // namespace ui
