#pragma once

#include "CvSnapshot.h"

#include <QObject>
#include <QString>

#include <memory>

class CvSNMPRequest;
struct CvSNMPError;
class CvSNMPVarList;

// Reads a switch's settings into a snapshot through the session defaults:
// the header's objects, then every table of the catalogue (walked, with
// get-bulk under SNMPv2c and v3) and every scalar group, one request at a
// time. It runs from the event loop: Start returns at once, Progress tells
// how far it got, Finished ends it; Cancel stops it between two answers.
// A window may own it and be closed while it reads.
class CvSnapshotReader : public QObject
{
    Q_OBJECT

public:
    explicit CvSnapshotReader(QObject *parent = nullptr);
    ~CvSnapshotReader() override;

    // secrets: read communities, keys, pass phrases and passwords too.
    void Start(bool secrets);
    void Cancel();
    bool IsBusy() const { return m_busy; }

    const CvSnapshot &Result() const { return m_snapshot; }
    // Why it did not finish; empty when it did.
    const QString &Error() const { return m_error; }

signals:
    // done of total tables read; the window being read now.
    void Progress(int done, int total, const QString &window);
    void Finished(bool ok);

private:
    void readHeader();
    void readUnits();
    void unitStep(const CvSNMPError &error, CvSNMPVarList &list);
    void nextTable();
    void tableStep(const CvSNMPError &error, CvSNMPVarList &list);
    void takeRow(const CvSNMPVarList &list);
    void finish(const QString &error);

    std::unique_ptr<CvSNMPRequest> m_request;
    // The request of a read that has finished: finish() runs inside its
    // completion, so it is let go from the event loop, or by the reader's
    // end, whichever comes first.
    std::unique_ptr<CvSNMPRequest> m_finished;
    bool m_inFinish = false; // Finished is being emitted
    CvSnapshot m_snapshot;
    QString m_error;
    bool m_secrets = false;
    bool m_busy = false;
    bool m_cancelled = false;
    int m_table = -1;
    int m_rowsOfTable = 0;
};
