#include "classroom/class_arguments.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace korven {

ClassArguments parseClassArguments(const QStringList &arguments)
{
    ClassArguments parsed;
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            parsed.mode = ClassArguments::Mode::Help;
            return parsed;
        }
        if (argument == QLatin1String("--version")) {
            parsed.mode = ClassArguments::Mode::Version;
            return parsed;
        }
        if (argument == QLatin1String("--csv") || argument == QLatin1String("--trials-csv")
            || argument == QLatin1String("--cases-csv")) {
            if (parsed.mode != ClassArguments::Mode::Window) {
                parsed.error = QCoreApplication::translate("ClassArguments", "Give only one of --csv, --trials-csv and --cases-csv.");
                return parsed;
            }
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty()) {
                parsed.error = QCoreApplication::translate("ClassArguments", "%1 needs the name of the file to write.").arg(argument);
                return parsed;
            }
            parsed.mode = argument == QLatin1String("--csv")          ? ClassArguments::Mode::TableCsv
                          : argument == QLatin1String("--trials-csv") ? ClassArguments::Mode::TrialsCsv
                                                                      : ClassArguments::Mode::CasesCsv;
            parsed.output = arguments.at(++i);
            continue;
        }
        if (argument.startsWith(u'-') && argument.size() > 1) {
            parsed.error = QCoreApplication::translate("ClassArguments", "Unknown option %1.").arg(argument);
            return parsed;
        }
        positional << argument;
    }
    if (positional.size() > 1) {
        parsed.error = QCoreApplication::translate("ClassArguments", "Give at most one Result folder.");
        return parsed;
    }
    parsed.resultFolder = positional.value(0);
    return parsed;
}

QString classUsage()
{
    return QCoreApplication::translate(
        "ClassArguments",
        "Usage: korven-class [RESULT_DIR]\n"
        "       korven-class --csv OUT.csv [RESULT_DIR]\n"
        "       korven-class --trials-csv OUT.csv [RESULT_DIR]\n"
        "       korven-class --cases-csv OUT.csv [RESULT_DIR]\n"
        "       korven-class --help | --version\n"
        "Shows every trainee's progress from the Result folder of KORVEN, or writes it as CSV.\n");
}

bool isInsideFolder(const QString &path, const QString &folder)
{
    // The deepest existing ancestor is resolved, so files not yet written are placed correctly.
    auto resolved = [](const QString &p) {
        QFileInfo info(QDir::cleanPath(QDir::current().absoluteFilePath(p)));
        QStringList rest;
        while (!info.exists() && !info.isRoot() && info.absoluteFilePath() != info.absolutePath()) {
            rest.prepend(info.fileName());
            info = QFileInfo(info.absolutePath());
        }
        QString base = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
        for (const QString &part : rest)
            base += u'/' + part;
        return QDir::cleanPath(base);
    };
    const QString inner = resolved(path);
    const QString outer = resolved(folder);
    return inner == outer || inner.startsWith(outer + u'/');
}

} // namespace korven
