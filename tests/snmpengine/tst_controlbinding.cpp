// Filling controls from variables and taking them back, on real widgets and
// without an agent: every control kind, bit lists over port lists, prefix
// option lists, the binding errors and what a write sends.

#include "CvException.h"
#include "CvRadioGroup.h"
#include "CvSNMPRequest2Edits.h"
#include "CvValueCodec.h"
#include "CvVarBindings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>
#include <set>

namespace {

const CvIntOption enableTable[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const CvOptionList enableList(enableTable);
const CvTextOption authPrefixTable[] = {{"1.3.6.1.6.3.10.1.1", "AUTH"}, {nullptr, nullptr}};
const CvOptionList authPrefixList(authPrefixTable, CvOptionList::TextPrefixes);

enum Var { Text, Number, Address, Mac, Ticks, State, Flag, Ports, Protocol, Key };
const CvSNMPVar localVars[] = {
    {"1.3.9.1", "Text", SyntaxDisplayString, AccessReadWrite},
    {"1.3.9.2", "Number", SyntaxInteger, AccessReadWrite},
    {"1.3.9.3", "Address", SyntaxIpAddress, AccessReadWrite},
    {"1.3.9.4", "Mac", SyntaxMacAddress, AccessReadWrite},
    {"1.3.9.5", "Ticks", SyntaxTimeTicks, AccessReadWrite},
    {"1.3.9.6", "State", SyntaxInteger, AccessReadWrite, &enableList},
    {"1.3.9.7", "Flag", SyntaxBoolean, AccessReadWrite},
    {"1.3.9.8", "Ports", SyntaxBitString, AccessReadWrite},
    {"1.3.9.9", "Protocol", SyntaxObjectId, AccessReadWrite, &authPrefixList},
    {"1.3.9.10", "Key", SyntaxOctetString, AccessReadWrite},
    {},
};

QString portList(const std::set<int> &bits, int octets = 96)
{
    QByteArray o(octets, '\0');
    for (int b : bits)
        o[b / 8] = char(quint8(o[b / 8]) | (0x80 >> (b % 8)));
    return QString::fromLatin1(o.toHex().toUpper());
}

QString allBits()
{
    QStringList numbers;
    for (int b = 0; b < 768; ++b)
        numbers.append(QString::number(b));
    return numbers.join(',');
}

// The binding object with the hooks a write calls made callable.
class Probe : public CvSNMPRequest2Edits
{
public:
    using CvSNMPRequest2Edits::CvSNMPRequest2Edits;
    using CvSNMPRequest2Edits::TakeControls;
    using CvSNMPRequest2Edits::WriteSent;
};

// A window with a fresh binding object over the local variables.
struct Window
{
    QWidget window;
    Probe binding {&window};

    Window() { binding.SetVarList(localVars, SVT_SV, 0); }
    QString &value(int i) { return binding.request.varList.Var(i).value; }
};

// Reads and sets the state of a control as text: the text of a label or
// edit, "a|b|c" for several edits, the selected item of a combo box or
// radio group, "checked" or "unchecked" for a check box.
QString stateOf(const QList<QWidget *> &controls)
{
    QWidget *c = controls.first();
    if (auto *label = qobject_cast<QLabel *>(c))
        return label->text();
    if (auto *combo = qobject_cast<QComboBox *>(c))
        return combo->currentText();
    if (auto *radio = qobject_cast<CvRadioGroup *>(c))
        return radio->selectedText();
    if (auto *box = qobject_cast<QCheckBox *>(c))
        return box->isChecked() ? "checked" : "unchecked";
    QStringList texts;
    for (QWidget *w : controls)
        texts.append(qobject_cast<QLineEdit *>(w)->text());
    return texts.join('|');
}

void setState(const QList<QWidget *> &controls, const QString &state)
{
    QWidget *c = controls.first();
    if (auto *label = qobject_cast<QLabel *>(c))
        label->setText(state);
    else if (auto *combo = qobject_cast<QComboBox *>(c))
        combo->setCurrentIndex(combo->findText(state));
    else if (auto *radio = qobject_cast<CvRadioGroup *>(c))
        radio->setItemIndex(int(radio->items().indexOf(state)));
    else if (auto *box = qobject_cast<QCheckBox *>(c))
        box->setChecked(state == "checked");
    else
        for (int k = 0; k < controls.size(); ++k)
            qobject_cast<QLineEdit *>(controls.at(k))->setText(state.section('|', k, k));
}

using Action = std::function<void(Window &)>;
using ControlAction = std::function<void(Window &, QWidget *)>;

// The value a write would send, for comparing.
QString sent(const CvSNMPValue &value)
{
    return ToDebugText(value);
}

QString octets(const QByteArray &o)
{
    return sent(CvSNMPValue::FromOctets(CvSNMPValue::OctetString, o));
}

// Answers the next message box with OK.
void answerNextBox()
{
    QTimer::singleShot(0, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->accept();
    });
}

} // namespace

