#include "SecretStore.h"

QByteArray EncodeSecrets(const SwitchSecrets &secrets)
{
    QByteArray item;
    for (const auto &[tag, text] :
        {std::pair {'R', &secrets.readCommunity}, std::pair {'W', &secrets.writeCommunity},
            std::pair {'A', &secrets.authPassPhrase}, std::pair {'P', &secrets.privPassPhrase}}) {
        item += tag;
        item += text->toUtf8();
        item += '\n';
    }
    return item;
}

std::optional<SwitchSecrets> DecodeSecrets(const QByteArray &item)
{
    SwitchSecrets secrets;
    int found = 0;
    for (const QByteArray &line : item.split('\n')) {
        if (line.isEmpty())
            continue;
        const QString text = QString::fromUtf8(line.mid(1));
        switch (line.front()) {
        case 'R':
            secrets.readCommunity = text;
            break;
        case 'W':
            secrets.writeCommunity = text;
            break;
        case 'A':
            secrets.authPassPhrase = text;
            break;
        case 'P':
            secrets.privPassPhrase = text;
            break;
        default:
            return std::nullopt;
        }
        ++found;
    }
    if (found == 0)
        return std::nullopt;
    return secrets;
}
