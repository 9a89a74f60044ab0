// The Target Address Table window against Net-SNMP's own agent, started by
// the test on a loopback port with a configuration of its own. A row made
// with createAndWait and no parameters name lacks that column, as real
// agents' tables do; the window lists what snmpwalk lists and an Edit
// changes only what the operator typed.
#include "CatalogueRows.h"
#include "CvSNMPSession.h"
#include "FakeMainWindow.h"
#include "GeneratedWindows.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TPanelContainer.h"
#include "TSNMPPanel.h"
#include "WindowWaits.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUdpSocket>

#include <functional>

namespace {
const char agentProgram[] = "/usr/sbin/snmpd";
const char table[] = "1.3.6.1.6.3.12.1.2.1";
enum Column { Timeout = 4, Tags = 6, Params = 7 };

QString implied(const QString &name)
{
    QStringList arcs;
    for (QChar c : name)
        arcs << QString::number(c.unicode());
    return arcs.join('.');
}
} // namespace

class TstRealAgent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void targetAddressesAsTheAgentHoldsThem();

private:
    // Runs one of Net-SNMP's command-line tools against the agent.
    QString tool(const QString &program, const QStringList &arguments);
    // name -> "timeout:tags:params" as snmpwalk reads the table, an
    // absent column as "(NOTDONE)".
    QMap<QString, QString> walked();
    QMap<QString, QString> listed(QTreeWidget *list, const CvFormDescriptor &d);

    QTemporaryDir m_dir;
    QProcess m_agent;
    quint16 m_port = 0;
    FakeMainWindow m_main;
};

void TstRealAgent::initTestCase()
{
    if (!QFile::exists(agentProgram))
        QSKIP("Net-SNMP's agent is not installed (tools/packages.txt lists it)");
    {
        QUdpSocket probe;
        QVERIFY(probe.bind(QHostAddress::LocalHost, 0));
        m_port = probe.localPort();
    }
    QFile conf(m_dir.filePath("snmpd.conf"));
    QVERIFY(conf.open(QIODevice::WriteOnly));
    conf.write(QString("agentaddress udp:127.0.0.1:%1\n"
                       "rocommunity kestra 127.0.0.1\n"
                       "rwcommunity marlowe 127.0.0.1\n")
                   .arg(m_port)
                   .toLatin1());
    conf.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SNMP_PERSISTENT_DIR", m_dir.filePath("persist"));
    m_agent.setProcessEnvironment(env);
    m_agent.setStandardOutputFile(QProcess::nullDevice());
    m_agent.setStandardErrorFile(QProcess::nullDevice());
    m_agent.start(agentProgram, {"-f", "-Lo", "-C", "-c", conf.fileName()});
    QVERIFY(m_agent.waitForStarted(5000));
    bool up = false;
    for (int i = 0; i < 50 && !up; ++i) {
        up = tool("snmpget", {"-v2c", "-c", "kestra", "1.3.6.1.2.1.1.3.0"}).contains("Timeticks");
        if (!up)
            QTest::qWait(100);
    }
    QVERIFY2(up, "the agent does not answer");

    // aaa0 and ccc0 whole; bbb0 made and left waiting without a tag list
    // or parameters name.
    const auto make
        = [this](const QString &name, int status, const QString &address, const QStringList &more) {
              const QString at = "." + implied(name);
              QStringList args {"-v2c", "-c", "marlowe", QString("%1.9%2").arg(table, at), "i",
                  QString::number(status), QString("%1.2%2").arg(table, at), "o", "1.3.6.1.6.1.1",
                  QString("%1.3%2").arg(table, at), "x", address};
              for (qsizetype k = 0; k + 2 < more.size(); k += 3)
                  args << QString("%1.%2%3").arg(table, more[k], at) << more[k + 1] << more[k + 2];
              return !tool("snmpset", args).contains("Error");
          };
    QVERIFY(make("aaa0", 4, "0A5A5A0100A2", {"6", "s", "tagA", "7", "s", "p1"}));
    QVERIFY(make("bbb0", 5, "0A5A5A0200A2", {}));
    QVERIFY(make("ccc0", 4, "0A5A5A0300A2", {"6", "s", "tagC", "7", "s", "p1"}));

    StartSession(m_dir.path());
    RegisterGeneratedWindows();
    MainWindowState::setInstance(&m_main);
    CvSNMPSessionDefaults &s = SessionDefaults();
    s = InitialSessionDefaults();
    s.device.address = "127.0.0.1";
    s.device.port = m_port;
    s.security.version = 1;
    s.security.readCommunity = "kestra";
    s.security.writeCommunity = "marlowe";
}

void TstRealAgent::cleanupTestCase()
{
    if (m_agent.state() == QProcess::NotRunning)
        return;
    m_agent.terminate();
    if (!m_agent.waitForFinished(5000))
        m_agent.kill();
}

QString TstRealAgent::tool(const QString &program, const QStringList &arguments)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SNMP_PERSISTENT_DIR", m_dir.filePath("persist"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program,
        QStringList {"-On", "-OQ", "-Oe", "-r", "0", "-t", "1"} + arguments.mid(0, 3)
            + QStringList {QString("127.0.0.1:%1").arg(m_port)} + arguments.mid(3));
    if (!p.waitForFinished(10000))
        return QString();
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

