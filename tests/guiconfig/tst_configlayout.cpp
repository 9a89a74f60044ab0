// The grid, the button bar and the sizes of generated windows, built from
// small descriptors without talking to an agent.
#include "CvException.h"
#include "CvSNMPRequest2Edits.h"
#include "FakeMainWindow.h"
#include "GeneratedWindows.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TFlowLayoutManger.h"
#include "TPanelContainer.h"
#include "TSNMPPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>

namespace {
const CvIntOption states[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const CvOptionList &stateOptions()
{
    static const CvOptionList list(states);
    return list;
}

const CvSNMPVar readOnlyVars[] = {
    {"1.3.6.1.2.1.1.1", "Description", SyntaxDisplayString, AccessReadOnly},
    {"1.3.6.1.2.1.1.3", "A much longer label of uptime", SyntaxTimeTicks, AccessReadOnly},
    {},
};
const CvControlBinding readOnlyBindings[] = {
    {KindEditUnticked, "%s", &readOnlyVars[0]},
    {KindEditUnticked, "%s", &readOnlyVars[1]},
    {},
};

const CvSNMPVar comboVars[] = {
    {"1.3.6.1.2.1.1.1", "Description", SyntaxDisplayString, AccessReadOnly},
    {"1.3.6.1.4.1.1.1", "State", SyntaxInteger, AccessReadOnly, &stateOptions()},
    {},
};
const CvControlBinding comboBindings[] = {
    {KindEditUnticked, "%s", &comboVars[0]},
    {KindComboBox, "%s", &comboVars[1]},
    {},
};

const CvSNMPVar oneWritableVars[] = {
    {"1.3.6.1.2.1.1.1", "Description", SyntaxDisplayString, AccessReadOnly},
    {"1.3.6.1.2.1.1.5", "Name", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.1.6", "Location", SyntaxDisplayString, AccessReadWrite},
    {},
};
const CvControlBinding oneWritableBindings[] = {
    {KindEditUnticked, "%s", &oneWritableVars[0]},
    {KindEdit, "%s", &oneWritableVars[1]},
    {},
};

// A kind-2 table whose only writable column is its index, and the same
// columns as a kind-3 table.
const CvSNMPVar indexOnlyVars[] = {
    {"1.3.6.1.4.1.1.2.1.1", "Id", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.1.2.1.2", "Count", SyntaxCounter, AccessReadOnly},
    {"1.3.6.1.4.1.1.2.1.3", "Limit", SyntaxInteger, AccessReadOnly},
    {},
};
const CvControlBinding indexOnlyBindings[] = {
    {KindEdit, "%i{n1x4094l4}", &indexOnlyVars[0]},
    {KindEditUnticked, "%i", &indexOnlyVars[1]},
    {KindEditUnticked, "%i{n0x240}", &indexOnlyVars[2]},
    {},
};

// Long labels: the width of a table window is cut at 800.
const CvSNMPVar wideVars[] = {
    {"1.3.6.1.4.1.1.3.1.1", "An index column with a long long name", SyntaxInteger, AccessReadOnly},
    {"1.3.6.1.4.1.1.3.1.2", "Another column with a much longer name", SyntaxInteger,
        AccessReadWrite},
    {"1.3.6.1.4.1.1.3.1.3", "And a third column that is long as well", SyntaxInteger,
        AccessReadWrite},
    {},
};

CvFormDescriptor descriptor(const CvSNMPVar *vars, const CvControlBinding *bindings,
    quint8 kind = SVT_SV, int indexCount = 0)
{
    CvFormDescriptor d;
    d.menuPath = "Test > Window";
    d.title = "Test Window";
    d.variables = vars;
    d.bindings = bindings;
    d.listKind = kind;
    d.indexCount = indexCount;
    return d;
}

QStringList shownButtons(const TSNMPPanel *body)
{
    QStringList shown;
    const TCtrlBtnPanel *bar = body->buttonBar;
    for (QWidget *w : bar->items)
        if (!w->isHidden())
            shown.append(w->objectName());
    return shown;
}
} // namespace

class TstConfigLayout : public QObject
{
    Q_OBJECT

private slots:
    void init() { MainWindowState::setInstance(&m_main); }
    void readOnlyEditsHaveNoIncludeBoxes();
    void readOnlyComboKeepsItsIncludeBox();
    void writableCountDecidesTheWriteButtons();
    void tableWindowSizesAndEditButton();
    void tableWindowWidthIsCut();
    void glyphFileReplacesCaption();
    void buttonBarStacksVisibleElements();
    void secondConfigureIsRefused();
    void automaticBindings();
    void layingOutTwiceOnlyGrows();
    void rangeSuffix_data();
    void rangeSuffix();
    void rowHintPadsCaptionsWithTabs();

private:
    FakeMainWindow m_main;
};

void TstConfigLayout::readOnlyEditsHaveNoIncludeBoxes()
{
    auto form = BuildGeneratedWindow(descriptor(readOnlyVars, readOnlyBindings));
    QCOMPARE(form->windowTitle(), QString("Test Window : 127.0.0.1"));
    CvBindingList &b = form->Bindings();
    QCOMPARE(int(b.size()), 2);
    QVERIFY(b[0].includeBox->isHidden() && b[1].includeBox->isHidden());
    // Without boxes the grid moves 25 pixels left: labels at 20, not 45.
    QCOMPARE(b[0].labelControl->x(), 20);
    QCOMPARE(b[1].labelControl->x(), 20);
    const int widest = std::max(b[0].labelControl->width(), b[1].labelControl->width());
    QCOMPARE(b[0].control->x(), 20 + widest + 5);
    QCOMPARE(b[1].control->x(), b[0].control->x());
    QCOMPARE(b[0].control->width(), 121);
    QVERIFY(static_cast<QLineEdit *>(b[0].control.data())->isReadOnly());
    QCOMPARE(b[0].control->focusPolicy(), Qt::NoFocus);
    QCOMPARE(shownButtons(form->Body()), QStringList({"refreshButton", "closeButton"}));
    // The second row sits below the first.
    QCOMPARE(b[1].control->y(), 20 + b[1].control->height() + 5);
}

void TstConfigLayout::readOnlyComboKeepsItsIncludeBox()
{
    auto form = BuildGeneratedWindow(descriptor(comboVars, comboBindings));
    CvBindingList &b = form->Bindings();
    QVERIFY(!b[1].includeBox->isHidden());
    QVERIFY(!b[1].includeBox->isEnabled());
    QVERIFY(!b[1].control->isEnabled());
    QCOMPARE(b[0].labelControl->x(), 45);
    QCOMPARE(b[1].labelControl->x(), 45);
    QCOMPARE(b[0].includeBox->x(), 20);
    QCOMPARE(static_cast<QComboBox *>(b[1].control.data())->count(), 2);
    // Both variables are read-only: "readonly" is not counted as writable.
    QCOMPARE(shownButtons(form->Body()), QStringList({"refreshButton", "closeButton"}));
}

void TstConfigLayout::writableCountDecidesTheWriteButtons()
{
    auto one = BuildGeneratedWindow(descriptor(oneWritableVars, oneWritableBindings));
    QCOMPARE(shownButtons(one->Body()),
        QStringList({"refreshButton", "setCheckedButton", "closeButton"}));
    QVERIFY(one->Bindings()[1].includeBox->isChecked());
    QVERIFY(!one->Bindings()[0].includeBox->isChecked());

    auto many = BuildGeneratedWindow(descriptor(oneWritableVars, nullptr));
    QCOMPARE(shownButtons(many->Body()),
        QStringList({"refreshButton", "setCheckedButton", "checkAllButton", "clearChecksButton",
            "closeButton"}));
    // A scalar window takes its grid plus the bar, the memo and margins.
    TSNMPPanel *body = many->Body();
    QCOMPARE(many->width(), body->container->layoutManager->extentWidth + 116 + 40);
    QCOMPARE(many->height(), body->container->layoutManager->extentHeight + 50 + 60);
}

void TstConfigLayout::tableWindowSizesAndEditButton()
{
    auto fixedRows = BuildGeneratedWindow(descriptor(indexOnlyVars, indexOnlyBindings, MVT_FMV, 1));
    TSNMPPanel *body = fixedRows->Body();
    // "Id" + "Count" + "Limit" = 12 characters, before the range suffixes.
    QCOMPARE(fixedRows->width(), 12 * 8 + 156);
    QCOMPARE(fixedRows->height(), body->container->layoutManager->extentHeight + 110);
    QCOMPARE(fixedRows->Bindings()[0].labelControl->text(), QString("Id[1..4094]"));
    QCOMPARE(fixedRows->Bindings()[2].labelControl->text(), QString("Limit[0..240]"));
    QCOMPARE(fixedRows->Bindings()[1].labelControl->text(), QString("Count"));
    // Only the index is writable: no Edit. Add and Delete have no values.
    QCOMPARE(shownButtons(body),
        QStringList({"countText", "samplesLabel", "refreshButton", "closeButton"}));
    QCOMPARE(body->buttonBar->countText->text(), QString("0"));

    auto d = descriptor(indexOnlyVars, indexOnlyBindings, MVT_UMV, 1);
    auto madeRows = BuildGeneratedWindow(d);
    QCOMPARE(shownButtons(madeRows->Body()),
        QStringList({"countText", "samplesLabel", "refreshButton", "setButton", "closeButton"}));
    QCOMPARE(madeRows->Body()->buttonBar->setButton->text(), QString("Edit"));
    QVERIFY(!madeRows->Body()->buttonBar->setButton->isEnabled());
    // The bound controls wait hidden in the edit box.
    auto *container = static_cast<TPanelListViewContainer *>(madeRows->Body()->container);
    QVERIFY(container->editBox->isHidden());
    QCOMPARE(madeRows->Bindings()[0].control->parentWidget(), container->editBox->widget());

    madeRows->DisableRowEditing();
    QVERIFY(madeRows->Body()->buttonBar->setButton->isHidden());
    QVERIFY(container->noEdit);
}

void TstConfigLayout::tableWindowWidthIsCut()
{
    auto form = BuildGeneratedWindow(descriptor(wideVars, nullptr, MVT_FMV, 1));
    QCOMPARE(form->width(), 800);
    // Automatic bindings: a writable column after the index keeps Edit.
    QVERIFY(!form->Body()->buttonBar->setButton->isHidden());
}

void TstConfigLayout::glyphFileReplacesCaption()
{
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QPixmap glyph(16, 16);
    glyph.fill(Qt::red);
    QVERIFY(glyph.save(dir.filePath("Add.bmp"), "BMP"));
    TCtrlBtnPanel withGlyph(nullptr);
    QVERIFY(QFile::remove(dir.filePath("Add.bmp")));
    TCtrlBtnPanel withoutGlyph(nullptr);
    QDir::setCurrent(before);

    QCOMPARE(withGlyph.addButton->text(), QString());
    QVERIFY(!withGlyph.addButton->icon().isNull());
    QCOMPARE(withGlyph.deleteButton->text(), QString("Delete"));
    QCOMPARE(withoutGlyph.addButton->text(), QString("Add"));
    QVERIFY(withoutGlyph.addButton->icon().isNull());
}

void TstConfigLayout::buttonBarStacksVisibleElements()
{
    TCtrlBtnPanel bar(nullptr);
    QCOMPARE(bar.width(), 116);
    QCOMPARE(bar.countText->geometry().topLeft(), QPoint(10, 10));
    bar.HideSamples();
    bar.HideRefresh();
    // The Set button moves up to where Samples was: hidden elements take no room.
    QCOMPARE(bar.setButton->y(), bar.countText->y() + bar.countText->height() + 5);
    bar.ShowNoWrite();
    QCOMPARE(bar.addButton->y(), bar.setButton->y() + bar.setButton->height() + 5);
    bar.ShowWriteOne();
    QVERIFY(!bar.setCheckedButton->isHidden());
    QVERIFY(bar.checkAllButton->isHidden() && bar.clearChecksButton->isHidden());
    for (QWidget *w : bar.items)
        QCOMPARE(w->width(), 96);
}

void TstConfigLayout::secondConfigureIsRefused()
{
    auto form = BuildGeneratedWindow(descriptor(oneWritableVars, oneWritableBindings));
    TSNMPPanel *body = form->Body();
    auto *other = new CvSNMPRequest2Edits(form.get());
    other->SetVarList(oneWritableVars, SVT_SV, 0);
    try {
        form->ConfigureTableAuto(other, -1, QString(), -1, QString());
        QFAIL("a second configuration was accepted");
    } catch (const CvException &e) {
        QCOMPARE(e.message(), QString("Can not change Type of a Config Form!"));
    }
    QCOMPARE(form->configKind, quint8(1));
    QCOMPARE(form->Body(), body);
    QCOMPARE(form->requests.size(), 1);
}

void TstConfigLayout::automaticBindings()
{
    const CvSNMPVar vars[] = {
        {"1.1", "Plain", SyntaxInteger, AccessReadOnly},
        {"1.2", "Choice", SyntaxInteger, AccessReadWrite, &stateOptions()},
        {"1.3", "Shown choice", SyntaxInteger, AccessReadOnly, &stateOptions()},
        {"1.4", "Text", SyntaxDisplayString, AccessReadWrite},
        {"1.5", "Index", SyntaxInteger, AccessNotAccessible},
        {},
    };
    const CvBindingList b = AutomaticBindings(CvSNMPVarList(vars, MVT_FMV, 1));
    QCOMPARE(int(b.size()), 5);
    QCOMPARE(b[0].controlKind, int(KindEditUnticked));
    QCOMPARE(b[0].format, QString("%i"));
    QCOMPARE(b[1].controlKind, int(KindComboBox));
    QCOMPARE(b[1].format, QString("%s"));
    QCOMPARE(b[2].controlKind, int(KindEditUnticked)); // a read-only enumeration: an edit
    QCOMPARE(b[3].controlKind, int(KindEdit));
    QCOMPARE(b[3].format, QString("%s"));
    QCOMPARE(b[4].controlKind, int(KindEditUnticked));

    // The read-only enumeration shows its text in a read-only edit.
    CvFormDescriptor d = descriptor(vars, nullptr);
    auto form = BuildGeneratedWindow(d);
    QVERIFY(qobject_cast<QLineEdit *>(form->Bindings()[2].control));
    QVERIFY(qobject_cast<QComboBox *>(form->Bindings()[1].control));
}

void TstConfigLayout::layingOutTwiceOnlyGrows()
{
    auto form = BuildGeneratedWindow(descriptor(comboVars, comboBindings));
    TFlowLayoutManger *layout = form->Body()->container->layoutManager.get();
    const int length = layout->labelTextLength;
    const int width = layout->extentWidth, height = layout->extentHeight;
    QCOMPARE(length, int(QString("Description").size() + QString("State").size()));
    layout->Layout();
    QCOMPARE(layout->labelTextLength, 2 * length);
    QCOMPARE(layout->extentWidth, width);
    QCOMPARE(layout->extentHeight, height);
}

void TstConfigLayout::rangeSuffix_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("min max digits") << "%i{n1x4094l4}"
                                    << "[1..4094]";
    QTest::newRow("min max") << "%i{n0x240}"
                             << "[0..240]";
    QTest::newRow("large") << "%i{n0x200000000}"
                           << "[0..200000000]";
    QTest::newRow("length only") << "%s{l15}"
                                 << "";
    QTest::newRow("plain") << "%s"
                           << "";
    QTest::newRow("max without min") << "%i{x10}"
                                     << "";
    QTest::newRow("later replaces earlier") << "%i{n1n5x9}"
                                            << "[5..9]";
    QTest::newRow("min without delimiter") << "%i{n7"
                                           << "";
    QTest::newRow("min, no max") << "%i{n3l2}"
                                 << "[3..]";
}

void TstConfigLayout::rangeSuffix()
{
    QFETCH(QString, format);
    QFETCH(QString, suffix);
    QCOMPARE(RangeSuffix(format), suffix);
}

void TstConfigLayout::rowHintPadsCaptionsWithTabs()
{
    const QString hint = RowHint({"Index", "Name", "Status"}, {"5", "port 5", "active"});
    QCOMPARE(hint, QString("Index\t  5\nName\t\t  port 5\nStatus  active\n"));
}

QTEST_MAIN(TstConfigLayout)
#include "tst_configlayout.moc"
