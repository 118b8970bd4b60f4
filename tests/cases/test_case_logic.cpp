// The plain logic of case work: where pieces belong and how they are graded, the case folder's
// reader, and the case record file.
#include "cases/case_folder.h"
#include "cases/case_grading.h"
#include "cases/case_identity.h"
#include "cases/case_layout.h"
#include "cases/case_records.h"
#include "cases/case_sources.h"
#include "cases/karyotype_grading.h"
#include "files/errors.h"
#include "iscn/ideogram_layout.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include "support/file_bytes.h"
#include "support/file_modes.h"
#include "files/text_file.h"

#include <sys/stat.h>

#include <QPainter>
#include <QTest>

using namespace korven;

Q_DECLARE_METATYPE(korven::PieceGrade)

class TestCaseLogic : public QObject {
    Q_OBJECT
private slots:
    void gradePiece_data();
    void gradePiece();
    void rowsHoldEveryGroupOnce();
    void smallestChromosomeHeight_data();
    void smallestChromosomeHeight();
    void settledTurn_data();
    void settledTurn();
    void caseIdentity_data();
    void caseIdentity();
    void caseKind_data();
    void caseKind();
    void wholeResultIsTheWorst();
    void parseCase();
    void parseCaseRejects_data();
    void parseCaseRejects();
    void hostileCaseFolders_data();
    void hostileCaseFolders();
    void pixelBudgetCoversTheCase();
    void listMarksDamagedCases();
    void recordLineRoundTrip();
    void recordKeyIsTheFolderName();
    void badRecordFiles_data();
    void badRecordFiles();
    void appendStopsAtTheReadersLimit();
    void oldRecordLinesRead();
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

void TestCaseLogic::smallestChromosomeHeight_data()
{
    // The pieces' room: the karyogram's height less its four rows of captions, as the case window
    // has it maximised on each screen.
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("room");
    QTest::addColumn<int>("least"); // the smallest chromosome at least this tall
    for (int level : {400, 550, 850}) {
        QTest::addRow("1280x1024 at %d", level) << level << 760 << 60;
        QTest::addRow("1366x768 at %d", level) << level << 520 << 40;
        QTest::addRow("tiny at %d", level) << level << 100 << 1;
    }
}

void TestCaseLogic::smallestChromosomeHeight()
{
    // A normal male cell with a small derivative beside the 22s, each chromosome as tall as its
    // ideogram's length at the level, chromosome 1 at 300 pixels (the painter's scale), each bitmap
    // with the painter's white above and below it. What must be readable is the chromosome.
    QFETCH(int, level);
    QFETCH(int, room);
    QFETCH(int, least);
    constexpr int Margin = 7;
    QImage bitmap(30, 300 + 2 * Margin, QImage::Format_RGB888);
    bitmap.fill(Qt::white);
    QPainter(&bitmap).fillRect(QRect(8, Margin, 14, 300), QColor(180, 180, 180));
    QCOMPARE(chromosomeHeight(bitmap), 300);
    const double one = iscn::builtInIdeogram(0, level)->length;
    std::vector<QString> identities;
    std::vector<int> heights, chromosomes;
    for (int c = 0; c < 24; ++c) {
        const QString name = c < 22 ? QString::number(c + 1) : QString(c == 22 ? "X" : "Y");
        identities.push_back(name);
        chromosomes.push_back(int(300 * iscn::builtInIdeogram(c, level)->length / one));
    }
    identities.push_back("der(22)t(9;22)(q34;q11.2)");
    chromosomes.push_back(chromosomes[21] * 6 / 10);
    for (int c : chromosomes)
        heights.push_back(c + 2 * Margin);
    const KaryogramRows fit = fitKaryogramRows(room, rowPiecesOf(identities, heights, chromosomes), heights[0]);
    QCOMPARE(int(fit.heights.size()), 4);
    const float base = std::min(float(room) / 4 / heights[0], MaxPieceEnlargement);
    int used = 0;
    int smallest = 1 << 30;
    const auto rows = karyogramRows();
    for (size_t i = 0; i < identities.size(); ++i) {
        const int group = homeGroups(identities[i]).front();
        const int r = int(std::find_if(rows.begin(), rows.end(), [&](const auto &row) {
                              return std::find(row.begin(), row.end(), group) != row.end();
                          }) - rows.begin());
        // Drawn at its scale row's scale (the X at group C's), but never past its own row.
        const float scale = std::min(fit.scales[scaleRowOf(group)], float(fit.heights[r]) / heights[i]);
        // Never smaller than with equal rows and chromosome 1 filling its row.
        QVERIFY2(scale >= base * 0.999f || room < 4 * MinPieceRoom * 2, qPrintable(identities[i]));
        // No chromosome drawn taller than chromosome 1.
        QVERIFY(heights[i] * scale <= heights[0] * fit.scales[0] + 1);
        smallest = std::min(smallest, int(chromosomes[i] * scale));
    }
    for (int h : fit.heights)
        used += h;
    QVERIFY2(used <= std::max(room, 4 * MinPieceRoom) + 4, qPrintable(QString::number(used)));
    QVERIFY2(smallest >= least, qPrintable(QString::number(smallest)));
    qInfo("level %d, room %d: smallest chromosome %d px", level, room, smallest);
}

void TestCaseLogic::settledTurn_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("settled");
    QTest::addColumn<int>("over");
    QTest::newRow("upright") << 0 << 0 << 12;
    QTest::newRow("45 degrees one way") << 3 << 0 << 15;
    QTest::newRow("45 degrees the other") << 21 << 0 << 9;
    QTest::newRow("past 45") << 4 << 4 << 16;
    QTest::newRow("past 45 the other way") << 20 << 20 << 8;
    QTest::newRow("upside down") << 12 << 12 << 0;
}

