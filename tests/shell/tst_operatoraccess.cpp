// The module for an operator who works from the keyboard, with a screen
// reader or in a dark desktop theme: the main window driven by keys alone,
// from its menu to a port's window, the menu's keyboard highlight as it is
// painted, the names a screen reader finds in the windows, and their fields
// read in a dark theme.

#include "CvSNMPRequest2Edits.h"
#include "DarkTheme.h"
#include "GeneratedWindows.h"
#include "HandLaidWindows.h"
#include "MainMenuTable.h"
#include "MenuActions.h"
#include "ModuleSettings.h"
#include "SimulatorProcess.h"
#include "TAboutForm.h"
#include "TConfigForm.h"
#include "THandLaidForm.h"
#include "TMainForm.h"
#include "TStackingPortUitForm.h"
#include "TVlanStaticForm.h"
#include "WindowWaits.h"
#include "WrappingMenuBar.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QStringList topMenus {"Basic Configuration", "RMON", "Bridge", "VLAN", "SNMP V3",
    "Security Management", "Layer 2 Management", "Layer 3 Management", "Single IP", "Help"};

QString nameOf(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// A key as the operator types it, to whatever has the keyboard: an open
// menu, else the focused control, else the window.
void press(QWidget *window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget();
    QTest::keyClick(target ? target : window, Qt::Key(key), modifiers);
}

// The top-level menu highlighted in the menu bar's keyboard mode.
QString highlighted(const WrappingMenuBar *menu)
{
    for (QMenuBar *row : menu->Rows())
        if (row->hasFocus() && row->activeAction())
            return row->activeAction()->text();
    return {};
}

// The menu items a screen reader finds in the menu bars under iface.
void menuBarItems(QAccessibleInterface *iface, QStringList &items, int depth = 0)
{
    if (!iface || depth > 12)
        return;
    for (int k = 0; k < iface->childCount(); ++k) {
        QAccessibleInterface *child = iface->child(k);
        if (!child)
            continue;
        if (iface->role() == QAccessible::MenuBar && child->role() == QAccessible::MenuItem)
            items.append(child->text(QAccessible::Name));
        else
            menuBarItems(child, items, depth + 1);
    }
}

// Runs work on the next modal window of class T once ready says so, then
// closes it. It waits by looking again from the event loop, never by
// spinning inside work: a window that reads synchronously while it opens
// runs a loop of its own, which cannot end while a wait runs inside it.
// The looking ends with the test function or row that asked.
template <typename T>
void inNextModal(bool &shown, std::function<void(T *)> work, std::function<bool(T *)> ready = {},
    int tries = 1200)
{
    const QByteArray asker = QByteArray(QTest::currentTestFunction()) + QTest::currentDataTag();
    QTimer::singleShot(25, [&shown, work, ready, tries, asker] {
        if (QTest::currentTestFailed()
            || asker != QByteArray(QTest::currentTestFunction()) + QTest::currentDataTag())
            return;
        auto *window = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!window || (ready && !ready(window))) {
            if (tries > 0)
                inNextModal<T>(shown, work, ready, tries - 1);
            return;
        }
        shown = true;
        const auto closeWindow = qScopeGuard([window] { window->close(); });
        work(window);
    });
}

// A control whose value the operator sets.
bool editable(const QWidget *w)
{
    if (qobject_cast<const QComboBox *>(w->parentWidget())
        || qobject_cast<const QAbstractSpinBox *>(w->parentWidget()))
        return false; // part of another control
    if (auto *edit = qobject_cast<const QLineEdit *>(w))
        return !edit->isReadOnly();
    if (auto *memo = qobject_cast<const QPlainTextEdit *>(w))
        return !memo->isReadOnly();
    return qobject_cast<const QComboBox *>(w) || qobject_cast<const QCheckBox *>(w)
        || qobject_cast<const QRadioButton *>(w) || qobject_cast<const QAbstractSpinBox *>(w);
}

// The editable controls a screen reader finds without a name. A combo box
// counts as unnamed when its name is only its current text.
QStringList unnamedControls(QWidget *window)
{
    QStringList unnamed;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        // A control hidden for good (a store for a value) is neither read
        // nor changed; one in a pane or dialog not open yet is looked at.
        const bool hiddenForGood
            = w->testAttribute(Qt::WA_WState_ExplicitShowHide) && w->isHidden();
        if (!editable(w) || hiddenForGood)
            continue;
        const QString name = nameOf(w).trimmed();
        const auto *combo = qobject_cast<QComboBox *>(w);
        if (name.isEmpty() || (combo && w->accessibleName().isEmpty()))
            unnamed.append(
                QString::fromLatin1(w->metaObject()->className()) + " " + w->objectName());
    }
    return unnamed;
}

