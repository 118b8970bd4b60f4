#pragma once
// The program's icon: a pair of banded chromosomes, drawn rather than shipped as a file.
#include <QIcon>
#include <QPixmap>

namespace korven::ui {

QPixmap programIconPixmap(int size);
QIcon programIcon();

} // namespace korven::ui
