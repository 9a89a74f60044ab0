#include "CvEditConstraint.h"
#include "CvException.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <cfloat>
#include <memory>

namespace {

// A window with three edits in tab order; the first is the one under test.
struct Window
{
    QWidget window;
    QLineEdit *edit;
    QLineEdit *other;
    QLineEdit *third;

    Window()
    {
        auto *layout = new QVBoxLayout(&window);
        edit = new QLineEdit(&window);
        other = new QLineEdit(&window);
        third = new QLineEdit(&window);
        edit->setObjectName("edit");
        other->setObjectName("other");
        third->setObjectName("third");
        layout->addWidget(edit);
        layout->addWidget(other);
        layout->addWidget(third);
        window.show();
        QApplication::setActiveWindow(&window);
    }

    bool ready() { return QTest::qWaitForWindowActive(&window); }

    // Puts the focus into the edit and types.
    void type(const QString &keys)
    {
        edit->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(edit, keys);
    }

    // Leaves the edit with the Tab key, as the operator would.
    void leave() { QTest::keyClick(edit, Qt::Key_Tab); }
};

// Answers every message box that opens with OK and records what it said.
class BoxAnswerer : public QObject
{
public:
    BoxAnswerer()
    {
        connect(&m_timer, &QTimer::timeout, this, &BoxAnswerer::poll);
        m_timer.start(5);
    }

    QStringList texts;
    QStringList titles;
    QList<QWidget *> parents;

private:
    void poll()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box || !box->isVisible())
                continue;
            texts.append(box->text());
            titles.append(box->windowTitle());
            parents.append(box->parentWidget());
            box->button(QMessageBox::Ok)->click();
        }
    }

    QTimer m_timer;
};

} // namespace

class TstEditConstraint : public QObject
{
    Q_OBJECT

private slots:
    void filtersWhileTyping_data();
    void filtersWhileTyping();
    void keepsCursorWhenRefusing();
    void maxLengthStopsTyping();
    void valueReadIsNeverChecked_data();
    void valueReadIsNeverChecked();
    void exitCheckFails_data();
    void exitCheckFails();
    void exitCheckPasses_data();
    void exitCheckPasses();
    void restoresLastAcceptedText();
    void withoutRememberRestoresEmpty();
    void emptyTextNeedsNotEmptyFlag();
    void advancesWhenFull();
    void exitCharacterMovesOn();
    void engineMarkersAreNeverChecked();
    void uncheckedEditShowsNoBox();
    void previousChangeHandlerRuns();
    void changeHandlerVetoStopsAdvance();
    void previousExitHandlerRuns();
    void exitHandlerVetoRestores();
    void handlersWithoutConstraint();
    void outlivesItsConstraint();
    void addConstraintsPairsEdits();
    void badSpecifierThrows();
    void widthAndLength();
    void longPastedTextIsCleaned();
};

// clang-format off
void TstEditConstraint::filtersWhileTyping_data()
{
    QTest::addColumn<QString>("specifier");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::newRow("letter after 12") << "%i{n1x4094l4}" << "12a" << "12";
    QTest::newRow("i: minus only first") << "%i" << "-5-3" << "-53";
    QTest::newRow("u: no minus") << "%u" << "-5" << "5";
    QTest::newRow("f: one point") << "%f" << "-1.2.5" << "-1.25";
    QTest::newRow("f: letters") << "%f" << "3e8" << "38";
    QTest::newRow("h: hex digits either case") << "%h" << "0aFgZ1" << "0aF1";
    QTest::newRow("n: no second delimiter") << "%n,{n1x4094l4fn}" << "1,,2" << "1,2";
    QTest::newRow("n: no leading delimiter") << "%n," << ",1" << "1";
    QTest::newRow("n: other characters") << "%n." << "1.a2" << "1.2";
    QTest::newRow("s: everything") << "%s" << "a-b.c %" << "a-b.c %";
}
// clang-format on

void TstEditConstraint::filtersWhileTyping()
{
    QFETCH(QString, specifier);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    Window w;
    QVERIFY(w.ready());
    CvEditConstraint constraints(&w.window, true);
    constraints.AddConstraint(specifier, w.edit);
    w.type(keys);
    QCOMPARE(w.edit->text(), expected);
}