// Where two controls of a grid break the order of the focus chain: Tab
// must go left to right along a row, the rows top to bottom.
QStringList focusAgainstGrids(QWidget *window)
{
    QList<QWidget *> chain;
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if (chain.size() < 5000)
            chain.append(w);
    QStringList wrong;
    for (QGridLayout *grid : window->findChildren<QGridLayout *>()) {
        QList<std::pair<std::pair<int, int>, QWidget *>> cells;
        for (int k = 0; k < grid->count(); ++k) {
            QWidget *w = grid->itemAt(k)->widget();
            if (!w || !editable(w) || !(w->focusPolicy() & Qt::TabFocus))
                continue;
            int row = 0, column = 0, rs = 0, cs = 0;
            grid->getItemPosition(k, &row, &column, &rs, &cs);
            cells.append({{row, column}, w});
        }
        std::sort(cells.begin(), cells.end(),
            [](const auto &a, const auto &b) { return a.first < b.first; });
        for (qsizetype k = 1; k < cells.size(); ++k)
            if (chain.indexOf(cells.at(k - 1).second) > chain.indexOf(cells.at(k).second))
                wrong.append(cells.at(k - 1).second->objectName() + " > "
                    + cells.at(k).second->objectName());
    }
    return wrong;
}

// How well text stands out in a part of a picture: the colour most of its
// pixels have is the background, the text is the pixel farthest from it.
double paintedContrast(const QImage &image, const QRect &part)
{
    QHash<QRgb, int> counts;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, ContrastRatio(background, it.key()));
    return best;
}

// A field as it paints itself, inside its frame and left of any arrows.
double paintedContrast(QWidget *field)
{
    const QImage image = field->grab().toImage();
    QRect inside = image.rect().adjusted(4, 4, -4, -4);
    if (!qobject_cast<QLineEdit *>(field) && !qobject_cast<QPlainTextEdit *>(field))
        inside.setRight(inside.right() - field->height());
    return paintedContrast(image, inside);
}

// The fields of a window an operator reads or types in whose text does not
// stand out from their background: "class "name" (contrast)"; looked counts
// the fields looked at. An empty field is given a text to paint, its
// signals blocked so the window does nothing with it.
QStringList unreadableFields(QWidget *window, int &looked)
{
    QStringList unreadable;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || !w->isEnabled() || w->width() < 24 || w->height() < 12
            || qobject_cast<QComboBox *>(w->parentWidget())
            || qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
            continue;
        const QSignalBlocker quiet(w);
        if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            if (edit->text().isEmpty())
                edit->setText(QStringLiteral("HM8"));
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            if (combo->currentText().isEmpty() && combo->count() > 0)
                combo->setCurrentIndex(0);
            if (combo->currentText().isEmpty())
                continue;
        } else if (auto *memo = qobject_cast<QPlainTextEdit *>(w)) {
            if (memo->toPlainText().isEmpty())
                memo->setPlainText(QStringLiteral("HM8"));
        } else if (!qobject_cast<QAbstractSpinBox *>(w)) {
            continue;
        }
        const double ratio = paintedContrast(w);
        ++looked;
        if (ratio < ReadableContrast)
            unreadable.append(QStringLiteral("%1 \"%2\" (%3)")
                                  .arg(QLatin1String(w->metaObject()->className()),
                                      w->objectName().isEmpty() ? nameOf(w) : w->objectName())
                                  .arg(ratio, 0, 'f', 1));
    }
    return unreadable;
}

// The pixels in which two pictures of the same size differ.
int differingPixels(const QImage &a, const QImage &b)
{
    int n = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return n;
}

} // namespace

class TstOperatorAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void menuTreeSeenOnce();
    void keyboardOnly();
    void keyboardHighlightIsPainted_data();
    void keyboardHighlightIsPainted();
    void windowsNameTheirControls_data();
    void windowsNameTheirControls();
    void fieldsReadableInADarkTheme_data();
    void fieldsReadableInADarkTheme();
    void aboutPictureReadableInADarkTheme();

