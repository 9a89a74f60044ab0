// The front-panel windows: layout, LEDs on the octets of the LED status
// string, polling failures, port selection across panels, the port menu
// and the front pictures.

#include "CvSNMPRequest2Leds.h"
#include "CvSNMPSession.h"
#include "FakeMainWindow.h"
#include "PanelArt.h"
#include "PanelForms.h"
#include "PanelSelection.h"
#include "PortButton.h"
#include "PortDetails.h"
#include "SimulatorProcess.h"
#include "StackDiscovery.h"
#include "UnitTableAgent.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include <array>
#include <memory>

namespace {

constexpr qint32 black = 0x000000;
constexpr qint32 white = 0xFFFFFF;
constexpr qint32 green = 0x00FF00;
constexpr qint32 blue = 0xFF0000;
constexpr qint32 red = 0x0000FF;

// A panel for model as discovery makes it, without polling yet.
TPanelForm *openPanel(FakeMainWindow &main, const QString &model, int unit, int ports = 50)
{
    TPanelForm *panel
        = CreatePanel(SelectPanelClass(PanelModelNames(), model), model, ports, main.PanelParent());
    panel->SetUnitNumber(unit);
    panel->SetupLeds(main);
    panel->RegisterPortButtons(main.portButtons);
    main.panels.append(panel);
    return panel;
}

bool pollOnce(TPanelForm *panel)
{
    CvSNMPRequest2Leds *leds = panel->LedBinding();
    leds->StartPolling(TPanelForm::PollInterval);
    QDeadlineTimer deadline(10000);
    while (leds->IsBusy() && !deadline.hasExpired())
        QTest::qWait(5);
    return !leds->IsBusy();
}

QList<CvLedShape *> shapesIn(const TPanelForm *panel, const QString &container)
{
    const auto *box = panel->findChild<QWidget *>(container);
    return box ? box->findChildren<CvLedShape *>(Qt::FindDirectChildrenOnly)
               : QList<CvLedShape *>();
}

const CvSNMPRequest2Leds::Led *ledOf(const TPanelForm *panel, const CvLedShape *shape)
{
    for (const auto &led : panel->LedBinding()->leds)
        if (led.shape == shape)
            return &led;
    return nullptr;
}

double meanDifference(const QImage &a, const QImage &b, const QRect &r)
{
    double sum = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * r.width() * r.height());
}

template <typename Form> TPanelForm *makeForm(QWidget *parent)
{
    return new Form(parent);
}

// The window classes in the order of PictureLayouts.
constexpr std::array<TPanelForm *(*)(QWidget *), 5> formMakers = {&makeForm<TPanelTRV8170QLForm>,
    &makeForm<TPanelTRV8140PQLForm>, &makeForm<TPanelTRM6140QLiForm>,
    &makeForm<TPanelTRM6140QLForm>, &makeForm<TPanelTRM6040QLForm>};

// Rests the mouse on a port button: the tooltip event the toolkit sends.
void hover(QAbstractButton *button)
{
    QHelpEvent event(QEvent::ToolTip, QPoint(4, 4), button->mapToGlobal(QPoint(4, 4)));
    QCoreApplication::sendEvent(button, &event);
}

// What the agent holds, read with a request of the test's own: the values of
// a one-row list, or of every row of a table (index texts first).
QStringList readRow(const CvSNMPVar *table, const QString &instance)
{
    CvSNMPRequest request;
    request.SetVarList(table, MVT_SV, 0);
    request.varList.instance = instance;
    request.Get(true);
    QStringList values;
    for (const CvSNMPVariable &v : request.varList.vars)
        values.append(v.value);
    return values;
}

QList<QStringList> readTable(const CvSNMPVar *table, int indexCount)
{
    CvSNMPRequest request;
    request.SetVarList(table, MVT_FMV, indexCount);
    QList<QStringList> rows;
    for (bool row = request.Get(true); row; row = request.Get(false)) {
        QStringList values;
        for (const CvSNMPVariable &v : request.varList.vars)
            values.append(v.value);
        rows.append(values);
    }
    return rows;
}

