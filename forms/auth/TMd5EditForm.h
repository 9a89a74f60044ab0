#pragma once

#include "TRowEditDialog.h"

#include <memory>

class TMd5InformationForm;
class QComboBox;
class QLineEdit;

namespace Ui {
class TMd5EditForm;
}

// The edit dialog of the MD5 key window: the key id, the key and the row
// status of one key. Add always starts on createAndGo and sends it; Edit
// leaves the key id alone.
class TMd5EditForm : public TRowEditDialog
{
    Q_OBJECT

public:
    explicit TMd5EditForm(TMd5InformationForm *listWindow);
    ~TMd5EditForm() override;

    QLineEdit *KeyIDEdit() const;
    QLineEdit *KeyEdit() const;
    QComboBox *StatusBox() const;

    void SetButtonClick();

    static constexpr const char *KeyIdMissing = "KeyID is needed.";
    static constexpr const char *KeyIdTaken = "KeyID must be different.";
    static constexpr const char *KeyMissing = "Key is needed.";

protected:
    void FormActivate() override;

private:
    std::unique_ptr<Ui::TMd5EditForm> ui;
    TMd5InformationForm *m_list;
};
