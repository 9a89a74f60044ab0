#pragma once

#include "CvSNMPRequest.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class CvException;
class QLabel;
class QPlainTextEdit;
class QStatusBar;

// The part of a window's binding object that runs requests: it owns one
// request, reads and writes synchronously or asynchronously, keeps the busy
// state, reports errors and writes result lines into the window's message
// target. Derived classes say what a read row and a write mean for their
// controls through the virtual hooks.
//
// The done events are the Qt signals OnReadDone and OnWriteDone, emitted
// only for asynchronous operations: OnReadDone after a read that failed or
// that ended while a message target is set (not after a row that could not
// be shown), OnWriteDone after every write.
//
// A read that arrives while the object is busy is skipped: a synchronous
// wait runs the event loop, and a poll tick or a click that re-entered the
// same object would stack waits without end on a slow agent.
class CvSNMPRequest2Controls : public QObject
{
    Q_OBJECT

public:
    // owner parents the message boxes and the controls the object creates;
    // it is also the QObject parent, so the object ends with its window.
    explicit CvSNMPRequest2Controls(QWidget *owner);
    ~CvSNMPRequest2Controls() override;

    // Installs a static variable table into the request.
    void SetVarList(const CvSNMPVar *table, quint8 kind, qint32 indexCount);

    // Where result lines go: a memo, a status bar (its simple text) or a
    // status-bar panel (a label); nullptr sends them nowhere and errors of
    // asynchronous operations to message boxes.
    void SetMessageTarget(QPlainTextEdit *memo);
    void SetMessageTarget(QStatusBar *statusBar);
    void SetMessageTarget(QLabel *panel);
    void ClearMessageTarget() { messageTarget = nullptr; }

    // Starts a read; false when it was skipped because the object is busy.
    // Synchronous reads and errors raised at once throw CvException.
    bool Read();
    // Takes the controls (with takeControls) and writes; indexList and
    // values name the variables to send, as CvSNMPRequest::Set.
    void Write(bool rereadAfter, bool takeControls, const QString &indexList = QString(),
        const QStringList *values = nullptr);

    // Fills the status-line template of lastOperation with text and the
    // list's name and writes it to the message target, if any.
    void ShowError(const QString &text);

    // A read, or a write, still waits for its answer. A write may be sent
    // while a walk runs; the object is busy until both have ended.
    bool IsBusy() const { return reading || writing > 0; }
    bool IsReading() const { return reading; }
    // Ends an asynchronous walk after its current step.
    void Stop() { request.running = false; }

    CvSNMPRequest request;
    QPointer<QWidget> owner;
    QPointer<QWidget> messageTarget; // a QPlainTextEdit, QStatusBar or QLabel
    bool asynchronous = true;
    bool reading = false;
    int writing = 0; // writes sent and not yet answered
    qint32 rowCount = 0; // rows added by the last read
    qint32 lastOperation = 0; // 0 read, 1 write: picks the status-line template
    bool rereadAfterWrite = true;
    // An optional condition over another request's variables ("#2"),
    // expanded by that request and applied to every row read.
    CvSNMPRequest *filterSource = nullptr;
    QString filterCondition;

signals:
    void OnReadDone(CvSNMPRequest2Controls *sender, const CvSNMPError &error);
    void OnWriteDone(CvSNMPRequest2Controls *sender, const CvSNMPError &error);

protected:
    // The hooks, in the order a read or write calls them.
    virtual void BeginRead() { }
    virtual void BeforeWrite() { }
    virtual void AddRow() = 0;
    virtual void TakeControls() { }
    virtual void ReportReadError(const CvSNMPError &error);
    virtual void ReportWriteError(const CvSNMPError &error);
    // The rows of one answer have all been added (a get-bulk answer holds
    // several): a list can show them in one go.
    virtual void AnswerDone() { }
    virtual void EndRead() { }
    virtual void AfterWrite() { }
    // After a write has been sent, or has failed before it could be, and
    // before its answer: for the marks TakeControls made for it alone.
    virtual void WriteSent() { }

    // The completions of the asynchronous steps.
    void readStep(const CvSNMPError &error);
    void writeStep(const CvSNMPError &error);

    // A message box with the error, the program's file name as caption.
    void showMessageBox(const QString &text);
    // An engine error that ended an asynchronous read outside the request.
    void failRead(const CvException &e);

private:
    QString filterText() const;
    void rowStep(const QString &filter);
    void startAsyncRead(bool first);
    void showNotice();

    QString m_filter; // the row filter of the running asynchronous read
    QString m_notice; // for the operator, after the read's result line
};
