// Arithmetic, comparison and logic texts: any input either evaluates or
// raises the engine's exception, never crashes or recurses without bound.
#include "CvException.h"
#include "CvExpression.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        EvaluateArithmetic(text); // raises only past the nesting bound
    } catch (const CvException &e) {
        if (e.code() != -1)
            __builtin_trap();
    }
    try {
        EvaluateLogic(text);
    } catch (const CvException &) {
    }
    try {
        EvaluateComparison(text);
    } catch (const CvException &) {
    }
    return 0;
}
