#include "PanelAccess.h"

#include "AccessibleNames.h"
#include "TPanelForm.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStringList>

#include <algorithm>
#include <map>

namespace {

// Port p shows octets 4 + 2(p - 1) and 5 + 2(p - 1) of the LED string.
constexpr int FirstPortOctet = 4;

struct PortLed
{
    int port = 0; // 0: not a port LED
    int octet = 0; // 0 or 1: which of the port's two octets
};

PortLed portLedOf(int byteIndex, int portCount)
{
    const int k = byteIndex - FirstPortOctet;
    if (k < 0 || k >= 2 * portCount)
        return {};
    return {k / 2 + 1, k % 2};
}

QString colourWords(const CvSNMPRequest2Leds::Led &led)
{
    if (led.map && led.colour == led.map->offColour)
        return QStringLiteral("off");
    switch (led.colour) {
    case 0x000000:
        return QStringLiteral("off");
    case 0xFFFFFF:
        return QStringLiteral("white");
    case 0x00FF00:
        return QStringLiteral("green");
    case 0xFF0000:
        return QStringLiteral("blue");
    case 0x0000FF:
        return QStringLiteral("red");
    default:
        break;
    }
    // 0x00BBGGRR as #RRGGBB.
    const QColor c = LedColor(led.colour);
    return QStringLiteral("colour ") + c.name();
}

QString ledWords(const CvSNMPRequest2Leds::Led &led)
{
    QString words = colourWords(led);
    if (led.blinking)
        words += QStringLiteral(", blinking");
    return words;
}

// Screen readers are told of a description only when its words change;
// the widget itself tells them nothing.
void setDescription(QWidget *widget, const QString &text)
{
    if (!widget || widget->accessibleDescription() == text)
        return;
    widget->setAccessibleDescription(text);
    QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

QString systemLedName(const QString &container)
{
    static const std::map<QString, QString> names = {
        {QStringLiteral("PowerLedPanel"), QStringLiteral("power LED")},
        {QStringLiteral("MasterLedPanel"), QStringLiteral("master LED")},
        {QStringLiteral("ConsoleLedPanel"), QStringLiteral("console LED")},
        {QStringLiteral("RPowerLedPanel"), QStringLiteral("redundant power LED")},
    };
    const auto found = names.find(container);
    if (found != names.end())
        return found->second;
    if (container.startsWith(QLatin1String("SIOPanel")))
        return QStringLiteral("stacking port %1 LED").arg(container.mid(8));
    return QStringLiteral("LED");
}

QAbstractButton *portButton(const QWidget *panel, int i)
{
    return panel->findChild<QAbstractButton *>(
        QStringLiteral("SpeedButton%1").arg(i), Qt::FindDirectChildrenOnly);
}

int buttonNumber(const QObject *button)
{
    return button->objectName().mid(int(qstrlen("SpeedButton"))).toInt();
}

// The panels beside this one in the main window, top to bottom.
QList<TPanelForm *> stackOf(TPanelForm *panel)
{
    QList<TPanelForm *> panels;
    if (!panel->parentWidget())
        return {panel};
    for (TPanelForm *p :
        panel->parentWidget()->findChildren<TPanelForm *>(Qt::FindDirectChildrenOnly))
        if (!p->isHidden())
            panels.append(p);
    std::stable_sort(panels.begin(), panels.end(),
        [](const TPanelForm *a, const TPanelForm *b) { return a->y() < b->y(); });
    return panels;
}

// The button a key moves to from button i of panel, or null.
QAbstractButton *moveFrom(TPanelForm *panel, int i, int key)
{
    const int count = panel->Layout().portCount;
    const bool upper = i % 2 == 1;
    const int column = (i + 1) / 2;
    const auto within
        = [&](int j) { return j >= 1 && j <= count ? portButton(panel, j) : nullptr; };
    // Button in the given row of the same column on the unit above or below,
    // or the last of that row where that unit has fewer columns.
    const auto onUnit = [&](int step, bool toUpper) -> QAbstractButton * {
        const QList<TPanelForm *> panels = stackOf(panel);
        const qsizetype at = panels.indexOf(panel) + step;
        if (at < 0 || at >= panels.size())
            return nullptr;
        TPanelForm *next = panels.at(at);
        const int columns = next->Layout().columnCount();
        if (columns == 0)
            return nullptr;
        const int c = std::min(column, columns);
        const int j = std::min(toUpper ? 2 * c - 1 : 2 * c, next->Layout().portCount);
        return portButton(next, j);
    };
    switch (key) {
    case Qt::Key_Left:
        return within(i - 2);
    case Qt::Key_Right:
        return within(i + 2);
    case Qt::Key_Up:
        return upper ? onUnit(-1, false) : within(i - 1);
    case Qt::Key_Down:
        return upper && i + 1 <= count ? within(i + 1) : onUnit(+1, true);
    case Qt::Key_Home:
        return within(1);
    case Qt::Key_End:
        return within(count);
    default:
        return nullptr;
    }
}

// The key handling of one panel's port buttons.
class PortKeyboard : public QObject
{
public:
    explicit PortKeyboard(TPanelForm *panel)
        : QObject(panel)
        , m_panel(panel)
    {
        setObjectName(QStringLiteral("PortKeyboard"));
    }

    void attach(QAbstractButton *button, bool tabStop)
    {
        button->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *button = qobject_cast<QAbstractButton *>(watched);
        if (!button)
            return false;
        if (event->type() == QEvent::FocusIn) {
            makeTabStop(button);
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Menu && modifiers == Qt::NoModifier)
            || (key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
            const QPoint centre = button->rect().center();
            QContextMenuEvent menu(
                QContextMenuEvent::Keyboard, centre, button->mapToGlobal(centre), modifiers);
            QCoreApplication::sendEvent(button, &menu);
            return true;
        }
        if (modifiers != Qt::NoModifier)
            return false;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            button->click();
            return true;
        }
        if (QAbstractButton *next = moveFrom(m_panel, buttonNumber(button), key->key())) {
            next->setFocus(Qt::OtherFocusReason);
            return true;
        }
        // An arrow key at the edge of the stack stays on the port.
        switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            return true;
        default:
            return false;
        }
    }

private:
    void makeTabStop(QAbstractButton *button)
    {
        for (int i = 1; i <= m_panel->Layout().portCount; ++i)
            if (QAbstractButton *b = portButton(m_panel, i))
                b->setFocusPolicy(b == button ? Qt::StrongFocus : Qt::ClickFocus);
    }