private:
    std::unique_ptr<TMainForm> start();
    QTemporaryDir m_dir;
    std::unique_ptr<SimulatorProcess> m_sim;
};

void TstOperatorAccess::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_dir.path()));
    m_sim
        = std::make_unique<SimulatorProcess>(QStringList {"--stack", "1:TRV-8170QL,2:TRM6140QL*"});
    QVERIFY2(m_sim->isReady(), qPrintable(m_sim->errorText()));
    QVERIFY(WriteModuleSettings(m_dir.path(), m_sim->port()));
    RegisterGeneratedWindows();
    RegisterHandLaidWindows();
}

std::unique_ptr<TMainForm> TstOperatorAccess::start()
{
    auto form = std::make_unique<TMainForm>(QStringList {"/I127.0.0.1", "/Rkestra", "/Wmarlowe"});
    form->show();
    form->activateWindow();
    return form;
}

// Through the accessibility interface the menu is one bar per row holding
// each menu once, in order: no hidden bar repeats them.
void TstOperatorAccess::menuTreeSeenOnce()
{
    auto form = start();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    auto *menu = qobject_cast<WrappingMenuBar *>(form->menuWidget());
    QVERIFY(menu);
    QVERIFY(menu->Rows().size() >= 2);
    QStringList items;
    menuBarItems(QAccessible::queryAccessibleInterface(form.get()), items);
    QCOMPARE(items, topMenus);
}

// Key presses only: into the menu, across both rows and round, "About"
// from "Help"; then Tab to the front panels, the arrows to a port of unit
// 2, Space to press it, the menu key for its port menu and its "Port
// Information Table" window.
void TstOperatorAccess::keyboardOnly()
{
    auto form = start();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    auto *menu = qobject_cast<WrappingMenuBar *>(form->menuWidget());
    QVERIFY(menu);
    QWidget *window = form.get();

    // Alt enters the first row; Right goes through every menu of both rows
    // in order and round; Left comes back; Escape leaves.
    press(window, Qt::Key_Alt);
    QCOMPARE(highlighted(menu), topMenus.first());
    QStringList visited {highlighted(menu)};
    for (qsizetype k = 1; k <= topMenus.size(); ++k) {
        press(window, Qt::Key_Right);
        visited.append(highlighted(menu));
    }
    QCOMPARE(visited, topMenus + QStringList {topMenus.first()});
    press(window, Qt::Key_Left);
    QCOMPARE(highlighted(menu), topMenus.last());
    press(window, Qt::Key_Escape);
    QCOMPARE(highlighted(menu), QString());
    press(window, Qt::Key_F10);
    QCOMPARE(highlighted(menu), topMenus.first());
    press(window, Qt::Key_Left);
    QCOMPARE(highlighted(menu), QString("Help"));
    press(window, Qt::Key_Down);
    auto *help = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(help);
    QCOMPARE(help->title(), QString("Help"));
    for (int k = 0; k < 5 && (!help->activeAction() || help->activeAction()->text() != "About");
         ++k)
        press(window, Qt::Key_Down);
    QVERIFY(help->activeAction());
    QCOMPARE(help->activeAction()->text(), QString("About"));
    bool about = false;
    inNextModal<TAboutForm>(about, [](TAboutForm *) {});
    press(window, Qt::Key_Return);
    QVERIFY(about);
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(highlighted(menu), QString());
    // The focus went back where it was; the window manager would give the
    // window back its activation after the dialog, the test does.
    QVERIFY(!qobject_cast<QMenuBar *>(window->focusWidget()));
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));

    // Tab to the first panel's tab stop, then arrows. The panels are made
    // once the unit table has been read.
    const auto unit2Shown = [&] {
        for (QAbstractButton *port : form->PortButtons())
            if (nameOf(port).startsWith("Unit 2 "))
                return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(unit2Shown(), 20000);
    for (int k = 0; k < 20 && !nameOf(QApplication::focusWidget()).startsWith("Unit "); ++k)
        press(window, Qt::Key_Tab);
    QCOMPARE(nameOf(QApplication::focusWidget()), QString("Unit 1 port 1"));
    press(window, Qt::Key_Right);
    press(window, Qt::Key_Down);
    press(window, Qt::Key_Down);
    QCOMPARE(nameOf(QApplication::focusWidget()), QString("Unit 2 port 3"));
    auto *port = qobject_cast<QAbstractButton *>(QApplication::focusWidget());
    QVERIFY(port);
    QVERIFY(!port->accessibleDescription().isEmpty());
    press(window, Qt::Key_Space);
    QVERIFY(port->isChecked());
    for (QAbstractButton *other : form->PortButtons())
        QVERIFY(other == port || !other->isChecked());

    press(window, Qt::Key_Menu);
    QTRY_COMPARE(QApplication::activePopupWidget(), form->PortInfoPopupMenu());
    press(window, Qt::Key_Down);
    QCOMPARE(form->PortInfoPopupMenu()->activeAction()->text(), QString("Port Information"));
    bool opened = false;
    QString title;
    QString instance;
    inNextModal<TConfigForm>(
        opened,
        [&](TConfigForm *config) {
            title = config->windowTitle();
            instance = config->activeRequest->request.varList.instance;
        },
        [](TConfigForm *config) { return IsIdle(*config); });
    press(window, Qt::Key_Return);
    QVERIFY(opened);
    QVERIFY2(title.startsWith("Port Information Table"), qPrintable(title));
    QCOMPARE(instance, QString::number(64 + 3));
}