void TestCaseLogic::settledTurn()
{
    QFETCH(int, step);
    QFETCH(int, settled);
    QFETCH(int, over);
    QCOMPARE(korven::settledTurn(step, CaseTurnSteps), settled);
    QCOMPARE(korven::turnedOver(step, CaseTurnSteps), over);
}

void TestCaseLogic::caseIdentity_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("title");
    QTest::newRow("bundled") << "case-14" << 14 << "Case 14";
    QTest::newRow("leading zero") << "case-01" << 1 << "Case 1";
    QTest::newRow("teacher's") << "carrier-14-21" << 0 << "carrier-14-21";
    QTest::newRow("not a number") << "case-1a" << 0 << "case-1a";
    QTest::newRow("case zero") << "case-0" << 0 << "case-0";
}

void TestCaseLogic::caseIdentity()
{
    QFETCH(QString, folder);
    QFETCH(int, number);
    QFETCH(QString, title);
    QCOMPARE(caseNumber(folder), number);
    QCOMPARE(caseTitle(folder), title);
    // Adding a case never renumbers another: numbered ones by number, then the rest by name.
    QStringList names{"carrier-14-21", "case-14", "case-02", "a-teacher", "case-100"};
    std::sort(names.begin(), names.end(), caseListedBefore);
    QCOMPARE(names, (QStringList{"case-02", "case-14", "case-100", "a-teacher", "carrier-14-21"}));
}