    TPanelForm *m_panel;
};

} // namespace

QString DescribePortLeds(const std::vector<const CvSNMPRequest2Leds::Led *> &leds)
{
    if (leds.empty())
        return {};
    const bool lit = std::any_of(leds.begin(), leds.end(), [](const CvSNMPRequest2Leds::Led *led) {
        return colourWords(*led) != QLatin1String("off");
    });
    if (!lit)
        return QStringLiteral("No link");
    const bool traffic = std::any_of(
        leds.begin(), leds.end(), [](const CvSNMPRequest2Leds::Led *led) { return led->blinking; });
    QStringList parts;
    for (std::size_t k = 0; k < leds.size(); ++k) {
        const QString which
            = leds.size() == 1 ? QStringLiteral("LED") : QStringLiteral("LED %1").arg(k + 1);
        parts.append(which + QLatin1Char(' ') + ledWords(*leds[k]));
    }
    return QStringLiteral("Link") + (traffic ? QStringLiteral(", traffic") : QString())
        + QStringLiteral(": ") + parts.join(QStringLiteral("; "));
}

void NamePanelParts(TPanelForm &panel)
{
    const int unit = panel.UnitNumber();
    const QString prefix = QStringLiteral("Unit %1").arg(unit);
    panel.setAccessibleName(prefix + QStringLiteral(" front panel"));
    if (auto *image = panel.findChild<QLabel *>(QStringLiteral("Image1")))
        image->setAccessibleName(panel.windowTitle());
    if (auto *badge = panel.findChild<QLabel *>(QStringLiteral("StackImage")))
        badge->setAccessibleName(prefix);

    auto *keyboard = new PortKeyboard(&panel);
    const int count = panel.Layout().portCount;
    for (int i = 1; i <= count; ++i) {
        if (QAbstractButton *button = portButton(&panel, i)) {
            button->setAccessibleName(PortAccessibleName(unit, i));
            keyboard->attach(button, i == 1);
        }
    }

    if (CvSNMPRequest2Leds *binding = panel.LedBinding()) {
        // How many LEDs each port has decides whether they are numbered.
        std::map<int, int> perPort;
        for (const CvSNMPRequest2Leds::Led &led : binding->leds)
            if (const PortLed p = portLedOf(led.byteIndex, count); p.port > 0)
                ++perPort[p.port];
        for (const CvSNMPRequest2Leds::Led &led : binding->leds) {
            if (!led.shape)
                continue;
            const PortLed p = portLedOf(led.byteIndex, count);
            QString name;
            if (p.port > 0) {
                name = PortAccessibleName(unit, p.port) + QStringLiteral(" LED");
                if (perPort[p.port] > 1)
                    name += QStringLiteral(" %1").arg(p.octet + 1);
            } else {
                const QWidget *container = led.shape->parentWidget();
                name = prefix + QLatin1Char(' ')
                    + systemLedName(container ? container->objectName() : QString());
            }
            led.shape->setAccessibleName(name);
        }
    }
    DescribePanelPorts(panel);
}

void DescribePanelPorts(TPanelForm &panel)
{
    const int count = panel.Layout().portCount;
    std::vector<std::vector<const CvSNMPRequest2Leds::Led *>> ports(std::size_t(count + 1));
    if (CvSNMPRequest2Leds *binding = panel.LedBinding()) {
        for (const CvSNMPRequest2Leds::Led &led : binding->leds) {
            setDescription(led.shape, ledWords(led));
            if (const PortLed p = portLedOf(led.byteIndex, count); p.port > 0)
                ports[std::size_t(p.port)].push_back(&led);
        }
    }
    for (int i = 1; i <= count; ++i) {
        std::vector<const CvSNMPRequest2Leds::Led *> &leds = ports[std::size_t(i)];
        std::stable_sort(leds.begin(), leds.end(),
            [](const auto *a, const auto *b) { return a->byteIndex < b->byteIndex; });
        setDescription(portButton(&panel, i), DescribePortLeds(leds));
    }
}
