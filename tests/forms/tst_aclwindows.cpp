// The access-control windows against the simulator: what each write sends,
// checked by reading the agent again, and what is refused before anything
// is sent.
#include "AclVariables.h"
#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"
#include "EnterpriseOid.h"
#include "FakeMainWindow.h"
#include "FormTesting.h"
#include "ListViews.h"
#include "SimulatorProcess.h"
#include "TEthernetInformationRuleForm.h"
#include "TEthernetMaskInformationForm.h"
#include "TIPMaskInformationForm.h"
#include "TIPRuleForm.h"
#include "TIPv6MaskInformationForm.h"
#include "TIPv6RuleForm.h"
#include "TUserMaskInfoForm.h"
#include "WindowTestBed.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

namespace {

template <class T> T *child(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void select(QWidget &window, const QString &caption)
{
    auto *view = child<QTreeWidget>(window, "ListView1");
    QTreeWidgetItem *row = RowWithCaption(view, caption);
    QVERIFY2(row, qPrintable(caption));
    ClickRow(view, row);
}

void choose(QWidget &window, const char *box, const char *text)
{
    auto *combo = child<QComboBox>(window, box);
    combo->setCurrentIndex(combo->findText(QString::fromLatin1(text)));
    QVERIFY2(combo->currentIndex() >= 0, text);
}

// Clicks a button expecting a message box; returns its text.
QString refusal(QWidget &window, const char *button)
{
    QString text;
    AnswerMessageBox(&text);
    child<QPushButton>(window, button)->click();
    return text;
}

// The IP rules by "mask.access".
QMap<QString, QStringList> ipRules()
{
    QMap<QString, QStringList> rules;
    CvSNMPRequest r;
    r.SetVarList(IpRuleVars, MVT_UMV, 2);
    for (bool more = r.Get(true); more; more = r.Get(false)) {
        QStringList values;
        for (int i = 0; i < r.varList.Count(); ++i)
            values.append(r.varList.Var(i).value);
        rules.insert(values.value(0) + "." + values.value(1), values);
    }
    return rules;
}

} // namespace

class TstAclWindows : public QObject, private WindowTestBed
{
    Q_OBJECT

private slots:
    void initTestCase();
    void ipMaskPortMasksFollowTcpOrUdpOption();
    void ethernetMaskRefusesAMissingMaskOfItsState();
    void ruleWithEmptyVlanTickedIsForAnyVlan_data();
    void ruleWithEmptyVlanTickedIsForAnyVlan();
    void ipRuleSendsOnlyTickedAndApplicableColumns();
    void ruleNeedsItsMaskAndGoesWithIt();
    void ipv6RuleSendsTheSameAfterAnAgentError();
    void userMaskSendsFilledChunksOnly();
    void ipv6MaskModifyWantsEveryChoiceAddDoesNot();
};

void TstAclWindows::initTestCase()
{
    const QString why = StartBed();
    QVERIFY2(why.isEmpty(), qPrintable(why));
    PointSessionAt(*m_sim);
}

// Mask 1 examines TCP destination ports. A UDP option left on src-addr
// with a source port mask typed sends that mask too (the TCP or the UDP
// option names the port masks), but not the UDP option; the id is required.
void TstAclWindows::ipMaskPortMasksFollowTcpOrUdpOption()
{
    RunFromMenu<TIPMaskInformationForm>("TIPMaskInformationForm", [&](TIPMaskInformationForm &w) {
        WAIT_IDLE(w);
        QCOMPARE(child<QComboBox>(w, "RowStatusComBo")->currentIndex(), RowStatusItem::CreateAndGo);
        const int packets = AgentPackets();
        QCOMPARE(refusal(w, "BT_Add"), QString(TIPMaskInformationForm::IdMissing));
        QCOMPARE(AgentPackets(), packets + 1);

        select(w, "1");
        QCOMPARE(child<QComboBox>(w, "UseProTypeComBo")->currentText(), QString("tcp"));
        choose(w, "TCPOptionComBo", "dst-addr");
        choose(w, "UDPOptionComBo", "src-addr");
        child<QLineEdit>(w, "TCPUDPSrcMaskEdit")->setText("ABCD");
        child<QLineEdit>(w, "TCPUDPDstPortMaskEdit")->setText("0F0F");
        child<QPushButton>(w, "SetBtn")->click();
        WAIT_IDLE(w);
        const QStringList row = ReadTable(IpMaskVars, MVT_UMV, 1).value("1");
        QCOMPARE(row.value(IpMask::DstPortMask), QString("0F0F"));
        QCOMPARE(row.value(IpMask::SrcPortMask), QString("ABCD"));
        QCOMPARE(row.value(IpMask::UdpOption), QString("other"));
    });
}

// Mask 1 examines destination MACs: an empty or short destination mask is
// refused with nothing sent, and the agent keeps its mask. A new mask of
// one address may leave that mask to the agent; one of both addresses may
// not.
void TstAclWindows::ethernetMaskRefusesAMissingMaskOfItsState()
{
    const auto cleanup
        = qScopeGuard([&] { SnmpSet(*m_sim, PEN_OID(".12.9.1.1.1.8.3"), "i", "6"); });
    RunFromMenu<TEthernetMaskInformationForm>(
        "TEthernetMaskInformationForm", [&](TEthernetMaskInformationForm &w) {
            WAIT_IDLE(w);
            select(w, "1");
            QCOMPARE(
                child<QComboBox>(w, "MacMaskStateComBo")->currentText(), QString("dst-mac-addr"));
            int packets = AgentPackets();
            auto *dst = child<QLineEdit>(w, "MacMaskDstEdit");
            dst->clear();
            QCOMPARE(
                refusal(w, "SetBtn"), QString("Mac Address Mask Destination should not be null."));
            dst->setText("FFFF");
            QCOMPARE(refusal(w, "SetBtn"),
                QString("Mac Address Mask Destination must be 12 hexadecimal digits."));
            QCOMPARE(AgentPackets(), packets + 1);
            QCOMPARE(
                ReadTable(EthernetMaskVars, MVT_UMV, 1).value("1").value(EthernetMask::DstMask),
                QString("FFFFFF000000"));

            child<QPushButton>(w, "BT_Get")->click();
            WAIT_IDLE(w);
            child<QLineEdit>(w, "IDEdit")->setText("3");
            child<QComboBox>(w, "RowStatusComBo")->setCurrentIndex(RowStatusItem::CreateAndGo);
            choose(w, "MacMaskStateComBo", "dst-src-mac-addr");
            child<QLineEdit>(w, "MacAddMaskSourceEdit")->setText("FFFFFFFFFFFF");
            packets = AgentPackets();
            QCOMPARE(
                refusal(w, "BT_Set"), QString("Mac Address Mask Destination should not be null."));
            QCOMPARE(AgentPackets(), packets + 1);

            choose(w, "MacMaskStateComBo", "dst-mac-addr");
            child<QLineEdit>(w, "MacAddMaskSourceEdit")->setText("FFFFFFFFFFFF");
            child<QPushButton>(w, "BT_Set")->click();
            WAIT_IDLE(w);
            const QString bar = child<QStatusBar>(w, "StatusBar1")->currentMessage();
            const QStringList row = ReadTable(EthernetMaskVars, MVT_UMV, 1).value("3");
            QVERIFY2(row.value(EthernetMask::RowStatus) == "active", qPrintable(bar));
            QCOMPARE(row.value(EthernetMask::MaskState), QString("dst-mac-addr"));
            QCOMPARE(row.value(EthernetMask::DstMask), QString("000000000000"));
            QCOMPARE(row.value(EthernetMask::SrcMask), QString("000000000000"));
        });
}

void TstAclWindows::ruleWithEmptyVlanTickedIsForAnyVlan_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("vlanOid");
    QTest::newRow("IP rule") << "TIPRuleForm" << PEN_OID(".12.9.2.2.1.3.1.1");
    QTest::newRow("Ethernet rule")
        << "TEthernetInformationRuleForm" << PEN_OID(".12.9.2.1.1.3.1.1");
}