void TstEditConstraint::keepsCursorWhenRefusing()
{
    Window w;
    QVERIFY(w.ready());
    CvEditConstraint constraints(&w.window, true);
    constraints.AddConstraint("%u", w.edit);
    w.type("1234");
    w.edit->setCursorPosition(2);
    QTest::keyClicks(w.edit, "x5");
    QCOMPARE(w.edit->text(), QString("12534"));
    QCOMPARE(w.edit->cursorPosition(), 3);
}

// The length holds what the operator types; a longer text the program sets
// (a value read) is shown whole and may be shortened, never lengthened.
void TstEditConstraint::maxLengthStopsTyping()
{
    Window w;
    QVERIFY(w.ready());
    CvEditConstraint constraints(&w.window, true);
    constraints.AddConstraint("%s{l32}", w.edit);
    w.type(QString(33, 'x'));
    QCOMPARE(w.edit->text(), QString(32, 'x'));

    const QString read = QString(30, 'r') + "0123456789";
    w.edit->setText(read);
    constraints.RememberText(w.edit);
    QCOMPARE(w.edit->text(), read);
    w.edit->setCursorPosition(30);
    QTest::keyClicks(w.edit, "ab");
    QCOMPARE(w.edit->text(), read);
    QCOMPARE(w.edit->cursorPosition(), 30);
    QTest::keyClick(w.edit, Qt::Key_Backspace);
    QCOMPARE(w.edit->text(), read.left(29) + read.mid(30));
    QTest::keyClicks(w.edit, "a");
    QCOMPARE(w.edit->text(), read.left(29) + read.mid(30));
}

// A value read passes its exit check as it is, and a read-only edit is not
// checked at all; a text the operator typed that fails gives the value read
// back, never an empty edit.
void TstEditConstraint::valueReadIsNeverChecked_data()
{
    QTest::addColumn<QString>("specifier");
    QTest::addColumn<QString>("read");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("typed");
    QTest::newRow("counter beyond the signed range") << "%i"
                                                     << "5000000123" << true << "";
    QTest::newRow("number outside its range") << "%i{n1x4094l4}"
                                              << "0" << false << "5000";
    QTest::newRow("text longer than its length")
        << "%s{l15}" << QString(20, 'a') << false << QString(16, 'b');
    QTest::newRow("empty where a text is asked") << "%s{l4fn}"
                                                 << "" << false << "abc";
}

void TstEditConstraint::valueReadIsNeverChecked()
{
    QFETCH(QString, specifier);
    QFETCH(QString, read);
    QFETCH(bool, readOnly);
    QFETCH(QString, typed);
    Window w;
    QVERIFY(w.ready());
    CvEditConstraint constraints(&w.window, true);
    constraints.AddConstraint(specifier, w.edit);
    w.edit->setReadOnly(readOnly);
    w.edit->setText(read);
    constraints.RememberText(w.edit);
    BoxAnswerer answerer;
    w.edit->setFocus();
    w.leave();
    QVERIFY(w.other->hasFocus());
    QCOMPARE(answerer.texts, QStringList {});
    QCOMPARE(w.edit->text(), read);
    if (readOnly)
        return;

    w.edit->setFocus();
    w.edit->setText(typed);
    w.leave();
    QCOMPARE(answerer.texts.size(), 1);
    QCOMPARE(w.edit->text(), read);
}

// clang-format off
void TstEditConstraint::exitCheckFails_data()
{
    QTest::addColumn<QString>("specifier");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("message");
    const QString numberList
        = "(CvCommon) Please enter a delimited number string with delimiter '%1'.\nHere,";
    QTest::newRow("below the vlan range") << "%i{n1x4094l4}" << "0"
                                          << "(CvCommon) Please enter a number between 1 and 4094!";
    QTest::newRow("above an unsigned range") << "%u{n0x65535l5}" << "70000"
        << "(CvCommon) Please enter a number between 0 and 65535!";
    QTest::newRow("real bounds") << "%f{n0.5x2.5}" << "3"
                                 << "(CvCommon) Please enter a number between 0.5 and 2.5!";
    QTest::newRow("f default minimum refuses 0") << "%f" << "0"
                                                 << "(CvCommon) Please enter a number between 0."
            + QString(307, '0') + "22250738585072 and " + QString::number(DBL_MAX, 'f', 0) + "!";
    QTest::newRow("exact string length") << "%s{l5f}" << "abc"
                                         << "(CvCommon) Please enter a string whose length is 5!";
    QTest::newRow("exact hex length") << "%h{l4f}" << "abc"
                                      << "(CvCommon) Please enter a hex string whose length is 4!";
    QTest::newRow("count not exact") << "%n,{n1x4094l4fn}"
        << "1,2,3" << numberList.arg(',') + "the count of the number is equal to 4!";
    QTest::newRow("count above maximum") << "%n;{l2}"
        << "1;2;3" << numberList.arg(';') + "the count of the number is less than 2!";
    QTest::newRow("number out of range") << "%n,{n1x10}"
        << "1,20" << numberList.arg(',') + "each number is between 1 and 10!";
    QTest::newRow("negative bound as unsigned") << "%n,{n-1x2}"
        << "3" << numberList.arg(',') + "each number is between 4294967295 and 2!";
}
// clang-format on

