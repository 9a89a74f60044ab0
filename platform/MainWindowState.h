#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QAbstractButton;
class QLabel;
class QMenu;
class QPixmap;
class QTreeWidget;
class QWidget;
class CvSNMPRequest2Edits;

// What the windows, panels and generated windows read of the main window.
// The main window implements it and registers itself at start-up; tests
// register a fake. Nothing below the shell includes a shell header.
class MainWindowState
{
public:
    virtual ~MainWindowState() = default;

    // The registered main window, or null.
    static MainWindowState *instance();
    static void setInstance(MainWindowState *state);

    // Start-up values.
    virtual QString AgentAddress() const = 0;
    virtual QString ReadCommunity() const = 0;
    virtual QString WriteCommunity() const = 0;
    virtual QString ConfigVersion() const = 0;
    virtual bool ConfigFound() const = 0;
    virtual bool LargeFonts() const = 0;
    virtual double ScaleFactor() const = 0;

    // The pending title of the generated window about to open.
    virtual QString WindowTitle() const = 0;
    virtual void SetWindowTitle(const QString &title) = 0;

    // The model strings that select a unit's panel.
    virtual QStringList &ModelNames() = 0;

    // The unit table of the stack and the binding that reads it.
    virtual QTreeWidget *UnitListView() = 0;
    virtual CvSNMPRequest2Edits *UnitListBinding() = 0;
    virtual void SetUnitListBinding(std::unique_ptr<CvSNMPRequest2Edits> binding) = 0;

    virtual QList<QAbstractButton *> &PortButtons() = 0;
    virtual QList<QWidget *> &PanelWindows() = 0;

    // The first status-bar panel: message target of bindings without a
    // window of their own.
    virtual QLabel *StatusPanel() = 0;
    // A status-bar panel of its own for notes that must outlast the result
    // lines of the first (every LED poll writes one there): which unit rows
    // discovery left out. Hidden while it has nothing to say.
    virtual QLabel *NotePanel() = 0;

    // The main window itself, the parent of the front panels inside it,
    // the unit-number badges and the port menu of the front panels.
    virtual QWidget *MainWindow() = 0;
    virtual QWidget *PanelParent() = 0;
    virtual const QList<QPixmap> &UnitBadges() const = 0;
    virtual QMenu *PortInfoPopupMenu() = 0;

    // The main window's handling of a click on a port button.
    virtual void PortButtonClick(QAbstractButton *button) = 0;
    virtual void ReadRmonState() = 0;

    // Fits the main window's height to the panels, clientHeight pixels from
    // the top of the first to the bottom of the last. The described outer
    // height is clientHeight + OuterAllowance (caption, menu and status
    // bar); a window that knows its own menu and status bar fits its inner
    // height to them, and to the screen.
    virtual void FitClientHeight(int clientHeight) = 0;
    static constexpr int OuterAllowance = 68;
};

// Sub-items of a row of the unit list (shown in column 1 + item; the row's
// caption is the unit id) that windows read.
inline constexpr int UnitStateItem = 0; // "exist" or "not-exist"
inline constexpr int UnitPortRangeItem = 3;
inline constexpr int UnitModelItem = 7;
