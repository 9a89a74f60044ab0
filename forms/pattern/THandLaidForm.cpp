#include "THandLaidForm.h"

#include "AccessibleNames.h"
#include "CvException.h"
#include "CvSNMPRequest2Edits.h"
#include "FocusOrder.h"
#include "LargeFonts.h"
#include "MainWindowState.h"
#include "PortListWords.h"
#include "RequestWaits.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QShowEvent>

THandLaidForm::THandLaidForm(QWidget *owner)
    : QDialog(owner)
{
}

// A window destroyed without closing (its owner went first) still ends its
// walks; the requests' own destructors wait for what is outstanding.
THandLaidForm::~THandLaidForm()
{
    for (const QPointer<CvSNMPRequest2Controls> &r : std::as_const(m_requests))
        if (r)
            r->Stop();
}

bool THandLaidForm::AnyBusy() const
{
    for (const QPointer<CvSNMPRequest2Controls> &r : m_requests)
        if (r && r->IsBusy())
            return true;
    return false;
}

QList<QPointer<CvSNMPRequest2Controls>> THandLaidForm::Requests() const
{
    return m_requests;
}

CvSNMPRequest2Edits *THandLaidForm::AddRequest(
    const CvSNMPVar *table, quint8 kind, qint32 indexCount)
{
    auto *request = new CvSNMPRequest2Edits(this);
    request->SetVarList(table, kind, indexCount);
    m_requests.append(request);
    return request;
}

bool THandLaidForm::Run(CvSNMPRequest2Controls *request, const std::function<void()> &step)
{
    const QPointer<CvSNMPRequest2Controls> target(request);
    try {
        step();
        return true;
    } catch (const CvException &e) {
        if (target)
            target->ShowError(e.message());
        return false;
    }
}

void THandLaidForm::RefuseInput(const QString &text, QWidget *focus)
{
    const QPointer<QWidget> field(focus);
    const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, this);
    box.exec();
    if (field)
        field->setFocus(Qt::OtherFocusReason);
}

void THandLaidForm::setVisible(bool visible)
{
    if (visible && !m_scaled) {
        m_scaled = true;
        ScaleForLargeFonts(*this);
    }
    QDialog::setVisible(visible);
}

void THandLaidForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_createQueued)
        return;
    m_createQueued = true;
    NameControlsByLabels(this);
    QMetaObject::invokeMethod(this, &THandLaidForm::create, Qt::QueuedConnection);
}

void THandLaidForm::create()
{
    if (m_closed)
        return;
    FormCreate();
    // Controls FormCreate made are named as well, and Tab follows the grids.
    NameControlsByLabels(this);
    OrderFocusByGrids(this);
    m_created = true;
    if (!m_closed)
        ShowPortListsInWords(m_requests);
}

void THandLaidForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void THandLaidForm::FormClose()
{
    if (m_closed)
        return;
    m_closed = true;
    for (const QPointer<CvSNMPRequest2Controls> &r : std::as_const(m_requests))
        if (r)
            r->Stop();
    int bound = 0;
    for (const QPointer<CvSNMPRequest2Controls> &r : std::as_const(m_requests))
        if (r)
            bound = qMax(bound, AnswerWaitMs(*r));
    setEnabled(false);
    WaitUntilIdle(m_requests, bound);
}
