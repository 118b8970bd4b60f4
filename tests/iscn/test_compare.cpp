// Comparing an answer with the truth: each element graded right, near, wrong, missing or extra,
// with its reason, and the verdict over all of them.
#include "iscn/karyotype.h"

#include <QTest>

using namespace korven::iscn;

class TestCompare : public QObject {
    Q_OBJECT
private slots:
    void compare_data();
    void compare();
    void formFaultsDoNotChangeTheGrade();
};

void TestCompare::compare_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("truth");
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("lines"); // grade, element and reason, as korven-problems prints them
    QTest::addColumn<QString>("verdict");

    QTest::newRow("right") << "47,XY,+21" << "47,XY,+21" << 550 << QStringList{"right 47", "right XY", "right +21"} << "right";
    QTest::newRow("rob and der are one") << "45,XX,rob(13;14)(q10;q10)" << "45,XX,der(13;14)(q10;q10)" << 550
                                         << QStringList{"right 45", "right XX", "right der(13;14)(q10;q10)"} << "right";
    QTest::newRow("neighbouring band")
        << "46,XX,del(5)(p15.1)" << "46,XX,del(5)(p15.2)" << 550
        << QStringList{"right 46", "right XX", "near del(5)(p15.1) -- the breakpoint 5p15.1 is one band from p15.2"} << "near";
    QTest::newRow("two bands away")
        << "46,XX,del(5)(p14)" << "46,XX,del(5)(p15.2)" << 400
        << QStringList{"right 46", "right XX", "wrong del(5)(p14) -- the breakpoint 5p14 is two bands from p15.2"} << "wrong";
    QTest::newRow("parent band")
        << "46,XY,t(9;22)(q34;q11)" << "46,XY,t(9;22)(q34;q11.2)" << 550
        << QStringList{"right 46", "right XY", "near t(9;22)(q34;q11) -- the breakpoint 22q11 is the band that holds q11.2"}
        << "near";
    QTest::newRow("sub-band")
        << "46,XX,t(11;22)(q23.3;q11.2)" << "46,XX,t(11;22)(q23;q11.2)" << 850
        << QStringList{"right 46", "right XX", "near t(11;22)(q23.3;q11.2) -- the breakpoint 11q23.3 is a sub-band of q23"}
        << "near";
    QTest::newRow("one band at 400 bands")
        << "46,XX,del(5)(p14.1)" << "46,XX,del(5)(p14.3)" << 400
        << QStringList{"right 46", "right XX",
                       "near del(5)(p14.1) -- the breakpoint 5p14.1 lies in the same band as p14.3 at 400 bands"}
        << "near";
    QTest::newRow("two bands at 850 bands")
        << "46,XX,del(5)(p14.1)" << "46,XX,del(5)(p14.3)" << 850
        << QStringList{"right 46", "right XX", "wrong del(5)(p14.1) -- the breakpoint 5p14.1 is two bands from p14.3"}
        << "wrong";
    QTest::newRow("centromere next to the first band")
        << "46,X,i(X)(q11)" << "46,X,i(X)(q10)" << 400
        << QStringList{"right 46", "right X", "near i(X)(q11) -- the breakpoint Xq11 is one band from q10"} << "near";
    QTest::newRow("other arm")
        << "46,X,i(X)(p10)" << "46,X,i(X)(q10)" << 550
        << QStringList{"right 46", "right X", "wrong i(X)(p10) -- the breakpoint Xp10 is on the other arm from q10"} << "wrong";
    QTest::newRow("near and wrong: wrong")
        << "46,XY,inv(9)(p13q31)" << "46,XY,inv(9)(p12q13)" << 400
        << QStringList{"right 46", "right XY",
                       "wrong inv(9)(p13q31) -- the breakpoint 9p13 is one band from p12; the breakpoint 9q31 is three bands from q13"}
        << "wrong";
    QTest::newRow("other kind")
        << "46,XY,inv(5)(q13q33)" << "46,XY,del(5)(q13q33)" << 550
        << QStringList{"right 46", "right XY", "wrong inv(5)(q13q33) -- the truth has del(5)(q13q33)"} << "wrong";
    QTest::newRow("terminal for interstitial")
        << "46,XY,del(5)(q13)" << "46,XY,del(5)(q13q33)" << 550
        << QStringList{"right 46", "right XY", "wrong del(5)(q13) -- the truth has del(5)(q13q33)"} << "wrong";
    QTest::newRow("count and sex")
        << "46,XX" << "47,XXY" << 550 << QStringList{"wrong 46 -- 46 where the truth has 47", "wrong XX -- XX where the truth has XXY"}
        << "wrong";
    QTest::newRow("missing")
        << "46,XY" << "47,XY,+21" << 550
        << QStringList{"wrong 46 -- 46 where the truth has 47", "right XY", "missing +21 -- not in the answer"} << "wrong";
    QTest::newRow("extra")
        << "47,XY,+13,+21" << "47,XY,+21" << 550
        << QStringList{"right 47", "right XY", "right +21", "extra +13 -- not in the truth"} << "wrong";
    QTest::newRow("gain for loss")
        << "47,XY,+7" << "45,XY,-7" << 550
        << QStringList{"wrong 47 -- 47 where the truth has 45", "right XY", "wrong +7 -- the truth has -7"} << "wrong";
    QTest::newRow("closest of two on one chromosome")
        << "46,XY,t(9;22)(q34;q11.2),der(9)t(9;22)(q34;q11.2)" << "46,XY,der(9)t(9;22)(q33;q11.2),t(9;22)(q34;q11.2)" << 550
        << QStringList{"right 46", "right XY", "near der(9)t(9;22)(q34;q11.2) -- the breakpoint 9q34 is one band from q33",
                       "right t(9;22)(q34;q11.2)"}
        << "near";
    QTest::newRow("mosaic")
        << "45,X[5]/46,XX[15]" << "45,X[3]/46,XX[17]" << 550
        << QStringList{"right 45", "right X", "wrong [5] -- [5] where the truth has [3]", "right 46", "right XX",
                       "wrong [15] -- [15] where the truth has [17]"}
        << "wrong";
    QTest::newRow("a line of the mosaic missing")
        << "45,X[3]" << "45,X[3]/46,XX[17]" << 550
        << QStringList{"right 45", "right X", "right [3]", "missing 46 -- not in the answer", "missing XX -- not in the answer",
                       "missing [17] -- not in the answer"}
        << "wrong";
    QTest::newRow("cell count of a single line not graded")
        << "46,XY,t(9;22)(q34;q11.2)" << "46,XY,t(9;22)(q34;q11.2)[20]" << 550
        << QStringList{"right 46", "right XY", "right t(9;22)(q34;q11.2)"} << "right";
}

