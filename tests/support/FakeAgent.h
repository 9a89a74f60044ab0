#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QUdpSocket>

#include <vector>

// A tiny SNMPv1/v2c responder, scripted. It understands just enough BER to
// echo the request id and read the bindings asked.
//
// Misbehaving modes answer every request with one binding (an OID they
// choose, value INTEGER 1) for each binding asked, so tests can prove that
// walks end against agents that repeat or go backwards; or they refuse
// every request with noSuchName, echoing the names asked, the error index
// where the test puts it.
//
// Table mode serves one table in lexicographic order: columns `columns`
// under `entry`, rows 1 to `rows`, value column x 1000 + row, a column
// leaving out the rows it lists in `holes`; get-next as any agent, and
// get-bulk as `bulk` says, with tooBig while more repetitions than
// tooBigAbove are asked (0: never) and at most maxBindings bindings in an
// answer (0: no limit).
class FakeAgent : public QObject
{
    Q_OBJECT

public:
    enum class Mode {
        RepeatOid, // always the same OID, below the column asked
        DecreasingOid, // each answer lower than the one before
        NoSuchName, // noSuchName with the error index of setErrorIndex
        Table,
    };
    enum class Bulk {
        Serve,
        Refuse, // genErr
        Drop, // no answer at all
    };
    struct Table
    {
        QList<quint32> entry;
        QList<int> columns;
        int rows = 0;
        QMap<int, QList<int>> holes; // column -> rows it does not have
        Bulk bulk = Bulk::Serve;
        int tooBigAbove = 0;
        int maxBindings = 0;
    };
    struct Asked
    {
        quint8 pdu = 0; // 0xA1 get-next, 0xA5 get-bulk, ...
        int maxRepetitions = 0; // get-bulk only
    };

    FakeAgent(Mode mode, QList<quint32> column);
    explicit FakeAgent(const Table &table);

    quint16 port() const { return m_socket.localPort(); }
    int requests() const { return m_requests; }
    // The error index of a refusal; 1 (the first binding) unless set.
    void setErrorIndex(int index) { m_errorIndex = index; }
    // Every request, in order.
    const QList<Asked> &asked() const { return m_asked; }

signals:
    // A request came; it is answered once the handlers have returned.
    void requestArrived();

private:
    void answer();
    QByteArray tableBindings(quint8 pdu, int maxRepetitions,
        const std::vector<std::vector<quint32>> &names, bool v1, int &status, int &index) const;
    // The first object of the table after oid; empty when there is none.
    std::vector<quint32> next(const std::vector<quint32> &oid) const;

    QUdpSocket m_socket;
    Mode m_mode;
    QList<quint32> m_column;
    Table m_table;
    int m_requests = 0;
    int m_errorIndex = 1;
    QList<Asked> m_asked;
};
