#include "PortListText.h"

#include "CvSNMPValue.h"

#include <QStringList>

namespace {

constexpr int PortsPerUnit = PortListText::PortsPerUnit;

bool holdsBit(const QByteArray &octets, int bit)
{
    return bit / 8 < octets.size() && (quint8(octets.at(bit / 8)) & (0x80 >> (bit % 8))) != 0;
}

QString runText(int unit, int first, int last, bool shown)
{
    QString text = QStringLiteral("%1:%2").arg(unit).arg(first);
    if (last > first)
        text += QStringLiteral("-%1").arg(last);
    if (!shown)
        text += QStringLiteral(" (not shown)");
    return text;
}

} // namespace

QString PortListInWords(const QByteArray &octets, const PortShown &shown)
{
    QStringList runs;
    for (int unit = 1; unit <= PortListText::Units; ++unit) {
        int first = 0; // of the run being read, 0 outside one
        bool firstShown = false;
        for (int port = 1; port <= PortsPerUnit + 1; ++port) {
            const bool held
                = port <= PortsPerUnit && holdsBit(octets, (unit - 1) * PortsPerUnit + port - 1);
            const bool isShown = held && (!shown || shown(unit, port));
            if (first > 0 && (!held || isShown != firstShown)) {
                runs.append(runText(unit, first, port - 1, firstShown));
                first = 0;
            }
            if (held && first == 0) {
                first = port;
                firstShown = isShown;
            }
        }
    }
    return runs.join(QStringLiteral(", "));
}

QString PortListInWords(const CvSNMPValue &value)
{
    const QString words = PortListInWords(value.octets().value_or(QByteArray()), PortShown());
    return words.isEmpty() ? QStringLiteral("no ports") : words;
}
