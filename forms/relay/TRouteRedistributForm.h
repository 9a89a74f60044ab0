#pragma once

#include "THandLaidForm.h"

#include <QList>

#include <memory>

class CvSNMPRequest2Edits;
class QRadioButton;

namespace Ui {
class TRouteRedistributForm;
}

// Layer 3 > Route Redistribution Table: which routes of a source protocol
// RIP or OSPF takes in, of what type and with what metric. The type is
// chosen with radio buttons standing for the entries of a hidden, bound
// type list; the pair of protocols decides which types apply and the
// bounds of the metric.
class TRouteRedistributForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TRouteRedistributForm(QWidget *owner);
    ~TRouteRedistributForm() override;

    void RefreshBtnClick();
    void EditBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();
    void ListView1Click();
    void RadioButtonClick(int k);
    // The types and metric bounds of the protocols chosen.
    void ApplyEnablingRule();

    QList<QRadioButton *> RadioButtons() const { return m_radios; }

    static constexpr const char *RipOutOfBound = "Metric out of Bound [0..16]";
    static constexpr const char *OspfOutOfBound = "Metric out of Bound [0..16777214]";

protected:
    void FormCreate() override;

private:
    // The metric checked against the destination's bounds; false (the
    // operator told) when it is missing or out of them.
    bool MetricAccepted();
    void Write(bool adding);

    std::unique_ptr<Ui::TRouteRedistributForm> ui;
    CvSNMPRequest2Edits *m_request = nullptr;
    QList<QRadioButton *> m_radios;
};
