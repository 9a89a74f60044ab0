#pragma once

#include "CvLedShape.h"
#include "CvSNMPLedColorMapList.h"
#include "CvSNMPRequest2Controls.h"

#include <QPointer>
#include <QString>
#include <QTimer>

#include <vector>

// Binds the octets of an LED status string to LED shapes: polls the agent
// on a timer, maps each LED's octet to a colour and makes blinking LEDs
// flicker on a fast timer for the first passes after every read.
//
// Poll ticks that come while the previous read still waits are skipped
// (see CvSNMPRequest2Controls::Read), so a slow agent never stacks reads.
class CvSNMPRequest2Leds : public CvSNMPRequest2Controls
{
    Q_OBJECT

public:
    struct Led
    {
        qint32 varIndex = 0; // variable holding the octet string
        qint32 byteIndex = 0; // octet of this LED
        const CvSNMPLedColorMapList *map = nullptr; // not owned
        QPointer<CvLedShape> shape; // owned by the window
        bool blinking = false;
        qint32 colour = 0;
    };

    explicit CvSNMPRequest2Leds(QWidget *owner);
    ~CvSNMPRequest2Leds() override;

    // Appends an LED showing the map's off colour and shows its shape; map
    // must not be null and must outlive the binding.
    void AddLed(int varIndex, int byteIndex, const CvSNMPLedColorMapList *map, CvLedShape *shape);
    // One new shape inside panel per octet index of byteList ("5,7,9"), the
    // k-th at left + k * (spacing + width), top 1; a framed panel loses its
    // frame.
    void AddLedRow(int varIndex, const QString &byteList, const CvSNMPLedColorMapList *map,
        QWidget *panel, int left, int spacing, CvLedShape::Kind shapeKind, int width, int height);

    // Polls every interval x 10 ms and reads once at once; an error of that
    // read turns the LEDs off and is thrown.
    void StartPolling(int interval);
    // Stops both timers and turns the LEDs off.
    void StopPolling();
    // Every LED shows its map's off colour and stops blinking.
    virtual void ResetLeds();

    // One pass of the blink rule over all LEDs (the blink timer's tick).
    void PaintLeds();

    std::vector<Led> leds;
    QTimer pollTimer;
    QTimer blinkTimer; // 60 ms
    qint32 blinkLimit = 6;
    qint32 blinkTicks = 0; // blink passes since the last read

protected:
    void AddRow() override;
    void ReportReadError(const CvSNMPError &error) override;
    virtual void UpdateLed(Led &led);

private:
    void pollTick();

    bool m_pollDeferred = false; // a synchronous poll waits for other waits to end
};
