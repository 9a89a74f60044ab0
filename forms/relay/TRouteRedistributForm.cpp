#include "TRouteRedistributForm.h"

#include "ui_TRouteRedistributForm.h"

#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"
#include "FlagsGuard.h"
#include "ListClicks.h"
#include "ListViews.h"
#include "RelayVariables.h"
#include "TRowEditDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {
constexpr int OtherButton = 1;
constexpr int AllButton = 2;
constexpr int Type1Button = 3;
constexpr int Type2Button = 4;

// The radio button k (from 1) of a type text; 0 for none.
int buttonOfType(const QString &type)
{
    static const char *const types[] = {"all", "type-1", "type-2", "internal", "external",
        "inter+E1", "inter+E2", "extType1", "extType2"};
    for (int i = 0; i < int(std::size(types)); ++i)
        if (type == QLatin1String(types[i]))
            return i + 2;
    return 0;
}
} // namespace

TRouteRedistributForm::TRouteRedistributForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TRouteRedistributForm>())
{
    ui->setupUi(this);
    m_radios = {ui->RadioButton1, ui->RadioButton2, ui->RadioButton3, ui->RadioButton4,
        ui->RadioButton5, ui->RadioButton6, ui->RadioButton7, ui->RadioButton8, ui->RadioButton9,
        ui->RadioButton10};
    for (int k = 1; k <= m_radios.size(); ++k)
        connect(m_radios.at(k - 1), &QRadioButton::toggled, this, [this, k](bool checked) {
            if (checked)
                RadioButtonClick(k);
        });
    ui->DeleteBtn->setEnabled(false);
    connect(ui->RefreshBtn, &QPushButton::clicked, this, &TRouteRedistributForm::RefreshBtnClick);
    connect(ui->EditBtn, &QPushButton::clicked, this, &TRouteRedistributForm::EditBtnClick);
    connect(ui->AddBtn, &QPushButton::clicked, this, &TRouteRedistributForm::AddBtnClick);
    connect(ui->DeleteBtn, &QPushButton::clicked, this, &TRouteRedistributForm::DeleteBtnClick);
    connect(ui->CloseBtn, &QPushButton::clicked, this, &QDialog::close);
    connect(ui->ComboBox1, &QComboBox::currentTextChanged, this,
        &TRouteRedistributForm::ApplyEnablingRule);
    connect(ui->ComboBox2, &QComboBox::currentTextChanged, this,
        &TRouteRedistributForm::ApplyEnablingRule);
}

TRouteRedistributForm::~TRouteRedistributForm() = default;

void TRouteRedistributForm::FormCreate()
{
    using namespace Redistribution;
    setWindowTitle(QStringLiteral("Route Redistribution Table"));
    m_request = AddRequest(RedistributionVars, MVT_UMV, 2);
    Run(m_request, [this] {
        m_request->BindListView(ui->ListView1, true);
        OnListClick(*m_request, this, &TRouteRedistributForm::ListView1Click);
        m_request->BindComboBox(Source, ui->ComboBox1);
        m_request->BindComboBox(Destination, ui->ComboBox2);
        m_request->BindComboBox(Type, ui->ComboBox3);
        m_request->BindEdit(Metric, QStringLiteral("%i{n0x16777214l8a}"), ui->Edit1);
        m_request->BindComboBox(RowStatus, ui->StComboBox);
        m_request->SetMessageTarget(ui->Memo1);
        m_request->Read();
    });
    ApplyEnablingRule();
}

// Button k stands for type item k - 2; "other" for no item.
void TRouteRedistributForm::RadioButtonClick(int k)
{
    ui->ComboBox3->setCurrentIndex(k == OtherButton ? -1 : k - 2);
}

void TRouteRedistributForm::ListView1Click()
{
    const bool selected = !SelectedCaption(ui->ListView1).isEmpty();
    ui->DeleteBtn->setEnabled(selected);
    if (!selected)
        return;
    if (const int k = buttonOfType(ui->ComboBox3->currentText()))
        m_radios.at(k - 1)->setChecked(true);
    ApplyEnablingRule();
}

