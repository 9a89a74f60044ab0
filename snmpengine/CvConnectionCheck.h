#pragma once

#include "CvSNMPSession.h"

#include <QMetaType>
#include <QObject>
#include <QString>

#include <memory>

// Tells whether a switch can be reached with the given settings before any
// window depends on it, and when it cannot, why, in words an operator acts
// on. The steps: the address resolves; the agent answers one get of
// sysObjectID, sysName and sysUpTime (SNMPv3: engine discovery and the
// user's authentication come with it; at authPriv the user is first asked
// for sysUpTime at authNoPriv, so that a get that then times out or draws
// a decryption report is told as a privacy fault, not as an absent agent,
// and every outcome comes within about one time-out); the stack's unit
// table has a row (one get-next).

struct CvConnectionDiagnosis
{
    enum class Outcome {
        Reached, // the agent answered and holds the unit table
        NotResolved, // the host name does not resolve
        NoAnswer, // nothing came back within the time-out
        UnknownUser, // SNMPv3: the agent does not know the user
        WrongAuthentication, // SNMPv3: wrong pass phrase or protocol
        WrongPrivacy, // SNMPv3: authenticated, but the agent cannot decrypt
        NotThisFamily, // the agent answers but holds no unit table
        Refused, // any other error the agent or the library reported
        Cancelled,
    };

    Outcome outcome = Outcome::Cancelled;
    // The diagnosis in words; empty when the switch was reached.
    QString diagnosis;
    // The catalogued text of the request that failed, as a window would
    // show it ("(SNMPClass) SNMP request timed out!"); empty when none.
    QString catalogued;
    // What the agent told about itself, when it answered.
    QString sysName;
    QString sysObjectId;
    QString sysUpTime;

    bool reached() const { return outcome == Outcome::Reached; }
    // Usable for the standard-MIB windows: the agent answered.
    bool answered() const
    {
        return outcome == Outcome::Reached || outcome == Outcome::NotThisFamily;
    }
};
Q_DECLARE_METATYPE(CvConnectionDiagnosis)

class CvConnectionCheck : public QObject
{
    Q_OBJECT

public:
    explicit CvConnectionCheck(QObject *parent = nullptr);
    ~CvConnectionCheck() override;

    // Starts the check of these settings (address, port, version,
    // communities or SNMPv3 user); each try waits timeoutMs, one try only.
    // A check already running is cancelled first (its finished() comes
    // inside this call). The SNMP session must have been started
    // (StartSession). A host name is looked up for at least 5 s, whatever
    // timeoutMs. Of this start, only progress() is emitted before start
    // returns.
    void start(const CvSNMPSessionDefaults &settings, int timeoutMs = 3000);
    // Ends a running check at once: finished() with Cancelled is emitted
    // before cancel returns. Nothing when none runs.
    void cancel();
    bool isRunning() const;

signals:
    // The step under way, for a status line ("Looking up sw1.example",
    // "Asking 10.1.1.1 port 161 for its system name").
    void progress(const QString &step);
    // Emitted exactly once per start, also after cancel; not when the
    // check is destroyed while it runs. A receiver may start the check
    // again or delete it.
    void finished(const CvConnectionDiagnosis &result);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
