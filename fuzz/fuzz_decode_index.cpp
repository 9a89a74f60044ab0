// Index values decoded from the instance part of OIDs sent by an agent:
// up to three index variables of any index syntax, the last one possibly
// IMPLIED, over an arbitrary suffix. Decoding either fails with -514 or
// takes a prefix of the suffix that, for the exact encodings, the decoded
// value encodes back to.
#include "CvException.h"
#include "CvIndexCodec.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

constexpr qint32 indexSyntaxes[]
    = {1, 2, 3, 4, 5, 6, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76};
constexpr qint32 exactSyntaxes[] = {2, 3, 4, 6, 64, 65, 66, 67, 68, 69, 70, 71, 73, 76};

bool isExact(qint32 syntax)
{
    return std::find(std::begin(exactSyntaxes), std::end(exactSyntaxes), syntax)
        != std::end(exactSyntaxes);
}

// The suffix as text, or built from the bytes: a byte below 0xF0 is one
// sub-identifier, any other starts a 32-bit one in the next four bytes.
QString suffixOf(const uint8_t *data, size_t size, bool binary)
{
    if (!binary)
        return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    CvOid arcs;
    for (size_t k = 0; k < size; ++k) {
        if (data[k] < 0xF0 || k + 4 >= size) {
            arcs.append(data[k]);
        } else {
            arcs.append(quint32(data[k + 1]) << 24 | quint32(data[k + 2]) << 16
                | quint32(data[k + 3]) << 8 | data[k + 4]);
            k += 4;
        }
    }
    return OidToText(arcs);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 5)
        return 0;
    const int indexCount = 1 + data[0] % 3;
    CvSNMPVarList list;
    list.kind = MVT_FMV;
    list.indexCount = indexCount;
    for (int k = 0; k < indexCount; ++k) {
        CvSNMPVariable v;
        v.oid = QStringLiteral("1.3.6.1.4.1.9");
        v.syntax = indexSyntaxes[data[1 + k] % std::size(indexSyntaxes)];
        v.access = AccessNotAccessible | ((data[4] & 1) ? AccessImplied : 0);
        list.vars.append(v);
    }
    QString rest = suffixOf(data + 5, size - 5, data[4] & 2);
    for (int k = 0; k < indexCount; ++k) {
        const auto before = ParseOid(rest);
        QString after;
        try {
            after = DecodeIndex(list, k, rest);
        } catch (const CvException &e) {
            if (e.code() != -514)
                __builtin_trap();
            return 0;
        }
        const auto left = ParseOid(after);
        if (!before || !left || left->size() > before->size())
            __builtin_trap();
        if (isExact(list.Var(k).syntax)) {
            const CvOid taken = before->mid(0, before->size() - left->size());
            if (EncodeIndexOid(list, k) != taken)
                __builtin_trap();
        }
        rest = after;
    }
    return 0;
}
