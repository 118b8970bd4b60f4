// Reading a karyotype text into its value: a small recursive-descent reader that stops at the
// first fault with a message naming the character at fault.
#include "iscn/iscn_text.h"
#include "iscn/karyotype.h"

#include <QRegularExpression>
#include <algorithm>

namespace korven::iscn {

namespace {

struct Stop {
    Fault fault;
};

bool isArm(QChar c)
{
    return c == QLatin1Char('p') || c == QLatin1Char('q');
}

bool isWordLetter(QChar c)
{
    return c >= QLatin1Char('a') && c <= QLatin1Char('z');
}

// How each structural form is written, for messages that show the trainee an example.
QString example(const QString &word, int chromosomes)
{
    if (word == QLatin1String("del"))
        return QStringLiteral("del(5)(p14)");
    if (word == QLatin1String("dup"))
        return QStringLiteral("dup(1)(q21q32)");
    if (word == QLatin1String("inv"))
        return QStringLiteral("inv(9)(p12q13)");
    if (word == QLatin1String("i"))
        return QStringLiteral("i(X)(q10)");
    if (word == QLatin1String("t"))
        return QStringLiteral("t(11;22)(q23;q11.2)");
    if (word == QLatin1String("rob"))
        return QStringLiteral("rob(13;14)(q10;q10)");
    return chromosomes == 2 ? QStringLiteral("der(13;14)(q10;q10)") : QStringLiteral("der(22)t(9;22)(q34;q11.2)");
}

class Reader {
public:
    explicit Reader(const QString &text) : s_(text)
    {
        while (begin_ < s_.size() && s_[begin_].isSpace())
            ++begin_;
        end_ = int(s_.size());
        while (end_ > begin_ && s_[end_ - 1].isSpace())
            --end_;
        i_ = begin_;
    }

    Karyotype read()
    {
        if (i_ >= end_)
            stop(Fault::Type::Syntax, -1, Text::tr("The karyotype is empty."));
        Karyotype karyotype;
        karyotype.lines.append(readLine());
        while (peek() == QLatin1Char('/')) {
            ++i_;
            karyotype.lines.append(readLine());
        }
        if (!atEnd())
            unexpected(Text::tr("a comma, '/' or a cell count in brackets"));
        return karyotype;
    }

private:
    const QString &s_;
    int begin_ = 0;
    int end_ = 0;
    int i_ = 0;

    bool atEnd() const { return i_ >= end_; }
    QChar peek() const { return atEnd() ? QChar() : s_[i_]; }

    [[noreturn]] void stop(Fault::Type type, int position, const QString &message) const
    {
        throw Stop{Fault{type, position, message}};
    }

    QString wordAt(int position) const
    {
        int stopAt = position;
        while (stopAt < end_ && isWordLetter(s_[stopAt]))
            ++stopAt;
        return s_.mid(position, stopAt - position);
    }

    // The form KORVEN does not read that starts with the word at `position`.
    [[noreturn]] void unsupportedWord(int position) const
    {
        stop(Fault::Type::Unsupported, position,
             Text::tr("KORVEN does not read the form '%1' (%2); it reads +, -, del, dup, inv, t, i, der, rob "
                      "and +mar.")
                 .arg(wordAt(position), characterAt(position)));
    }

    // The character at the reading place is not what the karyotype needs there.
    [[noreturn]] void unexpected(const QString &expected) const
    {
        if (atEnd())
            stop(Fault::Type::Syntax, std::max(i_ - 1, 0),
                 Text::tr("The karyotype ends after %1 where %2 was expected.").arg(characterAt(i_ - 1), expected));
        const QChar c = s_[i_];
        if (c.isSpace())
            stop(Fault::Type::Syntax, i_,
                 Text::tr("A blank at %1: a karyotype is written without blanks.").arg(characterAt(i_)));
        if (c == QLatin1Char('?'))
            stop(Fault::Type::Unsupported, i_,
                 Text::tr("KORVEN does not read uncertain chromosomes or bands ('?' at %1).").arg(characterAt(i_)));
        if (c == QLatin1Char('~'))
            stop(Fault::Type::Unsupported, i_,
                 Text::tr("KORVEN does not read ranges ('~' at %1).").arg(characterAt(i_)));
        if (isWordLetter(c))
            unsupportedWord(i_);
        stop(Fault::Type::Syntax, i_,
             Text::tr("'%1' at %2 is not expected here; %3 was expected.").arg(c).arg(characterAt(i_), expected));
    }

