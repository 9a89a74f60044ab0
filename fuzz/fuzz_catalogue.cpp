// Catalogue files of any contents: parsed into a table whose every entry
// can be read, without overflow on long lines or odd bytes.
#include "CvCatalogues.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray contents(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = CvMessageTable::ParseCatalogue(contents);
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty() && !line.isEmpty() && line.size() == line.trimmed().size())
            __builtin_trap();
    }
    for (int code : {0, -1, -102, -405, -509, -528})
        MessageOf(code);
    FillStatusTemplate(lines.value(0), QStringLiteral("e"), QString(), QTime(1, 2, 3));
    return 0;
}