bool listHolds(const QString &hex, int port)
{
    const QByteArray octets = QByteArray::fromHex(hex.toLatin1());
    const int bit = port - 1;
    return bit / 8 < octets.size() && (quint8(octets.at(bit / 8)) & (0x80 >> (bit % 8)));
}

} // namespace

class TstPanels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void geometry_data();
    void geometry();
    void ledRows_data();
    void ledRows();
    void ledColours_data();
    void ledColours();
    void shortLedString();
    void blinkTimerRests();
    void failingPoll_data();
    void failingPoll();
    void onePressedButton_data();
    void onePressedButton();
    void portMenuOfUnit2();
    void portDetailsOfUnit2();
    void portDetailsFromASilentAgent();
    void pictures_data();
    void pictures();

private:
    void useAgent(quint16 port);

    QTemporaryDir m_dir;
    UnitTableAgent m_agent;
};

void TstPanels::initTestCase()
{
    StartSession(m_dir.path());
}

void TstPanels::init()
{
    SessionDefaults() = InitialSessionDefaults();
    SessionDefaults().security.version = 1;
    m_agent.setFailing(false);
    useAgent(m_agent.port());
}

void TstPanels::useAgent(quint16 port)
{
    SessionDefaults().device.address = QStringLiteral("127.0.0.1");
    SessionDefaults().device.port = port;
}

void TstPanels::geometry_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect"); // null: the window has no such component

    QTest::newRow("8170 window") << "TRV-8170QL"
                                 << "Image1" << QRect(0, 0, 780, 89);
    QTest::newRow("8170 port 1") << "TRV-8170QL"
                                 << "SpeedButton1" << QRect(100, 35, 23, 22);
    QTest::newRow("8170 port 2") << "TRV-8170QL"
                                 << "SpeedButton2" << QRect(100, 57, 23, 23);
    QTest::newRow("8170 port 21") << "TRV-8170QL"
                                  << "SpeedButton21" << QRect(354, 35, 23, 22);
    QTest::newRow("8170 port 23 tall") << "TRV-8170QL"
                                       << "SpeedButton23" << QRect(379, 35, 23, 23);
    QTest::newRow("8170 port 48") << "TRV-8170QL"
                                  << "SpeedButton48" << QRect(682, 57, 23, 23);
    QTest::newRow("8170 no port 49") << "TRV-8170QL"
                                     << "SpeedButton49" << QRect();
    QTest::newRow("8170 LED row 3") << "TRV-8170QL"
                                    << "LedPanel3" << QRect(512, 24, 203, 7);
    QTest::newRow("8170 no LED row 4") << "TRV-8170QL"
                                       << "LedPanel4" << QRect();
    QTest::newRow("8170 stacking 2") << "TRV-8170QL"
                                     << "SIOPanel2" << QRect(77, 33, 7, 7);
    QTest::newRow("8170 redundant power") << "TRV-8170QL"
                                          << "RPowerLedPanel" << QRect(3, 62, 7, 7);
    QTest::newRow("8170 badge") << "TRV-8170QL"
                                << "Panel1" << QRect(60, 59, 26, 23);
    QTest::newRow("8170 badge image") << "TRV-8170QL"
                                      << "StackImage" << QRect(1, 1, 24, 21);
    QTest::newRow("8140 port 9") << "TRV-8140PQL"
                                 << "SpeedButton9" << QRect(434, 21, 23, 22);
    QTest::newRow("8140 port 24") << "TRV-8140PQL"
                                  << "SpeedButton24" << QRect(616, 47, 23, 23);
    QTest::newRow("8140 no port 25") << "TRV-8140PQL"
                                     << "SpeedButton25" << QRect();
    QTest::newRow("8140 LED row 2") << "TRV-8140PQL"
                                    << "LedPanel2" << QRect(150, 68, 163, 7);
    QTest::newRow("8140 no LED row 3") << "TRV-8140PQL"
                                       << "LedPanel3" << QRect();
    QTest::newRow("8140 stacking 2") << "TRV-8140PQL"
                                     << "SIOPanel2" << QRect(63, 72, 7, 7);
    QTest::newRow("8140 power") << "TRV-8140PQL"
                                << "PowerLedPanel" << QRect(44, 22, 7, 7);
    QTest::newRow("8140 badge") << "TRV-8140PQL"
                                << "Panel1" << QRect(85, 50, 26, 23);
    QTest::newRow("QLI port 13") << "TRM-6140QLI"
                                 << "SpeedButton13" << QRect(497, 24, 23, 22);
    QTest::newRow("QLI LED row 4") << "TRM-6140QLI"
                                   << "LedPanel4" << QRect(150, 74, 128, 7);
    QTest::newRow("QLI stacking 4") << "TRM-6140QLI"
                                    << "SIOPanel4" << QRect(319, 34, 7, 7);
    QTest::newRow("QLI stacking 6") << "TRM-6140QLI"
                                    << "SIOPanel6" << QRect(319, 72, 7, 7);
    QTest::newRow("QLI console") << "TRM-6140QLI"
                                 << "ConsoleLedPanel" << QRect(95, 61, 7, 7);
    QTest::newRow("QLI no badge") << "TRM-6140QLI"
                                  << "Panel1" << QRect();
    QTest::newRow("QL stacking 2") << "TRM6140QL"
                                   << "SIOPanel2" << QRect(287, 73, 7, 7);
    QTest::newRow("QL no stacking 3") << "TRM6140QL"
                                      << "SIOPanel3" << QRect();
    QTest::newRow("QL badge") << "TRM6140QL"
                              << "Panel1" << QRect(305, 56, 26, 23);
    QTest::newRow("QL port 24") << "TRM6140QL"
                                << "SpeedButton24" << QRect(622, 47, 23, 23);
    QTest::newRow("generic port 50") << "XR-50"
                                     << "SpeedButton50" << QRect(720, 57, 23, 23);
}

