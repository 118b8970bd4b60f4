// The plain logic of case work: where pieces belong and how they are graded, the case folder's
// reader, and the case record file.
#include "cases/case_folder.h"
#include "cases/case_grading.h"
#include "cases/case_layout.h"
#include "cases/case_records.h"
#include "cases/case_sources.h"
#include "cases/karyotype_grading.h"
#include "exercise/errors.h"

#include <QFile>
#include <QTemporaryDir>
#include "support/file_modes.h"

#include <QtTest>

using namespace korven;

Q_DECLARE_METATYPE(korven::PieceGrade)

class TestCaseLogic : public QObject {
    Q_OBJECT
private slots:
    void gradePiece_data();
    void gradePiece();
    void rowsHoldEveryGroupOnce();
    void karyogramPieceScale_data();
    void karyogramPieceScale();
    void parseCase();
    void parseCaseRejects_data();
    void parseCaseRejects();
    void recordLineRoundTrip();
    void recordReadingSkipsDamagedLines();
    void appendWritesHeaderOnce();
    void summaryCountsLastEvaluation();
    void karyotypeComparison_data();
    void karyotypeComparison();
    void kindOfAbnormality_data();
    void kindOfAbnormality();
    void formFault_data();
    void formFault();
    void abnormalSources_data();
    void abnormalSources();
};

void TestCaseLogic::gradePiece_data()
{
    QTest::addColumn<QString>("identity");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("step");
    QTest::addColumn<PieceGrade>("grade");
    QTest::newRow("plain 21 in 21") << "21" << 20 << 0 << PieceGrade::Right;
    QTest::newRow("plain 21 turned") << "21" << 20 << 6 << PieceGrade::Turned;
    QTest::newRow("upright limit after") << "21" << 20 << 2 << PieceGrade::Right;
    QTest::newRow("upright limit before") << "21" << 20 << 21 << PieceGrade::Right;
    QTest::newRow("21 in 22") << "21" << 21 << 0 << PieceGrade::WrongGroup;
    QTest::newRow("left in the spread") << "21" << InSpread << 0 << PieceGrade::NotPlaced;
    QTest::newRow("X in X") << "X" << GroupX << 23 << PieceGrade::Right;
    QTest::newRow("Y in X") << "Y" << GroupX << 0 << PieceGrade::WrongGroup;
    QTest::newRow("der(22) in 22") << "der(22)t(11;22)(q23;q11.2)" << 21 << 0 << PieceGrade::Right;
    QTest::newRow("der(22) in 11") << "der(22)t(11;22)(q23;q11.2)" << 10 << 0 << PieceGrade::WrongGroup;
    QTest::newRow("der(11) in 11") << "der(11)t(11;22)(q23;q11.2)" << 10 << 1 << PieceGrade::Right;
    QTest::newRow("Robertsonian in 13") << "der(13;14)(q10;q10)" << 12 << 0 << PieceGrade::Right;
    QTest::newRow("Robertsonian in 14") << "der(13;14)(q10;q10)" << 13 << 0 << PieceGrade::Right;
    QTest::newRow("Robertsonian in 15") << "der(13;14)(q10;q10)" << 14 << 0 << PieceGrade::WrongGroup;
    QTest::newRow("rob writing in 14") << "rob(13;14)(q10;q10)" << 13 << 0 << PieceGrade::Right;
    QTest::newRow("i(X) in X") << "i(X)(q10)" << GroupX << 0 << PieceGrade::Right;
    QTest::newRow("del(5) in 5") << "del(5)(p14)" << 4 << 0 << PieceGrade::Right;
    QTest::newRow("inv(9) turned") << "inv(9)(p12q13)" << 8 << 12 << PieceGrade::Turned;
    QTest::newRow("marker in marker place") << "mar" << GroupMarker << 0 << PieceGrade::Right;
    QTest::newRow("marker in Y") << "mar" << GroupY << 0 << PieceGrade::WrongGroup;
    QTest::newRow("nonsense anywhere") << "zz" << 0 << 0 << PieceGrade::WrongGroup;
}

void TestCaseLogic::gradePiece()
{
    QFETCH(QString, identity);
    QFETCH(int, group);
    QFETCH(int, step);
    QFETCH(PieceGrade, grade);
    QCOMPARE(korven::gradePiece(identity, group, step, CaseTurnSteps), grade);
}