void TestCaseLogic::caseKind_data()
{
    QTest::addColumn<QString>("truth");
    QTest::addColumn<QString>("kind");
    QTest::newRow("trisomy") << "47,XY,+21" << "numerical";
    QTest::newRow("Turner") << "45,X" << "numerical";
    QTest::newRow("Klinefelter") << "47,XXY" << "numerical";
    QTest::newRow("reciprocal") << "46,XX,t(11;22)(q23;q11.2)" << "structural balanced";
    QTest::newRow("Robertsonian carrier") << "45,XY,der(13;14)(q10;q10)" << "structural balanced";
    QTest::newRow("translocation Down") << "46,XY,der(14;21)(q10;q10),+21" << "structural unbalanced";
    QTest::newRow("Emanuel") << "47,XY,+der(22)t(11;22)(q23;q11.2)" << "structural unbalanced";
    QTest::newRow("isochromosome X") << "46,X,i(X)(q10)" << "structural unbalanced";
    QTest::newRow("deletion 5p") << "46,XX,del(5)(p14)" << "structural unbalanced";
    QTest::newRow("marker") << "47,XX,+mar" << "structural unbalanced";
    QTest::newRow("mosaic") << "45,X[3]/46,XX[17]" << "mosaic";
    QTest::newRow("Philadelphia") << "46,XY,t(9;22)(q34;q11.2)" << "neoplastic";
    QTest::newRow("Philadelphia clone") << "46,XY,t(9;22)(q34;q11.2)[18]/46,XY[2]" << "neoplastic";
    QTest::newRow("5q minus") << "46,XY,del(5)(q13q33)" << "neoplastic";
    QTest::newRow("monosomy 7") << "45,XY,-7" << "neoplastic";
    QTest::newRow("inv(16)") << "46,XX,inv(16)(p13.1q22)" << "neoplastic";
    QTest::newRow("inv(9) variant") << "46,XY,inv(9)(p12q13)" << "variant";
    QTest::newRow("normal") << "46,XX" << "normal";
    QTest::newRow("unreadable") << "46,XX," << "";
}

void TestCaseLogic::caseKind()
{
    QFETCH(QString, truth);
    QFETCH(QString, kind);
    QCOMPARE(caseKindWord(korven::caseKind(truth)), kind);
    if (!kind.isEmpty())
        QCOMPARE(caseKindWord(caseKindFromWord(kind)), kind);
}

void TestCaseLogic::wholeResultIsTheWorst()
{
    using iscn::Verdict;
    QCOMPARE(worstOf(true, true, Verdict::Right), Verdict::Right);
    QCOMPARE(worstOf(true, true, Verdict::Near), Verdict::Near);
    QCOMPARE(worstOf(false, true, Verdict::Right), Verdict::Wrong);
    QCOMPARE(worstOf(true, false, Verdict::Near), Verdict::Wrong);
    QCOMPARE(verdictFromWord("near"), std::optional<Verdict>(Verdict::Near));
    QCOMPARE(verdictFromWord("perhaps"), std::optional<Verdict>());
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
    // Limits, each named, checked before anything is made from the numbers.
    QTest::newRow("huge spread") << QStringList{k, l, "spread\t1\t100000\t100000", p} << "not a number from 1 to 8192";
    QTest::newRow("spread over the pixels") << QStringList{k, l, "spread\t1\t8000\t8000", p} << "larger than the 16000000 pixels";
    QTest::newRow("cell past the most") << QStringList{k, l, s, "spread\t101\t10\t10", p} << "not a number from 1 to 100";
    QStringList many{k, l, s};
    for (int i = 0; i <= MaxCellPieces; ++i)
        many << QStringLiteral("piece\t1\tp%1.bmp\t1\t5\t5\t0").arg(i);
    QTest::newRow("too many pieces") << many << "cell 1 has more than 250 pieces";
    QTest::newRow("one bitmap for two pieces") << QStringList{k, l, s, p, p} << "a.bmp is the bitmap of another piece already";
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

// A 24-bit BMP of the given size, its header promising `rows` rows whatever it holds.
static QByteArray bitmapBytes(int width, int height, int rowsHeld)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(QColor(90, 90, 120));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    const int stride = (width * 3 + 3) & ~3;
    return bytes.left(54 + qsizetype(stride) * rowsHeld);
}

