#include "TProtocolVlanForm.h"

#include "ui_TProtocolVlanForm.h"

#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"
#include "ListClicks.h"
#include "ListViews.h"
#include "SelectiveWrite.h"
#include "VlanVariables.h"

namespace {
const QString userDefined = QStringLiteral("protocol-userDefined");
}

TProtocolVlanForm::TProtocolVlanForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TProtocolVlanForm>())
{
    ui->setupUi(this);
    connect(ui->Get, &QPushButton::clicked, this, &TProtocolVlanForm::GetClick);
    connect(ui->Edit, &QPushButton::clicked, this, &TProtocolVlanForm::EditClick);
    connect(ui->Add, &QPushButton::clicked, this, &TProtocolVlanForm::AddClick);
    connect(ui->Delete, &QPushButton::clicked, this, &TProtocolVlanForm::DeleteClick);
    connect(ui->ProtocolType, &QComboBox::currentIndexChanged, this,
        &TProtocolVlanForm::ProtocolTypeChange);
    FollowRowCount(ui->ListView1, ui->StaticText1);
}

TProtocolVlanForm::~TProtocolVlanForm() = default;

void TProtocolVlanForm::FormCreate()
{
    using namespace ProtocolVlan;
    m_request = AddRequest(ProtocolVlanVars, MVT_UMV, 1);
    Run(m_request, [this] {
        m_request->BindListView(ui->ListView1, true);
        OnListClick(*m_request, this, &TProtocolVlanForm::ListView1Click);
        m_request->BindEdit(Index, QStringLiteral("%i{n1x4094l4}"), ui->Index);
        m_request->BindEdit(Name, QStringLiteral("%s{l15}"), ui->Name);
        m_request->BindComboBox(ProtocolType, ui->ProtocolType);
        m_request->BindComboBox(Advertisement, ui->Advertisement);
        m_request->BindComboBox(EncapType, ui->Encap);
        m_request->BindComboBox(RowStatus, ui->RowStatus);
        m_request->BindEdit(UserProtocol, QStringLiteral("%u{n0x65535l5}"), ui->UserProtocol);
        m_request->SetMessageTarget(ui->StatusBar1);
    });
    ClearPane();
    ShowNoSelection();
    ProtocolTypeChange();
    Run(m_request, [this] { m_request->Read(); });
}

void TProtocolVlanForm::ProtocolTypeChange()
{
    const bool user = ui->ProtocolType->currentText() == userDefined;
    ui->UserProtocol->setEnabled(user);
    ui->Encap->setEnabled(user);
}

// The no-selection state: a row can be added, under an index to be typed.
void TProtocolVlanForm::ShowNoSelection()
{
    ui->Edit->setEnabled(false);
    ui->Delete->setEnabled(false);
    ui->Add->setEnabled(true);
    ui->Index->setEnabled(true);
    ui->RowStatus->setCurrentIndex(RowStatusItem::CreateAndGo);
}

void TProtocolVlanForm::ClearPane()
{
    m_clearing = true;
    ui->ListView1->clearSelection();
    m_clearing = false;
    ui->Index->clear();
    ui->Name->clear();
    ui->UserProtocol->clear();
}

void TProtocolVlanForm::ListView1Click()
{
    if (m_clearing)
        return;
    const QString index = SelectedCaption(ui->ListView1);
    if (index.isEmpty()) {
        ShowNoSelection();
    } else {
        ui->Index->setText(index);
        ui->Edit->setEnabled(true);
        ui->Delete->setEnabled(true);
        ui->Add->setEnabled(false);
        ui->Index->setEnabled(false);
    }
    ProtocolTypeChange();
}

void TProtocolVlanForm::GetClick()
{
    if (AnyBusy() || !m_request)
        return;
    Run(m_request, [this] { m_request->Read(); });
    ShowNoSelection();
    ClearPane();
    ProtocolTypeChange();
}

// The fields Edit and Add leave out: empty ones, and the user-defined
// protocol and encapsulation unless the protocol type is user-defined.
QList<int> TProtocolVlanForm::fieldExclusions() const
{
    using namespace ProtocolVlan;
    QList<int> excluded;
    if (ui->Name->text().isEmpty())
        excluded.append(Name);
    const QString type = ui->ProtocolType->currentText();
    const bool user = type == userDefined;
    if (!user || ui->UserProtocol->text().isEmpty())
        excluded.append(UserProtocol);
    const QString encap = ui->Encap->currentText();
    if (!user || encap.isEmpty() || encap == QLatin1String("0"))
        excluded.append(EncapType);
    if (type.isEmpty() || type == QLatin1String("0"))
        excluded.append(ProtocolType);
    if (ui->Advertisement->currentText().isEmpty())
        excluded.append(Advertisement);
    return excluded;
}

bool TProtocolVlanForm::indexGiven()
{
    if (!ui->Index->text().isEmpty())
        return true;
    RefuseInput(QString::fromLatin1(IndexMissing), ui->Index);
    return false;
}

void TProtocolVlanForm::write(const QList<int> &excluded)
{
    Run(m_request, [&] { WriteExcluding(*m_request, excluded); });
    ShowNoSelection();
    ClearPane();
    ProtocolTypeChange();
}

void TProtocolVlanForm::EditClick()
{
    using namespace ProtocolVlan;
    if (AnyBusy() || !m_request || !indexGiven())
        return;
    if (!EditsAccepted(*m_request, {ui->Index, ui->Name, ui->UserProtocol}))
        return;
    if (ui->RowStatus->currentIndex() == RowStatusItem::Destroy) {
        write({ProtocolType, Advertisement, UserProtocol, EncapType});
        return;
    }
    QList<int> excluded = fieldExclusions();
    excluded.append(RowStatus);
    write(excluded);
}

void TProtocolVlanForm::AddClick()
{
    if (AnyBusy() || !m_request || !indexGiven())
        return;
    if (!EditsAccepted(*m_request, {ui->Index, ui->Name, ui->UserProtocol}))
        return;
    if (RowWithCaption(ui->ListView1, ui->Index->text())) {
        RefuseInput(QString::fromLatin1(IndexTaken), ui->Index);
        return;
    }
    if (ui->RowStatus->currentIndex() != RowStatusItem::CreateAndGo) {
        RefuseInput(QString::fromLatin1(NotCreateAndGo), ui->RowStatus);
        return;
    }
    write(fieldExclusions());
}

void TProtocolVlanForm::DeleteClick()
{
    using namespace ProtocolVlan;
    const QString index = SelectedCaption(ui->ListView1);
    if (AnyBusy() || !m_request || index.isEmpty())
        return;
    ui->Index->setText(index);
    ui->RowStatus->setCurrentIndex(RowStatusItem::Destroy);
    write({Name, ProtocolType, Advertisement, UserProtocol, EncapType});
}
