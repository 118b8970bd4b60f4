#include "files/text_file.h"

#include "exercise/errors.h"
#include "files/file_errors.h"
#include "files/file_system.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <cstring>
#include <ctime>

namespace korven {

namespace {

constexpr const char *Cp932Name = "windows-31j";

QString shown(const QString &path) { return QDir::toNativeSeparators(path); }

QString causeOf(int error) { return fileErrorText(error); }

// The cause of a failed open of `path`: a missing folder is named as such, since "no such file"
// would send a person looking for the wrong thing.
QString openCause(const QString &path, int error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (error == ENOENT && !QFileInfo(folder).isDir())
        return QCoreApplication::translate("TextFile", "the folder %1 does not exist").arg(shown(folder));
    return causeOf(error);
}

bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

QString notRegular(const QString &path, fs::EntryType type)
{
    QString what = QCoreApplication::translate("TextFile", "not a regular file");
    if (type == fs::EntryType::Link)
        what = QCoreApplication::translate("TextFile", "a symbolic link");
    else if (type == fs::EntryType::Folder)
        what = QCoreApplication::translate("TextFile", "a folder");
    else if (type == fs::EntryType::Pipe)
        what = QCoreApplication::translate("TextFile", "a pipe (FIFO)");
    else if (type == fs::EntryType::Device)
        what = QCoreApplication::translate("TextFile", "a device");
    else if (type == fs::EntryType::Socket)
        what = QCoreApplication::translate("TextFile", "a socket");
    return QCoreApplication::translate("TextFile", "%1 is %2, not a regular file; it was left alone.").arg(shown(path), what);
}

// Whole sentences, so each language can put the verb where it belongs.
const char *const CannotOpen = QT_TRANSLATE_NOOP("TextFile", "Cannot open %1: %2");
const char *const CannotAppend = QT_TRANSLATE_NOOP("TextFile", "Cannot append to %1: %2");

// Opens a regular file without following a symbolic link and without blocking on a FIFO.
// Throws KorvenError naming the file otherwise; `cannot` is the sentence for any other refusal.
void openRegular(fs::NativeFile &file, const QString &path, fs::NativeFile::Mode mode, const char *cannot)
{
    fs::EntryType found = fs::EntryType::Other;
    const int error = file.openExisting(path, mode, &found);
    if (error == fs::NativeFile::NotRegular)
        throw KorvenError(notRegular(path, found));
    if (error == ENOENT && QFileInfo(QFileInfo(path).absolutePath()).isDir())
        throw KorvenError(QCoreApplication::translate("TextFile", "File not found: %1").arg(shown(path)));
    if (error == ENOENT)
        throw KorvenError(QCoreApplication::translate("TextFile", "File not found: %1; %2.").arg(shown(path), openCause(path, error)));
    if (error != 0)
        throw KorvenError(QCoreApplication::translate("TextFile", cannot).arg(shown(path), causeOf(error)));
}

QString tooLarge(const QString &path, qint64 size, qint64 maxBytes)
{
    return QCoreApplication::translate("TextFile", "%1 is too large (%2 bytes; at most %3 are read). It was left alone.")
        .arg(shown(path)).arg(size).arg(maxBytes);
}

// Temporary files of the writer: hidden, with a prefix no user's file has, so a clean-up can
// only ever remove what the writer itself made.
const QString TemporaryPrefix = QStringLiteral(".korven-part-");
constexpr int TemporarySuffixLength = 6;
// A temporary this old is left over from a killed run: a whole-file write takes far less.
constexpr qint64 AbandonedTemporarySeconds = 60;

bool isTemporaryName(const QString &name)
{
    if (!name.startsWith(TemporaryPrefix) || name.size() != TemporaryPrefix.size() + TemporarySuffixLength)
        return false;
    for (qsizetype i = TemporaryPrefix.size(); i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c.unicode() >= 128 || !c.isLetterOrNumber())
            return false;
    }
    return true;
}

// Removes the writer's temporaries in a folder: those older than minAgeSeconds (0: all).
void removeTemporaries(const QString &folder, qint64 minAgeSeconds)
{
    const QStringList entries = QDir(folder).entryList({TemporaryPrefix + u'*'},
                                                       QDir::Files | QDir::Hidden | QDir::System);
    const qint64 now = ::time(nullptr);
    for (const QString &entry : entries) {
        const QString name = folder + u'/' + entry;
        const fs::EntryStatus status = fs::entryStatus(name);
        if (isTemporaryName(entry) && status.type == fs::EntryType::File && now - status.modified >= minAgeSeconds)
            fs::removeFile(name);
    }
}

} // namespace

