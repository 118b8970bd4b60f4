#include "cases/karyotype_grading.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace korven {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(KaryotypeGrading)
};

// A line without its cell count in brackets.
QString withoutCellCount(QString line)
{
    static const QRegularExpression count(QStringLiteral("\\[\\d+\\]$"));
    return line.remove(count);
}

QStringList elementsOf(const QString &karyotype)
{
    QString text = karyotype;
    text.remove(u' ');
    return withoutCellCount(text.section(u'/', 0, 0)).split(u',');
}

} // namespace

QString karyotypeFormFault(const QString &typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {};
    if (text.contains(u' '))
        return Text::tr("A karyotype is written without blanks.");
    for (const QString &line : text.split(u'/')) {
        const QStringList parts = withoutCellCount(line).split(u',');
        static const QRegularExpression count(QStringLiteral("^\\d{2}$"));
        static const QRegularExpression sex(QStringLiteral("^[XY]+$"));
        if (!count.match(parts[0]).hasMatch())
            return Text::tr("The karyotype starts with the count of chromosomes, for example 46.");
        if (parts.size() < 2 || parts[1].isEmpty())
            return Text::tr("The sex chromosomes follow the count after a comma, for example 46,XX.");
        if (!sex.match(parts[1]).hasMatch())
            return Text::tr("\"%1\" is not a sex chromosome complement (X and Y only).").arg(parts[1]);
        for (int i = 2; i < parts.size(); ++i)
            if (parts[i].isEmpty())
                return Text::tr("Two commas with nothing between them.");
        if (text.count(u'(') != text.count(u')'))
            return Text::tr("The parentheses do not close.");
    }
    return {};
}

KaryotypeGrade gradeKaryotype(const QString &given, const QString &truth, int)
{
    KaryotypeGrade grade;
    grade.formFault = karyotypeFormFault(given);
    const QStringList answer = elementsOf(given);
    const QStringList truthElements = elementsOf(truth);
    auto same = [&](int i, const QString &what) {
        const bool right = answer.value(i) == truthElements.value(i);
        grade.elements.push_back({truthElements.value(i), right ? QStringLiteral("right") : QStringLiteral("wrong"),
                                  right ? QString() : Text::tr("The %1 is %2, not %3.").arg(what, truthElements.value(i), answer.value(i))});
    };
    same(0, Text::tr("count"));
    same(1, Text::tr("sex complement"));
    const QSet<QString> given_(answer.begin() + qMin<qsizetype>(2, answer.size()), answer.end());
    const QSet<QString> true_(truthElements.begin() + qMin<qsizetype>(2, truthElements.size()), truthElements.end());
    for (int i = 2; i < truthElements.size(); ++i) {
        const QString &e = truthElements[i];
        if (given_.contains(e))
            grade.elements.push_back({e, QStringLiteral("right"), {}});
        else
            grade.elements.push_back({e, QStringLiteral("missing"), Text::tr("The karyotype does not name this abnormality.")});
    }
    for (int i = 2; i < answer.size(); ++i)
        if (!true_.contains(answer[i]))
            grade.elements.push_back({answer[i], QStringLiteral("extra"), Text::tr("The cell has no such abnormality.")});
    bool allRight = true;
    for (const KaryotypeElement &e : grade.elements)
        allRight = allRight && e.verdict == u"right";
    grade.verdict = allRight ? QStringLiteral("right") : QStringLiteral("wrong");
    return grade;
}

QString abnormalityKind(const QString &truth)
{
    if (truth.contains(u'/'))
        return QStringLiteral("mosaic");
    const QStringList e = elementsOf(truth);
    const QString sex = e.value(1);
    bool sexChange = sex != u"XX" && sex != u"XY";
    bool numerical = false;
    bool structural = false;
    for (int i = 2; i < e.size(); ++i) {
        const QString &a = e[i];
        if (a.contains(u'X') || a.contains(u'Y'))
            sexChange = true;
        else if ((a.startsWith(u'+') || a.startsWith(u'-')) && !a.contains(u'('))
            numerical = true;
        else
            structural = true;
    }
    if (sexChange)
        return QStringLiteral("sex chromosomes");
    if (numerical)
        return QStringLiteral("numerical");
    return structural ? QStringLiteral("structural") : QStringLiteral("normal");
}

} // namespace korven
