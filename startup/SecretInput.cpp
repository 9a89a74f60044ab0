#include "SecretInput.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

QByteArray ReadStandardInput(qsizetype limit)
{
    QByteArray data;
    char buffer[4096];
    while (data.size() <= limit) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        data.append(buffer, qsizetype(n));
    }
    volatile char *p = buffer;
    for (size_t k = 0; k < sizeof buffer; ++k)
        p[k] = 0;
    return data;
}

void WipeBytes(QByteArray &bytes)
{
    if (bytes.isDetached()) {
        volatile char *p = bytes.data(); // volatile: the stores are not dead
        for (qsizetype k = 0; k < bytes.size(); ++k)
            p[k] = 0;
    }
    bytes.clear();
}

void WipeText(QString &text)
{
    if (text.isDetached()) {
        volatile char16_t *p = reinterpret_cast<char16_t *>(text.data());
        for (qsizetype k = 0; k < text.size(); ++k)
            p[k] = 0;
    }
    text.clear();
}

QStringList WithParametersFromInput(const QStringList &parameters, const QByteArray &input)
{
    QStringList out;
    for (const QString &p : parameters) {
        if (p != QLatin1String(ParametersOnStdinSwitch)) {
            out.append(p);
            continue;
        }
        for (QByteArray line : input.split('\n')) {
            if (line.endsWith('\r'))
                line.chop(1);
            if (!line.isEmpty())
                out.append(QString::fromUtf8(line));
            WipeBytes(line);
        }
    }
    return out;
}