void TestCaseLogic::hostileCaseFolders_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("huge spread") << "huge spread" << "not a number from 1 to 8192";
    QTest::newRow("many pieces naming one bitmap") << "one bitmap" << "is the bitmap of another piece already";
    QTest::newRow("bitmap cut short") << "cut short" << "file cut short";
    QTest::newRow("8-bit bitmap") << "8-bit" << "8 bits per pixel, 24 needed";
    QTest::newRow("symlinked folder") << "linked folder" << "is a symbolic link";
    QTest::newRow("FIFO case.txt") << "fifo" << "case.txt is a pipe (FIFO), not a regular file";
    QTest::newRow("folder case.txt") << "folder" << "case.txt is a folder, not a regular file";
    QTest::newRow("bare line ends") << "line ends" << "has too many lines";
}

// Each hostile folder is refused by the one reader the window and the checker use, with a message
// naming the file and the limit, before anything is allocated from it.
void TestCaseLogic::hostileCaseFolders()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString outside = dir.filePath("elsewhere");
    const QString folder = kind == "linked folder" ? dir.filePath("Cases/linked") : dir.filePath("Cases/c1");
    QVERIFY(QDir().mkpath(kind == "linked folder" ? outside : folder));
    QVERIFY(QDir().mkpath(dir.filePath("Cases")));
    const QString real = kind == "linked folder" ? outside : folder;
    QStringList lines{"karyotype\t47,XY,+21", "level\t550",
                      kind == "huge spread" ? "spread\t1\t100000\t100000" : "spread\t1\t400\t300"};
    for (int i = 0; i < (kind == "one bitmap" ? 200 : 1); ++i)
        lines << "piece\t1\t1-01.bmp\t21\t100\t100\t0";
    QByteArray caseText = lines.join('\n').toUtf8() + '\n';
    if (kind == "line ends")
        caseText = QByteArray(2 * 1024 * 1024, '\n');
    const QString caseFile = QDir(real).filePath("case.txt");
    if (kind == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(caseFile).constData(), 0600), 0);
    else if (kind == "folder")
        QVERIFY(QDir().mkpath(caseFile));
    else
        korven::test::writeBytes(caseFile, caseText);
    QByteArray bitmap = bitmapBytes(20, 60, kind == "cut short" ? 30 : 60);
    if (kind == "8-bit") {
        QImage grey(20, 60, QImage::Format_Indexed8);
        grey.setColorCount(256);
        for (int i = 0; i < 256; ++i)
            grey.setColor(i, qRgb(i, i, i));
        grey.fill(100);
        QBuffer buffer(&bitmap);
        buffer.open(QIODevice::WriteOnly | QIODevice::Truncate);
        grey.save(&buffer, "BMP");
    }
    korven::test::writeBytes(QDir(real).filePath("1-01.bmp"), bitmap);
    if (kind == "linked folder")
        QVERIFY(QFile::link(outside, folder));
    try {
        const CaseFolder c = readCaseFolder(folder);
        (void)loadCasePieces(c);
        QFAIL("accepted");
    } catch (const KorvenError &e) {
        QVERIFY2(e.message().contains(message), qPrintable(e.message()));
    }
    // The case list offers it as damaged, with the same reason, and it cannot be started.
    if (kind != "cut short" && kind != "8-bit") {
        const std::vector<CaseEntry> entries = listCases({dir.filePath("Cases")});
        QCOMPARE(int(entries.size()), 1);
        QVERIFY2(entries[0].fault.contains(message), qPrintable(entries[0].fault));
    }
}