void TestCaseLogic::rowsHoldEveryGroupOnce()
{
    QList<int> all;
    for (const auto &row : karyogramRows())
        for (int g : row)
            all << g;
    QCOMPARE(all.size(), GroupCount);
    for (int g = 0; g < GroupCount; ++g)
        QCOMPARE(all.count(g), 1);
    QCOMPARE(groupCaption(GroupMarker), QStringLiteral("mar"));
}

void TestCaseLogic::karyogramPieceScale_data()
{
    QTest::addColumn<int>("rowHeight");
    QTest::addColumn<int>("reserved");
    QTest::addColumn<int>("tallest");
    QTest::addColumn<float>("scale");
    QTest::newRow("tallest fills the room") << 220 << 20 << 400 << 0.5f;
    QTest::newRow("never above the bitmap") << 220 << 20 << 100 << 1.0f;
    QTest::newRow("low row keeps the least room") << 50 << 20 << 400 << float(MinPieceRoom) / 400;
    QTest::newRow("no chromosome") << 220 << 20 << 0 << 1.0f;
}

void TestCaseLogic::karyogramPieceScale()
{
    QFETCH(int, rowHeight);
    QFETCH(int, reserved);
    QFETCH(int, tallest);
    QFETCH(float, scale);
    QCOMPARE(korven::karyogramPieceScale(rowHeight, reserved, tallest), scale);
}

void TestCaseLogic::parseCase()
{
    const QStringList lines{"karyotype\t47,XY,+21", "level\t550", "note\tTrisomy 21.", "",
                            "spread\t1\t400\t300", "spread\t2\t300\t200",
                            "piece\t1\tc1-01.bmp\t21\t100\t120\t5", "piece\t2\tc2-01.bmp\tX\t10\t20\t0",
                            "piece\t1\tc1-02.bmp\tder(22)t(11;22)(q23;q11.2)\t50\t60\t23"};
    const CaseFolder c = parseCaseText(lines, "/x/Cases/c7/case.txt");
    QCOMPARE(c.name, QStringLiteral("c7"));
    QCOMPARE(c.karyotype, QStringLiteral("47,XY,+21"));
    QCOMPARE(c.level, 550);
    QCOMPARE(c.notes, QStringList{"Trisomy 21."});
    QCOMPARE(c.cellCount(), 2);
    QCOMPARE(c.spreads[0], QSize(400, 300));
    QCOMPARE(c.piecesOf(1), (std::vector<int>{0, 2}));
    QCOMPARE(c.pieces[2].identity, QStringLiteral("der(22)t(11;22)(q23;q11.2)"));
    QCOMPARE(c.pieces[2].step, 23);
    QCOMPARE(QPoint(c.pieces[0].x, c.pieces[0].y), QPoint(100, 120));
}

void TestCaseLogic::parseCaseRejects_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("message");
    // The reader's faults reach the window as one error naming the file and line.
    const QString k = "karyotype\t46,XX", l = "level\t550", s = "spread\t1\t100\t100", p = "piece\t1\ta.bmp\t1\t5\t5\t0";
    QTest::newRow("unknown record") << QStringList{k, l, s, p, "colour\tred"} << "line 5: unknown record \"colour\"";
    QTest::newRow("path out of folder") << QStringList{k, l, s, "piece\t1\t../a.bmp\t1\t5\t5\t0"} << "plain file name";
    QTest::newRow("no karyotype") << QStringList{l, s, p} << "no karyotype line";
    QTest::newRow("cell 1 empty") << QStringList{k, l, s, "spread\t2\t100\t100", "piece\t2\ta.bmp\t1\t5\t5\t0"} << "cell 1 has no chromosome";
}

void TestCaseLogic::parseCaseRejects()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, message);
    try {
        parseCaseText(lines, "/x/Cases/bad/case.txt");
        QFAIL("accepted");
    } catch (const KorvenError &e) {
        QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        QVERIFY(e.message().contains("case.txt"));
    }
}

static CaseRecord sampleRecord()
{
    CaseRecord r;
    r.date = QDate(2026, 12, 10);
    r.time = QTime(9, 5, 7);
    r.caseName = "case03";
    r.seconds = 412;
    r.countsGiven = {46, 45, -1};
    r.countsTrue = {46, 46, 46};
    r.piecesRight = 44;
    r.pieces = 46;
    r.karyotype = "46,XX,\tt(11;22)(q23;q11.2)";
    r.verdict = "near";
    return r;
}

