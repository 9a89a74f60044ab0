#include "CvSNMPRequest2Controls.h"

#include "CvCatalogues.h"
#include "CvException.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTime>

CvSNMPRequest2Controls::CvSNMPRequest2Controls(QWidget *owner)
    : QObject(owner)
    , owner(owner)
{
}

// The request's destructor waits for outstanding answers; they reach no
// completion of this object any more.
CvSNMPRequest2Controls::~CvSNMPRequest2Controls() = default;

void CvSNMPRequest2Controls::SetVarList(const CvSNMPVar *table, quint8 kind, qint32 indexCount)
{
    request.SetVarList(table, kind, indexCount);
}

void CvSNMPRequest2Controls::SetMessageTarget(QPlainTextEdit *memo)
{
    messageTarget = memo;
}

void CvSNMPRequest2Controls::SetMessageTarget(QStatusBar *statusBar)
{
    messageTarget = statusBar;
}

void CvSNMPRequest2Controls::SetMessageTarget(QLabel *panel)
{
    messageTarget = panel;
}

QString CvSNMPRequest2Controls::filterText() const
{
    if (!filterSource)
        return QString();
    return filterSource->Substitute(filterCondition, true, QLatin1Char('#'));
}

void CvSNMPRequest2Controls::rowStep(const QString &filter)
{
    if (!request.RowPasses(filter))
        return;
    AddRow();
    ++rowCount;
}

bool CvSNMPRequest2Controls::Read()
{
    if (IsBusy())
        return false;
    // Busy before anything else: clearing the list view signals a selection
    // change, and whatever that runs must find the object busy instead of
    // starting a second walk on the same request.
    reading = true;
    lastOperation = 0;
    const QPointer<CvSNMPRequest2Controls> self(this);
    QString filter;
    try {
        BeginRead();
        if (!self)
            return true;
        filter = filterText();
    } catch (const CvException &) {
        if (self)
            reading = false;
        throw;
    }
    rowCount = 0;
    m_notice.clear();
    if (asynchronous) {
        if (!request.running) {
            reading = false;
            return true;
        }
        m_filter = filter;
        try {
            startAsyncRead(true);
        } catch (const CvException &) {
            reading = false;
            throw;
        }
        return true;
    }
    // Each synchronous step runs the event loop while it waits; the window
    // may close meanwhile, so the object is checked after every step.
    try {
        if (request.varList.IsTableKind()) {
            for (bool row = request.Get(true); row && self; row = self && request.Get(false)) {
                rowStep(filter);
                if (self && !request.HasBufferedStep())
                    AnswerDone();
            }
        } else {
            request.Get(true);
            if (self)
                rowStep(filter);
        }
    } catch (const CvException &) {
        if (self) {
            reading = false;
            showNotice();
        }
        throw;
    }
    if (!self)
        return true;
    EndRead();
    reading = false;
    if (messageTarget)
        ShowError(MessageOf(EngineCode::Ok));
    showNotice();
    return true;
}

// What the walk learnt that the operator should know goes to the message
// target after the result line, where a status bar keeps it in view; an
// error line, shown after it, takes its place there.
void CvSNMPRequest2Controls::showNotice()
{
    m_notice += request.TakeNotice();
    if (m_notice.isEmpty() || !messageTarget)
        return;
    lastOperation = 0;
    ShowError(std::exchange(m_notice, QString()));
}

void CvSNMPRequest2Controls::startAsyncRead(bool first)
{
    request.GetAsync(
        [this](const CvSNMPError &error, CvSNMPVarList &) { readStep(error); }, this, first);
}

void CvSNMPRequest2Controls::readStep(const CvSNMPError &error)
{
    const QPointer<CvSNMPRequest2Controls> self(this);
    if (error.code != 0) {
        reading = false;
        showNotice();
        ReportReadError(error);
        if (self)
            emit OnReadDone(this, error);
        return;
    }
    try {
        if (!request.varList.IsTableKind()) {
            rowStep(m_filter);
        } else if (!error.finished) {
            rowStep(m_filter);
            if (!self)
                return;
            if (!error.rowsFollow)
                AnswerDone();
            if (request.running) {
                startAsyncRead(false);
                return;
            }
        }
    } catch (const CvException &e) {
        if (self)
            failRead(e);
        return;
    }
    if (!self)
        return;
    EndRead();
    reading = false;
    if (!messageTarget)
        return;
    lastOperation = 0;
    ShowError(MessageOf(EngineCode::Ok));
    showNotice();
    emit OnReadDone(this, error);
}

