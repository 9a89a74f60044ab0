#pragma once

#include "TRowEditDialog.h"

#include <memory>

class CvSNMPRequest2Edits;
class TMSInformationForm;
class QComboBox;
class QLineEdit;

namespace Ui {
class TMSEditForm;
}

// The edit dialog of the member switch window, with a one-row request of
// its own (made and owned by the list window, so closing the list waits
// for it as well). Add makes the candidate named by its id a member with
// createAndGo; Edit sends only the password and the status; the list is
// read again once the write has been answered.
class TMSEditForm : public TRowEditDialog
{
    Q_OBJECT

public:
    explicit TMSEditForm(TMSInformationForm *listWindow);
    ~TMSEditForm() override;

    // Binds the dialog's fields to request (called once by the list window).
    void Bind(CvSNMPRequest2Edits *request);

    QLineEdit *KeyIDEdit() const;
    QLineEdit *ED_MCS() const;
    QLineEdit *MS_Password() const;
    QComboBox *Row_Status() const;

    void SetButtonClick();

    static constexpr const char *IdMissing = "MSID is needed.";

protected:
    void FormActivate() override;

private:
    std::unique_ptr<Ui::TMSEditForm> ui;
    TMSInformationForm *m_list;
    CvSNMPRequest2Edits *m_request = nullptr;
};