class TstControlBinding : public QObject
{
    Q_OBJECT

private slots:
    void fillAndTake_data();
    void fillAndTake();
    void portListBits();
    void prefixOptionList();
    void bindingErrors_data();
    void bindingErrors();
    void whatAWriteSends_data();
    void whatAWriteSends();
};

void TstControlBinding::fillAndTake_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("var");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("taken");
    QTest::newRow("label") << "label" << int(Text) << "switch-1"
                           << "switch-1"
                           << "core"
                           << "core";
    QTest::newRow("edit") << "edit" << int(Number) << "-5"
                          << "-5"
                          << "42"
                          << "42";
    QTest::newRow("edits ip") << "edits" << int(Address) << "10.1.2.3"
                              << "10|1|2|3"
                              << "192|168|0|1"
                              << "192.168.0.1";
    QTest::newRow("edits ip (NULL) keeps edits") << "edits" << int(Address) << "(NULL)"
                                                 << "|||"
                                                 << "1|2|3|4"
                                                 << "1.2.3.4";
    QTest::newRow("edits mac") << "edits" << int(Mac) << "0002A3FF0010"
                               << "00|02|A3|FF|00|10"
                               << "1|2|3|4|5|6"
                               << "010203040506";
    QTest::newRow("edits timeticks") << "edits" << int(Ticks) << "1 day 2:03:04.05"
                                     << "1|2|3|4|5"
                                     << "0|0|1|0|0"
                                     << "0:01:00.00";
    QTest::newRow("combo by text") << "combo" << int(State) << "disabled"
                                   << "disabled"
                                   << "enabled"
                                   << "enabled";
    QTest::newRow("combo by raw value") << "combo" << int(State) << "2"
                                        << "disabled"
                                        << "disabled"
                                        << "disabled";
    QTest::newRow("combo unknown value") << "combo" << int(State) << "7"
                                         << ""
                                         << "enabled"
                                         << "enabled";
    QTest::newRow("radio") << "radio" << int(State) << "enabled"
                           << "enabled"
                           << "disabled"
                           << "disabled";
    QTest::newRow("check entry 1 is checked") << "check" << int(State) << "disabled"
                                              << "checked"
                                              << "checked"
                                              << "disabled";
    QTest::newRow("check entry 0 is unchecked") << "check" << int(State) << "enabled"
                                                << "unchecked"
                                                << "checked"
                                                << "disabled";
    QTest::newRow("check boolean") << "check" << int(Flag) << "true"
                                   << "checked"
                                   << "unchecked"
                                   << "false";
}

void TstControlBinding::fillAndTake()
{
    QFETCH(QString, kind);
    QFETCH(int, var);
    QFETCH(QString, value);
    QFETCH(QString, shown);
    QFETCH(QString, input);
    QFETCH(QString, taken);
    Window w;
    QList<QWidget *> controls;
    if (kind == "label") {
        auto *label = new QLabel(&w.window);
        w.binding.BindStaticText(var, label);
        controls = {label};
    } else if (kind == "edit" || kind == "edits") {
        QList<QLineEdit *> edits;
        for (int k = 0; k < shown.count('|') + 1; ++k)
            edits.append(new QLineEdit(&w.window));
        w.binding.BindEdit(var, QString("%s").repeated(edits.size()), edits);
        controls = QList<QWidget *>(edits.cbegin(), edits.cend());
    } else if (kind == "combo") {
        auto *combo = new QComboBox(&w.window);
        combo->setEditable(true);
        w.binding.BindComboBox(var, combo);
        QVERIFY(!combo->isEditable());
        QCOMPARE(combo->count(), enableList.Count());
        controls = {combo};
    } else if (kind == "radio") {
        auto *radio = new CvRadioGroup(&w.window);
        w.binding.BindControl(var, radio);
        QCOMPARE(radio->items(), QStringList({"enabled", "disabled"}));
        controls = {radio};
    } else {
        auto *box = new QCheckBox(&w.window);
        w.binding.BindControl(var, box);
        controls = {box};
    }
    w.value(var) = value;
    w.binding.FillControls(-1);
    QCOMPARE(stateOf(controls), shown);

    setState(controls, input);
    w.value(var).clear(); // as a write does before it takes the controls
    w.binding.TakeControls(var);
    QCOMPARE(w.value(var), taken);
}

