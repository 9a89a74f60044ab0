#include "TStackingPortUitForm.h"

#include "ui_TStackingPortUitForm.h"

#include "AccessibleNames.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QScrollArea>
#include <QStringList>
#include <QVBoxLayout>

TStackingPortUitForm::TStackingPortUitForm(QWidget *owner)
    : QWidget(owner)
    , ui(std::make_unique<Ui::TStackingPortUitForm>())
{
    ui->setupUi(this);
    FormCreate();
}

TStackingPortUitForm::~TStackingPortUitForm() = default;

void TStackingPortUitForm::FormCreate()
{
    PortCheckBoxes.clear();
    UnitSheets.clear();
}

QTabWidget *TStackingPortUitForm::UnitPageControl() const
{
    return ui->UnitPageControl;
}

void TStackingPortUitForm::AddUnitPage(const QString &caption, int, int portCount, int columns)
{
    if (QFileInfo::exists(QStringLiteral("DeviceInfo.ini")))
        columns = 10;
    auto *sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("UnitSheet%1").arg(UnitSheets.size() + 1));
    auto *scrollBox = new QScrollArea(sheet);
    scrollBox->setObjectName(QStringLiteral("UnitScrollBox%1").arg(UnitSheets.size() + 1));
    scrollBox->setFrameShape(QFrame::NoFrame);
    scrollBox->setWidgetResizable(false);
    auto *layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollBox);
    CreatePortCheckBoxes(scrollBox, portCount, columns);
    const int index = ui->UnitPageControl->addTab(sheet, caption);
    ui->UnitPageControl->setTabVisible(index, false);
    UnitSheets.append(sheet);
}

void TStackingPortUitForm::CreatePortCheckBoxes(QScrollArea *scrollBox, int count, int columns)
{
    auto *client = new QWidget;
    columns = qMax(1, columns);
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < count; ++i) {
        auto *box = new QCheckBox(QString::number(i + 1), client);
        const auto number = int(PortCheckBoxes.size());
        box->setObjectName(QStringLiteral("Port%1").arg(number + 1));
        // The caption is the port number only; the sheet tells the unit.
        box->setAccessibleName(
            PortAccessibleName(number / PortsPerUnit + 1, number % PortsPerUnit + 1));
        const int fontSize = qMax(1, box->font().pointSize());
        const int column = i % columns;
        const int row = i / columns;
        const int width = int(box->text().size()) * fontSize + 3 * fontSize;
        const int height = box->sizeHint().height();
        box->setGeometry(fontSize * column * 5 + 20, row * height + 4, width, height);
        box->setVisible(false);
        right = qMax(right, box->geometry().right() + 1);
        bottom = qMax(bottom, box->geometry().bottom() + 1);
        PortCheckBoxes.append(box);
    }
    client->resize(right + 4, bottom + 4);
    scrollBox->setWidget(client);
}

bool TStackingPortUitForm::ShowUnit(const QString &unitId, const QString &model, int portCount)
{
    bool ok = false;
    const int unit = unitId.trimmed().toInt(&ok, 10);
    if (!ok || unit < 1 || unit > Units || unit > UnitSheets.size())
        return false;
    const int shown = qBound(0, portCount, PortsPerUnit);
    const int index = ui->UnitPageControl->indexOf(UnitSheets.at(unit - 1));
    ui->UnitPageControl->setTabVisible(index, true);
    ui->UnitPageControl->setTabText(
        index, ui->UnitPageControl->tabText(index) + QLatin1Char(' ') + model);
    const int first = (unit - 1) * PortsPerUnit;
    for (int k = 0; k < PortsPerUnit && first + k < PortCheckBoxes.size(); ++k)
        PortCheckBoxes.at(first + k)->setVisible(k < shown);
    return true;
}

QCheckBox *TStackingPortUitForm::Port(int unit, int port) const
{
    if (unit < 1 || unit > Units || port < 1 || port > PortsPerUnit)
        return nullptr;
    return PortCheckBoxes.value((unit - 1) * PortsPerUnit + port - 1);
}

void TStackingPortUitForm::UncheckAll()
{
    for (QCheckBox *box : std::as_const(PortCheckBoxes))
        box->setChecked(false);
}

void TStackingPortUitForm::SetHiddenPorts(const QByteArray &portList)
{
    for (int k = 0; k < PortCheckBoxes.size(); ++k) {
        QCheckBox *box = PortCheckBoxes.at(k);
        if (!box->isHidden())
            continue;
        const int octet = k / 8;
        box->setChecked(
            octet < portList.size() && (quint8(portList.at(octet)) & (0x80u >> (k % 8))));
    }
}

QString TStackingPortUitForm::BitList()
{
    QStringList numbers;
    numbers.reserve(BoxCount);
    for (int k = 0; k < BoxCount; ++k)
        numbers.append(QString::number(k));
    return numbers.join(QLatin1Char(','));
}
