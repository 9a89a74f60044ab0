#pragma once

#include "CvBindingList.h"

#include <QFrame>
#include <QPointer>
#include <QString>

class CvSNMPRequest2Edits;
class QPlainTextEdit;
class QSplitter;
class QTreeWidget;
class TCtrlBtnPanel;
class TPanelContainer;

// The message panel at the bottom of a window body: a read-only memo.
class TMsgPanel : public QFrame
{
    Q_OBJECT

public:
    explicit TMsgPanel(QWidget *owner);

    QPlainTextEdit *memo = nullptr;
    static constexpr int PanelHeight = 50;
};

// The body of a generated window or row dialog: the button bar on the
// right, the message panel at the bottom and the client area in between.
// The body fills its owner.
class TSNMPPanel : public QFrame
{
    Q_OBJECT

public:
    explicit TSNMPPanel(QWidget *owner);

    // Puts a widget into the client area above the message panel.
    void SetClientWidget(QWidget *widget);

    TMsgPanel *messagePanel = nullptr;
    TCtrlBtnPanel *buttonBar = nullptr;
    QFrame *clientPanel = nullptr;
    TPanelContainer *container = nullptr;
    QPointer<QWidget> form; // the window the body is attached to
    QString title;

    // The size the window takes from this body, set by Build.
    int containerWidth = 0;
    int containerHeight = 0;

private:
    void closeForm();
    QSplitter *m_clientSplitter = nullptr;
};

// The body of a scalar window: the grid of bound controls.
class TSNMPEditorPanel : public TSNMPPanel
{
    Q_OBJECT

public:
    using TSNMPPanel::TSNMPPanel;
    virtual void Build(CvBindingList &bindings, CvSNMPRequest2Edits *request);
};

// The body of a table window: the table's list view; the bound controls
// wait in a hidden edit box for the row dialogs.
class TSNMPListViewPanel : public TSNMPPanel
{
    Q_OBJECT

public:
    using TSNMPPanel::TSNMPPanel;
    virtual void Build(CvBindingList &bindings, CvSNMPRequest2Edits *request);

    QTreeWidget *listView = nullptr;
};