void TstPanels::geometry()
{
    QFETCH(QString, model);
    QFETCH(QString, name);
    QFETCH(QRect, rect);

    FakeMainWindow main;
    const TPanelForm *panel = openPanel(main, model, 1);
    QCOMPARE(panel->size(), QSize(780, 89));
    const auto *component = panel->findChild<QWidget *>(name);
    QCOMPARE(component ? component->geometry() : QRect(), rect);
}

void TstPanels::ledRows_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("container");
    QTest::addColumn<int>("count");
    QTest::addColumn<QRect>("last"); // the last LED, inside its container

    QTest::newRow("8170 row") << "TRV-8170QL"
                              << "LedPanel1" << 16 << QRect(195, 1, 7, 7);
    QTest::newRow("8140 row") << "TRV-8140PQL"
                              << "LedPanel2" << 12 << QRect(154, 1, 7, 7);
    QTest::newRow("TRM row") << "TRM6140QL"
                             << "LedPanel3" << 12 << QRect(121, 1, 5, 5);
    QTest::newRow("system LED") << "TRM-6140QLI"
                                << "MasterLedPanel" << 1 << QRect(1, 1, 7, 7);
    QTest::newRow("stacking LED") << "TRV-8170QL"
                                  << "SIOPanel1" << 1 << QRect(1, 1, 7, 7);
    QTest::newRow("generic last row") << "XR-50"
                                      << "LedPanel4" << 2 << QRect(13, 1, 7, 7);
}

void TstPanels::ledRows()
{
    QFETCH(QString, model);
    QFETCH(QString, container);
    QFETCH(int, count);
    QFETCH(QRect, last);

    FakeMainWindow main;
    const TPanelForm *panel = openPanel(main, model, 1);
    const QList<CvLedShape *> shapes = shapesIn(panel, container);
    QCOMPARE(shapes.size(), count);
    QCOMPARE(shapes.last()->geometry(), last);
    // Off until the first read.
    QCOMPARE(shapes.last()->colour(), black);
}

