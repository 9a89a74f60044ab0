#include "TMainForm.h"

#include "CommandFinder.h"
#include "CvCatalogues.h"
#include "CvConnectionCheck.h"
#include "CvException.h"
#include "CvOptionList.h"
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPRequest2Leds.h"
#include "CvSNMPSession.h"
#include "ExternalView.h"
#include "GeneratedWindows.h"
#include "HelpWindow.h"
#include "JournalCountLabel.h"
#include "ModuleDirectories.h"
#include "PortButton.h"
#include "StackDiscovery.h"
#include "TAboutForm.h"
#include "TChangeJournalForm.h"
#include "TSavedSettingsForm.h"
#include "UnitBadges.h"
#include "ViewSession.h"
#include "WindowCommands.h"
#include "WrappingMenuBar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTreeWidget>

#include <algorithm>

namespace {

const CvIntOption rmonStates[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const CvOptionList &rmonStateOptions()
{
    static const CvOptionList list(rmonStates);
    return list;
}

#define PEN_OID(rest) "1.3.6.1.4.1." QT_STRINGIFY(TRV_PEN) rest
const CvSNMPVar rmonStateTable[] = {
    {PEN_OID(".11.59.8.2.1.2.3"), "Rmon State", SyntaxInteger, AccessReadWrite,
        &rmonStateOptions()},
    {},
};

QString programFileName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

} // namespace

TMainForm::TMainForm(const QStringList &parameters, QWidget *parent)
    : QMainWindow(parent)
{
    // 1. The window from its layout, every start-up text empty.
    createComponents();
    buildMenu();
    auto *finder = new CommandFinder(this, m_menu);
    finder->AddCommand(m_journalAction);
    finder->AddCommand(m_savedSettingsAction);
    MainWindowState::setInstance(this);

    // 2. The display scale.
    const QScreen *screen = QGuiApplication::primaryScreen();
    m_largeFonts = screen && qRound(screen->logicalDotsPerInch()) != 96;
    m_scaleFactor = m_largeFonts ? 1.25 : 1.0;

    // 3. Width 792; the menu may take more than one row at that width.
    setFixedWidth(792);
    setFixedHeight(innerHeight(ClientHeight));

    // 4. The request engine's session, its boots counter in the current folder.
    StartSession(QString());

    // 5, 6. Directories from the settings store, then the catalogues.
    const ModuleDirectories dirs = ReadModuleDirectories();
    m_moduleDirectory = dirs.ModuleDirectory;
    m_configDirectory = dirs.ConfigDirectory;
    LoadCatalogues(m_moduleDirectory);

    // 7. Nothing to manage without parameters.
    if (parameters.isEmpty()) {
        QMessageBox::information(nullptr, programFileName(), QStringLiteral("No parameter input"));
        m_startupEnded = true;
        return;
    }

    // 8. The parameter loop.
    ApplyParameters(parameters, m_configDirectory, m_state, SessionDefaults());

    // 9. The stack.
    DiscoverStack(*this);
    if (m_panelWindows.isEmpty())
        checkConnection();
}

TMainForm::~TMainForm()
{
    if (MainWindowState::instance() == this)
        MainWindowState::setInstance(nullptr);
    // A window destroyed without being closed ends its traffic here;
    // after a close this finds nothing left to wait for.
    endTraffic();
    releaseBinding(m_unitListBinding, true);
    releaseBinding(m_rmonStateBinding, true);
    qDeleteAll(m_panelWindows);
    m_panelWindows.clear();
}

void TMainForm::createComponents()
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("TRV-8170QL"));

    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    m_statusPanel = new QLabel(bar);
    m_statusPanel->setObjectName(QStringLiteral("StatusPanel1"));
    m_statusPanel->setMinimumWidth(50);
    bar->addWidget(m_statusPanel, 1);
    m_notePanel = new QLabel(bar);
    m_notePanel->setObjectName(QStringLiteral("NotePanel"));
    m_notePanel->setAccessibleName(QStringLiteral("Stack notes"));
    m_notePanel->hide();
    bar->addPermanentWidget(m_notePanel);
    // The count of changes of the session, beside the described panels; a
    // click opens the change journal, as Ctrl+J does.
    auto *changes = new JournalCountLabel(bar);
    changes->setObjectName(QStringLiteral("ChangeCountPanel"));
    bar->addPermanentWidget(changes);
    connect(changes, &JournalCountLabel::activated, this, &TMainForm::showJournal);
    setStatusBar(bar);
    m_journalAction = new QAction(QStringLiteral("Change Journal"), this);
    m_journalAction->setObjectName(QStringLiteral("ChangeJournalAction"));
    m_journalAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    addAction(m_journalAction);
    connect(m_journalAction, &QAction::triggered, this, &TMainForm::showJournal);
    m_savedSettingsAction = new QAction(QStringLiteral("Saved Settings"), this);
    m_savedSettingsAction->setObjectName(QStringLiteral("SavedSettingsAction"));
    m_savedSettingsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    addAction(m_savedSettingsAction);
    connect(m_savedSettingsAction, &QAction::triggered, this, &TMainForm::showSavedSettings);

    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_scrollBox->setFrameShape(QFrame::NoFrame);
    m_panelParent = new QWidget;
    m_panelParent->setObjectName(QStringLiteral("ScrollBox1Contents"));
    m_panelParent->resize(785, 135);
    m_scrollBox->setWidget(m_panelParent);
    m_scrollBox->setWidgetResizable(false);
    setCentralWidget(m_scrollBox);

    m_rmonStateLabel = new QLabel(m_panelParent);
    m_rmonStateLabel->setObjectName(QStringLiteral("ST_RmonState"));
    m_rmonStateLabel->move(40, 16);

    m_unitListView = new QTreeWidget(m_panelParent);
    m_unitListView->setObjectName(QStringLiteral("UnitListView"));
    m_unitListView->setGeometry(160, 8, 385, 17);
    m_unitListView->setRootIsDecorated(false);
    // Covered by the panels: Tab passes it by.
    m_unitListView->setFocusPolicy(Qt::NoFocus);

    m_portInfoPopupMenu = new QMenu(this);
    m_portInfoPopupMenu->setObjectName(QStringLiteral("PortInfoPopupMenu"));
    for (const char *caption : {"Port Information", "Port Configuration"}) {
        QAction *action = m_portInfoPopupMenu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(caption).remove(QLatin1Char(' ')));
        const QString target = QStringLiteral("Port menu > ") + QString::fromLatin1(caption);
        // Port Configuration on one of several ports pressed is for all of
        // them: they stay pressed.
        const bool forPressed = QLatin1String(caption) == QLatin1String("Port Configuration");
        connect(action, &QAction::triggered, this, [this, target, forPressed] {
            // The port the menu was opened on is the one pressed, as a
            // click on it would leave it.
            if (QAbstractButton *port = PopupComponent(m_portInfoPopupMenu))
                if (!forPressed || PortMenuPorts().size() < 2)
                    PortButtonClick(port);
            if (const WindowCommands::Command command = WindowCommands::Find(target))
                command();
        });
    }

    m_badges = MakeUnitBadges(14);

    // Never menuBar(): it would put a plain menu bar in place of this one.
    m_menu = new WrappingMenuBar(this);
    m_menu->setObjectName(QStringLiteral("MainMenu1"));
    setMenuWidget(m_menu);
}

