#include "TAggregatorPortTableForm.h"

#include "ui_TAggregatorPortTableForm.h"

#include "CvSNMPRequest2Edits.h"
#include "PortVariables.h"

#include <QCheckBox>
#include <QGridLayout>

namespace {
const char *const stateBits[] = {"lacpActivity", "lacpTimeout", "aggregation", "synchronisation",
    "collecting", "distributing", "defaulted", "expired"};
}

TAggregatorPortTableForm::TAggregatorPortTableForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TAggregatorPortTableForm>())
{
    ui->setupUi(this);
    const QList<QWidget *> sheets {ui->TabSheet1, ui->TabSheet2, ui->TabSheet3, ui->TabSheet4};
    for (QWidget *sheet : sheets) {
        auto *layout = new QGridLayout(sheet);
        for (int bit = 0; bit < 8; ++bit) {
            auto *box = new QCheckBox(QString::fromLatin1(stateBits[bit]), sheet);
            box->setObjectName(QStringLiteral("CheckBox%1").arg(m_boxes.size() + 1));
            layout->addWidget(box, bit % 4, bit / 4);
            m_boxes.append(box);
        }
    }
    connect(ui->GetBtn, &QPushButton::clicked, this, &TAggregatorPortTableForm::GetBtnClick);
}

TAggregatorPortTableForm::~TAggregatorPortTableForm() = default;

void TAggregatorPortTableForm::FormCreate()
{
    m_request = AddRequest(LacpPortVars, MVT_FMV, 1);
    connect(
        m_request, &CvSNMPRequest2Controls::OnReadDone, this, &TAggregatorPortTableForm::ReadDone);
    const QString bits = QStringLiteral("0,1,2,3,4,5,6,7");
    Run(m_request, [&] {
        m_request->BindListView(ui->ListView1, false);
        for (int tab = 0; tab < 4; ++tab)
            m_request->BindCheckBoxList(
                LacpPort::ActorAdminState + tab, bits, m_boxes.mid(tab * 8, 8));
        m_request->SetMessageTarget(ui->Memo1);
    });
    read();
}

void TAggregatorPortTableForm::enableControls(bool enabled)
{
    ui->GetBtn->setEnabled(enabled);
    for (QCheckBox *box : std::as_const(m_boxes))
        box->setEnabled(enabled);
}

// Refresh is off while the walk runs and back on when it ends, whether it
// ended well or not.
void TAggregatorPortTableForm::read()
{
    if (!m_request || AnyBusy())
        return;
    enableControls(false);
    if (!Run(m_request, [this] { m_request->Read(); }) || !m_request->IsBusy())
        enableControls(true);
}

void TAggregatorPortTableForm::GetBtnClick()
{
    read();
    for (QCheckBox *box : std::as_const(m_boxes))
        box->setChecked(false);
}

void TAggregatorPortTableForm::ReadDone(CvSNMPRequest2Controls *, const CvSNMPError &)
{
    enableControls(true);
}
