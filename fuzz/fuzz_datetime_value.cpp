// Date-and-time values (DateAndTime and the double date-time) from texts and
// from octets: whatever a text reads as prints to a text that reads back to
// the same print, and short octets read as "(NULL)".
#include "CvEditSplit.h"
#include "CvException.h"
#include "CvValueCodec.h"
#include "CvValueTexts.h"

#include <cstddef>
#include <cstdint>

namespace {

void stablePrint(qint32 syntax, const QString &text)
{
    CvSNMPValue value;
    try {
        value = ValueFromText(syntax, text);
    } catch (const CvException &e) {
        if (e.code() != -518) // a text that is no date-time
            __builtin_trap();
        return;
    }
    const QString printed = TextFromValue(syntax, value);
    if (TextFromValue(syntax, ValueFromText(syntax, printed)) != printed)
        __builtin_trap();
    if (printed == QLatin1String("(NULL)"))
        return;
    const int edits = syntax == 74 ? 10 : 7;
    const auto pieces = SplitForEdits(syntax, printed, edits);
    if (!pieces || JoinEdits(syntax, *pieces) != printed)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const char *bytes = reinterpret_cast<const char *>(data) + 1;
    const qsizetype n = qsizetype(size) - 1;
    switch (data[0] % 3) {
    case 0:
        stablePrint(74, QString::fromUtf8(bytes, n));
        break;
    case 1:
        stablePrint(75, QString::fromUtf8(bytes, n));
        break;
    default:
        for (qint32 syntax : {72, 74, 75}) {
            const QString text = TextFromValue(
                syntax, CvSNMPValue::FromOctets(CvSNMPValue::OctetString, QByteArray(bytes, n)));
            const qsizetype width = syntax == 74 ? 11 : 8;
            if (n < width && text != QLatin1String("(NULL)"))
                __builtin_trap();
        }
        break;
    }
    return 0;
}
