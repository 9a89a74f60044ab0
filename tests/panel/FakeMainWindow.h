#pragma once

#include "CvSNMPRequest2Edits.h"
#include "MainWindowState.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QTreeWidget>
#include <QWidget>

#include <functional>
#include <memory>

// A main window for the panels and discovery: the widgets they reach, a
// port-click handler as the main window has it, and counters of what they
// called. Badge k is a plain square of its own colour.
class FakeMainWindow : public MainWindowState
{
public:
    static constexpr int StartHeight = 180;

    FakeMainWindow();
    ~FakeMainWindow() override;

    QString AgentAddress() const override { return agentAddress; }
    QString ReadCommunity() const override { return QStringLiteral("kestra"); }
    QString WriteCommunity() const override { return QStringLiteral("marlowe"); }
    QString ConfigVersion() const override { return QStringLiteral("1"); }
    bool ConfigFound() const override { return true; }
    bool LargeFonts() const override { return largeFonts; }
    double ScaleFactor() const override { return largeFonts ? 1.25 : 1.0; }
    QString WindowTitle() const override { return title; }
    void SetWindowTitle(const QString &t) override { title = t; }
    QStringList &ModelNames() override { return modelNames; }
    QTreeWidget *UnitListView() override { return unitList; }
    CvSNMPRequest2Edits *UnitListBinding() override { return binding.get(); }
    void SetUnitListBinding(std::unique_ptr<CvSNMPRequest2Edits> b) override;
    QList<QAbstractButton *> &PortButtons() override { return portButtons; }
    QList<QWidget *> &PanelWindows() override { return panels; }
    QLabel *StatusPanel() override { return status; }
    QLabel *NotePanel() override { return note; }
    QWidget *MainWindow() override { return &window; }
    QWidget *PanelParent() override { return panelParent; }
    const QList<QPixmap> &UnitBadges() const override { return badges; }
    QMenu *PortInfoPopupMenu() override { return menu; }
    void PortButtonClick(QAbstractButton *button) override;
    void ReadRmonState() override { ++rmonReads; }
    // A plain window: the outer height as described.
    void FitClientHeight(int clientHeight) override
    {
        window.setFixedHeight(clientHeight + OuterAllowance);
    }

    // The buttons pressed now, across all panels.
    QList<QAbstractButton *> pressedButtons() const;

    QString agentAddress = QStringLiteral("127.0.0.1");
    bool largeFonts = false;
    QString title;
    QStringList modelNames;
    QWidget window;
    QWidget *panelParent = nullptr;
    QLabel *status = nullptr;
    QLabel *note = nullptr;
    QTreeWidget *unitList = nullptr;
    QMenu *menu = nullptr;
    QList<QPixmap> badges;
    QList<QAbstractButton *> portButtons;
    QList<QWidget *> panels;
    // Declared after the window that is its QObject parent, so it goes first.
    std::unique_ptr<CvSNMPRequest2Edits> binding;
    // Runs when discovery hands over the unit-list binding.
    std::function<void(CvSNMPRequest2Edits *)> onBinding;

    int rmonReads = 0;
    QList<QAbstractButton *> clicks;
};
