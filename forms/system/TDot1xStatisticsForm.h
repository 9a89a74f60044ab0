#pragma once

#include "THandLaidForm.h"

#include <memory>

class CvSNMPRequest2Edits;
struct CvSNMPVar;

namespace Ui {
class TDot1xStatisticsForm;
}

// A read-only list of MAC-based 802.1X counters, one row per supplicant
// (address and port, as the supplicant state table has them). The request
// waits for its answers; an error of any read, the first included, is a
// line in the memo and the window stays open.
class TDot1xStatisticsForm : public THandLaidForm
{
    Q_OBJECT

public:
    TDot1xStatisticsForm(QWidget *owner, const CvSNMPVar *table, const QString &caption);
    ~TDot1xStatisticsForm() override;

    void Button1Click();

protected:
    void FormCreate() override;

private:
    std::unique_ptr<Ui::TDot1xStatisticsForm> ui;
    const CvSNMPVar *m_table;
    CvSNMPRequest2Edits *m_request = nullptr;
};

// 802.1X > Diagnostics Information.
class TDiagnosticsInformationForm : public TDot1xStatisticsForm
{
    Q_OBJECT

public:
    explicit TDiagnosticsInformationForm(QWidget *owner);
};

// 802.1X > EAP Over Land Frames Statistic Table.
class TMacStatisticTableForm : public TDot1xStatisticsForm
{
    Q_OBJECT

public:
    explicit TMacStatisticTableForm(QWidget *owner);
};
