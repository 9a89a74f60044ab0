// Every window of the catalogue opened as its menu command opens it,
// against the simulator, and the behaviours its adjustments give it.
#include "CatalogueRows.h"
#include "CvCatalogues.h"
#include "CvSNMPRequest.h"
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPSession.h"
#include "FakeMainWindow.h"
#include "GeneratedWindows.h"
#include "NetSnmpAgent.h"
#include "SimulatorProcess.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TFlowLayoutManger.h"
#include "TPanelContainer.h"
#include "TSNMPLayoutAdapter.h"
#include "TSNMPPanel.h"
#include "WindowCommands.h"
#include "WindowWaits.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(const CvFormDescriptor *)

namespace {
bool waitIdle(TConfigForm &form)
{
    return WaitIdle(form, 20000);
}

// A point inside the row's first cell: the middle of a wide row may lie
// beyond the visible part of the list.
QPoint rowPoint(QTreeWidget *list, QTreeWidgetItem *row)
{
    const QRect r = list->visualItemRect(row);
    return QPoint(r.left() + 8, r.center().y());
}

// Runs work on the next modal generated window or dialog, then closes it.
template <typename T> void inNextModal(std::function<void(T *)> work)
{
    QTimer::singleShot(0, [work] {
        auto *window = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!window)
            return;
        work(window);
        if (window->isVisible())
            window->close();
    });
}

QStringList memoLines(TConfigForm &form)
{
    return form.Body()->messagePanel->memo->toPlainText().split('\n', Qt::SkipEmptyParts);
}

} // namespace

class TstCatalogueWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void everyWindowReads_data();
    void everyWindowReads();
    void portConfigurationFromThePortMenu();
    void rmonControlCloseHook();
    void spanningTreeNoteLabel();
    void rowEditingAdjustments_data();
    void rowEditingAdjustments();
    void rowsMadeAndDeletedThroughDialogs_data();
    void rowsMadeAndDeletedThroughDialogs();
    void sparseTargetRowsListedAndEdited();
    void sparseTargetRowsOfNetSnmpAgent();
    void addSendsWhatWasChosen();
    void targetParametersAddedActiveOnNetSnmpAgent();

private:
    FakeMainWindow m_main;
    QTemporaryDir m_dir;
    std::unique_ptr<SimulatorProcess> m_sim;
};

void TstCatalogueWindows::initTestCase()
{
    StartSession(m_dir.path());
    m_sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
    RegisterGeneratedWindows();
}

void TstCatalogueWindows::init()
{
    MainWindowState::setInstance(&m_main);
    PointSessionAt(*m_sim);
}

void TstCatalogueWindows::everyWindowReads_data()
{
    QTest::addColumn<const CvFormDescriptor *>("descriptor");
    for (const CvFormDescriptor *d : AllFormDescriptors())
        QTest::newRow(d->menuPath) << d;
}

void TstCatalogueWindows::everyWindowReads()
{
    QFETCH(const CvFormDescriptor *, descriptor);
    const CvFormDescriptor &d = *descriptor;
    auto form = BuildGeneratedWindow(d, d.listKind == MVT_SV ? QStringLiteral("5") : QString());
    const QString title = QString::fromUtf8(d.title);
    QCOMPARE(form->windowTitle(),
        (d.adjust.flags & AdjustCaption) ? title : title + QStringLiteral(" : 127.0.0.1"));
    form->show();
    QVERIFY(waitIdle(*form));
    const QStringList lines = memoLines(*form);
    QVERIFY(!lines.isEmpty());
    for (const QString &line : lines)
        QVERIFY2(line.contains(QLatin1String("Ok!")), qPrintable(line));
    if (form->tablePanel) {
        QVERIFY(form->tablePanel->listView->topLevelItemCount() > 0);
        QCOMPARE(form->Body()->buttonBar->countText->text(),
            QString::number(form->tablePanel->listView->topLevelItemCount()));
    } else {
        for (const CvBoundControl &b : form->Bindings()) {
            if (auto *edit = qobject_cast<QLineEdit *>(b.control)) {
                QVERIFY2(!edit->text().isEmpty() && edit->text() != "(NULL)"
                        && edit->text() != "(NOTDONE)",
                    qPrintable(b.label));
            } else if (auto *combo = qobject_cast<QComboBox *>(b.control)) {
                QVERIFY2(combo->currentIndex() >= 0, qPrintable(b.label));
            }
        }
    }
    // A caption shows its range once, whether the label or the format has it.
    for (const CvBoundControl &b : form->Bindings())
        if (b.labelControl)
            QVERIFY2(!b.labelControl->text().contains("]["), qPrintable(b.labelControl->text()));
    QVERIFY(form->width() <= 800 + 200 && form->height() <= 550 + 200);
    form->close();
}

