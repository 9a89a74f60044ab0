// LED bindings: octets to colours, the blink rule, repainting, LED rows,
// and polling trvsim's LED status strings with failures and slow answers.

#include "BindingWaits.h"
#include "CvException.h"
#include "CvSNMPRequest2Leds.h"
#include "SimulatorProcess.h"

#include <QFrame>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
#define PEN_OID(rest) "1.3.6.1.4.1." QT_STRINGIFY(TRV_PEN) rest

const CvSNMPVar ledStatus[] = {
    {PEN_OID(".12.11.1.9.4.1.6"), "swUnitMgmtFrontPanelLedStatus", SyntaxOctetString,
        AccessReadOnly},
    {},
};
const CvSNMPLedColorMapList frontPanel(FrontPanelLedColours, FrontPanelValueMask,
    FrontPanelBlinkMask, FrontPanelOffColour, FrontPanelMissingColour);
// The same map, with an LED beyond the value as an error.
const CvSNMPLedColorMapList strict(
    FrontPanelLedColours, FrontPanelValueMask, FrontPanelBlinkMask, FrontPanelOffColour, -1);

constexpr qint32 black = 0x000000;
constexpr qint32 white = 0xFFFFFF;
constexpr qint32 green = 0x00FF00;
constexpr qint32 blue = 0xFF0000;
constexpr qint32 red = 0x0000FF;

// The LED positions of a 48-port unit's front panel.
QString unitPositions()
{
    QStringList positions {"0", "1", "2", "3"};
    for (int p = 5; p <= 99; p += 2)
        positions.append(QString::number(p));
    positions << "104"
              << "106";
    return positions.join(',');
}

// Counts the rows read and lets a test deliver one.
class Probe : public CvSNMPRequest2Leds
{
public:
    using CvSNMPRequest2Leds::CvSNMPRequest2Leds;
    int rows = 0;

    void AddRow() override
    {
        ++rows;
        CvSNMPRequest2Leds::AddRow();
    }
};

// A front panel of unit 1 with one LED row and a status-bar panel.
struct Panel
{
    QWidget window;
    QFrame *row = new QFrame(&window);
    QLabel *status = new QLabel(&window);
    Probe leds {&window};

    explicit Panel(const QString &positions, const CvSNMPLedColorMapList *map = &frontPanel)
    {
        row->setFrameShape(QFrame::Panel);
        leds.SetVarList(ledStatus, MVT_SV, 0);
        leds.request.varList.instance = "1";
        leds.request.varList.name = " Led Status";
        leds.AddLedRow(0, positions, map, row, 0, 6, CvLedShape::Rectangle, 7, 7);
        leds.SetMessageTarget(status);
    }
    void setValue(const QString &hex) { leds.request.varList.Var(0).value = hex; }
    QList<qint32> shown() const
    {
        QList<qint32> colours;
        for (const auto &led : leds.leds)
            colours.append(led.shape->colour());
        return colours;
    }
};

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

} // namespace

class TstLedBinding : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void octetColours_data();
    void octetColours();
    void blinkRule();
    void repaintsOnlyOnColourChange();
    void ledRowAndStop();
    void pollsAgent_data();
    void pollsAgent();
    void failingPollTurnsLedsOff_data();
    void failingPollTurnsLedsOff();
    void startPollingErrors_data();
    void startPollingErrors();
    void slowAgentPollsAreSkipped_data();
    void slowAgentPollsAreSkipped();
    void synchronousPollsDoNotNest();

private:
    std::unique_ptr<SimulatorProcess> m_sim;
    QTemporaryDir m_dir;
};

void TstLedBinding::initTestCase()
{
    StartSession(m_dir.path());
    m_sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
}

// The library's sessions are the transport's for the whole process; the
// end of the program closes them.
void TstLedBinding::cleanupTestCase()
{
    CvSnmpTransport::instance().CloseAll();
}

