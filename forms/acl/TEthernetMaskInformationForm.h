#pragma once

#include "TAclTableForm.h"

#include <memory>

namespace Ui {
class TEthernetMaskInformationForm;
}

// Access Control > Ethernet Mask Information: the Ethernet access profiles.
// The MAC masks go only with a mask state that examines them, and such a
// mask must be given in full; Add of a mask with one MAC mask may leave that
// mask empty (the agent keeps its default), both masks must be given. Set
// never sends the row status except to destroy the row.
class TEthernetMaskInformationForm : public TAclTableForm
{
    Q_OBJECT

public:
    explicit TEthernetMaskInformationForm(QWidget *owner);
    ~TEthernetMaskInformationForm() override;

    void SetBtnClick();
    void BT_SetClick();
    void BT_DeleteClick();

    static constexpr const char *IdMissing = "Ethernet Mask ID must be set.";
    static constexpr const char *IdTaken
        = "There is already a record with the same Ethernet Mask ID. Please modified it.";
    static constexpr const char *NotCreateAndGo = "Row Status must be createAndGo.";

protected:
    void FormCreate() override;

private:
    // The columns left out by the mask state and the unchosen boxes; false
    // when a mask the state needs is missing or malformed.
    bool exclusions(QList<int> &excluded, bool add);

    std::unique_ptr<Ui::TEthernetMaskInformationForm> ui;
};