void CvSNMPRequest2Controls::failRead(const CvException &e)
{
    reading = false;
    lastOperation = 0;
    CvSNMPError error;
    error.code = e.code();
    error.message = e.message();
    error.finished = true;
    ReportReadError(error);
}

void CvSNMPRequest2Controls::Write(
    bool rereadAfter, bool takeControls, const QString &indexList, const QStringList *values)
{
    // A write the window makes is one operator action under its title,
    // unless the window opened a wider one (several writes of one click).
    const CvOperatorAction action(owner ? owner->window()->windowTitle() : QString());
    lastOperation = 1;
    rereadAfterWrite = rereadAfter;
    BeforeWrite();
    if (takeControls)
        TakeControls();
    ++writing;
    // What TakeControls marked for this write alone is unmarked once the
    // request has been sent or has failed.
    const QPointer<CvSNMPRequest2Controls> self(this);
    auto unmark = qScopeGuard([self] {
        if (self)
            self->WriteSent();
    });
    if (asynchronous) {
        if (!request.running) {
            --writing;
            return;
        }
        try {
            request.SetAsync(
                [this](const CvSNMPError &error, CvSNMPVarList &) { writeStep(error); }, this,
                false, indexList, values);
        } catch (const CvException &) {
            --writing;
            throw;
        }
        return;
    }
    try {
        request.Set(false, indexList, values);
    } catch (const CvException &) {
        if (self)
            --writing;
        throw;
    }
    if (!self)
        return;
    unmark.dismiss();
    WriteSent(); // before the read below
    AfterWrite();
    --writing;
    if (messageTarget)
        ShowError(MessageOf(EngineCode::Ok));
    if (request.varList.IsTableKind() && rereadAfterWrite)
        Read();
}

void CvSNMPRequest2Controls::writeStep(const CvSNMPError &error)
{
    const QPointer<CvSNMPRequest2Controls> self(this);
    if (error.code != 0) {
        --writing;
        ReportWriteError(error);
        if (self)
            emit OnWriteDone(this, error);
        return;
    }
    AfterWrite();
    --writing;
    lastOperation = 1;
    if (messageTarget)
        ShowError(MessageOf(EngineCode::Ok));
    emit OnWriteDone(this, error);
    if (!self || !request.varList.IsTableKind() || !rereadAfterWrite)
        return;
    // Completions cannot throw: a reread that fails at once is reported
    // like any failed read.
    try {
        Read();
    } catch (const CvException &e) {
        if (self)
            failRead(e);
    }
}

void CvSNMPRequest2Controls::ShowError(const QString &text)
{
    if (!messageTarget)
        return;
    const QString line = FillStatusTemplate(
        StatusTemplate(lastOperation == 1), text, request.varList.name, QTime::currentTime());
    if (auto *memo = qobject_cast<QPlainTextEdit *>(messageTarget))
        memo->appendPlainText(line);
    else if (auto *bar = qobject_cast<QStatusBar *>(messageTarget))
        bar->showMessage(line);
    else if (auto *panel = qobject_cast<QLabel *>(messageTarget))
        panel->setText(line);
}

void CvSNMPRequest2Controls::ReportReadError(const CvSNMPError &error)
{
    lastOperation = 0;
    if (messageTarget)
        ShowError(error.message);
    else
        showMessageBox(error.message);
}

void CvSNMPRequest2Controls::ReportWriteError(const CvSNMPError &error)
{
    lastOperation = 1;
    if (messageTarget)
        ShowError(error.message);
    else
        showMessageBox(error.message);
}

void CvSNMPRequest2Controls::showMessageBox(const QString &text)
{
    const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
    box.exec();
}