void TestCaseLogic::recordLineRoundTrip()
{
    const CaseRecord r = sampleRecord();
    const QString line = caseRecordLine(r);
    QCOMPARE(line, QStringLiteral("2026-12-10\t09:05:07\tcase03\t412\t46 45 -\t46 46 46\t44\t46\t46,XX, t(11;22)(q23;q11.2)\tnear"));
    CaseRecord back;
    QVERIFY(parseCaseRecordLine(line, back));
    QCOMPARE(back.date, r.date);
    QCOMPARE(back.time, r.time);
    QCOMPARE(back.countsGiven, r.countsGiven);
    QCOMPARE(back.countsTrue, r.countsTrue);
    QCOMPARE(back.piecesRight, 44);
    QVERIFY(!back.countsRight());
    QVERIFY(!parseCaseRecordLine(caseRecordHeader(), back));
}

void TestCaseLogic::recordReadingSkipsDamagedLines()
{
    const QString good = caseRecordLine(sampleRecord());
    QString wrongVerdict = good;
    wrongVerdict.replace("\tnear", "\tperhaps");
    const CaseRecords read = parseCaseRecords({caseRecordHeader(), good, "2026-13-01\tx", wrongVerdict, good});
    QCOMPARE(int(read.records.size()), 2);
    QCOMPARE(read.badLines, (std::vector<int>{3, 4}));
}

void TestCaseLogic::appendWritesHeaderOnce()
{
    QTemporaryDir dir;
    const QString path = caseRecordPath(dir.path(), "ユーザ1");
    QVERIFY(path.endsWith("/ユーザ1/ユーザ1.cases"));
    QCOMPARE(int(readCaseRecords(path).records.size()), 0); // missing: no records
    {
        // The folder and file it makes take the umask's modes, as every other file does.
        korven::test::UmaskScope mask(022);
        appendCaseRecord(path, sampleRecord());
    }
    QCOMPARE(korven::test::entriesWithOtherModes(QFileInfo(path).absolutePath(), 0755, 0644), QStringList());
    appendCaseRecord(path, sampleRecord());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith(caseRecordHeader().toUtf8() + "\r\n"));
    QCOMPARE(bytes.count(caseRecordHeader().toUtf8()), 1);
    QCOMPARE(int(readCaseRecords(path).records.size()), 2);
    f.close();
    // A hand edit that left no line end at the end does not glue the next record to it.
    QVERIFY(f.open(QIODevice::Append));
    f.write("# edited");
    f.close();
    appendCaseRecord(path, sampleRecord());
    const CaseRecords read = readCaseRecords(path);
    QCOMPARE(int(read.records.size()), 3);
    QCOMPARE(read.badLines, (std::vector<int>{4}));
}

void TestCaseLogic::summaryCountsLastEvaluation()
{
    CaseRecord a = sampleRecord();
    a.verdict = "wrong";
    CaseRecord a2 = a;
    a2.verdict = "right";
    a2.countsGiven = {46, 46, 46};
    CaseRecord b = sampleRecord();
    b.caseName = "case05";
    const CaseSummary s = summarizeCases({a, b, a2}, {{"case03", "structural"}, {"case05", "mosaic"}});
    QCOMPARE(s.casesDone, 2);
    QCOMPARE(s.karyotypesRight, 1);
    QCOMPARE(s.countsRight, 1);
    QCOMPARE(s.lastVerdict.value("case03"), QStringLiteral("right"));
    QCOMPARE(s.byKind.value("structural"), std::make_pair(1, 1));
    QCOMPARE(s.byKind.value("mosaic"), std::make_pair(0, 1));
}

void TestCaseLogic::karyotypeComparison_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("truth");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QStringList>("elements");
    QTest::newRow("right") << "47,XY,+21" << "47,XY,+21" << "right" << QStringList{"right", "right", "right"};
    QTest::newRow("missed trisomy") << "46,XY" << "47,XY,+21" << "wrong" << QStringList{"wrong", "right", "missing"};
    QTest::newRow("extra") << "48,XX,+13,+21" << "47,XX,+21" << "wrong" << QStringList{"wrong", "right", "right", "extra"};
    QTest::newRow("neighbour band") << "46,XX,t(11;22)(q23;q12.1)" << "46,XX,t(11;22)(q23;q11.2)" << "near"
                                    << QStringList{"right", "right", "near"};
    QTest::newRow("unreadable answer") << "47,XY+21" << "47,XY,+21" << "wrong" << QStringList{"wrong"};
}

void TestCaseLogic::karyotypeComparison()
{
    QFETCH(QString, given);
    QFETCH(QString, truth);
    QFETCH(QString, verdict);
    QFETCH(QStringList, elements);
    const KaryotypeGrade g = gradeKaryotype(given, truth, 550);
    QCOMPARE(iscn::verdictWord(g.verdict), verdict);
    QStringList got;
    for (const auto &e : g.elements) {
        got << iscn::gradeWord(e.grade);
        QCOMPARE(e.reason.isEmpty(), e.grade == iscn::Grade::Right);
        QVERIFY(!e.element.isEmpty());
    }
    QCOMPARE(got, elements);
}

