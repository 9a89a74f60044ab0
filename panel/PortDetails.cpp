#include "PortDetails.h"

#include "CvCatalogues.h"
#include "CvException.h"
#include "CvSNMPRequest2Controls.h"
#include "CvValueTexts.h"
#include "PortButton.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QStringList>
#include <QTime>
#include <QToolTip>

#include <algorithm>
#include <array>
#include <functional>

namespace {

// The port's own objects, one row with the port number as instance: it is
// the port's ifIndex and its bridge port number alike.
const CvSNMPVar portVars[] = {
    {"1.3.6.1.2.1.31.1.1.1.1", "ifName", SyntaxDisplayString, AccessReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.18", "ifAlias", SyntaxDisplayString, AccessReadOnly},
    {"1.3.6.1.2.1.2.2.1.8", "ifOperStatus", SyntaxInteger, AccessReadOnly},
    {"1.3.6.1.2.1.2.2.1.5", "ifSpeed", SyntaxGauge, AccessReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.15", "ifHighSpeed", SyntaxGauge, AccessReadOnly},
    {"1.3.6.1.2.1.10.7.2.1.19", "dot3StatsDuplexStatus", SyntaxInteger, AccessReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "dot1qPvid", SyntaxGauge, AccessReadOnly},
    {"1.3.6.1.2.1.2.2.1.10", "ifInOctets", SyntaxCounter, AccessReadOnly},
    {"1.3.6.1.2.1.2.2.1.16", "ifOutOctets", SyntaxCounter, AccessReadOnly},
    {},
};
enum : int { Name, Alias, OperStatus, Speed, HighSpeed, Duplex, Pvid, InOctets, OutOctets };

// dot1qVlanCurrentTable: time mark and VLAN id come from the instance.
const CvSNMPVar vlanVars[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "dot1qVlanTimeMark", SyntaxTimeTicks, AccessNotAccessible},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "dot1qVlanIndex", SyntaxGauge, AccessNotAccessible},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "dot1qVlanCurrentEgressPorts", SyntaxOctetString,
        AccessReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "dot1qVlanCurrentUntaggedPorts", SyntaxOctetString,
        AccessReadOnly},
    {},
};
enum : int { VlanId = 1, Egress, Untagged };

// The names the MIBs give the values.
constexpr std::array<const char *, 7> operStates
    = {"up", "down", "testing", "unknown", "dormant", "notPresent", "lowerLayerDown"};
constexpr std::array<const char *, 3> duplexStates = {"unknown", "halfDuplex", "fullDuplex"};

template <std::size_t N> QString named(const std::array<const char *, N> &names, const QString &v)
{
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok && n >= 1 && n <= int(N) ? QString::fromLatin1(names[std::size_t(n - 1)]) : v;
}

bool holds(const QByteArray &list, int port)
{
    const int bit = port - 1;
    return bit >= 0 && bit / 8 < list.size()
        && (quint8(list.at(bit / 8)) & (0x80 >> (bit % 8))) != 0;
}

QString bitsPerSecond(double bits)
{
    if (bits >= 1e9)
        return QStringLiteral("%1 Gbit/s").arg(bits / 1e9, 0, 'f', 2);
    if (bits >= 1e6)
        return QStringLiteral("%1 Mbit/s").arg(bits / 1e6, 0, 'f', 1);
    return QStringLiteral("%1 kbit/s").arg(bits / 1e3, 0, 'f', 1);
}

QString vlanIds(const QList<int> &ids)
{
    if (ids.isEmpty())
        return QStringLiteral("none");
    QStringList texts;
    for (int id : ids)
        texts.append(QString::number(id));
    return texts.join(QStringLiteral(", "));
}

// The last walk of the VLAN table, kept for a few seconds, of one agent.
struct VlanCache
{
    QString agent;
    QElapsedTimer readAt;
    QList<PortDetails::Vlan> vlans;

    bool fresh(const QString &of) const
    {
        return agent == of && readAt.isValid() && readAt.elapsed() < PortDetails::VlanCacheMs;
    }
};

VlanCache &vlanCache()
{
    static VlanCache cache;
    return cache;
}

