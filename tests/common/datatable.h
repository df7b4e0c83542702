#pragma once

#include <QStringList>

// Test cases kept as data in tests/data: a tab-separated file whose first line that is no comment names the
// columns after a first cell for the rows' names, as "name:type" (bool, int, uint, real, hex, bytes, strings, kind (a value kind by type name), and the
// lists ints, int64s, reals, bools, hexes; string when none is given); every other line is one row, its first cell
// the row's name. Integers may be written in hexadecimal (0x...), "\n" in a cell is a line break, "strings" are
// separated by "|", the values of the other lists by commas.
namespace DataTable {

// Adds the columns and rows of the file to the running _data() function; fails the test when it cannot be read.
void addRows(const QString &relative);

// The cells of every line that is no comment, for tables whose cells a test converts itself.
QList<QStringList> rows(const QString &relative);

} // namespace DataTable
