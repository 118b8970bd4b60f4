#pragma once
// The first stage of reading a karyotype: the text cut into tokens (numbers, lower-case words,
// runs of capitals, single symbols), with what was typed rather than written (full-width
// characters, minus signs and dashes, blanks) read as ASCII and noted.
#include "iscn/karyotype.h"

#include <QList>
#include <QString>

namespace korven::iscn {

struct Token {
    enum class Type { Number, Word, Capitals, Symbol, End };
    Type type = Type::End;
    QString text;         // in ASCII: "46", "der", "XXY", ","
    int position = 0;     // index of its first character in the text as typed
    int length = 0;       // its length in the text as typed
    bool blankBefore = false;

    bool is(char symbol) const { return type == Type::Symbol && text.size() == 1 && text[0] == QLatin1Char(symbol); }
    bool isWord(const char *word) const { return type == Type::Word && text == QLatin1String(word); }
};

struct Tokens {
    QList<Token> tokens; // ends with one End token at the end of the text
    QList<TypingNote> notes;
};

// The character as ISCN writes it: full-width forms, the ideographic blank and comma, the minus
// sign and the dashes as their ASCII characters; anything else unchanged.
QChar asciiOf(QChar c);

// Cuts the text (blanks around it ignored) into tokens. Blanks inside are passed over and noted,
// except the one after a leading mos or chi.
Tokens tokenize(const QString &text);

} // namespace korven::iscn
