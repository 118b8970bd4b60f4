// korven-problems karyotype: the normal form or the reason, and a comparison one element a line
// with the verdict last; the words scripts read stay English under a Japanese interface.
#include <QProcess>
#include <QTest>

class TestKaryotypeCommand : public QObject {
    Q_OBJECT
private slots:
    void run_data();
    void run();
};

void TestKaryotypeCommand::run_data()
{
    QTest::addColumn<QString>("language"); // KORVEN_LANG
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err"); // the start of standard error

    QTest::newRow("normal form") << "en" << QStringList{"karyotype", "45,XX,rob(13;14)(q10;q10)"} << 0
                                 << "45,XX,der(13;14)(q10;q10)\n" << "";
    QTest::newRow("invalid") << "en" << QStringList{"karyotype", "47,XY"} << 1 << ""
                             << "invalid karyotype: 47 stated, 46 described: 46 + nothing";
    QTest::newRow("invalid, Japanese") << "ja" << QStringList{"karyotype", "46,XY,del(5)(p16)"} << 1 << ""
                                       << "無効な核型: 5p16 は存在しません: 5p は p15.3 で終わります";
    QTest::newRow("compared")
        << "en" << QStringList{"karyotype", "46,XX,del(5)(p14)", "--against", "46,XX,del(5)(p15.2)", "--level", "400"} << 0
        << "right 46\nright XX\nwrong del(5)(p14) -- 5p14 is two bands from 5p15.2\nverdict: wrong\n" << "";
    QTest::newRow("compared, Japanese")
        << "ja" << QStringList{"karyotype", "46,XX,del(5)(p15.1)", "--against", "46,XX,del(5)(p15.2)"} << 0
        << "right 46\nright XX\nnear del(5)(p15.1) -- 5p15.1 は 5p15.2 から 1 バンド離れています\nverdict: near\n" << "";
    QTest::newRow("mosaic lines named")
        << "en" << QStringList{"karyotype", "45,X[3]/46,XX[17]", "--against", "45,X[3]/46,XX[17]"} << 0
        << "right 45 (line 1)\nright X (line 1)\nright [3] (line 1)\nright 46 (line 2)\nright XX (line 2)\n"
           "right [17] (line 2)\nverdict: right\n"
        << "";
    QTest::newRow("form fault, content right")
        << "en" << QStringList{"karyotype", "46,XY,t(22;9)(q11.2;q34)", "--against", "46,XY,t(9;22)(q34;q11.2)"} << 0
        << "right 46\nright XY\nright t(9;22)(q34;q11.2)\nverdict: near\n" << "form fault: t(22;9)(q11.2;q34)";
    // A trainee's answers as an examiner grades them.
    QTest::newRow("more precise sub-band")
        << "en" << QStringList{"karyotype", "46,XY,t(9;22)(q34;q11.23)", "--against", "46,XY,t(9;22)(q34;q11.2)"} << 0
        << "right 46\nright XY\nright t(9;22)(q34;q11.23)\nverdict: right\n" << "";
    QTest::newRow("a band holding the neighbour")
        << "en" << QStringList{"karyotype", "46,XX,t(11;22)(q23;q12)", "--against", "46,XX,t(11;22)(q23;q11.2)"} << 0
        << "right 46\nright XX\nwrong t(11;22)(q23;q12) -- 22q12 holds 22q12.1, the neighbour of 22q11.2 at 550 bands, "
           "and more bands beyond it\nverdict: wrong\n"
        << "";
    QTest::newRow("mosaic lines swapped")
        << "en" << QStringList{"karyotype", "46,XX[7]/45,X[3]", "--against", "45,X[3]/46,XX[7]"} << 0
        << "right 45 (line 1)\nright X (line 1)\nright [3] (line 1)\nright 46 (line 2)\nright XX (line 2)\n"
           "right [7] (line 2)\nverdict: near\n"
        << "form fault: The cell lines are listed in another order";
    QTest::newRow("full-width, not lowered")
        << "en" << QStringList{"karyotype", QString::fromUtf8("４７，ＸＹ，＋２１"), "--against", "47,XY,+21"} << 0
        << "right 47\nright XY\nright +21\nverdict: right\n" << "note: Full-width characters";
    QTest::newRow("older writing named")
        << "en" << QStringList{"karyotype", "46,X,i(Xq)"} << 1 << "" << "invalid karyotype: i(Xq) (character 6) is an older writing: ISCN writes i(X)(q10)";
    QTest::newRow("truth unreadable") << "en" << QStringList{"karyotype", "46,XY", "--against", "46,XY,"} << 1 << ""
                                      << "invalid karyotype: The karyotype ends after character 6";
    QTest::newRow("bad level") << "en" << QStringList{"karyotype", "46,XY", "--against", "46,XY", "--level", "500"} << 2
                               << "" << "korven-problems: karyotype: the band level is 400, 550 or 850";
    QTest::newRow("no text") << "en" << QStringList{"karyotype"} << 2 << ""
                             << "korven-problems: karyotype: the karyotype TEXT is required";
}

void TestKaryotypeCommand::run()
{
    QFETCH(QString, language);
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KORVEN_LANG"), language);
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.remove(QStringLiteral("LC_ALL"));
    QProcess tool;
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(KORVEN_TOOL), args);
    QVERIFY(tool.waitForFinished(-1));
    const QString stdOut = QString::fromUtf8(tool.readAllStandardOutput());
    const QString stdErr = QString::fromUtf8(tool.readAllStandardError());
    QCOMPARE(stdOut, out);
    QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.startsWith(err), qPrintable(stdErr));
    QCOMPARE(tool.exitCode(), exitCode);
}

QTEST_GUILESS_MAIN(TestKaryotypeCommand)
#include "test_karyotype_command.moc"
