#pragma once

#include "TAclTableForm.h"

#include <memory>

namespace Ui {
class TUserMaskInfoForm;
}

// Access Control > User Defined Mask Information: profiles over the first
// 80 octets of a frame, in five chunks of 16 octets. A chunk left empty is
// not sent; a filled one must have all 32 hexadecimal digits.
class TUserMaskInfoForm : public TAclTableForm
{
    Q_OBJECT

public:
    explicit TUserMaskInfoForm(QWidget *owner);
    ~TUserMaskInfoForm() override;

    void OperButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();

    static constexpr const char *IdMissing = "Mask Entry ID must be set.";
    static constexpr const char *IdTaken = "Mask Entry ID must be different.";
    static constexpr const char *NotCreateAndGo = "Row State must be createAndGo.";

protected:
    void FormCreate() override;

private:
    bool chunks(QList<int> &excluded);

    std::unique_ptr<Ui::TUserMaskInfoForm> ui;
};
