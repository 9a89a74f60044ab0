// Format texts of bound edits: split into specifiers, each read or refused
// with -2 and nothing else.
#include "CvException.h"
#include "CvFormatSpecifier.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString format = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList parts = SplitFormat(format);
    if (CountFormatEdits(format) > parts.size())
        __builtin_trap();
    for (const QString &part : parts) {
        try {
            const CvFormatSpecifier spec = CvFormatSpecifier::Parse(part);
            if (!QByteArray("shiufn").contains(spec.type) || spec.maxLength < 0 || spec.width < 0
                || (spec.type == 'n') != (spec.delimiter != 0) || spec.flags > 7)
                __builtin_trap();
        } catch (const CvException &e) {
            if (e.code() != -2)
                __builtin_trap();
        }
    }
    return 0;
}