void TstCatalogueWindows::portConfigurationFromThePortMenu()
{
    QPushButton port(&m_main.window);
    port.setProperty("tag", 5); // port 5 of unit 1
    m_main.menu->setProperty("PopupComponent", QVariant::fromValue<QObject *>(&port));
    bool shown = false;
    inNextModal<TConfigForm>([&](TConfigForm *form) {
        shown = true;
        QVERIFY(waitIdle(*form));
        const CvSNMPVarList &vars = form->activeRequest->request.varList;
        QCOMPARE(vars.instance, QString("5"));
        QCOMPARE(vars.Count(), 7);
        QVERIFY(vars.Var(0).lastOid.endsWith(".11.59.8.2.3.2.1.1.5"));
        QCOMPARE(qobject_cast<QLineEdit *>(form->Bindings()[0].control)->text(), QString("5"));
        int combos = 0;
        for (const CvBoundControl &b : form->Bindings())
            combos += qobject_cast<QComboBox *>(b.control) ? 1 : 0;
        QCOMPARE(combos, 5);
        const TCtrlBtnPanel *bar = form->Body()->buttonBar;
        QVERIFY(!bar->setCheckedButton->isHidden() && !bar->checkAllButton->isHidden()
            && !bar->clearChecksButton->isHidden());
        // 80 pixels wider than its layout, and so are its controls.
        QCOMPARE(form->width(), form->Body()->containerWidth + 80);
        QCOMPARE(form->Bindings()[2].control->width(), 121 + 80);
    });
    const WindowCommands::Command command
        = WindowCommands::Find(QStringLiteral("Port menu > Port Configuration"));
    QVERIFY(command);
    command();
    QVERIFY(shown);
    m_main.menu->setProperty("PopupComponent", QVariant());
}

void TstCatalogueWindows::rmonControlCloseHook()
{
    const int reads = m_main.rmonReads;
    bool shown = false;
    inNextModal<TConfigForm>([&](TConfigForm *form) {
        shown = true;
        QVERIFY(waitIdle(*form));
        auto *state = qobject_cast<QComboBox *>(form->Bindings()[0].control);
        QVERIFY(state);
        state->setCurrentIndex(state->findText("disabled"));
        QTest::mouseClick(form->Body()->buttonBar->setCheckedButton, Qt::LeftButton);
        QVERIFY(waitIdle(*form));
        QCOMPARE(state->currentText(), QString("disabled"));
        // The main window has not been asked yet: the hook runs on closing.
        QCOMPARE(m_main.rmonReads, reads);
        state->setCurrentIndex(state->findText("enabled"));
        QTest::mouseClick(form->Body()->buttonBar->setCheckedButton, Qt::LeftButton);
        QVERIFY(waitIdle(*form));
    });
    WindowCommands::Find(QStringLiteral("RMON > RMON Control"))();
    QVERIFY(shown);
    QCOMPARE(m_main.rmonReads, reads + 1);
}

