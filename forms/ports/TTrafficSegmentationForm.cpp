#include "TTrafficSegmentationForm.h"

#include "ui_TTrafficSegmentationForm.h"

#include "CvSNMPRequest2Edits.h"
#include "ListClicks.h"
#include "ListViews.h"
#include "MainWindowState.h"
#include "PortGrids.h"
#include "PortVariables.h"
#include "TStackingPortUitForm.h"

TTrafficSegmentationForm::TTrafficSegmentationForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TTrafficSegmentationForm>())
{
    ui->setupUi(this);
    ui->ST_Port->hide();
    connect(ui->BT_Get, &QPushButton::clicked, this, &TTrafficSegmentationForm::BT_GetClick);
    connect(ui->BT_Set, &QPushButton::clicked, this, &TTrafficSegmentationForm::BT_SetClick);
    connect(ui->StopBtn, &QPushButton::clicked, this, &TTrafficSegmentationForm::StopBtnClick);
    FollowRowCount(ui->LV_TrafficForward, ui->StaticText1);
}

TTrafficSegmentationForm::~TTrafficSegmentationForm() = default;

void TTrafficSegmentationForm::FormCreate()
{
    if (MainWindowState *main = MainWindowState::instance())
        setWindowTitle(QStringLiteral("Traffic Segmentation Table:") + main->AgentAddress());
    const QList<TStackingPortUitForm *> grids = BuildPortGrids(
        this, {ui->Panel4}, [this](const QString &text) { ui->StatusBar1->showMessage(text); },
        [this] { return Closed(); });
    if (Closed() || grids.size() != 1)
        return;
    m_grid = grids.at(0);
    m_request = AddRequest(SegmentationVars, MVT_UMV, 1);
    Run(m_request, [&] {
        using namespace Segmentation;
        m_request->BindListView(ui->LV_TrafficForward, false);
        OnListClick(*m_request, this, &TTrafficSegmentationForm::LV_TrafficForwardClick);
        m_request->BindStaticText(Port, ui->ST_Port);
        m_request->BindCheckBoxList(
            ForwardPorts, TStackingPortUitForm::BitList(), m_grid->PortCheckBoxes);
        m_request->SetMessageTarget(ui->StatusBar1);
        m_request->Read();
    });
}

// A walk still running, or a write: the operator is told, nothing starts.
bool TTrafficSegmentationForm::refreshComplete()
{
    if (!AnyBusy())
        return true;
    RefuseInput(QString::fromLatin1(NotComplete), ui->BT_Get);
    return false;
}

// No row is remembered once the list is read again: Set needs a new choice.
void TTrafficSegmentationForm::forgetRow()
{
    ui->LV_TrafficForward->clearSelection();
    ui->ST_Port->clear();
    ui->Combo_Unit->clear();
    ui->Combo_Port->clear();
    if (m_grid)
        m_grid->UncheckAll();
}

void TTrafficSegmentationForm::BT_GetClick()
{
    if (!m_request || !refreshComplete())
        return;
    // Stop left the walk switched off.
    m_request->request.running = true;
    Run(m_request, [this] { m_request->Read(); });
    forgetRow();
}

void TTrafficSegmentationForm::BT_SetClick()
{
    if (!m_request || !refreshComplete())
        return;
    if (SelectedCaption(ui->LV_TrafficForward).isEmpty() || ui->ST_Port->text().isEmpty())
        return;
    m_request->request.running = true;
    Run(m_request, [this] { m_request->Write(true, true); });
}

void TTrafficSegmentationForm::StopBtnClick()
{
    if (m_request)
        m_request->Stop();
}

void TTrafficSegmentationForm::LV_TrafficForwardClick()
{
    bool ok = false;
    const int port = ui->ST_Port->text().toInt(&ok);
    if (SelectedCaption(ui->LV_TrafficForward).isEmpty() || !ok || port < 1) {
        ui->Combo_Unit->clear();
        ui->Combo_Port->clear();
        return;
    }
    ui->Combo_Unit->setText(QString::number(LogicalPort::UnitOf(port)));
    ui->Combo_Port->setText(QString::number(LogicalPort::PortOf(port)));
}
