#include "classroom/class_arguments.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace korven {

ClassArguments parseClassArguments(const QStringList &arguments)
{
    ClassArguments parsed;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption table(QStringLiteral("csv"), {}, QStringLiteral("OUT.csv"));
    const QCommandLineOption trials(QStringLiteral("trials-csv"), {}, QStringLiteral("OUT.csv"));
    const QCommandLineOption cases(QStringLiteral("cases-csv"), {}, QStringLiteral("OUT.csv"));
    parser.addOptions({help, version, table, trials, cases});
    const bool read = parser.parse(QStringList{QStringLiteral("korven-class")} + arguments);
    if (read && parser.isSet(help)) {
        parsed.mode = ClassArguments::Mode::Help;
        return parsed;
    }
    if (read && parser.isSet(version)) {
        parsed.mode = ClassArguments::Mode::Version;
        return parsed;
    }
    if (!read) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty()) { // the parser's only other fault: a value missing at the end
            parsed.error = QCoreApplication::translate("ClassArguments", "%1 needs the name of the file to write.").arg(arguments.last());
            return parsed;
        }
        QString given = QStringLiteral("--") + unknown.first();
        for (const QString &argument : arguments)
            if (argument.startsWith(u'-') && argument.section(u'=', 0, 0).endsWith(u'-' + unknown.first())) {
                given = argument;
                break;
            }
        parsed.error = QCoreApplication::translate("ClassArguments", "Unknown option %1.").arg(given);
        return parsed;
    }
    const struct {
        const QCommandLineOption &option;
        ClassArguments::Mode mode;
    } exports[] = {{table, ClassArguments::Mode::TableCsv},
                   {trials, ClassArguments::Mode::TrialsCsv},
                   {cases, ClassArguments::Mode::CasesCsv}};
    for (const auto &[option, mode] : exports) {
        const QStringList values = parser.values(option);
        if (values.isEmpty())
            continue;
        if (parsed.mode != ClassArguments::Mode::Window || values.size() > 1) {
            parsed.error = QCoreApplication::translate("ClassArguments", "Give only one of --csv, --trials-csv and --cases-csv.");
            return parsed;
        }
        if (values.first().isEmpty()) {
            parsed.error = QCoreApplication::translate("ClassArguments", "%1 needs the name of the file to write.")
                               .arg(QStringLiteral("--") + option.names().first());
            return parsed;
        }
        parsed.mode = mode;
        parsed.output = values.first();
    }
    const QStringList positional = parser.positionalArguments();
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
