// Sessions of any contents, as a view program reads them from its standard
// input: parse; what parses writes back to the same session.
#include "ViewSession.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const std::optional<ViewSession> session = ViewSession::FromJson(json, &error);
    if (!session)
        return 0;
    const QByteArray written = session->ToJson();
    const std::optional<ViewSession> back = ViewSession::FromJson(written);
    if (!back || back->ToJson() != written)
        __builtin_trap();
    return 0;
}
