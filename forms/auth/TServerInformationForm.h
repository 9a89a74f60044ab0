#pragma once

#include "THandLaidForm.h"

#include <QList>
#include <memory>

class CvSNMPRequest2Edits;

namespace Ui {
class TServerInformationForm;
}

// Security > TACACS+ > Server Information: the authentication servers by
// address and protocol, a selective-write window. Edit and Add send only
// the fields that hold a value; Edit sends the row status only to destroy.
class TServerInformationForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TServerInformationForm(QWidget *owner);
    ~TServerInformationForm() override;

    CvSNMPRequest2Edits *Request() const { return m_request; }

    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void ListView1Click();

    static constexpr const char *IpMissing = "Server IP must be set.";
    static constexpr const char *ProtocolMissing = "Protocol must be set.";
    static constexpr const char *ServerTaken = "Has already a record with the same Server IP and "
                                               "Protocol. Please Change Server IP or Protocol.";
    static constexpr const char *NotCreateAndGo = "Row State must be createAndGo.";

protected:
    void FormCreate() override;

private:
    bool keysGiven();
    bool editsAccepted();
    QList<int> emptyFields() const;
    void write(const QList<int> &excluded);
    void ShowNoSelection();
    void ClearPane();

    std::unique_ptr<Ui::TServerInformationForm> ui;
    CvSNMPRequest2Edits *m_request = nullptr;
    bool m_clearing = false;
};
