#include "TSummerTimeConfigForm.h"

#include "ui_TSummerTimeConfigForm.h"

#include "CvChangeJournal.h"
#include "CvException.h"
#include "CvSNMPRequest2Edits.h"
#include "SummerTimeDates.h"
#include "SystemVariables.h"

#include <QComboBox>
#include <QLineEdit>

namespace {
void fillNumbers(QComboBox *box, int first, int last)
{
    for (int n = first; n <= last; ++n)
        box->addItem(QString::number(n));
}

int number(const QComboBox *box)
{
    return box->currentText().toInt();
}

void setItems(const QList<QComboBox *> &boxes, const auto &items)
{
    for (qsizetype k = 0; k < boxes.size(); ++k)
        boxes.at(k)->setCurrentIndex(items.at(size_t(k)));
}
} // namespace

TSummerTimeConfigForm::TSummerTimeConfigForm(QWidget *owner)
    : THandLaidForm(owner)
    , ui(std::make_unique<Ui::TSummerTimeConfigForm>())
{
    ui->setupUi(this);
    ui->OffSetTimeComboBox->addItems({"30", "60", "90", "120"});
    for (QComboBox *box : {ui->DayComboBox, ui->EDayComboBox})
        fillNumbers(box, 1, 31);
    for (QComboBox *box :
        {ui->MonthComboBox, ui->EMonthComboBox, ui->MonthComboBoxR, ui->EMonthComboBoxR})
        fillNumbers(box, 1, 12);
    for (QComboBox *box :
        {ui->HourComboBox, ui->EHourComboBox, ui->HourComboBoxR, ui->EHourComboBoxR})
        fillNumbers(box, 0, 23);
    for (QComboBox *box :
        {ui->MiniuteComboBox, ui->EMiniuteComboBox, ui->MiniuteComboBoxR, ui->EMiniuteComboBoxR})
        fillNumbers(box, 0, 59);
    for (QComboBox *box : {ui->WeekComboBoxR, ui->EWeekComboBoxR})
        box->addItems({"First", "Second", "Third", "Fourth", "Last"});
    for (QComboBox *box : {ui->SWeekComboBox, ui->EWeekComboBox})
        box->addItems(
            {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", ""});

    m_annualBoxes = {ui->DayComboBox, ui->MonthComboBox, ui->HourComboBox, ui->MiniuteComboBox,
        ui->EDayComboBox, ui->EMonthComboBox, ui->EHourComboBox, ui->EMiniuteComboBox};
    m_repeatBoxes = {ui->WeekComboBoxR, ui->SWeekComboBox, ui->MonthComboBoxR, ui->HourComboBoxR,
        ui->MiniuteComboBoxR, ui->EWeekComboBoxR, ui->EWeekComboBox, ui->EMonthComboBoxR,
        ui->EHourComboBoxR, ui->EMiniuteComboBoxR};
    m_repeatLabels = {ui->WeekLabel, ui->EWeekLabel, ui->DayOfWeekLabel, ui->EDayOfWeekLabel};
    for (QComboBox *box : m_annualBoxes + m_repeatBoxes)
        box->setCurrentIndex(-1);
    ShowRepeat(false);
    ShowAnnual(true);

    connect(ui->SetBtn, &QPushButton::clicked, this, &TSummerTimeConfigForm::SetBtnClick);
    connect(ui->GetBtn, &QPushButton::clicked, this, &TSummerTimeConfigForm::GetBtnClick);
    connect(ui->ComboBox1, &QComboBox::currentTextChanged, this,
        &TSummerTimeConfigForm::ComboBox1Change);
    connect(ui->Edit1, &QLineEdit::textChanged, this, &TSummerTimeConfigForm::Edit1Change);
}

TSummerTimeConfigForm::~TSummerTimeConfigForm() = default;

// The three requests wait for their answers, so each step of Set and
// Refresh runs in order and a failed one stops those after it.
void TSummerTimeConfigForm::FormCreate()
{
    using namespace SummerStatus;
    m_status = AddRequest(SummerStatusVars, SVT_SV, 0);
    m_annual = AddRequest(SummerAnnualVars, SVT_SV, 0);
    m_repeat = AddRequest(SummerRepeatVars, SVT_SV, 0);
    for (CvSNMPRequest2Edits *r : {m_status, m_annual, m_repeat})
        r->asynchronous = false;
    const bool read = Run(m_status, [this] {
        m_status->BindComboBox(Status, ui->ComboBox1);
        m_status->BindEdit(Offset, QStringLiteral("%s"), ui->Edit1);
        m_status->SetMessageTarget(ui->Memo1);
        m_annual->BindEdit(0, QStringLiteral("%h"), ui->AnualTimeStartEdit);
        m_annual->BindEdit(1, QStringLiteral("%h"), ui->AnualTimeEndEdit);
        m_repeat->BindEdit(0, QStringLiteral("%h"), ui->Edit2);
        m_repeat->BindEdit(1, QStringLiteral("%h"), ui->Edit3);
        m_status->Read();
    });
    if (read && !Closed())
        ReadDates(true);
}

TSummerTimeConfigForm::Mode TSummerTimeConfigForm::StatusMode() const
{
    const QString status = ui->ComboBox1->currentText();
    if (status == QLatin1String("annual"))
        return Mode::Annual;
    if (status == QLatin1String("repeating"))
        return Mode::Repeating;
    if (status == QLatin1String("disable"))
        return Mode::Disable;
    return Mode::Unknown;
}

void TSummerTimeConfigForm::ShowAnnual(bool shown)
{
    for (QWidget *w : QList<QWidget *>(m_annualBoxes.begin(), m_annualBoxes.end())
            + QList<QWidget *> {ui->DayLabel, ui->EDayLabel}) {
        w->setVisible(shown);
        w->setEnabled(shown);
    }
}

void TSummerTimeConfigForm::ShowRepeat(bool shown)
{
    for (QWidget *w :
        QList<QWidget *>(m_repeatBoxes.begin(), m_repeatBoxes.end()) + m_repeatLabels) {
        w->setVisible(shown);
        w->setEnabled(shown);
    }
}

void TSummerTimeConfigForm::DisableDates()
{
    for (QComboBox *box : m_annualBoxes + m_repeatBoxes)
        box->setEnabled(false);
}

void TSummerTimeConfigForm::ComboBox1Change()
{
    switch (StatusMode()) {
    case Mode::Annual:
        ShowRepeat(false);
        ShowAnnual(true);
        break;
    case Mode::Repeating:
        ShowAnnual(false);
        ShowRepeat(true);
        break;
    case Mode::Disable:
        DisableDates();
        break;
    case Mode::Unknown:
        break;
    }
}

void TSummerTimeConfigForm::Edit1Change()
{
    const int item = ui->OffSetTimeComboBox->findText(ui->Edit1->text());
    if (item >= 0)
        ui->OffSetTimeComboBox->setCurrentIndex(item);
}

void TSummerTimeConfigForm::ReadDates(bool showDecodeErrors)
{
    const Mode mode = StatusMode();
    if (mode != Mode::Annual && mode != Mode::Repeating)
        return;
    const bool annual = mode == Mode::Annual;
    CvSNMPRequest2Edits *dates = annual ? m_annual : m_repeat;
    if (!Run(m_status, [dates] { dates->Read(); }) || Closed())
        return;
    ShowAnnual(annual);
    ShowRepeat(!annual);
    try {
        if (annual)
            DecodeAnnual();
        else
            DecodeRepeat();
    } catch (const CvException &e) {
        if (showDecodeErrors && m_status)
            m_status->ShowError(e.message());
    }
}

void TSummerTimeConfigForm::DecodeAnnual()
{
    using SummerTimeDates::DecodeAnnual;
    setItems(m_annualBoxes.mid(0, 4), DecodeAnnual(ui->AnualTimeStartEdit->text()));
    setItems(m_annualBoxes.mid(4, 4), DecodeAnnual(ui->AnualTimeEndEdit->text()));
}

void TSummerTimeConfigForm::DecodeRepeat()
{
    using SummerTimeDates::DecodeRepeat;
    setItems(m_repeatBoxes.mid(0, 5), DecodeRepeat(ui->Edit2->text(), false));
    setItems(m_repeatBoxes.mid(5, 5), DecodeRepeat(ui->Edit3->text(), true));
}

void TSummerTimeConfigForm::GetBtnClick()
{
    if (AnyBusy() || !m_status)
        return;
    if (Run(m_status, [this] { m_status->Read(); }) && !Closed())
        ReadDates(false);
}

QComboBox *TSummerTimeConfigForm::EmptyBox(const QList<QComboBox *> &boxes) const
{
    for (QComboBox *box : boxes)
        if (box->currentText().isEmpty())
            return box;
    return nullptr;
}

// With a date box empty, the annual mode writes no date and the repeating
// mode writes the repeat values last read: those must have been read. A
// whole annual date must exist in its month.
bool TSummerTimeConfigForm::DatesValid()
{
    const Mode mode = StatusMode();
    if (mode == Mode::Repeating && EmptyBox(m_repeatBoxes)
        && (ui->Edit2->text().isEmpty() || ui->Edit3->text().isEmpty())) {
        RefuseInput(QString::fromLatin1(DateMissing), EmptyBox(m_repeatBoxes));
        return false;
    }
    if (mode == Mode::Annual && !EmptyBox(m_annualBoxes)) {
        for (auto [day, month] : {std::pair {ui->DayComboBox, ui->MonthComboBox},
                 std::pair {ui->EDayComboBox, ui->EMonthComboBox}}) {
            if (!SummerTimeDates::DayInMonth(number(day), number(month))) {
                RefuseInput(QString::fromLatin1(NoSuchDate), day);
                return false;
            }
        }
    }
    return true;
}

void TSummerTimeConfigForm::SetBtnClick()
{
    if (AnyBusy() || !m_status)
        return;
    const Mode mode = StatusMode();
    if (!DatesValid())
        return;
    // An offset the list does not hold stays as read.
    if (ui->OffSetTimeComboBox->currentIndex() >= 0)
        ui->Edit1->setText(ui->OffSetTimeComboBox->currentText());
    // The state and the dates are one change in the journal.
    const CvOperatorAction action(windowTitle());
    // Each write waits for its answer: a window closed meanwhile sends no more.
    if (!Run(m_status, [this] { m_status->Write(true, true); }) || Closed())
        return;
    using namespace SummerTimeDates;
    if (mode == Mode::Annual) {
        if (EmptyBox(m_annualBoxes)) {
            ReadDates(false);
            return;
        }
        ui->AnualTimeStartEdit->setText(EncodeAnnual(number(ui->DayComboBox),
            number(ui->MonthComboBox), number(ui->HourComboBox), number(ui->MiniuteComboBox)));
        ui->AnualTimeEndEdit->setText(EncodeAnnual(number(ui->EDayComboBox),
            number(ui->EMonthComboBox), number(ui->EHourComboBox), number(ui->EMiniuteComboBox)));
        Run(m_status, [this] { m_annual->Write(true, true); });
    } else if (mode == Mode::Repeating) {
        if (!EmptyBox(m_repeatBoxes)) {
            ui->Edit2->setText(EncodeRepeat(ui->WeekComboBoxR->currentIndex(),
                ui->SWeekComboBox->currentIndex(), number(ui->MonthComboBoxR),
                number(ui->HourComboBoxR), number(ui->MiniuteComboBoxR), false));
            ui->Edit3->setText(EncodeRepeat(ui->EWeekComboBoxR->currentIndex(),
                ui->EWeekComboBox->currentIndex(), number(ui->EMonthComboBoxR),
                number(ui->EHourComboBoxR), number(ui->EMiniuteComboBoxR), true));
        }
        Run(m_status, [this] { m_repeat->Write(true, true); });
    }
}
