#pragma once

#include "THandLaidForm.h"

class CvSNMPRequest2Edits;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
struct CvSNMPVar;

// A read-only table of the bridge's ports: the list, Refresh, the row count
// beside "Samples" and the memo. Refresh is refused while the table's walk
// runs and works again as soon as it has ended, however it ended: a failed
// or stopped walk leaves nothing behind that keeps the button dead.
class TBridgePortTableForm : public THandLaidForm
{
    Q_OBJECT

public:
    CvSNMPRequest2Edits *Request() const { return m_request; }

    void RefreshBtnClick();

protected:
    TBridgePortTableForm(QWidget *owner, const CvSNMPVar *vars);
    // The controls of the derived window's form, once it is set up.
    void SetControls(QTreeWidget *list, QPushButton *refresh, QPlainTextEdit *memo, QLabel *count);

    void FormCreate() override;

private:
    const CvSNMPVar *m_vars;
    QTreeWidget *m_list = nullptr;
    QPlainTextEdit *m_memo = nullptr;
    CvSNMPRequest2Edits *m_request = nullptr;
};