void TstCatalogueWindows::spanningTreeNoteLabel()
{
    const CvFormDescriptor &d = DescriptorAt("Bridge > Spanning Tree > STP Control");
    auto plain = BuildGeneratedWindow(d);
    const int height = plain->Body()->containerHeight;
    auto *note = plain->findChild<QLabel *>("noteLabel");
    QVERIFY(note);
    QCOMPARE(note->text(), QString("Notes : 2*(Forward Delay-100)>=Max Age>=2*(Hello Time+100))"));
    QCheckBox *box = plain->Bindings()[6].includeBox;
    QCOMPARE(note->x(), box->x());
    QCOMPARE(note->y(), box->y() + box->height() + 8);
    QCOMPARE(note->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    // The note is read whole: the window is wide enough beside the bar.
    QVERIFY(plain->width() >= note->x() + note->width() + 116);
    // H+20 for the note, and another 20 from the descriptor.
    QCOMPARE(plain->height(), std::min(height, 550) + 40);
}

void TstCatalogueWindows::rowEditingAdjustments_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("editShown");
    QTest::addColumn<bool>("doubleClickEdits");
    QTest::newRow("DNS Ctrl Table: Edit hidden")
        << "Layer 3 Management > DNS Ctrl Table" << false << true;
    QTest::newRow("Server Group Table: no row edit")
        << "Security Management > TACACS+ > Server Group" << false << false;
    QTest::newRow("Virtual Route Address Table: no row edit")
        << "Layer 3 Management > VRRP (RFC2787) > Virtual Route Address" << false << false;
    QTest::newRow("Target Parameters: no row edit")
        << "SNMP V3 > SNMP Target MIB > Target Parameters" << false << false;
    QTest::newRow("Target Address Table: edits")
        << "SNMP V3 > SNMP Target MIB > Target Address Table" << true << true;
    QTest::newRow("IfX Table: wider controls")
        << "Basic Configuration > IF-MIB > IfX Table" << true << true;
}

void TstCatalogueWindows::rowEditingAdjustments()
{
    QFETCH(QString, path);
    QFETCH(bool, editShown);
    QFETCH(bool, doubleClickEdits);
    auto form = BuildGeneratedWindow(DescriptorAt(path.toUtf8().constData()));
    form->show();
    QVERIFY(waitIdle(*form));
    QCOMPARE(!form->Body()->buttonBar->setButton->isHidden(), editShown);
    QTreeWidget *list = form->tablePanel->listView;
    QVERIFY(list->topLevelItemCount() > 0);
    QTreeWidgetItem *row = list->topLevelItem(0);
    const QPoint at = rowPoint(list, row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    bool opened = false;
    inNextModal<QDialog>([&](QDialog *) {
        opened = true;
        // Every bound control fits in the borrowed edit box.
        auto *box = static_cast<TPanelListViewContainer *>(form->Body()->container)->editBox;
        for (const CvBoundControl &b : form->Bindings())
            QVERIFY(box->widget()->width() >= b.control->x() + b.control->width());
    });
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
    QCOMPARE(opened, doubleClickEdits);
    form->close();
}

// clang-format off
void TstCatalogueWindows::rowsMadeAndDeletedThroughDialogs_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("values"); // typed into the add dialog, by position; "" leaves it
    QTest::addColumn<QString>("key"); // the new row's index texts joined by "|"
    QTest::addColumn<bool>("deletes"); // the window offers Delete

    QTest::newRow("Target Address Table")
        << "SNMP V3 > SNMP Target MIB > Target Address Table"
        << QStringList{"nms-backup", "1.3.6.1.6.1.1", "0A5A5A0300A2", "", "", "trap", "v2c-params"}
        << "nms-backup" << true;
    QTest::newRow("Notify Table")
        << "SNMP V3 > Notifications > Notify Table"
        << QStringList{"alarms", "alarms", "inform"} << "alarms" << true;
    QTest::newRow("Security Group Table")
        << "SNMP V3 > View-base Access Control Mode > Security Group Table"
        << QStringList{"USM", "operator", "v3auth"} << "USM|operator" << true;
    QTest::newRow("IP Static Routing Table")
        << "Layer 3 Management > IP Management > IP Static Routing Table"
        << QStringList{"172.16.0.0", "255.255.0.0", "backup", "10.90.90.250", "5"}
        << "172.16.0.0|255.255.0.0|backup" << true;
    QTest::newRow("DNS Ctrl Table")
        << "Layer 3 Management > DNS Ctrl Table"
        << QStringList{"printer.example.net", "10.90.90.40"}
        << "printer.example.net|10.90.90.40" << true;
    QTest::newRow("Host Table")
        << "Layer 3 Management > OSPF (RFC1850) > Host Table"
        << QStringList{"10.90.90.92", "4", "20", "0.0.0.1"} << "10.90.90.92|4" << true;
    QTest::newRow("Virtual Route Address Table")
        << "Layer 3 Management > VRRP (RFC2787) > Virtual Route Address"
        << QStringList{"1", "2", "10.90.90.101"} << "1|2|10.90.90.101" << true;
    QTest::newRow("Server Group Table")
        << "Security Management > TACACS+ > Server Group"
        << QStringList{"noc"} << "noc" << true;
    QTest::newRow("Server Control: add")
        << "Security Management > TACACS+ > Server Control"
        << QStringList{"tacacs+", "10.90.90.9", "tacacs-plus"}
        << "tacacs+|10.90.90.9|tacacs-plus" << false;
}
// clang-format on

