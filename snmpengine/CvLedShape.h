#pragma once

#include <QColor>
#include <QWidget>

// A colour as the LED tables write it: 0x00BBGGRR, red in the low byte.
QColor LedColor(qint32 colour);

// One LED of a front panel: a filled shape whose fill and outline have the
// same colour. It repaints only when the colour changes, so the 60 ms blink
// passes over unchanged LEDs cost nothing.
class CvLedShape : public QWidget
{
    Q_OBJECT

public:
    enum Kind { Rectangle, RoundRect, Ellipse };

    explicit CvLedShape(QWidget *parent = nullptr, Kind kind = Rectangle);

    qint32 colour() const { return m_colour; }
    void setColour(qint32 colour);
    Kind kind() const { return m_kind; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
    qint32 m_colour = 0;
};
