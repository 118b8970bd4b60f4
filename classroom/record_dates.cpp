#include "classroom/record_dates.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>

namespace korven {

namespace {

// A field of a short date format.
struct Field {
    enum Kind { Day, Month, MonthName, Year } kind;
    int yearDigits = 0; // 2 or 4 for a year
};

// A short date format as its fields, keyed in the table by its shape: its literal text with '#'
// for each number and '@' for a month name.
struct Format {
    std::vector<Field> fields;
    DateOrder order;
};

// Direction marks that right-to-left locales put around the separators; they carry no meaning.
bool isMark(QChar c)
{
    return c == QChar(0x200E) || c == QChar(0x200F) || c == QChar(0x061C) || c == QChar(0x200B);
}

// Appends literal text to a shape: marks dropped, any run of blanks made one space.
void appendLiteral(QString &shape, QChar c)
{
    if (isMark(c))
        return;
    if (c.isSpace()) {
        if (!shape.endsWith(u' '))
            shape += u' ';
        return;
    }
    shape += c.toLower();
}

DateOrder orderOf(const std::vector<Field> &fields)
{
    int day = -1, month = -1, year = -1;
    for (int i = 0; i < int(fields.size()); ++i) {
        switch (fields[size_t(i)].kind) {
        case Field::Day: day = i; break;
        case Field::Month:
        case Field::MonthName: month = i; break;
        case Field::Year: year = i; break;
        }
    }
    if (year >= 0 && year < day && year < month)
        return DateOrder::YearMonthDay;
    if (month >= 0 && month < day)
        return DateOrder::MonthDayYear;
    return DateOrder::DayMonthYear;
}

// Parses a date format ("d/M/yy", "d.MM.yy 'г'.") into its shape and fields; false for a format
// with fields other than day, month and year.
bool parseFormat(const QString &format, QString &shape, std::vector<Field> &fields)
{
    shape.clear();
    fields.clear();
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            // Quoted literal text; '' is a quote.
            qsizetype j = i + 1;
            for (; j < format.size(); ++j) {
                if (format.at(j) == u'\'') {
                    if (j + 1 < format.size() && format.at(j + 1) == u'\'') {
                        appendLiteral(shape, u'\'');
                        ++j;
                        continue;
                    }
                    break;
                }
                appendLiteral(shape, format.at(j));
            }
            if (j == i + 1)
                appendLiteral(shape, u'\'');
            i = j + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == c)
            ++run;
        if (c == u'd' && run <= 2) {
            fields.push_back({Field::Day});
            shape += u'#';
        } else if (c == u'M' && run <= 2) {
            fields.push_back({Field::Month});
            shape += u'#';
        } else if (c == u'M' && run <= 4) {
            fields.push_back({Field::MonthName});
            shape += u'@';
        } else if (c == u'y' && (run == 2 || run == 4)) {
            fields.push_back({Field::Year, int(run)});
            shape += u'#';
        } else if (c == u'd' || c == u'M' || c == u'y' || c == u'h' || c == u'm' || c == u's' || c == u'a'
                   || c == u'A' || c == u't' || c == u'z') {
            return false; // weekday names, times: no trainer's date holds them
        } else {
            for (qsizetype k = 0; k < run; ++k)
                appendLiteral(shape, c);
        }
        i += run;
    }
    return !fields.empty();
}

struct FormatTable {
    QHash<QString, std::vector<Format>> byShape;
    QHash<QString, int> monthNames; // lower-case name -> month 1..12
};

