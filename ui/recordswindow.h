#pragma once
#include "record/recordstore.h"
#include "ui/boardpictures.h"
#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace ui {

// The games this station has kept, newest first, with who won each, and how every name has
// fared over them; a name typed in the filter narrows both. A game opens in a replay.
class RecordsWindow : public QWidget {
    Q_OBJECT
public:
    RecordsWindow(QString folder, const BoardImages& images, const BoardImages& larger, QWidget* parent = nullptr);

    // Reads the folder again.
    void reload();
    void setFilter(const QString& name);
    QTableWidget* games() const { return games_; }
    QTableWidget* standings() const { return standings_; }
    // Opens the game of the list's row in a replay window, which it gives back.
    QWidget* openGame(int row);

private:
    void createControls();
    void showGames();
    void showStandings(const std::vector<record::Record>& shown);

    QString folder_;
    // Copies: pictures are shared, not duplicated, and the window may outlive its caller's.
    BoardImages images_;
    BoardImages larger_;
    std::vector<record::Listed> listed_;
    std::vector<std::size_t> rows_; // the list's rows, as indexes into listed_
    QLineEdit* filter_ = nullptr;
    QTableWidget* games_ = nullptr;
    QTableWidget* standings_ = nullptr;
    QLabel* folderLabel_ = nullptr;
};

} // namespace ui
