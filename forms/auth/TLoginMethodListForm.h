#pragma once

#include "TMethodListBase.h"

#include <memory>

namespace Ui {
class TLoginMethodListForm;
}

// Security > TACACS+ > Login Method Control: the login method lists.
class TLoginMethodListForm : public TMethodListBase
{
    Q_OBJECT

public:
    explicit TLoginMethodListForm(QWidget *owner);
    ~TLoginMethodListForm() override;

    static constexpr const char *NameMissing = "AAC Login Method List Name must be set.";
    static constexpr const char *NameTaken = "Has already a record with the same Login Method List "
                                             "Name. Please Change Login Method List Name.";

private:
    std::unique_ptr<Ui::TLoginMethodListForm> ui;
};