void flushFolder(const QString &folder)
{
    fs::flushFolder(folder);
}

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

namespace {

// Reads a regular file in chunks: `start` gets its size as opened, `take` each chunk. Refuses a
// file over maxBytes, also one that grows past it while being read.
template <typename Start, typename Take>
void readChunks(const QString &path, qint64 maxBytes, Start start, Take take)
{
    fs::NativeFile file;
    openRegular(file, path, fs::NativeFile::Mode::Read, CannotOpen);
    const qint64 size = file.size();
    if (size > maxBytes)
        throw KorvenError(tooLarge(path, size, maxBytes));
    start(qMax<qint64>(size, 0));
    char buffer[64 * 1024];
    qint64 total = 0;
    for (;;) {
        const qint64 n = file.read(buffer, sizeof buffer);
        if (n < 0)
            throw KorvenError(QCoreApplication::translate("TextFile", "Cannot read %1: %2").arg(shown(path), causeOf(file.error())));
        if (n == 0)
            break;
        total += n;
        if (total > maxBytes)
            throw KorvenError(tooLarge(path, total, maxBytes));
        take(buffer, qint64(n));
    }
}

} // namespace

QByteArray readRegularFile(const QString &path, qint64 maxBytes)
{
    QByteArray bytes;
    readChunks(path, maxBytes, [&](qint64 size) { bytes.reserve(qsizetype(size)); },
               [&](const char *data, qint64 size) { bytes.append(data, qsizetype(size)); });
    return bytes;
}

qint64 regularFileSize(const QString &path)
{
    fs::NativeFile file;
    openRegular(file, path, fs::NativeFile::Mode::Read, CannotOpen);
    const qint64 size = file.size();
    if (size < 0)
        throw KorvenError(QCoreApplication::translate("TextFile", "Cannot read %1: %2").arg(shown(path), causeOf(file.error())));
    return size;
}

QStringList splitDecodedLines(const QString &text)
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

QStringList splitTextLines(const QByteArray &bytes)
{
    return splitDecodedLines(fromCp932(bytes));
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
        // A lone lead byte closing the file after a line end is a torn tail: the decoder drops
        // it, so it makes no line (an append later takes its place).
        if (i + 1 == size && isLeadByte(c) && (i == 0 || b[i - 1] == '\n' || b[i - 1] == '\r'))
            break;
        bool valid = c >= 0xA1 && c <= 0xDF;
        if (isLeadByte(c)) {
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
        checked.lines = splitDecodedLines(text);
    } else {
        checked.lines = splitTextLines(bytes);
    }
    return checked;
}

void checkReadLimits(const QString &path, qint64 bytes, qint64 lines, ReadLimits limits)
{
    if (bytes > limits.maxBytes)
        throw KorvenError(tooLarge(path, bytes, limits.maxBytes));
    if (lines > limits.maxLines)
        throw KorvenError(QCoreApplication::translate("TextFile", "%1 has too many lines (%2; at most %3 are read). It was left alone.")
                              .arg(shown(path)).arg(lines).arg(limits.maxLines));
}

QByteArray readTextFile(const QString &path, ReadLimits limits)
{
    QByteArray bytes = readRegularFile(path, limits.maxBytes);
    // Counted first, so a file of bare line ends cannot fill the memory with empty lines.
    checkReadLimits(path, bytes.size(), countTextLines(bytes).lines, limits);
    return bytes;
}