void TstCatalogueWindows::rowsMadeAndDeletedThroughDialogs()
{
    QFETCH(QString, path);
    QFETCH(QStringList, values);
    QFETCH(QString, key);
    QFETCH(bool, deletes);
    const CvFormDescriptor &d = DescriptorAt(path.toUtf8().constData());
    QVERIFY(!ReadTable(d).contains(key));
    auto form = BuildGeneratedWindow(d);
    form->show();
    QVERIFY(waitIdle(*form));

    bool added = false;
    inNextModal<QDialog>([&](QDialog *dialog) {
        added = true;
        CvBindingList &b = form->Bindings();
        for (int i = 0; i < values.size() && i < int(b.size()); ++i) {
            if (values[i].isEmpty())
                continue;
            if (auto *edit = qobject_cast<QLineEdit *>(b[i].control))
                edit->setText(values[i]);
            else if (auto *combo = qobject_cast<QComboBox *>(b[i].control))
                combo->setCurrentIndex(combo->findText(values[i]));
        }
        // Untouched columns stay out of the write.
        for (int i = 0; i < int(b.size()); ++i)
            if (b[i].includeBox && (i >= values.size() || values[i].isEmpty())
                && i != d.createColumn)
                b[i].includeBox->setChecked(false);
        QTest::mouseClick(dialog->findChild<QPushButton *>("setCheckedButton"), Qt::LeftButton);
        QVERIFY(waitIdle(*form));
        const QString memo = dialog->findChild<QPlainTextEdit *>("messageMemo")->toPlainText();
        QVERIFY2(!memo.contains("rror"), qPrintable(memo));
    });
    QTest::mouseClick(form->Body()->buttonBar->addButton, Qt::LeftButton);
    QVERIFY(added);
    QVERIFY2(ReadTable(d).contains(key), qPrintable(ReadTable(d).keys().join(", ")));
    if (!deletes) {
        form->close();
        return;
    }

    // Select the new row in the list and delete it.
    QTreeWidget *list = form->tablePanel->listView;
    QTreeWidgetItem *row = nullptr;
    for (int r = 0; r < list->topLevelItemCount() && !row; ++r) {
        QStringList rowKey;
        for (int c = 0; c < d.indexCount; ++c)
            rowKey.append(list->topLevelItem(r)->text(c));
        if (rowKey.join('|') == key)
            row = list->topLevelItem(r);
    }
    QVERIFY(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowPoint(list, row));
    QVERIFY(form->Body()->buttonBar->deleteButton->isEnabled());
    QTest::mouseClick(form->Body()->buttonBar->deleteButton, Qt::LeftButton);
    QVERIFY(waitIdle(*form));
    QVERIFY(!ReadTable(d).contains(key));
    form->close();
}

