#pragma once
// The program folder: the executable's folder, with Images/ and Result/ beside the executable.
// Every path is resolved from it; the current directory is never relied on.
#include <QString>

namespace korven {

QString programFolder();
// Tests point the program at a folder of their own.
void setProgramFolder(const QString &folder);

QString imagesFolder();  // <program folder>/Images
QString resultFolder();  // <program folder>/Result

} // namespace korven
