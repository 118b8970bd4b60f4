// The karyotype reader: any text is read or refused without a crash; what is read writes a normal
// form that reads back to itself, every fault and note points into the text, and a karyotype
// compared with itself is right, or near when it has faults of form.
#include "iscn/karyotype.h"

#include <cstdlib>

using namespace korven::iscn;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const Reading reading = readKaryotype(text);
    for (const Fault &fault : reading.faults) {
        if (fault.message.isEmpty() || fault.position < -1 || fault.position > text.size())
            std::abort();
    }
    for (const TypingNote &note : reading.notes) {
        if (note.message.isEmpty() || note.position < 0 || note.position >= text.size())
            std::abort();
    }
    if (!reading.karyotype)
        return 0;
    for (const CellLine &line : reading.karyotype->lines) {
        for (const Abnormality &abnormality : line.abnormalities) {
            if (!wellFormed(abnormality))
                std::abort();
        }
    }
    const QString normal = normalForm(*reading.karyotype);
    const auto again = parseKaryotype(normal);
    if (!again || normalForm(*again) != normal)
        std::abort();
    const Comparison self = compareKaryotypes(*reading.karyotype, *reading.karyotype, 550);
    if (self.verdict != (self.formFaults.isEmpty() ? Verdict::Right : Verdict::Near))
        std::abort();
    return 0;
}
