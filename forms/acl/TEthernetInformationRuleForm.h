#pragma once

#include "TAclRuleForm.h"

#include <memory>

namespace Ui {
class TEthernetInformationRuleForm;
}

// Access Control > Ethernet Information Rule: the access rules under the
// Ethernet profiles. Only the ticked fields are sent; a deny rule sends no
// priority or replacement.
class TEthernetInformationRuleForm : public TAclRuleForm
{
    Q_OBJECT

public:
    explicit TEthernetInformationRuleForm(QWidget *owner);
    ~TEthernetInformationRuleForm() override;

    void PermitComboBoxChange();

    static constexpr const char *IdMissing = "Mask ID must be set.";
    static constexpr const char *AccessIdMissing = "Access ID must be set.";
    static constexpr const char *KeysInUse = "Has already a record with the same Mask ID and "
                                             "Access ID. Please change eithor of them.";
    static constexpr const char *NotCreateAndGo = "Row State must be createAndGo.";

protected:
    void FormCreate() override;
    void PaneChanged() override { PermitComboBoxChange(); }

    bool KeysGiven() override;
    bool Exclusions(QList<int> &excluded, bool add) override;

private:
    std::unique_ptr<Ui::TEthernetInformationRuleForm> ui;
};
