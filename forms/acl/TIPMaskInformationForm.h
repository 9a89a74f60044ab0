#pragma once

#include "TAclTableForm.h"

#include <memory>

namespace Ui {
class TIPMaskInformationForm;
}

// Access Control > IP Mask Information: the IP access profiles. What is
// sent follows the mask state and the layer-4 protocol: only the chosen
// protocol's option columns, the port masks that the TCP or the UDP option
// examines (for a protocol with ports), and no empty mask field.
class TIPMaskInformationForm : public TAclTableForm
{
    Q_OBJECT

public:
    explicit TIPMaskInformationForm(QWidget *owner);
    ~TIPMaskInformationForm() override;

    void SetBtnClick();
    void BT_AddClick();
    void BT_DeleteClick();

    static constexpr const char *IdMissing = "IP Mask ID must be set.";
    static constexpr const char *IdTaken
        = "There is already a record with the same IP Mask ID. Please modified it.";

protected:
    void FormCreate() override;

private:
    // The columns the pane leaves out; false when a filled mask field is
    // malformed (refused already).
    bool exclusions(QList<int> &excluded);

    std::unique_ptr<Ui::TIPMaskInformationForm> ui;
};