// Rule 1.1 limited to VLAN "default": its VLAN field ticked and emptied,
// Edit makes the rule one for any VLAN, and leaves the other columns.
void TstAclWindows::ruleWithEmptyVlanTickedIsForAnyVlan()
{
    QFETCH(QString, className);
    QFETCH(QString, vlanOid);
    QVERIFY(SnmpSet(*m_sim, vlanOid, "s", "default"));
    const auto cleanup = qScopeGuard([&] { SnmpSet(*m_sim, vlanOid, "s", ""); });
    const bool ip = className == "TIPRuleForm";
    const CvSNMPVar *vars = ip ? IpRuleVars : EthernetRuleVars;
    const int vlan = ip ? int(IpRule::Vlan) : int(EthernetRule::Vlan);
    const QStringList before = ReadTable(vars, MVT_UMV, 2).value("1");
    QCOMPARE(before.value(vlan), QString("default"));
    const auto body = [&](TAclRuleForm &w) {
        WAIT_IDLE(w);
        select(w, "1");
        auto *edit = child<QLineEdit>(w, ip ? "ApplyVlanEdit" : "VlanRuleEdit");
        QCOMPARE(edit->text(), QString("default"));
        edit->clear();
        child<QCheckBox>(w, "cbxVlan")->setChecked(true);
        child<QPushButton>(w, "EditButton")->click();
        WAIT_IDLE(w);
        const QString bar = child<QStatusBar>(w, "StatusBar1")->currentMessage();
        QStringList after = ReadTable(vars, MVT_UMV, 2).value("1");
        QVERIFY2(after.value(vlan).isEmpty(), qPrintable(bar));
        after[vlan] = before.value(vlan);
        QCOMPARE(after, before);
    };
    if (ip)
        RunFromMenu<TIPRuleForm>("TIPRuleForm", body);
    else
        RunFromMenu<TEthernetInformationRuleForm>("TEthernetInformationRuleForm", body);
}

