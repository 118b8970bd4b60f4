// Reading a karyotype into its value: the tokenizer's tokens read by a small recursive-descent
// reader that stops at the first fault with a message naming the character at fault. Faults of
// form that leave the meaning plain (21+ for +21) are kept and reading goes on.
#include "iscn/iscn_text.h"
#include "iscn/karyotype.h"
#include "iscn/karyotype_tokens.h"

#include <QRegularExpression>
#include <algorithm>

namespace korven::iscn {

namespace {

using T = Token::Type;

// A karyotype longer than this is refused before it is read: no real karyotype comes near it,
// and comparing is quadratic in the abnormalities.
constexpr int MaxKaryotypeLength = 4000;

struct Stop {
    Fault fault;
};

// How each structural form is written, for messages that show the trainee an example.
QString example(const QString &word, int chromosomes)
{
    static const QList<std::pair<const char *, const char *>> examples = {
        {"del", "del(5)(p14)"},           {"dup", "dup(1)(q21q32)"},
        {"inv", "inv(9)(p12q13)"},        {"i", "i(X)(q10)"},
        {"rob", "rob(13;14)(q10;q10)"},   {"r", "r(13)(p11q34)"},
        {"dic", "dic(13;15)(p11.2;p11.2)"}, {"idic", "idic(Y)(q11.2)"},
        {"ins", "ins(5;2)(p14;q22q32)"},  {"add", "add(7)(q22)"},
    };
    if (word == QLatin1String("t"))
        return chromosomes > 2 ? QStringLiteral("t(2;5;7)(p21;q23;q22)") : QStringLiteral("t(11;22)(q23;q11.2)");
    for (const auto &[name, text] : examples) {
        if (word == QLatin1String(name))
            return QLatin1String(text);
    }
    return chromosomes == 2 ? QStringLiteral("der(13;14)(q10;q10)") : QStringLiteral("der(22)t(9;22)(q34;q11.2)");
}

// The kind a structural word names; nothing for a word that names none.
std::optional<Kind> structuralKind(const QString &word)
{
    static const QList<std::pair<const char *, Kind>> kinds = {
        {"del", Kind::Deletion},    {"dup", Kind::Duplication},      {"inv", Kind::Inversion},
        {"t", Kind::Translocation}, {"i", Kind::Isochromosome},      {"der", Kind::Derivative},
        {"rob", Kind::Derivative},  {"r", Kind::Ring},               {"dic", Kind::Dicentric},
        {"idic", Kind::Isodicentric}, {"ins", Kind::Insertion},      {"add", Kind::Addition},
    };
    for (const auto &[name, kind] : kinds) {
        if (word == QLatin1String(name))
            return kind;
    }
    return std::nullopt;
}

class Reader {
public:
    Reader(const QString &text, const Tokens &tokens) : s_(text), t_(tokens.tokens) {}

    Karyotype read()
    {
        if (t_.size() == 1)
            stop(Fault::Type::Syntax, -1, Text::tr("The karyotype is empty."));
        Karyotype karyotype;
        int prefixAt = -1;
        if (peek().isWord("mos") || peek().isWord("chi")) {
            karyotype.origin = peek().isWord("mos") ? Origin::Mosaic : Origin::Chimera;
            prefixAt = peek().position;
            ++i_;
        }
        karyotype.lines.append(readLine());
        while (peek().is('/')) {
            ++i_;
            karyotype.lines.append(readLine());
        }
        if (peek().type != T::End)
            unexpected(Text::tr("a comma, '/' or a cell count in brackets"));
        if (prefixAt >= 0 && karyotype.lines.size() < 2)
            stop(Fault::Type::Meaning, prefixAt,
                 Text::tr("%1 (%2) names the origin of several cell lines: write them joined by '/', as in "
                          "mos 45,X[15]/46,XX[5].")
                     .arg(s_.mid(prefixAt, 3), characterAt(prefixAt)));
        karyotype.writtenFaults = written_;
        return karyotype;
    }

private:
    const QString &s_;
    const QList<Token> &t_;
    int i_ = 0;
    QList<Fault> written_;