void TestCaseLogic::pixelBudgetCoversTheCase()
{
    QTemporaryDir dir;
    korven::test::writeBytes(dir.filePath("case.txt"),
                             "karyotype\t46,XX\nlevel\t550\nspread\t1\t400\t300\n"
                             "piece\t1\ta.bmp\t1\t50\t50\t0\npiece\t1\tb.bmp\t1\t150\t50\t0\n");
    korven::test::writeBytes(dir.filePath("a.bmp"), bitmapBytes(20, 50, 50));
    korven::test::writeBytes(dir.filePath("b.bmp"), bitmapBytes(20, 50, 50));
    const CaseFolder c = readCaseFolder(dir.path());
    CasePixelBudget budget{1500};
    QCOMPARE(loadCasePiece(c, c.pieces[0], budget).size(), QSize(20, 50));
    QCOMPARE(budget.left, 500);
    // The second is refused on its declared size, before a pixel of it is decoded.
    QVERIFY_THROWS_EXCEPTION(KorvenError, loadCasePiece(c, c.pieces[1], budget));
    QCOMPARE(int(loadCasePieces(c).size()), 2); // the whole budget takes both
}

void TestCaseLogic::listMarksDamagedCases()
{
    QTemporaryDir dir;
    const auto write = [&](const QString &name, const QString &karyotype) {
        QVERIFY(QDir().mkpath(dir.filePath(name)));
        korven::test::writeBytes(dir.filePath(name + "/case.txt"),
                                 ("karyotype\t" + karyotype + "\nlevel\t550\nspread\t1\t400\t300\n"
                                  "piece\t1\ta.bmp\t21\t50\t50\t0\n").toUtf8());
    };
    write("sound ", "47,XY,+21");   // a trailing blank is part of the name
    write("tab\tname", "47,XY,+21"); // cannot be a record's key
    write("unreadable", "47,XY,+21,t(banana)");
    write("very long", "46,XX[1]/" + QStringLiteral("47,XX,+21[1]/").repeated(400) + "46,XX[1]");
    QVERIFY(QDir().mkpath(dir.filePath("no case")));
    const std::vector<CaseEntry> entries = listCases({dir.path()});
    QCOMPARE(int(entries.size()), 4);
    QCOMPARE(entries[0].name, QStringLiteral("sound "));
    QCOMPARE(entries[0].fault, QString());
    QCOMPARE(entries[0].karyotype, QStringLiteral("47,XY,+21"));
    QVERIFY2(entries[1].fault.contains("control character"), qPrintable(entries[1].fault));
    QVERIFY2(entries[2].fault.contains("cannot be read"), qPrintable(entries[2].fault));
    QVERIFY2(entries[3].fault.contains("at most 4000 are graded"), qPrintable(entries[3].fault));
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
    r.trueKaryotype = "46,XX,t(11;22)(q23;q11.2)";
    r.kind = "structural balanced";
    r.elementsWrong = QStringList{"46", "XY"};
    return r;
}

void TestCaseLogic::recordLineRoundTrip()
{
    const CaseRecord r = sampleRecord();
    const QString line = caseRecordLine(r);
    QCOMPARE(line, QStringLiteral("2026-12-10\t09:05:07\tcase03\t412\t46 45 -\t46 46 46\t44\t46\t46,XX, t(11;22)(q23;q11.2)\tnear"
                                  "\t46,XX,t(11;22)(q23;q11.2)\tstructural balanced\t46 XY"));
    CaseRecord back;
    QVERIFY(parseCaseRecordLine(line, back));
    QCOMPARE(back.date, r.date);
    QCOMPARE(back.time, r.time);
    QCOMPARE(back.countsGiven, r.countsGiven);
    QCOMPARE(back.countsTrue, r.countsTrue);
    QCOMPARE(back.piecesRight, 44);
    QCOMPARE(back.trueKaryotype, r.trueKaryotype);
    QCOMPARE(back.kind, r.kind);
    QCOMPARE(back.elementsWrong, r.elementsWrong);
    QVERIFY(!back.countsRight());
    QVERIFY(!parseCaseRecordLine(caseRecordHeader(), back));
}