void TstLedBinding::init()
{
    CvSNMPSessionDefaults &d = SessionDefaults();
    d = InitialSessionDefaults();
    d.device.address = m_sim->address();
    d.device.port = m_sim->port();
    d.security.version = 1;
}

void TstLedBinding::octetColours_data()
{
    QTest::addColumn<QString>("value"); // LED at octet 2
    QTest::addColumn<qint32>("colour");
    QTest::addColumn<bool>("blinking");
    QTest::newRow("0x82 green blinking") << "000082" << green << true;
    QTest::newRow("0x85 red blinking") << "000085" << red << true;
    QTest::newRow("0x05 red") << "000005" << red << false;
    QTest::newRow("0x04 blue") << "000004" << blue << false;
    QTest::newRow("0x03 green") << "000003" << green << false;
    QTest::newRow("0x01 white") << "000001" << white << false;
    QTest::newRow("0x06 black") << "000006" << black << false;
    QTest::newRow("0x07 black") << "000007" << black << false;
    QTest::newRow("beyond the value: white") << "8585" << white << false;
}

void TstLedBinding::octetColours()
{
    QFETCH(QString, value);
    QFETCH(qint32, colour);
    QFETCH(bool, blinking);
    Panel panel("2");
    panel.setValue(value);
    panel.leds.AddRow();
    QCOMPARE(panel.leds.leds.at(0).colour, colour);
    QCOMPARE(panel.leds.leds.at(0).blinking, blinking);
    QCOMPARE(panel.shown().at(0), colour); // a blinking LED starts lit
}

void TstLedBinding::blinkRule()
{
    Panel panel("0,1");
    panel.leds.blinkTimer.stop(); // the passes are made by hand
    panel.setValue("8203"); // blinking green, steady green
    QList<qint32> blinking;
    QList<qint32> steady;
    const auto pass = [&](bool read) {
        if (read)
            panel.leds.AddRow();
        else
            panel.leds.PaintLeds();
        blinking.append(panel.shown().at(0));
        steady.append(panel.shown().at(1));
    };
    // The first seven passes after a read alternate, then the LED stays lit.
    pass(true);
    for (int k = 0; k < 9; ++k)
        pass(false);
    QCOMPARE(blinking,
        QList<qint32>({green, black, green, black, green, black, green, green, green, green}));
    QCOMPARE(steady, QList<qint32>(10, green));

    // The next read starts the flicker again, from the lit state.
    blinking.clear();
    pass(true);
    pass(false);
    pass(false);
    QCOMPARE(blinking, QList<qint32>({black, green, black}));
}

void TstLedBinding::repaintsOnlyOnColourChange()
{
    Panel panel("0,1");
    panel.leds.blinkTimer.stop();
    panel.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel.window));
    PaintCounter counter;
    CvLedShape *shape = panel.leds.leds.at(0).shape;
    shape->installEventFilter(&counter);
    QTest::qWait(20);
    counter.paints = 0;

    shape->setColour(shape->colour());
    panel.leds.PaintLeds(); // nothing blinks: the same colours again
    QTest::qWait(50);
    QCOMPARE(counter.paints, 0);

    shape->setColour(green);
    QTRY_VERIFY(counter.paints >= 1);
}