    const Token &peek(int ahead = 0) const { return t_[std::min<qsizetype>(i_ + ahead, t_.size() - 1)]; }
    const Token &next() { return t_[std::min<qsizetype>(i_++, t_.size() - 1)]; }
    bool atEnd() const { return peek().type == T::End; }
    // The text typed from the token at `first` up to the reading place.
    QString typedFrom(int first) const
    {
        const int from = t_[first].position;
        const int to = i_ > 0 ? t_[i_ - 1].position + t_[i_ - 1].length : from;
        return s_.mid(from, to - from);
    }

    [[noreturn]] void stop(Fault::Type type, int position, const QString &message) const
    {
        throw Stop{Fault{type, position, message}};
    }

    // The form KORVEN does not read that starts with the word token `token`.
    [[noreturn]] void unsupportedWord(const Token &token) const
    {
        stop(Fault::Type::Unsupported, token.position,
             Text::tr("KORVEN does not read the form '%1' (%2); it reads +, -, del, dup, inv, t, i, der, rob, r, "
                      "dic, idic, ins, add, +mar, mos, chi and heteromorphisms such as 9qh+.")
                 .arg(token.text, characterAt(token.position)));
    }

    // The token at the reading place is not what the karyotype needs there.
    [[noreturn]] void unexpected(const QString &expected) const
    {
        const Token &token = peek();
        if (token.type == T::End) {
            const int last = std::max(token.position - 1, 0);
            stop(Fault::Type::Syntax, last,
                 Text::tr("The karyotype ends after %1 where %2 was expected.").arg(characterAt(last), expected));
        }
        if (token.is('?'))
            stop(Fault::Type::Unsupported, token.position,
                 Text::tr("KORVEN does not read uncertain chromosomes or bands ('?' at %1).").arg(characterAt(token.position)));
        if (token.is('~'))
            stop(Fault::Type::Unsupported, token.position,
                 Text::tr("KORVEN does not read ranges ('~' at %1).").arg(characterAt(token.position)));
        if (token.type == T::Word)
            unsupportedWord(token);
        stop(Fault::Type::Syntax, token.position,
             Text::tr("'%1' at %2 is not expected here; %3 was expected.")
                 .arg(s_.mid(token.position, token.length), characterAt(token.position), expected));
    }

    void expect(char symbol, const QString &expected)
    {
        if (!peek().is(symbol))
            unexpected(expected);
        ++i_;
    }

    // The ')' or ']' that closes the bracket opened at token `open`.
    void close(char symbol, int open)
    {
        if (peek().is(symbol)) {
            ++i_;
            return;
        }
        if (atEnd() || peek().is(',') || peek().is('/'))
            stop(Fault::Type::Syntax, t_[open].position,
                 Text::tr("The bracket '%1' opened at %2 is not closed.")
                     .arg(s_.mid(t_[open].position, 1), characterAt(t_[open].position)));
        unexpected(QStringLiteral("'%1'").arg(QLatin1Char(symbol)));
    }

    int readNumber(const QString &expected, int maxDigits)
    {
        if (peek().type != T::Number)
            unexpected(expected);
        const Token &token = next();
        if (token.text.size() > maxDigits)
            stop(Fault::Type::Syntax, token.position,
                 Text::tr("The number %1 at %2 is too long.").arg(token.text, characterAt(token.position)));
        return token.text.toInt();
    }

