#pragma once
#include <QString>

// How a cell is named to a person everywhere: the column's letter, A at the left, and the row
// counted from 1 at the top, as the letters and numbers along the board read. "C10" is column
// 2, row 9. The largest board, 26 a side, ends at Z26.
namespace rules {

// col lies on a board of at most 26 columns.
QString columnLetter(int col);
QString rowNumber(int row);
QString cellName(int col, int row);

} // namespace rules
