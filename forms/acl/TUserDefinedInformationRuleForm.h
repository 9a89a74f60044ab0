#pragma once

#include "TAclRuleForm.h"

#include <memory>

namespace Ui {
class TUserDefinedInformationRuleForm;
}

// Access Control > User Defined Information Rule: the access rules under
// the user-defined profiles, matching up to 80 octets of a frame. Only the
// ticked fields are sent; a deny rule sends no priority or replacement.
class TUserDefinedInformationRuleForm : public TAclRuleForm
{
    Q_OBJECT

public:
    explicit TUserDefinedInformationRuleForm(QWidget *owner);
    ~TUserDefinedInformationRuleForm() override;

    void PermitComboBoxChange();

    static constexpr const char *IdMissing = "Profile ID must be set.";
    static constexpr const char *AccessIdMissing = "Access ID must be set.";
    static constexpr const char *KeysInUse = "There is already a record with the same Profile "
                                             "ID and Access ID. Please modified eithor of them.";
    static constexpr const char *NotCreateAndGo = "Row State must be createAndGo.";

protected:
    void FormCreate() override;
    void PaneChanged() override { PermitComboBoxChange(); }

    bool KeysGiven() override;
    bool Exclusions(QList<int> &excluded, bool add) override;

private:
    std::unique_ptr<Ui::TUserDefinedInformationRuleForm> ui;
};