namespace {

// Variables of the target address table.
enum TargetVar {
    Name = 0,
    Domain = 1,
    Address = 2,
    Timeout = 3,
    Retries = 4,
    Tags = 5,
    Params = 6
};

// The list's cells of the given variables, one text a row, joined by ':'.
QStringList listedCells(TConfigForm &form, const CvFormDescriptor &d, const QList<int> &vars)
{
    QTreeWidget *list = form.tablePanel->listView;
    QStringList captions;
    for (int c = 0; c < list->columnCount(); ++c)
        captions << list->headerItem()->text(c);
    QStringList rows;
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        QStringList cells;
        for (int var : vars)
            cells << list->topLevelItem(r)->text(
                captions.indexOf(QString::fromUtf8(d.variables[var].label)));
        rows << cells.join(':');
    }
    return rows;
}

// Selects row r, opens Edit, runs check on the dialog's bindings, types a
// new time-out and sets the ticked fields; the dialog's memo afterwards.
// The memo of a write the agent took starts with the write's "Ok!".
QString editTimeout(TConfigForm &form, int r, const QString &timeout,
    const std::function<void(CvBindingList &)> &check)
{
    QTreeWidget *list = form.tablePanel->listView;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowPoint(list, list->topLevelItem(r)));
    QString memo;
    inNextModal<QDialog>([&](QDialog *dialog) {
        CvBindingList &b = form.Bindings();
        check(b);
        qobject_cast<QLineEdit *>(b[Timeout].control)->setText(timeout);
        QTest::mouseClick(dialog->findChild<QPushButton *>("setCheckedButton"), Qt::LeftButton);
        if (!waitIdle(form))
            memo = QStringLiteral("still busy");
        else
            memo = dialog->findChild<QPlainTextEdit *>("messageMemo")->toPlainText();
    });
    QTest::mouseClick(form.Body()->buttonBar->setButton, Qt::LeftButton);
    return memo;
}

} // namespace

// The target address table holds a row without a tag list ("nms-collector")
// and one without a time-out ("nms-syslog"). The list shows each row's own
// values; an Edit that changes the time-out changes only that on the agent.
void TstCatalogueWindows::sparseTargetRowsListedAndEdited()
{
    const CvFormDescriptor &d = DescriptorAt("SNMP V3 > SNMP Target MIB > Target Address Table");
    auto form = BuildGeneratedWindow(d);
    form->show();
    QVERIFY(waitIdle(*form));
    QCOMPARE(listedCells(*form, d, {Name, Timeout, Tags, Params}),
        QStringList({"nms-collector:2000:(NOTDONE):v2c-params", "nms-inform:3000:inform:v3-params",
            "nms-syslog:(NOTDONE):syslog:v2c-params", "nms-trap:1500:trap:v2c-params"}));

    // A tag list the agent does not hold: an empty field, left out.
    const auto tagsShown = [](bool absent) {
        return [absent](CvBindingList &b) {
            QCOMPARE(qobject_cast<QLineEdit *>(b[Tags].control)->text().isEmpty(), absent);
            QCOMPARE(b[Tags].includeBox->isChecked(), !absent);
        };
    };
    const Rows before = ReadTable(d);
    // The neighbour of the sparse row keeps its own tag list.
    QString memo = editTimeout(*form, 1, "4500", tagsShown(false));
    QVERIFY2(memo.startsWith("Set: (CvSNMP++) Ok!"), qPrintable(memo));
    Rows expected = before;
    expected["nms-inform"][Timeout] = "4500";
    QCOMPARE(ReadTable(d), expected);
    // The sparse row keeps its tag list absent: nothing was sent for it.
    memo = editTimeout(*form, 0, "2500", tagsShown(true));
    QVERIFY2(memo.startsWith("Set: (CvSNMP++) Ok!"), qPrintable(memo));
    expected["nms-collector"][Timeout] = "2500";
    QCOMPARE(ReadTable(d), expected);
    QProcess get;
    get.start("snmpget",
        {"-v2c", "-c", "kestra", "-On", QString("127.0.0.1:%1").arg(m_sim->port()),
            "1.3.6.1.6.3.12.1.2.1.6.110.109.115.45.99.111.108.108.101.99.116.111.114"});
    QVERIFY(get.waitForFinished(10000));
    QVERIFY2(get.readAllStandardOutput().contains("No Such Instance"), "the tag list was written");
    WriteRow(d, {"nms-inform"}, {{Timeout, "3000"}});
    WriteRow(d, {"nms-collector"}, {{Timeout, "2000"}});
    QCOMPARE(ReadTable(d), before);
    form->close();
}

