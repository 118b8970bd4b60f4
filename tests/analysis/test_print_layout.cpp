// Where the report's and the analysis picture's items go on the page.
#include "analysis/print_layout.h"

#include <QLocale>
#include <QTest>

using korven::PageRect;
using korven::ReportLine;

Q_DECLARE_METATYPE(korven::PageRect)

namespace korven {
char *toString(const PageRect &r)
{
    return QTest::toString(QStringLiteral("%1,%2 .. %3,%4").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom));
}
char *toString(const ReportLine &l)
{
    return QTest::toString(QStringLiteral("(%1, %2) %3pt \"%4\"").arg(l.x).arg(l.y).arg(l.pointSize).arg(l.text));
}
} // namespace korven

class TestPrintLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan)); }

    void texts_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("today");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("counts");
        QTest::addColumn<QString>("time");
        QTest::newRow("some today") << 5 << 2 << 12 << "5 trials(Today 2 trials)"
                                    << "Time of answer 12 sec.";
        QTest::newRow("no trials") << 0 << 0 << 0 << "0 trials(Today 0 trials)"
                                   << "Time of answer 0 sec.";
        QTest::newRow("long trial") << 1234 << 17 << 3725 << "1234 trials(Today 17 trials)"
                                    << "Time of answer 3725 sec.";
    }
    void texts()
    {
        QFETCH(int, records);
        QFETCH(int, today);
        QFETCH(int, seconds);
        QFETCH(QString, counts);
        QFETCH(QString, time);
        QCOMPARE(korven::trialCountText(records, today), counts);
        QCOMPARE(korven::answerTimeText(seconds), time);
    }

    void headerLinesInOrder()
    {
        const QList<ReportLine> lines =
            korven::reportHeaderLines(QStringLiteral("trainee1"), QStringLiteral("2026/12/10 09:05:07"), 5, 2, 12);
        const QList<ReportLine> expected = {
            {100, 50, 18, QStringLiteral("trainee1")},
            {100, 300, 14, QStringLiteral("2026/12/10 09:05:07")},
            {100, 500, 14, QStringLiteral("5 trials(Today 2 trials)")},
            {100, 750, 14, QStringLiteral("Time of answer 12 sec.")},
        };
        QCOMPARE(lines, expected);
    }

    void dateTimeUsesRecordDateFormat()
    {
        const QDateTime when(QDate(2026, 12, 10), QTime(9, 5, 7));
        QCOMPARE(korven::reportDateTimeText(when), QStringLiteral("2026/12/10 09:05:07"));
    }

    void stretchedHeight_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("pageWidth");
        QTest::addColumn<int>("height");
        QTest::newRow("analysis window") << QSize(868, 748) << 4760 << 4015;
        QTest::newRow("truncated, not rounded") << QSize(3, 2) << 101 << 0;
        QTest::newRow("no overflow on large pictures") << QSize(100000, 100000) << 30000 << 29900;
        QTest::newRow("no width") << QSize(0, 500) << 4760 << 0;
    }
    void stretchedHeight()
    {
        QFETCH(QSize, picture);
        QFETCH(int, pageWidth);
        QFETCH(int, height);
        QCOMPARE(korven::stretchedHeight(picture, pageWidth), height);
    }

    void pictureRects_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("pageWidth");
        QTest::addColumn<PageRect>("report");
        QTest::addColumn<int>("memoY");
        QTest::addColumn<PageRect>("analysis");
        // h = 748 * 4660 / 868 = 4015
        QTest::newRow("868 x 748 on 4760") << QSize(868, 748) << 4760 << PageRect{100, 1000, 4660, 4965}
                                           << 5065 << PageRect{100, 100, 4710, 3965};
        // h = 400 * 4661 / 1000 = 1864
        QTest::newRow("1000 x 400 on 4761") << QSize(1000, 400) << 4761 << PageRect{100, 1000, 4661, 2814}
                                            << 2914 << PageRect{100, 100, 4711, 1814};
    }
    void pictureRects()
    {
        QFETCH(QSize, picture);
        QFETCH(int, pageWidth);
        QFETCH(PageRect, report);
        QFETCH(int, memoY);
        QFETCH(PageRect, analysis);
        QCOMPARE(korven::reportPictureRect(picture, pageWidth), report);
        const ReportLine memo = korven::reportMemoLine(picture, pageWidth);
        QCOMPARE(memo, (ReportLine{100, memoY, 14, QStringLiteral("Memo")}));
        QCOMPARE(korven::analysisPictureRect(picture, pageWidth), analysis);
    }

    void reportPictureIsWorkAreaLessFive()
    {
        QCOMPARE(korven::reportPictureSize(QSize(1111, 980)), QSize(1106, 980));
        QCOMPARE(korven::reportPictureSize(QSize(3, 10)), QSize(0, 10));
    }

    void pdfFileNames_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "trainee1" << "KORVEN report trainee1 2026-12-10 09-05-07.pdf";
        QTest::newRow("japanese kept") << "研修生" << "KORVEN report 研修生 2026-12-10 09-05-07.pdf";
        QTest::newRow("no path characters") << "a/b\\c:d" << "KORVEN report a_b_c_d 2026-12-10 09-05-07.pdf";
        // The longest IDs (244 bytes) shortened to fit 255 bytes with " (n)" to spare; a
        // three-byte character is never cut in half.
        QTest::newRow("longest ASCII ID") << QString(244, u'x')
            << "KORVEN report " + QString(209, u'x') + " 2026-12-10 09-05-07.pdf";
        QTest::newRow("longest Japanese ID") << QString(81, u'研')
            << "KORVEN report " + QString(69, u'研') + " 2026-12-10 09-05-07.pdf";
    }
    void pdfFileNames()
    {
        QFETCH(QString, id);
        QFETCH(QString, name);
        const QDateTime when(QDate(2026, 12, 10), QTime(9, 5, 7));
        QCOMPARE(korven::pdfFileName(QStringLiteral("report"), id, when), name);
        QVERIFY(korven::pdfFileName(QStringLiteral("analysis"), id, when).toUtf8().size() + 8 <= 255);
    }
};

QTEST_GUILESS_MAIN(TestPrintLayout)
#include "test_print_layout.moc"
