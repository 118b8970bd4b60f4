#pragma once
// A picture of a problem's 46 chromosomes laid out as a karyogram, for looking a set over.
#include <QImage>
#include <QString>

namespace korven {

// Pairs 1-5, 6-12, 13-18 and 19-22 with the sex chromosomes in four rows, each pair labelled
// below a base line, the folder's name at the top. Needs a QGuiApplication (fonts). Throws
// KorvenError naming the file when a bitmap cannot be loaded.
QImage drawKaryogramSheet(const QString &folder);

} // namespace korven