    void expect(QChar c, const QString &expected)
    {
        if (peek() != c)
            unexpected(expected);
        ++i_;
    }

    // The ')' or ']' that closes the bracket opened at `open`.
    void close(QChar c, int open)
    {
        if (peek() == c) {
            ++i_;
            return;
        }
        if (atEnd() || peek() == QLatin1Char(',') || peek() == QLatin1Char('/'))
            stop(Fault::Type::Syntax, open,
                 Text::tr("The bracket '%1' opened at %2 is not closed.").arg(s_[open]).arg(characterAt(open)));
        unexpected(QStringLiteral("'%1'").arg(c));
    }

    int readNumber(const QString &expected, int maxDigits)
    {
        const int start = i_;
        while (!atEnd() && s_[i_].isDigit())
            ++i_;
        if (i_ == start)
            unexpected(expected);
        if (i_ - start > maxDigits)
            stop(Fault::Type::Syntax, start,
                 Text::tr("The number %1 at %2 is too long.").arg(s_.mid(start, i_ - start), characterAt(start)));
        return s_.mid(start, i_ - start).toInt();
    }

    CellLine readLine()
    {
        CellLine line;
        line.position = i_;
        line.count = readNumber(Text::tr("the chromosome count, as in 46,XX"), 3);
        if (peek() == QLatin1Char('~'))
            unexpected(QString());
        expect(QLatin1Char(','), Text::tr("a comma after the count"));
        line.sex = readSex();
        while (peek() == QLatin1Char(',')) {
            ++i_;
            line.abnormalities.append(readAbnormality());
        }
        if (peek() == QLatin1Char('[')) {
            const int open = i_++;
            line.cells = readNumber(Text::tr("the number of cells"), 4);
            close(QLatin1Char(']'), open);
        }
        if (!atEnd() && peek() != QLatin1Char('/'))
            unexpected(Text::tr("a comma, '/' or a cell count in brackets"));
        line.length = i_ - line.position;
        return line;
    }

    QString readSex()
    {
        const int start = i_;
        while (!atEnd() && s_[i_].isLetter()) {
            const QChar c = s_[i_];
            if (isWordLetter(c)) {
                const QString word = wordAt(i_);
                if (word.contains(QRegularExpression(QStringLiteral("[^xy]"))))
                    unsupportedWord(i_);
                stop(Fault::Type::SexComplement, i_,
                     Text::tr("%1 at %2: the sex chromosomes are written in capitals, X and Y.").arg(c).arg(characterAt(i_)));
            }
            if (c != QLatin1Char('X') && c != QLatin1Char('Y'))
                stop(Fault::Type::SexComplement, i_,
                     Text::tr("%1 at %2 is not a sex chromosome: the sex complement is written with X and Y "
                              "only, as in 46,XX or 47,XXY.")
                         .arg(c).arg(characterAt(i_)));
            ++i_;
        }
        if (i_ == start) {
            if (!atEnd() && (s_[i_].isSpace() || s_[i_] == QLatin1Char('?') || s_[i_] == QLatin1Char('~')))
                unexpected(QString());
            stop(Fault::Type::SexComplement, start,
                 Text::tr("The sex complement is missing at %1: it follows the count, as in 46,XX or 45,X.")
                     .arg(characterAt(start)));
        }
        return s_.mid(start, i_ - start);
    }