// The short date formats of every locale Qt knows, and the month names the C locale writes.
const FormatTable &formatTable()
{
    static const FormatTable table = [] {
        FormatTable t;
        QSet<QString> seen;
        QList<QLocale> locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        locales.prepend(QLocale::c());
        for (const QLocale &locale : locales) {
            const QString format = locale.dateFormat(QLocale::ShortFormat);
            if (seen.contains(format))
                continue;
            seen.insert(format);
            QString shape;
            std::vector<Field> fields;
            if (!parseFormat(format, shape, fields))
                continue;
            std::vector<Format> &formats = t.byShape[shape.trimmed()];
            const DateOrder order = orderOf(fields);
            const bool known = std::any_of(formats.begin(), formats.end(), [&](const Format &f) {
                if (f.order != order || f.fields.size() != fields.size())
                    return false;
                for (size_t k = 0; k < fields.size(); ++k) {
                    if (f.fields[k].kind != fields[k].kind || f.fields[k].yearDigits != fields[k].yearDigits)
                        return false;
                }
                return true;
            });
            if (!known)
                formats.push_back({fields, order});
        }
        for (int month = 1; month <= 12; ++month) {
            for (QLocale::FormatType type : {QLocale::ShortFormat, QLocale::LongFormat}) {
                t.monthNames.insert(QLocale::c().monthName(month, type).toLower(), month);
                t.monthNames.insert(QLocale::c().standaloneMonthName(month, type).toLower(), month);
            }
        }
        return t;
    }();
    return table;
}

// The year of a two-digit year: the latest that is not after next year.
int fullYear(int twoDigits, const QDate &today)
{
    const int limit = today.year() + 1;
    int year = limit / 100 * 100 + twoDigits;
    if (year > limit)
        year -= 100;
    return year;
}

// A date text taken apart: its shape, its numbers (with their digit counts) and its month name.
struct DateText {
    QString shape;
    std::vector<std::pair<int, int>> numbers; // value, digits
    int monthName = 0;
};

DateText takeApart(const QString &text, const QHash<QString, int> &monthNames)
{
    DateText parts;
    // By code point: some scripts' digits lie beyond the 16-bit range.
    const QList<uint> points = text.trimmed().toUcs4();
    const qsizetype size = points.size();
    for (qsizetype i = 0; i < size;) {
        const char32_t c = points.at(i);
        if (QChar::isDigit(c)) {
            int value = 0;
            int digits = 0;
            // Native digits (Arabic-Indic, Bengali, ...) count as their values.
            while (i < size && QChar::isDigit(points.at(i)) && digits < 9) {
                value = value * 10 + QChar::digitValue(points.at(i));
                ++digits;
                ++i;
            }
            parts.numbers.push_back({value, digits});
            parts.shape += u'#';
            continue;
        }
        if (QChar::isLetter(c)) {
            qsizetype end = i;
            while (end < size && QChar::isLetter(points.at(end)))
                ++end;
            const QString word = QString::fromUcs4(reinterpret_cast<const char32_t *>(points.constData() + i), end - i).toLower();
            const int month = monthNames.value(word);
            if (month > 0 && parts.monthName == 0) {
                parts.monthName = month;
                parts.shape += u'@';
            } else {
                parts.shape += word;
            }
            i = end;
            continue;
        }
        // Literal text of the 16-bit range; anything beyond it no format holds.
        appendLiteral(parts.shape, c <= 0xFFFF ? QChar(char16_t(c)) : QChar(QChar::ReplacementCharacter));
        ++i;
    }
    parts.shape = parts.shape.trimmed();
    return parts;
}

constexpr std::array<DateOrder, 3> AllOrders = {DateOrder::DayMonthYear, DateOrder::YearMonthDay,
                                                 DateOrder::MonthDayYear};

// The reading of a text's candidates under `ranking`: the first order in it that reads the text.
QDate readIn(const std::vector<DateCandidate> &candidates, const std::array<DateOrder, 3> &ranking)
{
    for (DateOrder order : ranking) {
        for (const DateCandidate &c : candidates) {
            if (c.order == order)
                return c.date;
        }
    }
    return QDate();
}

} // namespace

DateOrder shortDateOrder(const QLocale &locale)
{
    QString shape;
    std::vector<Field> fields;
    if (!parseFormat(locale.dateFormat(QLocale::ShortFormat), shape, fields))
        return DateOrder::DayMonthYear;
    return orderOf(fields);
}

