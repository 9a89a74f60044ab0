#include "TPanelForm.h"

#include "CvException.h"
#include "CvSNMPRequest2Leds.h"
#include "LedMaps.h"
#include "MainWindowState.h"
#include "PanelAccess.h"
#include "PanelArt.h"
#include "PanelLedBinding.h"
#include "PortButton.h"
#include "PortDetails.h"
#include "UnitTable.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>

#include <array>

namespace {
// The one-LED containers of the power, master, console and redundant-power
// LEDs, and how their single LEDs sit in them and in the stacking-port ones.
constexpr std::array<const char *, 4> systemNames
    = {"PowerLedPanel", "MasterLedPanel", "ConsoleLedPanel", "RPowerLedPanel"};
constexpr int singleLeft = 1;
constexpr int singleGap = 10;
constexpr int singleSize = 7;
} // namespace

TPanelForm::TPanelForm(const PanelLayout &layout, QWidget *parent, const QString &caption)
    : QWidget(parent)
    , m_layout(layout)
{
    setObjectName(QString::fromLatin1(layout.className));
    setWindowTitle(caption.isEmpty() ? QString::fromLatin1(layout.caption) : caption);
    resize(layout.width, layout.height);
    createComponents(caption);
}

// The binding goes first, while the window is whole: its request may still
// wait for an outstanding answer, and its timers paint the LEDs. A binding
// inside a synchronous read further down the stack is given up and goes
// once that read has returned; its LEDs are gone by then.
TPanelForm::~TPanelForm()
{
    if (!m_leds)
        return;
    // The ports need no description any more.
    disconnect(m_leds, nullptr, this, nullptr);
    m_leds->StopPolling();
    if (!m_leds->IsBusy()) {
        delete m_leds.data();
        return;
    }
    m_leds->request.Abandon();
    m_leds->setParent(nullptr);
    m_leds->deleteLater();
}

CvSNMPRequest2Leds *TPanelForm::LedBinding() const
{
    return m_leds;
}

QWidget *TPanelForm::container(const QString &name, const QRect &geometry)
{
    auto *frame = new QFrame(this);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(geometry);
    // The LEDs cover it; until they are made it shows as an unlit window.
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, Qt::black);
    frame->setPalette(palette);
    return frame;
}

void TPanelForm::createComponents(const QString &caption)
{
    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(0, 0, m_layout.width, m_layout.height);
    if (m_layout.picture)
        image->setPixmap(QPixmap(QString::fromLatin1(m_layout.picture)));
    else
        image->setPixmap(QPixmap::fromImage(DrawPanelFront(m_layout, caption)));

    for (std::size_t k = 0; k < m_layout.systemLeds.size(); ++k)
        container(
            QString::fromLatin1(systemNames[k]), PanelLayout::ledContainer(m_layout.systemLeds[k]));
    for (int r = 0; r < m_layout.ledRowCount; ++r)
        container(
            QStringLiteral("LedPanel%1").arg(r + 1), m_layout.ledRows[std::size_t(r)].geometry);
    for (int k = 0; k < m_layout.stackLedCount; ++k)
        container(QStringLiteral("SIOPanel%1").arg(k + 1),
            PanelLayout::ledContainer(m_layout.stackLeds[std::size_t(k)]));

    if (m_layout.hasBadge) {
        auto *badge = new QFrame(this);
        badge->setObjectName(QStringLiteral("Panel1"));
        badge->setGeometry(QRect(m_layout.badge, PanelLayout::BadgeSize));
        m_stackImage = new QLabel(badge);
        m_stackImage->setObjectName(QStringLiteral("StackImage"));
        m_stackImage->setGeometry(1, 1, 24, 21);
        m_stackImage->setScaledContents(true);
    }

    for (int i = 1; i <= m_layout.portCount; ++i) {
        auto *button = new PortButton(this, m_layout.portButton(i), i % 2 == 1);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(i));
    }
}

void TPanelForm::SetupLeds(MainWindowState &main)
{
    try {
        auto *leds = new PanelLedBinding(this);
        m_leds = leds;
        leds->asynchronous = !m_layout.synchronousLeds;
        leds->SetVarList(LedStatusVars(), MVT_SV, 0);
        leds->request.timeout = LedTimeout;
        leds->request.varList.instance = QString::number(m_unit);

        // The system LEDs show octets 0 to 3.
        for (std::size_t k = 0; k < systemNames.size(); ++k)
            leds->AddLedRow(0, QString::number(k), &SecondLedMap(),
                findChild<QWidget *>(QString::fromLatin1(systemNames[k])), singleLeft, singleGap,
                CvLedShape::Rectangle, singleSize, singleSize);
        for (int r = 0; r < m_layout.ledRowCount; ++r) {
            const LedRowLayout &row = m_layout.ledRows[std::size_t(r)];
            leds->AddLedRow(0, LedPositions(row), &LedMapOf(row.map),
                findChild<QWidget *>(QStringLiteral("LedPanel%1").arg(r + 1)), 0, m_layout.ledGap,
                CvLedShape::Rectangle, m_layout.ledSize, m_layout.ledSize);
        }
        for (int k = 0; k < m_layout.stackLedCount; ++k)
            leds->AddLedRow(0, QString::number(m_layout.stackLedOctets[std::size_t(k)]),
                &SecondLedMap(), findChild<QWidget *>(QStringLiteral("SIOPanel%1").arg(k + 1)),
                singleLeft, singleGap, CvLedShape::Rectangle, singleSize, singleSize);

        leds->SetMessageTarget(main.StatusPanel());
        leds->request.varList.name = QStringLiteral(" Led Status");
        connect(leds, &PanelLedBinding::LedsRead, this, [this] { DescribePanelPorts(*this); });
    } catch (const CvException &) {
        // The window shows whatever LEDs were made.
    }
    NamePanelParts(*this);

    const QList<QPixmap> &badges = main.UnitBadges();
    if (m_stackImage && m_unit >= 1 && m_unit <= badges.size())
        m_stackImage->setPixmap(badges.at(m_unit - 1).scaled(16, 16));
}

void TPanelForm::RegisterPortButtons(QList<QAbstractButton *> &portButtons)
{
    auto *details = new PortDetails(this);
    for (int i = 1; i <= m_layout.portCount; ++i) {
        auto *button = findChild<QAbstractButton *>(
            QStringLiteral("SpeedButton%1").arg(i), Qt::FindDirectChildrenOnly);
        if (!button)
            continue;
        button->setProperty(PortTagProperty, (m_unit - 1) * 64 + i);
        details->Watch(button);
        portButtons.append(button);
    }
}
