#include "TEthernetMaskInformationForm.h"

#include "ui_TEthernetMaskInformationForm.h"

#include "AclVariables.h"
#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"
#include "MainWindowState.h"

TEthernetMaskInformationForm::TEthernetMaskInformationForm(QWidget *owner)
    : TAclTableForm(owner)
    , ui(std::make_unique<Ui::TEthernetMaskInformationForm>())
{
    ui->setupUi(this);
    if (MainWindowState *main = MainWindowState::instance())
        setWindowTitle(QStringLiteral("Ethernet Mask Information :") + main->AgentAddress());
    connect(ui->BT_Get, &QPushButton::clicked, this, &TAclTableForm::Refresh);
    connect(ui->SetBtn, &QPushButton::clicked, this, &TEthernetMaskInformationForm::SetBtnClick);
    connect(ui->BT_Set, &QPushButton::clicked, this, &TEthernetMaskInformationForm::BT_SetClick);
    connect(
        ui->BT_Delete, &QPushButton::clicked, this, &TEthernetMaskInformationForm::BT_DeleteClick);
}

TEthernetMaskInformationForm::~TEthernetMaskInformationForm() = default;

void TEthernetMaskInformationForm::FormCreate()
{
    using namespace EthernetMask;
    Pane pane;
    pane.list = ui->ListView1;
    pane.count = ui->StaticText1;
    pane.status = ui->StatusBar1;
    pane.keys = {ui->IDEdit};
    pane.edit = ui->SetBtn;
    pane.add = ui->BT_Set;
    pane.remove = ui->BT_Delete;
    pane.rowStatus = ui->RowStatusComBo;
    pane.edits = {ui->IDEdit, ui->MacAddMaskSourceEdit, ui->MacMaskDstEdit};
    CreateTable(EthernetMaskVars, 1, pane, [this] {
        m_request->BindEdit(Id, QStringLiteral("%i{n1x255l3}"), ui->IDEdit);
        m_request->BindComboBox(UseVlan, ui->UseVLanComBo);
        m_request->BindComboBox(MaskState, ui->MacMaskStateComBo);
        m_request->BindEdit(SrcMask, QStringLiteral("%s{l12}"), ui->MacAddMaskSourceEdit);
        m_request->BindEdit(DstMask, QStringLiteral("%s{l12}"), ui->MacMaskDstEdit);
        m_request->BindComboBox(Use8021p, ui->Use8021pComBo);
        m_request->BindComboBox(UseEthType, ui->UseEthTypeCombo);
        m_request->BindComboBox(RowStatus, ui->RowStatusComBo);
        // "disabled" and "other" until a row is chosen.
        ui->UseVLanComBo->setCurrentIndex(1);
        ui->Use8021pComBo->setCurrentIndex(1);
        ui->UseEthTypeCombo->setCurrentIndex(1);
        ui->MacMaskStateComBo->setCurrentIndex(Other);
    });
}

bool TEthernetMaskInformationForm::exclusions(QList<int> &excluded, bool add)
{
    using namespace EthernetMask;
    const int state = ui->MacMaskStateComBo->currentIndex();
    // A new mask that examines one address may leave that mask empty; the
    // agent refuses an empty mask where it examines both.
    const auto given = [add, state](const QLineEdit *edit) {
        return !add || state == DstSrcMac || !edit->text().trimmed().isEmpty();
    };
    const bool src = (state == SrcMac || state == DstSrcMac) && given(ui->MacAddMaskSourceEdit);
    const bool dst = (state == DstMac || state == DstSrcMac) && given(ui->MacMaskDstEdit);
    if (state < 0)
        excluded.append(MaskState);
    if (src && !HexOf(ui->MacAddMaskSourceEdit, 6, QStringLiteral("Mac Address Mask Source")))
        return false;
    if (dst && !HexOf(ui->MacMaskDstEdit, 6, QStringLiteral("Mac Address Mask Destination")))
        return false;
    if (!src)
        excluded.append(SrcMask);
    if (!dst)
        excluded.append(DstMask);
    const QList<std::pair<int, QComboBox *>> boxes {{UseVlan, ui->UseVLanComBo},
        {Use8021p, ui->Use8021pComBo}, {UseEthType, ui->UseEthTypeCombo}};
    for (const auto &[var, box] : boxes)
        if (box->currentIndex() < 0)
            excluded.append(var);
    return true;
}

void TEthernetMaskInformationForm::SetBtnClick()
{
    using namespace EthernetMask;
    if (!Ready() || !Filled(ui->IDEdit, QString::fromLatin1(IdMissing)))
        return;
    if (!Accepted({ui->IDEdit}))
        return;
    if (ui->RowStatusComBo->currentIndex() == RowStatusItem::Destroy) {
        DeleteRow(RowStatus, RowStatus + 1);
        return;
    }
    QList<int> excluded {RowStatus};
    if (exclusions(excluded, false))
        WriteRow(excluded);
}

void TEthernetMaskInformationForm::BT_SetClick()
{
    if (!Ready() || !Filled(ui->IDEdit, QString::fromLatin1(IdMissing)))
        return;
    if (!Accepted({ui->IDEdit}))
        return;
    if (KeysTaken()) {
        RefuseInput(QString::fromLatin1(IdTaken), ui->IDEdit);
        return;
    }
    if (ui->RowStatusComBo->currentIndex() != RowStatusItem::CreateAndGo) {
        RefuseInput(QString::fromLatin1(NotCreateAndGo), ui->RowStatusComBo);
        return;
    }
    QList<int> excluded;
    if (exclusions(excluded, true))
        WriteRow(excluded);
}

void TEthernetMaskInformationForm::BT_DeleteClick()
{
    if (!Ready() || ui->IDEdit->text().isEmpty() || !ui->BT_Delete->isEnabled())
        return;
    DeleteRow(EthernetMask::RowStatus, EthernetMask::RowStatus + 1);
}