void TMainForm::buildMenu()
{
    // The open submenu at each depth while the table is read in order.
    QList<QMenu *> open;
    for (std::size_t k = 0; k < MainMenuTableSize; ++k) {
        const MenuEntry &entry = MainMenuTable[k];
        open.resize(entry.depth);
        QMenu *parentMenu = entry.depth > 0 ? open.value(entry.depth - 1) : nullptr;
        if (entry.kind == MenuKind::Submenu) {
            const QString caption = QString::fromUtf8(entry.caption);
            QMenu *menu = parentMenu ? parentMenu->addMenu(caption) : m_menu->addMenu(caption);
            menu->setObjectName(caption);
            open.append(menu);
            continue;
        }
        if (!parentMenu)
            continue;
        if (entry.kind == MenuKind::Separator) {
            parentMenu->addSeparator();
            continue;
        }
        QAction *action = addCommand(parentMenu, entry);
        if (entry.kind == MenuKind::View && QByteArray(entry.arg).startsWith("/TRmon_"))
            m_rmonViewActions.append(action);
    }
}

QAction *TMainForm::addCommand(QMenu *menu, const MenuEntry &entry)
{
    QAction *action = menu->addAction(QString::fromUtf8(entry.caption));
    action->setObjectName(QString::fromUtf8(entry.caption));
    const QString arg = QString::fromUtf8(entry.arg ? entry.arg : "");
    switch (entry.kind) {
    case MenuKind::View:
        connect(action, &QAction::triggered, this, [this, arg] { ShowExternalView(arg); });
        break;
    case MenuKind::Exit:
        connect(action, &QAction::triggered, this, &QWidget::close);
        break;
    case MenuKind::Help:
        connect(action, &QAction::triggered, this, &TMainForm::showHelp);
        break;
    case MenuKind::Window:
        if (arg == QLatin1String("TAboutForm")) {
            connect(action, &QAction::triggered, this, &TMainForm::showAbout);
            break;
        }
        [[fallthrough]];
    case MenuKind::Generated: {
        // Windows of other folders are looked up when the menu is used, so
        // registration order does not matter; until one registers, the
        // item does nothing and says so by being disabled.
        const bool known = static_cast<bool>(WindowCommands::Find(arg));
        action->setEnabled(known);
        connect(action, &QAction::triggered, this, [arg] {
            if (const WindowCommands::Command command = WindowCommands::Find(arg))
                command();
        });
        break;
    }
    case MenuKind::Submenu:
    case MenuKind::Separator:
        break;
    }
    return action;
}

