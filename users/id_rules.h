#pragma once
// Which IDs can be created: an ID becomes one folder inside Result and the base name of the
// user's three files, so it must be usable as a single file name there.
#include <QString>
#include <QStringList>

namespace korven {

// The longest ID in UTF-8 bytes: "<ID>.pas" (or .set, .kek) must be a file name of at most 255
// bytes, with room to spare.
inline constexpr int MaxIdBytes = 244;

// Why the ID cannot be created, as a notice for the user; empty when it can.
// Refused: the empty text, "." and "..", a leading "." (hidden, so it would vanish from the list
// of known IDs), a "/" or "\", a control or invisible character (a zero-width space), a blank at
// either end, broken UTF-16, more than MaxIdBytes bytes in UTF-8.
QString idRefusal(const QString &id);

// True when two IDs are the same text once both are in Unicode normal form C (one typed with
// a composed "が", the other with "か" and a combining mark).
bool sameId(const QString &a, const QString &b);

// An ID the new one can be taken for: the first of `known` that differs from it only by case or
// by letters of another script that look the same (Cyrillic "а" for Latin "a"); empty if none.
QString lookAlikeId(const QString &id, const QStringList &known);

} // namespace korven