void TestCaseLogic::recordKeyIsTheFolderName()
{
    // Blanks around a name are kept, so a verdict shows on its own case only.
    for (const QString &name : {QStringLiteral("case03 "), QStringLiteral("   "), QStringLiteral(" 症例 ")}) {
        CaseRecord r = sampleRecord();
        r.caseName = name;
        CaseRecord back;
        QVERIFY(parseCaseRecordLine(caseRecordLine(r), back));
        QCOMPARE(back.caseName, name);
        QCOMPARE(caseNameFault(name), QString());
    }
    for (const QString &name : {QString(), QStringLiteral("a\tb"), QStringLiteral("a\nb"), QStringLiteral("a\uFFFDb")})
        QVERIFY2(!caseNameFault(name).isEmpty(), qPrintable(name));
}

void TestCaseLogic::badRecordFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("records");
    QTest::addColumn<QString>("fault");
    const QByteArray header = caseRecordHeader().toUtf8() + "\r\n";
    const QByteArray good = caseRecordLine(sampleRecord()).toUtf8() + "\r\n";
    QTest::newRow("sound") << header + good + good << 2 << QString();
    QTest::newRow("binary") << header + good + QByteArray("\x00\xff\xfe\x80garbage\x01", 10) + "\r\n" + good << 2
                            << "line 3: not a case record.";
    QTest::newRow("torn") << header + good + good.left(25) << 1 << "line 3: not a case record.";
    QString hundredOne;
    for (int i = 0; i <= MaxCaseCells; ++i)
        hundredOne += QStringLiteral("46 ");
    QTest::newRow("record of too many cells")
        << header + QStringLiteral("2026-12-10\t09:05:07\tc\t1\t%1\t%1\t1\t1\t46,XX\tright\r\n").arg(hundredOne).toUtf8() + good
        << 1 << "line 2: not a case record.";
    QTest::newRow("huge record") << header + good + caseRecordLine(sampleRecord()).toUtf8() + QByteArray(100000, 'x') + "\r\n"
                                 << 1 << "line 3: not a case record.";
    QTest::newRow("64 MB of line ends") << QByteArray(64 * 1024 * 1024, '\n') << 0 << "has too many lines";
}

// The faults of a record file are read out with the file and line, never dropped in silence; a
// file beyond the limits is refused at once.
void TestCaseLogic::badRecordFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, records);
    QFETCH(QString, fault);
    QTemporaryDir dir;
    const QString path = dir.filePath("t.cases");
    korven::test::writeBytes(path, bytes);
    bytes.clear();
    QString said;
    int read = 0;
    try {
        const CaseRecords r = readCaseRecords(path);
        read = int(r.records.size());
        said = caseRecordsFault(path, r);
    } catch (const KorvenError &e) {
        said = e.message();
    }
    QCOMPARE(read, records);
    if (fault.isEmpty())
        QCOMPARE(said, QString());
    else
        QVERIFY2(said.contains(fault) && said.contains("t.cases"), qPrintable(said));
}

void TestCaseLogic::appendStopsAtTheReadersLimit()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.cases");
    // A file one line short of the most lines read: the next record would make every case vanish.
    QByteArray full = caseRecordHeader().toUtf8() + "\r\n";
    full += QByteArray("\r\n").repeated(int(RecordFileLimits.maxLines) - 1);
    korven::test::writeBytes(path, full);
    try {
        appendCaseRecord(path, sampleRecord());
        QFAIL("appended");
    } catch (const KorvenError &e) {
        QVERIFY2(e.message().contains("too many lines"), qPrintable(e.message()));
    }
    QCOMPARE(korven::test::readBytes(path), full);
    // A record too long to be read back is not written either.
    const QString other = dir.filePath("u.cases");
    appendCaseRecord(other, sampleRecord());
    const QByteArray before = korven::test::readBytes(other);
    CaseRecord huge = sampleRecord();
    huge.karyotype = QString(MaxCaseRecordChars, u'4');
    QVERIFY_THROWS_EXCEPTION(KorvenError, appendCaseRecord(other, huge));
    QCOMPARE(korven::test::readBytes(other), before);
}

