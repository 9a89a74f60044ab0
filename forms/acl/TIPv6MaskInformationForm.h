#pragma once

#include "TAclTableForm.h"

#include <memory>

namespace Ui {
class TIPv6MaskInformationForm;
}

// Access Control > IPv6 Mask Information: the IPv6 access profiles. Add
// sends what is chosen and filled; Modify wants every choice made and the
// masks the address-mask state examines.
class TIPv6MaskInformationForm : public TAclTableForm
{
    Q_OBJECT

public:
    explicit TIPv6MaskInformationForm(QWidget *owner);
    ~TIPv6MaskInformationForm() override;

    void btnModifyClick();
    void btnAddClick();
    void btnDeleteClick();

    static constexpr const char *IdMissing = "IPv6 Mask ID must be set.";
    static constexpr const char *IdTaken
        = "There is already a record with the same IPv6 Mask ID. Please modify it.";
    static constexpr const char *NotCreateAndGo = "Row Status must be createAndGo.";
    static constexpr const char *ChooseClass = "Please choose Class.";
    static constexpr const char *ChooseFlowLabel = "Please choose Flow Label.";
    static constexpr const char *ChooseState = "Please choose IPv6 Address Mask State.";
    static constexpr const char *SrcMissing = "IPv6 Source Address Mask should not be null.";
    static constexpr const char *DstMissing = "IPv6 Destination Address Mask should not be null.";

protected:
    void FormCreate() override;

private:
    // The address masks the chosen state examines, each given in full when
    // required (Modify) or filled (Add); false when one is refused.
    bool masks(QList<int> &excluded, bool required);

    std::unique_ptr<Ui::TIPv6MaskInformationForm> ui;
};