void TstEditConstraint::exitCheckFails()
{
    QFETCH(QString, specifier);
    QFETCH(QString, keys);
    QFETCH(QString, message);
    Window w;
    QVERIFY(w.ready());
    CvEditConstraint constraints(&w.window, true);
    constraints.AddConstraint(specifier, w.edit);
    w.type(keys);
    QCOMPARE(w.edit->text(), keys);

    BoxAnswerer answerer;
    w.leave();
    QCOMPARE(answerer.texts, QStringList {message});
    QCOMPARE(
        answerer.titles.first(), QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    QCOMPARE(answerer.parents.first(), &w.window);
    QCOMPARE(w.edit->text(), QString()); // nothing accepted yet
    QTRY_COMPARE(w.window.focusWidget(), w.edit);
    QCOMPARE(constraints.Find(w.edit)->accepted, QString());
}

// clang-format off
void TstEditConstraint::exitCheckPasses_data()
{
    QTest::addColumn<QString>("specifier");
    QTest::addColumn<QString>("keys");
    QTest::newRow("lowest vlan") << "%i{n1x4094l4}" << "1";
    QTest::newRow("highest vlan") << "%i{n1x4094l4}" << "4094";
    QTest::newRow("whole signed range") << "%i" << "-2147483648";
    QTest::newRow("32 characters") << "%s{l32}" << QString(32, 'a');
    QTest::newRow("exact hex") << "%h{l4f}" << "0aFf";
    QTest::newRow("four numbers") << "%n,{n1x4094l4fn}" << "1,2,3,4094";
    QTest::newRow("count at maximum") << "%n;{l2}" << "7;8";
    QTest::newRow("default list range") << "%n," << "0,4294967295";
    QTest::newRow("real") << "%f{n0.5x2.5}" << "2.5";
}
// clang-format on

void TstEditConstraint::exitCheckPasses()
{
    QFETCH(QString, specifier);
    QFETCH(QString, keys);
    Window w;
    QVERIFY(w.ready());
    CvEditConstraint constraints(&w.window, true);
    constraints.AddConstraint(specifier, w.edit);
    w.type(keys);
    BoxAnswerer answerer;
    w.leave();
    QCOMPARE(answerer.texts, QStringList {});
    QVERIFY(w.other->hasFocus());
    QCOMPARE(constraints.Find(w.edit)->accepted, keys);
}

void TstEditConstraint::restoresLastAcceptedText()
{
    Window w;
    QVERIFY(w.ready());
    CvEditConstraint constraints(&w.window, true);
    constraints.AddConstraint("%i{n1x4094l4}", w.edit);
    w.type("12");
    w.leave();
    w.edit->clear();
    w.type("5000");
    BoxAnswerer answerer;
    w.leave();
    QCOMPARE(answerer.texts.size(), 1);
    QCOMPARE(w.edit->text(), QString("12"));
    QTRY_COMPARE(w.window.focusWidget(), w.edit);
}

void TstEditConstraint::withoutRememberRestoresEmpty()
{
    Window w;
    QVERIFY(w.ready());
    CvEditConstraint constraints(&w.window, false);
    constraints.AddConstraint("%i{n1x4094l4}", w.edit);
    w.type("12");
    w.leave();
    QCOMPARE(constraints.Find(w.edit)->accepted, QString());
    w.edit->clear();
    w.type("0");
    BoxAnswerer answerer;
    w.leave();
    QCOMPARE(answerer.texts.size(), 1);
    QCOMPARE(w.edit->text(), QString());
}

void TstEditConstraint::emptyTextNeedsNotEmptyFlag()
{
    Window w;
    QVERIFY(w.ready());
    CvEditConstraint constraints(&w.window, true);
    constraints.AddConstraint("%i{n1x10}", w.other);
    constraints.AddConstraint("%n,{n1x4094l4fn}", w.third);
    BoxAnswerer answerer;

    // Without the flag an empty edit passes, even with a range.
    w.other->setFocus();
    QTest::keyClick(w.other, Qt::Key_Tab);
    QVERIFY(w.third->hasFocus());
    QCOMPARE(answerer.texts, QStringList {});

    QTest::keyClick(w.third, Qt::Key_Tab);
    QCOMPARE(answerer.texts, QStringList {"(CvCommon) Empty value is not allowed!"});
    QTRY_COMPARE(w.window.focusWidget(), w.third);
}

void TstEditConstraint::advancesWhenFull()
{
    Window w;
    QVERIFY(w.ready());
    CvEditConstraint constraints(&w.window, true);
    constraints.AddConstraint("%i{n0x16777214l8a}", w.edit);
    w.type("1234567");
    QCoreApplication::processEvents();
    QVERIFY(w.edit->hasFocus());
    w.type("8");
    QTRY_VERIFY(w.other->hasFocus());
    QCOMPARE(w.edit->text(), QString("12345678"));
}

void TstEditConstraint::exitCharacterMovesOn()
{
    Window w;
    QVERIFY(w.ready());
    CvEditConstraint constraints(&w.window, true);
    constraints.AddConstraint("%u{e.}", w.edit);
    w.type("12.");
    QCOMPARE(w.edit->text(), QString("12"));
    QTRY_VERIFY(w.other->hasFocus());
}

void TstEditConstraint::engineMarkersAreNeverChecked()
{
    Window w;
    QVERIFY(w.ready());
    CvEditConstraint constraints(&w.window, true);
    constraints.AddConstraint("%i{n1x10}", w.edit);
    BoxAnswerer answerer;
    for (const QString marker : {"(NULL)", "(NOTDONE)"}) {
        w.edit->setFocus();
        w.edit->setText(marker);
        QCOMPARE(w.edit->text(), marker); // not filtered
        w.leave();
        QVERIFY(w.other->hasFocus());
    }
    QCOMPARE(answerer.texts, QStringList {});
}

void TstEditConstraint::uncheckedEditShowsNoBox()
{
    Window w;
    QVERIFY(w.ready());
    CvEditConstraint constraints(&w.window, true);
    constraints.AddConstraint("%i{n1x10}", w.other);
    BoxAnswerer answerer;
    w.type("abc");
    w.leave();
    QCOMPARE(w.edit->text(), QString("abc"));
    QCOMPARE(answerer.texts, QStringList {});
    QCOMPARE(constraints.Find(w.edit), nullptr);
}

void TstEditConstraint::previousChangeHandlerRuns()
{
    Window w;
    QVERIFY(w.ready());
    QStringList seen;
    CvEditHandlers::For(w.edit)->onChange = [&](QLineEdit *e) { seen.append(e->text()); };
    CvEditConstraint constraints(&w.window, true);
    constraints.AddConstraint("%u", w.edit);
    w.type("1x2");
    // Taking the "x" out is a change of its own: the handler sees "1" again,
    // never "1x".
    QCOMPARE(seen, (QStringList {"1", "1", "12"}));
}

void TstEditConstraint::changeHandlerVetoStopsAdvance()
{
    Window w;
    QVERIFY(w.ready());
    CvEditHandlers::For(w.edit)->onChange = [](QLineEdit *e) { SetEditTag(e, -1); };
    CvEditConstraint constraints(&w.window, true);
    constraints.AddConstraint("%u{l2a}", w.edit);
    w.type("12");
    QTest::qWait(20);
    QVERIFY(w.edit->hasFocus());
}

void TstEditConstraint::previousExitHandlerRuns()
{
    Window w;
    QVERIFY(w.ready());
    QStringList seen;
    CvEditHandlers::For(w.edit)->onExit = [&](QLineEdit *e) { seen.append(e->text()); };
    CvEditConstraint constraints(&w.window, true);
    constraints.AddConstraint("%i{n1x10}", w.edit);
    w.type("5");
    w.leave();
    QCOMPARE(seen, QStringList {"5"});

    // A failing text does not reach the window's handler.
    BoxAnswerer answerer;
    w.edit->clear();
    w.type("11");
    w.leave();
    QCOMPARE(answerer.texts.size(), 1);
    QCOMPARE(seen, QStringList {"5"});
    QCOMPARE(w.edit->text(), QString("5"));
}

void TstEditConstraint::exitHandlerVetoRestores()
{
    Window w;
    QVERIFY(w.ready());
    bool veto = false;
    CvEditHandlers::For(w.edit)->onExit = [&](QLineEdit *e) { SetEditTag(e, veto ? -1 : 0); };
    CvEditConstraint constraints(&w.window, true);
    constraints.AddConstraint("%i{n1x10}", w.edit);
    w.type("5");
    w.leave();
    veto = true;
    w.edit->clear();
    w.type("7");
    w.leave();
    QCOMPARE(w.edit->text(), QString("5"));
    QCOMPARE(constraints.Find(w.edit)->accepted, QString("5"));
}

void TstEditConstraint::handlersWithoutConstraint()
{
    Window w;
    QVERIFY(w.ready());
    int changes = 0, exits = 0;
    CvEditHandlers::For(w.edit)->onChange = [&](QLineEdit *) { ++changes; };
    CvEditHandlers::For(w.edit)->onExit = [&](QLineEdit *) { ++exits; };
    QCOMPARE(CvEditHandlers::For(w.edit), CvEditHandlers::Find(w.edit));
    w.type("ab");
    w.leave();
    QCOMPARE(changes, 2);
    QCOMPARE(exits, 1);
}

void TstEditConstraint::outlivesItsConstraint()
{
    Window w;
    QVERIFY(w.ready());
    int changes = 0;
    CvEditHandlers::For(w.edit)->onChange = [&](QLineEdit *) { ++changes; };
    auto constraints = std::make_unique<CvEditConstraint>(&w.window, true);
    constraints->AddConstraint("%u", w.edit);
    constraints.reset();
    w.type("a1");
    w.leave();
    QCOMPARE(w.edit->text(), QString("a1")); // no longer filtered
    QCOMPARE(changes, 2);
}

void TstEditConstraint::addConstraintsPairsEdits()
{
    Window w;
    QVERIFY(w.ready());
    CvEditConstraint constraints(&w.window, true);
    constraints.AddConstraints("%u{l3}%h{l2}", {w.edit, w.other, w.third});
    QCOMPARE(constraints.count(), 2);
    QCOMPARE(constraints.Find(w.edit)->type, 'u');
    QCOMPARE(constraints.Find(w.other)->type, 'h');
    QCOMPARE(constraints.Find(w.other)->maxLength, 2);
    QCOMPARE(constraints.Find(w.third), nullptr);

    // The first constraint of an edit is the one that counts.
    constraints.AddConstraint("%s", w.edit);
    QCOMPARE(constraints.Find(w.edit)->type, 'u');
    w.type("a7");
    QCOMPARE(w.edit->text(), QString("7"));
}

void TstEditConstraint::badSpecifierThrows()
{
    Window w;
    CvEditConstraint constraints(&w.window, true);
    try {
        constraints.AddConstraint("%x", w.edit);
        QFAIL("accepted %x");
    } catch (const CvException &e) {
        QCOMPARE(e.code(), -2);
    }
    QCOMPARE(constraints.count(), 0);
    QCOMPARE(CvEditHandlers::Find(w.edit), nullptr);
}

void TstEditConstraint::widthAndLength()
{
    Window w;
    CvEditConstraint constraints(&w.window, true);
    constraints.AddConstraint("%s{w80}", w.edit);
    constraints.AddConstraint("%n,{n1x4094l4fn}", w.other);
    QCOMPARE(w.edit->width(), 80);
    // The edit takes as much as it always did: lengths hold typing only, and
    // a number list's count limits numbers, not characters.
    QCOMPARE(w.edit->maxLength(), 32767);
    QCOMPARE(w.other->maxLength(), 32767);
}

void TstEditConstraint::longPastedTextIsCleaned()
{
    Window w;
    CvEditConstraint constraints(&w.window, true);
    constraints.AddConstraint("%u", w.edit);
    w.edit->setText(QString(20000, 'x') + "42");
    QCOMPARE(w.edit->text(), QString("42"));
}

QTEST_MAIN(TstEditConstraint)
#include "tst_editconstraint.moc"
