// Case folders: the chromosomes of a cell from a karyotype line, the cells of a mosaic, a folder
// written whole or not at all, the same folder for the same seed, and the check that finds what
// a hand edit broke.
#include "cases/case_folder.h"
#include "files/errors.h"
#include "files/text_file.h"
#include "tools/case_catalogue.h"
#include "tools/case_maker.h"
#include "tools/cell_chromosomes.h"
#include "tools/problem_maker.h"

#include <QProcess>

#include <QTest>

using namespace korven;

Q_DECLARE_METATYPE(korven::iscn::CellLine)

namespace {

// The lines of a karyotype as read (not checked, so that the painter meets what it must refuse).
KaryotypeLines lines(const QString &text)
{
    const auto karyotype = iscn::parseKaryotype(text);
    if (!karyotype)
        throw KorvenError(QStringLiteral("test karyotype %1 cannot be read").arg(text));
    return karyotype->lines;
}

iscn::CellLine line(const QString &text)
{
    return lines(text).first();
}

QStringList identities(const std::vector<CellChromosome> &cell)
{
    QStringList list;
    for (const CellChromosome &c : cell)
        list << c.identity;
    return list;
}

// A karyotype reader for the check: the lines the test gave for a text.
std::function<KaryotypeLines(const QString &)> reader(const QString &text, KaryotypeLines lines)
{
    return [text, lines](const QString &asked) {
        if (asked != text)
            throw KorvenError(QStringLiteral("unexpected karyotype %1").arg(asked));
        return lines;
    };
}

QByteArray folderBytes(const QString &folder)
{
    QByteArray all;
    for (const QString &name : QDir(folder).entryList(QDir::Files, QDir::Name))
        all += name.toUtf8() + readRegularFile(QDir(folder).filePath(name), 1 << 24);
    return all;
}

} // namespace

class TestCaseFolder : public QObject {
    Q_OBJECT

    std::vector<Ideogram> ideograms;
    QTemporaryDir temp;

    // A balanced translocation in two cells, made once for the checks.
    const QString translocation = QStringLiteral("46,XX,t(11;22)(q23;q11.2)");
    KaryotypeLines translocationLines = lines(translocation);
    QString made;

    void makeTranslocation(const QString &name, std::uint64_t seed = 5)
    {
        CaseRecipe recipe{translocation, translocationLines, 400, seed, 2, 0, {QStringLiteral("a note")}, {QStringLiteral("メモ")}};
        makeCase(recipe, ideograms, temp.path(), name, false, 2);
    }

private slots:
    void initTestCase()
    {
        ideograms = loadCaseIdeograms(QStringLiteral(KORVEN_SOURCE_DIR "/data"));
        makeTranslocation(QStringLiteral("t11-22"));
        made = temp.filePath(QStringLiteral("t11-22"));
    }

    void cellChromosomes_data()
    {
        QTest::addColumn<iscn::CellLine>("cellLine");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("group"); // the group whose members are listed
        QTest::addColumn<QString>("members");
        QTest::newRow("trisomy") << line("47,XY,+21") << 47 << "21" << "21 21 21";
        QTest::newRow("monosomy") << line("45,XY,-7") << 45 << "7" << "7";
        QTest::newRow("45,X") << line("45,X") << 45 << "X" << "X";
        QTest::newRow("47,XXY") << line("47,XXY") << 47 << "X" << "X X";
        QTest::newRow("deletion replaces a 5") << line("46,XX,del(5)(p14)") << 46
                                               << "5" << "5 del(5)(p14)";
        QTest::newRow("translocation") << line("46,XX,t(11;22)(q23;q11.2)")
                                       << 46 << "22" << "22 der(22)t(11;22)(q23;q11.2)";
        QTest::newRow("gained derivative") << line("47,XY,+der(22)t(11;22)(q23;q11.2)")
                                           << 47 << "22" << "22 22 der(22)t(11;22)(q23;q11.2)";
        QTest::newRow("Robertsonian") << line("45,XX,rob(13;14)(q10;q10)")
                                      << 45 << "13" << "13 der(13;14)(q10;q10)";
        QTest::newRow("translocation Down") << line("46,XY,der(14;21)(q10;q10),+21")
                                            << 46 << "21" << "21 21";
        QTest::newRow("i(X) beside the listed X") << line("46,X,i(X)(q10)") << 46
                                                  << "X" << "X i(X)(q10)";
        QTest::newRow("marker last") << line("47,XX,+mar") << 47 << "mar" << "mar";
    }

