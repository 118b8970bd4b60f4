// Reading and checking written karyotypes: each text either reads as a sound karyotype with its
// normal form, or is refused with a fault of the expected kind at the expected place.
#include "iscn/karyotype.h"

#include <QRegularExpression>
#include <QTest>

using namespace korven::iscn;

class TestKaryotype : public QObject {
    Q_OBJECT
private slots:
    void sound_data();
    void sound();
    void faulty_data();
    void faulty();
    void gainsAndLossesShowInTheValue();
};

void TestKaryotype::sound_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("normal");

    // Constitutional.
    QTest::newRow("normal female") << "46,XX" << "46,XX";
    QTest::newRow("trisomy 21") << "47,XY,+21" << "47,XY,+21";
    QTest::newRow("trisomy 18") << "47,XX,+18" << "47,XX,+18";
    QTest::newRow("trisomy 13") << "47,XY,+13" << "47,XY,+13";
    QTest::newRow("Turner") << "45,X" << "45,X";
    QTest::newRow("Klinefelter") << "47,XXY" << "47,XXY";
    QTest::newRow("triple X") << "47,XXX" << "47,XXX";
    QTest::newRow("XYY") << "47,XYY" << "47,XYY";
    QTest::newRow("Robertsonian carrier, rob written as der") << "45,XX,rob(13;14)(q10;q10)" << "45,XX,der(13;14)(q10;q10)";
    QTest::newRow("Robertsonian carrier") << "45,XY,der(14;21)(q10;q10)" << "45,XY,der(14;21)(q10;q10)";
    QTest::newRow("translocation Down syndrome") << "46,XX,der(14;21)(q10;q10),+21" << "46,XX,der(14;21)(q10;q10),+21";
    QTest::newRow("reciprocal translocation") << "46,XX,t(11;22)(q23;q11.2)" << "46,XX,t(11;22)(q23;q11.2)";
    QTest::newRow("X-autosome translocation") << "46,X,t(X;18)(p11.1;q11.1)" << "46,X,t(X;18)(p11.1;q11.1)";
    QTest::newRow("Emanuel, gained derivative") << "47,XX,+der(22)t(11;22)(q23;q11.2)" << "47,XX,+der(22)t(11;22)(q23;q11.2)";
    QTest::newRow("pericentric inversion") << "46,XY,inv(9)(p12q13)" << "46,XY,inv(9)(p12q13)";
    QTest::newRow("paracentric inversion") << "46,XX,inv(3)(q21q26.2)" << "46,XX,inv(3)(q21q26.2)";
    QTest::newRow("terminal deletion") << "46,XY,del(5)(p14)" << "46,XY,del(5)(p14)";
    QTest::newRow("interstitial deletion") << "46,XX,del(5)(q13q33)" << "46,XX,del(5)(q13q33)";
    QTest::newRow("duplication") << "46,XY,dup(1)(q21q32)" << "46,XY,dup(1)(q21q32)";
    QTest::newRow("isochromosome Xq") << "46,X,i(X)(q10)" << "46,X,i(X)(q10)";
    QTest::newRow("gained isochromosome Xq") << "47,XX,+i(X)(q10)" << "47,XX,+i(X)(q10)";
    QTest::newRow("marker") << "47,XX,+mar" << "47,XX,+mar";
    QTest::newRow("mosaic Turner") << "45,X[3]/46,XX[17]" << "45,X[3]/46,XX[17]";
    QTest::newRow("blanks around the text") << "  47,XY,+21\n" << "47,XY,+21";
    // Typing read as ASCII: full-width characters, the minus sign, blanks inside.
    QTest::newRow("full-width") << QString::fromUtf8("４７，ＸＹ，＋２１") << "47,XY,+21";
    QTest::newRow("ideographic comma and minus sign") << QString::fromUtf8("45\u3001XY\u3001\u22127") << "45,XY,-7";
    QTest::newRow("blanks inside") << "47, XY, +21" << "47,XY,+21";
    // Rings, dicentrics, insertions, additions, three-way translocations, ploidy, variants,
    // mosaics and chimeras named, numbered markers.
    QTest::newRow("ring") << "46,XX,r(13)(p11q34)" << "46,XX,r(13)(p11q34)";
    QTest::newRow("ring X, breakpoints unknown") << "46,X,r(X)" << "46,X,r(X)";
    QTest::newRow("dicentric") << "45,XX,dic(13;15)(p11.2;p11.2)" << "45,XX,dic(13;15)(p11.2;p11.2)";
    QTest::newRow("isodicentric Y") << "46,X,idic(Y)(q11.2)" << "46,X,idic(Y)(q11.2)";
    QTest::newRow("gained isodicentric 15") << "47,XY,+idic(15)(q13)" << "47,XY,+idic(15)(q13)";
    QTest::newRow("insertion") << "46,XY,ins(5;2)(p14;q22q32)" << "46,XY,ins(5;2)(p14;q22q32)";
    QTest::newRow("inverted insertion") << "46,XY,ins(5;2)(p14;q32q22)" << "46,XY,ins(5;2)(p14;q32q22)";
    QTest::newRow("insertion in one chromosome") << "46,XX,ins(2)(p13q21q31)" << "46,XX,ins(2)(p13q21q31)";
    QTest::newRow("additional material") << "46,XX,add(7)(q22)" << "46,XX,add(7)(q22)";
    QTest::newRow("three-way translocation") << "46,XX,t(2;5;7)(p21;q23;q22)" << "46,XX,t(2;5;7)(p21;q23;q22)";
    QTest::newRow("derivative of an insertion") << "46,XY,der(5)ins(5;2)(p14;q22q32)" << "46,XY,der(5)ins(5;2)(p14;q22q32)";
    QTest::newRow("tetraploid") << "92,XXYY" << "92,XXYY";
    QTest::newRow("heteromorphisms") << "46,XY,1qh-,9qh+,15ps+,21pstk+" << "46,XY,1qh-,9qh+,15ps+,21pstk+";
    QTest::newRow("mosaic named") << "mos 45,X[15]/46,XX[5]" << "mos 45,X[15]/46,XX[5]";
    QTest::newRow("mosaic named, no blank") << "mos45,X[15]/46,XX[5]" << "mos 45,X[15]/46,XX[5]";
    QTest::newRow("chimera") << "chi 46,XX[12]/46,XY[8]" << "chi 46,XX[12]/46,XY[8]";
    QTest::newRow("numbered markers") << "48,XY,+mar1,+mar2" << "48,XY,+mar1,+mar2";
    QTest::newRow("inverted duplication kept") << "46,XY,dup(1)(q32q21)" << "46,XY,dup(1)(q32q21)";
    QTest::newRow("band of the finest table") << "46,XX,del(5)(p15.33)" << "46,XX,del(5)(p15.33)";
    QTest::newRow("parent band") << "46,XX,del(5)(p15)" << "46,XX,del(5)(p15)";
    // Acquired.
    QTest::newRow("Philadelphia") << "46,XY,t(9;22)(q34;q11.2)[20]" << "46,XY,t(9;22)(q34;q11.2)[20]";
    QTest::newRow("t(8;21)") << "46,XX,t(8;21)(q22;q22)" << "46,XX,t(8;21)(q22;q22)";
    QTest::newRow("t(15;17)") << "46,XY,t(15;17)(q24;q21)" << "46,XY,t(15;17)(q24;q21)";
    QTest::newRow("inv(16)") << "46,XX,inv(16)(p13.1q22)" << "46,XX,inv(16)(p13.1q22)";
    QTest::newRow("t(4;11)") << "46,XX,t(4;11)(q21;q23)" << "46,XX,t(4;11)(q21;q23)";
    QTest::newRow("monosomy 7") << "45,XY,-7" << "45,XY,-7";
    QTest::newRow("5q- syndrome") << "46,XX,del(5)(q13q33)[20]" << "46,XX,del(5)(q13q33)[20]";
    QTest::newRow("translocation between homologues") << "46,XX,t(3;3)(q21;q26.2)" << "46,XX,t(3;3)(q21;q26.2)";
    QTest::newRow("triploid") << "69,XXY" << "69,XXY";
    QTest::newRow("near-tetraploid") << "91,XXYY,-7" << "91,XXYY,-7";
    QTest::newRow("i(17q)") << "46,XY,i(17)(q10)" << "46,XY,i(17)(q10)";
    QTest::newRow("loss of Y") << "45,X,-Y" << "45,X,-Y";
    QTest::newRow("Philadelphia derivative and extra Ph")
        << "47,XY,t(9;22)(q34;q11.2),+der(22)t(9;22)(q34;q11.2)[15]/46,XY[5]"
        << "47,XY,t(9;22)(q34;q11.2),+der(22)t(9;22)(q34;q11.2)[15]/46,XY[5]";
    QTest::newRow("derivative of two rearrangements")
        << "46,XY,der(9)del(9)(p12)t(9;22)(q34;q11.2)" << "46,XY,der(9)del(9)(p12)t(9;22)(q34;q11.2)";
    QTest::newRow("sex first, autosomes by number, numerical first")
        << "48,XY,+X,+8,i(8)(q10),-13,+21" << "48,XY,+X,+8,i(8)(q10),-13,+21";
}

