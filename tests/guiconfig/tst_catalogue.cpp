// The descriptor catalogue: every table is well formed, every descriptor is
// reached from the menu, and the simulator answers every window's first read.
#include "CatalogueRows.h"
#include "CvCatalogues.h"
#include "CvException.h"
#include "CvFormDescriptor.h"
#include "CvSNMPRequest.h"
#include "CvSNMPSession.h"
#include "MainMenuTable.h"
#include "SimulatorProcess.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
int countVariables(const CvSNMPVar *table)
{
    int n = 0;
    while (table[n].oid)
        ++n;
    return n;
}

QString keyOf(const CvFormDescriptor *d)
{
    return QString::fromUtf8(d->menuPath);
}
} // namespace

Q_DECLARE_METATYPE(const CvFormDescriptor *)

class TstCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void menuPathsAreTheMenusOwn();
    void descriptorIsWellFormed_data() { descriptors(); }
    void descriptorIsWellFormed();
    void simulatorAnswersFirstRead_data() { descriptors(); }
    void simulatorAnswersFirstRead();

private:
    void descriptors();
    std::unique_ptr<SimulatorProcess> m_sim;
    QTemporaryDir m_dir;
};

void TstCatalogue::initTestCase()
{
    StartSession(m_dir.path());
    m_sim = std::make_unique<SimulatorProcess>();
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
}

void TstCatalogue::descriptors()
{
    QTest::addColumn<const CvFormDescriptor *>("descriptor");
    for (const CvFormDescriptor *d : AllFormDescriptors())
        QTest::newRow(d->menuPath) << d;
}

void TstCatalogue::menuPathsAreTheMenusOwn()
{
    QSet<QString> menu {QStringLiteral("Port menu > Port Information"),
        QStringLiteral("Port menu > Port Configuration")};
    for (std::size_t k = 0; k < MainMenuTableSize; ++k)
        if (MainMenuTable[k].kind == MenuKind::Generated)
            menu.insert(QString::fromUtf8(MainMenuTable[k].arg));
    QSet<QString> seen;
    for (const CvFormDescriptor *d : AllFormDescriptors()) {
        QVERIFY2(menu.contains(keyOf(d)), d->menuPath);
        QVERIFY2(!seen.contains(keyOf(d)), d->menuPath);
        seen.insert(keyOf(d));
        QCOMPARE(FindFormDescriptor(keyOf(d)), d);
    }
    // Every command of the menus opens a window of the catalogue.
    for (const QString &path : menu)
        QVERIFY2(seen.contains(path), qPrintable(path));
    QCOMPARE(seen.size(), 111);
}

void TstCatalogue::descriptorIsWellFormed()
{
    QFETCH(const CvFormDescriptor *, descriptor);
    const CvFormDescriptor &d = *descriptor;
    QVERIFY(d.title && *d.title);
    QVERIFY(d.variables);
    const int n = countVariables(d.variables);
    QVERIFY(n > 0);
    QVERIFY(d.listKind <= MVT_UMV);
    if (d.listKind >= MVT_FMV)
        QVERIFY(d.indexCount >= 1 && d.indexCount <= n);
    else
        QCOMPARE(d.indexCount, 0);

    for (int i = 0; i < n; ++i) {
        const CvSNMPVar &v = d.variables[i];
        QVERIFY2(v.label && *v.label, v.oid);
        QVERIFY2(QString::fromLatin1(v.oid).startsWith(QLatin1String("1.")), v.oid);
        const int flags = v.access & 0xFF & ~AccessImplied;
        QVERIFY2(flags == AccessNotAccessible || flags == AccessReadOnly || flags == AccessReadWrite
                || flags == AccessWriteOnly,
            v.oid);
    }

    if (d.bindings) {
        int b = 0;
        for (; d.bindings[b].variable; ++b) {
            const CvControlBinding &r = d.bindings[b];
            QVERIFY2(b < n, d.menuPath);
            QVERIFY2(r.variable == &d.variables[b], d.variables[b].oid);
            QVERIFY2(r.controlKind == KindEdit || r.controlKind == KindComboBox
                    || r.controlKind == KindEditUnticked,
                r.variable->oid);
            QVERIFY2(r.format && *r.format, r.variable->oid);
            if (r.controlKind == KindComboBox)
                QVERIFY2(r.variable->options, r.variable->oid);
        }
        QCOMPARE(b, n);
        QCOMPARE(d.bindings[b].controlKind, int(KindNone));
    }

    // A create or delete value must be one the status variable can show.
    for (const auto &[column, value] :
        {std::pair {d.createColumn, d.createValue}, std::pair {d.deleteColumn, d.deleteValue}}) {
        if (!value) {
            QCOMPARE(column, -1);
            continue;
        }
        QVERIFY(d.listKind >= MVT_FMV);
        QVERIFY(column >= d.indexCount && column < n);
        const CvOptionList *options = d.variables[column].options;
        QVERIFY2(options && options->IndexOfText(QString::fromLatin1(value)) >= 0, value);
    }
}

void TstCatalogue::simulatorAnswersFirstRead()
{
    QFETCH(const CvFormDescriptor *, descriptor);
    PointSessionAt(*m_sim);

    CvSNMPRequest r;
    r.SetVarList(descriptor->variables, descriptor->listKind, descriptor->indexCount);
    if (descriptor->listKind == MVT_SV)
        r.varList.instance = QStringLiteral("5"); // port 5 of unit 1
    const int n = r.varList.Count();
    int rows = 0;
    try {
        for (bool more = r.Get(true); more; more = r.Get(false)) {
            ++rows;
            // A sparse table may lack a column in some rows, never all of them.
            int present = 0;
            for (int i = 0; i < n; ++i) {
                const CvSNMPVariable &v = r.varList.Var(i);
                if (v.access & AccessInvalid)
                    continue;
                if (v.value != QLatin1String("(NULL)") && v.value != QLatin1String("(NOTDONE)"))
                    ++present;
            }
            QVERIFY2(present > 0, qPrintable("row " + QString::number(rows)));
            if (descriptor->listKind < MVT_FMV)
                break;
        }
    } catch (const CvException &e) {
        QFAIL(qPrintable(QStringLiteral("%1 (%2)").arg(e.message()).arg(e.code())));
    }
    if (descriptor->listKind >= MVT_FMV)
        QVERIFY2(rows > 0, "the table has no rows");
    else
        for (int i = 0; i < n; ++i) {
            const CvSNMPVariable &v = r.varList.Var(i);
            QVERIFY2(v.value != QLatin1String("(NULL)") && v.value != QLatin1String("(NOTDONE)"),
                qPrintable(v.oid));
        }
}

QTEST_GUILESS_MAIN(TstCatalogue)
#include "tst_catalogue.moc"
