#pragma once

#include "TRowEditDialog.h"

#include <QList>
#include <memory>

class TSystemLogHostForm;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace Ui {
class TLogHostEditForm;
}

// The edit dialog of the system-log host window. An include box beside
// each field says whether Set sends it; every showing starts with all boxes
// clear, so nothing is sent that was not chosen this time. The dialog stays
// open after a write.
class TLogHostEditForm : public TRowEditDialog
{
    Q_OBJECT

public:
    explicit TLogHostEditForm(TSystemLogHostForm *listWindow);
    ~TLogHostEditForm() override;

    QLineEdit *IndexEdit() const;
    QLineEdit *IPAddrEdit() const;
    QLineEdit *PortEdit() const;
    QComboBox *FacComboBox() const;
    QComboBox *SevComboBox() const;
    QComboBox *StateComboBox() const;
    QComboBox *RowComboBox() const;
    // CheckBox1 to CheckBox6, for variables 1 to 6.
    QList<QCheckBox *> IncludeBoxes() const;

    void SetButtonClick();
    void AllButtonClick();
    void ClearButtonClick();

    static constexpr const char *IndexMissing = "Index is needed.";
    static constexpr const char *IndexTaken = "Index must be different.";
    static constexpr const char *NotCreateAndGo = "State should be createAndGo.";
    static constexpr const char *StatusUnchecked = "State should be checked.";
    static constexpr const char *NothingChecked = "Check the fields to be set.";
    static constexpr const char *PortOutOfRange = "Server UDP Port must be 514 or 6000-65535.";

protected:
    void FormActivate() override;

private:
    bool portAccepted();

    std::unique_ptr<Ui::TLogHostEditForm> ui;
    TSystemLogHostForm *m_list;
};
