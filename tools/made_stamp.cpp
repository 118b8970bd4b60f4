#include "tools/made_stamp.h"

#include "files/errors.h"
#include "files/text_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace korven {

namespace {

const QString MarkName = QStringLiteral(".korven-made");
const QString SampleName = QStringLiteral("1-1.bmp");
const QString SampleMarkName = QStringLiteral(".korven-made-sample");
// Far above any bitmap or listing of a set; a larger file counts as changed by hand.
constexpr qint64 MaxStampedFileBytes = 64 * 1024 * 1024;

void addFile(QCryptographicHash &hash, const QString &path)
{
    hash.addData(QFileInfo(path).fileName().toUtf8());
    hash.addData(QByteArrayView("\0", 1));
    try {
        hash.addData(readRegularFile(path, MaxStampedFileBytes));
    } catch (const KorvenError &) {
        hash.addData(QByteArrayView("unreadable"));
    }
    hash.addData(QByteArrayView("\0", 1));
}

QByteArray fileFingerprint(const QString &path)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    addFile(hash, path);
    return hash.result().toHex();
}

QByteArray readMark(const QString &path)
{
    try {
        return readRegularFile(path, 256).trimmed();
    } catch (const KorvenError &) {
        return {};
    }
}

void writeMark(const QString &path, const QByteArray &fingerprint)
{
    writeFileAtomically(path, fingerprint + '\n');
}

} // namespace

QByteArray folderFingerprint(const QString &folder)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QDir dir(folder);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        if (entry != MarkName)
            addFile(hash, dir.filePath(entry));
    }
    return hash.result().toHex();
}

bool mayRewriteFolder(const QString &folder)
{
    if (!QFileInfo::exists(folder))
        return true;
    const QByteArray mark = readMark(QDir(folder).filePath(MarkName));
    return !mark.isEmpty() && mark == folderFingerprint(folder);
}

void markFolder(const QString &folder)
{
    writeMark(QDir(folder).filePath(MarkName), folderFingerprint(folder));
}

bool mayRewriteSample(const QString &imagesFolder)
{
    const QDir dir(imagesFolder);
    if (!QFileInfo::exists(dir.filePath(SampleName)))
        return true;
    const QByteArray mark = readMark(dir.filePath(SampleMarkName));
    return !mark.isEmpty() && mark == fileFingerprint(dir.filePath(SampleName));
}

void markSample(const QString &imagesFolder)
{
    const QDir dir(imagesFolder);
    writeMark(dir.filePath(SampleMarkName), fileFingerprint(dir.filePath(SampleName)));
}

} // namespace korven
