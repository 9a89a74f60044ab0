#pragma once

#include "THandLaidForm.h"

#include <QList>
#include <memory>

class CvSNMPRequest2Edits;

namespace Ui {
class TProtocolVlanForm;
}

// VLAN > Protocol VLAN: protocol-based VLAN groups, a selective-write
// window. Edit, Add and Delete send only the fields that apply: empty
// fields leave the switch's values alone, the user-defined protocol and the
// encapsulation go only with the user-defined protocol type, and Edit sends
// the row status only to destroy the row (an existing row refuses
// createAndGo).
class TProtocolVlanForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TProtocolVlanForm(QWidget *owner);
    ~TProtocolVlanForm() override;

    CvSNMPRequest2Edits *Request() const { return m_request; }

    void GetClick();
    void EditClick();
    void AddClick();
    void DeleteClick();
    void ListView1Click();
    void ProtocolTypeChange();

    static constexpr const char *IndexMissing = "Index must be set.";
    static constexpr const char *IndexTaken
        = "There is already a record with the same Index. Please modified it.";
    static constexpr const char *NotCreateAndGo = "Row State must be createAndGo.";

protected:
    void FormCreate() override;

private:
    QList<int> fieldExclusions() const;
    bool indexGiven();
    void write(const QList<int> &excluded);
    void ShowNoSelection();
    void ClearPane();

    std::unique_ptr<Ui::TProtocolVlanForm> ui;
    CvSNMPRequest2Edits *m_request = nullptr;
    bool m_clearing = false;
};
