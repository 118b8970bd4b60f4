#include "users/id_rules.h"

#include <QCoreApplication>

#include <utility>

namespace korven {

QString idRefusal(const QString &id)
{
    if (id.isEmpty())
        return QCoreApplication::translate("IdRules", "Please enter an ID.");
    if (id == QLatin1String(".") || id == QLatin1String(".."))
        return QCoreApplication::translate("IdRules", "The ID \"%1\" cannot be used. Please enter a different ID.").arg(id);
    if (id.startsWith(u'.'))
        return QCoreApplication::translate("IdRules", "An ID cannot begin with \".\". Please enter a different ID.");
    for (const QChar c : id) {
        if (c == u'/' || c == u'\\')
            return QCoreApplication::translate("IdRules", "An ID cannot contain \"/\" or \"\\\". Please enter a different ID.");
        if (c.category() == QChar::Other_Control)
            return QCoreApplication::translate("IdRules", "An ID cannot contain control characters. Please enter a different ID.");
        if (c.category() == QChar::Other_Format || c.category() == QChar::Separator_Line
            || c.category() == QChar::Separator_Paragraph)
            return QCoreApplication::translate("IdRules", "An ID cannot contain invisible characters. Please enter a different ID.");
    }
    if (id.front().isSpace() || id.back().isSpace())
        return QCoreApplication::translate("IdRules", "An ID cannot begin or end with a blank. Please enter a different ID.");
    if (!id.isValidUtf16())
        return QCoreApplication::translate("IdRules", "The ID holds characters that cannot be used. Please enter a different ID.");
    if (id.toUtf8().size() > MaxIdBytes)
        return QCoreApplication::translate("IdRules", "The ID is too long (at most %1 bytes). Please enter a shorter ID.")
            .arg(MaxIdBytes);
    return {};
}

namespace {

// Letters of other scripts drawn like Latin ones, and digits like letters.
constexpr std::pair<char16_t, char16_t> LookAlikes[] = {
    {u'а', u'a'}, {u'в', u'b'}, {u'е', u'e'}, {u'ё', u'e'}, {u'һ', u'h'}, {u'і', u'i'}, {u'ј', u'j'},
    {u'к', u'k'}, {u'м', u'm'}, {u'н', u'h'}, {u'о', u'o'}, {u'р', u'p'}, {u'с', u'c'}, {u'т', u't'},
    {u'у', u'y'}, {u'х', u'x'}, {u'ѕ', u's'}, {u'ԁ', u'd'}, {u'ԛ', u'q'}, {u'ԝ', u'w'},
    {u'α', u'a'}, {u'β', u'b'}, {u'ε', u'e'}, {u'η', u'n'}, {u'ι', u'i'}, {u'κ', u'k'}, {u'ν', u'v'},
    {u'ο', u'o'}, {u'ρ', u'p'}, {u'τ', u't'}, {u'υ', u'u'}, {u'χ', u'x'}, {u'ω', u'w'},
    {u'0', u'o'}, {u'1', u'l'}, {u'|', u'l'},
};

// The ID as it looks: compatibility forms folded (full-width letters), case folded, look-alike
// letters replaced by the Latin ones.
QString skeleton(const QString &id)
{
    QString s = id.normalized(QString::NormalizationForm_KC).toCaseFolded();
    for (QChar &c : s) {
        for (const auto &[from, to] : LookAlikes) {
            if (c.unicode() == from)
                c = QChar(to);
        }
    }
    return s;
}

} // namespace

bool sameId(const QString &a, const QString &b)
{
    return a.normalized(QString::NormalizationForm_C) == b.normalized(QString::NormalizationForm_C);
}

QString lookAlikeId(const QString &id, const QStringList &known)
{
    const QString mine = skeleton(id);
    for (const QString &other : known) {
        if (other != id && skeleton(other) == mine)
            return other;
    }
    return {};
}

} // namespace korven
