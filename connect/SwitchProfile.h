#pragma once

#include "CvSNMPSession.h"

#include <QByteArray>
#include <QString>

// One switch as the operator names it in the connect window: what the
// module's configuration file carries. Secrets are kept apart, in
// SwitchSecrets, so that nothing holding a profile can write one to a file.
struct SwitchProfile
{
    QString address;
    quint16 port = 161;
    quint8 version = 1; // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    // The engine's codes: level 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv;
    // protocol 1 none, then those of AuthProtocols and PrivProtocols.
    qint32 securityLevel = 1;
    QString user;
    qint32 authProtocol = 1;
    qint32 privProtocol = 1;
    QString context;
    bool getBulk = true;
    // The desktop keyring holds this switch's secrets.
    bool secretsRemembered = false;

    bool operator==(const SwitchProfile &) const = default;
};

struct SwitchSecrets
{
    QString readCommunity;
    QString writeCommunity;
    QString authPassPhrase;
    QString privPassPhrase;

    void wipe();
    bool operator==(const SwitchSecrets &) const = default;
};

// Net-SNMP derives no key from a pass phrase shorter than this.
inline constexpr int MinPassPhraseLength = 8;

// What keeps this switch from being checked and handed to the module, in
// words the operator acts on; empty when nothing does.
QString ProfileProblem(const SwitchProfile &profile, const SwitchSecrets &secrets);

// The settings the connection check tries: those the module will read.
CvSNMPSessionDefaults CheckSettings(const SwitchProfile &profile, const SwitchSecrets &secrets);

// The module's configuration file of the switch, "ADDRESS.cfg", and its
// contents: port, version, SNMPv3 user, level, protocols and context,
// never a secret.
QString ConfigFileName(const SwitchProfile &profile);
QByteArray ConfigFileContents(const SwitchProfile &profile);

// The secrets as the module's parameters, one a line, for its standard
// input: /R and /W (empty under SNMPv3), then under SNMPv3 /A and /P as
// the level needs them.
QByteArray ParameterInput(const SwitchProfile &profile, const SwitchSecrets &secrets);

// A short line for the list of recent switches.
QString ProfileCaption(const SwitchProfile &profile);
