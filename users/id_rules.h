#pragma once
// Which IDs can be created: an ID becomes one folder inside Result and the base name of the
// user's three files, so it must be usable as a single file name there.
#include <QString>

namespace korven {

// The longest ID in UTF-8 bytes. A file name holds at most 255 bytes, and replacing "<ID>.pas"
// (or .set, .kek) writes a temporary "<ID>.pas.XXXXXX" beside it first: 244 + 4 + 7 = 255.
inline constexpr int MaxIdBytes = 244;

// Why the ID cannot be created, as a notice for the user; empty when it can.
// Refused: the empty text, "." and "..", a leading "." (hidden, so it would vanish from the list
// of known IDs), a "/" or "\", a control character, broken UTF-16, more than MaxIdBytes bytes in UTF-8.
QString idRefusal(const QString &id);

} // namespace korven