void TstLedBinding::ledRowAndStop()
{
    const auto panel = std::make_unique<Panel>("5,7,9");
    QCOMPARE(panel->row->frameShape(), QFrame::NoFrame);
    QCOMPARE(int(panel->leds.leds.size()), 3);
    for (int k = 0; k < 3; ++k) {
        const auto &led = panel->leds.leds.at(k);
        QCOMPARE(led.byteIndex, 5 + 2 * k);
        QCOMPARE(led.shape->parentWidget(), panel->row);
        QCOMPARE(led.shape->geometry(), QRect(k * 13, 1, 7, 7));
        QVERIFY(!led.shape->isHidden());
        QCOMPARE(led.shape->colour(), black);
    }
    QVERIFY(panel->leds.blinkTimer.isActive());
    QCOMPARE(panel->leds.blinkTimer.interval(), 60);
    QVERIFY(!panel->leds.pollTimer.isActive());

    panel->setValue("00000000000000020005"); // octet 5 white, 7 green, 9 red
    panel->leds.AddRow();
    QCOMPARE(panel->shown(), QList<qint32>({white, green, red}));
    panel->leds.StopPolling();
    QVERIFY(!panel->leds.blinkTimer.isActive());
    QCOMPARE(panel->shown(), QList<qint32>(3, black));

    // Destroying the binding turns the LEDs off; the shapes stay with the window.
    auto other = std::make_unique<Probe>(&panel->window);
    other->SetVarList(ledStatus, MVT_SV, 0);
    other->AddLedRow(0, "0", &frontPanel, panel->row, 0, 6, CvLedShape::Rectangle, 7, 7);
    other->request.varList.Var(0).value = "03";
    other->AddRow();
    const QPointer<CvLedShape> shape = other->leds.at(0).shape;
    QCOMPARE(shape->colour(), green);
    other.reset();
    QVERIFY(shape);
    QCOMPARE(shape->colour(), black);
}

void TstLedBinding::pollsAgent_data()
{
    QTest::addColumn<bool>("async");
    QTest::addColumn<int>("octets"); // the agent's string cut to this length; 0 = whole
    QTest::newRow("synchronous") << false << 0;
    QTest::newRow("asynchronous") << true << 0;
    QTest::newRow("synchronous, short string") << false << 50;
    QTest::newRow("asynchronous, short string") << true << 50;
}

void TstLedBinding::pollsAgent()
{
    QFETCH(bool, async);
    QFETCH(int, octets);
    std::unique_ptr<SimulatorProcess> cut;
    if (octets) {
        cut = std::make_unique<SimulatorProcess>(
            QStringList {"--led-octets", QString::number(octets)});
        QVERIFY2(cut->isReady(), qPrintable(cut->errorText()));
        SessionDefaults().device.port = cut->port();
    }
    Panel panel(unitPositions());
    panel.leds.asynchronous = async;
    panel.leds.StartPolling(300);
    QVERIFY(waitIdle(panel.leds));
    QCOMPARE(panel.leds.pollTimer.interval(), 3000);
    QCOMPARE(panel.leds.rows, 1);
    QCOMPARE(untimed(panel.status->text()),
        QString("Get: (CvSNMP++) Ok! Request: Led Status. Receive at [TIME]."));

    const QByteArray value
        = QByteArray::fromHex(panel.leds.request.varList.Var(0).value.toLatin1());
    QCOMPARE(value.size(), octets ? octets : 108);
    int missing = 0;
    for (const auto &led : panel.leds.leds) {
        if (led.byteIndex >= value.size()) {
            ++missing;
            QCOMPARE(led.colour, white);
            QVERIFY(!led.blinking);
            continue;
        }
        const auto octet = quint8(value.at(led.byteIndex));
        QCOMPARE(led.colour, frontPanel.ColourOf(octet));
        QCOMPARE(led.blinking, (octet & 0x80) != 0);
    }
    QCOMPARE(missing, octets ? 27 : 0); // octets 51..99, 104 and 106
}

void TstLedBinding::failingPollTurnsLedsOff_data()
{
    QTest::addColumn<bool>("async");
    QTest::newRow("synchronous") << false;
    QTest::newRow("asynchronous") << true;
}