void TestKaryotype::sound()
{
    QFETCH(QString, text);
    QFETCH(QString, normal);
    const Reading reading = readKaryotype(text);
    QVERIFY2(reading.valid(), qPrintable(reading.faults.value(0).message));
    QCOMPARE(normalForm(*reading.karyotype), normal);
    // The normal form is itself sound and writes itself.
    const Reading again = readKaryotype(normal);
    QVERIFY(again.valid());
    QCOMPARE(normalForm(*again.karyotype), normal);
}

void TestKaryotype::faulty_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Fault::Type>("type");
    QTest::addColumn<int>("position"); // character at fault, counted from 1
    QTest::addColumn<QString>("message"); // a part of the message
    QTest::addColumn<QString>("normal");  // the normal form of what was read; empty when unread

    using T = Fault::Type;
    // Syntax: the character not expected, the bracket not closed, the missing breakpoint.
    QTest::newRow("empty") << "" << T::Syntax << 0 << "empty" << "";
    QTest::newRow("unexpected character") << "46,XY,+21}" << T::Syntax << 10 << "'}' at character 10 is not expected" << "";
    QTest::newRow("no count") << "XY,+21" << T::Syntax << 1 << "the chromosome count" << "";
    QTest::newRow("bracket not closed") << "46,XY,del(5)(p14" << T::Syntax << 13 << "opened at character 13 is not closed" << "";
    QTest::newRow("cell count not closed") << "46,XY[20" << T::Syntax << 6 << "'[' opened at character 6" << "";
    QTest::newRow("no breakpoints") << "46,XY,t(9;22)" << T::Syntax << 7 << "needs its breakpoints" << "";
    QTest::newRow("one breakpoint of two") << "46,XY,t(9;22)(q34)" << T::Syntax << 7 << "breakpoints of each of its chromosomes" << "";
    QTest::newRow("inversion with one breakpoint") << "46,XY,inv(9)(p12)" << T::Syntax << 7 << "needs two breakpoints, not 1" << "";
    QTest::newRow("band number missing") << "46,XY,del(5)(p)" << T::Syntax << 15 << "a band number" << "";
    QTest::newRow("nothing after a slash") << "45,X/" << T::Syntax << 5 << "ends after character 5" << "";
    QTest::newRow("ring with one breakpoint") << "46,XX,r(13)(p11)" << T::Syntax << 7 << "two breakpoints, or none" << "";
    QTest::newRow("three-way translocation, two breakpoints")
        << "46,XX,t(2;5;7)(p21;q23)" << T::Syntax << 7 << "t(2;5;7)(p21;q23;q22)" << "";
    QTest::newRow("insertion, breakpoints not grouped")
        << "46,XY,ins(5;2)(p14q22;q32)" << T::Syntax << 7 << "ins(5;2)(p14;q22q32)" << "";
    QTest::newRow("too long") << "46,XX" + QString(4000, QLatin1Char(',')) << T::Unsupported << 0 << "at most 4000" << "";
    QTest::newRow("derivative without its rearrangement") << "46,XY,der(22)" << T::Syntax << 7 << "needs the rearrangement" << "";
    // Forms KORVEN does not read.
    QTest::newRow("idem") << "46,XY,t(9;22)(q34;q11.2)[10]/47,idem,+8[10]" << T::Unsupported << 33 << "'idem'" << "";
    QTest::newRow("uncertain") << "46,XY,del(5)(p1?)" << T::Unsupported << 16 << "'?'" << "";
    QTest::newRow("range") << "45~47,XY" << T::Unsupported << 3 << "ranges" << "";
    QTest::newRow("pter") << "46,XY,del(5)(pter)" << T::Unsupported << 14 << "pter" << "";
    QTest::newRow("constitutional mark") << "47,XY,+21c" << T::Unsupported << 10 << "'c'" << "";
    QTest::newRow("insertion of three chromosomes")
        << "46,XY,ins(5;2;3)(p14;q22q32;p21)" << T::Unsupported << 7 << "three or more" << "";
    // Older and colloquial writings: the ISCN form in the message.
    QTest::newRow("older writing of a deletion") << "46,XX,5p-" << T::OldWriting << 7 << "del(5)(p…)" << "";
    QTest::newRow("trisomy 21") << "trisomy 21" << T::OldWriting << 1 << "write 47,XX,+21 or 47,XY,+21" << "";
    QTest::newRow("isochromosome by its arm") << "46,X,i(Xq)" << T::OldWriting << 6 << "ISCN writes i(X)(q10)" << "";
    QTest::newRow("deletion by its arm") << "46,XX,del(5p)" << T::OldWriting << 7 << "ISCN writes del(5)(p…)" << "";
    QTest::newRow("translocation by its arms") << "46,XY,t(9q;22q)" << T::OldWriting << 7 << "ISCN writes t(9;22)(q…;q…)" << "";
    QTest::newRow("heteromorphism with a sign before") << "46,XY,+9qh+" << T::Unsupported << 9 << "'qh'" << "";
    // Read, but meaningless.
    QTest::newRow("dicentric of one chromosome") << "45,XX,dic(13)(p11.2)" << T::Meaning << 7 << "joins two" << "";
    QTest::newRow("mos of one line") << "mos 45,X" << T::Meaning << 1 << "several cell lines" << "";
    QTest::newRow("chromosome 23") << "47,XY,+23" << T::Meaning << 8 << "23 at character 8 is not a chromosome" << "";
    QTest::newRow("chromosome without sign") << "47,XY,21" << T::Meaning << 7 << "+21 for a gain" << "";
    QTest::newRow("derivative of an uninvolved chromosome")
        << "46,XX,der(5)t(9;22)(q34;q11.2)" << T::Meaning << 7 << "a derivative of chromosome 5" << "";
    QTest::newRow("lost structure") << "45,XY,-del(5)(p14)" << T::Meaning << 7 << "Only a whole chromosome" << "";
    QTest::newRow("gained translocation") << "47,XY,+t(9;22)(q34;q11.2)" << T::Meaning << 7 << "+der(" << "";
    QTest::newRow("marker not gained") << "46,XY,mar" << T::Meaning << 7 << "+mar" << "";
    // The sex complement.
    QTest::newRow("XZ") << "46,XZ" << T::SexComplement << 5 << "Z at character 5 is not a sex chromosome" << "";
    QTest::newRow("lower case") << "46,xy" << T::SexComplement << 4 << "written in capitals" << "";
    QTest::newRow("no sex complement") << "46,+21" << T::SexComplement << 4 << "sex complement is missing" << "";
    // The count, with its arithmetic.
    QTest::newRow("count too high") << "47,XY" << T::Count << 1 << "47 stated, 46 described: 46 + nothing" << "47,XY";
    QTest::newRow("count of a trisomy") << "46,XY,+21" << T::Count << 1 << "46 stated, 47 described: 46 + 1 (+21)" << "46,XY,+21";
    QTest::newRow("Robertsonian counted as two")
        << "46,XX,der(13;14)(q10;q10)" << T::Count << 1 << "46 stated, 45 described: 46 - 1 (der(13;14)(q10;q10))"
        << "46,XX,der(13;14)(q10;q10)";
    QTest::newRow("triploid count") << "69,XX" << T::Count << 1
                                    << "69 stated, 68 described: 68 (66 autosomes of a triploid line and XX) + nothing"
                                    << "69,XX";
    QTest::newRow("tetraploid count") << "92,XXY" << T::Count << 1 << "92 stated, 91 described" << "92,XXY";
    QTest::newRow("dicentric counted as two") << "46,XX,dic(13;15)(p11.2;p11.2)" << T::Count << 1
                                              << "46 stated, 45 described" << "46,XX,dic(13;15)(p11.2;p11.2)";
    QTest::newRow("count beyond tetraploid") << "140,XXYY" << T::Unsupported << 1 << "from 1 to 103" << "";
    QTest::newRow("count in the second line")
        << "45,X[3]/47,XX[17]" << T::Count << 9 << "Line 2 (character 9): 47 stated, 46 described" << "45,X[3]/47,XX[17]";
    // The order of abnormalities.
    QTest::newRow("autosomes by number")
        << "47,XY,+21,del(5)(p14)" << T::Order << 11 << "del(5)(p14) (character 11) must come before +21: autosomes"
        << "47,XY,del(5)(p14),+21";
    QTest::newRow("sex chromosomes first")
        << "48,XY,+21,+X" << T::Order << 11 << "sex chromosome abnormalities come first" << "48,XY,+X,+21";
    QTest::newRow("numerical before structural")
        << "47,XX,i(8)(q10),+8" << T::Order << 17 << "numerical change comes before the structural" << "47,XX,+8,i(8)(q10)";
    QTest::newRow("Robertsonian before the gain")
        << "46,XX,+21,der(14;21)(q10;q10)" << T::Order << 11 << "must come before +21" << "46,XX,der(14;21)(q10;q10),+21";
    QTest::newRow("markers last") << "48,XX,+mar,+8" << T::Order << 12 << "markers come last" << "48,XX,+8,+mar";
    QTest::newRow("sex complement order") << "47,YXX" << T::Order << 4 << "is written XXY" << "47,XXY";
    // Inside t(A;B) and der(A;B).
    QTest::newRow("translocation reversed")
        << "46,XY,t(22;9)(q11.2;q34)" << T::Translocation << 7 << "is written t(9;22)(q34;q11.2)"
        << "46,XY,t(9;22)(q34;q11.2)";
    QTest::newRow("autosome before X")
        << "46,X,t(18;X)(q11.1;p11.1)" << T::Translocation << 6 << "is written t(X;18)(p11.1;q11.1)"
        << "46,X,t(X;18)(p11.1;q11.1)";
    QTest::newRow("Robertsonian reversed")
        << "45,XX,rob(14;13)(q10;q10)" << T::Translocation << 7 << "is written der(13;14)(q10;q10)"
        << "45,XX,der(13;14)(q10;q10)";
    QTest::newRow("inside a derivative")
        << "46,XY,der(22)t(22;9)(q11.2;q34)" << T::Translocation << 7 << "is written t(9;22)(q34;q11.2)"
        << "46,XY,der(22)t(9;22)(q34;q11.2)";
    QTest::newRow("three-way translocation turned")
        << "46,XX,t(5;7;2)(q23;q22;p21)" << T::Translocation << 7 << "is written t(2;5;7)(p21;q23;q22)"
        << "46,XX,t(2;5;7)(p21;q23;q22)";
    // Two breakpoints of one chromosome from pter to qter; the sign before the chromosome.
    QTest::newRow("deletion from qter") << "46,XX,del(5)(q33q13)" << T::Breakpoints << 7 << "is written del(5)(q13q33)"
                                        << "46,XX,del(5)(q13q33)";
    QTest::newRow("inversion from qter") << "46,XY,inv(9)(q13p12)" << T::Breakpoints << 7 << "from pter to qter"
                                         << "46,XY,inv(9)(p12q13)";
    QTest::newRow("ring from qter") << "46,XX,r(13)(q34p11)" << T::Breakpoints << 7 << "is written r(13)(p11q34)"
                                    << "46,XX,r(13)(p11q34)";
    QTest::newRow("sign after the chromosome") << "47,XY,21+" << T::OldWriting << 7 << "ISCN writes +21" << "47,XY,+21";
    QTest::newRow("mosaic without counts") << "45,X/46,XX" << T::CellCount << 4 << "Line 1 (character 1) has no cell count"
                                           << "45,X/46,XX";
    // Bands no table knows.
    QTest::newRow("beyond the arm's end") << "46,XX,del(5)(p16)" << T::Band << 14 << "5p16 does not exist: 5p ends at p15.3"
                                          << "46,XX,del(5)(p16)";
    QTest::newRow("beyond the q arm's end")
        << "46,XX,t(9;22)(q34;q14)" << T::Band << 19 << "22q14 does not exist: 22q ends at q13.3" << "46,XX,t(9;22)(q34;q14)";
    QTest::newRow("no such sub-band") << "46,XX,del(5)(p12.5)" << T::Band << 14 << "5p has no band p12.5"
                                      << "46,XX,del(5)(p12.5)";
    QTest::newRow("breakpoints swapped") << "46,XY,t(9;22)(q11.2;q34)" << T::Band << 15 << "9q11.2 does not exist"
                                         << "46,XY,t(9;22)(q11.2;q34)";
}

