#include "forms/korven_application.h"

#include "program/language.h"
#include "forms/messages.h"
#include "forms/program_icon.h"
#include "files/errors.h"

#include <QFont>

namespace korven::ui {

KorvenApplication::KorvenApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool KorvenApplication::notify(QObject *receiver, QEvent *event)
{
    bool result = false;
    guarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}

void installFonts()
{
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("DejaVu Sans"));
}

void setUpProgramLook()
{
    QApplication::setApplicationName(QStringLiteral("KORVEN"));
    installTranslations(languageFromEnvironment());
    installFonts();
    QApplication::setWindowIcon(programIcon());
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(12);
    QApplication::setFont(font);
}

bool guarded(const std::function<void()> &f)
{
    try {
        f();
        return true;
    } catch (const KorvenError &e) {
        reportError(e.message());
    } catch (const std::exception &e) {
        reportError(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

} // namespace korven::ui