// The menu (in as many rows as it takes at the window's width), the client
// area and the status bar: nothing is left empty below the last panel.
int TMainForm::innerHeight(int clientHeight) const
{
    return m_menu->heightForWidth(width()) + clientHeight + statusBar()->sizeHint().height();
}

void TMainForm::FitClientHeight(int clientHeight)
{
    m_panelsHeight = clientHeight;
    fitToScreen();
}

// A stack taller than the screen: the window takes the screen's available
// height and the scroll box scrolls, so every panel and the status bar stay
// reachable. The scroll bar gets room of its own, so the panels keep their
// width. The frame counts once the window has one, from its first showing.
void TMainForm::fitToScreen()
{
    if (m_panelsHeight < 0)
        return;
    const int wanted = innerHeight(m_panelsHeight);
    const QScreen *shown = screen();
    const int room = shown
        ? shown->availableGeometry().height() - (frameGeometry().height() - geometry().height())
        : wanted;
    if (wanted <= room) {
        setFixedHeight(wanted);
        return;
    }
    const int bar = style()->pixelMetric(
        QStyle::PM_ScrollBarExtent, nullptr, m_scrollBox->verticalScrollBar());
    setFixedWidth(std::max(width(), m_panelParent->width() + bar));
    setFixedHeight(room);
}

