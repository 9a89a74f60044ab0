// What the connect window hands the module, read back by the module's own
// parameter loop: the file and the input lines give exactly the settings
// the check tried, and secrets the loop would misread are refused first.
#include "SecretInput.h"
#include "StartupParameters.h"
#include "SwitchProfile.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(SwitchProfile)
Q_DECLARE_METATYPE(SwitchSecrets)

namespace {

// The settings a request copies, one field a line, for comparison.
QStringList described(const CvSNMPSessionDefaults &d)
{
    const CvSNMPSecurity &s = d.security;
    return {d.device.address, QString::number(d.device.port), QString::number(s.version),
        s.readCommunity, s.writeCommunity, QString::number(s.securityModel),
        QString::number(s.securityLevel), s.securityName, s.authPassword, s.privPassword,
        QString::number(s.authProtocol), QString::number(s.privProtocol), d.scope.contextName,
        d.scope.contextEngineId, QString::number(d.getBulk)};
}

SwitchProfile v3(qint32 level, qint32 auth = 1, qint32 priv = 1)
{
    SwitchProfile p;
    p.address = QStringLiteral("switch.example.org");
    p.port = 1161;
    p.version = 3;
    p.securityLevel = level;
    p.user = QStringLiteral("ops");
    p.authProtocol = auth;
    p.privProtocol = priv;
    p.context = QStringLiteral("vlan 2");
    return p;
}

} // namespace

class TstHandover : public QObject
{
    Q_OBJECT

private slots:
    void moduleReadsWhatWasChecked_data();
    void moduleReadsWhatWasChecked();
};

void TstHandover::moduleReadsWhatWasChecked_data()
{
    QTest::addColumn<SwitchProfile>("profile");
    QTest::addColumn<SwitchSecrets>("secrets");
    QTest::addColumn<QString>("problem");

    SwitchProfile v2c;
    v2c.address = QStringLiteral("10.1.1.1");
    QTest::newRow("SNMPv2c") << v2c << SwitchSecrets {"rd-comm", "wr/Wcomm", {}, {}} << QString();
    SwitchProfile v1 = v2c;
    v1.version = 0;
    v1.getBulk = false;
    QTest::newRow("SNMPv1, get-next") << v1 << SwitchSecrets {"rd comm", "", {}, {}} << QString();
    QTest::newRow("noAuthNoPriv") << v3(1) << SwitchSecrets() << QString();
    QTest::newRow("authNoPriv SHA-512")
        << v3(2, 7) << SwitchSecrets {{}, {}, "auth/Pphrase", {}} << QString();
    // A switch the loop tests after a secret's own may stand in it.
    QTest::newRow("authPriv AES-256")
        << v3(3, 3, 21) << SwitchSecrets {{}, {}, "auth/a/p pass", "priv/a/p pass"} << QString();
    QTest::newRow("authPriv DES") << v3(3, 2, 2) << SwitchSecrets {{}, {}, "12345678", "87654321"}
                                  << QString();

    // Lines the loop would take for another switch, and what no key comes of.
    QTest::newRow("write community holding /R")
        << v2c << SwitchSecrets {"ro", "rw/Rx", {}, {}} << "write community cannot contain";
    QTest::newRow("read community holding /I")
        << v2c << SwitchSecrets {"a/Ib", "rw", {}, {}} << "read community cannot contain";
    QTest::newRow("pass phrase holding /v")
        << v3(2, 3) << SwitchSecrets {{}, {}, "pass/v3word", {}} << "cannot contain \u201c/v\u201d";
    QTest::newRow("privacy pass phrase holding /A")
        << v3(3, 3, 4) << SwitchSecrets {{}, {}, "12345678", "pass/Aword"} << "cannot contain";
    QTest::newRow("line break") << v3(2, 3) << SwitchSecrets {{}, {}, "pass\n/v3word", {}}
                                << "cannot contain control characters";
    QTest::newRow("short pass phrase")
        << v3(3, 3, 4) << SwitchSecrets {{}, {}, "12345678", "1234567"} << "at least 8";
    SwitchProfile path = v2c;
    path.address = QStringLiteral("../x");
    QTest::newRow("address naming another file")
        << path << SwitchSecrets {"ro", "rw", {}, {}} << "no address";
}

void TstHandover::moduleReadsWhatWasChecked()
{
    QFETCH(SwitchProfile, profile);
    QFETCH(SwitchSecrets, secrets);
    QFETCH(QString, problem);
    const QString found = ProfileProblem(profile, secrets);
    if (!problem.isEmpty()) {
        QVERIFY2(found.contains(problem), qPrintable(found));
        return;
    }
    QCOMPARE(found, QString());

    QTemporaryDir dir;
    QFile cfg(dir.filePath(ConfigFileName(profile)));
    QVERIFY(cfg.open(QIODevice::WriteOnly));
    cfg.write(ConfigFileContents(profile));
    cfg.close();
    const QStringList parameters = WithParametersFromInput(
        {"/I" + profile.address, ParametersOnStdinSwitch}, ParameterInput(profile, secrets));
    StartupState state;
    CvSNMPSessionDefaults module = InitialSessionDefaults();
    ApplyParameters(parameters, dir.path() + "/", state, module);
    QVERIFY(state.ConfigFound);
    QCOMPARE(described(module), described(CheckSettings(profile, secrets)));
    // The file holds no secret.
    QFile written(cfg.fileName());
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray contents = written.readAll();
    for (const QString &secret : {secrets.readCommunity, secrets.writeCommunity,
             secrets.authPassPhrase, secrets.privPassPhrase})
        QVERIFY2(secret.isEmpty() || !contents.contains(secret.toUtf8()), qPrintable(secret));
}

QTEST_GUILESS_MAIN(TstHandover)
#include "tst_handover.moc"
