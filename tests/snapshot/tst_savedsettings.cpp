// The "Saved Settings" window against the simulator: save, a change made
// behind its back with snmpset, the comparison in words, a restore of the
// ticked differences only, then of the rest; each restore is one journal
// entry and the comparison after it shows what still differs.

#include "CvChangeJournal.h"
#include "CvSNMPSession.h"
#include "SimulatorProcess.h"
#include "TSavedSettingsForm.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QString Pen = QStringLiteral("1.3.6.1.4.1.32473");
const QString AgingTime = Pen + QStringLiteral(".11.59.8.2.1.2.5.0");
const QString Vlan1Untagged = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.4.1");
const QString Layer2Control
    = QStringLiteral("Basic Configuration > Device Management > Layer2 Control");
const QString StaticTable = QStringLiteral("VLAN > 802.1Q > 802.1Q VLAN > Static Table");

QStringList lines(const QTreeWidget *tree)
{
    QStringList out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *window = tree->topLevelItem(i);
        out << window->text(0);
        for (int j = 0; j < window->childCount(); ++j)
            out << QStringLiteral("  ") + window->child(j)->text(0);
    }
    return out;
}

int restoreEntries()
{
    int n = 0;
    for (const CvJournalEntry &e : CvChangeJournal::Instance().Entries())
        n += e.window == QLatin1String(RestoreJournalWindow);
    return n;
}

} // namespace

class TstSavedSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void saveCompareRestoreInTheWindow();

private:
    void snmpset(const QStringList &bindings);
    void click(const char *name);
    void waitIdle();

    QTemporaryDir m_dir;
    std::unique_ptr<SimulatorProcess> m_sim;
    std::unique_ptr<TSavedSettingsForm> m_form;
};

void TstSavedSettings::initTestCase()
{
    StartSession(m_dir.path());
    m_sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
    CvSNMPSessionDefaults &s = SessionDefaults();
    s.device.address = m_sim->address();
    s.device.port = m_sim->port();
    s.security.version = 1;
    s.security.readCommunity = QStringLiteral("kestra");
    s.security.writeCommunity = QStringLiteral("marlowe");
}

void TstSavedSettings::snmpset(const QStringList &bindings)
{
    QString error;
    QVERIFY2(m_sim->snmpset(bindings, &error), qPrintable(error));
}

void TstSavedSettings::click(const char *name)
{
    auto *b = m_form->findChild<QPushButton *>(QString::fromLatin1(name));
    QVERIFY(b);
    QVERIFY2(b->isEnabled(), name);
    QTest::mouseClick(b, Qt::LeftButton);
}

void TstSavedSettings::waitIdle()
{
    QTRY_VERIFY_WITH_TIMEOUT(!m_form->IsBusy(), 120000);
}

void TstSavedSettings::saveCompareRestoreInTheWindow()
{
    m_form = std::make_unique<TSavedSettingsForm>(nullptr);
    m_form->show();
    const QString file = m_dir.filePath(QStringLiteral("saved.txt"));
    auto *edit = m_form->findChild<QLineEdit *>(QStringLiteral("FileEdit"));
    QVERIFY(edit);
    QTest::keyClicks(edit, file);
    click("SaveBtn");
    waitIdle();
    QVERIFY(QFile::exists(file));
    auto *status = m_form->findChild<QLabel *>(QStringLiteral("StatusLabel"));
    QVERIFY2(status->text().startsWith(QLatin1String("Saved ")), qPrintable(status->text()));

    // Behind the window's back: a scalar, and port 1:14 leaves VLAN 1's
    // untagged ports.
    QByteArray untagged = QByteArray::fromHex("FFFFFFFFFFFFC000FFFFFF0000000000FFFFFFC0");
    untagged.resize(96, '\0');
    untagged[1] = char(0xFB);
    snmpset({AgingTime, QStringLiteral("i"), QStringLiteral("400"), Vlan1Untagged,
        QStringLiteral("x"), QString::fromLatin1(untagged.toHex())});

    click("CompareSwitchBtn");
    waitIdle();
    auto *differences = m_form->findChild<QTreeWidget *>(QStringLiteral("DifferenceList"));
    QCOMPARE(lines(differences),
        QStringList(
            {Layer2Control, QStringLiteral("  MAC Address Aging Time[10-1000000] 400, was 300"),
                StaticTable, QStringLiteral("  VLAN ID 1: Untagged Ports 1:14 removed")}));

    // The VLAN window unticked: one step, the aging time; the VLAN still
    // differs after it.
    QCOMPARE(differences->topLevelItem(1)->text(0), StaticTable);
    differences->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    QCOMPARE(differences->topLevelItem(1)->child(0)->checkState(0), Qt::Unchecked);
    const int entriesBefore = restoreEntries();
    click("StepsBtn");
    auto *steps = m_form->findChild<QTreeWidget *>(QStringLiteral("StepList"));
    QCOMPARE(steps->topLevelItemCount(), 1);
    QVERIFY2(steps->topLevelItem(0)->text(2).contains(QLatin1String("MAC Address Aging Time")),
        qPrintable(steps->topLevelItem(0)->text(2)));
    click("RestoreBtn");
    waitIdle();
    QCOMPARE(steps->topLevelItem(0)->text(3), QStringLiteral("done"));
    QCOMPARE(lines(differences),
        QStringList({StaticTable, QStringLiteral("  VLAN ID 1: Untagged Ports 1:14 removed")}));
    QVERIFY2(status->text().contains(QLatin1String("Still different from the file: 1")),
        qPrintable(status->text()));
    QCOMPARE(restoreEntries(), entriesBefore + 1);

    // The rest, with the steps shown first; the switch then holds the file.
    click("StepsBtn");
    QCOMPARE(steps->topLevelItemCount(), 1);
    QVERIFY(steps->topLevelItem(0)->text(2).contains(QLatin1String("add ports to Untagged Ports")));
    click("RestoreBtn");
    waitIdle();
    QCOMPARE(lines(differences), QStringList());
    QVERIFY2(status->text().contains(QLatin1String("now holds the file's values")),
        qPrintable(status->text()));
    QCOMPARE(restoreEntries(), entriesBefore + 2);
    const CvJournalEntry &last = CvChangeJournal::Instance().Entries().constLast();
    QCOMPARE(last.window, QString::fromLatin1(RestoreJournalWindow));
    QCOMPARE(last.Objects().size(), 1);
    QVERIFY(last.Objects().first()->label.contains(QLatin1String("Untagged Ports")));

    // Closing the window while it reads stops the read without harm.
    click("CompareSwitchBtn");
    QVERIFY(m_form->IsBusy());
    m_form.reset();
}

QTEST_MAIN(TstSavedSettings)
#include "tst_savedsettings.moc"
