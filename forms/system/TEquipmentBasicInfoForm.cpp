#include "TEquipmentBasicInfoForm.h"

#include "ui_TEquipmentBasicInfoForm.h"

#include "CvSNMPRequest2Edits.h"
#include "EnterpriseOid.h"

const CvSNMPVar EquipmentVars[] = {
    {PEN_OID(".12.11.1.9.1"), "Stacking Version", SyntaxInteger, AccessReadOnly},
    {PEN_OID(".12.11.1.9.2"), "Max SupportedUnits", SyntaxInteger, AccessReadOnly},
    {PEN_OID(".12.11.1.9.3"), "Num Of Unit", SyntaxInteger, AccessReadOnly},
    {},
};

TEquipmentBasicInfoForm::TEquipmentBasicInfoForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TEquipmentBasicInfoForm>())
{
    ui->setupUi(this);
    for (QLineEdit *edit : {ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4})
        edit->setReadOnly(true);
    ui->Edit1->setText(QString::fromLatin1(Capacity));
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TEquipmentBasicInfoForm::BitBtn1Click);
}

TEquipmentBasicInfoForm::~TEquipmentBasicInfoForm() = default;

void TEquipmentBasicInfoForm::FormCreate()
{
    m_request = AddRequest(EquipmentVars, SVT_SV, 0);
    Run(m_request, [this] {
        m_request->BindEdit(0, QStringLiteral("%i"), ui->Edit4);
        m_request->BindEdit(1, QStringLiteral("%i"), ui->Edit2);
        m_request->BindEdit(2, QStringLiteral("%i"), ui->Edit3);
        m_request->SetMessageTarget(ui->Memo1);
        m_request->Read();
    });
}

void TEquipmentBasicInfoForm::BitBtn1Click()
{
    if (AnyBusy() || !m_request)
        return;
    Run(m_request, [this] { m_request->Read(); });
}
