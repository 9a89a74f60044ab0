#include "TIPMaskInformationForm.h"

#include "ui_TIPMaskInformationForm.h"

#include "AclVariables.h"
#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"
#include "MainWindowState.h"

namespace {
// Item indexes of the protocol-type box and of the TCP and UDP options.
enum Protocol : int { None, Icmp, Igmp, Tcp, Udp, ProtocolId };
enum PortOption : int { OtherPort, DstPort, SrcPort, DstSrcPort };
} // namespace

TIPMaskInformationForm::TIPMaskInformationForm(QWidget *owner)
    : TAclTableForm(owner)
    , ui(std::make_unique<Ui::TIPMaskInformationForm>())
{
    ui->setupUi(this);
    if (MainWindowState *main = MainWindowState::instance())
        setWindowTitle(QStringLiteral("IP Mask MaskInformation :") + main->AgentAddress());
    connect(ui->BT_Get, &QPushButton::clicked, this, &TAclTableForm::Refresh);
    connect(ui->SetBtn, &QPushButton::clicked, this, &TIPMaskInformationForm::SetBtnClick);
    connect(ui->BT_Add, &QPushButton::clicked, this, &TIPMaskInformationForm::BT_AddClick);
    connect(ui->BT_Delete, &QPushButton::clicked, this, &TIPMaskInformationForm::BT_DeleteClick);
}

TIPMaskInformationForm::~TIPMaskInformationForm() = default;

void TIPMaskInformationForm::FormCreate()
{
    using namespace IpMask;
    Pane pane;
    pane.list = ui->ListView1;
    pane.count = ui->StaticText1;
    pane.status = ui->StatusBar1;
    pane.keys = {ui->IPIDEdit};
    pane.edit = ui->SetBtn;
    pane.add = ui->BT_Add;
    pane.remove = ui->BT_Delete;
    pane.rowStatus = ui->RowStatusComBo;
    pane.edits = {ui->IPIDEdit, ui->IpAddMaskSrcEdit, ui->IpAddMaskDstEdit, ui->TCPUDPSrcMaskEdit,
        ui->TCPUDPDstPortMaskEdit, ui->TCPFlagBitMaskEdit, ui->ProIDMaskEdit};
    CreateTable(IpMaskVars, 1, pane, [this] {
        m_request->BindEdit(Id, QStringLiteral("%i{n1x255l3}"), ui->IPIDEdit);
        m_request->BindComboBox(UseVlan, ui->UseVlanComBo);
        m_request->BindComboBox(MaskState, ui->IpAddMaskStateComboBox);
        m_request->BindEdit(SrcMask, QStringLiteral("%s"), ui->IpAddMaskSrcEdit);
        m_request->BindEdit(DstMask, QStringLiteral("%s"), ui->IpAddMaskDstEdit);
        m_request->BindComboBox(UseDscp, ui->UseDSCPComBo);
        m_request->BindComboBox(ProtocolType, ui->UseProTypeComBo);
        m_request->BindComboBox(IcmpOption, ui->ICMPOptionComBo);
        m_request->BindComboBox(IgmpOption, ui->IGMPOptionComBo);
        m_request->BindComboBox(TcpOption, ui->TCPOptionComBo);
        m_request->BindComboBox(UdpOption, ui->UDPOptionComBo);
        m_request->BindEdit(SrcPortMask, QStringLiteral("%s"), ui->TCPUDPSrcMaskEdit);
        m_request->BindEdit(DstPortMask, QStringLiteral("%s"), ui->TCPUDPDstPortMaskEdit);
        m_request->BindComboBox(TcpFlagBit, ui->TCPFlagBitOptionComBo);
        m_request->BindEdit(TcpFlagBitMask, QStringLiteral("%i"), ui->TCPFlagBitMaskEdit);
        m_request->BindComboBox(ProtocolIdOption, ui->ProOptionComBo);
        m_request->BindEdit(ProtocolIdMask, QStringLiteral("%s"), ui->ProIDMaskEdit);
        m_request->BindComboBox(RowStatus, ui->RowStatusComBo);
        ui->UseVlanComBo->setCurrentIndex(1);
        ui->UseDSCPComBo->setCurrentIndex(1);
        for (QComboBox *first : {ui->IpAddMaskStateComboBox, ui->UseProTypeComBo,
                 ui->ICMPOptionComBo, ui->TCPOptionComBo, ui->UDPOptionComBo})
            first->setCurrentIndex(0);
        for (QComboBox *second :
            {ui->IGMPOptionComBo, ui->TCPFlagBitOptionComBo, ui->ProOptionComBo})
            second->setCurrentIndex(1);
    });
}

