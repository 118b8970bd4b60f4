#include "cases/case_identity.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace korven {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CaseIdentity)
};

} // namespace

int caseNumber(const QString &folderName)
{
    static const QRegularExpression numbered(QStringLiteral("^case-(\\d{1,6})$"));
    const QRegularExpressionMatch m = numbered.match(folderName);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QString caseTitle(const QString &folderName)
{
    const int number = caseNumber(folderName);
    return number > 0 ? Text::tr("Case %1").arg(number) : folderName;
}

bool caseListedBefore(const QString &a, const QString &b)
{
    const int na = caseNumber(a);
    const int nb = caseNumber(b);
    if ((na > 0) != (nb > 0))
        return na > 0;
    if (na != nb)
        return na < nb;
    return a < b; // "case-7" and "case-07" both name 7: kept apart by their names
}

} // namespace korven