void TRouteRedistributForm::ApplyEnablingRule()
{
    const QString source = ui->ComboBox1->currentText();
    const QString destination = ui->ComboBox2->currentText();
    const auto enableOnly = [this](const QList<int> &buttons, bool others) {
        for (int k = 1; k <= m_radios.size(); ++k)
            m_radios.at(k - 1)->setEnabled(buttons.contains(k) != others);
    };
    if (destination == QLatin1String("rip") && source == QLatin1String("ospf")) {
        ui->Label5->setText(QStringLiteral("[0..16]"));
        enableOnly({Type1Button, Type2Button}, true);
    } else if (destination == QLatin1String("rip")
        && (source == QLatin1String("static") || source == QLatin1String("local"))) {
        ui->Label5->setText(QStringLiteral("[0..16]"));
        enableOnly({AllButton}, false);
    } else if (destination == QLatin1String("ospf")) {
        ui->Label5->setText(QStringLiteral("[0..16777214]"));
        enableOnly({Type1Button, Type2Button}, false);
    } else {
        return; // RIP into RIP, or nothing chosen: as it was
    }
    // A checked button that no longer applies gives its check to the first
    // that does, so Set never sends a type the pair cannot take.
    for (QRadioButton *radio : std::as_const(m_radios))
        if (radio->isChecked() && !radio->isEnabled())
            for (QRadioButton *first : std::as_const(m_radios))
                if (first->isEnabled()) {
                    first->setChecked(true);
                    return;
                }
}

void TRouteRedistributForm::RefreshBtnClick()
{
    if (AnyBusy() || !m_request)
        return;
    Run(m_request, [this] { m_request->Read(); });
    ui->DeleteBtn->setEnabled(false);
}

bool TRouteRedistributForm::MetricAccepted()
{
    using namespace Redistribution;
    const QString text = ui->Edit1->text().trimmed();
    if (text.isEmpty()) {
        ui->Edit1->setFocus(Qt::OtherFocusReason);
        return false;
    }
    bool ok = false;
    const qint64 metric = text.toLongLong(&ok);
    const QString destination = ui->ComboBox2->currentText();
    if (destination == QLatin1String("rip") && (!ok || metric < 0 || metric > RipMetricMax)) {
        RefuseInput(QString::fromLatin1(RipOutOfBound), ui->Edit1);
        return false;
    }
    if (destination == QLatin1String("ospf") && (!ok || metric < 0 || metric > OspfMetricMax)) {
        RefuseInput(QString::fromLatin1(OspfOutOfBound), ui->Edit1);
        return false;
    }
    return true;
}

// Set sends the type and metric of the row the protocols name, never a
// status a Delete left behind; Add creates the row with createAndGo. With
// "other" checked the type is left to the switch.
void TRouteRedistributForm::Write(bool adding)
{
    using namespace Redistribution;
    if (AnyBusy() || !m_request || !MetricAccepted())
        return;
    FlagsGuard flags(*m_request);
    if (adding)
        ui->StComboBox->setCurrentIndex(RowStatusItem::CreateAndGo);
    else
        flags.Exclude(RowStatus);
    if (ui->ComboBox3->currentIndex() < 0)
        flags.Exclude(Type);
    Run(m_request, [this] { m_request->Write(true, true); });
    ui->DeleteBtn->setEnabled(false);
}

void TRouteRedistributForm::EditBtnClick()
{
    Write(false);
}

void TRouteRedistributForm::AddBtnClick()
{
    Write(true);
}

void TRouteRedistributForm::DeleteBtnClick()
{
    using namespace Redistribution;
    if (AnyBusy() || !m_request)
        return;
    if (SelectedCaption(ui->ListView1).isEmpty()) {
        RefuseInput(QString::fromLatin1(ChooseItemFirst), ui->DeleteBtn);
        return;
    }
    ui->StComboBox->setCurrentIndex(RowStatusItem::Destroy);
    FlagsGuard flags(*m_request);
    flags.Exclude(Type);
    flags.Exclude(Metric);
    Run(m_request, [this] { m_request->Write(true, true); });
    ui->DeleteBtn->setEnabled(false);
}
