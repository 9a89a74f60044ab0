#include "TBridgePortTableForm.h"

#include "CvSNMPRequest2Edits.h"
#include "ListViews.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

TBridgePortTableForm::TBridgePortTableForm(QWidget *owner, const CvSNMPVar *vars)
    : THandLaidForm(owner)
    , m_vars(vars)
{
}

void TBridgePortTableForm::SetControls(
    QTreeWidget *list, QPushButton *refresh, QPlainTextEdit *memo, QLabel *count)
{
    m_list = list;
    m_memo = memo;
    connect(refresh, &QPushButton::clicked, this, &TBridgePortTableForm::RefreshBtnClick);
    FollowRowCount(list, count);
}

void TBridgePortTableForm::FormCreate()
{
    m_request = AddRequest(m_vars, MVT_FMV, 1);
    Run(m_request, [this] {
        m_request->BindListView(m_list, true);
        m_request->SetMessageTarget(m_memo);
        m_request->Read();
    });
}

void TBridgePortTableForm::RefreshBtnClick()
{
    if (!m_request || AnyBusy())
        return;
    Run(m_request, [this] { m_request->Read(); });
}