    CellLine readLine()
    {
        CellLine line;
        const int first = i_;
        line.position = peek().position;
        colloquialCount();
        line.count = readNumber(Text::tr("the chromosome count, as in 46,XX"), 3);
        if (line.count < 1 || line.count > 103)
            stop(Fault::Type::Unsupported, line.position,
                 Text::tr("KORVEN reads chromosome counts from 1 to 103, not %1 (%2).")
                     .arg(line.count)
                     .arg(characterAt(line.position)));
        if (peek().is('~'))
            unexpected(QString());
        expect(',', Text::tr("a comma after the count"));
        line.sex = readSex();
        while (peek().is(',')) {
            ++i_;
            line.abnormalities.append(readAbnormality());
        }
        if (peek().is('[')) {
            const int open = i_++;
            line.cells = readNumber(Text::tr("the number of cells"), 4);
            close(']', open);
        }
        if (!atEnd() && !peek().is('/'))
            unexpected(Text::tr("a comma, '/' or a cell count in brackets"));
        line.length = typedFrom(first).size();
        return line;
    }

    // "trisomy 21", "monosomy 7": what a clinic says, not what ISCN writes.
    void colloquialCount()
    {
        const Token &word = peek();
        if (!(word.isWord("trisomy") || word.isWord("monosomy")) || peek(1).type != T::Number)
            return;
        const QString name = peek(1).text;
        if (chromosomeIndex(name) < 0)
            return;
        const bool gain = word.isWord("trisomy");
        const QString sign = gain ? QStringLiteral("+") : QStringLiteral("-");
        const int count = gain ? 47 : 45;
        const QString written = QStringLiteral("%1,XX,%2%3").arg(count).arg(sign, name);
        const QString male = QStringLiteral("%1,XY,%2%3").arg(count).arg(sign, name);
        stop(Fault::Type::OldWriting, word.position,
             Text::tr("%1 %2 (%3) is not ISCN: write %4 or %5.")
                 .arg(word.text, name, characterAt(word.position), written, male));
    }

    QString readSex()
    {
        const Token &token = peek();
        if (token.type == T::Word) {
            if (token.text.contains(QRegularExpression(QStringLiteral("[^xy]"))))
                unsupportedWord(token);
            stop(Fault::Type::SexComplement, token.position,
                 Text::tr("%1 at %2: the sex chromosomes are written in capitals, X and Y.")
                     .arg(token.text.left(1), characterAt(token.position)));
        }
        if (token.type != T::Capitals) {
            if (token.is('?') || token.is('~'))
                unexpected(QString());
            stop(Fault::Type::SexComplement, token.position,
                 Text::tr("The sex complement is missing at %1: it follows the count, as in 46,XX or 45,X.")
                     .arg(characterAt(token.position)));
        }
        for (int k = 0; k < token.text.size(); ++k) {
            const QChar c = token.text[k];
            if (c != QLatin1Char('X') && c != QLatin1Char('Y'))
                stop(Fault::Type::SexComplement, token.position + k,
                     Text::tr("%1 at %2 is not a sex chromosome: the sex complement is written with X and Y "
                              "only, as in 46,XX or 47,XXY.")
                         .arg(c)
                         .arg(characterAt(token.position + k)));
        }
        ++i_;
        if (peek().type == T::Word && !peek().blankBefore)
            unsupportedWord(peek());
        return token.text;
    }

    // "1".."22", "X", "Y".
    QString readChromosome()
    {
        const Token &token = peek();
        if (token.type != T::Number && token.type != T::Capitals)
            unexpected(Text::tr("a chromosome (1 to 22, X or Y)"));
        ++i_;
        if (chromosomeIndex(token.text) < 0)
            stop(Fault::Type::Meaning, token.position,
                 Text::tr("%1 at %2 is not a chromosome: chromosomes are 1 to 22, X and Y.")
                     .arg(token.text, characterAt(token.position)));
        return token.text;
    }

