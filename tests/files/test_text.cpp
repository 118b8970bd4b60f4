// Comma text and the CP932 text files: splitting and joining, encoding, line ends, atomic
// whole-file writes and appends.
#include "files/comma_text.h"
#include "exercise/errors.h"
#include "files/text_file.h"

#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

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
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"user.pas"}); // no leftovers
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
