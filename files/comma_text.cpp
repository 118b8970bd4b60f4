#include "files/comma_text.h"

namespace korven {

namespace {

// Blanks and control characters separate fields like a comma (NUL included, so it cannot stall).
bool isBlank(QChar c) { return c.unicode() <= ' '; }

// A quoted field starting at line[pos] == '"'. Returns the text without its quotes, "" inside
// turned into ", and leaves pos just after the closing quote (or at the end of an unclosed one).
QString takeQuoted(const QString &line, qsizetype &pos)
{
    QString field;
    ++pos;
    while (pos < line.size()) {
        const QChar c = line.at(pos);
        if (c == u'"') {
            if (pos + 1 < line.size() && line.at(pos + 1) == u'"') {
                field += u'"';
                pos += 2;
                continue;
            }
            ++pos;
            return field;
        }
        field += c;
        ++pos;
    }
    return field; // unclosed quote: the rest of the line
}

} // namespace

QStringList splitCommaText(const QString &line)
{
    QStringList fields;
    qsizetype pos = 0;
    const qsizetype end = line.size();
    while (pos < end && isBlank(line.at(pos)))
        ++pos;
    while (pos < end) {
        if (line.at(pos) == u'"') {
            fields << takeQuoted(line, pos);
        } else {
            const qsizetype start = pos;
            while (pos < end && line.at(pos).unicode() > ' ' && line.at(pos) != u',')
                ++pos;
            fields << line.mid(start, pos - start);
        }
        while (pos < end && isBlank(line.at(pos)))
            ++pos;
        if (pos < end && line.at(pos) == u',') {
            // A comma at the very end still closes an (empty) last field.
            if (pos + 1 == end)
                fields << QString();
            do {
                ++pos;
            } while (pos < end && isBlank(line.at(pos)));
        }
    }
    return fields;
}

QString joinCommaText(const QStringList &fields)
{
    // A lone empty field is written as "" so that it survives a split.
    if (fields.size() == 1 && fields.first().isEmpty())
        return QStringLiteral("\"\"");
    QString result;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString &field = fields.at(i);
        bool quote = false;
        for (QChar c : field) {
            if (c.unicode() <= ' ' || c == u'"' || c == u',') {
                quote = true;
                break;
            }
        }
        if (i > 0)
            result += u',';
        if (quote) {
            QString inner = field;
            inner.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            result += u'"' + inner + u'"';
        } else {
            result += field;
        }
    }
    return result;
}

} // namespace korven
