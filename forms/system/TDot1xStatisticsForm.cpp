#include "TDot1xStatisticsForm.h"

#include "ui_TDot1xStatisticsForm.h"

#include "CvSNMPRequest2Edits.h"
#include "SystemVariables.h"

TDot1xStatisticsForm::TDot1xStatisticsForm(
    QWidget *owner, const CvSNMPVar *table, const QString &caption)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TDot1xStatisticsForm>())
    , m_table(table)
{
    ui->setupUi(this);
    setWindowTitle(caption);
    connect(ui->Button1, &QPushButton::clicked, this, &TDot1xStatisticsForm::Button1Click);
}

TDot1xStatisticsForm::~TDot1xStatisticsForm() = default;

void TDot1xStatisticsForm::FormCreate()
{
    m_request = AddRequest(m_table, MVT_FMV, Dot1xStatistics::IndexCount);
    m_request->asynchronous = false;
    Run(m_request, [this] {
        m_request->BindListView(ui->ListView1, true);
        m_request->SetMessageTarget(ui->Memo1);
        m_request->Read();
    });
}

void TDot1xStatisticsForm::Button1Click()
{
    if (AnyBusy() || !m_request)
        return;
    Run(m_request, [this] { m_request->Read(); });
}

TDiagnosticsInformationForm::TDiagnosticsInformationForm(QWidget *owner)
    : TDot1xStatisticsForm(
        owner, Dot1xDiagnosticsVars, QStringLiteral("Diagnostics Information Form"))
{
    setObjectName(QStringLiteral("DiagnosticsInformationForm"));
}

TMacStatisticTableForm::TMacStatisticTableForm(QWidget *owner)
    : TDot1xStatisticsForm(owner, Dot1xFrameStatisticsVars, QStringLiteral("MacStatisticTableForm"))
{
    setObjectName(QStringLiteral("MacStatisticTableForm"));
}
