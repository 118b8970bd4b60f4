#pragma once
// Loading one problem folder: the listing file's check values and the 46 bitmaps.
#include <QImage>
#include <QString>
#include <QStringList>
#include <array>

namespace korven {

constexpr int PieceCount = 46;

// "k-h.bmp" for piece index k (0..45): chromosome k/2+1, homologue k%2+1.
QString pieceFileName(int piece);

// Bytes after the first five, modulo 83; 0 for files under five bytes. Returns -1 when the file
// cannot be opened or read.
int checkValue(const QString &path);

// Reads a listing file: the third field of each line, in order. Throws KorvenError naming the
// file and the line when the file is missing, has fewer than 46 lines, a line has fewer than three
// fields or a third field is no whole number.
QStringList readListingCheckValues(const QString &listingPath);

// The same over a listing's lines; listingPath only names the file in messages.
QStringList parseListing(const QStringList &lines, const QString &listingPath);

struct LoadReport {
    int mismatches = 0;   // bitmaps whose check value differs from the listing
    bool unreadable = false; // a bitmap loaded as an image but could not be counted
};

// Loads problem `name` from imagesFolder/name: fills checkValues (the listing's third fields)
// and bitmaps (24-bit, Format_RGB888) in order. On an error throws KorvenError naming the file
// (and line); what was loaded before the error stays in bitmaps/checkValues.
LoadReport loadProblem(const QString &imagesFolder, const QString &name,
                       std::array<QImage, PieceCount> &bitmaps, QStringList &checkValues);

// Loads one bitmap file as a 24-bit image; throws KorvenError naming the file when it fails.
// Refuses anything but a regular file, and pictures beyond the limits of bitmap_limits.h by their
// declared size, before decoding.
QImage loadBitmap24(const QString &path);
// Decodes a bitmap file's bytes as loadBitmap24 does; path only names the file in messages.
QImage decodeBitmap24(QByteArray bytes, const QString &path);

// The largest scale at which the pieces fit the karyogram rows: (rowHeight - 2*insetTop) / tallest,
// then lowered by the four row limits (slot widths of slots 0, 10, 24, 36; W3 starts from W2).
// tallestHeight receives the tallest bitmap's height.
float computeFitScale(const std::array<QImage, PieceCount> &bitmaps, int rowHeight, int insetTop,
                      const std::array<int, 4> &rowSlotWidths, int *tallestHeight = nullptr);

// Magnification: mode 1 -> trackBarPosition * fitScale * 0.1; otherwise trackBarPosition is set
// to 10 and the result is fitScale; then times 0.9.
float computeMagnification(int magnificationMode, int &trackBarPosition, float fitScale);

} // namespace korven
