#include "FormTesting.h"

#include "CvSNMPRequest.h"
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPSession.h"
#include "FakeMainWindow.h"
#include "SimulatorProcess.h"
#include "TStackingPortUitForm.h"
#include "UnitTable.h"
#include "UnitTableBinding.h"

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

void PointSessionAt(const SimulatorProcess &sim)
{
    CvSNMPSessionDefaults &s = SessionDefaults();
    s = InitialSessionDefaults();
    s.device.address = sim.address();
    s.device.port = sim.port();
    s.security.version = 1;
    s.security.readCommunity = QStringLiteral("kestra");
    s.security.writeCommunity = QStringLiteral("marlowe");
}

void BindUnitList(FakeMainWindow &main)
{
    main.unitList->clear();
    auto binding = std::make_unique<UnitTableBinding>(&main.window);
    binding->SetMessageTarget(main.status);
    binding->BindListView(main.unitList, true);
    main.SetUnitListBinding(std::move(binding));
}

void FillUnitList(FakeMainWindow &main, const QList<QStringList> &units)
{
    main.SetUnitListBinding(nullptr);
    main.unitList->clear();
    main.unitList->setColumnCount(9);
    for (const QStringList &u : units) {
        auto *row = new QTreeWidgetItem(main.unitList);
        row->setText(0, u.value(0));
        row->setText(1 + UnitStateItem, u.value(1));
        row->setText(1 + UnitPortRangeItem, u.value(2));
        row->setText(1 + UnitModelItem, u.value(3));
    }
}

QMap<QString, QStringList> ReadTable(const CvSNMPVar *vars, quint8 kind, int indexCount)
{
    CvSNMPRequest r;
    r.SetVarList(vars, kind, indexCount);
    QMap<QString, QStringList> rows;
    for (bool more = r.Get(true); more; more = r.Get(false)) {
        QStringList values;
        for (int i = 0; i < r.varList.Count(); ++i)
            values.append(r.varList.Var(i).value);
        rows.insert(r.varList.Var(indexCount - 1).value, values);
    }
    return rows;
}

QString ReadScalar(const char *oid, qint32 syntax)
{
    const CvSNMPVar vars[] = {{oid, "v", syntax, AccessReadOnly}, {}};
    CvSNMPRequest r;
    r.SetVarList(vars, SVT_SV, 0);
    r.Get(true);
    return r.varList.Var(0).value;
}

void ClickRow(QTreeWidget *list, QTreeWidgetItem *row)
{
    QVERIFY(list && row);
    list->scrollToItem(row);
    // Inside the viewport also when the row is wider than the list.
    const QRect rect = list->visualItemRect(row);
    const QPoint at(std::min(rect.center().x(), list->viewport()->width() / 2), rect.center().y());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
}

void ClickBelowRows(QTreeWidget *list)
{
    QVERIFY(list);
    const QPoint at(4, list->viewport()->height() - 3);
    QVERIFY2(!list->itemAt(at), "no space below the rows");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
}

int AgentPackets()
{
    return ReadScalar("1.3.6.1.2.1.11.1", SyntaxCounter).toInt();
}

QByteArray Octets(const QString &hex)
{
    return QByteArray::fromHex(hex.toLatin1());
}

QList<int> SetBits(const QByteArray &octets)
{
    QList<int> bits;
    for (int b = 0; b < octets.size() * 8; ++b)
        if (quint8(octets.at(b / 8)) & (0x80u >> (b % 8)))
            bits.append(b);
    return bits;
}

void AnswerMessageBox(QString *text, int tries)
{
    // The text lives in the test function that asked: once that function
    // failed or another one runs, nothing may be written through it.
    const QByteArray asker
        = QByteArray(QTest::currentTestFunction()) + '/' + QTest::currentDataTag();
    QTimer::singleShot(20, [text, tries, asker] {
        const QByteArray running
            = QByteArray(QTest::currentTestFunction()) + '/' + QTest::currentDataTag();
        if (QTest::currentTestFailed() || running != asker)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            *text = box->text();
            box->button(QMessageBox::Ok)->click();
            return;
        }
        if (tries > 1)
            AnswerMessageBox(text, tries - 1);
    });
}

QStringList ShownSheets(const TStackingPortUitForm &grid)
{
    QStringList sheets;
    const QTabWidget *tabs = grid.UnitPageControl();
    for (int u = 0; u < TStackingPortUitForm::Units; ++u) {
        QWidget *sheet = grid.UnitSheets.at(u);
        const int index = tabs->indexOf(sheet);
        if (!tabs->isTabVisible(index))
            continue;
        int shown = 0;
        for (int p = 1; p <= TStackingPortUitForm::PortsPerUnit; ++p)
            shown += grid.Port(u + 1, p)->isVisibleTo(sheet) ? 1 : 0;
        sheets.append(tabs->tabText(index) + ":" + QString::number(shown));
    }
    return sheets;
}

QList<int> CheckedBoxes(const TStackingPortUitForm &grid)
{
    QList<int> boxes;
    for (int k = 0; k < grid.PortCheckBoxes.size(); ++k)
        if (grid.PortCheckBoxes.at(k)->isChecked())
            boxes.append(k);
    return boxes;
}

bool SnmpSet(
    const SimulatorProcess &sim, const QString &oid, const QString &type, const QString &value)
{
    QProcess snmpset;
    snmpset.setStandardOutputFile(QProcess::nullDevice());
    snmpset.start(QStringLiteral("snmpset"),
        {"-v2c", "-c", "marlowe", "-r", "1", "-t", "5",
            QStringLiteral("%1:%2").arg(sim.address()).arg(sim.port()), oid, type, value});
    return snmpset.waitForFinished(15000) && snmpset.exitStatus() == QProcess::NormalExit
        && snmpset.exitCode() == 0;
}
