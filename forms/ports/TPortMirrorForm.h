#pragma once

#include "THandLaidForm.h"

#include <memory>

class CvSNMPRequest2Edits;
class TStackingPortUitForm;

namespace Ui {
class TPortMirrorForm;
}

// Layer 2 Management > Port Mirror Table: one target port, typed as unit
// and port, and the ingress and egress source ports on two stack grids.
// The target goes to the switch as its logical port (unit - 1) * 64 + port
// through a hidden edit, and comes back split the same way.
class TPortMirrorForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TPortMirrorForm(QWidget *owner);
    ~TPortMirrorForm() override;

    TStackingPortUitForm *IngressGrid() const { return m_ingress; }
    TStackingPortUitForm *EgressGrid() const { return m_egress; }
    CvSNMPRequest2Edits *Request() const { return m_request; }

    void BT_RefreshClick();
    void BT_SetClick();
    void ET_TargetPortChange();

    static constexpr const char *SourcesEmpty = "Ingress Ports and Egress Ports can not be empty ";
    static constexpr const char *InvalidTarget = "Set valid target port";
    static constexpr const char *TargetIsSource = "Mirror port can not be member port!";

protected:
    void FormCreate() override;

private:
    std::unique_ptr<Ui::TPortMirrorForm> ui;
    TStackingPortUitForm *m_ingress = nullptr;
    TStackingPortUitForm *m_egress = nullptr;
    CvSNMPRequest2Edits *m_request = nullptr;
};