std::vector<DateCandidate> dateCandidates(const QString &text, const QDate &today)
{
    const FormatTable &table = formatTable();
    const DateText parts = takeApart(text, table.monthNames);
    std::vector<DateCandidate> candidates;
    const auto found = table.byShape.constFind(parts.shape);
    if (found == table.byShape.cend())
        return candidates;
    for (const Format &format : *found) {
        int day = 0, month = 0, year = 0;
        size_t next = 0;
        bool fits = true;
        for (const Field &field : format.fields) {
            if (field.kind == Field::MonthName) {
                month = parts.monthName;
                continue;
            }
            if (next >= parts.numbers.size()) {
                fits = false;
                break;
            }
            const auto [value, digits] = parts.numbers[next++];
            switch (field.kind) {
            case Field::Day:
                day = value;
                fits = fits && digits <= 2;
                break;
            case Field::Month:
                month = value;
                fits = fits && digits <= 2;
                break;
            case Field::Year:
                fits = fits && digits == field.yearDigits;
                year = digits == 2 ? fullYear(value, today) : value;
                break;
            case Field::MonthName:
                break;
            }
        }
        const QDate date(year, month, day);
        if (!fits || next != parts.numbers.size() || !date.isValid())
            continue;
        const bool known = std::any_of(candidates.begin(), candidates.end(), [&](const DateCandidate &c) {
            return c.date == date && c.order == format.order;
        });
        if (!known)
            candidates.push_back({date, format.order});
    }
    return candidates;
}

std::vector<QDate> readRecordDates(const QStringList &texts, const QDate &today, DateOrder preferred)
{
    // Most files repeat a handful of texts: each is taken apart once.
    QHash<QString, size_t> known;
    std::vector<std::vector<DateCandidate>> distinct;
    std::vector<size_t> textIndex;
    textIndex.reserve(size_t(texts.size()));
    for (const QString &text : texts) {
        auto found = known.constFind(text);
        if (found == known.cend()) {
            found = known.insert(text, distinct.size());
            distinct.push_back(dateCandidates(text, today));
        }
        textIndex.push_back(found.value());
    }
    std::vector<const std::vector<DateCandidate> *> candidates;
    candidates.reserve(textIndex.size());
    for (size_t index : textIndex)
        candidates.push_back(&distinct[index]);

    // The fallback ranking: the reader's own order first.
    std::array<DateOrder, 3> fallback{preferred};
    int filled = 1;
    for (DateOrder order : AllOrders) {
        if (order != preferred)
            fallback[size_t(filled++)] = order;
    }

    struct Score {
        int reads = 0;
        int decreases = 0;
        int rank = 0; // place in the fallback ranking
    };
    std::array<std::pair<Score, DateOrder>, 3> scored;
    for (int r = 0; r < 3; ++r) {
        const DateOrder order = fallback[size_t(r)];
        std::array<DateOrder, 3> ranking = fallback;
        std::rotate(ranking.begin(), std::find(ranking.begin(), ranking.end(), order), std::find(ranking.begin(), ranking.end(), order) + 1);
        Score score;
        score.rank = r;
        QDate previous;
        for (const std::vector<DateCandidate> *c : candidates) {
            score.reads += std::any_of(c->begin(), c->end(), [&](const DateCandidate &d) { return d.order == order; });
            const QDate date = readIn(*c, ranking);
            if (!date.isValid())
                continue;
            if (previous.isValid() && date < previous)
                ++score.decreases;
            previous = date;
        }
        scored[size_t(r)] = {score, order};
    }
    std::stable_sort(scored.begin(), scored.end(), [](const auto &a, const auto &b) {
        if (a.first.decreases != b.first.decreases)
            return a.first.decreases < b.first.decreases;
        if (a.first.reads != b.first.reads)
            return a.first.reads > b.first.reads;
        return a.first.rank < b.first.rank;
    });
    std::array<DateOrder, 3> ranking{};
    for (int r = 0; r < 3; ++r)
        ranking[size_t(r)] = scored[size_t(r)].second;

    std::vector<QDate> dates;
    dates.reserve(candidates.size());
    for (const std::vector<DateCandidate> *c : candidates)
        dates.push_back(readIn(*c, ranking));
    return dates;
}

QString shownDate(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

} // namespace korven
