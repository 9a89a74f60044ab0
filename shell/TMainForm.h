#pragma once

#include "MainMenuTable.h"
#include "MainWindowState.h"
#include "StartupParameters.h"

#include <QList>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QStringList>

#include <memory>

class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QTreeWidget;
class CvSNMPRequest2Edits;
class WrappingMenuBar;

// The main window: all of start-up runs in its construction, then it shows
// the stack's front panels, carries the menu and keeps the state the other
// windows read.
class TMainForm : public QMainWindow, public MainWindowState
{
    Q_OBJECT

public:
    // parameters: the command line without the program name.
    explicit TMainForm(const QStringList &parameters, QWidget *parent = nullptr);
    ~TMainForm() override;

    // True when start-up ended without parameters ("No parameter input").
    bool StartupEnded() const { return m_startupEnded; }

    // MainWindowState
    QString AgentAddress() const override { return m_state.AgentAddress; }
    QString ReadCommunity() const override { return m_state.ReadCommunity; }
    QString WriteCommunity() const override { return m_state.WriteCommunity; }
    QString ConfigVersion() const override { return m_state.ConfigVersion; }
    bool ConfigFound() const override { return m_state.ConfigFound; }
    bool LargeFonts() const override { return m_largeFonts; }
    double ScaleFactor() const override { return m_scaleFactor; }
    QString WindowTitle() const override { return m_windowTitle; }
    void SetWindowTitle(const QString &title) override { m_windowTitle = title; }
    QStringList &ModelNames() override { return m_modelNames; }
    QTreeWidget *UnitListView() override { return m_unitListView; }
    CvSNMPRequest2Edits *UnitListBinding() override { return m_unitListBinding.get(); }
    void SetUnitListBinding(std::unique_ptr<CvSNMPRequest2Edits> binding) override;
    QList<QAbstractButton *> &PortButtons() override { return m_portButtons; }
    QList<QWidget *> &PanelWindows() override { return m_panelWindows; }
    QLabel *StatusPanel() override { return m_statusPanel; }
    QLabel *NotePanel() override { return m_notePanel; }
    QWidget *MainWindow() override { return this; }
    QWidget *PanelParent() override { return m_panelParent; }
    const QList<QPixmap> &UnitBadges() const override { return m_badges; }
    QMenu *PortInfoPopupMenu() override { return m_portInfoPopupMenu; }
    void PortButtonClick(QAbstractButton *button) override;
    void ReadRmonState() override;
    void FitClientHeight(int clientHeight) override;

    const StartupState &Startup() const { return m_state; }
    const QString &ModuleDirectory() const { return m_moduleDirectory; }
    const QString &ConfigDirectory() const { return m_configDirectory; }

    // Builds the command line of a standard MIB view and starts it.
    void ShowExternalView(const QString &view);

    // Shown when the operator exits; answered OK or Cancel.
    static constexpr const char *ExitQuestion = "Exit TRV-8170QL Management Module";
    // The layout's client area below the menu: 785 x 135.
    static constexpr int ClientHeight = 135;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createComponents();
    void buildMenu();
    QAction *addCommand(QMenu *menu, const MenuEntry &entry);
    void showHelp();
    void showJournal();
    void showSavedSettings();
    void showAbout();
    void checkConnection();
    void showDiagnosis(const QString &text);
    void endTraffic();
    int innerHeight(int clientHeight) const;
    void fitToScreen();
    static void releaseBinding(std::unique_ptr<CvSNMPRequest2Edits> &binding, bool detach);

    StartupState m_state;
    QString m_moduleDirectory;
    QString m_configDirectory;
    bool m_startupEnded = false;
    bool m_closing = false; // the exit was confirmed
    bool m_largeFonts = false;
    double m_scaleFactor = 1.0;
    int m_panelsHeight = -1; // the panels' client height once discovery placed them
    bool m_shown = false;
    QString m_windowTitle;
    QStringList m_modelNames;

    WrappingMenuBar *m_menu = nullptr;
    QLabel *m_statusPanel = nullptr;
    QLabel *m_notePanel = nullptr;
    QLabel *m_diagnosisLabel = nullptr; // why no panel opened, when none did
    QScrollArea *m_scrollBox = nullptr;
    QWidget *m_panelParent = nullptr;
    QLabel *m_rmonStateLabel = nullptr;
    QTreeWidget *m_unitListView = nullptr;
    QMenu *m_portInfoPopupMenu = nullptr;
    QList<QPixmap> m_badges;
    QList<QAction *> m_rmonViewActions;
    QAction *m_journalAction = nullptr; // Ctrl+J, no menu item
    QAction *m_savedSettingsAction = nullptr; // Ctrl+Shift+S, no menu item

    std::unique_ptr<CvSNMPRequest2Edits> m_unitListBinding;
    std::unique_ptr<CvSNMPRequest2Edits> m_rmonStateBinding;
    QList<QAbstractButton *> m_portButtons;
    QList<QWidget *> m_panelWindows;
};
