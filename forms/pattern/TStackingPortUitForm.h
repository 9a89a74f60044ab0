#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

class QCheckBox;
class QScrollArea;
class QTabWidget;

namespace Ui {
class TStackingPortUitForm;
}

// The stack port grid: one check box per port slot of every unit, 12 units
// of 64, on one tab sheet per unit. Box k is bit k of a port list (octet
// k / 8, mask 0x80 >> k % 8), so port p of unit u is box (u - 1) * 64 + p - 1;
// a window binds all 768 boxes to one port-list variable. Sheets start with
// their tab hidden and boxes invisible: only the units present and their
// real ports are shown. A hidden box still holds the bit read for it.
class TStackingPortUitForm : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Units = 12;
    static constexpr int PortsPerUnit = 64;
    static constexpr int BoxCount = Units * PortsPerUnit;
    static constexpr int PortListOctets = BoxCount / 8;

    explicit TStackingPortUitForm(QWidget *owner);
    ~TStackingPortUitForm() override;

    // Adds one hidden unit sheet with portCount boxes in rows of columns
    // (10 when "DeviceInfo.ini" is in the working directory). firstPort,
    // the unit's first port number, is not needed for the layout.
    void AddUnitPage(const QString &caption, int firstPort, int portCount, int columns);
    void CreatePortCheckBoxes(QScrollArea *scrollBox, int count, int columns);
    // Shows the unit's sheet, captioned with the model, and its first
    // portCount boxes (clamped to 0..64). A unit id that is not a number from
    // 1 to 12 shows nothing: false.
    bool ShowUnit(const QString &unitId, const QString &model, int portCount);

    QCheckBox *Port(int unit, int port) const; // null outside the grid
    void UncheckAll();
    // The boxes no sheet shows take their bits from portList (octets, port
    // 1 of unit 1 the first octet's 0x80); bits beyond it are 0.
    void SetHiddenPorts(const QByteArray &portList);
    QTabWidget *UnitPageControl() const;

    // The bit numbers that bind the boxes: "0,1,...,767".
    static QString BitList();

    QList<QCheckBox *> PortCheckBoxes;
    QList<QWidget *> UnitSheets;

private:
    void FormCreate();

    std::unique_ptr<Ui::TStackingPortUitForm> ui;
};
