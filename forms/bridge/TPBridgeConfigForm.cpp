#include "TPBridgeConfigForm.h"

#include "ui_TPBridgeConfigForm.h"

#include "BridgeVariables.h"
#include "CvSNMPRequest2Edits.h"

TPBridgeConfigForm::TPBridgeConfigForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TPBridgeConfigForm>())
{
    ui->setupUi(this);
    connect(ui->BT_Get, &QPushButton::clicked, this, &TPBridgeConfigForm::BT_GetClick);
    connect(ui->BT_Set, &QPushButton::clicked, this, &TPBridgeConfigForm::BT_SetClick);
}

TPBridgeConfigForm::~TPBridgeConfigForm() = default;

void TPBridgeConfigForm::FormCreate()
{
    m_capabilities = AddRequest(DeviceCapabilityVars, SVT_SV, 0);
    Run(m_capabilities, [this] {
        m_capabilities->BindStaticText(0, ui->Edit_DeviceCapabilities);
        m_capabilities->SetMessageTarget(ui->Memo1);
        m_capabilities->Read();
    });
    m_classes = AddRequest(TrafficClassVars, SVT_SV, 0);
    Run(m_classes, [this] {
        m_classes->BindComboBox(0, ui->TrafficClassesState);
        m_classes->SetMessageTarget(ui->Memo1);
        m_classes->Read();
    });
}

// Each request on its own: one that is still busy does not hold up the
// other.
void TPBridgeConfigForm::read(CvSNMPRequest2Edits *request)
{
    if (request && !request->IsBusy())
        Run(request, [request] { request->Read(); });
}

void TPBridgeConfigForm::BT_GetClick()
{
    read(m_capabilities);
    read(m_classes);
}

// The capabilities are read-only: only the traffic-class switch is sent.
void TPBridgeConfigForm::BT_SetClick()
{
    if (!m_classes || m_classes->IsBusy() || ui->TrafficClassesState->currentIndex() < 0)
        return;
    Run(m_classes, [this] { m_classes->Write(true, true); });
}
