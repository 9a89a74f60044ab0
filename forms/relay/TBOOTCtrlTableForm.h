#pragma once

#include "THandLaidForm.h"

#include <memory>

class CvSNMPRequest2Edits;
class TNewBootpCtrlForm;

namespace Ui {
class TBOOTCtrlTableForm;
}

// Layer 3 > BOOTP Ctrl Table: the servers each IP interface relays BOOTP
// requests to. Servers are only listed, added (in the window's dialog,
// whose fields are bound to the list's request) and deleted; a server is
// added with the state valid and deleted with invalid.
class TBOOTCtrlTableForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TBOOTCtrlTableForm(QWidget *owner);
    ~TBOOTCtrlTableForm() override;

    CvSNMPRequest2Edits *Request() const { return m_request; }
    TNewBootpCtrlForm *Dialog() const { return m_dialog; }

    void RefreshBtnClick();
    void DeleteBtnClick();
    void AddBtnClick();

    // For the dialog: the servers listed for an interface; the dialog's
    // server written as valid and the list read again (false when the
    // write could not be sent, the error shown).
    int ServersListed(const QString &interfaceName) const;
    bool AddServer();

protected:
    void FormCreate() override;

private:
    std::unique_ptr<Ui::TBOOTCtrlTableForm> ui;
    TNewBootpCtrlForm *m_dialog = nullptr;
    CvSNMPRequest2Edits *m_request = nullptr;
};
