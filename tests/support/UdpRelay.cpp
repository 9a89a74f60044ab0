#include "UdpRelay.h"

#include <QNetworkDatagram>

UdpRelay::UdpRelay(quint16 agentPort)
    : m_agentPort(agentPort)
{
    m_front.bind(QHostAddress::LocalHost, 0);
    m_back.bind(QHostAddress::LocalHost, 0);
    QObject::connect(&m_front, &QUdpSocket::readyRead, [this] {
        while (m_front.hasPendingDatagrams()) {
            const QNetworkDatagram d = m_front.receiveDatagram();
            m_client = d.senderAddress();
            m_clientPort = quint16(d.senderPort());
            if (onRequest)
                onRequest(d.data());
            m_back.writeDatagram(d.data(), QHostAddress::LocalHost, m_agentPort);
        }
    });
    QObject::connect(&m_back, &QUdpSocket::readyRead, [this] {
        while (m_back.hasPendingDatagrams()) {
            const QByteArray answer = m_back.receiveDatagram().data();
            m_front.writeDatagram(answer, m_client, m_clientPort);
            if (onAnswer)
                onAnswer(answer);
        }
    });
}
