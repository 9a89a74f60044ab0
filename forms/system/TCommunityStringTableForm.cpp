#include "TCommunityStringTableForm.h"

#include "ui_TCommunityStringTableForm.h"

#include "CvSNMPRequest2Edits.h"
#include "CvSNMPSession.h"
#include "CvStandardOptions.h"
#include "ListClicks.h"
#include "ListViews.h"
#include "SystemVariables.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>

TCommunityStringTableForm::TCommunityStringTableForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TCommunityStringTableForm>())
{
    ui->setupUi(this);
    ui->DeleteBtn->setEnabled(false);
    connect(
        ui->RefreshBtn, &QPushButton::clicked, this, &TCommunityStringTableForm::RefreshBtnClick);
    connect(ui->SetBtn, &QPushButton::clicked, this, &TCommunityStringTableForm::SetBtnClick);
    connect(ui->AddBtn, &QPushButton::clicked, this, &TCommunityStringTableForm::AddBtnClick);
    connect(ui->DeleteBtn, &QPushButton::clicked, this, &TCommunityStringTableForm::DeleteBtnClick);
    connect(ui->CloseBtn, &QPushButton::clicked, this, &QDialog::close);
}

TCommunityStringTableForm::~TCommunityStringTableForm() = default;

void TCommunityStringTableForm::FormCreate()
{
    using namespace Community;
    m_request = AddRequest(CommunityVars, MVT_UMV, 1);
    Run(m_request, [this] {
        m_request->BindListView(ui->ListView1, true);
        OnListClick(*m_request, this, &TCommunityStringTableForm::ListView1Click);
        m_request->BindEdit(Index, QStringLiteral("%s"), ui->Edit1);
        m_request->BindEdit(Name, QStringLiteral("%s"), ui->Edit2);
        m_request->BindEdit(SecurityName, QStringLiteral("%s"), ui->Edit3);
        m_request->BindComboBox(Status, ui->ComboBox2);
        m_request->SetMessageTarget(ui->Memo1);
        m_request->Read();
    });
}

void TCommunityStringTableForm::ListView1Click()
{
    ui->DeleteBtn->setEnabled(!SelectedCaption(ui->ListView1).isEmpty());
}

void TCommunityStringTableForm::RefreshBtnClick()
{
    if (AnyBusy() || !m_request)
        return;
    Run(m_request, [this] { m_request->Read(); });
}

void TCommunityStringTableForm::Write()
{
    Run(m_request, [this] { m_request->Write(true, true); });
}

void TCommunityStringTableForm::SetBtnClick()
{
    if (AnyBusy() || !m_request)
        return;
    Write();
}

void TCommunityStringTableForm::AddBtnClick()
{
    if (AnyBusy() || !m_request)
        return;
    ui->ComboBox2->setCurrentIndex(RowStatusItem::CreateAndGo);
    Write();
}

QString TCommunityStringTableForm::DeleteWarning(const QString &name)
{
    return QStringLiteral("This program writes to the switch with the community \"%1\": "
                          "once it is deleted, no setting can be written any more. "
                          "Delete it all the same?")
        .arg(name);
}

// Destroys the selected row without asking, unless it is the community
// this program writes with: the pane shows that row again first, so the
// name checked and the index written are the same row's, whatever the
// fields had been edited to.
void TCommunityStringTableForm::DeleteBtnClick()
{
    if (AnyBusy() || !m_request || SelectedCaption(ui->ListView1).isEmpty())
        return;
    m_request->ShowSelectedRow();
    const QString name = ui->Edit2->text();
    const QString writing = SessionDefaults().security.writeCommunity;
    if (!writing.isEmpty() && name == writing) {
        const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        QMessageBox box(QMessageBox::Warning, caption, DeleteWarning(name),
            QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::No);
        const QPointer<TCommunityStringTableForm> self(this);
        if (box.exec() != QMessageBox::Yes || !self || Closed())
            return;
    }
    ui->ComboBox2->setCurrentIndex(RowStatusItem::Destroy);
    Write();
    ui->DeleteBtn->setEnabled(false);
}
