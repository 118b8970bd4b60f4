// Comma text and the CP932 text files: splitting and joining, encoding, line ends, atomic
// whole-file writes and appends.
#include "files/comma_text.h"
#include "files/file_errors.h"
#include "files/errors.h"
#include "files/text_file.h"

#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/time.h>
#include <ctime>
#include <unistd.h>

using namespace korven;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestText : public QObject {
    Q_OBJECT

private slots:
    void split_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("commas") << "1-1.bmp,123,45" << QStringList{"1-1.bmp", "123", "45"};
        QTest::newRow("blanks separate") << "a b  c" << QStringList{"a", "b", "c"};
        QTest::newRow("tab separates") << "a\tb" << QStringList{"a", "b"};
        QTest::newRow("blanks around commas") << "  a , b ,c  " << QStringList{"a", "b", "c"};
        QTest::newRow("empty between commas") << "a,,b" << QStringList{"a", "", "b"};
        QTest::newRow("leading comma") << ",a" << QStringList{"", "a"};
        QTest::newRow("trailing comma") << "a," << QStringList{"a", ""};
        QTest::newRow("quoted blank") << "\"x y\",z" << QStringList{"x y", "z"};
        QTest::newRow("quoted comma") << "\"a,b\",c" << QStringList{"a,b", "c"};
        QTest::newRow("doubled quotes") << "\"say \"\"hi\"\"\",2" << QStringList{"say \"hi\"", "2"};
        QTest::newRow("quoted empty") << "\"\"" << QStringList{""};
        QTest::newRow("text after closing quote") << "\"ab\"cd" << QStringList{"ab", "cd"};
        QTest::newRow("unclosed quote") << "x,\"open end" << QStringList{"x", "open end"};
        QTest::newRow("empty line") << "" << QStringList{};
        QTest::newRow("only blanks") << "   " << QStringList{};
        QTest::newRow("Japanese") << "正常女性染色体核型no10,001" << QStringList{"正常女性染色体核型no10", "001"};
        QTest::newRow("NUL is a separator") << QString::fromUtf8("a\0b", 3) << QStringList{"a", "b"};
    }
    void split()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, fields);
        QCOMPARE(splitCommaText(line), fields);
    }

    void joinAndBack_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("line");
        QTest::newRow("plain") << QStringList{"4", "2012/05/01", "003", "-2"} << "4,2012/05/01,003,-2";
        QTest::newRow("blank") << QStringList{"2012 05 01", "x"} << "\"2012 05 01\",x";
        QTest::newRow("comma") << QStringList{"a,b"} << "\"a,b\"";
        QTest::newRow("quote") << QStringList{"say \"hi\""} << "\"say \"\"hi\"\"\"";
        QTest::newRow("control char") << QStringList{"tab\there", "y"} << "\"tab\there\",y";
        QTest::newRow("lone empty field") << QStringList{""} << "\"\"";
        QTest::newRow("empty fields") << QStringList{"", "a", "", ""} << ",a,,";
        QTest::newRow("nothing") << QStringList{} << "";
        QTest::newRow("Japanese") << QStringList{"正常男性染色体核型no7", "ID 1"} << "正常男性染色体核型no7,\"ID 1\"";
    }
    void joinAndBack()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, line);
        QCOMPARE(joinCommaText(fields), line);
        QCOMPARE(splitCommaText(line), fields);
    }

    void cp932()
    {
        QVERIFY2(QStringDecoder("windows-31j").isValid() && QStringEncoder("windows-31j").isValid(),
                 "Qt has no windows-31j codec here; the program's text files cannot be read");
        const QString text = QStringLiteral("正常女性染色体核型no10");
        const QByteArray bytes = QByteArray::fromHex("90b38fed8f9790ab90f5904691cc8a6a8c5e6e6f3130");
        QCOMPARE(toCp932(text), bytes);
        QCOMPARE(fromCp932(bytes), text);
        // Code page 932 proper, not plain Shift_JIS: the wave dash and the NEC circled digit.
        QCOMPARE(toCp932(QStringLiteral("～①")), QByteArray::fromHex("81608740"));
        QCOMPARE(fromCp932(QByteArray::fromHex("81608740")), QStringLiteral("～①"));
    }

    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("LF, no final end") << QByteArray("a\nb") << QStringList{"a", "b"};
        QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("empty line kept") << QByteArray("a\r\n\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("one empty line") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("Japanese") << QByteArray::fromHex("90b38fed0d0a8160") << QStringList{"正常", "～"};
    }
    void lineEnds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        const QString path = dir.filePath("lines.txt");
        writeRaw(path, bytes);
        QCOMPARE(readTextLines(path), lines);
    }

    // The checked reading splits exactly as the plain one and names only lines that exist.
    void checkedLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<std::vector<int>>("invalid");
        QTest::newRow("clean") << QByteArray("a\r\nb\r\n") << std::vector<int>{};
        QTest::newRow("bad byte on line 2") << QByteArray("a\r\nb\x80\r\nc") << std::vector<int>{2};
        QTest::newRow("torn tail after CR LF") << QByteArray("a\r\nb\r\n\x81") << std::vector<int>{};
        QTest::newRow("torn tail after LF") << QByteArray("a\n\xe0") << std::vector<int>{};
        QTest::newRow("torn tail alone") << QByteArray("\x9f") << std::vector<int>{};
        QTest::newRow("lead byte ending a line") << QByteArray("a\r\nb\x81") << std::vector<int>{2};
        QTest::newRow("lead byte before CR LF") << QByteArray("a\x81\r\nb\r\n") << std::vector<int>{1};
        QTest::newRow("Japanese then torn tail") << QByteArray::fromHex("90b38fed0d0a81") << std::vector<int>{};
    }
    void checkedLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(std::vector<int>, invalid);
        const CheckedTextLines checked = checkedCp932Lines(bytes);
        QCOMPARE(checked.lines, splitTextLines(bytes));
        QCOMPARE(checked.invalidLines, invalid);
        QCOMPARE(qint64(checked.lines.size()), countTextLines(bytes).lines);
    }

    void writeThenRead()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("正常女性染色体核型no10.set");
        const QStringList lines{"1-1.bmp,x,12", "ユーザー,\"a b\",3"};
        writeFileAtomically(path, linesToCp932(lines));
        QVERIFY(readAll(path).endsWith("3\r\n"));
        QCOMPARE(readTextLines(path), lines);
        // A second write replaces the whole file.
        writeFileAtomically(path, linesToCp932({"only"}));
        QCOMPARE(readAll(path), QByteArray("only\r\n"));
    }

    // Cleaning up removes only the writer's own temporaries: never a user's file whose name looks
    // like one, never another writer's temporary still being written.
    void temporariesOnlyOurs()
    {
        QTemporaryDir dir;
        const QStringList users{"trainee1.kek.backup", "NAME.set.201210", "user.pas.AbC123", ".korven-part-12345"};
        for (const QString &name : users)
            writeRaw(dir.filePath(name), "keep");
        writeRaw(dir.filePath(".korven-part-Old123"), "left by a kill");
        writeRaw(dir.filePath(".korven-part-New123"), "being written");
        const time_t then = ::time(nullptr) - 120;
        const struct timeval times[2] = {{then, 0}, {then, 0}};
        QCOMPARE(::utimes(QFile::encodeName(dir.filePath(".korven-part-Old123")).constData(), times), 0);

        writeFileAtomically(dir.filePath("user.pas"), "pw\r\n");
        QStringList expected = users + QStringList{".korven-part-New123", "user.pas"};
        expected.sort();
        QDir folder(dir.path());
        folder.setSorting(QDir::Name);
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), expected);
        for (const QString &name : users)
            QCOMPARE(readAll(dir.filePath(name)), QByteArray("keep"));

        // Where only this process writes (a user's folder under its lock), every one left goes.
        removeLeftTemporaries(dir.path());
        expected.removeOne(".korven-part-New123");
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), expected);
    }

    void missingFileNamesIt()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("nothing-here.kek");
        try {
            readTextLines(path);
            QFAIL("no error for a missing file");
        } catch (const KorvenError &error) {
            QVERIFY2(error.message().contains("nothing-here.kek"), qPrintable(error.message()));
        }
    }

    void failedWriteKeepsOldFile()
    {
        // A file-size limit makes the write fail part-way, even for root, for whom
        // a read-only folder would not stop anything.
        QTemporaryDir dir;
        const QString path = dir.filePath("user.pas");
        writeRaw(path, "old contents\r\n");

        struct rlimit saved;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        small.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        bool threw = false;
        QString message;
        try {
            writeFileAtomically(path, QByteArray(64 * 1024, 'x'));
        } catch (const KorvenError &error) {
            threw = true;
            message = error.message();
        }
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(threw);
        QVERIFY2(message.contains("user.pas"), qPrintable(message));
        QCOMPARE(readAll(path), QByteArray("old contents\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"user.pas"}); // no leftovers
    }

    void writeIntoImpossibleFolder()
    {
        QTemporaryDir dir;
        writeRaw(dir.filePath("plain"), "x");
        const QString path = dir.filePath("plain/user.set"); // the parent is a regular file
        QVERIFY_THROWS_EXCEPTION(KorvenError, writeFileAtomically(path, "y"));
        QVERIFY_THROWS_EXCEPTION(KorvenError, appendToFile(path, "y"));
        QCOMPARE(readAll(dir.filePath("plain")), QByteArray("x"));
    }

    void refusalsNameTheCause_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("cause");
        QTest::newRow("read, unreadable file") << "read" << "unreadable" << "Permission denied";
        QTest::newRow("read, missing folder") << "read" << "no folder" << "does not exist";
        QTest::newRow("write, missing folder") << "write" << "no folder" << "does not exist";
        QTest::newRow("append, missing folder") << "append" << "no folder" << "does not exist";
        QTest::newRow("write, read-only folder") << "write" << "read-only folder" << "Permission denied";
        QTest::newRow("append, read-only file") << "append" << "read-only file" << "Permission denied";
        QTest::newRow("write, full disk") << "write" << "full disk" << "No space left on device";
        QTest::newRow("append, full disk") << "append" << "full disk" << "No space left on device";
        QTest::newRow("make folder, file in the way") << "mkdir" << "file in the way" << "in the way";
        QTest::newRow("make folder, read-only parent") << "mkdir" << "read-only folder" << "Permission denied";
    }
    void refusalsNameTheCause()
    {
        // Every refusal names the file and the operating system's cause, and changes nothing.
        QFETCH(QString, operation);
        QFETCH(QString, setup);
        QFETCH(QString, cause);
        const bool byPermission = setup == "unreadable" || setup.startsWith("read-only");
        if (byPermission && ::geteuid() == 0)
            QSKIP("permissions do not stop root; this row runs for other accounts");
        QTemporaryDir dir;
        QString folder = dir.path();
        QByteArray mountPoint;
        auto unmount = qScopeGuard([&] {
            if (!mountPoint.isEmpty())
                ::umount2(mountPoint.constData(), MNT_DETACH);
        });
        if (setup == "full disk") {
            folder = dir.filePath("disk");
            QVERIFY(QDir().mkdir(folder));
            if (::mount("korven-test", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k") != 0)
                QSKIP("mounting a tmpfs is not allowed here");
            mountPoint = QFile::encodeName(folder);
        }
        QString path = QDir(folder).filePath("user.kek");
        const QByteArray old = "old\r\n";
        if (setup == "no folder") {
            path = dir.filePath("gone/user.kek");
        } else if (setup == "file in the way") {
            writeRaw(dir.filePath("plain"), old);
            path = dir.filePath("plain");
        } else {
            writeRaw(path, old);
        }
        if (setup == "full disk") {
            QFile filler(QDir(folder).filePath("filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (filler.write(QByteArray(4096, 'f')) > 0) {
            }
            while (filler.write(QByteArray(1, 'f')) > 0) {
            }
        }
        if (setup == "unreadable")
            QVERIFY(QFile::setPermissions(path, {}));
        if (setup == "read-only file")
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        if (setup == "read-only folder") {
            if (operation == "mkdir")
                path = dir.filePath("locked/new");
            QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
            QVERIFY(QFile::setPermissions(QFileInfo(path).absolutePath(), QFile::ReadOwner | QFile::ExeOwner));
        }
        const auto before = QDir(QFileInfo(path).absolutePath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        QString message;
        try {
            if (operation == "read")
                readTextLines(path);
            else if (operation == "write")
                writeFileAtomically(path, QByteArray(16 * 1024, 'x'));
            else if (operation == "append")
                appendToFile(path, QByteArray(16 * 1024, 'x'));
            else
                makeFolders(path);
        } catch (const KorvenError &error) {
            message = error.message();
        }
        QFile::setPermissions(QFileInfo(path).absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

        QVERIFY2(!message.isEmpty(), "no refusal");
        QVERIFY2(message.contains(QDir::toNativeSeparators(QFileInfo(path).fileName())), qPrintable(message));
        QVERIFY2(message.contains(cause, Qt::CaseInsensitive), qPrintable(message));
        QVERIFY2(!message.contains("Unknown error"), qPrintable(message));
        if (QFileInfo(path).isFile())
            QCOMPARE(readAll(path), old);
        QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    }

    void entryFaults_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("fault");
        QTest::newRow("file") << "file" << int(EntryKind::File) << "";
        QTest::newRow("folder") << "folder" << int(EntryKind::Folder) << "";
        QTest::newRow("missing file") << "nothing" << int(EntryKind::File) << "missing";
        QTest::newRow("missing folder") << "nothing" << int(EntryKind::Folder) << "no such folder";
        QTest::newRow("folder for a file") << "folder" << int(EntryKind::File) << "a folder, not a file";
        QTest::newRow("file for a folder") << "file" << int(EntryKind::Folder) << "a file, not a folder";
        QTest::newRow("under a file") << "file/inside" << int(EntryKind::File) << "not a folder";
        QTest::newRow("unreadable file") << "unreadable" << int(EntryKind::File) << "Permission denied";
        QTest::newRow("closed folder") << "closed" << int(EntryKind::Folder) << "Permission denied";
    }
    void entryFaults()
    {
        // What a check says of an entry it cannot use: "missing" only when nothing is there.
        QFETCH(QString, entry);
        QFETCH(int, kind);
        QFETCH(QString, fault);
        if ((entry == "unreadable" || entry == "closed") && ::geteuid() == 0)
            QSKIP("permissions do not stop root; this row runs for other accounts");
        QTemporaryDir dir;
        writeRaw(dir.filePath("file"), "x");
        writeRaw(dir.filePath("unreadable"), "x");
        QVERIFY(QFile::setPermissions(dir.filePath("unreadable"), {}));
        QVERIFY(QDir().mkdir(dir.filePath("folder")) && QDir().mkdir(dir.filePath("closed")));
        QVERIFY(QFile::setPermissions(dir.filePath("closed"), {}));
        const QString found = entryFault(dir.filePath(entry), EntryKind(kind));
        QFile::setPermissions(dir.filePath("closed"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (fault.isEmpty())
            QCOMPARE(found, QString());
        else
            QVERIFY2(found.contains(fault, Qt::CaseInsensitive), qPrintable(found));
    }

    void hostileEntries_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("operation");
        for (const char *kind : {"symlink", "fifo", "folder", "device"}) {
            for (const char *operation : {"read", "count", "append", "replace"})
                QTest::addRow("%s, %s", kind, operation) << kind << operation;
        }
    }
    void hostileEntries()
    {
        // Nothing but a regular file is read or written; a FIFO would otherwise block for good and
        // a link would lead a write outside the user's folder.
        QFETCH(QString, kind);
        QFETCH(QString, operation);
        QTemporaryDir dir;
        const QString outside = dir.filePath("outside.txt");
        writeRaw(outside, "outside\r\n");
        const QString path = dir.filePath("user.kek");
        const QByteArray name = QFile::encodeName(path);
        if (kind == "symlink")
            QVERIFY(QFile::link(outside, path));
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        else if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        else if (::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0) // /dev/null
            QSKIP("device nodes cannot be made here");
        try {
            if (operation == "read")
                readTextLines(path);
            else if (operation == "count")
                countTextLines(path, 1024);
            else if (operation == "append")
                appendToFile(path, "line\r\n");
            else
                writeFileAtomically(path, "line\r\n");
            QFAIL("the entry was used");
        } catch (const KorvenError &error) {
            QVERIFY2(error.message().contains("user.kek") && error.message().contains("not a regular file"),
                     qPrintable(error.message()));
        }
        QCOMPARE(readAll(outside), QByteArray("outside\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).size(), 2);
    }

    void sizeLimits()
    {
        // Too many bytes, or too many (empty) lines, are refused before they fill the memory.
        QTemporaryDir dir;
        const QString path = dir.filePath("big.kek");
        writeRaw(path, QByteArray(2000, '\n'));
        QCOMPARE(readTextLines(path, {2000, 2000}).size(), 2000);
        QCOMPARE(countTextLines(path, 2000).lines, 2000);
        for (ReadLimits limits : {ReadLimits{1999, 5000}, ReadLimits{5000, 1999}}) {
            try {
                readTextLines(path, limits);
                QFAIL("a file beyond the limits was read");
            } catch (const KorvenError &error) {
                QVERIFY2(error.message().contains("big.kek") && error.message().contains("too"),
                         qPrintable(error.message()));
            }
        }
        QVERIFY_THROWS_EXCEPTION(KorvenError, countTextLines(path, 1999));
    }

    void lineCountsAgreeWithTheReader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("endsWithLineEnd");
        QTest::addColumn<int>("tornTail");
        QTest::newRow("empty") << QByteArray() << true << 0;
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << true << 0;
        QTest::newRow("mixed, open last line") << QByteArray("a\rb\n\r\nc") << false << 0;
        QTest::newRow("CR LF split by a lead byte") << QByteArray("a\x81\r\nb\r\n") << true << 0;
        QTest::newRow("trailing lead byte") << QByteArray("a\r\n\x81") << false << 1;
        QTest::newRow("whole character at the end") << QByteArray("a\r\n\x82\xa0") << false << 0;
    }
    void lineCountsAgreeWithTheReader()
    {
        QFETCH(QByteArray, bytes);
        const LineCount count = countTextLines(bytes);
        QCOMPARE(count.lines, splitTextLines(bytes).size());
        QTEST(count.endsWithLineEnd, "endsWithLineEnd");
        QTEST(int(count.tornTail), "tornTail");
    }

    void append()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("user.kek");
        writeRaw(path, "");
        appendToFile(path, linesToCp932({"header"}));
        appendToFile(path, linesToCp932({"1,2012/05/01,001"}));
        QCOMPARE(readAll(path), QByteArray("header\r\n1,2012/05/01,001\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestText)
#include "test_text.moc"
