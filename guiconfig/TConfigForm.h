#pragma once

#include "CvBindingList.h"

#include <QDialog>
#include <QList>

#include <memory>

class CvSNMPRequest2Edits;
class TSNMPListViewPanel;
class TSNMPPanel;

// A generated configuration window: an empty modal window that builds its
// body from a binding table, once, as a scalar or a table window, and reads
// its variables when it is first activated.
class TConfigForm : public QDialog
{
    Q_OBJECT

public:
    explicit TConfigForm(QWidget *owner = nullptr);
    ~TConfigForm() override;

    // Each throws "Can not change Type of a Config Form!" when the window
    // is already configured. The window owns the request from then on.
    void ConfigureScalar(CvSNMPRequest2Edits *request, const CvBindingList &bindings);
    void ConfigureScalarAuto(CvSNMPRequest2Edits *request);
    void ConfigureTable(CvSNMPRequest2Edits *request, const CvBindingList &bindings,
        int createColumn, const QString &createValue, int deleteColumn, const QString &deleteValue);
    void ConfigureTableAuto(CvSNMPRequest2Edits *request, int createColumn,
        const QString &createValue, int deleteColumn, const QString &deleteValue);

    void ShowStopButton();
    void HideEditButton();
    void DisableRowEditing();

    // The bindings of this window, with the controls the build made.
    CvBindingList &Bindings() { return m_bindings; }
    TSNMPPanel *Body() const { return m_body; }

    quint8 configKind = 0;
    QList<CvSNMPRequest2Edits *> requests;
    CvSNMPRequest2Edits *activeRequest = nullptr;
    bool activated = false;
    TSNMPListViewPanel *tablePanel = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void done(int result) override;

private:
    void FormActivate();
    void FormClose();
    void checkUnconfigured() const;
    void attachBody(TSNMPPanel *body);
    void wireButtons();

    CvBindingList m_bindings;
    TSNMPPanel *m_body = nullptr;
    bool m_closed = false;
};