void TstPanels::ledColours_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("container");
    QTest::addColumn<int>("index"); // of the LED in its container
    QTest::addColumn<int>("position"); // of its octet in the LED string
    QTest::addColumn<int>("octet");
    QTest::addColumn<int>("colour");
    QTest::addColumn<bool>("blinking");

    QTest::newRow("8170 port 1 red blinking") << "TRV-8170QL"
                                              << "LedPanel1" << 0 << 5 << 0x85 << red << true;
    QTest::newRow("8170 port 32 green") << "TRV-8170QL"
                                        << "LedPanel2" << 15 << 67 << 0x03 << green << false;
    QTest::newRow("8170 port 36 black") << "TRV-8170QL"
                                        << "LedPanel3" << 3 << 75 << 0x06 << black << false;
    QTest::newRow("8170 stacking blue") << "TRV-8170QL"
                                        << "SIOPanel2" << 0 << 106 << 0x04 << blue << false;
    QTest::newRow("8170 redundant power") << "TRV-8170QL"
                                          << "RPowerLedPanel" << 0 << 3 << 0x82 << green << true;
    QTest::newRow("8140 port 24 red blinking") << "TRV-8140PQL"
                                               << "LedPanel2" << 11 << 51 << 0x85 << red << true;
    QTest::newRow("8140 stacking green") << "TRV-8140PQL"
                                         << "SIOPanel1" << 0 << 56 << 0x03 << green << false;
    QTest::newRow("QLI first octet of port 2") << "TRM-6140QLI"
                                               << "LedPanel3" << 0 << 6 << 0x85 << red << true;
    QTest::newRow("QLI stacking 6 black") << "TRM-6140QLI"
                                          << "SIOPanel6" << 0 << 62 << 0x07 << black << false;
    QTest::newRow("QL second octet of port 24")
        << "TRM-6140QL*"
        << "LedPanel4" << 11 << 51 << 0x03 << green << false;
    QTest::newRow("QL console") << "TRM-6140QL*"
                                << "ConsoleLedPanel" << 0 << 2 << 0x04 << blue << false;
    QTest::newRow("generic port 50") << "XR-50"
                                     << "LedPanel4" << 1 << 103 << 0x85 << red << true;
}

void TstPanels::ledColours()
{
    QFETCH(QString, model);
    QFETCH(QString, container);
    QFETCH(int, index);
    QFETCH(int, position);
    QFETCH(int, octet);
    QFETCH(int, colour);
    QFETCH(bool, blinking);

    // Every other LED white and steady.
    QByteArray leds(108, '\x01');
    leds[position] = char(octet);
    m_agent.setUnits({UnitTableAgent::Unit::WithLeds(4, model, leds)});
    FakeMainWindow main;
    TPanelForm *panel = openPanel(main, model, 4);
    QVERIFY(pollOnce(panel));
    QCOMPARE(panel->LedBinding()->request.varList.instance, QStringLiteral("4"));

    const QList<CvLedShape *> shapes = shapesIn(panel, container);
    QVERIFY(index < shapes.size());
    const CvSNMPRequest2Leds::Led *led = ledOf(panel, shapes.at(index));
    QVERIFY(led);
    QCOMPARE(led->byteIndex, position);
    QCOMPARE(led->colour, colour);
    QCOMPARE(led->blinking, blinking);

    // Two blink passes: a blinking LED alternates with off, others hold.
    CvSNMPRequest2Leds *binding = panel->LedBinding();
    binding->blinkTicks = 0;
    binding->PaintLeds();
    const qint32 first = shapes.at(index)->colour();
    binding->PaintLeds();
    const qint32 second = shapes.at(index)->colour();
    if (blinking)
        QCOMPARE(QSet<qint32>({first, second}), QSet<qint32>({colour, black}));
    else
        QCOMPARE(QList<qint32>({first, second}), QList<qint32>({colour, colour}));
    const auto *neighbour = shapes.value(index == 0 ? 1 : 0);
    if (neighbour)
        QCOMPARE(neighbour->colour(), white);
}

// LEDs past the end of the string show white, steady, without an error.
void TstPanels::shortLedString()
{
    SimulatorProcess sim({"--stack", "1:TRV-8170QL", "--led-octets", "50"});
    QVERIFY2(sim.isReady(), qPrintable(sim.errorText()));
    useAgent(sim.port());
    FakeMainWindow main;
    TPanelForm *panel = openPanel(main, "TRV-8170QL", 1);
    QVERIFY(pollOnce(panel));
    QVERIFY2(main.status->text().contains("(CvSNMP++) Ok!"), qPrintable(main.status->text()));

    int missing = 0;
    for (const auto &led : panel->LedBinding()->leds) {
        if (led.byteIndex < 50)
            continue;
        ++missing;
        QCOMPARE(led.colour, white);
        QVERIFY(!led.blinking);
        QCOMPARE(led.shape->colour(), white);
    }
    QCOMPARE(missing, 25 + 2); // octets 51 ... 99, 104 and 106
}

