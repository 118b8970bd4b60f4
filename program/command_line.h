#pragma once
// The program's command line: none for a normal start; --help and --version print a short text.
#include <QString>
#include <QStringList>

namespace korven {

inline constexpr const char *ProgramVersion = "1.0.3";

struct CommandLine {
    enum Action { Run, Print, Refuse } action = Run;
    QString text;     // for Print: the text for standard output; for Refuse: the one-line error
    int exitCode = 0; // for Print and Refuse
};

// Reads the arguments after the program's name. `program` names the program in the texts.
CommandLine parseCommandLine(const QString &program, const QStringList &arguments);

} // namespace korven
