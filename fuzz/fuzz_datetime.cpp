// Date-and-time texts: parse, print, and the octets round trip.
#include "CvDateTime.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const CvDateTime dt(text);
    const QString printed = dt.ToText();
    // What ToText prints parses back to the same text.
    if (CvDateTime(printed).ToText() != printed)
        __builtin_trap();
    CvDateTime back;
    if (!back.FromOctets(dt.ToOctets()) || back.ToText() != printed)
        __builtin_trap();
    back.FromOctets(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
