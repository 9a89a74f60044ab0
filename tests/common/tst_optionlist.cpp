#include "CvException.h"
#include "CvOptionList.h"
#include "CvOptionListWidgets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QRadioButton>
#include <QtTest>

namespace {
const CvIntOption enableTable[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const CvIntOption duplicateTable[] = {{1, "same"}, {2, "same"}, {1, "other"}, {0, nullptr}};
const CvIntOption emptyTable[] = {{0, nullptr}};
const CvTextOption authTable[] = {{"1.3.6.1.6.3.10.1.1.1", "None"}, {"1.3.6.1.6.3.10.1.1.2", "MD5"},
    {"1.3.6.1.6.3.10.1.1.3", "SHA"}, {nullptr, nullptr}};
const CvTextOption prefixTable[] = {{"1.3.6.1.6.3.10.1.1", "AUTH"}, {nullptr, nullptr}};
} // namespace

class TstOptionList : public QObject
{
    Q_OBJECT

private slots:
    void integerList_data();
    void integerList();
    void firstOfDuplicatesWins();
    void textAndPrefixLists_data();
    void textAndPrefixLists();
    void caseSensitiveList();
    void emptyTableAndAppend();
    void itemOutOfRange();
    void comboAndRadioSelection();
};

void TstOptionList::integerList_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("back");
    // value -> ValueToText, text -> TextToValue
    QTest::newRow("known value") << "2"
                                 << "disabled"
                                 << "2";
    QTest::newRow("unknown value passes") << "7"
                                          << "7"
                                          << "7";
    QTest::newRow("null passes") << "(NULL)"
                                 << "(NULL)"
                                 << "(NULL)";
    QTest::newRow("signed form") << "+1"
                                 << "enabled"
                                 << "1";
    QTest::newRow("not a decimal") << "1x"
                                   << "1x"
                                   << "1x";
    QTest::newRow("overflow is no value") << "4294967297"
                                          << "4294967297"
                                          << "4294967297";
    QTest::newRow("name case ignored") << "ENABLED"
                                       << "ENABLED"
                                       << "1";
    QTest::newRow("unknown name passes") << "up"
                                         << "up"
                                         << "up";
}

void TstOptionList::integerList()
{
    QFETCH(QString, value);
    QFETCH(QString, text);
    QFETCH(QString, back);
    const CvOptionList list(enableTable);
    QCOMPARE(list.ValueToText(value), text);
    QCOMPARE(list.TextToValue(text), back);
}

void TstOptionList::firstOfDuplicatesWins()
{
    const CvOptionList list(duplicateTable);
    QCOMPARE(list.TextToValue("same"), QString("1"));
    QCOMPARE(list.IndexOfValue("1"), 0);
    QCOMPARE(list.ValueToText("1"), QString("same"));
    QCOMPARE(list.IndexOfText("SAME"), 0);
}

void TstOptionList::textAndPrefixLists_data()
{
    QTest::addColumn<bool>("prefix");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("sent");
    QTest::newRow("oid to name") << false << "1.3.6.1.6.3.10.1.1.3"
                                 << "SHA"
                                 << "sha"
                                 << "1.3.6.1.6.3.10.1.1.3";
    QTest::newRow("unknown oid, unknown name") << false << "1.3.6.1.6.3.10.1.1.9"
                                               << "1.3.6.1.6.3.10.1.1.9"
                                               << "AES"
                                               << "AES";
    QTest::newRow("prefix keeps rest") << true << "1.3.6.1.6.3.10.1.1.3"
                                       << "AUTH.3"
                                       << "auth.3"
                                       << "1.3.6.1.6.3.10.1.1.3";
    QTest::newRow("prefix exact") << true << "1.3.6.1.6.3.10.1.1"
                                  << "AUTH"
                                  << "AUTH"
                                  << "1.3.6.1.6.3.10.1.1";
    QTest::newRow("shorter than prefix") << true << "1.3.6"
                                         << "1.3.6"
                                         << "AUT"
                                         << "AUT";
}

void TstOptionList::textAndPrefixLists()
{
    QFETCH(bool, prefix);
    QFETCH(QString, value);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QFETCH(QString, sent);
    const CvOptionList list = prefix ? CvOptionList(prefixTable, CvOptionList::TextPrefixes)
                                     : CvOptionList(authTable, CvOptionList::TextValues);
    QCOMPARE(list.ValueToText(value), shown);
    QCOMPARE(list.TextToValue(typed), sent);
}

void TstOptionList::caseSensitiveList()
{
    const CvOptionList list(enableTable, true);
    QCOMPARE(list.TextToValue("ENABLED"), QString("ENABLED"));
    QCOMPARE(list.TextToValue("enabled"), QString("1"));
}

void TstOptionList::emptyTableAndAppend()
{
    CvOptionList list(emptyTable);
    QCOMPARE(list.Count(), 0);
    QCOMPARE(list.IndexOfText("enabled"), -1);
    QCOMPARE(list.IndexOfValue("1"), -1);
    list.Append(enableTable);
    list.Append(enableTable);
    QCOMPARE(list.Count(), 4);
    QCOMPARE(list.Item(3).text, QString("disabled"));
    QCOMPARE(list.Item(3).number, 2);
}

void TstOptionList::itemOutOfRange()
{
    const CvOptionList list(enableTable);
    try {
        list.Item(2);
        QFAIL("no exception");
    } catch (const CvException &e) {
        QCOMPARE(e.code(), -12);
        QCOMPARE(e.message(), QString("(CvCommon) Out of range at index of array or list!"));
    }
}

void TstOptionList::comboAndRadioSelection()
{
    const CvOptionList list(enableTable);
    QComboBox combo;
    combo.addItem("stale");
    FillItems(list, &combo);
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.itemText(1), QString("disabled"));
    SelectInComboBox(list, &combo, "2"); // raw value: no entry is named "2"
    QCOMPARE(combo.currentIndex(), 1);
    SelectInComboBox(list, &combo, "Enabled");
    QCOMPARE(combo.currentIndex(), 0);
    SelectInComboBox(list, &combo, "9");
    QCOMPARE(combo.currentIndex(), -1);

    QButtonGroup group;
    QRadioButton on("enabled"), off("disabled");
    group.addButton(&on, 0);
    group.addButton(&off, 1);
    SelectInRadioGroup(list, &group, "disabled");
    QVERIFY(off.isChecked());
    SelectInRadioGroup(list, &group, "(NULL)");
    QVERIFY(!on.isChecked());
    QVERIFY(!off.isChecked());
}

QTEST_MAIN(TstOptionList)
#include "tst_optionlist.moc"
