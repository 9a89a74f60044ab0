#pragma once

#include "TAclRuleForm.h"

#include <memory>

class QCheckBox;

namespace Ui {
class TIPRuleForm;
}

// Access Control > IP Rule: the access rules under the IP profiles. Only
// the ticked fields are sent, and of those only what the rule's protocol
// examines; a deny rule sends no priority or replacement, and the priority
// and the replacement DSCP go only with their enable boxes.
class TIPRuleForm : public TAclRuleForm
{
    Q_OBJECT

public:
    explicit TIPRuleForm(QWidget *owner);
    ~TIPRuleForm() override;

    void PermitComboBoxChange();

    static constexpr const char *IdMissing = "IP Rule ID must be set.";
    static constexpr const char *AccessIdMissing = "IP Rule Access ID must be set.";
    static constexpr const char *ProtocolMissing = "Rule Protocol must be chosed.";
    static constexpr const char *KeysInUse = "Has already a record with the same IP Rule ID and "
                                             "Access ID. Please change eithor of them.";
    static constexpr const char *NotCreateAndGo = "Row State must be createAndGo.";

protected:
    void FormCreate() override;
    void PaneChanged() override { PermitComboBoxChange(); }

    bool KeysGiven() override;
    bool Exclusions(QList<int> &excluded, bool add) override;

private:
    std::unique_ptr<Ui::TIPRuleForm> ui;
};