// A blinking LED flickers after each read and then stays lit; the blink
// timer rests until a read brings a blinking LED again.
void TstPanels::blinkTimerRests()
{
    QByteArray blinking(108, '\x03');
    blinking[5] = char(0x85);
    m_agent.setUnits({UnitTableAgent::Unit::WithLeds(1, "TRV-8170QL", blinking)});
    FakeMainWindow main;
    TPanelForm *panel = openPanel(main, "TRV-8170QL", 1);
    CvSNMPRequest2Leds *leds = panel->LedBinding();
    CvLedShape *port1 = shapesIn(panel, "LedPanel1").at(0);
    QVERIFY(pollOnce(panel));
    QVERIFY(leds->blinkTimer.isActive());
    QSet<qint32> seen;
    const auto watch = [&] {
        seen.insert(port1->colour());
        return !leds->blinkTimer.isActive();
    };
    QTRY_VERIFY(watch());
    QCOMPARE(seen, QSet<qint32>({red, black}));
    QCOMPARE(port1->colour(), red);

    m_agent.setLedStatus(1, QByteArray(108, '\x03'));
    QVERIFY(leds->Read());
    QVERIFY(!leds->blinkTimer.isActive());
    QCOMPARE(port1->colour(), green);

    m_agent.setLedStatus(1, blinking);
    QVERIFY(leds->Read());
    QVERIFY(leds->blinkTimer.isActive());
    QTRY_VERIFY(!leds->blinkTimer.isActive());
    QCOMPARE(port1->colour(), red);
    leds->StopPolling();
}

void TstPanels::failingPoll_data()
{
    QTest::addColumn<QString>("model");
    QTest::newRow("synchronous") << "TRV-8170QL";
    QTest::newRow("asynchronous") << "TRM6140QL*";
}

void TstPanels::failingPoll()
{
    QFETCH(QString, model);
    m_agent.setUnits({UnitTableAgent::Unit::WithLeds(1, model, QByteArray(108, '\x03'))});
    FakeMainWindow main;
    TPanelForm *panel = openPanel(main, model, 1);
    QVERIFY(pollOnce(panel));
    CvSNMPRequest2Leds *leds = panel->LedBinding();
    const auto colours = [leds] {
        QSet<qint32> shown;
        for (const auto &led : leds->leds)
            shown.insert(led.shape->colour());
        return shown;
    };
    QCOMPARE(colours(), QSet<qint32> {green});

    m_agent.setFailing(true);
    leds->pollTimer.setInterval(10);
    QTRY_VERIFY(!main.status->text().contains("Ok!"));
    QVERIFY2(main.status->text().startsWith("Get: ")
            && main.status->text().contains("Request: Led Status."),
        qPrintable(main.status->text()));
    QCOMPARE(colours(), QSet<qint32> {black});

    // Polling goes on and the LEDs come back with the agent.
    m_agent.setFailing(false);
    QTRY_COMPARE(colours(), QSet<qint32> {green});
    leds->StopPolling();
}

void TstPanels::onePressedButton_data()
{
    QTest::addColumn<QList<QPoint>>("clicks"); // (panel, button) in turn

    QTest::newRow("across panels") << QList<QPoint> {{0, 3}, {1, 7}};
    QTest::newRow("back to the first panel") << QList<QPoint> {{1, 24}, {0, 48}, {0, 1}};
    QTest::newRow("the pressed one again") << QList<QPoint> {{1, 2}, {1, 2}};
    QTest::newRow("upper and lower port") << QList<QPoint> {{0, 23}, {0, 24}};
}

