#include "TPortMirrorForm.h"

#include "ui_TPortMirrorForm.h"

#include "CvSNMPRequest2Edits.h"
#include "MainWindowState.h"
#include "PortEdits.h"
#include "PortGrids.h"
#include "PortVariables.h"
#include "TStackingPortUitForm.h"

#include <QCheckBox>
#include <QMessageBox>

namespace {

bool anyChecked(const TStackingPortUitForm *grid)
{
    for (const QCheckBox *box : grid->PortCheckBoxes)
        if (box->isChecked())
            return true;
    return false;
}

} // namespace

TPortMirrorForm::TPortMirrorForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TPortMirrorForm>())
{
    ui->setupUi(this);
    ui->ET_TargetPort->hide();
    AcceptDigitsOnly(ui->UnitEdit, 2);
    AcceptDigitsOnly(ui->PortEdit, 2);
    connect(ui->BT_Refresh, &QPushButton::clicked, this, &TPortMirrorForm::BT_RefreshClick);
    connect(ui->BT_Set, &QPushButton::clicked, this, &TPortMirrorForm::BT_SetClick);
    connect(
        ui->ET_TargetPort, &QLineEdit::textChanged, this, &TPortMirrorForm::ET_TargetPortChange);
}

TPortMirrorForm::~TPortMirrorForm() = default;

void TPortMirrorForm::FormCreate()
{
    if (MainWindowState *main = MainWindowState::instance())
        setWindowTitle(QStringLiteral("Port Mirror Table:") + main->AgentAddress());
    const QList<TStackingPortUitForm *> grids = BuildPortGrids(
        this, {ui->IngressScrollBox, ui->EgressScrollBox},
        [this](const QString &text) { ui->StatusBar1->showMessage(text); },
        [this] { return Closed(); });
    if (Closed() || grids.size() != 2)
        return;
    m_ingress = grids.at(0);
    m_egress = grids.at(1);
    const QString bits = TStackingPortUitForm::BitList();
    m_request = AddRequest(MirrorVars, SVT_SV, 0);
    Run(m_request, [&] {
        using namespace Mirror;
        // Any logical port of the stack; whether the unit is there and the
        // port shown is checked on Set.
        m_request->BindEdit(Target, QStringLiteral("%i{n1x768l3}"), ui->ET_TargetPort);
        m_request->BindCheckBoxList(Ingress, bits, m_ingress->PortCheckBoxes);
        m_request->BindCheckBoxList(Egress, bits, m_egress->PortCheckBoxes);
        m_request->BindControl(State, ui->CK_Status);
        m_request->SetMessageTarget(ui->StatusBar1);
        m_request->Read();
    });
}

// The target read from the switch, split by the numbering Set writes.
void TPortMirrorForm::ET_TargetPortChange()
{
    bool ok = false;
    const int target = ui->ET_TargetPort->text().toInt(&ok);
    if (!ok || target < 1) {
        ui->UnitEdit->clear();
        ui->PortEdit->clear();
        return;
    }
    ui->UnitEdit->setText(QString::number(LogicalPort::UnitOf(target)));
    ui->PortEdit->setText(QString::number(LogicalPort::PortOf(target)));
}

void TPortMirrorForm::BT_RefreshClick()
{
    if (AnyBusy() || !m_request)
        return;
    Run(m_request, [this] { m_request->Read(); });
}

void TPortMirrorForm::BT_SetClick()
{
    if (AnyBusy() || !m_request)
        return;
    if (!anyChecked(m_ingress) && !anyChecked(m_egress)) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Confirm"),
            QString::fromLatin1(SourcesEmpty), QMessageBox::Ok, this);
        box.exec();
        return;
    }
    bool ok = false;
    const int unit = ui->UnitEdit->text().toInt(&ok);
    if (!ok || !m_ingress->Port(unit, 1) || m_ingress->Port(unit, 1)->isHidden()) {
        RefuseInput(QString::fromLatin1(InvalidTarget), ui->UnitEdit);
        return;
    }
    const int target = ShownPort(*m_ingress, ui->UnitEdit->text(), ui->PortEdit->text());
    if (target == 0) {
        RefuseInput(QString::fromLatin1(InvalidTarget), ui->PortEdit);
        return;
    }
    ui->ET_TargetPort->setText(QString::number(target));
    if (m_ingress->PortCheckBoxes.at(target - 1)->isChecked()
        || m_egress->PortCheckBoxes.at(target - 1)->isChecked()) {
        RefuseInput(QString::fromLatin1(TargetIsSource), ui->UnitEdit);
        return;
    }
    Run(m_request, [this] { m_request->Write(true, true); });
}
