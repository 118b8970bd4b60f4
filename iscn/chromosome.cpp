#include "iscn/chromosome.h"

namespace korven::iscn {

int chromosomeIndex(QStringView name)
{
    if (name == u"X")
        return ChromosomeX;
    if (name == u"Y")
        return ChromosomeY;
    if (name.isEmpty() || name.size() > 2 || name.front() == u'0')
        return -1;
    int number = 0;
    for (const QChar c : name) {
        if (c < u'0' || c > u'9')
            return -1;
        number = number * 10 + (c.unicode() - u'0');
    }
    return number >= 1 && number <= 22 ? number - 1 : -1;
}

QString chromosomeName(int index)
{
    if (index >= 0 && index < 22)
        return QString::number(index + 1);
    if (index == ChromosomeX)
        return QStringLiteral("X");
    if (index == ChromosomeY)
        return QStringLiteral("Y");
    return index == MarkerPlace ? QStringLiteral("mar") : QString();
}

bool isSexChromosome(QStringView name)
{
    return name == u"X" || name == u"Y";
}

bool isAcrocentric(int index)
{
    return index == 12 || index == 13 || index == 14 || index == 20 || index == 21;
}

int chromosomeRank(QStringView name)
{
    const int index = chromosomeIndex(name);
    if (index < 0)
        return 100;
    return index >= ChromosomeX ? index - ChromosomeX : index + 2;
}

QChar sizeGroup(int index)
{
    if (index == ChromosomeX)
        return u'C';
    if (index == ChromosomeY)
        return u'G';
    if (index < 0 || index > 21)
        return u' ';
    static const char groups[] = "AAABBCCCCCCCDDDEEEFFGG";
    return QLatin1Char(groups[index]);
}

const std::vector<std::vector<int>> &karyogramRows()
{
    static const std::vector<std::vector<int>> rows = [] {
        const auto range = [](int from, int to) {
            std::vector<int> r;
            for (int number = from; number <= to; ++number)
                r.push_back(number - 1);
            return r;
        };
        std::vector<int> last = range(19, 22);
        last.insert(last.end(), {ChromosomeX, ChromosomeY, MarkerPlace});
        return std::vector<std::vector<int>>{range(1, 5), range(6, 12), range(13, 18), last};
    }();
    return rows;
}

} // namespace korven::iscn
