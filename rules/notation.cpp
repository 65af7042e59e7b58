#include "rules/notation.h"

namespace rules {

QString columnLetter(int col)
{
    return QString(QChar(u'A' + col));
}

QString rowNumber(int row)
{
    return QString::number(row + 1);
}

QString cellName(int col, int row)
{
    return columnLetter(col) + rowNumber(row);
}

} // namespace rules
