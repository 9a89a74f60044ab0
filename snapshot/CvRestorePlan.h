#pragma once

#include "CvChangeJournal.h"
#include "CvSnapshotCompare.h"

#include <QList>
#include <QSet>
#include <QString>

#include <functional>

// Which differences the operator ticked to restore.
struct CvRestoreSelection
{
    bool all = true; // every difference; the sets below are not consulted
    QSet<QString> windows; // menu paths
    QSet<QString> oids; // single values (a row: its status column's OID)
    // Rows the switch holds and the file does not are removed only when
    // ticked; "all" ticks them.
    bool removeRows = true;

    bool Takes(const CvSnapshotDifference &d) const;
};

// What the session reaches the switch through, which a restore changes
// only with a confirmation of its own.
struct CvRestoreGuard
{
    QStringList communities; // this session's read and write communities
    QString securityName; // this session's SNMPv3 user
    // The IP interface rows (their instances) the session's address may
    // live on, and the VLANs (IDs) they sit in.
    QStringList interfaces;
    QList<int> vlans;
};

// The guard of the session defaults: its communities under SNMPv1 and
// v2c, its user under SNMPv3.
CvRestoreGuard SessionRestoreGuard();

// Adds to the guard the IP interface the switch answers host on and the
// VLAN it sits in, from what the switch holds now.
void GuardManagementInterface(CvRestoreGuard &guard, const CvSnapshot &now, const QString &host);

// One set request of a restore.
struct CvRestoreStep
{
    enum class Phase {
        Create, // rows made, with their columns
        Join, // ports added to port lists
        Value, // other values
        Pvid, // a port's VLAN, once the VLAN holds the port
        Leave, // ports removed from port lists
        Remove, // rows removed
    };
    Phase phase = Phase::Value;
    QString window;
    QString text; // "VLAN ID 30: set Untagged Ports to 1:1-12"
    QList<CvJournalObject> objects;
    // Non-empty: why the step needs a confirmation of its own ("it changes
    // the community this session uses").
    QString access;
    // Where it sorts within its phase.
    int tableOrder = 0;
    QString instance;
    int column = 0;

    // "set 1.3.6.1....=value; ..." as the dry run prints it.
    QString Bindings() const;
};

// The ordered sets that make the switch hold the saved values again, for
// the differences selected. Creation before columns, joins before leaves,
// a port's VLAN after its joins, removals last.
QList<CvRestoreStep> PlanRestore(const CvSnapshotComparison &comparison,
    const CvRestoreSelection &selection, const CvRestoreGuard &guard);

// A step a restore leaves out: one that needs a confirmation of its own
// that was not given, or one that depends on such a step.
struct CvLeftOutStep
{
    int step = 0; // index into the plan
    QString why; // "it changes the community this session uses (private)"
};

// The steps to leave out when those that need a confirmation are not
// confirmed, in plan order.
QList<CvLeftOutStep> UnconfirmedSteps(const QList<CvRestoreStep> &steps);

// The outcome of running a plan.
struct CvRestoreResult
{
    int done = 0; // steps the agent took
    int failed = -1; // the step that failed, -1 for none
    QString error;
    bool stopped = false; // stop asked to end it before all were sent
    int entry = 0; // the journal entry of the restore; 0 when nothing was sent
};

// Sends the steps in order through the session defaults, all of them one
// entry of the change journal ("Saved Settings"), each step one request;
// the first that fails stops the rest. report is told of each step as its
// answer comes (index, error text or empty). Each request waits for its
// answer in an event loop, so windows stay live; stop, asked before each
// step, ends the run early (the window that started it was closed).
CvRestoreResult RunRestore(const QList<CvRestoreStep> &steps,
    const std::function<void(int step, const QString &error)> &report = {},
    const std::function<bool()> &stop = {});

inline constexpr const char *RestoreJournalWindow = "Saved Settings";