// Add under IP mask 2 (udp) with only DSCP ticked: DSCP is written, the
// priority columns keep their defaults and the row exists although the row
// status box was not ticked. A deny rule sends no priority; an Edit with
// nothing ticked is refused.
void TstAclWindows::ipRuleSendsOnlyTickedAndApplicableColumns()
{
    RunFromMenu<TIPRuleForm>("TIPRuleForm", [&](TIPRuleForm &w) {
        WAIT_IDLE(w);
        child<QLineEdit>(w, "IPRuleEdit")->setText("2");
        child<QLineEdit>(w, "AccessIDEdit")->setText("7");
        child<QCheckBox>(w, "cbxDscp")->setChecked(true);
        child<QLineEdit>(w, "DSCPEdit")->setText("46");
        child<QLineEdit>(w, "PriorityEdit")->setText("5");
        choose(w, "PriorityComboBox", "enabled");
        child<QComboBox>(w, "RowComboBox")->setCurrentIndex(RowStatusItem::Active);
        child<QPushButton>(w, "AddButton")->click();
        WAIT_IDLE(w);
        QStringList row = ipRules().value("2.7");
        QCOMPARE(row.value(IpRule::Dscp), QString("46"));
        QCOMPARE(row.value(IpRule::EnablePriority), QString("disabled"));
        QCOMPARE(row.value(IpRule::Priority), QString("0"));
        QCOMPARE(row.value(IpRule::RowStatus), QString("active"));
        QCOMPARE(row.value(IpRule::Protocol), QString("udp"));

        select(w, "2");
        const int packets = AgentPackets();
        QCOMPARE(refusal(w, "EditButton"), QString(TAclTableForm::NothingChecked));
        QCOMPARE(AgentPackets(), packets + 1);

        // Deny with the priority ticked: permit goes, priority does not.
        choose(w, "PermitComboBox", "deny");
        QVERIFY(!child<QLineEdit>(w, "PriorityEdit")->isEnabled());
        for (const char *box : {"cbxPermit", "cbxEnablePriority", "cbxPriority"})
            child<QCheckBox>(w, box)->setChecked(true);
        choose(w, "PriorityComboBox", "enabled");
        child<QLineEdit>(w, "PriorityEdit")->setText("6");
        child<QPushButton>(w, "EditButton")->click();
        WAIT_IDLE(w);
        row = ipRules().value("2.7");
        QCOMPARE(row.value(IpRule::Permit), QString("deny"));
        QCOMPARE(row.value(IpRule::EnablePriority), QString("disabled"));
        QCOMPARE(row.value(IpRule::Priority), QString("0"));
    });
}

