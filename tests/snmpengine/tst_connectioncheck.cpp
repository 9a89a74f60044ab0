#include "CvConnectionCheck.h"
#include "CvSNMPSession.h"
#include "CvSnmpTransport.h"
#include "NetSnmpAgent.h"
#include "SimulatorProcess.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

using Outcome = CvConnectionDiagnosis::Outcome;

// The check's time-out in these tests; the waits leave it ample room.
constexpr int CheckMs = 1000;
constexpr int WaitMs = 15000;

const QString timedOut = QStringLiteral("(SNMPClass) SNMP request timed out!");

} // namespace

class TstConnectionCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { CvSnmpTransport::instance().CloseAll(); }
    void diagnosis_data();
    void diagnosis();
    void cancelRestartAndDestroyWhileWaiting();

private:
    CvSNMPSessionDefaults settings(quint16 port) const;
    std::unique_ptr<SimulatorProcess> m_sim;
    std::unique_ptr<NetSnmpAgent> m_snmpd;
};

void TstConnectionCheck::initTestCase()
{
    QTemporaryDir dir;
    StartSession(dir.path());
    m_sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
    m_snmpd = std::make_unique<NetSnmpAgent>(QStringLiteral("kestra"), QStringLiteral("marlowe"));
    QVERIFY2(m_snmpd->isReady(), qPrintable(m_snmpd->errorText()));
}

// Settings that differ from the process's defaults (port 161, SNMPv1): a
// check that used those would find nothing.
CvSNMPSessionDefaults TstConnectionCheck::settings(quint16 port) const
{
    CvSNMPSessionDefaults s = SessionDefaults();
    s.device.address = QStringLiteral("127.0.0.1");
    s.device.port = port;
    s.security.version = 1;
    s.security.readCommunity = QStringLiteral("kestra");
    return s;
}

void TstConnectionCheck::diagnosis_data()
{
    QTest::addColumn<QString>("agent"); // "sim", "snmpd", or the address itself
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("community");
    QTest::addColumn<QString>("user");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("auth");
    QTest::addColumn<int>("priv");
    QTest::addColumn<QString>("authPass");
    QTest::addColumn<QString>("privPass");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("diagnosis"); // %1 stands for the agent's port
    QTest::addColumn<QString>("catalogued");

    const QString noUser;
    QTest::newRow("stack of this family") << "sim" << 1 << "kestra" << noUser << 0 << 0 << 0 << ""
                                          << "" << Outcome::Reached << ""
                                          << "";
    QTest::newRow("authPriv user") << "sim" << 3 << ""
                                   << "shaaesuser" << 3 << 3 << 4 << "authpass123"
                                   << "privpass123" << Outcome::Reached << ""
                                   << "";
    QTest::newRow("silent agent: wrong community")
        << "sim" << 1 << "wrongcommunity" << noUser << 0 << 0 << 0 << ""
        << "" << Outcome::NoAnswer
        << "No answer from 127.0.0.1 port %1 in 1 s: the address or port may be wrong, an "
           "SNMPv1/v2c agent ignores a wrong community without answering, or a firewall drops SNMP"
        << timedOut;
    QTest::newRow("unknown SNMPv3 user")
        << "sim" << 3 << ""
        << "nobody" << 1 << 1 << 1 << ""
        << "" << Outcome::UnknownUser
        << "The agent does not know the SNMPv3 user nobody: check the user name"
        << "(SNMPv3USM) Unknown SecurityName!";
    QTest::newRow("wrong authentication pass phrase")
        << "sim" << 3 << ""
        << "shauser" << 2 << 3 << 1 << "wrongpass99"
        << "" << Outcome::WrongAuthentication
        << "Authentication failed for user shauser: check the authentication pass phrase and "
           "protocol"
        << "(SNMPv3USM) Authentication failure!";
    QTest::newRow("wrong authentication pass phrase at authPriv")
        << "sim" << 3 << ""
        << "md5desuser" << 3 << 2 << 2 << "wrongpass99"
        << "privpass123" << Outcome::WrongAuthentication
        << "Authentication failed for user md5desuser: check the authentication pass phrase and "
           "protocol"
        << "(SNMPv3USM) Authentication failure!";
    QTest::newRow("wrong privacy pass phrase")
        << "sim" << 3 << ""
        << "shaaesuser" << 3 << 3 << 4 << "authpass123"
        << "wrongpriv99" << Outcome::WrongPrivacy
        << "The privacy pass phrase or protocol does not match (the agent answers authenticated "
           "requests but cannot decrypt)"
        << timedOut;
    QTest::newRow("host name that does not resolve")
        << "nosuch.invalid" << 1 << "kestra" << noUser << 0 << 0 << 0 << ""
        << "" << Outcome::NotResolved
        << "The host name nosuch.invalid does not resolve: check its spelling or use the switch's "
           "IP address"
        << "(CvSNMP++) Invalid IP Address or DNS name!";
    const QString notFamily = QStringLiteral(
        "This agent is not a stack of this switch family: only the standard-MIB windows apply");
    QTest::newRow("not of this family, SNMPv2c")
        << "snmpd" << 1 << "kestra" << noUser << 0 << 0 << 0 << ""
        << "" << Outcome::NotThisFamily << notFamily << "";
    // SNMPv1 ends the unit-table read with an error status, not a value.
    QTest::newRow("not of this family, SNMPv1")
        << "snmpd" << 0 << "kestra" << noUser << 0 << 0 << 0 << ""
        << "" << Outcome::NotThisFamily << notFamily << "";
}