    Breakpoint readBreakpoint()
    {
        const Token &token = peek();
        if (token.isWord("pter") || token.isWord("qter") || token.isWord("cen"))
            stop(Fault::Type::Unsupported, token.position,
                 Text::tr("KORVEN does not read breakpoints written as pter, qter or cen (%1); write the band, "
                          "as in p14 or q10.")
                     .arg(characterAt(token.position)));
        if (!(token.isWord("p") || token.isWord("q")))
            unexpected(Text::tr("a breakpoint: p or q and a band, as in q11.2"));
        ++i_;
        Breakpoint breakpoint;
        breakpoint.arm = token.text[0];
        breakpoint.position = token.position;
        const int region = readNumber(Text::tr("a band number after the arm, as in p14 or q11.2"), 2);
        breakpoint.band = t_[i_ - 1].text;
        Q_UNUSED(region);
        if (peek().is('.')) {
            ++i_;
            readNumber(Text::tr("a sub-band after the point, as in q11.2"), 2);
            breakpoint.band += QLatin1Char('.') + t_[i_ - 1].text;
        }
        return breakpoint;
    }

    // The breakpoints in brackets: one group for each chromosome, separated by ';'.
    QList<QList<Breakpoint>> readBreakpointGroups(const QString &word, int chromosomes, int start)
    {
        if (!peek().is('('))
            stop(Fault::Type::Syntax, t_[start].position,
                 Text::tr("%1 at %2 needs its breakpoints in brackets after it, as in %3.")
                     .arg(typedFrom(start), characterAt(t_[start].position), example(word, chromosomes)));
        const int open = i_++;
        QList<QList<Breakpoint>> groups(1);
        groups.last().append(readBreakpoint());
        while (true) {
            if (peek().isWord("p") || peek().isWord("q") || peek().isWord("pter") || peek().isWord("qter")
                || peek().isWord("cen")) {
                groups.last().append(readBreakpoint());
            } else if (peek().is(';')) {
                ++i_;
                groups.append(QList<Breakpoint>());
                groups.last().append(readBreakpoint());
            } else {
                break;
            }
        }
        close(')', open);
        return groups;
    }

    [[noreturn]] void wrongBreakpoints(const QString &word, int chromosomes, int start, int have) const
    {
        const QString written = typedFrom(start);
        const QString at = characterAt(t_[start].position);
        if (chromosomes > 1)
            stop(Fault::Type::Syntax, t_[start].position,
                 Text::tr("%1 at %2 needs the breakpoints of each of its chromosomes, separated by ';', as in %3.")
                     .arg(written, at, example(word, chromosomes)));
        const Kind kind = *structuralKind(word);
        const QList<int> counts = breakpointCounts(kind, 1);
        QString need;
        if (counts == QList<int>{1})
            need = Text::tr("one breakpoint");
        else if (counts == QList<int>{2})
            need = Text::tr("two breakpoints");
        else if (counts == QList<int>{1, 2})
            need = Text::tr("one breakpoint (terminal) or two (interstitial)");
        else if (counts == QList<int>{0, 2})
            need = Text::tr("two breakpoints, or none when they are not known");
        else
            need = Text::tr("three breakpoints");
        stop(Fault::Type::Syntax, t_[start].position,
             Text::tr("%1 at %2 needs %3, not %4.").arg(written, at, need).arg(have));
    }

