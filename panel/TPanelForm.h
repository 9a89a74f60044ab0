#pragma once

#include "PanelLayout.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class CvSNMPRequest2Leds;
class MainWindowState;
class QAbstractButton;
class QLabel;

// A front-panel window: a borderless child of the main window showing one
// stack unit's front (Image1), a port button over every port (SpeedButton1
// ...), and LEDs that follow the unit's LED status string. Everything
// about a model comes from its PanelLayout; the window classes named after
// the models only pick their layout.
//
// Discovery calls, in this order: SetUnitNumber, SetupLeds,
// RegisterPortButtons, then StartPolling on LedBinding().
class TPanelForm : public QWidget
{
    Q_OBJECT

public:
    // caption: the model name printed on a front drawn at run time.
    TPanelForm(const PanelLayout &layout, QWidget *parent, const QString &caption = QString());
    ~TPanelForm() override;

    void SetUnitNumber(int unit) { m_unit = unit; }
    int UnitNumber() const { return m_unit; }

    // Builds the LED binding and its LEDs for the unit and copies the unit
    // badge; a failure while building leaves the LEDs made so far.
    void SetupLeds(MainWindowState &main);
    // Numbers the port buttons by the unit and appends them to portButtons.
    void RegisterPortButtons(QList<QAbstractButton *> &portButtons);

    CvSNMPRequest2Leds *LedBinding() const;
    const PanelLayout &Layout() const { return m_layout; }
    int ClientHeight() const { return m_layout.height; }

    // The LED period discovery starts, in 10 ms units.
    static constexpr int PollInterval = 300;
    // The LED read's time-out in centiseconds.
    static constexpr int LedTimeout = 500;

private:
    void createComponents(const QString &caption);
    QWidget *container(const QString &name, const QRect &geometry);

    const PanelLayout m_layout;
    int m_unit = 0;
    QPointer<CvSNMPRequest2Leds> m_leds;
    QLabel *m_stackImage = nullptr;
};