void TstOperatorAccess::keyboardHighlightIsPainted_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Alt") << int(Qt::Key_Alt);
    QTest::newRow("F10") << int(Qt::Key_F10);
}

// The menu highlighted by the key is seen, not only known to the program:
// under the toolkit's own style its item paints otherwise than when the
// bar is left, over much of the item, and as before once Escape leaves.
void TstOperatorAccess::keyboardHighlightIsPainted()
{
    QFETCH(int, key);
    auto form = start();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    auto *menu = qobject_cast<WrappingMenuBar *>(form->menuWidget());
    QVERIFY(menu);
    QMenuBar *row = menu->Rows().constFirst();
    const QRect item = row->actionGeometry(row->actions().constFirst());
    const QImage plain = row->grab(item).toImage();
    press(form.get(), key);
    QCOMPARE(highlighted(menu), topMenus.first());
    const QImage lit = row->grab(item).toImage();
    press(form.get(), Qt::Key_Escape);
    QCOMPARE(highlighted(menu), QString());
    QCOMPARE(differingPixels(row->grab(item).toImage(), plain), 0);
    const int changed = differingPixels(lit, plain);
    QVERIFY2(changed >= item.width() * item.height() / 4,
        qPrintable(
            QStringLiteral("%1 of %2 pixels").arg(changed).arg(item.width() * item.height())));
}

void TstOperatorAccess::windowsNameTheirControls_data()
{
    QTest::addColumn<QStringList>("item");
    // Every window of the menu, generated or hand-laid.
    QStringList path;
    for (std::size_t k = 0; k < MainMenuTableSize; ++k) {
        const MenuEntry &entry = MainMenuTable[k];
        if (!entry.caption)
            continue;
        path = path.mid(0, entry.depth);
        path.append(QString::fromUtf8(entry.caption));
        if (entry.kind == MenuKind::Window || entry.kind == MenuKind::Generated)
            QTest::newRow(qPrintable(path.join(" > "))) << path;
    }
}

// Every control an operator can change has a name a screen reader reads,
// and Tab follows the grid the controls are laid out in. Port grid boxes
// are named by unit and port, captioned with the port alone.
void TstOperatorAccess::windowsNameTheirControls()
{
    QFETCH(QStringList, item);
    auto form = start();
    QAction *action = FindMenuAction(form->menuWidget(), item);
    QVERIFY(action && action->isEnabled());
    bool shown = false;
    QStringList unnamed;
    QStringList order;
    QStringList grids;
    const auto ready = [](QDialog *window) {
        if (auto *config = qobject_cast<TConfigForm *>(window))
            return IsIdle(*config);
        if (auto *handLaid = qobject_cast<THandLaidForm *>(window))
            return handLaid->Created() && !handLaid->AnyBusy();
        return true;
    };
    inNextModal<QDialog>(
        shown,
        [&](QDialog *window) {
            unnamed = unnamedControls(window);
            order = focusAgainstGrids(window);
            for (TStackingPortUitForm *grid : window->findChildren<TStackingPortUitForm *>()) {
                for (int k = 0; k < TStackingPortUitForm::BoxCount; ++k) {
                    QCheckBox *box = grid->PortCheckBoxes.value(k);
                    const QString expected
                        = QStringLiteral("Unit %1 port %2").arg(k / 64 + 1).arg(k % 64 + 1);
                    if (!box || nameOf(box) != expected
                        || box->text() != QString::number(k % 64 + 1))
                        grids.append(expected);
                }
            }
        },
        ready);
    action->trigger();
    QVERIFY(shown);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    QVERIFY2(order.isEmpty(), qPrintable(order.join(", ")));
    QVERIFY2(grids.isEmpty(), qPrintable(grids.mid(0, 5).join(", ")));
}

