// Delimited number lists: the first byte picks the delimiter.
#include "CvNumList.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QString text
        = QString::fromUtf8(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    CvUNumList u;
    u.delimiter = char(data[0]);
    u.Parse(text);
    if (u.count() != u.CountItems(text))
        __builtin_trap();
    u.AllWithin(1, 4094);
    CvNumList s;
    s.delimiter = char(data[0]);
    s.Parse(text);
    for (int k = 0; k < s.count(); ++k)
        s.IndexOf(s.Item(k));
    return 0;
}
