#include "TMulticastFilterInformationForm.h"

#include "ui_TMulticastFilterInformationForm.h"

#include "CvSNMPRequest2Edits.h"
#include "FilteringVariables.h"
#include "ListViews.h"

TMulticastFilterInformationForm::TMulticastFilterInformationForm(QWidget *owner)
    : TStaticFilterForm(owner, StaticMulticastVars, PortCountRule::PortRange, Entries::Written)
    , ui(std::make_unique<Ui::TMulticastFilterInformationForm>())
{
    ui->setupUi(this);
    Attach({ui->LV_dot1qStaticMulticastEntry, ui->ED_MulticastVID, ui->ED_MACAddress, ui->Status,
        ui->PortsScrollBox, ui->RefreshBtn, ui->ST_Count, ui->Memo1});
    connect(ui->SetBtn, &QPushButton::clicked, this, &TMulticastFilterInformationForm::SetBtnClick);
}

TMulticastFilterInformationForm::~TMulticastFilterInformationForm() = default;

void TMulticastFilterInformationForm::SetBtnClick()
{
    if (AnyBusy() || !m_request)
        return;
    if (!SelectedCaption(ui->LV_dot1qStaticMulticastEntry).isEmpty()) {
        Run(m_request, [this] { m_request->Write(true, true); });
    } else {
        // Every column is sent; the receive port, named first, takes the one
        // value given and the others keep what the controls gave them.
        using namespace StaticFilter;
        const QString sent = QStringLiteral("%1,%2,%3,%4,%5")
                                 .arg(ReceivePort)
                                 .arg(VlanId)
                                 .arg(Address)
                                 .arg(Ports)
                                 .arg(Status);
        const QStringList anyPort {QStringLiteral("0")};
        Run(m_request, [&] { m_request->Write(true, true, sent, &anyPort); });
    }
    ClearPane();
}
