// File names through the whole file layer, on every system and under any code page: the names the
// catalogue uses, long names, and (on Windows) the device names it must refuse. scripts/test-windows.sh
// runs this test under code pages 1252 and 932.
#include "exercise/catalogue.h"
#include "exercise/errors.h"
#include "files/file_errors.h"
#include "files/file_system.h"
#include "files/text_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace korven;

class TestFileNames : public QObject {
    Q_OBJECT

private slots:
    void codePage()
    {
#ifdef Q_OS_WIN
        // The wrapper script names the code page it set; the test shows it was in force.
        const QByteArray expected = qgetenv("KORVEN_EXPECT_CODEPAGE");
        if (!expected.isEmpty())
            QCOMPARE(QByteArray::number(uint(::GetACP())), expected);
#endif
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("ascii") << QStringLiteral("Result-01");
        QTest::newRow("first female") << catalogueNames().first();
        QTest::newRow("female no10") << FemaleStem + QStringLiteral("10");
        QTest::newRow("last male") << catalogueNames().last();
        QTest::newRow("half-width kana and blanks") << QStringLiteral("ｶﾅ 名前 (2)");
        // 200 characters, within the 255 bytes a Linux file name may take in UTF-8.
        QTest::newRow("200 characters") << (FemaleStem + QStringLiteral("10-") + QString(200 - FemaleStem.size() - 3, u'x'));
    }

    // A folder and a file of the name are made, written, appended to, read back, listed under
    // their own name, renamed and refused when they are not what is asked for.
    void roundTrip()
    {
        QFETCH(QString, name);
        QCOMPARE(name.isEmpty(), false);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = dir.filePath(name);
        makeFolders(folder + QStringLiteral("/Result"));
        QCOMPARE(fs::entryStatus(folder).type, fs::EntryType::Folder);

        const QString file = folder + u'/' + name + QStringLiteral(".set");
        writeFileAtomically(file, linesToCp932({name, QStringLiteral("1-1.bmp,10,20")}), FileAccess::OwnerOnly);
        appendToFile(file, linesToCp932({QStringLiteral("last")}));
        QCOMPARE(readTextLines(file), (QStringList{name, QStringLiteral("1-1.bmp,10,20"), QStringLiteral("last")}));
        QCOMPARE(fs::entryStatus(file).type, fs::EntryType::File);
        QCOMPARE(entryFault(file, EntryKind::File), QString());
        QCOMPARE(entryFault(folder, EntryKind::Folder), QString());

        // Listed under the very name written: no code page in between.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{name});
        QVERIFY(QDir(folder).entryList(QDir::Files).contains(name + QStringLiteral(".set")));

        // Replaced in place, the old content gone, no temporary left beside it.
        writeFileAtomically(file, linesToCp932({QStringLiteral("again")}));
        QCOMPARE(readTextLines(file), QStringList{QStringLiteral("again")});
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1);

        const QString moved = dir.filePath(name + QStringLiteral("-moved"));
        renameEntry(folder, moved);
        QCOMPARE(fs::entryStatus(folder).type, fs::EntryType::Missing);
        QCOMPARE(readTextLines(moved + u'/' + name + QStringLiteral(".set")), QStringList{QStringLiteral("again")});

        // A folder is never read or replaced as a file.
        QVERIFY_THROWS_EXCEPTION(KorvenError, readTextLines(moved));
        QVERIFY_THROWS_EXCEPTION(KorvenError, writeFileAtomically(moved, QByteArray("x")));
        QCOMPARE(fs::entryStatus(moved).type, fs::EntryType::Folder);
    }

    void deviceNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("device");
        QTest::newRow("CON") << QStringLiteral("CON") << true;
        QTest::newRow("nul with extension") << QStringLiteral("nul.txt") << true;
        QTest::newRow("COM1") << QStringLiteral("COM1") << true;
        QTest::newRow("lpt9 blank") << QStringLiteral("lpt9 ") << true;
        QTest::newRow("CONOUT$") << QStringLiteral("CONOUT$") << true;
        QTest::newRow("COM0 is a name") << QStringLiteral("COM0") << false;
        QTest::newRow("CONSOLE is a name") << QStringLiteral("CONSOLE") << false;
        QTest::newRow("catalogue name") << catalogueNames().first() << false;
    }

    // Windows reserves device names in every folder: the layer refuses to read or write them, as it
    // refuses devices on Linux, where the same names are plain files.
    void deviceNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, device);
        QCOMPARE(fs::isReservedDeviceName(name), device);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
#ifdef Q_OS_WIN
        if (device) {
            QCOMPARE(fs::entryStatus(path).type, fs::EntryType::Device);
            QVERIFY_THROWS_EXCEPTION(KorvenError, readTextLines(path));
            QVERIFY_THROWS_EXCEPTION(KorvenError, writeFileAtomically(path, QByteArray("x")));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
            return;
        }
#endif
        writeFileAtomically(path, QByteArray("x\r\n"));
        QCOMPARE(readTextLines(path), QStringList{QStringLiteral("x")});
    }

    // The lock folder of the single copy is this user's alone, and made again when missing.
    void ownPrivateFolder()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("korven-") + fs::userTag());
        QVERIFY(fs::ownPrivateFolder(folder));
        QVERIFY(fs::ownPrivateFolder(folder));
        QCOMPARE(fs::writeAccess(folder), 0);
        writeFileAtomically(dir.filePath(QStringLiteral("plain")), QByteArray("x"));
        QVERIFY(!fs::ownPrivateFolder(dir.filePath(QStringLiteral("plain"))));
    }

    void processRunning()
    {
        QVERIFY(fs::processRunning(QCoreApplication::applicationPid()));
        QVERIFY(!fs::processRunning(0));
        QVERIFY(!fs::processRunning(-5));
    }
};

QTEST_GUILESS_MAIN(TestFileNames)
#include "test_file_names.moc"