QStringList readTextLines(const QString &path, ReadLimits limits)
{
    return splitTextLines(readTextFile(path, limits));
}

namespace {

// Line counting over consecutive chunks, as splitTextLines splits: CR LF is one line end.
struct LineCounter {
    LineCount count;
    bool afterCr = false;
    qint64 tailBytes = 0;       // bytes since the last line end
    unsigned char tailFirst = 0;

    void add(const char *data, qint64 size)
    {
        for (qint64 i = 0; i < size; ++i) {
            const char c = data[i];
            if (c == '\n') {
                if (!afterCr)
                    ++count.lines;
                afterCr = false;
                tailBytes = 0;
            } else if (c == '\r') {
                ++count.lines;
                afterCr = true;
                tailBytes = 0;
            } else {
                afterCr = false;
                if (tailBytes++ == 0)
                    tailFirst = static_cast<unsigned char>(c);
            }
        }
        count.bytes += size;
    }
    LineCount finish()
    {
        count.endsWithLineEnd = tailBytes == 0;
        if (tailBytes == 1 && isLeadByte(tailFirst))
            count.tornTail = 1; // the decoder drops a character cut short at the end
        else if (tailBytes > 0)
            ++count.lines;
        return count;
    }
};

} // namespace

LineCount countTextLines(const QByteArray &bytes)
{
    LineCounter counter;
    counter.add(bytes.constData(), bytes.size());
    return counter.finish();
}

LineCount countTextLines(const QString &path, qint64 maxBytes)
{
    LineCounter counter;
    readChunks(path, maxBytes, [](qint64) {}, [&](const char *data, qint64 size) { counter.add(data, size); });
    return counter.finish();
}

void removeLeftTemporaries(const QString &folder)
{
    removeTemporaries(folder, 0);
}

void writeFileAtomically(const QString &path, const QByteArray &bytes, FileAccess access, Durability durability)
{
    writeFileAtomically(path, [&](const ByteSink &put) { put(bytes); }, access, durability);
}

namespace {

enum class Existing { Replace, Keep };

// The one whole-file writer: a temporary beside the file, written, flushed and put in its place;
// with Existing::Keep it is put there only where no entry is (false when one is).
bool writeWhole(const QString &path, const std::function<void(const ByteSink &)> &produce, FileAccess access,
                Durability durability, Existing existing)
{
    const QFileInfo info(path);
    const QString folder = info.absolutePath();

    // Only a regular file (or nothing) is replaced; anything else stays as it is.
    const fs::EntryStatus old = fs::entryStatus(path);
    const bool exists = old.error == 0;
    if (exists && existing == Existing::Keep)
        return false;
    if (exists && old.type != fs::EntryType::File)
        throw KorvenError(notRegular(path, old.type));

    removeTemporaries(folder, AbandonedTemporarySeconds);

    const bool ownerOnly = access == FileAccess::OwnerOnly;
    const int mode = ownerOnly ? 0600 : exists ? old.posixMode : 0666;
    static const char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString temporary;
    fs::NativeFile file;
    int openError = EEXIST;
    for (int attempt = 0; attempt < 100 && openError == EEXIST; ++attempt) {
        temporary = folder + u'/' + TemporaryPrefix;
        for (int i = 0; i < TemporarySuffixLength; ++i)
            temporary += QLatin1Char(Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))]);
        openError = file.createNew(temporary, mode, ownerOnly);
    }
    if (openError != 0)
        throw KorvenError(QCoreApplication::translate("TextFile", "Cannot write %1: %2").arg(shown(path), openCause(path, openError)));
    if (exists || ownerOnly)
        file.setPosixMode(mode); // the umask may have narrowed it

    auto discard = [&] {
        if (file.isOpen())
            file.close();
        fs::removeFile(temporary);
    };
    auto fail = [&](int error) {
        discard();
        throw KorvenError(QCoreApplication::translate("TextFile", "Cannot write %1: %2").arg(shown(path), causeOf(error)));
    };
    auto put = [&](const QByteArray &chunk) {
        const char *data = chunk.constData();
        qint64 left = chunk.size();
        while (left > 0) {
            const qint64 n = file.write(data, left);
            if (n <= 0)
                fail(n < 0 ? file.error() : EIO);
            data += n;
            left -= n;
        }
    };
    try {
        produce(put);
    } catch (...) {
        if (file.isOpen())
            discard();
        throw;
    }
    // The data is on disk before the new file takes the old one's place.
    const bool flushed = durability == Durability::Flushed;
    if (flushed && file.sync() != 0)
        fail(file.error());
    if (const int error = file.close())
        fail(error);
    if (existing == Existing::Replace) {
        if (const int error = fs::replaceFile(temporary, path))
            fail(error);
    } else if (const int error = fs::placeFile(temporary, path)) {
        // Of two writers exactly one puts its file there; the other keeps what it found.
        fs::removeFile(temporary);
        if (error == EEXIST)
            return false;
        fail(error);
    }
    if (flushed)
        flushFolder(folder);
    return true;
}

} // namespace

