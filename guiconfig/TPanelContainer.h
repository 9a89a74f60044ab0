#pragma once

#include "CvBindingList.h"

#include <QFrame>
#include <QPointer>
#include <QString>

#include <memory>

class CvSNMPRequest2Edits;
class QLabel;
class QScrollArea;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;
class TFlowLayoutManger;
class TSNMPLayoutAdapter;
class TUIGenerator;

// Holds the generated controls of a window and owns the generator, the
// layout manager and the adapter that binds them to the window's request.
class TPanelContainer : public QFrame
{
    Q_OBJECT

public:
    TPanelContainer(QWidget *owner, CvSNMPRequest2Edits *request, CvBindingList &bindings);
    ~TPanelContainer() override;

    std::unique_ptr<TUIGenerator> generator;
    std::unique_ptr<TFlowLayoutManger> layoutManager;
    std::unique_ptr<TSNMPLayoutAdapter> adapter;
    bool noEdit = false;
};

// The container of a table window: the list view fills it, and the bound
// controls sit in a hidden edit box that the row dialogs borrow.
class TPanelListViewContainer : public TPanelContainer
{
    Q_OBJECT

public:
    TPanelListViewContainer(QWidget *owner, CvSNMPRequest2Edits *request, CvBindingList &bindings);
    ~TPanelListViewContainer() override;

    // Moves every generated control into the edit box and sizes it to the
    // layout's extents.
    void FillEditBox();

    QString title;
    QTreeWidget *listView = nullptr;
    QScrollArea *editBox = nullptr;
    QSplitter *splitter = nullptr;
    QPointer<QLabel> countText;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void listClick();
    void listDoubleClick();
    void listChange();
    void showRowHint(QTreeWidgetItem *item);
};

// The hint of a list-view row: one line per column, the caption padded with
// one tab per character it is shorter than the longest caption, two
// spaces and the cell text.
QString RowHint(const QStringList &captions, const QStringList &cells);