void TstControlBinding::portListBits()
{
    Window w;
    QList<QCheckBox *> boxes;
    for (int b = 0; b < 768; ++b)
        boxes.append(new QCheckBox(&w.window));
    w.binding.BindCheckBoxList(Ports, allBits(), boxes);

    w.value(Ports) = portList({0, 5, 64, 767});
    w.binding.FillControls(Ports);
    std::set<int> checked;
    for (int b = 0; b < 768; ++b)
        if (boxes.at(b)->isChecked())
            checked.insert(b);
    QCOMPARE(checked, std::set<int>({0, 5, 64, 767}));

    // The octets come from the boxes alone: bits no box names become 0.
    boxes.at(5)->setChecked(false);
    boxes.at(100)->setChecked(true);
    w.binding.TakeControls(-1);
    QCOMPARE(w.value(Ports), portList({0, 64, 100, 767}));

    // A list of a unit's 64 ports in the second 8 octets.
    Window unit;
    QList<QCheckBox *> unitBoxes;
    QStringList bits;
    for (int p = 0; p < 64; ++p) {
        unitBoxes.append(new QCheckBox(&unit.window));
        bits.append(QString::number(64 + p));
    }
    unit.binding.BindCheckBoxList(Ports, bits.join(','), unitBoxes);
    unit.value(Ports) = portList({63, 64, 127, 128});
    unit.binding.FillControls(-1);
    QVERIFY(unitBoxes.first()->isChecked());
    QVERIFY(unitBoxes.last()->isChecked());
    QCOMPARE(std::count_if(unitBoxes.cbegin(), unitBoxes.cend(),
                 [](const QCheckBox *b) { return b->isChecked(); }),
        2);
}

void TstControlBinding::prefixOptionList()
{
    Window w;
    auto *combo = new QComboBox(&w.window);
    auto *rest = new QLineEdit(&w.window);
    w.binding.BindPart(Protocol, 0, SyntaxObjectId, nullptr, combo, rest);
    QCOMPARE(combo->count(), 1);

    // The stored value is the display text of a read.
    w.value(Protocol) = "AUTH.3";
    w.binding.FillControls(-1);
    QCOMPARE(combo->currentText(), QString("AUTH"));
    QCOMPARE(rest->text(), QString("3"));

    rest->setText("7");
    w.binding.TakeControls(-1);
    QCOMPARE(w.value(Protocol), QString("AUTH.7"));
    QCOMPARE(RawValue(w.binding.request.varList.Var(Protocol)), QString("1.3.6.1.6.3.10.1.1.7"));

    // A value the list does not know: no item, the edit shows it whole.
    w.value(Protocol) = "1.3.6.1.2.1";
    w.binding.FillControls(Protocol);
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(rest->text(), QString("1.3.6.1.2.1"));
}

void TstControlBinding::bindingErrors_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("code");
    QTest::newRow("combo without option list")
        << Action([](Window &w) { w.binding.BindComboBox(Number, new QComboBox(&w.window)); })
        << -520;
    QTest::newRow("radio group without option list")
        << Action([](Window &w) { w.binding.BindControl(Number, new CvRadioGroup(&w.window)); })
        << -520;
    QTest::newRow("prefix list on a combo alone")
        << Action([](Window &w) { w.binding.BindComboBox(Protocol, new QComboBox(&w.window)); })
        << -522;
    QTest::newRow("prefix list on a radio group alone")
        << Action([](Window &w) { w.binding.BindControl(Protocol, new CvRadioGroup(&w.window)); })
        << 0;
    QTest::newRow("fewer edits than specifiers") << Action([](Window &w) {
        w.binding.BindEdit(
            Address, "%i%i%i%i", {new QLineEdit(&w.window), new QLineEdit(&w.window)});
    }) << -522;
    QTest::newRow("fewer boxes than bits") << Action([](Window &w) {
        w.binding.BindCheckBoxes(
            Ports, "0,1,2", {new QCheckBox(&w.window), new QCheckBox(&w.window)});
    }) << -522;
    QTest::newRow("bad format") << Action([](Window &w) {
        w.binding.BindEdit(Text, "%q", new QLineEdit(&w.window));
    }) << -2;
    QTest::newRow("check box filled from an integer") << Action([](Window &w) {
        w.binding.BindControl(Number, new QCheckBox(&w.window));
        w.value(Number) = "1";
        w.binding.FillControls(-1);
    }) << -517;
    QTest::newRow("check box taken into an integer") << Action([](Window &w) {
        w.binding.BindControl(Number, new QCheckBox(&w.window));
        w.binding.TakeControls(-1);
    }) << -517;
    QTest::newRow("push button") << Action([](Window &w) {
        w.binding.BindControl(Text, new QPushButton(&w.window));
        w.binding.FillControls(-1);
    }) << -521;
    QTest::newRow("bit beyond the value") << Action([](Window &w) {
        w.binding.BindCheckBoxes(
            Ports, "7,8", {new QCheckBox(&w.window), new QCheckBox(&w.window)});
        w.value(Ports) = "FF";
        w.binding.FillControls(-1);
    }) << -519;
}

