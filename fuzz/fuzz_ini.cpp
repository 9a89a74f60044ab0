// Profile files of any contents: parse, look keys up, write and read back.
#include "CvIniDocument.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray contents(reinterpret_cast<const char *>(data), qsizetype(size));
    CvIniDocument doc = CvIniDocument::Parse(contents);
    for (const char *key : {"AgentPort", "Version", "SecurityLevel", "AuthPassword", ""})
        doc.Value(QStringLiteral("Program Information"), QString::fromLatin1(key));
    doc.SetValue(QStringLiteral("\\SOFTWARE\\Corvane\\Modules\\HelpPath"), QStringLiteral("k"),
        QStringLiteral("v"));
    const CvIniDocument back = CvIniDocument::Parse(doc.Serialize());
    if (back.Value(QStringLiteral("\\SOFTWARE\\Corvane\\Modules\\HelpPath"), QStringLiteral("k"))
        != QStringLiteral("v"))
        __builtin_trap();
    return 0;
}
