// KORVEN: a training program for human karyotyping.
#include "app/language.h"
#include "app/ui/korven_application.h"
#include "app/ui/program_icon.h"
#include "app/ui/window_set.h"

#include <QDir>
#include <QFont>
#include <QLockFile>

int main(int argc, char *argv[])
{
    // One instance at a time: a second start ends at once with exit code 1, showing nothing.
    // A lock left behind by a crashed instance is detected as stale (its process is gone).
    QLockFile lock(QDir::temp().filePath(QStringLiteral("ApplicationTitle")));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0))
        return 1;

    korven::ui::KorvenApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KORVEN"));
    app.setProperty("helpFile", QStringLiteral("./HELP.HLP"));
    // The desktop's language (or KORVEN_LANG) picks the interface texts before any window exists.
    korven::installTranslations(korven::languageFromEnvironment());
    korven::ui::installFonts();
    QApplication::setWindowIcon(korven::ui::programIcon());
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(12);
    QApplication::setFont(font);

    if (!korven::ui::guarded([] { korven::ui::createWindowSet(); }))
        return 0;
    korven::ui::guarded([] { korven::ui::showFirstWindow(); });
    const int code = app.exec();
    korven::ui::destroyWindowSet();
    return code;
}
