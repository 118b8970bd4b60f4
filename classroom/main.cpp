// korven-class: the teacher's overview of a class's trials, from the Result folder KORVEN writes.
// With --csv or --trials-csv it writes a CSV file and needs no display.
#include "app/command_line.h"
#include "app/language.h"
#include "app/program_folder.h"
#include "app/ui/korven_application.h"
#include "app/ui/program_icon.h"
#include "classroom/class_command.h"
#include "classroom/ui/class_window.h"
#include "files/console.h"
#include "files/file_errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>

#include <cstdio>

namespace {

// Where the truth of a case record written before it was kept is looked up: the Cases folder
// beside the class's Result folder, then the program's own.
QStringList classCasesFolders(const QString &resultFolder)
{
    return QStringList{QDir(resultFolder).absoluteFilePath(QStringLiteral("../Cases"))} + korven::casesFolders();
}

} // namespace

int main(int argc, char *argv[])
{
    korven::fs::attachStartingConsole();
    korven::ignoreFileSizeSignal();
    korven::ClassArguments parsed;
    {
        // The usage, the argument faults and the CSV export speak the interface language and
        // need no display; the window's application takes the translation over below.
        QCoreApplication early(argc, argv);
        korven::installTranslations(korven::languageFromEnvironment());
        // Qt's own arguments are the system's wide-character ones on Windows, whatever the code page.
        parsed = korven::parseClassArguments(early.arguments().mid(1));
        if (parsed.mode == korven::ClassArguments::Mode::Help) {
            std::fputs(korven::classUsage().toLocal8Bit().constData(), stdout);
            return 0;
        }
        if (parsed.mode == korven::ClassArguments::Mode::Version) {
            std::printf("korven-class %s\n", korven::ProgramVersion);
            return 0;
        }
        if (!parsed.error.isEmpty()) {
            std::fprintf(stderr, "korven-class: %s\n", parsed.error.toLocal8Bit().constData());
            return 1;
        }
        if (parsed.mode != korven::ClassArguments::Mode::Window) {
            const QString folder = parsed.resultFolder.isEmpty() ? korven::resultFolder() : parsed.resultFolder;
            return korven::runClassExport(parsed, folder, classCasesFolders(folder), stderr);
        }
        korven::removeTranslations();
    }

    korven::ui::KorvenApplication app(argc, argv);
    korven::ui::setUpProgramLook();

    korven::ui::ClassWindow window;
    window.setCasesFolders(classCasesFolders(parsed.resultFolder.isEmpty() ? korven::resultFolder() : parsed.resultFolder));
    window.show();
    korven::ui::guarded([&] {
        window.openFolder(parsed.resultFolder.isEmpty() ? korven::resultFolder() : parsed.resultFolder);
    });
    return app.exec();
}
