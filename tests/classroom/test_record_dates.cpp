// The record date reader against the trainer's own writing: dates written in the short format of
// every locale read back to the same days, ambiguous orders settled by the file, two-digit years
// placed in the right century, and texts that are no date refused.
#include "classroom/record_dates.h"

#include <QTest>

using namespace korven;

Q_DECLARE_METATYPE(korven::DateOrder)

namespace {

const QDate Today(2026, 12, 10);

// A trainee's trials over a year; every day of them is 12 or less but one.
const QList<QDate> Trials = {QDate(2026, 1, 5), QDate(2026, 2, 3), QDate(2026, 3, 12), QDate(2026, 11, 30),
                             QDate(2026, 12, 10)};

QStringList written(const QLocale &locale, const QList<QDate> &dates)
{
    QStringList texts;
    for (const QDate &date : dates)
        texts << locale.toString(date, QLocale::ShortFormat);
    return texts;
}

QList<QDate> read(const QStringList &texts, DateOrder preferred)
{
    const std::vector<QDate> dates = readRecordDates(texts, Today, preferred);
    return QList<QDate>(dates.begin(), dates.end());
}

const DateOrder Orders[] = {DateOrder::DayMonthYear, DateOrder::MonthDayYear, DateOrder::YearMonthDay};

} // namespace

class TestRecordDates : public QObject {
    Q_OBJECT

private slots:
    void namedLocalesReadBack_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("sample"); // how the locale writes the last trial
        QTest::newRow("C") << "C" << "10 Dec 2026";
        QTest::newRow("en_US") << "en_US" << "12/10/26";
        QTest::newRow("en_GB") << "en_GB" << "10/12/2026";
        QTest::newRow("ja_JP") << "ja_JP" << "2026/12/10";
        QTest::newRow("de_DE") << "de_DE" << "10.12.26";
        QTest::newRow("ko_KR") << "ko_KR" << "26. 12. 10.";
        QTest::newRow("hu_HU") << "hu_HU" << "2026. 12. 10.";
        QTest::newRow("bg_BG, a word after it") << "bg_BG" << "10.12.26 г.";
        QTest::newRow("eu_ES, two-digit year first") << "eu_ES" << "26/12/10";
        QTest::newRow("kkj_CM") << "kkj_CM" << "10/12 2026";
        QTest::newRow("ar_EG, native digits and marks") << "ar_EG" << QString::fromUtf8("١٠\u200f/١٢\u200f/٢٠٢٦");
    }

    // Whatever the reader's own locale, the file's dates decide.
    void namedLocalesReadBack()
    {
        QFETCH(QString, locale);
        const QStringList texts = written(QLocale(locale), Trials);
        QTEST(texts.last(), "sample");
        for (DateOrder preferred : Orders)
            QCOMPARE(read(texts, preferred), Trials);
    }

    void everyLocaleQtKnowsReadsBack()
    {
        const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        QVERIFY(locales.size() > 100);
        for (const QLocale &locale : locales) {
            const QStringList texts = written(locale, Trials);
            for (DateOrder preferred : Orders) {
                if (read(texts, preferred) != Trials)
                    QFAIL(qPrintable(QStringLiteral("%1: %2").arg(locale.name(), texts.join(u' '))));
            }
        }
    }

    void ambiguityIsSettled_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<DateOrder>("preferred");
        QTest::addColumn<QList<QDate>>("dates");
        QTest::newRow("one date alone: the reader's locale, day first")
            << QStringList{"05/03/26"} << DateOrder::DayMonthYear << QList<QDate>{QDate(2026, 3, 5)};
        QTest::newRow("one date alone: the reader's locale, month first")
            << QStringList{"05/03/26"} << DateOrder::MonthDayYear << QList<QDate>{QDate(2026, 5, 3)};
        QTest::newRow("the order that keeps the dates rising wins over the locale")
            << QStringList{"05/03/26", "04/05/26"} << DateOrder::MonthDayYear
            << QList<QDate>{QDate(2026, 3, 5), QDate(2026, 5, 4)};
        QTest::newRow("both rise: the order reading every date wins")
            << QStringList{"13/03/26", "05/04/26"} << DateOrder::MonthDayYear
            << QList<QDate>{QDate(2026, 3, 13), QDate(2026, 4, 5)};
        QTest::newRow("a desktop changed from Japanese to US English")
            << QStringList{"2026/12/09", "12/10/26"} << DateOrder::YearMonthDay
            << QList<QDate>{QDate(2026, 12, 9), QDate(2026, 12, 10)};
        QTest::newRow("a text that is no date stays unread among dates")
            << QStringList{"10.12.26", "garbage", "11.12.26"} << DateOrder::DayMonthYear
            << QList<QDate>{QDate(2026, 12, 10), QDate(), QDate(2026, 12, 11)};
    }

    void ambiguityIsSettled()
    {
        QFETCH(QStringList, texts);
        QFETCH(DateOrder, preferred);
        QTEST(read(texts, preferred), "dates");
    }

    void twoDigitYears_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("this year") << "10.12.26" << QDate(2026, 12, 10);
        QTest::newRow("last century") << "31.12.99" << QDate(1999, 12, 31);
        QTest::newRow("next year, a clock ahead") << "01.01.27" << QDate(2027, 1, 1);
        QTest::newRow("later: last century") << "01.01.28" << QDate(1928, 1, 1);
        QTest::newRow("2000") << "29.02.00" << QDate(2000, 2, 29);
    }

    void twoDigitYears()
    {
        QFETCH(QString, text);
        QTEST(read({text}, DateOrder::DayMonthYear).value(0), "date");
    }

    void notDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("a word") << "yesterday";
        QTest::newRow("no such day") << "2026/13/45";
        QTest::newRow("31 February") << "31.02.2026";
        QTest::newRow("lost in the file's encoding") << "??/??/????";
        QTest::newRow("an unknown month") << "10 Foo 2026";
        QTest::newRow("four numbers") << "1/2/3/4";
        QTest::newRow("a time after it") << "2026/12/10 10:00";
        QTest::newRow("a three-digit year") << "10/12/202";
    }

    void notDates()
    {
        QFETCH(QString, text);
        QVERIFY(dateCandidates(text, Today).empty());
        QVERIFY(!read({text}, DateOrder::DayMonthYear).value(0).isValid());
    }

    void localeOrders()
    {
        QCOMPARE(shortDateOrder(QLocale::c()), DateOrder::DayMonthYear);
        QCOMPARE(shortDateOrder(QLocale(QStringLiteral("en_US"))), DateOrder::MonthDayYear);
        QCOMPARE(shortDateOrder(QLocale(QStringLiteral("ja_JP"))), DateOrder::YearMonthDay);
        QCOMPARE(shortDateOrder(QLocale(QStringLiteral("de_DE"))), DateOrder::DayMonthYear);
    }
};

QTEST_MAIN(TestRecordDates)
#include "test_record_dates.moc"
