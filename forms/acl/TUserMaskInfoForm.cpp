#include "TUserMaskInfoForm.h"

#include "ui_TUserMaskInfoForm.h"

#include "AclVariables.h"
#include "CvSNMPRequest2Edits.h"
#include "CvStandardOptions.h"
#include "MainWindowState.h"

TUserMaskInfoForm::TUserMaskInfoForm(QWidget *owner)
    : TAclTableForm(owner)
    , ui(std::make_unique<Ui::TUserMaskInfoForm>())
{
    ui->setupUi(this);
    if (MainWindowState *main = MainWindowState::instance())
        setWindowTitle(QStringLiteral("User Defined Mask Information :") + main->AgentAddress());
    connect(ui->GetButton, &QPushButton::clicked, this, &TAclTableForm::Refresh);
    connect(ui->OperButton, &QPushButton::clicked, this, &TUserMaskInfoForm::OperButtonClick);
    connect(ui->AddButton, &QPushButton::clicked, this, &TUserMaskInfoForm::AddButtonClick);
    connect(ui->DeleteButton, &QPushButton::clicked, this, &TUserMaskInfoForm::DeleteButtonClick);
}

TUserMaskInfoForm::~TUserMaskInfoForm() = default;

void TUserMaskInfoForm::FormCreate()
{
    using namespace UserMask;
    Pane pane;
    pane.list = ui->ListView1;
    pane.count = ui->StaticText1;
    pane.status = ui->StatusBar1;
    pane.keys = {ui->Edit1};
    pane.edit = ui->OperButton;
    pane.add = ui->AddButton;
    pane.remove = ui->DeleteButton;
    pane.rowStatus = ui->ComboBox1;
    pane.edits = {ui->Edit1, ui->Edit5, ui->Edit3, ui->Edit4, ui->Edit6, ui->Edit7};
    CreateTable(UserMaskVars, 1, pane, [this] {
        m_request->BindEdit(Id, QStringLiteral("%i{n1x255l3}"), ui->Edit1);
        const QList<std::pair<int, QLineEdit *>> chunks {{Chunk0, ui->Edit5}, {Chunk16, ui->Edit3},
            {Chunk32, ui->Edit4}, {Chunk48, ui->Edit6}, {Chunk64, ui->Edit7}};
        for (const auto &[var, edit] : chunks)
            m_request->BindEdit(var, QStringLiteral("%s{l32}"), edit);
        m_request->BindComboBox(RowStatus, ui->ComboBox1);
    });
}

bool TUserMaskInfoForm::chunks(QList<int> &excluded)
{
    using namespace UserMask;
    const QList<std::tuple<int, QLineEdit *, const char *>> chunks {
        {Chunk0, ui->Edit5, "Filtered Port(s) [0 to 15]"},
        {Chunk16, ui->Edit3, "Filtered Port(s) [16 to 31]"},
        {Chunk32, ui->Edit4, "Filtered Port(s) [32 to 47]"},
        {Chunk48, ui->Edit6, "Filtered Port(s) [48 to 63]"},
        {Chunk64, ui->Edit7, "Filtered Port(s) [64 to 79]"}};
    for (const auto &[var, edit, label] : chunks) {
        if (edit->text().trimmed().isEmpty())
            excluded.append(var);
        else if (!HexOf(edit, 16, QString::fromLatin1(label)))
            return false;
    }
    return true;
}

void TUserMaskInfoForm::OperButtonClick()
{
    using namespace UserMask;
    if (!Ready() || !Filled(ui->Edit1, QString::fromLatin1(IdMissing)) || !Accepted({ui->Edit1}))
        return;
    if (ui->ComboBox1->currentIndex() == RowStatusItem::Destroy) {
        DeleteRow(RowStatus, RowStatus + 1);
        return;
    }
    QList<int> excluded {RowStatus};
    if (!chunks(excluded))
        return;
    if (excluded.size() == RowStatus) {
        RefuseInput(
            QString::fromLatin1(EmptyEdit).arg(QStringLiteral("Filtered Port(s)")), ui->Edit5);
        return;
    }
    WriteRow(excluded);
}

void TUserMaskInfoForm::AddButtonClick()
{
    if (!Ready() || !Filled(ui->Edit1, QString::fromLatin1(IdMissing)) || !Accepted({ui->Edit1}))
        return;
    if (KeysTaken()) {
        RefuseInput(QString::fromLatin1(IdTaken), ui->Edit1);
        return;
    }
    if (ui->ComboBox1->currentIndex() != RowStatusItem::CreateAndGo) {
        RefuseInput(QString::fromLatin1(NotCreateAndGo), ui->ComboBox1);
        return;
    }
    QList<int> excluded;
    if (chunks(excluded))
        WriteRow(excluded);
}

void TUserMaskInfoForm::DeleteButtonClick()
{
    if (!Ready() || ui->Edit1->text().isEmpty())
        return;
    DeleteRow(UserMask::RowStatus, UserMask::RowStatus + 1);
}
