// Grading an answer against the truth as an examiner does: the rules of the examiner's table each
// at least once, every form the reader takes, and typing that is not nomenclature.
#include "iscn/karyotype.h"

#include <QTest>

using namespace korven::iscn;

class TestCompare : public QObject {
    Q_OBJECT
private slots:
    void verdicts_data();
    void verdicts();
    void elements_data();
    void elements();
    void everyFindingHasARule();
};

// Answer, truth, band level and the verdict the examiner gives; the last column a part of a
// message (an element's reason or a form fault) that must appear, empty for none.
void TestCompare::verdicts_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("truth");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("message");

    // Right: every element right; a more precise sub-band of the true band is the true band.
    QTest::newRow("same") << "47,XY,+21" << "47,XY,+21" << 550 << "right" << "";
    QTest::newRow("more precise sub-band") << "46,XY,t(9;22)(q34;q11.23)" << "46,XY,t(9;22)(q34;q11.2)" << 550 << "right" << "";
    QTest::newRow("rob written for der") << "45,XX,rob(13;14)(q10;q10)" << "45,XX,der(13;14)(q10;q10)" << 550 << "right" << "";

    // Near: the band that holds the true band, or one breakpoint at its direct neighbour.
    QTest::newRow("parent band") << "46,XY,t(9;22)(q34;q11)" << "46,XY,t(9;22)(q34;q11.2)" << 550 << "near"
                                 << "22q11 is the band that holds 22q11.2";
    QTest::newRow("one neighbour") << "46,XX,del(5)(p15.1)" << "46,XX,del(5)(p15.2)" << 550 << "near"
                                   << "5p15.1 is one band from 5p15.2";
    QTest::newRow("one neighbour of two breakpoints") << "46,XX,del(5)(q14q33)" << "46,XX,del(5)(q13q33)" << 400 << "near"
                                                      << "5q14 is one band from 5q13";
    // Near: content right, written with a fault of form.
    QTest::newRow("order of abnormalities") << "47,XY,+21,del(5)(p14)" << "47,XY,del(5)(p14),+21" << 550 << "near"
                                            << "must come before +21";
    QTest::newRow("gain before the derivative") << "46,XX,+21,der(14;21)(q10;q10)" << "46,XX,der(14;21)(q10;q10),+21"
                                                << 550 << "near" << "must come before";
    QTest::newRow("order of the sex chromosomes") << "47,YX,+21" << "47,XY,+21" << 550 << "near" << "X comes before Y";
    QTest::newRow("order inside t") << "46,XY,t(22;9)(q11.2;q34)" << "46,XY,t(9;22)(q34;q11.2)" << 550 << "near"
                                    << "lower number comes first";
    QTest::newRow("order inside der") << "46,XY,der(22)t(22;9)(q11.2;q34)" << "46,XY,der(22)t(9;22)(q34;q11.2)" << 550
                                      << "near" << "lower number comes first";
    QTest::newRow("order of mosaic lines") << "46,XX[7]/45,X[3]" << "45,X[3]/46,XX[7]" << 550 << "near"
                                           << "another order than the truth's";
    QTest::newRow("breakpoints from qter") << "46,XX,del(5)(q33q13)" << "46,XX,del(5)(q13q33)" << 550 << "near"
                                           << "from pter to qter";
    QTest::newRow("inversion from qter") << "46,XY,inv(9)(q13p12)" << "46,XY,inv(9)(p12q13)" << 550 << "near"
                                         << "from pter to qter";
    QTest::newRow("sign after the number") << "47,XY,21+" << "47,XY,+21" << 550 << "near" << "older writing";
    QTest::newRow("+X in a constitutional karyotype") << "47,XY,+X" << "47,XXY" << 550 << "near" << "sex complement";
    QTest::newRow("losses beside a Robertsonian") << "45,XX,-13,-14,+der(13;14)(q10;q10)" << "45,XX,der(13;14)(q10;q10)"
                                                  << 550 << "near" << "without the losses";
    QTest::newRow("mosaic without cell counts") << "45,X/46,XX" << "45,X[3]/46,XX[17]" << 550 << "near"
                                                << "number of cells is not given";
    QTest::newRow("neoplasia without its cell count") << "46,XY,t(9;22)(q34;q11.2)" << "46,XY,t(9;22)(q34;q11.2)[20]"
                                                      << 550 << "near" << "number of cells is not given";
    QTest::newRow("mos left out") << "45,X[15]/46,XX[5]" << "mos 45,X[15]/46,XX[5]" << 550 << "near" << "origin";

    // Wrong: two breakpoints at neighbours, a band two off or on the other arm, a band that
    // merely holds the neighbour, a missed line, contradicting counts, other content.
    QTest::newRow("two neighbours") << "46,XX,del(5)(q14q34)" << "46,XX,del(5)(q13q33)" << 400 << "wrong"
                                    << "more than one breakpoint is off";
    QTest::newRow("two bands off") << "46,XX,del(5)(p14)" << "46,XX,del(5)(p15.2)" << 400 << "wrong"
                                   << "5p14 is two bands from 5p15.2";
    QTest::newRow("other arm") << "46,X,i(X)(p10)" << "46,X,i(X)(q10)" << 550 << "wrong" << "Xp10 is on the other arm";
    QTest::newRow("band holding the neighbour") << "46,XX,t(11;22)(q23;q12)" << "46,XX,t(11;22)(q23;q11.2)" << 550
                                                << "wrong" << "22q12 holds 22q12.1";
    QTest::newRow("missed mosaic line") << "45,X[3]" << "45,X[3]/46,XX[17]" << 550 << "wrong" << "not in the answer";
    QTest::newRow("contradicting counts") << "45,X[5]/46,XX[15]" << "45,X[3]/46,XX[17]" << 550 << "wrong"
                                          << "5 cells where the truth has 3";
    QTest::newRow("other kind") << "46,XY,inv(5)(q13q33)" << "46,XY,del(5)(q13q33)" << 550 << "wrong"
                                << "the truth has del(5)(q13q33)";
    QTest::newRow("gain for loss") << "47,XY,+7" << "45,XY,-7" << 550 << "wrong" << "the truth has -7";
    QTest::newRow("chi for mos") << "chi 45,X[15]/46,XX[5]" << "mos 45,X[15]/46,XX[5]" << 550 << "wrong" << "the truth has mos";
    QTest::newRow("reversed duplication is another meaning") << "46,XY,dup(1)(q32q21)" << "46,XY,dup(1)(q21q32)" << 550
                                                             << "wrong" << "";

    // Typing is not nomenclature: read as ASCII, noted, never lowered.
    QTest::newRow("full-width") << QString::fromUtf8("４７，ＸＹ，＋２１") << "47,XY,+21" << 550 << "right"
                                << "Full-width characters";
    QTest::newRow("minus sign") << QString::fromUtf8("45,XY,\u22127") << "45,XY,-7" << 550 << "right" << "read as '-'";
    QTest::newRow("blanks") << "47, XY, +21" << "47,XY,+21" << 550 << "right" << "without blanks";

    // Each form the reader takes, graded.
    QTest::newRow("ring") << "46,XX,r(13)(p11q34)" << "46,XX,r(13)(p11q34)" << 550 << "right" << "";
    QTest::newRow("ring without breakpoints") << "46,X,r(X)" << "46,X,r(X)" << 550 << "right" << "";
    QTest::newRow("ring, one breakpoint off") << "46,XX,r(13)(p11q33)" << "46,XX,r(13)(p11q34)" << 400 << "near"
                                               << "13q33 is one band from 13q34";
    QTest::newRow("dicentric") << "45,XX,dic(13;15)(p11.2;p11.2)" << "45,XX,dic(13;15)(p11.2;p11.2)" << 550 << "right" << "";
    QTest::newRow("isodicentric Y") << "46,X,idic(Y)(q11.2)" << "46,X,idic(Y)(q11.2)" << 550 << "right" << "";
    QTest::newRow("insertion") << "46,XY,ins(5;2)(p14;q22q32)" << "46,XY,ins(5;2)(p14;q22q32)" << 550 << "right" << "";
    QTest::newRow("insertion inverted is another meaning") << "46,XY,ins(5;2)(p14;q32q22)" << "46,XY,ins(5;2)(p14;q22q32)"
                                                           << 550 << "wrong" << "";
    QTest::newRow("additional material") << "46,XX,add(7)(q22)" << "46,XX,add(7)(q22)" << 550 << "right" << "";
    QTest::newRow("three-way translocation") << "46,XX,t(2;5;7)(p21;q23;q22)" << "46,XX,t(2;5;7)(p21;q23;q22)" << 550
                                             << "right" << "";
    QTest::newRow("three-way translocation, turned") << "46,XX,t(5;7;2)(q23;q22;p21)" << "46,XX,t(2;5;7)(p21;q23;q22)"
                                                     << 550 << "near" << "lower number comes first";
    QTest::newRow("triploidy") << "69,XXY" << "69,XXY" << 550 << "right" << "";
    QTest::newRow("tetraploidy") << "92,XXYY" << "92,XXYY" << 550 << "right" << "";
    QTest::newRow("heteromorphism") << "46,XY,9qh+" << "46,XY,9qh+" << 550 << "right" << "";
    QTest::newRow("heteromorphism, other sign") << "46,XY,1qh-" << "46,XY,1qh+" << 550 << "wrong" << "the truth has 1qh+";
    QTest::newRow("satellites and stalks") << "46,XX,15ps+,21pstk+" << "46,XX,15ps+,21pstk+" << 550 << "right" << "";
    QTest::newRow("chimera") << "chi 46,XX[12]/46,XY[8]" << "chi 46,XX[12]/46,XY[8]" << 550 << "right" << "";
    QTest::newRow("numbered markers") << "48,XY,+mar1,+mar2" << "48,XY,+mar1,+mar2" << 550 << "right" << "";
}

