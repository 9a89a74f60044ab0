#pragma once

#include "THandLaidForm.h"

#include <memory>

class CvSNMPRequest2Edits;
struct CvSNMPVar;

namespace Ui {
class TEquipmentBasicInfoForm;
}

// The stack's scalars under the unit table, shown read-only with the
// equipment's fixed capacity line. Nothing is written.
class TEquipmentBasicInfoForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TEquipmentBasicInfoForm(QWidget *owner);
    ~TEquipmentBasicInfoForm() override;

    void BitBtn1Click();

    static constexpr const char *Capacity = "Fan, Redundant Power and Stacking";

protected:
    void FormCreate() override;

private:
    std::unique_ptr<Ui::TEquipmentBasicInfoForm> ui;
    CvSNMPRequest2Edits *m_request = nullptr;
};

// Stacking version, maximum units and units present, kind 0.
extern const CvSNMPVar EquipmentVars[];