// A rule under a mask that does not exist is the agent's refusal, shown in
// the status bar; deleting a mask deletes the rules under it.
void TstAclWindows::ruleNeedsItsMaskAndGoesWithIt()
{
    RunFromMenu<TIPRuleForm>("TIPRuleForm", [&](TIPRuleForm &w) {
        WAIT_IDLE(w);
        child<QLineEdit>(w, "IPRuleEdit")->setText("9");
        child<QLineEdit>(w, "AccessIDEdit")->setText("1");
        child<QPushButton>(w, "AddButton")->click();
        WAIT_IDLE(w);
        const QString bar = child<QStatusBar>(w, "StatusBar1")->currentMessage();
        QVERIFY2(bar.contains("nconsistent"), qPrintable(bar));
        QVERIFY(!RowWithCaption(child<QTreeWidget>(w, "ListView1"), "9"));
        QVERIFY(!ipRules().contains("9.1"));
    });
    QVERIFY(ipRules().contains("1.1"));
    RunFromMenu<TIPMaskInformationForm>("TIPMaskInformationForm", [&](TIPMaskInformationForm &w) {
        WAIT_IDLE(w);
        select(w, "1");
        child<QPushButton>(w, "BT_Delete")->click();
        WAIT_IDLE(w);
    });
    QVERIFY(!ReadTable(IpMaskVars, MVT_UMV, 1).contains("1"));
    QVERIFY(!ipRules().contains("1.1"));
}

// An Edit of a rule the agent does not have fails; the flags are back, and
// the same Edit of rule 1.1 sends the ticked class alone. The replace-
// priority check follows its own box.
void TstAclWindows::ipv6RuleSendsTheSameAfterAnAgentError()
{
    RunFromMenu<TIPv6RuleForm>("TIPv6RuleForm", [&](TIPv6RuleForm &w) {
        WAIT_IDLE(w);
        QList<qint32> flags;
        for (const CvSNMPVariable &v : w.Request()->request.varList.vars)
            flags.append(v.access);
        const auto edit = [&](const char *profile) {
            child<QLineEdit>(w, "edtIPv6ProfileID")->setText(profile);
            child<QLineEdit>(w, "edtIPv6AccessID")->setText("1");
            child<QCheckBox>(w, "ckClass")->setChecked(true);
            child<QLineEdit>(w, "edtClass")->setText("9");
            w.EditButtonClick();
            WAIT_IDLE(w);
        };
        edit("7");
        const QString bar = child<QStatusBar>(w, "StatusBar1")->currentMessage();
        QVERIFY2(!bar.contains("Ok!"), qPrintable(bar));
        QList<qint32> after;
        for (const CvSNMPVariable &v : w.Request()->request.varList.vars)
            after.append(v.access);
        QCOMPARE(after, flags);
        edit("1");
        const QStringList row = ReadTable(Ipv6RuleVars, MVT_UMV, 2).value("1");
        QCOMPARE(row.value(Ipv6Rule::Class), QString("9"));
        QCOMPARE(row.value(Ipv6Rule::Port), QString("5"));

        child<QCheckBox>(w, "ckReplacePriority")->setChecked(true);
        child<QComboBox>(w, "cbxReplacePriority")->setCurrentIndex(-1);
        child<QLineEdit>(w, "edtIPv6ProfileID")->setText("1");
        child<QLineEdit>(w, "edtIPv6AccessID")->setText("1");
        QString text;
        AnswerMessageBox(&text);
        w.EditButtonClick();
        QCOMPARE(text, QString("Replace Priority should be chosed."));
    });
}

