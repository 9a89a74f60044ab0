// The front panels for an operator without mouse or sight: names of port
// buttons, LEDs and badges, port descriptions that follow the LEDs, and
// the keys that move between ports and units, press a port and open the
// port menu.

#include "CvException.h"
#include "CvSNMPRequest2Leds.h"
#include "CvSNMPSession.h"
#include "FakeMainWindow.h"
#include "PanelSelection.h"
#include "StackDiscovery.h"
#include "TPanelForm.h"
#include "UnitTableAgent.h"

#include <QAccessible>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString nameOf(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QString descriptionOf(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Description) : QString();
}

QAbstractButton *port(const QWidget *panel, int i)
{
    return panel->findChild<QAbstractButton *>(QStringLiteral("SpeedButton%1").arg(i));
}

CvLedShape *shapeAt(const TPanelForm *panel, int octet)
{
    for (const auto &led : panel->LedBinding()->leds)
        if (led.byteIndex == octet)
            return led.shape;
    return nullptr;
}

// One poll as discovery starts it; a failure is the LEDs' business.
bool readOnce(TPanelForm *panel)
{
    CvSNMPRequest2Leds *leds = panel->LedBinding();
    try {
        leds->StartPolling(TPanelForm::PollInterval);
    } catch (const CvException &) {
    }
    QDeadlineTimer deadline(10000);
    while (leds->IsBusy() && !deadline.hasExpired())
        QTest::qWait(5);
    leds->pollTimer.stop();
    return !leds->IsBusy();
}

} // namespace

class TstPanelAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPartNamed_data();
    void everyPartNamed();
    void descriptionFollowsTheLeds();
    void portsByKeyboard();

private:
    QTemporaryDir m_dir;
    UnitTableAgent m_agent;
};

void TstPanelAccess::initTestCase()
{
    StartSession(m_dir.path());
    SessionDefaults() = InitialSessionDefaults();
    SessionDefaults().security.version = 1;
    SessionDefaults().device.address = QStringLiteral("127.0.0.1");
    SessionDefaults().device.port = m_agent.port();
}

void TstPanelAccess::everyPartNamed_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("ledOctet"); // a port LED and its name
    QTest::addColumn<QString>("ledName");
    QTest::newRow("8170") << "TRV-8170QL" << 17 << "Unit 3 port 7 LED";
    QTest::newRow("8140") << "TRV-8140PQL" << 51 << "Unit 3 port 24 LED";
    QTest::newRow("TRM two LEDs a port") << "TRM-6140QLI" << 5 << "Unit 3 port 1 LED 2";
    QTest::newRow("TRM badge") << "TRM6140QL" << 50 << "Unit 3 port 24 LED 1";
    QTest::newRow("generic") << "XR-50" << 103 << "Unit 3 port 50 LED";
}

// Each port button is "Unit U port P"; every LED and the badge have names
// of their own, no two LEDs alike.
void TstPanelAccess::everyPartNamed()
{
    QFETCH(QString, model);
    QFETCH(int, ledOctet);
    QFETCH(QString, ledName);

    FakeMainWindow main;
    TPanelForm *panel
        = CreatePanel(SelectPanelClass(PanelModelNames(), model), model, 50, main.PanelParent());
    panel->SetUnitNumber(3);
    panel->SetupLeds(main);
    const int count = panel->Layout().portCount;
    QVERIFY(count >= 24);
    for (int i = 1; i <= count; ++i)
        QCOMPARE(nameOf(port(panel, i)), QStringLiteral("Unit 3 port %1").arg(i));

    QSet<QString> names;
    const QList<CvLedShape *> shapes = panel->findChildren<CvLedShape *>();
    QVERIFY(shapes.size() > count);
    for (CvLedShape *shape : shapes) {
        const QString name = nameOf(shape);
        QVERIFY2(!name.isEmpty(), qPrintable(shape->parentWidget()->objectName()));
        names.insert(name);
    }
    QCOMPARE(names.size(), shapes.size());
    QCOMPARE(nameOf(shapeAt(panel, ledOctet)), ledName);
    QCOMPARE(nameOf(shapeAt(panel, 0)), QString("Unit 3 power LED"));
    if (auto *badge = panel->findChild<QLabel *>("StackImage"))
        QCOMPARE(nameOf(badge), QString("Unit 3"));
}

