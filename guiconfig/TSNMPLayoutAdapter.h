#pragma once

#include "CvBindingList.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

class CvSNMPRequest2Edits;
class QDialog;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class TCtrlBtnPanel;
class TSNMPPanel;

class TLayoutAdapter
{
public:
    virtual ~TLayoutAdapter() = default;
};

// Binds a generated window's controls to its request and carries the
// actions of its buttons: refresh, write the ticked variables, the edit and
// add dialogs of a table, delete, the include-box operations and stop. Two
// completion flags keep a second read or write from starting while one is
// outstanding.
class TSNMPLayoutAdapter : public TLayoutAdapter
{
public:
    TSNMPLayoutAdapter(CvBindingList &bindings, CvSNMPRequest2Edits *request);
    ~TSNMPLayoutAdapter() override;

    void BindControls();

    // Wiring: each stores the button and makes the action its click handler.
    void AttachRefreshButton(QPushButton *button);
    void AttachSetButton(QPushButton *button); // Edit in table windows
    void AttachSetCheckedButton(QPushButton *button);
    void AttachAddButton(QPushButton *button);
    void AttachDeleteButton(QPushButton *button);
    void AttachCheckAllButton(QPushButton *button);
    void AttachClearChecksButton(QPushButton *button);
    void AttachStopButton(QPushButton *button);
    void AttachMessageMemo(QPlainTextEdit *memo);

    void RefreshAction(QWidget *sender);
    void SetAction(QWidget *sender);
    void EditAction(QWidget *sender);
    void AddAction(QWidget *sender);
    void DeleteAction(QWidget *sender);
    void CheckAllAction(QWidget *sender);
    void CheckAllForAddAction(QWidget *sender);
    void ClearChecksAction(QWidget *sender);
    void StopAction(QWidget *sender);
    void CloseDialogAction(QWidget *sender);

    // The request's done events.
    void ReadDone();
    void WriteDone();

    // The next read selects the rows of these keys (the texts of a row's
    // index columns joined) and enables Edit and Delete as a click on them
    // does: a window opened for rows chosen elsewhere.
    void SelectRowsAfterRead(const QStringList &keys);

    qint32 deleteColumn = -1;
    qint32 createColumn = -1;
    QString createValue; // null: no rows are created
    QString deleteValue; // null: no rows are deleted
    QPointer<QPlainTextEdit> messageMemo;
    bool readComplete = false;
    bool writeComplete = true;
    QString title;
    CvBindingList &bindings;
    CvSNMPRequest2Edits *request;
    QPointer<QScrollArea> editBox;
    int layoutHeight = 0;
    int layoutWidth = 0;
    QPointer<QPushButton> refreshButton, setButton, setCheckedButton, addButton, deleteButton,
        checkAllButton, clearChecksButton, stopButton, closeButton;
    QPointer<QTreeWidget> listView;
    QPointer<QDialog> dialog;
    int indexCount = 0;

private:
    using Action = void (TSNMPLayoutAdapter::*)(QWidget *);
    void attachAction(QPointer<QPushButton> *field, QPushButton *button, Action action,
        QObject *context = nullptr);
    void attachDialogButtons(TCtrlBtnPanel *bar, QDialog *form, Action checkAll);
    void WriteChecked();
    void CloseIfDestroyed();
    QTreeWidgetItem *ReselectRow();
    QString rowKey(const QTreeWidgetItem *item) const;
    QStringList rowKeys(const QList<QTreeWidgetItem *> &rows) const;
    QTreeWidgetItem *selectRows(const QStringList &wanted);
    void reportNewRowState(const QTreeWidgetItem *row);
    void queueReadAfterWrite();
    void readAfterWrite();
    void showBusy(const QString &text);
    QList<qint32> saveFlags() const;
    void restoreFlags(const QList<qint32> &saved);

    // A row dialog: the body it shows and the edit box it borrows.
    struct DialogParts
    {
        QDialog *form = nullptr;
        TSNMPPanel *body = nullptr;
        QPointer<QWidget> editBoxParent;
    };
    DialogParts makeDialog();
    int controlsRightEdge() const;
    void lendEditBox(DialogParts &parts);
    void runDialog(DialogParts &parts);

    bool m_readAfterWrite = false;
    bool m_adding = false; // the Add dialog is open
    bool m_checkNewRow = false; // the last write made a row
    QStringList m_rowsToSelect; // by the next read: the rows written together
    bool m_enableRowButtons = false; // and Edit and Delete with them
};