void TestCaseLogic::kindOfAbnormality_data()
{
    QTest::addColumn<QString>("truth");
    QTest::addColumn<QString>("kind");
    QTest::newRow("trisomy") << "47,XY,+21" << "numerical";
    QTest::newRow("translocation") << "46,XX,t(11;22)(q23;q11.2)" << "structural";
    QTest::newRow("Robertsonian") << "45,XY,der(13;14)(q10;q10)" << "structural";
    QTest::newRow("Turner") << "45,X" << "sex chromosomes";
    QTest::newRow("isochromosome X") << "46,X,i(X)(q10)" << "sex chromosomes";
    QTest::newRow("mosaic") << "45,X[3]/46,XX[17]" << "mosaic";
    QTest::newRow("normal") << "46,XX" << "normal";
}

void TestCaseLogic::kindOfAbnormality()
{
    QFETCH(QString, truth);
    QFETCH(QString, kind);
    QCOMPARE(abnormalityKind(truth), kind);
}

void TestCaseLogic::formFault_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("fault");
    QTest::newRow("empty") << "" << false;
    QTest::newRow("fine") << "46,XX,t(11;22)(q23;q11.2)" << false;
    QTest::newRow("mosaic") << "45,X[3]/46,XX[17]" << false;
    QTest::newRow("blank, noted") << "47, XY,+21" << true;
    QTest::newRow("full-width, noted") << QString::fromUtf8("４７，ＸＹ，＋２１") << true;
    QTest::newRow("no sex") << "46" << true;
    QTest::newRow("bad sex") << "46,XQ" << true;
    QTest::newRow("open parenthesis") << "46,XX,del(5)(p14" << true;
    QTest::newRow("count disagrees") << "47,XY" << true;
    QTest::newRow("order") << "47,XY,+21,+13" << true;
}

void TestCaseLogic::formFault()
{
    QFETCH(QString, typed);
    QFETCH(bool, fault);
    QCOMPARE(!karyotypeFormFault(typed).isEmpty(), fault);
}

QTEST_GUILESS_MAIN(TestCaseLogic)
#include "test_case_logic.moc"

void TestCaseLogic::abnormalSources_data()
{
    // Each abnormality as "written: chromosome breakpoints; ...", joined by " | ".
    QTest::addColumn<QString>("karyotype");
    QTest::addColumn<QString>("expected");
    QTest::newRow("numerical and marker only") << "48,XY,+21,+mar" << "";
    QTest::newRow("reciprocal") << "46,XY,t(11;22)(q23;q11.2)" << "t(11;22)(q23;q11.2): 11 q23; 22 q11.2";
    QTest::newRow("derivative: own chromosome first")
        << "47,XX,+der(22)t(11;22)(q23;q11.2)" << "der(22)t(11;22)(q23;q11.2): 22 q11.2; 11 q23";
    QTest::newRow("interstitial deletion") << "46,XX,del(5)(q13q33)" << "del(5)(q13q33): 5 q13 q33";
    QTest::newRow("isochromosome") << "46,X,i(X)(q10)" << "i(X)(q10): X q10";
    QTest::newRow("robertsonian") << "45,XX,der(13;14)(q10;q10)" << "der(13;14)(q10;q10): 13 q10; 14 q10";
    QTest::newRow("two abnormalities, numerical skipped")
        << "47,XY,inv(9)(p12q13),+21,del(18)(p11.2)" << "inv(9)(p12q13): 9 p12 q13 | del(18)(p11.2): 18 p11.2";
}

void TestCaseLogic::abnormalSources()
{
    QFETCH(QString, karyotype);
    QFETCH(QString, expected);
    const std::optional<iscn::Karyotype> read = iscn::parseKaryotype(karyotype);
    QVERIFY(read);
    QStringList entries;
    for (const AbnormalSources &a : korven::abnormalSources(read->lines.front())) {
        QStringList sources;
        for (const SourceChromosome &s : a.sources) {
            QStringList parts{s.chromosome};
            for (const iscn::Breakpoint &b : s.breakpoints)
                parts << b.text();
            sources << parts.join(' ');
        }
        entries << a.abnormality + ": " + sources.join("; ");
    }
    QCOMPARE(entries.join(" | "), expected);
}