    // A rearrangement after its name: the chromosomes in brackets, then the breakpoints.
    Rearrangement readRearrangement(int start)
    {
        const QString word = t_[start].text;
        Rearrangement r;
        r.kind = *structuralKind(word);
        const int open = i_;
        expect('(', QStringLiteral("'('"));
        QStringList arms; // i(Xq), del(5p), t(9q;22q): the older writing with arms for bands
        const auto chromosome = [&] {
            r.chromosomes.append(readChromosome());
            if ((peek().isWord("p") || peek().isWord("q")) && !peek().blankBefore)
                arms << next().text;
            else
                arms << QString();
        };
        chromosome();
        while (peek().is(';')) {
            ++i_;
            chromosome();
        }
        close(')', open);
        if (!arms.join(QString()).isEmpty())
            olderArms(word, r, arms, start);

        const int n = int(r.chromosomes.size());
        const Shape shape = shapeOf(r.kind);
        const QString written = typedFrom(start);
        const QString at = characterAt(t_[start].position);
        if (n > shape.mostChromosomes && r.kind == Kind::Derivative)
            stop(Fault::Type::Unsupported, t_[start].position,
                 Text::tr("KORVEN does not read derivatives of three or more chromosomes (%1).").arg(at));
        if (n > shape.mostChromosomes && r.kind == Kind::Insertion)
            stop(Fault::Type::Unsupported, t_[start].position,
                 Text::tr("KORVEN does not read insertions between three or more chromosomes (%1).").arg(at));
        if (n < shape.leastChromosomes || n > shape.mostChromosomes) {
            if (shape.leastChromosomes >= 2)
                stop(Fault::Type::Meaning, t_[start].position,
                     Text::tr("%1 at %2 joins two chromosomes: write both, as in %3.")
                         .arg(written, at, example(word, 2)));
            stop(Fault::Type::Meaning, t_[start].position,
                 Text::tr("%1 at %2 takes one chromosome, as in %3.").arg(written, at, example(word, 1)));
        }
        if (word == QLatin1String("der") && n == 1)
            return r; // its rearrangements follow; the caller reads them
        if (r.kind == Kind::Ring && !peek().is('('))
            return r; // r(X): breakpoints not known

        const QList<QList<Breakpoint>> groups = readBreakpointGroups(word, n, start);
        int have = 0;
        for (const QList<Breakpoint> &group : groups) {
            have += int(group.size());
            r.breakpoints += group;
        }
        const bool perChromosome = [&] {
            if (n == 1)
                return groups.size() == 1;
            if (int(groups.size()) != n)
                return false;
            for (int k = 0; k < n; ++k) {
                const int want = r.kind == Kind::Insertion && k == 1 ? 2 : 1;
                if (groups[k].size() != want)
                    return false;
            }
            return true;
        }();
        if (!perChromosome || !breakpointCounts(r.kind, n).contains(have))
            wrongBreakpoints(word, n, start, have);
        return r;
    }

    [[noreturn]] void olderArms(const QString &word, const Rearrangement &r, const QStringList &arms, int start) const
    {
        QString modern;
        if (r.kind == Kind::Isochromosome && !arms[0].isEmpty()) {
            modern = QStringLiteral("i(") + r.chromosomes[0] + QStringLiteral(")(") + arms[0] + QStringLiteral("10)");
        } else {
            QStringList bands;
            for (int k = 0; k < r.chromosomes.size(); ++k)
                bands << (arms[k].isEmpty() ? QStringLiteral("…") : arms[k] + QStringLiteral("…"));
            modern = QStringLiteral("%1(%2)(%3)").arg(word, r.chromosomes.join(QLatin1Char(';')), bands.join(QLatin1Char(';')));
        }
        stop(Fault::Type::OldWriting, t_[start].position,
             Text::tr("%1 (%2) is an older writing: ISCN writes %3, with the band of each breakpoint.")
                 .arg(typedFrom(start), characterAt(t_[start].position), modern));
    }