void TestCompare::verdicts()
{
    QFETCH(QString, answer);
    QFETCH(QString, truth);
    QFETCH(int, level);
    QFETCH(QString, verdict);
    QFETCH(QString, message);
    const Grading grading = gradeAnswer(answer, truth, level);
    QVERIFY2(grading.comparison, qPrintable(grading.fault.message));
    const Comparison &c = *grading.comparison;
    QStringList said;
    for (const GradedElement &e : c.elements)
        said << gradeWord(e.grade) + QLatin1Char(' ') + e.element + QStringLiteral(" -- ") + e.reason;
    for (const Fault &f : c.formFaults)
        said << QStringLiteral("form: ") + f.message;
    for (const TypingNote &n : c.notes)
        said << QStringLiteral("note: ") + n.message;
    const QString all = said.join(QLatin1Char('\n'));
    QVERIFY2(verdictWord(c.verdict) == verdict, qPrintable(verdictWord(c.verdict) + QLatin1Char('\n') + all));
    QVERIFY2(all.contains(message), qPrintable(all));
}

// The elements of a comparison line by line, as korven-problems prints them.
void TestCompare::elements_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("truth");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("count and sex") << "46,XX" << "47,XXY"
                                   << QStringList{"wrong 46 -- 46 where the truth has 47", "wrong XX -- XX where the truth has XXY"};
    QTest::newRow("missing and extra") << "47,XY,+13" << "47,XY,+21"
                                       << QStringList{"right 47", "right XY", "missing +21 -- not in the answer",
                                                      "extra +13 -- not in the truth"};
    QTest::newRow("closest of two on one chromosome")
        << "46,XY,t(9;22)(q34;q11.2),der(9)t(9;22)(q34;q11.2)" << "46,XY,der(9)t(9;22)(q33;q11.2),t(9;22)(q34;q11.2)"
        << QStringList{"right 46", "right XY", "near der(9)t(9;22)(q34;q11.2) -- 9q34 is one band from 9q33",
                       "right t(9;22)(q34;q11.2)"};
    // Lines paired by content: only the line that differs is graded down.
    QTest::newRow("mosaic lines paired by content")
        << "46,XX[7]/45,X[3]" << "45,X[3]/46,XX[7]"
        << QStringList{"right 45", "right X", "right [3]", "right 46", "right XX", "right [7]"};
    QTest::newRow("a line of the mosaic missing")
        << "45,X[3]" << "45,X[3]/46,XX[17]"
        << QStringList{"right 45", "right X", "right [3]", "missing 46 -- not in the answer", "missing XX -- not in the answer",
                       "missing [17] -- not in the answer"};
}

void TestCompare::elements()
{
    QFETCH(QString, answer);
    QFETCH(QString, truth);
    QFETCH(QStringList, lines);
    const Grading grading = gradeAnswer(answer, truth, 550);
    QVERIFY(grading.comparison);
    QStringList got;
    for (const GradedElement &element : grading.comparison->elements)
        got << gradeWord(element.grade) + QLatin1Char(' ') + element.element
                   + (element.reason.isEmpty() ? QString() : QStringLiteral(" -- ") + element.reason);
    QCOMPARE(got, lines);
}

// The examiner's table names every finding, right ones only where the element is right.
void TestCompare::everyFindingHasARule()
{
    QCOMPARE(gradeOf(Finding::Same), Grade::Right);
    QCOMPARE(gradeOf(Finding::SubBand), Grade::Right);
    QCOMPARE(gradeOf(Finding::NeighbourBand), Grade::Near);
    QCOMPARE(gradeOf(Finding::TwoNeighbours), Grade::Wrong);
    QCOMPARE(gradeOf(Finding::CellCountMissing), Grade::Near);
    QCOMPARE(gradeOf(Finding::CellCountDiffers), Grade::Wrong);
}

QTEST_GUILESS_MAIN(TestCompare)
#include "test_compare.moc"
