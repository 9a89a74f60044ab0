#pragma once

#include "SwitchProfile.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// Where remembered secrets live: the desktop's keyring, or a stand-in in
// the tests. Each call answers through its callback, maybe later (the
// keyring is another process); a store destroyed first never calls back.
class SecretStore
{
public:
    // The secrets, or nothing with an empty error when the store holds none
    // for the address, or nothing with the reason.
    using ReadDone = std::function<void(std::optional<SwitchSecrets>, const QString &error)>;
    // An empty error: done.
    using Done = std::function<void(const QString &error)>;

    virtual ~SecretStore() = default;
    virtual void read(const QString &address, ReadDone done) = 0;
    virtual void write(const QString &address, const SwitchSecrets &secrets, Done done) = 0;
    virtual void forget(const QString &address, Done done) = 0;
};

// One switch's secrets as one stored item: a line each, tagged by the
// parameter that hands it over (the secrets hold no line breaks).
QByteArray EncodeSecrets(const SwitchSecrets &secrets);
std::optional<SwitchSecrets> DecodeSecrets(const QByteArray &item);
