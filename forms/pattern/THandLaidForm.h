#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>

#include <functional>

class CvSNMPRequest2Controls;
class CvSNMPRequest2Edits;
struct CvSNMPVar;
class QShowEvent;

// What every hand-laid window shares, whatever its pattern:
//  - FormCreate runs once the window shows, from its event loop, so the
//    waits it may start never run inside a constructor;
//  - the window owns its request objects and knows whether any is busy:
//    handlers that start a request return at once while one runs, instead of
//    a flag shared by windows that a lost answer could leave set;
//  - closing stops every request, disables the window and waits in an event
//    loop, with a bound, until each has no answer outstanding;
//  - the 1.25 scaling on screens that are not at 96 pixels per inch, done
//    as it first shows, so it opens centred over the main window;
//  - input the window refuses is answered in a modal message box and the
//    focus goes to the field named.
class THandLaidForm : public QDialog
{
    Q_OBJECT

public:
    explicit THandLaidForm(QWidget *owner);
    ~THandLaidForm() override;

    bool Created() const { return m_created; }
    bool Closed() const { return m_closed; }
    bool AnyBusy() const;
    QList<QPointer<CvSNMPRequest2Controls>> Requests() const;

    void done(int result) override;
    // Scales the window on large fonts before it first shows.
    void setVisible(bool visible) override;

protected:
    virtual void FormCreate() = 0;
    // Stops the requests and waits for their outstanding answers.
    virtual void FormClose();

    // A request owned by the window with its variable table installed.
    CvSNMPRequest2Edits *AddRequest(const CvSNMPVar *table, quint8 kind, qint32 indexCount);
    // Runs one step of a request's handling; an engine error it raises goes
    // to the request's message target. False when the step failed.
    bool Run(CvSNMPRequest2Controls *request, const std::function<void()> &step);
    void RefuseInput(const QString &text, QWidget *focus);

    void showEvent(QShowEvent *event) override;

private:
    void create();

    QList<QPointer<CvSNMPRequest2Controls>> m_requests;
    bool m_scaled = false;
    bool m_createQueued = false;
    bool m_created = false;
    bool m_closed = false;
};