void TestCompare::compare()
{
    QFETCH(QString, answer);
    QFETCH(QString, truth);
    QFETCH(int, level);
    QFETCH(QStringList, lines);
    QFETCH(QString, verdict);
    const auto a = parseKaryotype(answer);
    const auto t = parseKaryotype(truth);
    QVERIFY(a && t);
    const Comparison comparison = compareKaryotypes(*a, *t, level);
    QStringList got;
    for (const GradedElement &element : comparison.elements)
        got << gradeWord(element.grade) + QLatin1Char(' ') + element.element
                   + (element.reason.isEmpty() ? QString() : QStringLiteral(" -- ") + element.reason);
    QCOMPARE(got, lines);
    QCOMPARE(verdictWord(comparison.verdict), verdict);
}

// An answer out of order is reported as a fault of form; what it says is still graded.
void TestCompare::formFaultsDoNotChangeTheGrade()
{
    const auto answer = parseKaryotype(QStringLiteral("46,XX,+21,rob(21;14)(q10;q10)"));
    const auto truth = parseKaryotype(QStringLiteral("46,XX,der(14;21)(q10;q10),+21"));
    QVERIFY(answer && truth);
    const Comparison comparison = compareKaryotypes(*answer, *truth, 550);
    QCOMPARE(comparison.verdict, Verdict::Right);
    QCOMPARE(comparison.formFaults.size(), 2);
    QCOMPARE(comparison.formFaults[0].type, Fault::Type::Translocation);
    QCOMPARE(comparison.formFaults[1].type, Fault::Type::Order);
}

QTEST_GUILESS_MAIN(TestCompare)
#include "test_compare.moc"
