#include "program/command_line.h"
#include <QCoreApplication>

namespace korven {

namespace {

const char *const HelpText = QT_TRANSLATE_NOOP("korven", R"(Usage: korven [--help | --version]

KORVEN, a training program for human karyotyping. Started without arguments it opens
its login window; one copy runs per desktop user.

Files: the bundled problem sets and the help manual are read from the program's folder
(PREFIX/share/korven when installed); each trainee's records are kept in Result/ of
the data folder, which is the program's own folder when run from a folder of its own,
and ~/.local/share/korven ($XDG_DATA_HOME/korven) when installed. Problem sets in the
data folder's Images/ replace bundled ones of the same name.

Environment:
  KORVEN_DATA   another data folder (holding Result/ and optionally Images/), for
                example a class's shared folder; an ID is used by one copy at a time.
)");

} // namespace

CommandLine parseCommandLine(const QString &program, const QStringList &arguments)
{
    CommandLine line;
    if (arguments.isEmpty())
        return line;
    const QString first = arguments.first();
    if (arguments.size() == 1 && (first == QLatin1String("--help") || first == QLatin1String("-h"))) {
        line.action = CommandLine::Print;
        line.text = QCoreApplication::translate("korven", HelpText);
        return line;
    }
    if (arguments.size() == 1 && first == QLatin1String("--version")) {
        line.action = CommandLine::Print;
        line.text = QStringLiteral("%1 %2\n").arg(program, QLatin1String(ProgramVersion));
        return line;
    }
    line.action = CommandLine::Refuse;
    line.exitCode = 2;
    // With a known option first, the fault is what follows it.
    const bool known = first == QLatin1String("--help") || first == QLatin1String("-h")
                       || first == QLatin1String("--version");
    const QString wrong = known ? arguments.at(1) : first;
    line.text = QCoreApplication::translate("korven", "%1: unknown argument '%2' (try '%1 --help')\n").arg(program, wrong);
    return line;
}

} // namespace korven
