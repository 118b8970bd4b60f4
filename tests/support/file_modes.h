#pragma once
// Permission bits of what a program made: a umask set for the length of a test, and the entries
// of a tree whose modes differ from the expected ones.
#include <QDirIterator>
#include <QFile>
#include <QString>
#include <QStringList>

#include <sys/stat.h>

namespace korven::test {

// Sets the process's umask (inherited by the processes it starts) until it goes out of scope.
class UmaskScope {
public:
    explicit UmaskScope(mode_t mask) : old_(::umask(mask)) {}
    ~UmaskScope() { ::umask(old_); }
    UmaskScope(const UmaskScope &) = delete;
    UmaskScope &operator=(const UmaskScope &) = delete;

private:
    mode_t old_;
};

// "path 0700" for `root` and each entry under it whose permission bits are not folderMode (for
// folders) or fileMode (for files); empty when all agree. Hidden entries count too.
inline QStringList entriesWithOtherModes(const QString &root, mode_t folderMode, mode_t fileMode)
{
    QStringList odd;
    auto look = [&](const QString &path) {
        struct stat st;
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
            odd << path + QStringLiteral(" (gone)");
            return;
        }
        const mode_t expected = S_ISDIR(st.st_mode) ? folderMode : fileMode;
        if ((st.st_mode & 07777) != expected)
            odd << QStringLiteral("%1 %2").arg(path).arg(st.st_mode & 07777, 4, 8, QLatin1Char('0'));
    };
    look(root);
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        look(it.next());
    return odd;
}

} // namespace korven::test