// Net-SNMP's agent, with a row made by createAndWait without its parameters
// ("nms-b", notReady) between two complete ones. Its walk leaves the
// parameters column at that row, so "nms-c" shows none either. The window
// lists what snmpwalk lists; an Edit of a time-out changes that alone: the
// absent columns stay absent, "nms-c" keeps the parameters the walk does
// not show, and the notReady row status is not sent back (the agent
// refuses the whole write that sets it).
void TstCatalogueWindows::sparseTargetRowsOfNetSnmpAgent()
{
    NetSnmpAgent agent("kestra", "marlowe");
    QVERIFY2(agent.isReady(), qPrintable(agent.errorText()));
    PointSessionAt(agent.address(), agent.port());
    const QString table = "1.3.6.1.6.3.12.1.2.1";
    const auto oid = [&](int column, const QString &row) {
        QStringList name;
        for (QChar c : row)
            name << QString::number(c.unicode());
        return QString("%1.%2.%3").arg(table).arg(column).arg(name.join('.'));
    };
    const auto create
        = [&](const QString &row, int status, const QString &port, const QStringList &more) {
              QString out;
              const bool ok = agent.tool("snmpset", {"-v2c", "-c", "marlowe"},
                  QStringList {oid(9, row), "i", QString::number(status), oid(2, row), "o",
                      "1.3.6.1.6.1.1", oid(3, row), "x", "7f000001" + port}
                      + more,
                  &out);
              return ok ? QString() : out;
          };
    QCOMPARE(create("nms-a", 4, "00a2", {oid(6, "nms-a"), "s", "tagA", oid(7, "nms-a"), "s", "pA"}),
        QString());
    QCOMPARE(create("nms-b", 5, "00a3", {oid(6, "nms-b"), "s", "tagB"}), QString());
    QCOMPARE(create("nms-c", 4, "00a4", {oid(6, "nms-c"), "s", "tagC", oid(7, "nms-c"), "s", "pC"}),
        QString());

    // snmpwalk's rows of time-out, retries, tag list and parameters, as
    // the list shows them.
    const auto walked = [&] {
        QString out;
        if (!agent.tool("snmpwalk", {"-v2c", "-c", "kestra", "-On", "-Oq"}, {table}, &out))
            return QStringList {out};
        QMap<QString, QMap<int, QString>> cells;
        for (const QString &line : out.split('\n', Qt::SkipEmptyParts)) {
            const int space = line.indexOf(' ');
            const QStringList parts = line.left(space).mid(table.size() + 2).split('.');
            QString row;
            for (const QString &c : parts.mid(1))
                row += QChar(c.toInt());
            QString value = line.mid(space + 1);
            if (value.startsWith('"'))
                value = value.mid(1, value.size() - 2);
            cells[row][parts.first().toInt()] = value;
        }
        QStringList rows;
        for (auto r = cells.cbegin(); r != cells.cend(); ++r) {
            QStringList row {r.key()};
            for (int column : {4, 5, 6, 7})
                row << r.value().value(column, QStringLiteral("(NOTDONE)"));
            rows << row.join(':');
        }
        return rows;
    };
    const QStringList before = walked();
    QCOMPARE(before,
        QStringList({"nms-a:1500:3:tagA:pA", "nms-b:1500:3:tagB:(NOTDONE)",
            "nms-c:1500:3:tagC:(NOTDONE)"}));

    const CvFormDescriptor &d = DescriptorAt("SNMP V3 > SNMP Target MIB > Target Address Table");
    auto form = BuildGeneratedWindow(d);
    form->show();
    QVERIFY(waitIdle(*form));
    QCOMPARE(listedCells(*form, d, {Name, Timeout, Retries, Tags, Params}), before);

    const auto paramsAbsent = [](CvBindingList &b) {
        QVERIFY(qobject_cast<QLineEdit *>(b[Params].control)->text().isEmpty());
        QVERIFY(!b[Params].includeBox->isChecked());
    };
    QString memo = editTimeout(*form, 1, "2500", paramsAbsent);
    QVERIFY2(memo.startsWith("Set: (CvSNMP++) Ok!"), qPrintable(memo));
    QStringList expected = before;
    expected[1] = "nms-b:2500:3:tagB:(NOTDONE)";
    QCOMPARE(walked(), expected);
    // This agent refuses a write of an active row's transport, even of the
    // value it holds ("Inconsistent Value! (snmpTargetAddrTDomain)"): the
    // operator leaves domain and address out.
    memo = editTimeout(*form, 2, "3500", [&](CvBindingList &b) {
        paramsAbsent(b);
        b[Domain].includeBox->setChecked(false);
        b[Address].includeBox->setChecked(false);
    });
    QVERIFY2(memo.startsWith("Set: (CvSNMP++) Ok!"), qPrintable(memo));
    expected[2] = "nms-c:3500:3:tagC:(NOTDONE)";
    QCOMPARE(walked(), expected);
    QString out;
    QVERIFY(agent.tool("snmpget", {"-v2c", "-c", "kestra", "-Oqv"}, {oid(7, "nms-c")}, &out));
    QCOMPARE(out.trimmed(), QString("\"pC\""));
    form->close();
}