void writeFileAtomically(const QString &path, const std::function<void(const ByteSink &)> &produce,
                         FileAccess access, Durability durability)
{
    writeWhole(path, produce, access, durability, Existing::Replace);
}

bool createFileAtomically(const QString &path, const QByteArray &bytes, FileAccess access)
{
    return writeWhole(path, [&](const ByteSink &put) { put(bytes); }, access, Durability::Flushed, Existing::Keep);
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

void appendToFile(const QString &path, const QByteArray &bytes, qint64 dropTail)
{
    fs::NativeFile file;
    openRegular(file, path, fs::NativeFile::Mode::Append, CannotAppend);
    const qint64 oldSize = file.size();
    if (oldSize < 0)
        throw KorvenError(QCoreApplication::translate("TextFile", "Cannot append to %1: %2").arg(shown(path), causeOf(file.error())));
    QByteArray tail;
    if (dropTail > 0 && dropTail <= oldSize) {
        tail.resize(qsizetype(dropTail));
        fs::NativeFile reader;
        fs::EntryType found;
        int error = reader.openExisting(path, fs::NativeFile::Mode::Read, &found);
        if (error == 0 && reader.readAt(tail.data(), dropTail, oldSize - dropTail) != dropTail)
            error = reader.error() != 0 ? reader.error() : EIO;
        if (error == 0 && file.truncate(oldSize - dropTail) != 0)
            error = file.error();
        if (error != 0)
            throw KorvenError(QCoreApplication::translate("TextFile", "Cannot append to %1: %2")
                                  .arg(shown(path), causeOf(error == fs::NativeFile::NotRegular ? EIO : error)));
    }
    // Back to the old content: cut what was written and put a dropped tail back.
    auto fail = [&](int error) {
        if (!file.isOpen()) { // closed already: cut back by name
            fs::EntryType found;
            file.openExisting(path, fs::NativeFile::Mode::Append, &found);
        }
        if (file.isOpen() && file.truncate(oldSize - tail.size()) == 0 && !tail.isEmpty())
            file.write(tail.constData(), tail.size());
        throw KorvenError(QCoreApplication::translate("TextFile", "Cannot append to %1: %2").arg(shown(path), causeOf(error)));
    };
    // One write call, so a reader never meets the line in two pieces.
    const qint64 n = file.write(bytes.constData(), bytes.size());
    if (n < 0)
        fail(file.error());
    if (n != bytes.size()) {
        // A short write: the next one tells why (the disk is full, the file too large).
        const qint64 more = file.write(bytes.constData() + n, bytes.size() - n);
        fail(more < 0 ? file.error() : EIO);
    }
    if (file.sync() != 0)
        fail(file.error());
    if (const int error = file.close())
        fail(error);
}

} // namespace korven