void TestCaseLogic::oldRecordLinesRead()
{
    // A file begun before the truth, kind and wrong elements were kept: its header and ten-field
    // lines are read, the new fields empty, and a new line appended after them is read too.
    const QString oldHeader = "date\ttime\tcase\tseconds\tcounts given\tcounts true\tpieces right\tpieces\tkaryotype\tverdict";
    const QString oldLine = "2026-11-02\t10:00:00\tcase-14\t300\t46\t46\t46\t46\t46,XX,t(11;22)(q23;q11.2)\tright";
    const CaseRecords read = parseCaseRecordBytes((oldHeader + "\r\n" + oldLine + "\r\n" + caseRecordLine(sampleRecord())).toUtf8());
    QCOMPARE(read.badLines, std::vector<int>());
    QCOMPARE(int(read.records.size()), 2);
    QCOMPARE(read.records[0].caseName, QStringLiteral("case-14"));
    QVERIFY(read.records[0].trueKaryotype.isEmpty() && read.records[0].kind.isEmpty());
    QVERIFY(read.records[0].elementsWrong.isEmpty());
    QCOMPARE(read.records[1].kind, QStringLiteral("structural balanced"));
    // Eleven or twelve fields are neither form.
    CaseRecord r;
    QVERIFY(!parseCaseRecordLine(oldLine + "\textra", r));
}

void TestCaseLogic::recordReadingSkipsDamagedLines()
{
    const QString good = caseRecordLine(sampleRecord());
    QString wrongVerdict = good;
    wrongVerdict.replace("\tnear", "\tperhaps");
    const CaseRecords read = parseCaseRecordBytes(QStringList{caseRecordHeader(), good, "2026-13-01\tx", wrongVerdict, good}.join("\n").toUtf8());
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
        // The folder takes the umask's mode; the record file is its trainee's alone.
        korven::test::UmaskScope mask(022);
        appendCaseRecord(path, sampleRecord());
    }
    QCOMPARE(korven::test::entriesWithOtherModes(QFileInfo(path).absolutePath(), 0755, 0600), QStringList());
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
    b.kind.clear(); // written before the kind was kept: it comes from kindOf
    const CaseSummary s = summarizeCases({a, b, a2}, {{"case03", "numerical"}, {"case05", "mosaic"}});
    QCOMPARE(s.casesDone, 2);
    QCOMPARE(s.karyotypesRight, 1);
    QCOMPARE(s.countsRight, 1);
    QCOMPARE(s.lastVerdict.value("case03"), QStringLiteral("right"));
    QCOMPARE(s.byKind.value("structural balanced"), std::make_pair(1, 1)); // the record's own kind
    QCOMPARE(s.last.value("case03").verdict, QStringLiteral("right"));
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
    // Longer than is graded: refused at once, never read (a mosaic of 4 MB took 20 s to compare).
    const QString huge = "46,XX[1]/" + QStringLiteral("47,XX,+21[1]/").repeated(400000) + "46,XX[1]";
    QTest::newRow("huge answer") << huge << "47,XY,+21" << "wrong" << QStringList{"wrong"};
    QTest::newRow("huge truth") << "47,XY,+21" << huge << "wrong" << QStringList{};
}

void TestCaseLogic::karyotypeComparison()
{
    QFETCH(QString, given);
    QFETCH(QString, truth);
    QFETCH(QString, verdict);
    QFETCH(QStringList, elements);
    const KaryotypeGrade g = gradeKaryotype(given, truth, 550);
    QCOMPARE(iscn::verdictWord(g.verdict), verdict);
    if (given.size() > MaxGradedKaryotypeChars || truth.size() > MaxGradedKaryotypeChars)
        QVERIFY2(g.formFault().contains("at most 4000 are graded"), qPrintable(g.formFault()));
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
    QTest::newRow("too long") << "47,XY,+21," + QString(MaxGradedKaryotypeChars, u'+') << true;
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
