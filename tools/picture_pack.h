#pragma once
// Packing a folder of a teacher's own 46 piece pictures: any picture Qt reads under the piece names
// becomes the 24-bit BMP with a pure white background KORVEN expects, then the listing is written.
#include <QString>
#include <QStringList>

namespace korven {

// Packs folder: each piece k-h may be a .bmp (any depth), .png, .jpg, .tif, .gif or another format
// Qt reads. A sound 24-bit BMP on pure white stays as it is; any other is rewritten as k-h.bmp in
// grey on pure white, its original moved to folder/originals/. Then folder/NAME.set is written.
// Returns what was converted. Throws KorvenError listing every missing, doubled or unreadable
// picture, and what to do, changing nothing.
QStringList packPictures(const QString &folder);

} // namespace korven
