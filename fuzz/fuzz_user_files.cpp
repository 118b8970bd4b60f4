// The password and settings readers over arbitrary file contents.
#include "files/errors.h"
#include "files/text_file.h"
#include "users/user_files.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = korven::splitTextLines(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    try {
        (void)korven::passwordFromLines(lines, QStringLiteral("fuzz.pas"));
    } catch (const korven::KorvenError &) {
    }
    try {
        const korven::UserSettings settings = korven::settingsFromLines(lines, QStringLiteral("fuzz.set"));
        if (!std::isfinite(settings.magnification))
            std::abort();
        const int step = korven::loginSizeStep(settings, 0.7f);
        if (step < 7 || step > 13)
            std::abort();
    } catch (const korven::KorvenError &) {
    }
    return 0;
}
