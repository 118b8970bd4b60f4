#include "exercise/text_file.h"

#include <QCoreApplication>

#include "exercise/errors.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace korven {

namespace {

constexpr const char *Cp932Name = "windows-31j";

QString shown(const QString &path) { return QDir::toNativeSeparators(path); }

} // namespace

QByteArray toCp932(const QString &text)
{
    QStringEncoder encoder(Cp932Name);
    if (!encoder.isValid())
        throw KorvenError(QCoreApplication::translate("TextFile", "The text encoding %1 is not available.").arg(QLatin1String(Cp932Name)));
    return encoder.encode(text);
}

QString fromCp932(const QByteArray &bytes)
{
    QStringDecoder decoder(Cp932Name);
    if (!decoder.isValid())
        throw KorvenError(QCoreApplication::translate("TextFile", "The text encoding %1 is not available.").arg(QLatin1String(Cp932Name)));
    return decoder.decode(bytes);
}

QStringList readTextLines(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        throw KorvenError(QCoreApplication::translate("TextFile", "File not found: %1").arg(shown(path)));
    if (!file.open(QIODevice::ReadOnly))
        throw KorvenError(QCoreApplication::translate("TextFile", "Cannot open %1: %2").arg(shown(path), file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw KorvenError(QCoreApplication::translate("TextFile", "Cannot read %1: %2").arg(shown(path), file.errorString()));
    const QString text = fromCp932(bytes);

    QStringList lines;
    qsizetype start = 0;
    const qsizetype end = text.size();
    while (start < end) {
        qsizetype pos = start;
        while (pos < end && text.at(pos) != u'\r' && text.at(pos) != u'\n')
            ++pos;
        lines << text.mid(start, pos - start);
        if (pos < end && text.at(pos) == u'\r')
            ++pos;
        if (pos < end && text.at(pos) == u'\n')
            ++pos;
        start = pos;
    }
    return lines;
}

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw KorvenError(QCoreApplication::translate("TextFile", "Cannot write %1: %2").arg(shown(path), file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw KorvenError(QCoreApplication::translate("TextFile", "Cannot write %1: %2").arg(shown(path), reason));
    }
    if (!file.commit())
        throw KorvenError(QCoreApplication::translate("TextFile", "Cannot write %1: %2").arg(shown(path), file.errorString()));
}

QByteArray linesToCp932(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return toCp932(text);
}

void appendToFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw KorvenError(QCoreApplication::translate("TextFile", "Cannot append to %1: %2").arg(shown(path), file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.close();
        throw KorvenError(QCoreApplication::translate("TextFile", "Cannot append to %1: %2").arg(shown(path), reason));
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        throw KorvenError(QCoreApplication::translate("TextFile", "Cannot append to %1: %2").arg(shown(path), file.errorString()));
}

} // namespace korven
