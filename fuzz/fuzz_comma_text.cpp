// The comma-text splitter: any line splits, and joining what it split and splitting again gives
// the same fields (the record writer relies on that round trip).
#include "files/comma_text.h"
#include "files/text_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line = korven::fromCp932(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QStringList fields = korven::splitCommaText(line);
    if (!fields.isEmpty() && korven::splitCommaText(korven::joinCommaText(fields)) != fields)
        std::abort();
    return 0;
}
