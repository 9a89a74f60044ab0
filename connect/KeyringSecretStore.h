#pragma once

#include "SecretStore.h"

#include <QObject>

// The desktop's keyring (the Secret Service, KWallet) through QtKeychain:
// one item per switch, under the service "trv8170ql" and the switch's
// address. QtKeychain's plain-text fallback stays off: without a keyring
// nothing is remembered.
class KeyringSecretStore : public QObject, public SecretStore
{
    Q_OBJECT

public:
    explicit KeyringSecretStore(QObject *parent = nullptr);

    void read(const QString &address, ReadDone done) override;
    void write(const QString &address, const SwitchSecrets &secrets, Done done) override;
    void forget(const QString &address, Done done) override;
};
