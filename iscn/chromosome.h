#pragma once
// The human chromosomes as every part of the program names, numbers, orders and groups them:
// 1..22 are indexes 0..21, X is 22 and Y is 23; the karyogram has a place for each of them and
// one for markers after Y.
#include <QString>
#include <QStringView>
#include <vector>

namespace korven::iscn {

inline constexpr int ChromosomeX = 22;
inline constexpr int ChromosomeY = 23;
inline constexpr int ChromosomeCount = 24;
inline constexpr int MarkerPlace = 24; // the karyogram's place for markers, after Y
inline constexpr int KaryogramPlaces = 25;

// 0..23 for "1".."22", "X", "Y"; -1 for anything else ("01", "23", "x", "mar").
int chromosomeIndex(QStringView name);

// "1".."22", "X", "Y" for 0..23, "mar" for MarkerPlace; empty for anything else.
QString chromosomeName(int index);

bool isSexChromosome(QStringView name);

// The acrocentric chromosomes 13, 14, 15, 21 and 22, whose short arms carry stalks and satellites.
bool isAcrocentric(int index);

// Where a chromosome stands in a written karyotype: X 0, Y 1, then 1..22 as 2..23; 100 for a
// name that is none (markers come after every chromosome).
int chromosomeRank(QStringView name);

// The Denver size group of a chromosome: 'A' (1-3), 'B' (4-5), 'C' (6-12 and X), 'D' (13-15),
// 'E' (16-18), 'F' (19-20), 'G' (21-22 and Y); a blank for anything else.
QChar sizeGroup(int index);

// The karyogram's places in its four rows, top to bottom: 1-5, 6-12, 13-18, then 19-22, X, Y and
// the marker place.
const std::vector<std::vector<int>> &karyogramRows();

} // namespace korven::iscn