// Add with every box ticked: a combo box left without a choice is left out
// (its default stands), and a value the agent refuses is named.
void TstCatalogueWindows::addSendsWhatWasChosen()
{
    const CvFormDescriptor &d = DescriptorAt("SNMP V3 > SNMP Target MIB > Target Address Table");
    enum { Timeout = 3, Retries = 4, Params = 6, Storage = 7 };
    auto form = BuildGeneratedWindow(d);
    form->show();
    QVERIFY(waitIdle(*form));
    const auto add = [&](const QString &retries) {
        QString memo;
        inNextModal<QDialog>([&](QDialog *dialog) {
            CvBindingList &b = form->Bindings();
            const QStringList typed {"nms-lab", "1.3.6.1.6.1.1", "7F00000100A2", "1500", retries};
            for (int i = 0; i < typed.size(); ++i)
                qobject_cast<QLineEdit *>(b[i].control)->setText(typed[i]);
            qobject_cast<QLineEdit *>(b[Params].control)->setText("v2c-params");
            QCOMPARE(qobject_cast<QComboBox *>(b[Storage].control)->currentIndex(), -1);
            QVERIFY(b[Storage].includeBox->isChecked());
            QTest::mouseClick(dialog->findChild<QPushButton *>("setCheckedButton"), Qt::LeftButton);
            QVERIFY(waitIdle(*form));
            memo = dialog->findChild<QPlainTextEdit *>("messageMemo")->toPlainText();
        });
        QTest::mouseClick(form->Body()->buttonBar->addButton, Qt::LeftButton);
        return memo;
    };
    const QString refused = add("300");
    QVERIFY2(
        refused.contains(MessageOf(-110) + " (snmpTargetAddrRetryCount)"), qPrintable(refused));
    QVERIFY(!ReadTable(d).contains("nms-lab"));
    const QString made = add("2");
    QVERIFY2(!made.contains("rror") && !made.contains("Wrong"), qPrintable(made));
    const Rows rows = ReadTable(d);
    QVERIFY(rows.contains("nms-lab"));
    QCOMPARE(rows.value("nms-lab").at(Retries), QString("2"));
    QCOMPARE(rows.value("nms-lab").at(Storage), QString("nonVolatile"));
    DeleteRow(d, {"nms-lab"});
    form->close();
}

