#pragma once

#include "TRowEditDialog.h"

#include <memory>

class TBOOTCtrlTableForm;
class QLineEdit;

namespace Ui {
class TNewBootpCtrlForm;
}

// The add dialog of the BOOTP relay window: an interface name and a server
// address. An interface relays to at most four servers; the dialog says so
// before anything is sent.
class TNewBootpCtrlForm : public TRowEditDialog
{
    Q_OBJECT

public:
    explicit TNewBootpCtrlForm(TBOOTCtrlTableForm *listWindow);
    ~TNewBootpCtrlForm() override;

    QLineEdit *InterfaceEdit() const;
    QLineEdit *ServerEdit() const;

    void DeleteBtnClick();

    static constexpr const char *FourServers = "One Interface Can Only With Four Bootp Servers";

protected:
    void FormActivate() override;

private:
    std::unique_ptr<Ui::TNewBootpCtrlForm> ui;
    TBOOTCtrlTableForm *m_list;
    bool m_activated = false;
};
