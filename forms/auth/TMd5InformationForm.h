#pragma once

#include "THandLaidForm.h"

#include <memory>

class CvSNMPRequest2Edits;
class TMd5EditForm;

namespace Ui {
class TMd5InformationForm;
}

// Layer 3 > MD5 Information: the routing protocols' MD5 keys, a
// dialog-edited window. The list shows the keys; Edit and Add open the
// window's one edit dialog, whose fields are bound to the list's request.
class TMd5InformationForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TMd5InformationForm(QWidget *owner);
    ~TMd5InformationForm() override;

    CvSNMPRequest2Edits *Request() const { return m_request; }
    TMd5EditForm *EditDialog() const { return m_dialog; }

    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void ListView1Click();

    // For the dialog: a row has this key id; write the dialog's fields and
    // read the list again (false when the write failed, the error shown).
    bool KeyListed(const QString &id) const;
    bool WriteRow();

protected:
    void FormCreate() override;

private:
    std::unique_ptr<Ui::TMd5InformationForm> ui;
    TMd5EditForm *m_dialog = nullptr;
    CvSNMPRequest2Edits *m_request = nullptr;
};
