#pragma once

#include "TStaticFilterForm.h"

#include <memory>

namespace Ui {
class TUnicastFilterInformationForm;
}

// The static unicast filtering entries, listed and removed: Delete sends the
// selected entry's status "invalid" alone, then reads the table again.
class TUnicastFilterInformationForm : public TStaticFilterForm
{
    Q_OBJECT

public:
    explicit TUnicastFilterInformationForm(QWidget *owner);
    ~TUnicastFilterInformationForm() override;

    void DeleteBtnClick();

private:
    std::unique_ptr<Ui::TUnicastFilterInformationForm> ui;
};