void TstControlBinding::bindingErrors()
{
    QFETCH(Action, action);
    QFETCH(int, code);
    Window w;
    int raised = 0;
    try {
        action(w);
    } catch (const CvException &e) {
        raised = e.code();
    }
    QCOMPARE(raised, code);
}

// What a write takes from one control and sends, after the value read was
// shown and the operator or the program did something: "-" when the
// variable is left out of the write, else the value sent; or the message
// that refuses the write before anything is sent.
// clang-format off
void TstControlBinding::whatAWriteSends_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("var");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("read");
    QTest::addColumn<ControlAction>("action");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("error");

    const auto cleared = ControlAction([](Window &, QWidget *c) {
        qobject_cast<QLineEdit *>(c)->clear();
    });
    const QString refusal = "(CvCommon) Empty value is not allowed! (%1)";
    QTest::newRow("refused typing gives the value read back")
        << "edit" << int(Number) << "%i{n1x4094l4}" << "5"
        << ControlAction([](Window &w, QWidget *c) {
               auto *edit = qobject_cast<QLineEdit *>(c);
               edit->setText("5000");
               answerNextBox();
               QVERIFY(!w.binding.constraints.EditExit(edit));
           })
        << sent(CvSNMPValue::FromInteger(5)) << "";
    QTest::newRow("edit emptied by the program is not written")
        << "edit" << int(Number) << "%i" << "5"
        << ControlAction([](Window &w, QWidget *c) {
               w.binding.constraints.Blank(qobject_cast<QLineEdit *>(c));
           })
        << "-" << "";
    QTest::newRow("hexadecimal emptied goes out empty")
        << "edit" << int(Key) << "%h" << "0A0B" << cleared << octets({}) << "";
    QTest::newRow("hexadecimal of exact length emptied is refused")
        << "edit" << int(Key) << "%h{l4f}" << "0A0B" << cleared << "" << refusal.arg("Key");
    QTest::newRow("MAC address emptied is refused")
        << "edit" << int(Mac) << "%s" << "0002A3FF0010" << cleared << "" << refusal.arg("Mac");
    QTest::newRow("check box, boolean without a value")
        << "check" << int(Flag) << "" << "(NULL)" << ControlAction([](Window &, QWidget *) {})
        << "-" << "";
}
// clang-format on

void TstControlBinding::whatAWriteSends()
{
    QFETCH(QString, kind);
    QFETCH(int, var);
    QFETCH(QString, format);
    QFETCH(QString, read);
    QFETCH(ControlAction, action);
    QFETCH(QString, expected);
    QFETCH(QString, error);
    Window w;
    QWidget *control = nullptr;
    if (kind == "edit") {
        auto *edit = new QLineEdit(&w.window);
        w.binding.BindEdit(var, format, edit);
        control = edit;
    } else {
        control = new QCheckBox(&w.window);
        w.binding.BindControl(var, control);
    }
    for (CvSNMPVariable &v : w.binding.request.varList.vars)
        v.value = "(NOTDONE)";
    w.value(var) = read;
    w.binding.FillControls(-1);
    if (auto *box = qobject_cast<QCheckBox *>(control); box && expected == "-")
        QCOMPARE(box->checkState(), Qt::PartiallyChecked);
    if (kind == "edit")
        QCOMPARE(qobject_cast<QLineEdit *>(control)->text(), read);
    action(w, control);

    QString taken = "-";
    QString refused;
    try {
        w.binding.TakeControls();
        for (const CvVarBinding &b : SelectBindings(w.binding.request.varList, CvPduPurpose::Write))
            if (b.varIndex == var)
                taken = sent(b.value);
    } catch (const CvException &e) {
        refused = e.message();
    }
    w.binding.WriteSent();
    QCOMPARE(refused, error);
    if (error.isEmpty())
        QCOMPARE(taken, expected);
    QCOMPARE(w.binding.request.varList.Var(var).access, qint32(AccessReadWrite));
}

QTEST_MAIN(TstControlBinding)
#include "tst_controlbinding.moc"