QMap<QString, QString> TstRealAgent::walked()
{
    QMap<QString, QMap<int, QString>> cells;
    const QString prefix = QString(".%1.").arg(table);
    for (const QString &line :
        tool("snmpwalk", {"-v2c", "-c", "kestra", table}).split('\n', Qt::SkipEmptyParts)) {
        const qsizetype eq = line.indexOf(" = ");
        if (!line.startsWith(prefix) || eq < 0)
            continue;
        QStringList arcs = line.mid(prefix.size(), eq - prefix.size()).split('.');
        const int column = arcs.takeFirst().toInt();
        QString name;
        for (const QString &arc : std::as_const(arcs))
            name += QChar(arc.toInt());
        QString value = line.mid(eq + 3).trimmed();
        if (value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        cells[name][column] = value;
    }
    QMap<QString, QString> rows;
    for (auto it = cells.cbegin(); it != cells.cend(); ++it) {
        QStringList values;
        for (int c : {Timeout, Tags, Params})
            values << it->value(c, "(NOTDONE)");
        rows.insert(it.key(), values.join(':'));
    }
    return rows;
}

QMap<QString, QString> TstRealAgent::listed(QTreeWidget *list, const CvFormDescriptor &d)
{
    const auto columnOf = [&](int var) {
        for (int c = 0; c < list->columnCount(); ++c)
            if (list->headerItem()->text(c) == QString::fromUtf8(d.variables[var].label))
                return c;
        return -1;
    };
    QMap<QString, QString> rows;
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        const QTreeWidgetItem *item = list->topLevelItem(r);
        QStringList values;
        // Variables in table order: the name, then columns 2 to 9.
        for (int c : {Timeout, Tags, Params})
            values << item->text(columnOf(c - 1));
        rows.insert(item->text(columnOf(0)), values.join(':'));
    }
    return rows;
}

void TstRealAgent::targetAddressesAsTheAgentHoldsThem()
{
    const CvFormDescriptor &d = DescriptorAt("SNMP V3 > SNMP Target MIB > Target Address Table");
    auto form = BuildGeneratedWindow(d);
    form->show();
    QVERIFY(WaitIdle(*form));
    QTreeWidget *list = form->tablePanel->listView;
    int nameColumn = -1;
    for (int c = 0; c < list->columnCount(); ++c)
        if (list->headerItem()->text(c) == QString::fromUtf8(d.variables[0].label))
            nameColumn = c;
    QMap<QString, QString> expected = walked();
    QCOMPARE(expected.value("bbb0"), QString("1500::(NOTDONE)"));
    QCOMPARE(listed(list, d), expected);

    // Edit a row: the dialog's defaults, a new time-out typed.
    const auto edit = [&](const QString &name, const QString &timeout,
                          std::function<void(CvBindingList &)> boxes) {
        QTreeWidgetItem *row = nullptr;
        for (int r = 0; r < list->topLevelItemCount(); ++r)
            if (list->topLevelItem(r)->text(nameColumn) == name)
                row = list->topLevelItem(r);
        QVERIFY(row);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
            QPoint(list->visualItemRect(row).left() + 8, list->visualItemRect(row).center().y()));
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            CvBindingList &b = form->Bindings();
            boxes(b);
            qobject_cast<QLineEdit *>(b[Timeout - 1].control)->setText(timeout);
            QTest::mouseClick(dialog->findChild<QPushButton *>("setCheckedButton"), Qt::LeftButton);
            QVERIFY(WaitIdle(*form));
            const QString memo = dialog->findChild<QPlainTextEdit *>("messageMemo")->toPlainText();
            QVERIFY2(memo.contains("Ok!") && !memo.contains("rror"), qPrintable(memo));
            dialog->close();
        });
        QTest::mouseClick(form->Body()->buttonBar->setButton, Qt::LeftButton);
    };
    // The neighbour of the sparse row, every writable box as the dialog
    // ticks it: only its time-out changes on the agent.
    edit("ccc0", "4500", [](CvBindingList &) {});
    expected["ccc0"] = "4500:tagC:p1";
    QCOMPARE(walked(), expected);
    // The sparse row: its missing parameters name is an empty field left
    // out; the agent holds the rest. (A waiting row takes no active status,
    // and this agent refuses an empty tag list: the time-out alone.)
    edit("bbb0", "2500", [](CvBindingList &b) {
        QCOMPARE(qobject_cast<QLineEdit *>(b[Params - 1].control)->text(), QString());
        QVERIFY(!b[Params - 1].includeBox->isChecked());
        QVERIFY(b[Tags - 1].includeBox->isChecked());
        for (CvBoundControl &c : b)
            if (c.includeBox)
                c.includeBox->setChecked(false);
        b[Timeout - 1].includeBox->setChecked(true);
    });
    expected["bbb0"] = "2500::(NOTDONE)";
    QCOMPARE(walked(), expected);
    QCOMPARE(listed(list, d), expected);
    form->close();
}

QTEST_MAIN(TstRealAgent)
#include "tst_realagent.moc"
