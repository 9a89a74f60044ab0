#pragma once

#include "THandLaidForm.h"

#include <QList>
#include <memory>

class CvSNMPRequest2Controls;
class CvSNMPRequest2Edits;
class TMSEditForm;
struct CvSNMPError;

namespace Ui {
class TMSInformationForm;
}

// Single IP > Member Switch: the members of the switch's single-IP group,
// a dialog-edited window whose dialog writes through a one-row request.
class TMSInformationForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TMSInformationForm(QWidget *owner);
    ~TMSInformationForm() override;

    CvSNMPRequest2Edits *Request() const { return m_request; }
    CvSNMPRequest2Edits *MemberRequest() const { return m_member; }
    TMSEditForm *EditDialog() const { return m_dialog; }

    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void ListView1Click();

    // Writes the dialog's fields but the variables excluded to member id;
    // the list is read again when the write is answered.
    bool WriteMember(const QString &id, const QList<int> &excluded);

    static constexpr int ListTimeout = 500;

protected:
    void FormCreate() override;

private:
    void readAgain();
    void memberWritten(CvSNMPRequest2Controls *sender, const CvSNMPError &error);
    QString selectedColumn(int column) const;

    std::unique_ptr<Ui::TMSInformationForm> ui;
    TMSEditForm *m_dialog = nullptr;
    CvSNMPRequest2Edits *m_request = nullptr;
    CvSNMPRequest2Edits *m_member = nullptr;
};
