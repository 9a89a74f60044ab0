#include "TUnicastFilterInformationForm.h"

#include "ui_TUnicastFilterInformationForm.h"

#include "CvSNMPRequest2Edits.h"
#include "FilteringVariables.h"
#include "FlagsGuard.h"

TUnicastFilterInformationForm::TUnicastFilterInformationForm(QWidget *owner)
    : TStaticFilterForm(owner, StaticUnicastVars, PortCountRule::ByModel, Entries::ListedAndRemoved)
    , ui(std::make_unique<Ui::TUnicastFilterInformationForm>())
{
    ui->setupUi(this);
    Attach({ui->LV_dot1qStaticUnicastEntry, ui->ED_UnicastVID, ui->UnicastAddress, ui->UStatus,
        ui->PortsScrollBox, ui->RefreshBtn, ui->ST_Count, ui->Memo1});
    connect(
        ui->DeleteBtn, &QPushButton::clicked, this, &TUnicastFilterInformationForm::DeleteBtnClick);
}

TUnicastFilterInformationForm::~TUnicastFilterInformationForm() = default;

// The allowed ports are masked for this write only: whatever its outcome,
// the column is back before the table is read again, so the list and the
// next write see it.
void TUnicastFilterInformationForm::DeleteBtnClick()
{
    if (AnyBusy() || !m_request || !EntryChosen())
        return;
    {
        FlagsGuard flags(*m_request);
        flags.Exclude(StaticFilter::Ports);
        ui->UStatus->setCurrentIndex(StaticFilter::InvalidItem);
        Run(m_request, [this] { m_request->Write(true, true); });
    }
    ClearPane();
}
