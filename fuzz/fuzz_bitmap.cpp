// The bitmap reader and the tool's header check over arbitrary bytes: neither may crash, and a
// bitmap the reader accepts stays within the size limits.
#include "exercise/bitmap_limits.h"
#include "exercise/errors.h"
#include "exercise/problem_loader.h"
#include "exercise/bmp_check.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)korven::bmp24Fault(bytes.left(54), bytes.size());
    try {
        const QImage image = korven::decodeBitmap24(bytes, QStringLiteral("fuzz.bmp"));
        if (!korven::bitmapSizeAccepted(image.width(), image.height())
            || image.format() != QImage::Format_RGB888)
            std::abort();
    } catch (const korven::KorvenError &) {
    }
    return 0;
}