// Only the third chunk filled: the others keep the agent's values; a chunk
// short of 16 octets is refused.
void TstAclWindows::userMaskSendsFilledChunksOnly()
{
    RunFromMenu<TUserMaskInfoForm>("TUserMaskInfoForm", [&](TUserMaskInfoForm &w) {
        WAIT_IDLE(w);
        select(w, "1");
        for (const char *chunk : {"Edit5", "Edit3", "Edit6", "Edit7"})
            child<QLineEdit>(w, chunk)->clear();
        auto *third = child<QLineEdit>(w, "Edit4");
        third->setText("ABCD");
        QCOMPARE(refusal(w, "OperButton"),
            QString("Filtered Port(s) [32 to 47] must be 32 hexadecimal digits."));
        third->setText("0123456789ABCDEF0123456789ABCDEF");
        child<QPushButton>(w, "OperButton")->click();
        WAIT_IDLE(w);
        const QStringList row = ReadTable(UserMaskVars, MVT_UMV, 1).value("1");
        QCOMPARE(row.value(UserMask::Chunk32), QString("0123456789ABCDEF0123456789ABCDEF"));
        QCOMPARE(row.value(UserMask::Chunk0), QString("FFFFFFFFFFFF00000000000000000000"));
    });
}

// Modify refuses each missing choice and mask in turn, sending nothing; Add
// with nothing chosen sends the id and the status alone.
void TstAclWindows::ipv6MaskModifyWantsEveryChoiceAddDoesNot()
{
    RunFromMenu<TIPv6MaskInformationForm>(
        "TIPv6MaskInformationForm", [&](TIPv6MaskInformationForm &w) {
            WAIT_IDLE(w);
            const int packets = AgentPackets();
            child<QLineEdit>(w, "edtIPv6MaskID")->setText("1");
            const QList<std::pair<QString, std::function<void()>>> steps {
                {TIPv6MaskInformationForm::ChooseClass, [&] { choose(w, "cbxClass", "enable"); }},
                {TIPv6MaskInformationForm::ChooseFlowLabel,
                    [&] { choose(w, "cbxFlowLabel", "disable"); }},
                {TIPv6MaskInformationForm::ChooseState,
                    [&] { choose(w, "cbxIPv6MaskState", "dst-src-ipv6-addr"); }},
                {TIPv6MaskInformationForm::SrcMissing,
                    [&] {
                        child<QLineEdit>(w, "edtIPv6SrcMask")
                            ->setText("FFFFFFFF000000000000000000000000");
                    }},
                {TIPv6MaskInformationForm::DstMissing, [] {}}};
            for (const auto &[message, next] : steps) {
                QString text;
                AnswerMessageBox(&text);
                w.btnModifyClick();
                QCOMPARE(text, message);
                next();
            }
            QCOMPARE(AgentPackets(), packets + 1);
            child<QLineEdit>(w, "edtIPv6MaskID")->setText("3");
            child<QComboBox>(w, "cbxIPv6MaskState")->setCurrentIndex(-1);
            child<QPushButton>(w, "btnAdd")->click();
            WAIT_IDLE(w);
            const QStringList row = ReadTable(Ipv6MaskVars, MVT_UMV, 1).value("3");
            QCOMPARE(row.value(Ipv6Mask::Class), QString("enable"));
            QCOMPARE(row.value(Ipv6Mask::MaskState), QString("other"));
            QCOMPARE(row.value(Ipv6Mask::SrcMask), QString("00000000000000000000000000000000"));
        });
}

QTEST_MAIN(TstAclWindows)
#include "tst_aclwindows.moc"