void TstOperatorAccess::fieldsReadableInADarkTheme_data()
{
    QTest::addColumn<QStringList>("item");
    QTest::addColumn<bool>("darkAtOpen");
    // Hand-laid windows, and generated ones with fields to type in and
    // read-only values.
    const QList<QStringList> windows {
        {"Layer 2 Management", "Port Management", "Port Trunk Table"},
        {"Layer 2 Management", "Port Management", "Port Mirror Table"},
        {"VLAN", "802.1Q", "802.1Q VLAN ", "Static Table"},
        {"Basic Configuration", "Time Management", "Daylight Saving Time"},
        {"Basic Configuration", "Device Management", "Device Information"},
        {"Basic Configuration", "Time Management", "Network Time"},
        {"Bridge", "Spanning Tree", "STP Control "},
    };
    for (const QStringList &path : windows) {
        QTest::addRow("%s, opened dark", qPrintable(path.join(" > "))) << path << true;
        QTest::addRow("%s, turned dark", qPrintable(path.join(" > "))) << path << false;
    }
}

// A dark desktop theme, given before the window opens or while it is open:
// every field shows its text clearly against its own background.
void TstOperatorAccess::fieldsReadableInADarkTheme()
{
    QFETCH(QStringList, item);
    QFETCH(bool, darkAtOpen);
    const QPalette light = QApplication::palette();
    const auto restore = qScopeGuard([light] { QApplication::setPalette(light); });
    if (darkAtOpen)
        QApplication::setPalette(DarkPalette());
    auto form = start();
    QAction *action = FindMenuAction(form->menuWidget(), item);
    QVERIFY(action && action->isEnabled());
    bool shown = false;
    QStringList unreadable;
    int looked = 0;
    const auto ready = [](QDialog *window) {
        if (auto *config = qobject_cast<TConfigForm *>(window))
            return IsIdle(*config);
        if (auto *handLaid = qobject_cast<THandLaidForm *>(window))
            return handLaid->Created() && !handLaid->AnyBusy();
        return true;
    };
    inNextModal<QDialog>(
        shown,
        [&](QDialog *window) {
            if (!darkAtOpen) {
                // The windows hear of the new palette from the event loop.
                QApplication::setPalette(DarkPalette());
                const QColor dark = DarkPalette().color(QPalette::Window);
                if (!QTest::qWaitFor(
                        [&] { return window->palette().color(QPalette::Window) == dark; }))
                    return;
            }
            unreadable = unreadableFields(window, looked);
        },
        ready);
    action->trigger();
    QVERIFY(shown);
    QVERIFY(looked > 0);
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(", ")));
}

// The model's name under the About box's picture is written on the
// window's background, in its text colour.
void TstOperatorAccess::aboutPictureReadableInADarkTheme()
{
    const QPalette light = QApplication::palette();
    const auto restore = qScopeGuard([light] { QApplication::setPalette(light); });
    QApplication::setPalette(DarkPalette());
    TAboutForm about;
    about.show();
    auto *picture = about.findChild<QLabel *>("Image2");
    QVERIFY(picture && picture->isVisible());
    // The picture as it shows on the window; the name is written below the
    // drawn switch front.
    const QPixmap drawn = picture->pixmap();
    QImage seen(drawn.size(), QImage::Format_ARGB32);
    seen.fill(about.palette().color(QPalette::Window));
    QPainter(&seen).drawPixmap(0, 0, drawn);
    const QRect name(0, seen.height() * 3 / 4, seen.width(), seen.height() / 4);
    const double ratio = paintedContrast(seen, name);
    QVERIFY2(ratio >= ReadableContrast, qPrintable(QString::number(ratio)));
}

QTEST_MAIN(TstOperatorAccess)
#include "tst_operatoraccess.moc"
