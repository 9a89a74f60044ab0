#include "TVLanGeneralInfoForm.h"

#include "ui_TVLanGeneralInfoForm.h"

#include "CvSNMPRequest2Edits.h"
#include "VlanVariables.h"

TVLanGeneralInfoForm::TVLanGeneralInfoForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TVLanGeneralInfoForm>())
{
    ui->setupUi(this);
    connect(ui->RefreshBtn, &QPushButton::clicked, this, &TVLanGeneralInfoForm::RefreshBtnClick);
    connect(ui->SetBtn, &QPushButton::clicked, this, &TVLanGeneralInfoForm::SetBtnClick);
}

TVLanGeneralInfoForm::~TVLanGeneralInfoForm() = default;

void TVLanGeneralInfoForm::FormCreate()
{
    using namespace QBridgeBase;
    m_request = AddRequest(QBridgeBaseVars, SVT_SV, 0);
    connect(
        m_request, &CvSNMPRequest2Controls::OnWriteDone, this, &TVLanGeneralInfoForm::WriteDone);
    Run(m_request, [this] {
        m_request->BindStaticText(VersionNumber, ui->VlanVersionNumber);
        m_request->BindStaticText(MaxVlanId, ui->MaxVlanId);
        m_request->BindStaticText(MaxSupportedVlans, ui->MaxSupportedVlans);
        m_request->BindStaticText(NumVlans, ui->CurrentNumOfVlans);
        m_request->BindComboBox(GvrpStatus, ui->GvrpStatus);
        m_request->SetMessageTarget(ui->Memo1);
        m_request->Read();
    });
}

void TVLanGeneralInfoForm::RefreshBtnClick()
{
    if (AnyBusy() || !m_request)
        return;
    Run(m_request, [this] { m_request->Read(); });
}

void TVLanGeneralInfoForm::SetBtnClick()
{
    if (AnyBusy() || !m_request)
        return;
    Run(m_request, [this] { m_request->Write(true, true); });
}

// A group of scalars is not read again by the write itself.
void TVLanGeneralInfoForm::WriteDone(CvSNMPRequest2Controls *, const CvSNMPError &error)
{
    if (error.code == 0)
        Run(m_request, [this] { m_request->Read(); });
}
