#include "exercise/catalogue.h"

#include <QDir>
#include <QFileInfo>

namespace korven {

const QStringList &catalogueNames()
{
    // 'F' for the female stem, 'M' for the male one, then the number.
    struct Entry {
        char stem;
        int number;
    };
    static const Entry entries[] = {
        {'F', 10}, {'F', 22}, {'F', 39}, {'F', 4},  {'M', 20}, {'F', 43}, {'F', 21}, {'M', 57},
        {'F', 32}, {'M', 23}, {'M', 7},  {'M', 18}, {'M', 54}, {'M', 13}, {'M', 6},  {'M', 36},
        {'M', 16}, {'M', 47}, {'F', 52}, {'M', 40}, {'M', 25}, {'F', 33}, {'F', 56}, {'M', 41},
        {'F', 3},  {'M', 45}, {'F', 26}, {'F', 37}, {'M', 35}, {'F', 28}, {'M', 9},  {'F', 27},
        {'M', 48}, {'F', 51}, {'F', 46}, {'M', 55}, {'F', 17}, {'M', 29}, {'M', 30}, {'M', 1},
        {'M', 50}, {'M', 12}, {'M', 24}, {'F', 44}, {'M', 2},  {'M', 31}, {'F', 49}, {'M', 38},
    };
    static const QStringList names = [] {
        QStringList list;
        for (const Entry &e : entries)
            list << (e.stem == 'F' ? FemaleStem : MaleStem) + QString::number(e.number);
        return list;
    }();
    return names;
}

QStringList availableProblems(const QString &imagesFolder)
{
    return availableProblems(QStringList{imagesFolder});
}

QStringList availableProblems(const QStringList &imagesFolders)
{
    QStringList present;
    for (const QString &name : catalogueNames()) {
        for (const QString &folder : imagesFolders) {
            if (QFileInfo(QDir(folder).filePath(name)).isDir()) {
                present << name;
                break;
            }
        }
    }
    return present;
}

QStringList problemNumbers(int n)
{
    QStringList numbers;
    for (int i = 1; i <= n; ++i)
        numbers << QString::asprintf("%.3d", i);
    return numbers;
}

bool isFemaleProblem(const QString &name)
{
    return name.contains(QStringLiteral("女"));
}

std::array<int, 500> identityProblemOrder(int n)
{
    std::array<int, 500> order;
    order.fill(-1);
    for (int i = 0; i < n && i < int(order.size()); ++i)
        order[i] = i;
    return order;
}

} // namespace korven
