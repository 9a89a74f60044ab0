// Parts of values read at arbitrary offsets by every sub-syntax, written
// back, and read as bits. Reading fails only with the catalogued -518 or
// -519; a part written back as it was read reads the same again.
#include "CvException.h"
#include "CvPartialData.h"
#include "CvValueTexts.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

constexpr qint32 varSyntaxes[]
    = {1, 2, 3, 4, 5, 6, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76};
constexpr qint32 subSyntaxes[] = {1, 2, 3, 4, 5, 6, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75,
    76, 193, 194, 195, 196, 197, 198};
// Syntaxes whose text gives back the octets it was made from (as a
// variable's syntax, and as a part's).
constexpr qint32 exactSyntaxes[] = {2, 3, 4, 6, 64, 65, 66, 67, 68, 69, 70, 71, 73};
constexpr qint32 exactSubSyntaxes[]
    = {2, 3, 4, 64, 65, 66, 67, 68, 69, 70, 71, 73, 194, 195, 197, 198};

template <size_t N> bool contains(const qint32 (&list)[N], qint32 value)
{
    return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

bool expected(const CvException &e)
{
    return e.code() == -518 || e.code() == -519;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    // Addresses come from octets here; no text may reach a name lookup.
    static const bool noLookups = [] {
        SetHostResolver([](const QString &) { return std::optional<QByteArray>(); });
        return true;
    }();
    (void)noLookups;

    const qint32 syntax = varSyntaxes[data[0] % std::size(varSyntaxes)];
    const qint32 sub = subSyntaxes[data[1] % std::size(subSyntaxes)];
    const int offset = int(data[2]) - 8;
    const QByteArray octets(reinterpret_cast<const char *>(data) + 4, qsizetype(size) - 4);

    CvSNMPVarList list;
    CvSNMPVariable v;
    v.oid = QStringLiteral("1.3.6.1.4.1.9");
    v.syntax = syntax;
    v.access = AccessReadWrite;
    try {
        v.value = TextOfOctets(syntax, octets);
    } catch (const CvException &e) {
        if (!expected(e))
            __builtin_trap();
        v.value = QStringLiteral("(NULL)");
    }
    list.vars.append(v);

    try {
        const QString text = PartText(list, 0, offset, sub);
        CvValuePart part;
        part.offset = offset;
        part.subSyntax = sub;
        part.text = text;
        MergeParts(list, 0, {part});
        const bool exact = contains(exactSyntaxes, syntax) && contains(exactSubSyntaxes, sub);
        if (exact && offset >= 0 && text != QLatin1String("(NULL)")
            && PartText(list, 0, offset, sub) != text)
            __builtin_trap();
    } catch (const CvException &e) {
        if (!expected(e))
            __builtin_trap();
    }

    QList<int> bits;
    for (int b = 0; b < 8; ++b) {
        if (data[3] & (1 << b))
            bits.append(b * 37 - 20);
    }
    try {
        BitsOf(list, 0, offset < 0 ? 0 : offset, bits);
    } catch (const CvException &e) {
        if (!expected(e))
            __builtin_trap();
    }
    return 0;
}
