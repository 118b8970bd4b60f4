#pragma once
// Reading and writing a file's exact bytes in tests.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

namespace korven::test {

// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Replaces the file's content with exactly these bytes.
inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace korven::test