// Net-SNMP's agent takes createAndGo of a parameter set without its message
// processing model and leaves the row notReady. Add starts that column from
// SNMPv2c, so the row made is active; left out, the memo says the row is not
// in use.
void TstCatalogueWindows::targetParametersAddedActiveOnNetSnmpAgent()
{
    NetSnmpAgent agent("kestra", "marlowe");
    QVERIFY2(agent.isReady(), qPrintable(agent.errorText()));
    PointSessionAt(agent.address(), agent.port());
    const CvFormDescriptor &d = DescriptorAt("SNMP V3 > SNMP Target MIB > Target Parameters");
    enum { MPModel = 1, SecurityModel = 2, SecurityName = 3, SecurityLevel = 4 };
    auto form = BuildGeneratedWindow(d);
    form->show();
    QVERIFY(waitIdle(*form));
    const auto add = [&](const QString &name, bool withModel) {
        QString memo;
        inNextModal<QDialog>([&](QDialog *dialog) {
            CvBindingList &b = form->Bindings();
            auto *model = qobject_cast<QComboBox *>(b[MPModel].control);
            QCOMPARE(model->currentText(), QString("SNMPv2c"));
            b[MPModel].includeBox->setChecked(withModel);
            qobject_cast<QLineEdit *>(b[0].control)->setText(name);
            auto *security = qobject_cast<QComboBox *>(b[SecurityModel].control);
            security->setCurrentIndex(security->findText("SNMPv2c"));
            qobject_cast<QLineEdit *>(b[SecurityName].control)->setText("kestra");
            auto *level = qobject_cast<QComboBox *>(b[SecurityLevel].control);
            level->setCurrentIndex(level->findText("noAuthNoPriv"));
            QTest::mouseClick(dialog->findChild<QPushButton *>("setCheckedButton"), Qt::LeftButton);
            QVERIFY(waitIdle(*form));
            memo = dialog->findChild<QPlainTextEdit *>("messageMemo")->toPlainText();
        });
        QTest::mouseClick(form->Body()->buttonBar->addButton, Qt::LeftButton);
        return memo;
    };
    const auto column = [&](int c, const QString &name) {
        QStringList oid {QString("1.3.6.1.6.3.12.1.3.1.%1").arg(c)};
        for (QChar ch : name)
            oid << QString::number(ch.unicode());
        QString out;
        agent.tool("snmpget", {"-v2c", "-c", "kestra", "-Oqv"}, {oid.join('.')}, &out);
        return out.trimmed();
    };

    QString memo = add("nms-made", true);
    QVERIFY2(memo.startsWith("Set: (CvSNMP++) Ok!"), qPrintable(memo));
    QVERIFY2(!memo.contains("notReady"), qPrintable(memo));
    QCOMPARE(column(7, "nms-made"), QString("1")); // active
    QCOMPARE(column(2, "nms-made"), QString("1")); // SNMPv2c

    memo = add("nms-half", false);
    QCOMPARE(column(7, "nms-half"), QString("3")); // notReady
    QVERIFY2(memo.contains("left it notReady"), qPrintable(memo));
    form->close();
}

QTEST_MAIN(TstCatalogueWindows)
#include "tst_catalogue_windows.moc"
