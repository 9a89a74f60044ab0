#pragma once

#include "THandLaidForm.h"

#include <memory>

class CvSNMPRequest2Edits;

namespace Ui {
class TCommunityStringTableForm;
}

// Security > Community String Table: the SNMP communities of the switch,
// a bound table window. The index is the community's row name, written in
// full as the last part of the instance. Delete destroys the selected row
// without asking, but warns first when it is the community this module
// writes with: without it nothing more could be set.
class TCommunityStringTableForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TCommunityStringTableForm(QWidget *owner);
    ~TCommunityStringTableForm() override;

    void RefreshBtnClick();
    void SetBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();
    void ListView1Click();

    // The warning Delete gives for the community this program writes with.
    static QString DeleteWarning(const QString &name);

protected:
    void FormCreate() override;

private:
    void Write();

    std::unique_ptr<Ui::TCommunityStringTableForm> ui;
    CvSNMPRequest2Edits *m_request = nullptr;
};