    // "1".."22", "X", "Y".
    QString readChromosome()
    {
        const int start = i_;
        if (!atEnd() && s_[i_].isDigit()) {
            while (!atEnd() && s_[i_].isDigit() && i_ - start < 3)
                ++i_;
        } else if (!atEnd() && s_[i_].isUpper()) {
            ++i_;
        } else {
            unexpected(Text::tr("a chromosome (1 to 22, X or Y)"));
        }
        const QString name = s_.mid(start, i_ - start);
        if (chromosomeIndex(name) < 0)
            stop(Fault::Type::Meaning, start,
                 Text::tr("%1 at %2 is not a chromosome: chromosomes are 1 to 22, X and Y.").arg(name, characterAt(start)));
        return name;
    }

    Breakpoint readBreakpoint()
    {
        const int start = i_;
        const QString word = wordAt(i_);
        if (word == QLatin1String("pter") || word == QLatin1String("qter") || word == QLatin1String("cen"))
            stop(Fault::Type::Unsupported, start,
                 Text::tr("KORVEN does not read breakpoints written as pter, qter or cen (%1); write the band, "
                          "as in p14 or q10.")
                     .arg(characterAt(start)));
        if (!isArm(peek()))
            unexpected(Text::tr("a breakpoint: p or q and a band, as in q11.2"));
        Breakpoint breakpoint;
        breakpoint.arm = s_[i_++];
        breakpoint.position = start;
        const int bandStart = i_;
        readNumber(Text::tr("a band number after the arm, as in p14 or q11.2"), 2);
        if (peek() == QLatin1Char('.')) {
            ++i_;
            readNumber(Text::tr("a sub-band after the point, as in q11.2"), 2);
        }
        breakpoint.band = s_.mid(bandStart, i_ - bandStart);
        return breakpoint;
    }

    // The breakpoints in brackets after `written` (the form so far): one per chromosome separated
    // by ';' for two chromosomes, written together for one.
    QList<Breakpoint> readBreakpoints(const QString &word, int chromosomes, int start)
    {
        if (peek() != QLatin1Char('('))
            stop(Fault::Type::Syntax, i_ < end_ ? i_ : start,
                 Text::tr("%1 at %2 needs its breakpoints in brackets after it, as in %3.")
                     .arg(s_.mid(start, i_ - start), characterAt(start), example(word, chromosomes)));
        const int open = i_++;
        QList<Breakpoint> breakpoints;
        breakpoints.append(readBreakpoint());
        if (chromosomes == 2) {
            if (peek() == QLatin1Char(')'))
                stop(Fault::Type::Syntax, start,
                     Text::tr("%1 at %2 needs one breakpoint for each of its two chromosomes, separated by ';', "
                              "as in %3.")
                         .arg(s_.mid(start, i_ + 1 - start), characterAt(start), example(word, chromosomes)));
            expect(QLatin1Char(';'), Text::tr("';' between the breakpoints of the two chromosomes"));
            breakpoints.append(readBreakpoint());
        } else {
            while (isArm(peek()))
                breakpoints.append(readBreakpoint());
        }
        close(QLatin1Char(')'), open);
        return breakpoints;
    }

    void needBreakpoints(int have, int least, int most, int start)
    {
        if (have >= least && have <= most)
            return;
        const QString need = least == most ? (least == 1 ? Text::tr("one breakpoint") : Text::tr("two breakpoints"))
                                           : Text::tr("one breakpoint (terminal) or two (interstitial)");
        stop(Fault::Type::Syntax, start,
             Text::tr("%1 at %2 needs %3, not %4.").arg(s_.mid(start, i_ - start), characterAt(start), need).arg(have));
    }