void TestKaryotype::faulty()
{
    QFETCH(QString, text);
    QFETCH(Fault::Type, type);
    QFETCH(int, position);
    QFETCH(QString, message);
    QFETCH(QString, normal);
    const Reading reading = readKaryotype(text);
    QVERIFY(!reading.valid());
    QVERIFY(!reading.faults.isEmpty());
    const Fault &fault = reading.faults.first();
    QVERIFY2(fault.message.contains(message), qPrintable(fault.message));
    QCOMPARE(fault.type, type);
    QCOMPARE(fault.position + 1, position);
    // Every message is whole: no placeholder left unfilled.
    for (const Fault &each : reading.faults)
        QVERIFY2(!each.message.contains(QRegularExpression(QStringLiteral("%\\d"))), qPrintable(each.message));
    QCOMPARE(reading.karyotype.has_value(), !normal.isEmpty());
    if (reading.karyotype)
        QCOMPARE(normalForm(*reading.karyotype), normal);
}

// What the cases build chromosomes from: kinds, gains and losses, derivatives' descriptions.
void TestKaryotype::gainsAndLossesShowInTheValue()
{
    const auto karyotype = parseKaryotype(QStringLiteral("47,XY,-7,+der(22)t(9;22)(q34;q11.2),+mar[12]/46,XY[8]"));
    QVERIFY(karyotype);
    QCOMPARE(karyotype->lines.size(), 2);
    const CellLine &line = karyotype->lines[0];
    QCOMPARE(line.count, 47);
    QCOMPARE(line.sex, QStringLiteral("XY"));
    QCOMPARE(line.cells, 12);
    QCOMPARE(line.abnormalities.size(), 3);
    QCOMPARE(line.abnormalities[0].kind, Kind::Numerical);
    QCOMPARE(line.abnormalities[0].change, -1);
    const Abnormality &derivative = line.abnormalities[1];
    QCOMPARE(derivative.kind, Kind::Derivative);
    QCOMPARE(derivative.change, 1);
    QCOMPARE(derivative.chromosomes, QStringList{QStringLiteral("22")});
    QCOMPARE(derivative.derivation.size(), 1);
    QCOMPARE(derivative.derivation[0].kind, Kind::Translocation);
    QCOMPARE(writeRearrangement(derivative.derivation[0]), QStringLiteral("t(9;22)(q34;q11.2)"));
    QCOMPARE(derivative.derivation[0].breakpoints[1].text(), QStringLiteral("q11.2"));
    QCOMPARE(writeAbnormality(derivative), QStringLiteral("+der(22)t(9;22)(q34;q11.2)"));
    QCOMPARE(line.abnormalities[2].kind, Kind::Marker);
    QCOMPARE(karyotype->lines[1].cells, 8);
    QCOMPARE(describedCount(line), 47);
}

QTEST_GUILESS_MAIN(TestKaryotype)
#include "test_karyotype.moc"
