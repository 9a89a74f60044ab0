#include "KeyringSecretStore.h"

#include "SecretInput.h"

#include <qt6keychain/keychain.h>

namespace {

const QString Service = QStringLiteral("trv8170ql");

// Jobs are children of the store and delete themselves when done; a store
// destroyed first takes them along, so no callback outlives it.
template <typename Job> Job *makeJob(QObject *store, const QString &address)
{
    auto *job = new Job(Service, store);
    job->setInsecureFallback(false);
    job->setAutoDelete(true);
    job->setKey(address);
    return job;
}

QString reason(const QKeychain::Job *job)
{
    return QStringLiteral("The desktop keyring answered: %1").arg(job->errorString());
}

} // namespace

KeyringSecretStore::KeyringSecretStore(QObject *parent)
    : QObject(parent)
{
}

void KeyringSecretStore::read(const QString &address, ReadDone done)
{
    auto *job = makeJob<QKeychain::ReadPasswordJob>(this, address);
    connect(job, &QKeychain::Job::finished, this, [job, done](QKeychain::Job *) {
        if (job->error() == QKeychain::EntryNotFound)
            return done(std::nullopt, QString());
        if (job->error() != QKeychain::NoError)
            return done(std::nullopt, reason(job));
        QByteArray item = job->binaryData();
        std::optional<SwitchSecrets> secrets = DecodeSecrets(item);
        WipeBytes(item);
        done(secrets, secrets ? QString() : QStringLiteral("The keyring's item is not ours."));
        if (secrets)
            secrets->wipe();
    });
    job->start();
}

void KeyringSecretStore::write(const QString &address, const SwitchSecrets &secrets, Done done)
{
    auto *job = makeJob<QKeychain::WritePasswordJob>(this, address);
    QByteArray item = EncodeSecrets(secrets);
    job->setBinaryData(item);
    WipeBytes(item);
    connect(job, &QKeychain::Job::finished, this, [job, done](QKeychain::Job *) {
        done(job->error() == QKeychain::NoError ? QString() : reason(job));
    });
    job->start();
}

void KeyringSecretStore::forget(const QString &address, Done done)
{
    auto *job = makeJob<QKeychain::DeletePasswordJob>(this, address);
    connect(job, &QKeychain::Job::finished, this, [job, done](QKeychain::Job *) {
        const bool gone
            = job->error() == QKeychain::NoError || job->error() == QKeychain::EntryNotFound;
        done(gone ? QString() : reason(job));
    });
    job->start();
}
