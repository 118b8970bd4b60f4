#include "exercise/text_file.h"

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
        throw KorvenError(QStringLiteral("The text encoding %1 is not available.").arg(QLatin1String(Cp932Name)));
    return encoder.encode(text);
}

QString fromCp932(const QByteArray &bytes)
{
    QStringDecoder decoder(Cp932Name);
    if (!decoder.isValid())
        throw KorvenError(QStringLiteral("The text encoding %1 is not available.").arg(QLatin1String(Cp932Name)));
    return decoder.decode(bytes);
}

QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        throw KorvenError(QStringLiteral("File not found: %1").arg(shown(path)));
    if (!file.open(QIODevice::ReadOnly))
        throw KorvenError(QStringLiteral("Cannot open %1: %2").arg(shown(path), file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw KorvenError(QStringLiteral("Cannot read %1: %2").arg(shown(path), file.errorString()));
    return bytes;
}

QStringList splitTextLines(const QString &text)
{
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

QStringList readTextLines(const QString &path)
{
    return splitTextLines(fromCp932(readFileBytes(path)));
}

CheckedTextLines checkedCp932Lines(const QByteArray &bytes)
{
    CheckedTextLines checked;
    // One pass over the bytes: CP932's structure (single bytes 00-7F and A1-DF; a lead byte 81-9F
    // or E0-FC followed by a trail byte 40-7E or 80-FC) and whether anything beyond ASCII follows
    // the first line. Line numbers count line ends the way splitTextLines does.
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    int line = 1;
    qsizetype firstLineEnd = -1;
    bool wideAfterFirstLine = false;
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char c = b[i];
        if (c < 0x80) {
            if (c == '\n' || (c == '\r' && (i + 1 == size || b[i + 1] != '\n'))) {
                if (firstLineEnd < 0)
                    firstLineEnd = i + 1;
                ++line;
            }
            continue;
        }
        if (firstLineEnd >= 0)
            wideAfterFirstLine = true;
        bool valid = c >= 0xA1 && c <= 0xDF;
        if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
            const unsigned char t = i + 1 < size ? b[i + 1] : 0;
            valid = (t >= 0x40 && t <= 0x7E) || (t >= 0x80 && t <= 0xFC);
            if (valid)
                ++i;
        }
        if (!valid && (checked.invalidLines.empty() || checked.invalidLines.back() != line))
            checked.invalidLines.push_back(line);
    }
    // Files whose lines after the first hold only ASCII (trial records) skip the code page
    // converter for all but the first line: ASCII reads the same in CP932.
    if (!wideAfterFirstLine && firstLineEnd >= 0) {
        QString text = fromCp932(bytes.first(firstLineEnd));
        text += QString::fromLatin1(bytes.sliced(firstLineEnd));
        checked.lines = splitTextLines(text);
    } else {
        checked.lines = splitTextLines(fromCp932(bytes));
    }
    return checked;
}

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw KorvenError(QStringLiteral("Cannot write %1: %2").arg(shown(path), file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw KorvenError(QStringLiteral("Cannot write %1: %2").arg(shown(path), reason));
    }
    if (!file.commit())
        throw KorvenError(QStringLiteral("Cannot write %1: %2").arg(shown(path), file.errorString()));
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
        throw KorvenError(QStringLiteral("Cannot append to %1: %2").arg(shown(path), file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.close();
        throw KorvenError(QStringLiteral("Cannot append to %1: %2").arg(shown(path), reason));
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        throw KorvenError(QStringLiteral("Cannot append to %1: %2").arg(shown(path), file.errorString()));
}

} // namespace korven