void TstConnectionCheck::diagnosis()
{
    QFETCH(QString, agent);
    QFETCH(int, version);
    QFETCH(QString, community);
    QFETCH(QString, user);
    QFETCH(int, level);
    QFETCH(int, auth);
    QFETCH(int, priv);
    QFETCH(QString, authPass);
    QFETCH(QString, privPass);
    QFETCH(Outcome, outcome);
    QFETCH(QString, diagnosis);
    QFETCH(QString, catalogued);

    const quint16 port = agent == "snmpd" ? m_snmpd->port() : m_sim->port();
    CvSNMPSessionDefaults s = settings(port);
    if (agent != "sim" && agent != "snmpd")
        s.device.address = agent;
    s.security.version = quint8(version);
    s.security.readCommunity = community;
    s.security.securityModel = 3;
    s.security.securityName = user;
    s.security.securityLevel = level;
    s.security.authProtocol = auth;
    s.security.privProtocol = priv;
    s.security.authPassword = authPass;
    s.security.privPassword = privPass;

    CvConnectionCheck check;
    QSignalSpy finished(&check, &CvConnectionCheck::finished);
    QSignalSpy progress(&check, &CvConnectionCheck::progress);
    check.start(s, CheckMs);
    QVERIFY(check.isRunning());
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, WaitMs);
    QVERIFY(!check.isRunning());
    QVERIFY(!progress.isEmpty());
    const auto result = finished.first().first().value<CvConnectionDiagnosis>();
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.diagnosis, diagnosis.contains("%1") ? diagnosis.arg(port) : diagnosis);
    QCOMPARE(result.catalogued, catalogued);
    if (outcome == Outcome::Reached)
        QCOMPARE(result.sysName, QString("trvsim"));
    if (result.answered())
        QVERIFY(!result.sysObjectId.isEmpty());
}

// However the check is left while a request waits, it says finished once
// per start, and an answer that comes later reaches nothing.
void TstConnectionCheck::cancelRestartAndDestroyWhileWaiting()
{
    const CvSNMPSessionDefaults silent = settings(SimulatorProcess::silentPort());

    CvConnectionCheck cancelled;
    QSignalSpy cancelledDone(&cancelled, &CvConnectionCheck::finished);
    cancelled.start(silent, CheckMs);
    cancelled.cancel();
    QCOMPARE(cancelledDone.size(), 1);
    QCOMPARE(
        cancelledDone.first().first().value<CvConnectionDiagnosis>().outcome, Outcome::Cancelled);

    // Started again while it waits: the first start ends cancelled, the
    // second with its own result.
    CvConnectionCheck restarted;
    QSignalSpy restartedDone(&restarted, &CvConnectionCheck::finished);
    restarted.start(silent, CheckMs);
    restarted.start(settings(m_sim->port()), CheckMs);
    QCOMPARE(restartedDone.size(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(restartedDone.size(), 2, WaitMs);
    QCOMPARE(restartedDone.at(1).first().value<CvConnectionDiagnosis>().outcome, Outcome::Reached);

    // Destroyed while it waits, and destroyed by a receiver of its own
    // finished().
    auto *dropped = new CvConnectionCheck;
    dropped->start(silent, CheckMs);
    delete dropped;
    auto *selfDeleting = new CvConnectionCheck;
    QPointer<CvConnectionCheck> watch(selfDeleting);
    connect(selfDeleting, &CvConnectionCheck::finished, selfDeleting,
        [selfDeleting] { delete selfDeleting; });
    selfDeleting->start(silent, CheckMs);
    QTRY_VERIFY_WITH_TIMEOUT(watch.isNull(), WaitMs);

    // The cancelled check's time-out has passed: nothing more came.
    QTest::qWait(CheckMs + 500);
    QCOMPARE(cancelledDone.size(), 1);
    QCOMPARE(restartedDone.size(), 2);
    QCOMPARE(CvSnmpTransport::instance().PendingCount(), 0);
}

QTEST_GUILESS_MAIN(TstConnectionCheck)
#include "tst_connectioncheck.moc"
