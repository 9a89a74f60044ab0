#include "CvSNMPRequest2Leds.h"

#include "CvCatalogues.h"
#include "CvException.h"
#include "CvPartialData.h"
#include "CvValueCodec.h"

#include <QFrame>

CvSNMPRequest2Leds::CvSNMPRequest2Leds(QWidget *owner)
    : CvSNMPRequest2Controls(owner)
{
    connect(&pollTimer, &QTimer::timeout, this, &CvSNMPRequest2Leds::pollTick);
    connect(&blinkTimer, &QTimer::timeout, this, &CvSNMPRequest2Leds::PaintLeds);
    blinkTimer.start(60);
}

CvSNMPRequest2Leds::~CvSNMPRequest2Leds()
{
    StopPolling();
}

void CvSNMPRequest2Leds::AddLed(
    int varIndex, int byteIndex, const CvSNMPLedColorMapList *map, CvLedShape *shape)
{
    Led led;
    led.varIndex = varIndex;
    led.byteIndex = byteIndex;
    led.map = map;
    led.shape = shape;
    led.colour = map->offColour;
    if (shape) {
        shape->setColour(led.colour);
        shape->show();
    }
    leds.push_back(led);
}

void CvSNMPRequest2Leds::AddLedRow(int varIndex, const QString &byteList,
    const CvSNMPLedColorMapList *map, QWidget *panel, int left, int spacing,
    CvLedShape::Kind shapeKind, int width, int height)
{
    if (auto *frame = qobject_cast<QFrame *>(panel))
        frame->setFrameShape(QFrame::NoFrame);
    const QList<int> octets = ParseBitNumbers(byteList);
    for (int k = 0; k < octets.size(); ++k) {
        auto *shape = new CvLedShape(panel, shapeKind);
        shape->setGeometry(left + k * (spacing + width), 1, width, height);
        AddLed(varIndex, octets.at(k), map, shape);
    }
}

void CvSNMPRequest2Leds::StartPolling(int interval)
{
    pollTimer.start(interval * 10);
    try {
        Read();
    } catch (const CvException &) {
        ResetLeds();
        throw;
    }
}

void CvSNMPRequest2Leds::StopPolling()
{
    pollTimer.stop();
    blinkTimer.stop();
    ResetLeds();
}

void CvSNMPRequest2Leds::ResetLeds()
{
    for (Led &led : leds) {
        led.colour = led.map->offColour;
        led.blinking = false;
        if (led.shape)
            led.shape->setColour(led.colour);
    }
}

void CvSNMPRequest2Leds::pollTick()
{
    // A synchronous poll waits in an event loop of its own. Started inside
    // another wait (a window closing, another panel's synchronous poll) it
    // would hold that wait until its own answer or time-out, and the next
    // panel's tick would nest a further one: the poll waits until no wait
    // runs any more.
    if (!asynchronous && CvSNMPRequest::WaitDepth() > 0) {
        if (!m_pollDeferred) {
            m_pollDeferred = true;
            CvSNMPRequest::AfterWaits(this, [this] {
                m_pollDeferred = false;
                if (pollTimer.isActive())
                    pollTick();
            });
        }
        return;
    }
    try {
        Read();
    } catch (const CvException &e) {
        ResetLeds();
        lastOperation = 0;
        ShowError(e.message());
    }
}

void CvSNMPRequest2Leds::UpdateLed(Led &led)
{
    const CvSNMPVariable &var = request.varList.Var(led.varIndex);
    const QByteArray octets = OctetsOfText(var.syntax, RawValue(var));
    if (led.byteIndex >= 0 && led.byteIndex < octets.size()) {
        const auto octet = quint8(octets.at(led.byteIndex));
        led.colour = led.map->ColourOf(octet);
        led.blinking = led.map->IsBlinking(octet);
        return;
    }
    if (led.map->missingColour == -1)
        RaiseEngine(EngineCode::PartialOutOfRange);
    led.colour = led.map->missingColour;
    led.blinking = false;
}

void CvSNMPRequest2Leds::AddRow()
{
    blinkTicks = 0;
    for (Led &led : leds)
        UpdateLed(led);
    PaintLeds();
}

void CvSNMPRequest2Leds::PaintLeds()
{
    bool anyBlinking = false;
    for (const Led &led : leds) {
        qint32 shown = led.colour;
        if (led.blinking) {
            anyBlinking = true;
            const bool dark = led.shape && led.shape->colour() == led.map->offColour;
            if (!dark && blinkTicks <= blinkLimit)
                shown = led.map->offColour;
        }
        if (led.shape) {
            led.shape->setColour(shown);
            led.shape->show();
        }
    }
    if (anyBlinking)
        ++blinkTicks;
}

void CvSNMPRequest2Leds::ReportReadError(const CvSNMPError &error)
{
    ResetLeds();
    lastOperation = 0;
    ShowError(error.message);
}
