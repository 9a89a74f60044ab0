#pragma once

#include "TMethodListBase.h"

#include <memory>

namespace Ui {
class TEnableMethodForm;
}

// Security > TACACS+ > Enable Method Control: the enable method lists.
class TEnableMethodForm : public TMethodListBase
{
    Q_OBJECT

public:
    explicit TEnableMethodForm(QWidget *owner);
    ~TEnableMethodForm() override;

    static constexpr const char *NameMissing = "Enable MethodList Name must be set.";
    static constexpr const char *NameTaken = "Has already a record with the same Enable MethodList "
                                             "Name. Please Change Enable MethodList Name.";

private:
    std::unique_ptr<Ui::TEnableMethodForm> ui;
};