    // A rearrangement after its name: the chromosomes in brackets, then the breakpoints.
    Rearrangement readRearrangement(const QString &word, int start)
    {
        Rearrangement r;
        const int open = i_;
        expect(QLatin1Char('('), QStringLiteral("'('"));
        r.chromosomes.append(readChromosome());
        while (peek() == QLatin1Char(';')) {
            ++i_;
            r.chromosomes.append(readChromosome());
        }
        close(QLatin1Char(')'), open);

        const int n = int(r.chromosomes.size());
        const bool pair = word == QLatin1String("t") || word == QLatin1String("rob");
        if (word == QLatin1String("t") && n > 2)
            stop(Fault::Type::Unsupported, start,
                 Text::tr("KORVEN does not read translocations of three or more chromosomes (%1).").arg(characterAt(start)));
        if (pair && n != 2)
            stop(Fault::Type::Meaning, start,
                 Text::tr("%1 at %2 joins two chromosomes: write both, as in %3.")
                     .arg(s_.mid(start, i_ - start), characterAt(start), example(word, 2)));
        if (word == QLatin1String("der") && n > 2)
            stop(Fault::Type::Unsupported, start,
                 Text::tr("KORVEN does not read derivatives of three or more chromosomes (%1).").arg(characterAt(start)));
        if (!pair && word != QLatin1String("der") && n != 1)
            stop(Fault::Type::Meaning, start,
                 Text::tr("%1 at %2 takes one chromosome, as in %3.")
                     .arg(s_.mid(start, i_ - start), characterAt(start), example(word, 1)));
        if (word == QLatin1String("t") && r.chromosomes[0] == r.chromosomes[1])
            stop(Fault::Type::Meaning, start,
                 Text::tr("%1 at %2 joins a chromosome with itself; a translocation joins two different chromosomes.")
                     .arg(s_.mid(start, i_ - start), characterAt(start)));

        if (word == QLatin1String("der") && n == 1) {
            r.kind = Kind::Derivative;
            return r; // its rearrangements follow; the caller reads them
        }
        r.breakpoints = readBreakpoints(word, n, start);
        const int have = int(r.breakpoints.size());
        if (word == QLatin1String("del")) {
            r.kind = Kind::Deletion;
            needBreakpoints(have, 1, 2, start);
        } else if (word == QLatin1String("dup")) {
            r.kind = Kind::Duplication;
            needBreakpoints(have, 2, 2, start);
        } else if (word == QLatin1String("inv")) {
            r.kind = Kind::Inversion;
            needBreakpoints(have, 2, 2, start);
        } else if (word == QLatin1String("i")) {
            r.kind = Kind::Isochromosome;
            needBreakpoints(have, 1, 1, start);
        } else if (word == QLatin1String("t")) {
            r.kind = Kind::Translocation;
        } else {
            r.kind = Kind::Derivative; // der(A;B) and rob(A;B)
        }
        return r;
    }

