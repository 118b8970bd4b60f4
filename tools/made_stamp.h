#pragma once
// Marks on what `korven-problems make --refresh` wrote, so that a later build rewrites only its
// own untouched output and never a problem folder (or sample image) a teacher changed or added.
#include <QByteArray>
#include <QString>

namespace korven {

// The fingerprint of a problem folder: every file in it (the mark excepted), by name and content.
QByteArray folderFingerprint(const QString &folder);

// Whether make may (re)write the problem folder: it is absent, or it carries a mark whose
// fingerprint still matches its files.
bool mayRewriteFolder(const QString &folder);
// Marks a folder make has just written.
void markFolder(const QString &folder);

// The same for the sample image Images/1-1.bmp: absent, or as make last wrote it.
bool mayRewriteSample(const QString &imagesFolder);
void markSample(const QString &imagesFolder);

} // namespace korven
