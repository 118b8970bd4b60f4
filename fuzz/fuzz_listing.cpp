// The problem listing parser: any bytes give the 46 check values or a clear error.
#include "files/errors.h"
#include "exercise/problem_loader.h"
#include "files/text_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const QStringList values = korven::parseListing(korven::splitTextLines(bytes), QStringLiteral("fuzz.set"));
        if (values.size() < korven::PieceCount)
            std::abort();
    } catch (const korven::KorvenError &error) {
        if (!error.message().contains(QStringLiteral("fuzz.set")))
            std::abort();
    }
    return 0;
}
