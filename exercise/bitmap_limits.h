#pragma once
// The largest chromosome bitmap the program takes in. A piece is a few hundred pixels on a side;
// the limits leave ample room and keep 46 of them well within memory, whatever a header declares.
#include <QtGlobal>

namespace korven {

inline constexpr qint64 MaxBitmapSide = 4096;
inline constexpr qint64 MaxBitmapPixels = 4'000'000;
// Uncompressed 24-bit rows of the largest picture, plus headers and a colour table.
inline constexpr qint64 MaxBitmapFileBytes = MaxBitmapPixels * 3 + 2 * MaxBitmapSide * 4 + 64 * 1024;

// True when a picture of the declared size is taken in.
inline bool bitmapSizeAccepted(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= MaxBitmapSide && height <= MaxBitmapSide
        && width * height <= MaxBitmapPixels;
}

} // namespace korven