// Centred on the screen, as laid out, once it is shown with its frame.
void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    fitToScreen();
    if (const QScreen *shown = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(shown->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TMainForm::SetUnitListBinding(std::unique_ptr<CvSNMPRequest2Edits> binding)
{
    m_unitListBinding = std::move(binding);
}

void TMainForm::PortButtonClick(QAbstractButton *button)
{
    for (QAbstractButton *b : std::as_const(m_portButtons))
        b->setChecked(false);
    if (button)
        button->setChecked(true);
}

void TMainForm::ReadRmonState()
{
    if (m_closing)
        return;
    // The read waits with the event loop running: the window may be closed
    // or destroyed meanwhile.
    const QPointer<TMainForm> self(this);
    try {
        if (!m_rmonStateBinding) {
            auto binding = std::make_unique<CvSNMPRequest2Edits>(this);
            binding->setObjectName(QStringLiteral("RmonStateBinding"));
            binding->SetVarList(rmonStateTable, SVT_SV, 0);
            binding->asynchronous = false;
            binding->BindStaticText(0, m_rmonStateLabel);
            m_rmonStateBinding = std::move(binding);
        }
        m_rmonStateBinding->Read();
    } catch (const CvException &e) {
        if (self && !m_closing)
            m_statusPanel->setText(e.message());
        return;
    }
    if (!self || m_closing)
        return;
    const QString state = m_rmonStateLabel->text();
    if (state == QLatin1String("disabled") || state == QLatin1String("enabled")) {
        for (QAction *action : std::as_const(m_rmonViewActions))
            action->setEnabled(state == QLatin1String("enabled"));
    }
}

// Discovery opened no panel: the connection check tells the operator why
// (no answer, credentials refused, or an agent of another family). Its
// diagnosis goes into the empty panel area; the status line keeps the
// catalogued text of the read that failed.
void TMainForm::checkConnection()
{
    auto *check = new CvConnectionCheck(this);
    connect(check, &CvConnectionCheck::finished, this,
        [this, check](const CvConnectionDiagnosis &result) {
            check->deleteLater();
            if (!result.diagnosis.isEmpty() && !m_closing)
                showDiagnosis(result.diagnosis);
        });
    const CvSNMPSessionDefaults &defaults = SessionDefaults();
    check->start(defaults, int(std::max<quint32>(defaults.timeout, 1) * 10));
}

void TMainForm::showDiagnosis(const QString &text)
{
    if (!m_diagnosisLabel) {
        m_diagnosisLabel = new QLabel(m_panelParent);
        m_diagnosisLabel->setObjectName(QStringLiteral("ConnectionDiagnosis"));
        m_diagnosisLabel->setAccessibleName(QStringLiteral("Connection diagnosis"));
        m_diagnosisLabel->setWordWrap(true);
        m_diagnosisLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // It takes the place of the panels, over the unit list and the RMON
        // label, which keep their data as they do under the panels.
        m_diagnosisLabel->setAutoFillBackground(true);
        m_diagnosisLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_diagnosisLabel->setContentsMargins(8, 8, 8, 8);
    }
    constexpr int coveredHeight = 64; // the unit list and the RMON label
    const int width = m_panelParent->width();
    m_diagnosisLabel->setText(text);
    m_diagnosisLabel->setGeometry(
        0, 0, width, std::max(coveredHeight, m_diagnosisLabel->heightForWidth(width)));
    m_diagnosisLabel->raise();
    m_diagnosisLabel->show();
}

void TMainForm::ShowExternalView(const QString &view)
{
    const QString status = ViewInstallationStatus();
    if (!status.isEmpty())
        m_statusPanel->setText(status);
    ViewCommand command = MakeViewCommand(view, m_state, SessionDefaults());
    StartViewCommand(command);
    WipeBytes(command.session);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    const auto answer = QMessageBox::question(nullptr, QStringLiteral("Confirm"),
        QString::fromLatin1(ExitQuestion), QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    if (answer != QMessageBox::Ok) {
        event->ignore();
        return;
    }
    m_closing = true;
    const QPointer<TMainForm> self(this);
    endTraffic();
    if (!self)
        return;
    releaseBinding(m_unitListBinding, false);
    releaseBinding(m_rmonStateBinding, false);
    event->accept();
}

// Everything that talks to the agent stops at once: the panels' poll timers
// and every binding's walk. Then one wait, bounded for all of them
// together, lets the answers in flight arrive; whatever has not come by
// then is given up, so no destructor waits for it again. The window is
// disabled meanwhile so that nothing in it starts a request.
void TMainForm::endTraffic()
{
    setEnabled(false);
    for (CvSNMPRequest2Leds *leds : findChildren<CvSNMPRequest2Leds *>())
        leds->StopPolling();
    QList<QPointer<CvSNMPRequest2Controls>> bindings;
    for (CvSNMPRequest2Controls *binding : findChildren<CvSNMPRequest2Controls *>()) {
        binding->Stop();
        bindings.append(binding);
    }
    const QDeadlineTimer deadline(CvSNMPRequest::DestroyWaitMs);
    for (const QPointer<CvSNMPRequest2Controls> &binding : std::as_const(bindings))
        if (binding)
            binding->request.WaitIdle(deadline);
    for (const QPointer<CvSNMPRequest2Controls> &binding : std::as_const(bindings))
        if (binding)
            binding->request.Abandon();
}

// A binding still inside its synchronous read (further down the stack) is
// not destroyed under it: it goes once the read has returned, and with the
// window at the latest unless detach says the window is going now.
void TMainForm::releaseBinding(std::unique_ptr<CvSNMPRequest2Edits> &binding, bool detach)
{
    if (!binding || !binding->IsBusy()) {
        binding.reset();
        return;
    }
    CvSNMPRequest2Edits *busy = binding.release();
    if (detach)
        busy->setParent(nullptr);
    busy->deleteLater();
}

// The help viewer at its contents.
void TMainForm::showHelp()
{
    HelpWindow::Show(this);
}

void TMainForm::showJournal()
{
    TChangeJournalForm::Open(this);
}

void TMainForm::showSavedSettings()
{
    TSavedSettingsForm::Open(this);
}

void TMainForm::showAbout()
{
    TAboutForm about(this);
    about.exec();
}
