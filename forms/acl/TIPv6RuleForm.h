#pragma once

#include "TAclRuleForm.h"

#include <memory>

namespace Ui {
class TIPv6RuleForm;
}

// Access Control > IPv6 Rule: the access rules under the IPv6 profiles.
// Every ticked field must be filled or chosen, checked in the order of the
// pane; only ticked fields are sent, the priority only while enabled, and
// nothing of a deny rule's priority.
class TIPv6RuleForm : public TAclRuleForm
{
    Q_OBJECT

public:
    explicit TIPv6RuleForm(QWidget *owner);
    ~TIPv6RuleForm() override;

    void cbxPermitChange();

    static constexpr const char *KeysInUse = "Has already a record with the same IPv6 Rule ID "
                                             "and Access ID. Please change eithor of them.";
    static constexpr const char *NotCreateAndGo = "Row State must choose createAndGo.";

protected:
    void FormCreate() override;
    void PaneChanged() override { cbxPermitChange(); }

    // The eleven checks, in order; false at the first refused.
    bool KeysGiven() override;
    // Every field was checked with the keys: nothing more is refused here.
    bool Exclusions(QList<int> &excluded, bool add) override;

private:
    std::unique_ptr<Ui::TIPv6RuleForm> ui;
};
