#include "tools/made_stamp.h"

#include "exercise/errors.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace korven {

namespace {

const QString MarkName = QStringLiteral(".korven-made");
const QString SampleName = QStringLiteral("1-1.bmp");
const QString SampleMarkName = QStringLiteral(".korven-made-sample");

void addFile(QCryptographicHash &hash, const QString &path)
{
    hash.addData(QFileInfo(path).fileName().toUtf8());
    hash.addData(QByteArrayView("\0", 1));
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        hash.addData(&file);
    else
        hash.addData(QByteArrayView("unreadable"));
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(256).trimmed();
}

void writeMark(const QString &path, const QByteArray &fingerprint)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(fingerprint + '\n') != fingerprint.size() + 1
        || !file.flush())
        throw KorvenError(QStringLiteral("%1: cannot write (%2)").arg(path, file.errorString()));
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
