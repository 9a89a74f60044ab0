#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QUdpSocket>

#include <functional>

// Passes SNMP datagrams between one client and an agent on the loopback
// interface, showing each to the test on its way: what a program really
// sends and is answered.
class UdpRelay
{
public:
    explicit UdpRelay(quint16 agentPort);

    quint16 port() const { return m_front.localPort(); }

    std::function<void(const QByteArray &)> onRequest;
    std::function<void(const QByteArray &)> onAnswer;

private:
    quint16 m_agentPort;
    QUdpSocket m_front, m_back;
    QHostAddress m_client;
    quint16 m_clientPort = 0;
};