    void cellChromosomes()
    {
        QFETCH(iscn::CellLine, cellLine);
        QFETCH(int, count);
        QFETCH(QString, group);
        QFETCH(QString, members);
        const std::vector<CellChromosome> cell = korven::cellChromosomes(cellLine);
        QCOMPARE(int(cell.size()), count);
        QStringList inGroup;
        for (const CellChromosome &c : cell)
            if (c.group == group)
                inGroup << c.identity;
        QCOMPARE(inGroup.join(QLatin1Char(' ')), members);
        // Karyogram order: groups never go back.
        const QStringList order = identities(cell);
        QVERIFY(order.indexOf(QStringLiteral("1")) == 0);
    }

    void cellChromosomeRefusals_data()
    {
        QTest::addColumn<iscn::CellLine>("cellLine");
        QTest::addColumn<QString>("message");
        QTest::newRow("derivative made by a deletion") << line("46,XX,der(9)del(9)(p12)t(9;22)(q34;q11.2)")
                                                       << "cannot be painted: only derivatives made by translocations";
        QTest::newRow("a third loss") << line("43,XX,-7,-7,-7")
                                      << "no normal chromosome 7 is left";
    }

    void cellChromosomeRefusals()
    {
        QFETCH(iscn::CellLine, cellLine);
        QFETCH(QString, message);
        try {
            korven::cellChromosomes(cellLine);
            QFAIL("accepted");
        } catch (const KorvenError &e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
    }

    void mosaicCells()
    {
        const KaryotypeLines mosaic = lines("45,X[3]/46,XX[7]");
        const std::vector<int> cells = cellLines(mosaic, 1, 9);
        QCOMPARE(int(cells.size()), 10);
        QCOMPARE(cells[0], 0);
        QCOMPARE(int(std::count(cells.begin(), cells.end(), 0)), 3);
        QCOMPARE(cellLines(lines("46,XY"), 4, 9), std::vector<int>(4, 0));
        QVERIFY_THROWS_EXCEPTION(KorvenError, cellLines(lines("45,X[3]/46,XX"), 1, 9));
        QVERIFY_THROWS_EXCEPTION(KorvenError, cellLines(lines("45,X[60]/46,XX[60]"), 1, 9));
        // Cell 1 of the second line, the counts kept.
        const std::vector<int> second = cellLines(mosaic, 1, 9, 1);
        QCOMPARE(second[0], 1);
        QCOMPARE(int(std::count(second.begin(), second.end(), 0)), 3);
        QVERIFY_THROWS_EXCEPTION(KorvenError, cellLines(mosaic, 1, 9, 2));
    }

    void writtenFolder()
    {
        QStringList faults;
        const CaseFile file = readCaseFile(made, &faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QCOMPARE(file.karyotype, translocation);
        QCOMPARE(file.level, 400);
        QCOMPARE(file.notes, QStringList{QStringLiteral("a note")});
        QCOMPARE(caseNotes(file, true), QStringList{QStringLiteral("メモ")});
        QCOMPARE(caseNotes(file, false), QStringList{QStringLiteral("a note")});
        QCOMPARE(int(file.spreads.size()), 2);
        for (int cell = 1; cell <= 2; ++cell) {
            QStringList ids;
            for (const CasePiece &p : file.pieces)
                if (p.cell == cell)
                    ids << p.identity;
            QCOMPARE(ids.size(), 46);
            QCOMPARE(ids.count(QStringLiteral("der(11)t(11;22)(q23;q11.2)")), 1);
            QCOMPARE(ids.count(QStringLiteral("der(22)t(11;22)(q23;q11.2)")), 1);
            QCOMPARE(ids.count(QStringLiteral("22")), 1);
        }
        const QStringList check = checkCase(made, ideograms, reader(translocation, translocationLines));
        QVERIFY2(check.isEmpty(), qPrintable(check.join('\n')));
        // Nothing left beside it from the building.
        QCOMPARE(QDir(temp.path()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{QStringLiteral("t11-22")});
    }

    void sameSeedSameFolder()
    {
        makeTranslocation(QStringLiteral("again"));
        QCOMPARE(folderBytes(temp.filePath(QStringLiteral("again"))), folderBytes(made));
        QDir(temp.filePath(QStringLiteral("again"))).removeRecursively();
    }

    void refusalsWriteNothing_data()
    {
        QTest::addColumn<iscn::CellLine>("cellLine");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("existing folder") << line("46,XX") << "t11-22" << "already exists";
        QTest::newRow("variant of a block 2 lacks") << line("46,XX,2qh+") << "new" << "chromosome 2 has no h block";
        QTest::newRow("unknown band") << line("46,XX,del(5)(p99)") << "new"
                                      << "chromosome 5 has no band p99";
        QTest::newRow("hidden name") << line("46,XX") << ".new" << "not a plain folder name";
    }

    void refusalsWriteNothing()
    {
        QFETCH(iscn::CellLine, cellLine);
        QFETCH(QString, name);
        QFETCH(QString, message);
        const QByteArray before = folderBytes(made);
        const QStringList entries = QDir(temp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        try {
            makeCase({QStringLiteral("46,XX"), {cellLine}, 400, 1, 1, 0, {}, {}}, ideograms, temp.path(), name);
            QFAIL("made");
        } catch (const KorvenError &e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
        QCOMPARE(QDir(temp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), entries);
        QCOMPARE(folderBytes(made), before);
    }

    void checkFindsFaults_data()
    {
        QTest::addColumn<QString>("edit"); // what is done to a copy of the folder
        QTest::addColumn<QString>("fault");
        QTest::newRow("bitmap missing") << "remove 1-03.bmp" << "File not found";
        QTest::newRow("bitmap not listed") << "copy 1-03.bmp stray.bmp" << "stray.bmp: not listed";
        QTest::newRow("bitmap not 24-bit") << "truncate 1-05.bmp" << "1-05.bmp:";
        QTest::newRow("piece dropped") << "drop piece\t1\t1-46.bmp" << "cell 1 holds 45 chromosomes that are not those of";
        QTest::newRow("a 21 too many") << "append piece\t1\t1-47.bmp\t21\t10\t10\t0" << "cell 1 holds 47 chromosomes that are not those of";
        // The der(11) (piece 22, after the one normal 11) painted as short as a 22, the der(22)
        // (piece 44, after the one normal 22) as long as a 1.
        QTest::newRow("der(11) as short as a 22") << "overwrite 1-43.bmp 1-22.bmp" << "der(11)t(11;22)(q23;q11.2) is painted";
        QTest::newRow("der(22) as long as a 1") << "overwrite 1-01.bmp 1-44.bmp" << "der(22)t(11;22)(q23;q11.2) is painted";
        QTest::newRow("pieces overlap") << "overlap" << "overlaps";
        QTest::newRow("unknown record") << "append colour\tred" << "unknown record \"colour\"";
        QTest::newRow("step out of range") << "replace \t0\n=\t24\n" << "is not a number from 0 to 23";
    }

    void checkFindsFaults()
    {
        QFETCH(QString, edit);
        QFETCH(QString, fault);
        const QString copy = temp.filePath(QStringLiteral("edited"));
        QDir(copy).removeRecursively();
        QDir().mkpath(copy);
        for (const QString &name : QDir(made).entryList(QDir::Files))
            QFile::copy(QDir(made).filePath(name), QDir(copy).filePath(name));
        const QString caseTxt = caseFilePath(copy);
        QString text = QString::fromUtf8(readRegularFile(caseTxt, 1 << 20));
        const QStringList words = edit.split(QLatin1Char(' '));
        if (words[0] == QLatin1String("remove")) {
            QFile::remove(QDir(copy).filePath(words[1]));
        } else if (words[0] == QLatin1String("overwrite")) {
            QFile::remove(QDir(copy).filePath(words[2]));
            QFile::copy(QDir(copy).filePath(words[1]), QDir(copy).filePath(words[2]));
        } else if (words[0] == QLatin1String("copy")) {
            QFile::copy(QDir(copy).filePath(words[1]), QDir(copy).filePath(words[2]));
        } else if (words[0] == QLatin1String("truncate")) {
            QFile f(QDir(copy).filePath(words[1]));
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.resize(100);
        } else if (words[0] == QLatin1String("drop")) {
            QStringList lines = text.split(QLatin1Char('\n'));
            lines.erase(std::remove_if(lines.begin(), lines.end(), [&](const QString &l) { return l.startsWith(edit.mid(5)); }), lines.end());
            text = lines.join(QLatin1Char('\n'));
        } else if (words[0] == QLatin1String("overlap")) {
            // Piece 2 of cell 1 put where piece 1 lies.
            QStringList lines = text.split(QLatin1Char('\n'));
            QStringList first, second;
            for (QString &l : lines) {
                if (l.startsWith(QLatin1String("piece\t1\t1-01.bmp")))
                    first = l.split(QLatin1Char('\t'));
            }
            for (QString &l : lines) {
                if (l.startsWith(QLatin1String("piece\t1\t1-02.bmp"))) {
                    second = l.split(QLatin1Char('\t'));
                    second[4] = first[4], second[5] = first[5];
                    l = second.join(QLatin1Char('\t'));
                }
            }
            text = lines.join(QLatin1Char('\n'));
        } else if (words[0] == QLatin1String("append")) {
            text += edit.mid(7) + QLatin1Char('\n');
        } else {
            const QStringList parts = edit.mid(8).split(QLatin1Char('='));
            const int at = int(text.indexOf(QStringLiteral("piece\t1\t1-01.bmp")));
            const int lineEnd = int(text.indexOf(QLatin1Char('\n'), at));
            QString l = text.mid(at, lineEnd - at + 1);
            l = l.left(l.lastIndexOf(QLatin1Char('\t'))) + parts[1];
            text = text.left(at) + l + text.mid(lineEnd + 1);
        }
        writeFileAtomically(caseTxt, text.toUtf8());
        const QStringList faults = checkCase(copy, ideograms, reader(translocation, translocationLines));
        QVERIFY2(faults.join('\n').contains(fault), qPrintable(faults.join('\n')));
    }

    // A ring is measured round its loop: painted as made it checks sound; a whole 1 in its place
    // is far longer than the part of 18 it keeps.
    void ringLengthChecked()
    {
        const QString karyotype = QStringLiteral("46,XX,r(18)(p11.2q22)");
        makeCase({karyotype, lines(karyotype), 400, 3, 1, 0, {}, {}}, ideograms, temp.path(), QStringLiteral("ring"), false, 2);
        const QDir ring(temp.filePath(QStringLiteral("ring")));
        QCOMPARE(checkCase(ring.path(), ideograms, readKaryotypeLines), QStringList());
        QString ringFile, oneFile;
        for (const CasePiece &piece : readCaseFolder(ring.path()).pieces) {
            if (piece.identity.startsWith(QLatin1String("r(")))
                ringFile = piece.file;
            if (piece.identity == QLatin1String("1"))
                oneFile = piece.file;
        }
        QVERIFY(QFile::remove(ring.filePath(ringFile)));
        QVERIFY(QFile::copy(ring.filePath(oneFile), ring.filePath(ringFile)));
        const QStringList faults = checkCase(ring.path(), ideograms, readKaryotypeLines);
        QVERIFY2(faults.join('\n').contains(QStringLiteral("r(18)(p11.2q22) is painted")), qPrintable(faults.join('\n')));
    }

    // The bundled catalogue as the build paints it (make-cases, seed 1): every case sound, with
    // its notes, and a few of them made again from their recipes byte for byte the same (painting
    // is slow under the sanitizers).
    void catalogueSound()
    {
        const QDir bundled(QStringLiteral(KORVEN_BINARY_DIR "/korven/Cases"));
        QVERIFY(caseCatalogue().size() >= 45);
        for (const CatalogueCase &entry : caseCatalogue()) {
            const QStringList faults = checkCase(bundled.filePath(entry.name), ideograms, readKaryotypeLines);
            QVERIFY2(faults.isEmpty(), qPrintable(entry.karyotype + QLatin1Char('\n') + faults.join('\n')));
            QVERIFY(!entry.notes.isEmpty());
            QVERIFY(!entry.notesJa.isEmpty());
        }
    }

    void catalogueRepeatable()
    {
        const QString a = QStringLiteral(KORVEN_BINARY_DIR "/korven/Cases"), b = temp.filePath(QStringLiteral("catalogue-again"));
        for (int index : {0, 10, int(caseCatalogue().size()) - 1}) {
            const QString name = caseCatalogue()[size_t(index)].name;
            makeCase(catalogueRecipe(index, 1, ideograms, readKaryotypeLines), ideograms, b, name);
            QCOMPARE(folderBytes(QDir(b).filePath(name)), folderBytes(QDir(a).filePath(name)));
        }
        QDir(b).removeRecursively();
    }

    // The command line: a case written from a karyotype text, and a refusal that writes nothing.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("del(5)(p14)") << QStringList{"46,XY,del(5)(p14)", "--name", "cli", "--level", "400", "--cells", "2"}
                                     << 0 << "wrote";
        QTest::newRow("a variant that cannot be") << QStringList{"46,XX,2qh+", "--name", "variant"} << 1 << "2qh+";
        QTest::newRow("count that does not add up") << QStringList{"47,XY", "--name", "count"} << 1 << "47";
        QTest::newRow("level without a table") << QStringList{"46,XY", "--name", "level", "--level", "300"} << 2 << "300";
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const QString out = temp.filePath(QStringLiteral("cli-out"));
        QProcess tool;
        tool.start(QStringLiteral(KORVEN_TOOL), QStringList{QStringLiteral("case")} + arguments + QStringList{QStringLiteral("--out"), out});
        QVERIFY(tool.waitForFinished(300000));
        const QString said = QString::fromLocal8Bit(tool.readAllStandardOutput() + tool.readAllStandardError());
        QCOMPARE(tool.exitCode(), exitCode);
        QVERIFY2(said.contains(message), qPrintable(said));
        const QString folder = QDir(out).filePath(arguments[2]);
        QCOMPARE(QFileInfo(folder).isDir(), exitCode == 0);
        if (exitCode == 0) {
            QVERIFY(checkCase(folder, ideograms, readKaryotypeLines).isEmpty());
            QProcess check;
            check.start(QStringLiteral(KORVEN_TOOL), {QStringLiteral("check"), folder});
            QVERIFY(check.waitForFinished(300000));
            QCOMPARE(check.exitCode(), 0);
        }
    }

    void mosaicCounts()
    {
        const QString karyotype = QStringLiteral("45,X[2]/46,XX[1]");
        const KaryotypeLines mosaicLines = lines(karyotype);
        makeCase({karyotype, mosaicLines, 400, 3, 1, 0, {}, {}}, ideograms, temp.path(), QStringLiteral("mosaic"), false, 2);
        const QString folder = temp.filePath(QStringLiteral("mosaic"));
        QStringList faults;
        const CaseFile file = readCaseFile(folder, &faults);
        QCOMPARE(int(file.spreads.size()), 3);
        int cell1 = 0;
        for (const CasePiece &p : file.pieces)
            cell1 += p.cell == 1;
        QCOMPARE(cell1, 45);
        QVERIFY(checkCase(folder, ideograms, reader(karyotype, mosaicLines)).isEmpty());
        // The same folder said to be a 1:2 mosaic no longer checks: the counts are read from the
        // karyotype written in it, whatever lines its maker was given.
        const QString caseTxt = caseFilePath(folder);
        const QString other = QStringLiteral("45,X[1]/46,XX[2]");
        writeFileAtomically(caseTxt, QString::fromUtf8(readRegularFile(caseTxt, 1 << 20)).replace(karyotype, other).toUtf8());
        QVERIFY(checkCase(folder, ideograms, reader(other, lines(other))).join('\n').contains(QStringLiteral("where the karyotype counts")));
    }
};

QTEST_GUILESS_MAIN(TestCaseFolder)
#include "test_case_folder.moc"