    // After a chromosome number without a sign: 21+ (the older writing of +21), 9qh+, or 5p- (the
    // older writing of a deletion, which names no breakpoint).
    void readAfterChromosome(Abnormality &a, const Token &chromosome)
    {
        const QString name = a.chromosomes[0];
        if (peek().type == T::Word && (peek().text.startsWith(QLatin1Char('p')) || peek().text.startsWith(QLatin1Char('q')))) {
            const Token &word = next();
            const QString region = word.text.mid(1);
            const bool sign = peek().is('+') || peek().is('-');
            if (sign && a.change == 0
                && (region == QLatin1String("h") || region == QLatin1String("s") || region == QLatin1String("stk"))) {
                a.kind = Kind::Heteromorphism;
                a.variant = Variant{word.text[0], region, next().is('+')};
                return;
            }
            if (region.isEmpty() && sign)
                stop(Fault::Type::OldWriting, chromosome.position,
                     Text::tr("%1%2%3 (%4) is an older writing: ISCN writes %5 with its breakpoint, as in %6.")
                         .arg(name, word.text, peek().text, characterAt(chromosome.position),
                              peek().is('-') ? QStringLiteral("del(%1)(%2…)").arg(name, word.text)
                                             : QStringLiteral("dup(%1)(%2…)").arg(name, word.text),
                              peek().is('-') ? QStringLiteral("del(5)(p14)") : QStringLiteral("dup(1)(q21q32)")));
            unsupportedWord(word);
        }
        if (a.change == 0 && (peek().is('+') || peek().is('-'))) {
            a.change = next().is('+') ? 1 : -1;
            const QString modern = (a.change > 0 ? QStringLiteral("+") : QStringLiteral("-")) + name;
            written_.append({Fault::Type::OldWriting, chromosome.position,
                             Text::tr("%1%2 (%3) is an older writing: ISCN writes %4, the sign before the chromosome.")
                                 .arg(name, a.change > 0 ? QStringLiteral("+") : QStringLiteral("-"),
                                      characterAt(chromosome.position), modern)});
            return;
        }
        if (peek().isWord("mar"))
            stop(Fault::Type::Unsupported, chromosome.position,
                 Text::tr("KORVEN does not read several markers in one (%1); write each as +mar.")
                     .arg(characterAt(chromosome.position)));
        if (peek().type == T::Word && !peek().blankBefore)
            unsupportedWord(peek());
        if (a.change == 0)
            stop(Fault::Type::Meaning, chromosome.position,
                 Text::tr("%1 at %2 needs + or - before it: +%1 for a gain, -%1 for a loss.")
                     .arg(name, characterAt(chromosome.position)));
    }

    Abnormality readAbnormality()
    {
        Abnormality a;
        const int first = i_;
        a.position = peek().position;
        if (peek().is('+') || peek().is('-'))
            a.change = next().is('+') ? 1 : -1;
        const Token &head = peek();
        if (head.type == T::Number || head.type == T::Capitals) {
            a.kind = Kind::Numerical;
            a.chromosomes.append(readChromosome());
            readAfterChromosome(a, head);
        } else if (head.isWord("mar")) {
            ++i_;
            if (peek().type == T::Number && !peek().blankBefore)
                a.marker = readNumber(Text::tr("the marker's number"), 2);
            if (a.change != 1)
                stop(Fault::Type::Meaning, a.position,
                     Text::tr("A marker is written as a gain, +mar (%1).").arg(characterAt(a.position)));
            a.kind = Kind::Marker;
            if (peek().type == T::Word && !peek().blankBefore)
                unsupportedWord(peek());
        } else if (head.type == T::Word && structuralKind(head.text)) {
            const int at = i_++;
            static_cast<Rearrangement &>(a) = readRearrangement(at);
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
            if (a.change == 1 && a.kind == Kind::Insertion)
                stop(Fault::Type::Meaning, a.position,
                     Text::tr("An insertion changes the chromosomes it names (%1); a gained one is written "
                              "+der(...).")
                         .arg(characterAt(a.position)));
            if (peek().type == T::Word && !peek().blankBefore)
                unsupportedWord(peek());
        } else if (head.type == T::Word) {
            unsupportedWord(head);
        } else {
            unexpected(Text::tr("an abnormality, as in +21, -7 or del(5)(p14)"));
        }
        a.length = typedFrom(first).size();
        return a;
    }