QString agentOf(const CvSNMPRequest &request)
{
    return request.device.address + QLatin1Char(':') + QString::number(request.device.port);
}

qint64 nowMs()
{
    static QElapsedTimer started;
    if (!started.isValid())
        started.start();
    return started.elapsed();
}

QString errorLine(const CvSNMPRequest &request, const QString &message)
{
    return FillStatusTemplate(
        StatusTemplate(false), message, request.varList.name, QTime::currentTime());
}

} // namespace

// One read of the tooltip: each row goes to onRow, the end, good or bad,
// to onDone; error holds the error line of a failed read.
class PortRead : public CvSNMPRequest2Controls
{
public:
    PortRead(
        QWidget *owner, const CvSNMPVar *table, quint8 kind, int indexCount, const QString &name)
        : CvSNMPRequest2Controls(owner)
    {
        SetVarList(table, kind, indexCount);
        request.varList.name = name;
        request.timeout = PortDetails::Timeout;
    }

    // Starts the read; false when it ended at once.
    bool start()
    {
        done = false;
        error.clear();
        try {
            Read();
        } catch (const CvException &e) {
            finish(errorLine(request, e.message()));
        }
        return !done;
    }

    std::function<void()> onRow;
    std::function<void()> onDone;
    bool done = true;
    QString error;

protected:
    void AddRow() override
    {
        if (onRow)
            onRow();
    }
    void EndRead() override { finish(QString()); }
    void ReportReadError(const CvSNMPError &e) override { finish(errorLine(request, e.message)); }

private:
    void finish(const QString &line)
    {
        done = true;
        error = line;
        if (onDone)
            onDone();
    }
};

const QString PortDetails::ReadingText = QStringLiteral("reading...");

PortDetails::PortDetails(QWidget *panel)
    : QObject(panel)
{
    m_ports = new PortRead(panel, portVars, MVT_SV, 0, QStringLiteral(" Port Details"));
    m_vlans = new PortRead(panel, vlanVars, MVT_FMV, 2, QStringLiteral(" VLAN Current Table"));
    m_vlans->onRow = [this] {
        const CvSNMPVarList &list = m_vlans->request.varList;
        m_walk.append({list.Var(VlanId).value.toInt(), OctetsFromHex(list.Var(Egress).value),
            OctetsFromHex(list.Var(Untagged).value)});
    };
    // The read is over for the request once its hooks have returned.
    const auto done
        = [this] { QMetaObject::invokeMethod(this, &PortDetails::readDone, Qt::QueuedConnection); };
    m_ports->onDone = done;
    m_vlans->onDone = done;
}

// A read still waiting for its answer is given up, not waited for: it goes
// once it has returned.
PortDetails::~PortDetails()
{
    for (PortRead *read : {m_ports.data(), m_vlans.data()}) {
        if (!read)
            continue;
        read->onRow = nullptr;
        read->onDone = nullptr;
        read->Stop();
        if (!read->IsBusy()) {
            delete read;
            continue;
        }
        read->request.Abandon();
        read->setParent(nullptr);
        read->deleteLater();
    }
}

void PortDetails::Watch(QAbstractButton *button)
{
    button->installEventFilter(this);
}

bool PortDetails::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = qobject_cast<QAbstractButton *>(watched);
    if (!button)
        return false;
    if (event->type() == QEvent::ToolTip) {
        ask(button, static_cast<QHelpEvent *>(event)->globalPos());
        return true;
    }
    if (event->type() == QEvent::FocusIn)
        ask(button, button->mapToGlobal(QPoint(0, button->height())));
    return false;
}

void PortDetails::ask(QAbstractButton *button, const QPoint &at)
{
    m_asked = button;
    m_at = at;
    button->setToolTip(ReadingText);
    show(ReadingText, true);
    if (!m_reading)
        startRead();
}

void PortDetails::startRead()
{
    const int port = PortNumberOf(m_asked);
    if (port <= 0 || !m_ports || !m_vlans)
        return;
    m_reading = port;
    m_ports->request.varList.instance = QString::number(port);
    m_walked = !vlanCache().fresh(agentOf(m_vlans->request));
    m_walk.clear();
    m_ports->start();
    if (m_walked)
        m_vlans->start();
    readDone();
}

