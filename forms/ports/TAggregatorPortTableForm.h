#pragma once

#include "THandLaidForm.h"

#include <QList>
#include <memory>

class CvSNMPRequest2Controls;
class CvSNMPRequest2Edits;
class QCheckBox;
struct CvSNMPError;

namespace Ui {
class TAggregatorPortTableForm;
}

// Layer 2 Management > Aggregator Port Table: the 802.3ad state of every
// port, read-only. A selected row's four state octets show on four tabs of
// eight boxes, the most significant bit first.
class TAggregatorPortTableForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TAggregatorPortTableForm(QWidget *owner);
    ~TAggregatorPortTableForm() override;

    CvSNMPRequest2Edits *Request() const { return m_request; }
    // CheckBox1 to CheckBox32, tab by tab.
    const QList<QCheckBox *> &StateBoxes() const { return m_boxes; }

    void GetBtnClick();

protected:
    void FormCreate() override;

private:
    void read();
    void ReadDone(CvSNMPRequest2Controls *sender, const CvSNMPError &error);
    void enableControls(bool enabled);

    std::unique_ptr<Ui::TAggregatorPortTableForm> ui;
    CvSNMPRequest2Edits *m_request = nullptr;
    QList<QCheckBox *> m_boxes;
};
