#include "TConfigForm.h"

#include "CvException.h"
#include "CvSNMPRequest2Edits.h"
#include "MainWindowState.h"
#include "TCtrlBtnPanel.h"
#include "TPanelContainer.h"
#include "TSNMPLayoutAdapter.h"
#include "TSNMPPanel.h"

#include <QDeadlineTimer>
#include <QEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

TConfigForm::TConfigForm(QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("ConfigForm"));
    resize(364, 317);
    QString caption = QStringLiteral("ConfigForm");
    if (MainWindowState *main = MainWindowState::instance())
        caption = main->WindowTitle() + QStringLiteral(" : ") + main->AgentAddress();
    setWindowTitle(caption);
    configKind = 0;
    activated = false;
}

TConfigForm::~TConfigForm()
{
    FormClose();
}

void TConfigForm::checkUnconfigured() const
{
    if (configKind != 0)
        throw CvException(QStringLiteral("Can not change Type of a Config Form!"), -1);
}

void TConfigForm::ConfigureScalar(CvSNMPRequest2Edits *request, const CvBindingList &bindings)
{
    checkUnconfigured();
    configKind = 1;
    m_bindings = bindings;
    requests.append(request);
    auto *body = new TSNMPEditorPanel(this);
    m_body = body;
    body->Build(m_bindings, request);
    wireButtons();
    TCtrlBtnPanel *bar = body->buttonBar;
    bar->HideCount();
    bar->HideSamples();
    bar->HideSet();
    bar->HideAdd();
    bar->HideDelete();
    attachBody(body);
    activeRequest = request;
}

void TConfigForm::ConfigureScalarAuto(CvSNMPRequest2Edits *request)
{
    ConfigureScalar(request, AutomaticBindings(request->request.varList));
}

void TConfigForm::ConfigureTable(CvSNMPRequest2Edits *request, const CvBindingList &bindings,
    int createColumn, const QString &createValue, int deleteColumn, const QString &deleteValue)
{
    checkUnconfigured();
    configKind = 2;
    m_bindings = bindings;
    requests.append(request);
    auto *body = new TSNMPListViewPanel(this);
    m_body = body;
    tablePanel = body;
    body->Build(m_bindings, request);
    TSNMPLayoutAdapter *adapter = body->container->adapter.get();
    adapter->indexCount = request->request.varList.indexCount;
    attachBody(body);
    wireButtons();
    TCtrlBtnPanel *bar = body->buttonBar;
    if (!createValue.isNull()) {
        adapter->createColumn = createColumn;
        adapter->createValue = createValue;
    } else {
        bar->HideAdd();
    }
    if (!deleteValue.isNull()) {
        adapter->deleteColumn = deleteColumn;
        adapter->deleteValue = deleteValue;
    } else {
        bar->HideDelete();
    }
    // The change journal knows a row made or removed here by these values,
    // and undoes the one with the other.
    CvSNMPRequest::RowLifecycle life;
    if (!createValue.isNull()) {
        life.createColumn = createColumn;
        life.createTexts = {createValue};
    }
    if (!deleteValue.isNull()) {
        life.removeColumn = deleteColumn;
        life.removeText = deleteValue;
    }
    request->request.rowLifecycle = life;
    bar->setButton->setText(bar->setButton->icon().isNull() ? QStringLiteral("Edit") : QString());
    activeRequest = request;
}

void TConfigForm::ConfigureTableAuto(CvSNMPRequest2Edits *request, int createColumn,
    const QString &createValue, int deleteColumn, const QString &deleteValue)
{
    ConfigureTable(request, AutomaticBindings(request->request.varList), createColumn, createValue,
        deleteColumn, deleteValue);
}

// The window takes the size its body asks for, within 800 x 550, centred on
// the main window.
void TConfigForm::attachBody(TSNMPPanel *body)
{
    body->form = this;
    resize(std::min(body->containerWidth, 800), std::min(body->containerHeight, 550));
    QWidget *main
        = MainWindowState::instance() ? MainWindowState::instance()->MainWindow() : nullptr;
    if (main)
        move(main->geometry().center() - rect().center());
}

void TConfigForm::wireButtons()
{
    TSNMPLayoutAdapter *adapter = m_body->container->adapter.get();
    TCtrlBtnPanel *bar = m_body->buttonBar;
    adapter->AttachRefreshButton(bar->refreshButton);
    adapter->AttachSetButton(bar->setButton);
    adapter->AttachSetCheckedButton(bar->setCheckedButton);
    adapter->AttachAddButton(bar->addButton);
    adapter->AttachDeleteButton(bar->deleteButton);
    adapter->AttachCheckAllButton(bar->checkAllButton);
    adapter->AttachClearChecksButton(bar->clearChecksButton);
    adapter->AttachStopButton(bar->stopButton);
    adapter->closeButton = bar->closeButton;
    adapter->AttachMessageMemo(m_body->messagePanel->memo);
}

void TConfigForm::ShowStopButton()
{
    if (tablePanel)
        tablePanel->buttonBar->ShowStop();
}

void TConfigForm::HideEditButton()
{
    if (tablePanel)
        tablePanel->buttonBar->HideSet();
}

void TConfigForm::DisableRowEditing()
{
    if (!tablePanel)
        return;
    tablePanel->buttonBar->HideSet();
    tablePanel->container->noEdit = true;
}

void TConfigForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Platforms without window activation still get the first read.
    QTimer::singleShot(0, this, &TConfigForm::FormActivate);
}

void TConfigForm::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TConfigForm::FormActivate()
{
    if (activated || m_closed || !activeRequest)
        return;
    activated = true;
    try {
        if (!activeRequest->Read() && m_body && m_body->container)
            m_body->container->adapter->readComplete = true;
    } catch (const CvException &e) {
        if (m_body && m_body->container)
            m_body->container->adapter->readComplete = true;
        activeRequest->ShowError(e.message());
    }
}

void TConfigForm::done(int result)
{
    // The close waits for answers with the event loop running.
    const QPointer<TConfigForm> self(this);
    FormClose();
    if (self)
        QDialog::done(result);
}

// Stops every request and waits, with one bound for all, until their
// answers or time-outs have come, then destroys them. The window is
// disabled meanwhile: a click would start a request again. A request still
// inside a synchronous call further down the stack goes once that call has
// returned. Nothing here may keep the window from closing.
void TConfigForm::FormClose()
{
    if (m_closed)
        return;
    m_closed = true;
    setEnabled(false);
    const QList<CvSNMPRequest2Edits *> owned = std::exchange(requests, {});
    activeRequest = nullptr;
    QList<QPointer<CvSNMPRequest2Edits>> stopping;
    for (CvSNMPRequest2Edits *request : owned) {
        request->Stop();
        stopping.append(request);
    }
    const QDeadlineTimer deadline(CvSNMPRequest::DestroyWaitMs);
    for (const QPointer<CvSNMPRequest2Edits> &request : std::as_const(stopping))
        if (request)
            request->request.WaitIdle(deadline);
    for (const QPointer<CvSNMPRequest2Edits> &request : std::as_const(stopping)) {
        if (!request)
            continue;
        request->request.Abandon();
        if (request->IsBusy())
            request->deleteLater();
        else
            delete request.data();
    }
}