    // The rearrangements after der(N) that made it.
    void readDerivation(Abnormality &a, int start)
    {
        if (peek().is('('))
            stop(Fault::Type::Unsupported, peek().position,
                 Text::tr("KORVEN does not read a derivative of one chromosome with breakpoints of its own (%1); "
                          "write der(N) followed by the rearrangement that made it, as in der(22)t(9;22)(q34;q11.2).")
                     .arg(characterAt(peek().position)));
        while (peek().type == T::Word && !peek().blankBefore) {
            const Token &word = peek();
            if (!word.isWord("t") && !word.isWord("del") && !word.isWord("dup") && !word.isWord("inv")
                && !word.isWord("ins") && !word.isWord("add"))
                unsupportedWord(word);
            const int at = i_++;
            a.derivation.append(readRearrangement(at));
        }
        const QString written = typedFrom(start);
        if (a.derivation.isEmpty())
            stop(Fault::Type::Syntax, t_[start].position,
                 Text::tr("%1 at %2 needs the rearrangement that made it after it, as in der(22)t(9;22)(q34;q11.2).")
                     .arg(written, characterAt(t_[start].position)));
        bool involved = false;
        for (const Rearrangement &r : a.derivation)
            involved = involved || r.chromosomes.contains(a.chromosomes[0]);
        if (!involved)
            stop(Fault::Type::Meaning, t_[start].position,
                 Text::tr("%1 at %2: a derivative of chromosome %3 is made by a rearrangement of chromosome %3.")
                     .arg(written, characterAt(t_[start].position), a.chromosomes[0]));
    }
};

} // namespace

std::optional<Karyotype> parseKaryotype(const QString &text, Fault *fault, QList<TypingNote> *notes)
{
    if (text.size() > MaxKaryotypeLength) {
        if (fault)
            *fault = Fault{Fault::Type::Unsupported, -1,
                           Text::tr("The karyotype is %1 characters long; KORVEN reads karyotypes of at most %2.")
                               .arg(text.size())
                               .arg(MaxKaryotypeLength)};
        return std::nullopt;
    }
    const Tokens tokens = tokenize(text);
    if (notes)
        *notes = tokens.notes;
    try {
        return Reader(text, tokens).read();
    } catch (const Stop &stop) {
        if (fault)
            *fault = stop.fault;
        return std::nullopt;
    }
}

Shape shapeOf(Kind kind)
{
    switch (kind) {
    case Kind::Numerical: return {1, 1, true, true};
    case Kind::Marker: return {0, 0, true, false};
    case Kind::Translocation: return {2, 23, false, false};
    case Kind::Derivative: return {1, 2, true, false};
    case Kind::Dicentric: return {2, 2, true, false};
    case Kind::Insertion: return {1, 2, false, false};
    case Kind::Heteromorphism: return {1, 1, false, false};
    default: return {1, 1, true, false};
    }
}

QList<int> breakpointCounts(Kind kind, int chromosomes)
{
    switch (kind) {
    case Kind::Numerical:
    case Kind::Marker:
    case Kind::Heteromorphism: return {0};
    case Kind::Deletion: return {1, 2};
    case Kind::Duplication:
    case Kind::Inversion: return {2};
    case Kind::Ring: return {0, 2};
    case Kind::Insertion: return {3};
    case Kind::Isochromosome:
    case Kind::Isodicentric:
    case Kind::Addition: return {1};
    case Kind::Translocation:
    case Kind::Dicentric: return {chromosomes};
    case Kind::Derivative: return {chromosomes == 1 ? 0 : 2};
    }
    return {};
}

bool wellFormed(const Abnormality &a)
{
    const Shape shape = shapeOf(a.kind);
    const int n = int(a.chromosomes.size());
    if (n < shape.leastChromosomes || n > shape.mostChromosomes)
        return false;
    for (const QString &name : a.chromosomes) {
        if (chromosomeIndex(name) < 0)
            return false;
    }
    if (!breakpointCounts(a.kind, n).contains(int(a.breakpoints.size())))
        return false;
    if ((a.change > 0 && !shape.mayGain) || (a.change < 0 && !shape.mayLose))
        return false;
    if ((a.kind == Kind::Numerical && a.change == 0) || (a.kind == Kind::Marker && a.change != 1))
        return false;
    if (a.kind != Kind::Marker && a.marker != 0)
        return false;
    const bool madeOf = a.kind == Kind::Derivative && n == 1;
    if (madeOf != !a.derivation.isEmpty())
        return false;
    for (const Rearrangement &part : a.derivation) {
        Abnormality each;
        static_cast<Rearrangement &>(each) = part;
        if (part.kind == Kind::Derivative || !wellFormed(each))
            return false;
    }
    return true;
}

} // namespace korven::iscn