void TstLedBinding::failingPollTurnsLedsOff()
{
    QFETCH(bool, async);
    Panel panel(unitPositions());
    panel.leds.asynchronous = async;
    panel.leds.StartPolling(300);
    QVERIFY(waitIdle(panel.leds));
    QVERIFY(panel.shown().contains(green));

    // The agent stops answering: the next poll times out.
    panel.leds.request.device.port = SimulatorProcess::silentPort();
    panel.leds.request.timeout = 10;
    panel.leds.pollTimer.start(20);
    const QString timedOut
        = "Get: (SNMPClass) SNMP request timed out! Request: Led Status. Receive at [TIME].";
    QTRY_COMPARE_WITH_TIMEOUT(untimed(panel.status->text()), timedOut, 10000);
    QCOMPARE(panel.shown(), QList<qint32>(int(panel.leds.leds.size()), black));

    // Polling goes on and lights the LEDs again once the agent answers.
    panel.leds.request.device.port = m_sim->port();
    QTRY_VERIFY_WITH_TIMEOUT(panel.status->text().contains("Ok!"), 10000);
    QVERIFY(panel.shown().contains(green));
    panel.leds.StopPolling();
}

void TstLedBinding::startPollingErrors_data()
{
    QTest::addColumn<bool>("async");
    QTest::newRow("synchronous") << false;
    QTest::newRow("asynchronous") << true;
}

void TstLedBinding::startPollingErrors()
{
    QFETCH(bool, async);
    // An LED beyond the agent's string, with a map that makes that an error.
    Panel panel("0,200", &strict);
    panel.leds.asynchronous = async;
    int raised = 0;
    try {
        panel.leds.StartPolling(300);
        QVERIFY(waitIdle(panel.leds));
    } catch (const CvException &e) {
        raised = e.code();
    }
    QCOMPARE(raised, async ? 0 : -519);
    QCOMPARE(panel.shown(), QList<qint32>({black, black}));
    QVERIFY(panel.leds.pollTimer.isActive());
    if (async)
        QCOMPARE(untimed(panel.status->text()),
            QString("Get: (CvSNMP++) Out of range for the bit(byte) index of the associated "
                    "SNMP variable's (partial) data! Request: Led Status. Receive at [TIME]."));
}

void TstLedBinding::slowAgentPollsAreSkipped_data()
{
    QTest::addColumn<bool>("async");
    QTest::newRow("synchronous") << false;
    QTest::newRow("asynchronous") << true;
}

void TstLedBinding::slowAgentPollsAreSkipped()
{
    QFETCH(bool, async);
    SimulatorProcess slow({"--delay-ms", "200"});
    QVERIFY2(slow.isReady(), qPrintable(slow.errorText()));
    SessionDefaults().device.port = slow.port();
    Panel panel(unitPositions());
    panel.leds.asynchronous = async;
    int most = 0;
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, this,
        [&] { most = qMax(most, panel.leds.request.outstanding); });
    sampler.start(5);
    panel.leds.StartPolling(2); // a tick every 20 ms, an answer every 200 ms
    QTRY_VERIFY_WITH_TIMEOUT(panel.leds.rows >= 3, 15000);
    panel.leds.StopPolling();
    QVERIFY(waitIdle(panel.leds));
    QCOMPARE(most, 1);
}

// Two units polled synchronously from a slow agent: a tick that comes
// while the other unit's poll waits is left out, so waits never stack (a
// window closing meanwhile would be held by every one of them).
void TstLedBinding::synchronousPollsDoNotNest()
{
    SimulatorProcess slow({"--delay-ms", "150"});
    QVERIFY2(slow.isReady(), qPrintable(slow.errorText()));
    SessionDefaults().device.port = slow.port();
    Panel first(unitPositions());
    Panel second(unitPositions());
    int deepest = 0;
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, this,
        [&] { deepest = qMax(deepest, CvSNMPRequest::WaitDepth()); });
    sampler.start(5);
    for (Panel *p : {&first, &second}) {
        p->leds.asynchronous = false;
        p->leds.StartPolling(5);
    }
    QTRY_VERIFY_WITH_TIMEOUT(first.leds.rows >= 3 && second.leds.rows >= 3, 15000);
    first.leds.StopPolling();
    second.leds.StopPolling();
    QCOMPARE(deepest, 1);
}

QTEST_MAIN(TstLedBinding)
#include "tst_ledbinding.moc"
