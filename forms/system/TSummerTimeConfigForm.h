#pragma once

#include "THandLaidForm.h"

#include <QList>

#include <memory>

class CvSNMPRequest2Edits;
class QComboBox;
class QWidget;

namespace Ui {
class TSummerTimeConfigForm;
}

// System > Daylight Saving Time: the status with its offset, and the
// summer-time period either once a year (day and month) or repeating
// (week, day of the week and month), each kept by the switch as a date
// value of a few octets. The window shows the set of date boxes the status
// asks for and codes them into the values and back.
//
// Set writes the status and offset, then the dates of the status's set.
// With a date box of the set empty, the annual mode writes no date and
// reads the dates again, the repeating mode writes the repeat values last
// read; only when those were never read is Set refused before anything is
// sent. A failure of any write shows in the memo and stops the writes after
// it.
class TSummerTimeConfigForm : public THandLaidForm
{
    Q_OBJECT

public:
    explicit TSummerTimeConfigForm(QWidget *owner);
    ~TSummerTimeConfigForm() override;

    void SetBtnClick();
    void GetBtnClick();
    void ComboBox1Change();
    void Edit1Change();

    static constexpr const char *DateMissing = "Please choose every field of the date.";
    static constexpr const char *NoSuchDate = "The date does not exist.";

protected:
    void FormCreate() override;

private:
    enum class Mode { Disable, Repeating, Annual, Unknown };
    Mode StatusMode() const;
    void ShowAnnual(bool shown);
    void ShowRepeat(bool shown);
    void DisableDates();
    // Reads the date values of the mode shown and puts them into the boxes.
    void ReadDates(bool showDecodeErrors);
    void DecodeAnnual();
    void DecodeRepeat();
    // The first box of the mode's set that is empty, or null.
    QComboBox *EmptyBox(const QList<QComboBox *> &boxes) const;
    bool DatesValid();

    std::unique_ptr<Ui::TSummerTimeConfigForm> ui;
    CvSNMPRequest2Edits *m_status = nullptr;
    CvSNMPRequest2Edits *m_annual = nullptr;
    CvSNMPRequest2Edits *m_repeat = nullptr;
    QList<QComboBox *> m_annualBoxes;
    QList<QComboBox *> m_repeatBoxes;
    QList<QWidget *> m_repeatLabels;
};
