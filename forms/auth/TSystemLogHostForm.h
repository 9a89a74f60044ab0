#pragma once

#include "THandLaidForm.h"

#include <QList>
#include <memory>

class CvSNMPRequest2Edits;
class TLogHostEditForm;

namespace Ui {
class TSystemLogHostForm;
}

// Device Management > System Log > System Log Host: the servers the
// switch sends its log to, a dialog-edited window with include boxes.
class TSystemLogHostForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TSystemLogHostForm(QWidget *owner);
    ~TSystemLogHostForm() override;

    CvSNMPRequest2Edits *Request() const { return m_request; }
    TLogHostEditForm *EditDialog() const { return m_dialog; }

    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void ListView1Click();

    // For the dialog: a row has this index; write the dialog's fields but
    // the variables excluded and read the list again.
    bool IndexListed(const QString &index) const;
    bool WriteRow(const QList<int> &excluded);

protected:
    void FormCreate() override;

private:
    std::unique_ptr<Ui::TSystemLogHostForm> ui;
    TLogHostEditForm *m_dialog = nullptr;
    CvSNMPRequest2Edits *m_request = nullptr;
};