void TstPanels::onePressedButton()
{
    QFETCH(QList<QPoint>, clicks);
    m_agent.setUnits({UnitTableAgent::Unit::WithLeds(1, "TRV-8170QL", QByteArray(108, '\x03')),
        UnitTableAgent::Unit::WithLeds(2, "TRM6140QL*", QByteArray(64, '\x03'))});
    FakeMainWindow main;
    DiscoverStack(main);
    QCOMPARE(main.panels.size(), 2);
    main.window.show();

    for (const QPoint &click : clicks) {
        auto *button = main.panels.at(click.x())->findChild<QAbstractButton *>(
            QStringLiteral("SpeedButton%1").arg(click.y()));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(main.pressedButtons(), QList<QAbstractButton *> {button});
    }
}

void TstPanels::portMenuOfUnit2()
{
    m_agent.setUnits({UnitTableAgent::Unit::WithLeds(1, "TRV-8170QL", QByteArray(108, '\x03')),
        UnitTableAgent::Unit::WithLeds(2, "TRV-8170QL", QByteArray(108, '\x03'))});
    FakeMainWindow main;
    DiscoverStack(main);
    QCOMPARE(main.panels.size(), 2);
    main.window.show();

    auto *button = main.panels.at(1)->findChild<QAbstractButton *>("SpeedButton48");
    QVERIFY(button);
    QCOMPARE(PortNumberOf(button), 112);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(main.pressedButtons(), QList<QAbstractButton *> {button});

    QContextMenuEvent event(
        QContextMenuEvent::Mouse, QPoint(4, 4), button->mapToGlobal(QPoint(4, 4)));
    QCoreApplication::sendEvent(button, &event);
    QTRY_VERIFY(main.menu->isVisible());
    QCOMPARE(PopupComponent(main.menu), button);
    main.menu->hide();
}

