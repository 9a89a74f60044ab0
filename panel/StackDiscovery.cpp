#include "StackDiscovery.h"

#include "CvCatalogues.h"
#include "CvException.h"
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPRequest2Leds.h"
#include "MainWindowState.h"
#include "PanelSelection.h"
#include "PortButton.h"
#include "TPanelForm.h"
#include "UnitTable.h"
#include "UnitTableBinding.h"

#include <QAbstractButton>
#include <QDeadlineTimer>
#include <QLabel>
#include <QRegularExpression>
#include <QTreeWidget>

#include <algorithm>
#include <optional>

namespace {

// Space between two panels, and what the main window needs beside them.
constexpr int PanelSpacing = 3;
constexpr int MainWindowExtraWidth = 10;

// A row caption as a unit number: decimal, optional leading blanks and
// sign, within 32 bits; anything else is the conversion error's text.
std::optional<int> unitNumber(const QString &caption)
{
    static const QRegularExpression integer(QStringLiteral("^ *[+-]?[0-9]+$"));
    if (!integer.match(caption).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = caption.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString conversionError(const QString &text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

// The unit table into the unit list, the rows of units 1 to 12 only
// (UnitTableBinding); the rows that arrive before a failure stay.
void readUnitTable(MainWindowState &main)
{
    try {
        auto binding = std::make_unique<UnitTableBinding>(main.MainWindow());
        const int waitMs = binding->ReadWaitMs();
        binding->SetMessageTarget(main.StatusPanel());
        binding->noteTarget = main.NotePanel();
        binding->BindListView(main.UnitListView(), true);
        main.SetUnitListBinding(std::move(binding));
        const QPointer<CvSNMPRequest2Edits> unitList = main.UnitListBinding();
        if (!unitList)
            return;
        // A host name is looked up without blocking, so a name that does not
        // resolve ends the walk with its first answer rather than the Read:
        // it is the same failure as an address refused at once.
        bool unresolved = false;
        const QMetaObject::Connection watch
            = QObject::connect(unitList, &CvSNMPRequest2Controls::OnReadDone, unitList,
                [&unresolved](CvSNMPRequest2Controls *, const CvSNMPError &error) {
                    unresolved = error.code == EngineCode::BadAddress;
                });
        unitList->Read();
        // Every step of the walk ends with its answer or time-out, and the
        // next one is sent before the last answer is done with: once nothing
        // is outstanding, the walk has ended. The binding bounds its steps,
        // so the walk ends within waitMs; should it not, the main window
        // still opens, with the rows read by then.
        if (unitList && !unitList->request.WaitIdle(QDeadlineTimer(waitMs)))
            unitList->Stop();
        QObject::disconnect(watch);
        if (unresolved)
            main.StatusPanel()->setText(QString::fromLatin1(UnitInformationFailed));
    } catch (const CvException &) {
        main.StatusPanel()->setText(QString::fromLatin1(UnitInformationFailed));
    }
}

void startPolling(TPanelForm &panel)
{
    CvSNMPRequest2Leds *leds = panel.LedBinding();
    if (!leds)
        return;
    try {
        leds->StartPolling(TPanelForm::PollInterval);
    } catch (const CvException &e) {
        // The panel opens with its LEDs off and keeps polling.
        leds->ShowError(e.message());
    }
}

// Puts the panel below the previous one and fits the main window to it.
void place(MainWindowState &main, TPanelForm &panel, const QWidget *previous)
{
    const int top = previous ? previous->y() + previous->height() + PanelSpacing : 0;
    panel.setGeometry(0, top, panel.Layout().width, panel.ClientHeight());
    QWidget *window = main.MainWindow();
    if (window->width() < panel.width())
        window->setFixedWidth(panel.width() + MainWindowExtraWidth);

    // The scroll box's content grows with the stack so no panel is cut off.
    QWidget *parent = main.PanelParent();
    parent->resize(std::max(parent->width(), panel.geometry().right() + 1),
        std::max(parent->height(), panel.geometry().bottom() + 1));
    main.FitClientHeight(top + panel.ClientHeight());

    panel.show();
}

// One panel per row from the first up to a "not-exist" row. False when a
// row caption was not a unit number: its text stands in the status panel.
bool openPanels(MainWindowState &main)
{
    QTreeWidget *list = main.UnitListView();
    if (!list)
        return true;
    const QWidget *previous = nullptr;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = list->topLevelItem(row);
        if (item->text(1 + UnitStateItem) == QLatin1String("not-exist"))
            break;
        const QString model = item->text(1 + UnitModelItem);
        const std::optional<int> unit = unitNumber(item->text(0));
        if (!unit) {
            main.StatusPanel()->setText(conversionError(item->text(0)));
            return false;
        }
        const int portCount = item->text(1 + UnitPortRangeItem).toInt();
        TPanelForm *panel = CreatePanel(
            SelectPanelClass(main.ModelNames(), model), model, portCount, main.PanelParent());
        panel->SetUnitNumber(*unit);
        panel->SetupLeds(main);
        panel->RegisterPortButtons(main.PortButtons());
        startPolling(*panel);
        place(main, *panel, previous);
        main.PanelWindows().append(panel);
        previous = panel;
    }
    return true;
}

} // namespace

void DiscoverStack(MainWindowState &main)
{
    try {
        main.MainWindow()->setWindowTitle(main.AgentAddress());
        main.PortButtons().clear();
        main.PanelWindows().clear();
        main.ModelNames() = PanelModelNames();

        readUnitTable(main);
        const bool allRows = openPanels(main);

        if (allRows)
            for (QAbstractButton *button : std::as_const(main.PortButtons()))
                AttachPortMenu(button, main.PortInfoPopupMenu());
        for (QAbstractButton *button : std::as_const(main.PortButtons()))
            QObject::connect(button, &QAbstractButton::clicked, button,
                [&main, button] { PortButtonClicked(main, button); });

        main.ReadRmonState();
    } catch (const CvException &e) {
        main.StatusPanel()->setText(e.message());
    }
}
