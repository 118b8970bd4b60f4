// What the tools make on a shared disk is readable by the other accounts: under umask 022 every
// folder they make is 0755 and every file 0644, whatever they build aside first.
#include "support/file_modes.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using korven::test::entriesWithOtherModes;
using korven::test::UmaskScope;

class TestSharedModes : public QObject {
    Q_OBJECT

private slots:
    void madeThingsFollowTheUmask_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments"); // OUT stands for the folder looked at afterwards
        QTest::addColumn<bool>("outGiven");          // whether the test makes OUT itself
        QTest::newRow("make") << QStringLiteral(KORVEN_TOOL)
                              << QStringList{"make", "--out", "OUT", "--seed", "5", "--only", "1", "--threads", "1"} << false;
        QTest::newRow("case") << QStringLiteral(KORVEN_TOOL)
                              << QStringList{"case", "46,XY,del(5)(p14)", "--name", "shared", "--level", "400",
                                             "--cells", "1", "--out", "OUT"}
                              << false;
        QTest::newRow("class table") << QStringLiteral(KORVEN_CLASS_EXE) << QStringList{"--csv", "OUT/class.csv", "Result"}
                                     << true;
    }
    void madeThingsFollowTheUmask()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(bool, outGiven);
        if (!QFileInfo(program).isExecutable())
            QSKIP("the program is not built");
        UmaskScope mask(022);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Result")));
        const QString out = dir.filePath(QStringLiteral("new"));
        if (outGiven)
            QVERIFY(QDir().mkdir(out));
        arguments.replaceInStrings(QStringLiteral("OUT"), out);
        QProcess process;
        process.setWorkingDirectory(dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KORVEN_LANG"), QStringLiteral("en"));
        process.setProcessEnvironment(env);
        process.start(program, arguments);
        QVERIFY(process.waitForFinished(-1));
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
                 process.readAllStandardError().constData());
        QVERIFY(QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size() > 0);
        const QStringList odd = entriesWithOtherModes(out, 0755, 0644);
        QVERIFY2(odd.isEmpty(), qPrintable(odd.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestSharedModes)
#include "test_shared_modes.moc"