// A port's description says what its LEDs show as read, in words; it
// changes when the LEDs do and holds through the blink passes in between.
void TstPanelAccess::descriptionFollowsTheLeds()
{
    QByteArray leds(108, '\x06');
    leds[5] = char(0x03); // port 1 green
    leds[7] = char(0x85); // port 2 red, blinking
    QByteArray trm(64, '\x06');
    trm[4] = char(0x04); // port 1: blue and green
    trm[5] = char(0x02);
    m_agent.setUnits({UnitTableAgent::Unit::WithLeds(1, "TRV-8170QL", leds),
        UnitTableAgent::Unit::WithLeds(2, "TRM6140QL*", trm)});
    FakeMainWindow main;
    DiscoverStack(main);
    QCOMPARE(main.panels.size(), 2);
    auto *first = qobject_cast<TPanelForm *>(main.panels.at(0));
    auto *second = qobject_cast<TPanelForm *>(main.panels.at(1));
    QVERIFY(readOnce(first) && readOnce(second));

    QCOMPARE(descriptionOf(port(first, 1)), QString("Link: LED green"));
    QCOMPARE(descriptionOf(port(first, 2)), QString("Link, traffic: LED red, blinking"));
    QCOMPARE(descriptionOf(port(first, 3)), QString("No link"));
    QCOMPARE(descriptionOf(port(second, 1)), QString("Link: LED 1 blue; LED 2 green"));

    CvSNMPRequest2Leds *binding = first->LedBinding();
    binding->blinkTicks = 0;
    for (int pass = 0; pass < 2; ++pass) {
        binding->PaintLeds();
        QCOMPARE(descriptionOf(port(first, 2)), QString("Link, traffic: LED red, blinking"));
    }

    leds[5] = char(0x06);
    leds[7] = char(0x03);
    m_agent.setLedStatus(1, leds);
    QVERIFY(readOnce(first));
    QCOMPARE(descriptionOf(port(first, 1)), QString("No link"));
    QCOMPARE(descriptionOf(port(first, 2)), QString("Link: LED green"));

    // A failed read turns the LEDs off, and the ports say so.
    m_agent.setFailing(true);
    QVERIFY(readOnce(first));
    QCOMPARE(descriptionOf(port(first, 2)), QString("No link"));
    m_agent.setFailing(false);
}

// Tab reaches a panel at its one tab stop; the arrows walk the ports of a
// unit and cross to the unit below and back; Space and Enter press a port
// as a click does; Shift+F10 and the menu key open the port menu there.
void TstPanelAccess::portsByKeyboard()
{
    m_agent.setUnits({UnitTableAgent::Unit::WithLeds(1, "TRV-8170QL", QByteArray(108, '\x03')),
        UnitTableAgent::Unit::WithLeds(2, "TRM6140QL*", QByteArray(64, '\x03'))});
    FakeMainWindow main;
    DiscoverStack(main);
    QCOMPARE(main.panels.size(), 2);
    main.window.show();
    main.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main.window));
    QWidget *upper = main.panels.at(0);
    QWidget *lower = main.panels.at(1);

    // One tab stop per panel, the first port until another is focused.
    QList<QWidget *> stops;
    QWidget *w = &main.window;
    for (int k = 0; k < 400 && (w = w->nextInFocusChain()) != &main.window;)
        if (w->focusPolicy() & Qt::TabFocus && w->objectName().startsWith("SpeedButton"))
            stops.append(w);
    QCOMPARE(stops, (QList<QWidget *> {port(upper, 1), port(lower, 1)}));

    port(upper, 1)->setFocus(Qt::TabFocusReason);
    const auto key = [](int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), m);
        return nameOf(QApplication::focusWidget());
    };
    QCOMPARE(key(Qt::Key_Right), QString("Unit 1 port 3"));
    QCOMPARE(key(Qt::Key_Down), QString("Unit 1 port 4"));
    QCOMPARE(key(Qt::Key_Down), QString("Unit 2 port 3"));
    QCOMPARE(key(Qt::Key_Up), QString("Unit 1 port 4"));
    QCOMPARE(key(Qt::Key_Left), QString("Unit 1 port 2"));
    QCOMPARE(key(Qt::Key_Left), QString("Unit 1 port 2"));
    QCOMPARE(key(Qt::Key_End), QString("Unit 1 port 48"));
    QCOMPARE(key(Qt::Key_Down), QString("Unit 2 port 23"));
    QCOMPARE(key(Qt::Key_Home), QString("Unit 2 port 1"));
    QCOMPARE(key(Qt::Key_Up), QString("Unit 1 port 2"));
    // The focused port is its panel's tab stop now.
    QVERIFY(port(upper, 2)->focusPolicy() & Qt::TabFocus);
    QVERIFY(!(port(upper, 1)->focusPolicy() & Qt::TabFocus));

    key(Qt::Key_Space);
    QCOMPARE(main.pressedButtons(), QList<QAbstractButton *> {port(upper, 2)});
    key(Qt::Key_Right);
    key(Qt::Key_Return);
    QCOMPARE(main.pressedButtons(), QList<QAbstractButton *> {port(upper, 4)});

    for (const auto &[k, m] :
        {std::pair {Qt::Key_F10, Qt::ShiftModifier}, std::pair {Qt::Key_Menu, Qt::NoModifier}}) {
        main.menu->setProperty("PopupComponent", QVariant());
        QTest::keyClick(QApplication::focusWidget(), k, m);
        QTRY_VERIFY(main.menu->isVisible());
        QCOMPARE(main.menu->property("PopupComponent").value<QObject *>(), port(upper, 4));
        main.menu->hide();
    }
}

QTEST_MAIN(TstPanelAccess)
#include "tst_panelaccess.moc"