void PortDetails::readDone()
{
    if (!m_reading || !m_ports || !m_vlans || !m_ports->done || (m_walked && !m_vlans->done)
        || m_ports->IsBusy() || m_vlans->IsBusy())
        return;
    const int port = m_reading;
    m_reading = 0;
    if (m_walked && m_vlans->error.isEmpty()) {
        VlanCache &cache = vlanCache();
        cache.agent = agentOf(m_vlans->request);
        cache.vlans = m_walk;
        cache.readAt.start();
    }
    QString text = m_ports->error;
    if (text.isEmpty() && m_walked)
        text = m_vlans->error;
    if (text.isEmpty())
        text = describe(port);
    if (PortNumberOf(m_asked) != port) {
        // Another port was asked for meanwhile.
        startRead();
        return;
    }
    m_asked->setToolTip(text);
    show(text, false);
}

// The answer replaces "reading..." where that still shows, or on a button
// still focused or under the mouse.
void PortDetails::show(const QString &text, bool always)
{
    if (!m_asked)
        return;
    if (always || (QToolTip::isVisible() && QToolTip::text() == ReadingText) || m_asked->hasFocus()
        || m_asked->underMouse())
        QToolTip::showText(m_at, text, m_asked);
}

QString PortDetails::describe(int port)
{
    const CvSNMPVarList &v = m_ports->request.varList;
    QStringList lines;
    lines.append(QStringLiteral("Name: %1").arg(v.Var(Name).value));
    if (!v.Var(Alias).value.isEmpty())
        lines.append(QStringLiteral("Description: %1").arg(v.Var(Alias).value));
    lines.append(QStringLiteral("Status: %1").arg(named(operStates, v.Var(OperStatus).value)));
    const quint32 high = v.Var(HighSpeed).value.toUInt();
    const QString speed = high > 0 ? QStringLiteral("%1 Mbit/s").arg(high)
                                   : bitsPerSecond(v.Var(Speed).value.toDouble());
    lines.append(
        QStringLiteral("Speed: %1, %2").arg(speed, named(duplexStates, v.Var(Duplex).value)));
    lines.append(QStringLiteral("PVID: %1").arg(v.Var(Pvid).value));
    QList<int> untagged, tagged;
    for (const Vlan &vlan : std::as_const(vlanCache().vlans)) {
        if (holds(vlan.untagged, port))
            untagged.append(vlan.id);
        else if (holds(vlan.egress, port))
            tagged.append(vlan.id);
    }
    std::sort(untagged.begin(), untagged.end());
    std::sort(tagged.begin(), tagged.end());
    lines.append(QStringLiteral("Untagged in VLAN: %1").arg(vlanIds(untagged)));
    lines.append(QStringLiteral("Tagged in VLAN: %1").arg(vlanIds(tagged)));
    const QString traffic = rate(port);
    if (!traffic.isEmpty())
        lines.append(traffic);
    return lines.join(QLatin1Char('\n'));
}

// The rate from the counters of this read and the last one of the port;
// empty after the first read. 32-bit counters that wrapped count on.
QString PortDetails::rate(int port)
{
    const CvSNMPVarList &v = m_ports->request.varList;
    const Sample now {nowMs(), v.Var(InOctets).value.toUInt(), v.Var(OutOctets).value.toUInt()};
    const auto last = m_samples.constFind(port);
    const bool known = last != m_samples.constEnd() && now.atMs > last->atMs;
    const Sample before = known ? *last : Sample();
    m_samples.insert(port, now);
    if (!known)
        return QString();
    const double seconds = double(now.atMs - before.atMs) / 1000.0;
    const auto bits
        = [seconds](quint32 to, quint32 from) { return 8.0 * quint32(to - from) / seconds; };
    return QStringLiteral("Rate: in %1, out %2")
        .arg(bitsPerSecond(bits(now.in, before.in)), bitsPerSecond(bits(now.out, before.out)));
}
