#include "TIPv6MaskInformationForm.h"

#include "ui_TIPv6MaskInformationForm.h"

#include "AclVariables.h"
#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"

namespace {
enum State : int { Other, Dst, Src, DstSrc };
}

TIPv6MaskInformationForm::TIPv6MaskInformationForm(QWidget *owner)
    : TAclTableForm(owner)
    , ui(std::make_unique<Ui::TIPv6MaskInformationForm>())
{
    ui->setupUi(this);
    connect(ui->btnRefresh, &QPushButton::clicked, this, &TAclTableForm::Refresh);
    connect(ui->btnModify, &QPushButton::clicked, this, &TIPv6MaskInformationForm::btnModifyClick);
    connect(ui->btnAdd, &QPushButton::clicked, this, &TIPv6MaskInformationForm::btnAddClick);
    connect(ui->btnDelete, &QPushButton::clicked, this, &TIPv6MaskInformationForm::btnDeleteClick);
}

TIPv6MaskInformationForm::~TIPv6MaskInformationForm() = default;

void TIPv6MaskInformationForm::FormCreate()
{
    using namespace Ipv6Mask;
    Pane pane;
    pane.list = ui->ListView1;
    pane.count = ui->StaticText1;
    pane.status = ui->StatusBar1;
    pane.keys = {ui->edtIPv6MaskID};
    pane.edit = ui->btnModify;
    pane.add = ui->btnAdd;
    pane.remove = ui->btnDelete;
    pane.rowStatus = ui->cbxRowStatus;
    pane.edits = {ui->edtIPv6MaskID, ui->edtIPv6SrcMask, ui->edtIPv6DstMask};
    CreateTable(Ipv6MaskVars, 1, pane, [this] {
        m_request->BindEdit(Id, QStringLiteral("%i{n1x8l1}"), ui->edtIPv6MaskID);
        m_request->BindComboBox(Class, ui->cbxClass);
        m_request->BindComboBox(FlowLabel, ui->cbxFlowLabel);
        m_request->BindComboBox(MaskState, ui->cbxIPv6MaskState);
        m_request->BindEdit(SrcMask, QStringLiteral("%s{l32}"), ui->edtIPv6SrcMask);
        m_request->BindEdit(DstMask, QStringLiteral("%s{l32}"), ui->edtIPv6DstMask);
        m_request->BindComboBox(RowStatus, ui->cbxRowStatus);
        // Nothing chosen until a row is selected or the operator chooses.
        for (QComboBox *box : {ui->cbxClass, ui->cbxFlowLabel, ui->cbxIPv6MaskState})
            box->setCurrentIndex(-1);
    });
}

bool TIPv6MaskInformationForm::masks(QList<int> &excluded, bool required)
{
    using namespace Ipv6Mask;
    const int state = ui->cbxIPv6MaskState->currentIndex();
    if (state < 0)
        excluded.append(MaskState);
    const QList<std::tuple<int, QLineEdit *, bool, const char *, const char *>> masks {
        {SrcMask, ui->edtIPv6SrcMask, state == Src || state == DstSrc, SrcMissing,
            "swACLIpv6MaskSrcIpv6Mask"},
        {DstMask, ui->edtIPv6DstMask, state == Dst || state == DstSrc, DstMissing,
            "swACLIpv6MaskDstIpv6Mask"}};
    for (const auto &[var, edit, examined, missing, label] : masks) {
        const bool empty = edit->text().trimmed().isEmpty();
        if (!examined || (empty && !required)) {
            excluded.append(var);
            continue;
        }
        if (empty) {
            RefuseInput(QString::fromLatin1(missing), edit);
            return false;
        }
        if (!HexOf(edit, 16, QString::fromLatin1(label)))
            return false;
    }
    return true;
}

void TIPv6MaskInformationForm::btnModifyClick()
{
    using namespace Ipv6Mask;
    if (!Ready() || !Filled(ui->edtIPv6MaskID, QString::fromLatin1(IdMissing))
        || !Accepted({ui->edtIPv6MaskID}))
        return;
    if (ui->cbxRowStatus->currentIndex() == RowStatusItem::Destroy) {
        DeleteRow(RowStatus, RowStatus + 1);
        return;
    }
    const QList<std::pair<QComboBox *, const char *>> choices {{ui->cbxClass, ChooseClass},
        {ui->cbxFlowLabel, ChooseFlowLabel}, {ui->cbxIPv6MaskState, ChooseState}};
    for (const auto &[box, text] : choices) {
        if (box->currentIndex() < 0) {
            RefuseInput(QString::fromLatin1(text), box);
            return;
        }
    }
    QList<int> excluded {RowStatus};
    if (masks(excluded, true))
        WriteRow(excluded);
}

void TIPv6MaskInformationForm::btnAddClick()
{
    using namespace Ipv6Mask;
    if (!Ready() || !Filled(ui->edtIPv6MaskID, QString::fromLatin1(IdMissing))
        || !Accepted({ui->edtIPv6MaskID}))
        return;
    if (KeysTaken()) {
        RefuseInput(QString::fromLatin1(IdTaken), ui->edtIPv6MaskID);
        return;
    }
    QList<int> excluded;
    if (ui->cbxClass->currentIndex() < 0)
        excluded.append(Class);
    if (ui->cbxFlowLabel->currentIndex() < 0)
        excluded.append(FlowLabel);
    if (!masks(excluded, false))
        return;
    if (ui->cbxRowStatus->currentIndex() != RowStatusItem::CreateAndGo) {
        RefuseInput(QString::fromLatin1(NotCreateAndGo), ui->cbxRowStatus);
        return;
    }
    WriteRow(excluded);
}

void TIPv6MaskInformationForm::btnDeleteClick()
{
    if (!Ready() || ui->edtIPv6MaskID->text().isEmpty())
        return;
    DeleteRow(Ipv6Mask::RowStatus, Ipv6Mask::RowStatus + 1);
}