    Abnormality readAbnormality()
    {
        Abnormality a;
        a.position = i_;
        if (peek() == QLatin1Char('+')) {
            a.change = 1;
            ++i_;
        } else if (peek() == QLatin1Char('-')) {
            a.change = -1;
            ++i_;
        }
        const int at = i_;
        if (!atEnd() && (s_[i_].isDigit() || s_[i_].isUpper())) {
            a.kind = Kind::Numerical;
            a.chromosomes.append(readChromosome());
            if (wordAt(i_) == QLatin1String("mar"))
                stop(Fault::Type::Unsupported, at,
                     Text::tr("KORVEN does not read several markers in one (%1); write each as +mar.").arg(characterAt(at)));
            if (a.change == 0)
                stop(Fault::Type::Meaning, at,
                     Text::tr("%1 at %2 needs + or - before it: +%1 for a gain, -%1 for a loss.")
                         .arg(a.chromosomes[0], characterAt(at)));
        } else if (!atEnd() && isWordLetter(s_[i_])) {
            const QString word = wordAt(i_);
            static const QStringList structural = {QStringLiteral("del"), QStringLiteral("dup"), QStringLiteral("inv"),
                                                   QStringLiteral("t"),   QStringLiteral("i"),   QStringLiteral("der"),
                                                   QStringLiteral("rob")};
            if (word == QLatin1String("mar")) {
                i_ += 3;
                if (!atEnd() && s_[i_].isDigit())
                    stop(Fault::Type::Unsupported, at,
                         Text::tr("KORVEN does not read numbered markers (%1); write each as +mar.").arg(characterAt(at)));
                if (a.change != 1)
                    stop(Fault::Type::Meaning, a.position,
                         Text::tr("A marker is written as a gain, +mar (%1).").arg(characterAt(a.position)));
                a.kind = Kind::Marker;
            } else if (structural.contains(word)) {
                i_ += int(word.size());
                static_cast<Rearrangement &>(a) = readRearrangement(word, at);
                if (a.kind == Kind::Derivative && a.chromosomes.size() == 1)
                    readDerivation(a, at);
                if (a.change == -1)
                    stop(Fault::Type::Meaning, a.position,
                         Text::tr("Only a whole chromosome is written lost with '-' (%1), as in -7.")
                             .arg(characterAt(a.position)));
                if (a.change == 1 && a.kind == Kind::Translocation)
                    stop(Fault::Type::Meaning, a.position,
                         Text::tr("A translocation makes two chromosomes (%1); a gained one is written +der(...), as "
                                  "in +der(22)t(11;22)(q23;q11.2).")
                             .arg(characterAt(a.position)));
            } else {
                unsupportedWord(i_);
            }
        } else {
            unexpected(Text::tr("an abnormality, as in +21, -7 or del(5)(p14)"));
        }
        a.length = i_ - a.position;
        return a;
    }

    // The rearrangements after der(N) that made it.
    void readDerivation(Abnormality &a, int start)
    {
        if (peek() == QLatin1Char('('))
            stop(Fault::Type::Unsupported, i_,
                 Text::tr("KORVEN does not read a derivative of one chromosome with breakpoints of its own (%1); "
                          "write der(N) followed by the rearrangement that made it, as in der(22)t(9;22)(q34;q11.2).")
                     .arg(characterAt(i_)));
        while (!atEnd() && isWordLetter(s_[i_])) {
            const int at = i_;
            const QString word = wordAt(i_);
            if (word != QLatin1String("t") && word != QLatin1String("del") && word != QLatin1String("dup")
                && word != QLatin1String("inv"))
                unsupportedWord(at);
            i_ += int(word.size());
            a.derivation.append(readRearrangement(word, at));
        }
        const QString written = s_.mid(start, i_ - start);
        if (a.derivation.isEmpty())
            stop(Fault::Type::Syntax, start,
                 Text::tr("%1 at %2 needs the rearrangement that made it after it, as in der(22)t(9;22)(q34;q11.2).")
                     .arg(written, characterAt(start)));
        bool involved = false;
        for (const Rearrangement &r : a.derivation)
            involved = involved || r.chromosomes.contains(a.chromosomes[0]);
        if (!involved)
            stop(Fault::Type::Meaning, start,
                 Text::tr("%1 at %2: a derivative of chromosome %3 is made by a rearrangement of chromosome %3.")
                     .arg(written, characterAt(start), a.chromosomes[0]));
    }
};

} // namespace

std::optional<Karyotype> parseKaryotype(const QString &text, Fault *fault)
{
    try {
        return Reader(text).read();
    } catch (const Stop &stop) {
        if (fault)
            *fault = stop.fault;
        return std::nullopt;
    }
}

int chromosomeIndex(const QString &name)
{
    if (name == QLatin1String("X"))
        return 22;
    if (name == QLatin1String("Y"))
        return 23;
    if (name.isEmpty() || name.size() > 2 || name.startsWith(QLatin1Char('0')))
        return -1;
    bool ok = false;
    const int number = name.toInt(&ok);
    return ok && number >= 1 && number <= 22 && name == QString::number(number) ? number - 1 : -1;
}

bool isSexChromosome(const QString &name)
{
    return name == QLatin1String("X") || name == QLatin1String("Y");
}

} // namespace korven::iscn
