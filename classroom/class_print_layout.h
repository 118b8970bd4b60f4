#pragma once
// Where the printed class table goes on a page, in the printer's device pixels.
#include <QList>

namespace korven {

// The left edges of the table's ten columns across `width` from `left`, and the right edge last
// (eleven values); the ID and the trend get the most room.
QList<int> tableColumnLefts(int left, int width);

// The trainee rows a page takes under its title (two lines) and the header line; at least one.
int rowsPerPage(int pageHeight, int lineHeight);

// Pages for `rows` rows; one page even for none, so the header is printed.
int pageCount(int rows, int perPage);

} // namespace korven