bool TIPMaskInformationForm::exclusions(QList<int> &excluded)
{
    using namespace IpMask;
    QList<bool> sent(RowStatus + 1, true);
    const auto drop = [&](int from, int to) {
        for (int i = from; i <= to; ++i)
            sent[i] = false;
    };
    switch (ui->IpAddMaskStateComboBox->currentIndex()) {
    case 0: // other
        drop(SrcMask, DstMask);
        break;
    case 1: // dst-ip-addr
        drop(SrcMask, SrcMask);
        break;
    case 2: // src-ip-addr
        drop(DstMask, DstMask);
        break;
    case 3:
        break;
    default:
        drop(MaskState, DstMask);
    }
    if (ui->TCPOptionComBo->currentIndex() <= OtherPort)
        drop(TcpOption, TcpOption);
    if (ui->UDPOptionComBo->currentIndex() <= OtherPort)
        drop(UdpOption, UdpOption);

    // A port mask goes when the TCP or the UDP option examines that port;
    // the protocol type below still drops both where it has no ports.
    const int protocol = ui->UseProTypeComBo->currentIndex();
    drop(SrcPortMask, DstPortMask);
    for (const int option :
        {ui->TCPOptionComBo->currentIndex(), ui->UDPOptionComBo->currentIndex()}) {
        if (option == DstPort || option == DstSrcPort)
            sent[DstPortMask] = true;
        if (option == SrcPort || option == DstSrcPort)
            sent[SrcPortMask] = true;
    }

    if (ui->TCPFlagBitOptionComBo->currentIndex() != 0)
        drop(TcpFlagBitMask, TcpFlagBitMask);
    if (protocol != ProtocolId || ui->ProOptionComBo->currentIndex() != 0)
        drop(ProtocolIdMask, ProtocolIdMask);

    switch (protocol) {
    case Icmp:
        drop(IgmpOption, ProtocolIdMask);
        if (ui->ICMPOptionComBo->currentIndex() <= 0)
            drop(IcmpOption, IcmpOption);
        break;
    case Igmp:
        drop(IcmpOption, IcmpOption);
        drop(TcpOption, ProtocolIdMask);
        break;
    case Tcp:
        drop(IcmpOption, IgmpOption);
        drop(UdpOption, UdpOption);
        drop(ProtocolIdOption, ProtocolIdMask);
        break;
    case Udp:
        drop(IcmpOption, TcpOption);
        drop(TcpFlagBit, ProtocolIdMask);
        break;
    case ProtocolId:
        drop(IcmpOption, TcpFlagBitMask);
        break;
    default:
        if (protocol < 0)
            drop(ProtocolType, ProtocolType);
        drop(IcmpOption, ProtocolIdMask);
    }
    if (ui->UseVlanComBo->currentIndex() < 0)
        sent[UseVlan] = false;
    if (ui->UseDSCPComBo->currentIndex() < 0)
        sent[UseDscp] = false;

    // Empty mask fields leave the agent's masks alone; filled ones must
    // have the mask's exact size.
    const QList<std::pair<int, QLineEdit *>> masks {{SrcMask, ui->IpAddMaskSrcEdit},
        {DstMask, ui->IpAddMaskDstEdit}, {SrcPortMask, ui->TCPUDPSrcMaskEdit},
        {DstPortMask, ui->TCPUDPDstPortMaskEdit}, {TcpFlagBitMask, ui->TCPFlagBitMaskEdit},
        {ProtocolIdMask, ui->ProIDMaskEdit}};
    for (const auto &[var, edit] : masks) {
        if (!sent[var])
            continue;
        if (edit->text().trimmed().isEmpty()) {
            sent[var] = false;
            continue;
        }
        if (var == SrcPortMask && !HexOf(edit, 2, QStringLiteral("TCP or UDP Srouce Port Mask")))
            return false;
        if (var == DstPortMask
            && !HexOf(edit, 2, QStringLiteral("TCP or UDP Destination Port Mask")))
            return false;
        if (var == ProtocolIdMask && !HexOf(edit, 4, QStringLiteral("Protocol ID Mask")))
            return false;
    }
    if (!Accepted({ui->IpAddMaskSrcEdit, ui->IpAddMaskDstEdit, ui->TCPFlagBitMaskEdit}))
        return false;
    for (int i = 1; i < RowStatus; ++i)
        if (!sent[i])
            excluded.append(i);
    return true;
}

void TIPMaskInformationForm::SetBtnClick()
{
    using namespace IpMask;
    if (!Ready() || !Filled(ui->IPIDEdit, QString::fromLatin1(IdMissing)))
        return;
    if (ui->RowStatusComBo->currentIndex() == RowStatusItem::Destroy) {
        BT_DeleteClick();
        return;
    }
    QList<int> excluded {RowStatus};
    if (Accepted({ui->IPIDEdit}) && exclusions(excluded))
        WriteRow(excluded);
}

void TIPMaskInformationForm::BT_AddClick()
{
    if (!Ready() || !Filled(ui->IPIDEdit, QString::fromLatin1(IdMissing)))
        return;
    if (!Accepted({ui->IPIDEdit}))
        return;
    if (KeysTaken()) {
        RefuseInput(QString::fromLatin1(IdTaken), ui->IPIDEdit);
        return;
    }
    ui->RowStatusComBo->setCurrentIndex(RowStatusItem::CreateAndGo);
    QList<int> excluded;
    if (exclusions(excluded))
        WriteRow(excluded);
}

void TIPMaskInformationForm::BT_DeleteClick()
{
    if (!Ready() || ui->IPIDEdit->text().isEmpty())
        return;
    DeleteRow(IpMask::RowStatus, IpMask::RowStatus + 1);
}