// A port of unit 2 with a description and two VLANs: its tooltip reads
// "reading..." at once, then the alias, PVID and VLANs the agent holds, and
// the rate once a second read has counters to compare.
void TstPanels::portDetailsOfUnit2()
{
    // Unit 2 with VLANs 10 and 20 beside the default one.
    const QString state = m_dir.filePath("unit2-vlans.state");
    QFile::remove(state);
    QVERIFY(QFile::copy(QFINDTESTDATA("../../simulator/states/unit2-vlans.state"), state));
    QFile::setPermissions(state, QFile::ReadOwner | QFile::WriteOwner);
    SimulatorProcess sim({"--stack", "1:TRV-8170QL,2:TRM6140QL*", "--state", state});
    QVERIFY2(sim.isReady(), qPrintable(sim.errorText()));
    useAgent(sim.port());
    FakeMainWindow main;
    TPanelForm *panel = openPanel(main, "TRM6140QL*", 2);
    main.window.show();
    auto *button = panel->findChild<QAbstractButton *>("SpeedButton3");
    QVERIFY(button);
    const int port = PortNumberOf(button);
    QCOMPARE(port, 67);

    static const CvSNMPVar portVars[] = {
        {"1.3.6.1.2.1.31.1.1.1.18", "ifAlias", SyntaxDisplayString, AccessReadOnly},
        {"1.3.6.1.2.1.17.7.1.4.5.1.1", "dot1qPvid", SyntaxGauge, AccessReadOnly},
        {},
    };
    static const CvSNMPVar staticVlans[] = {
        {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN", SyntaxGauge, AccessNotAccessible},
        {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress", SyntaxOctetString, AccessReadOnly},
        {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged", SyntaxOctetString, AccessReadOnly},
        {},
    };
    const QStringList held = readRow(portVars, QString::number(port));
    QStringList untagged, tagged;
    for (const QStringList &vlan : readTable(staticVlans, 1)) {
        if (listHolds(vlan.at(2), port))
            untagged.append(vlan.at(0));
        else if (listHolds(vlan.at(1), port))
            tagged.append(vlan.at(0));
    }
    // The port is one that says something in each line.
    QVERIFY(!held.at(0).isEmpty());
    QVERIFY(held.at(1) != "1");
    QVERIFY(!untagged.isEmpty() && !tagged.isEmpty());

    hover(button);
    QCOMPARE(QToolTip::text(), PortDetails::ReadingText);
    QTRY_VERIFY(QToolTip::text() != PortDetails::ReadingText);
    const QStringList lines = QToolTip::text().split('\n');
    QVERIFY2(lines.contains("Name: 2:3"), qPrintable(lines.join('|')));
    QVERIFY2(lines.contains("Description: " + held.at(0)), qPrintable(lines.join('|')));
    QVERIFY2(lines.contains("PVID: " + held.at(1)), qPrintable(lines.join('|')));
    QVERIFY2(
        lines.contains("Untagged in VLAN: " + untagged.join(", ")), qPrintable(lines.join('|')));
    QVERIFY2(lines.contains("Tagged in VLAN: " + tagged.join(", ")), qPrintable(lines.join('|')));
    QVERIFY(lines.filter("Rate:").isEmpty());
    QCOMPARE(button->toolTip(), QToolTip::text());
    // The LED binding still reads its one object.
    QCOMPARE(panel->LedBinding()->request.varList.Count(), 1);

    QTest::qWait(50);
    hover(button);
    QTRY_VERIFY(QToolTip::text() != PortDetails::ReadingText);
    QVERIFY2(QToolTip::text().contains("Rate: in "), qPrintable(QToolTip::text()));
    QToolTip::hideText();
}

// An agent that does not answer, the port focused from the keyboard:
// "reading..." at once, the window goes on working (a click elsewhere hides
// the tooltip), and the error line shows on the button still focused.
void TstPanels::portDetailsFromASilentAgent()
{
    useAgent(SimulatorProcess::silentPort());
    FakeMainWindow main;
    TPanelForm *panel = openPanel(main, "TRM6140QL*", 2);
    main.window.show();
    main.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main.window));
    auto *button = panel->findChild<QAbstractButton *>("SpeedButton1");
    auto *other = panel->findChild<QAbstractButton *>("SpeedButton7");
    QVERIFY(button && other);
    button->setFocus(Qt::TabFocusReason);
    QVERIFY(button->hasFocus());
    QCOMPARE(QToolTip::text(), PortDetails::ReadingText);
    QCOMPARE(button->toolTip(), PortDetails::ReadingText);
    QTest::mouseClick(other, Qt::LeftButton);
    QVERIFY(other->isChecked());
    // A click moves the panel's focus to the port clicked; back by keyboard.
    button->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY_WITH_TIMEOUT(button->toolTip() != PortDetails::ReadingText, 15000);
    const QString tip = button->toolTip();
    QVERIFY2(tip.startsWith("Get: ") && tip.contains("timed out")
            && tip.contains("Request: Port Details."),
        qPrintable(tip));
    QCOMPARE(QToolTip::text(), tip);
    QToolTip::hideText();
}

void TstPanels::pictures_data()
{
    QTest::addColumn<int>("layout"); // into PictureLayouts and formMakers
    for (std::size_t k = 0; k < PictureLayouts.size(); ++k)
        QTest::newRow(PictureLayouts.at(k)->caption) << int(k);
}

// The committed pictures agree with the layouts: every port and LED window
// sits where the buttons and LEDs of the window go. A layout changed
// without drawing the pictures again fails here.
void TstPanels::pictures()
{
    QFETCH(int, layout);
    const PanelLayout &l = *PictureLayouts.at(std::size_t(layout));

    QWidget parent;
    const TPanelForm *panel = formMakers.at(std::size_t(layout))(&parent);
    QCOMPARE(panel->metaObject()->className(), l.className);
    const auto *image = panel->findChild<QLabel *>("Image1");
    QVERIFY(image);
    const QImage shown = image->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(l.width, l.height));

    const QImage drawn = DrawPanelFront(l, QString::fromLatin1(l.caption));
    for (const QRect &r : FrontFeatureRects(l)) {
        const double difference = meanDifference(shown, drawn, r);
        QVERIFY2(difference < 12,
            qPrintable(QStringLiteral("%1,%2 %3x%4 differs by %5")
                           .arg(r.x())
                           .arg(r.y())
                           .arg(r.width())
                           .arg(r.height())
                           .arg(difference)));
    }
}

QTEST_MAIN(TstPanels)
#include "tst_panels.moc"
