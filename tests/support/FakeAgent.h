#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QUdpSocket>

// A tiny SNMPv1/v2c responder that misbehaves on purpose: it answers every
// request with one binding (an OID it chooses, value INTEGER 1) for each
// binding asked, so tests can prove that walks end against agents that
// repeat or go backwards; or it refuses every request with noSuchName,
// echoing the names asked, its error index where the test puts it. It
// understands just enough BER to echo the version and request id.
class FakeAgent : public QObject
{
    Q_OBJECT

public:
    enum class Mode {
        RepeatOid, // always the same OID, below the column asked
        DecreasingOid, // each answer lower than the one before
        NoSuchName, // noSuchName with the error index of setErrorIndex
    };

    FakeAgent(Mode mode, QList<quint32> column);

    quint16 port() const { return m_socket.localPort(); }
    int requests() const { return m_requests; }
    // The error index of a refusal; 1 (the first binding) unless set.
    void setErrorIndex(int index) { m_errorIndex = index; }

private:
    void answer();

    QUdpSocket m_socket;
    Mode m_mode;
    QList<quint32> m_column;
    int m_requests = 0;
    int m_errorIndex = 1;
};
