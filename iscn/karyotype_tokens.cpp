#include "iscn/karyotype_tokens.h"

#include "iscn/iscn_text.h"

namespace korven::iscn {

QChar asciiOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 0xFF01 && u <= 0xFF5E) // full-width ASCII
        return QChar(char16_t(u - 0xFEE0));
    if (u == 0x3000)
        return QLatin1Char(' ');
    if (u == 0x3001) // the ideographic comma a Japanese keyboard gives for ','
        return QLatin1Char(',');
    if (u == 0x2212 || (u >= 0x2010 && u <= 0x2015) || u == 0xFE63)
        return QLatin1Char('-');
    return c;
}

Tokens tokenize(const QString &text)
{
    Tokens out;
    const int size = int(text.size());
    int end = size;
    while (end > 0 && asciiOf(text[end - 1]).isSpace())
        --end;
    int i = 0;
    while (i < end && asciiOf(text[i]).isSpace())
        ++i;
    int firstWide = -1;
    int firstDash = -1;
    int firstBlank = -1;
    bool blank = false;
    const auto at = [&](int k) { return asciiOf(text[k]); };
    const auto noteTyped = [&](int k) {
        const QChar c = text[k];
        if (c == at(k))
            return;
        if (c.unicode() >= 0x2010 && c.unicode() <= 0x2212 && firstDash < 0)
            firstDash = k;
        else if (firstWide < 0)
            firstWide = k;
    };
    while (i < end) {
        const QChar c = at(i);
        if (c.isSpace()) {
            // The blank after a leading mos or chi is ISCN's own.
            const bool prefix = out.tokens.size() == 1
                                && (out.tokens[0].isWord("mos") || out.tokens[0].isWord("chi"));
            if (!prefix && firstBlank < 0)
                firstBlank = i;
            noteTyped(i);
            blank = true;
            ++i;
            continue;
        }
        Token token;
        token.position = i;
        token.blankBefore = blank;
        blank = false;
        const auto run = [&](auto &&member, Token::Type type) {
            token.type = type;
            while (i < end && member(at(i))) {
                noteTyped(i);
                token.text += at(i);
                ++i;
            }
        };
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            run([](QChar x) { return x >= QLatin1Char('0') && x <= QLatin1Char('9'); }, Token::Type::Number);
        else if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            run([](QChar x) { return x >= QLatin1Char('a') && x <= QLatin1Char('z'); }, Token::Type::Word);
        else if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            run([](QChar x) { return x >= QLatin1Char('A') && x <= QLatin1Char('Z'); }, Token::Type::Capitals);
        else {
            token.type = Token::Type::Symbol;
            noteTyped(i);
            token.text = c;
            ++i;
        }
        token.length = i - token.position;
        out.tokens.append(token);
    }
    Token last;
    last.type = Token::Type::End;
    last.position = end;
    last.blankBefore = false;
    out.tokens.append(last);
    if (firstWide >= 0)
        out.notes.append({firstWide, Text::tr("Full-width characters (%1) were read as their ASCII characters; ISCN "
                                              "writes a karyotype in ASCII.")
                                         .arg(characterAt(firstWide))});
    if (firstDash >= 0)
        out.notes.append({firstDash, Text::tr("A minus sign or dash (%1) was read as '-'.").arg(characterAt(firstDash))});
    if (firstBlank >= 0)
        out.notes.append({firstBlank, Text::tr("Blanks (%1) were passed over; ISCN writes a karyotype without blanks.")
                                          .arg(characterAt(firstBlank))});
    return out;
}

} // namespace korven::iscn
