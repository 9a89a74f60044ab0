#pragma once

#include "CvEditConstraint.h"
#include "CvPartialData.h"
#include "CvSNMPRequest2Controls.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

// A window's binding object: it binds the variables of its list to the
// window's controls, fills them after a read, takes them back before a write,
// shows a table in a list view (a QTreeWidget, column 0 the caption) and
// puts the selected row into the controls.
//
// Controls by kind: QLabel (label, static text), QLineEdit (edit, one or
// several per variable), QComboBox (not editable), CvRadioGroup, QCheckBox
// (one per variable through an option list or a boolean, or one per bit of
// a bit list). The controls stay owned by the window; a control that is
// gone is skipped.
//
// The list view's selection handler is a connection to itemSelectionChanged;
// the window's own connections made before BindListView run first.
//
// A window may let the operator select several rows (extended selection).
// The controls then show what the rows have in common: a variable whose
// value differs among them shows no value (empty edits, a combo box
// without an item), which a write leaves out. WriteRows writes the
// controls to each selected row in turn.
//
// Rows read by a walk reach the list view in batches: the rows of one
// answer (a get-bulk answer holds many) in one insertion, and no more than
// one insertion every RowBatchMs, the rows of answers that come faster
// waiting for the next one; the rest at the end of the read. A QTreeWidget
// lays out all its rows after every insertion, which row by row would make
// a long walk quadratic. While the last row added is below the visible
// area, batches come every RowBatchHiddenMs instead.
class CvSNMPRequest2Edits : public CvSNMPRequest2Controls
{
    Q_OBJECT

public:
    struct Binding
    {
        qint32 varIndex = 0;
        qint32 offset = 0; // octet offset of the part shown
        qint32 subSyntax = 0; // syntax of the part
        const CvOptionList *options = nullptr; // not owned; static lists
        QList<int> bitNumbers; // check boxes of a bit list, one per control
        QList<QPointer<QWidget>> controls; // in binding order

        qint32 controlCount() const { return qint32(controls.size()); }
    };

    explicit CvSNMPRequest2Edits(QWidget *owner);
    ~CvSNMPRequest2Edits() override;

    // Read-only, whole-row selection, selection visible without focus, no
    // root decoration. When the list view has fewer columns than the list
    // asks, they are made: the hidden-column variables first, as hidden
    // columns, then the shown ones sized to their captions.
    void BindListView(QTreeWidget *listView, bool autoSelect);

    // One control showing the whole variable.
    void BindControl(int varIndex, QWidget *control);
    void BindStaticText(int varIndex, QLabel *label);
    void BindComboBox(int varIndex, QComboBox *combo);
    // One edit per specifier of format ("%i%i%i%i" takes four), with their
    // constraints; throws -522 when fewer edits are given than it asks.
    void BindEdit(int varIndex, const QString &format, QLineEdit *edit);
    void BindEdit(int varIndex, const QString &format, const QList<QLineEdit *> &edits);
    void BindEdit(int varIndex, const QString &format, std::initializer_list<QLineEdit *> edits)
    {
        BindEdit(varIndex, format, QList<QLineEdit *>(edits));
    }
    // Box k shows bit number k of bitList ("0,1,2"); port p of a port list
    // is bit p - 1. Throws -522 when fewer boxes are given than numbers.
    void BindCheckBoxList(int varIndex, const QString &bitList, const QList<QCheckBox *> &boxes);
    void BindCheckBoxes(
        int varIndex, const QString &bitList, std::initializer_list<QCheckBox *> boxes)
    {
        BindCheckBoxList(varIndex, bitList, QList<QCheckBox *>(boxes));
    }
    // The general call: a part of the variable from octet offset read by
    // subSyntax, through options (nullptr: the variable's own list when the
    // part is the whole value). second is an edit showing the rest of a
    // prefix value next to a combo box. Throws -520 for a combo box or
    // radio group without an option list, -522 for a prefix list on a
    // combo box without second.
    void BindPart(int varIndex, int offset, qint32 subSyntax, const CvOptionList *options,
        QWidget *control, QLineEdit *second = nullptr);

    // Fill or take the bindings of one variable, or of all with -1.
    void FillControls(int varIndex);
    void TakeControls(int varIndex);
    // Puts the selected row into the controls, as selecting it does: for a
    // click on the row already selected, which changes no selection.
    void ShowSelectedRow();

    // The selected rows in list order.
    QList<QTreeWidgetItem *> SelectedRows() const;
    // The selected rows hold different values of the variable (never with
    // fewer than two rows, nor for a variable that is no column).
    bool SelectedRowsDiffer(int varIndex) const;
    // A row in words, its index columns by caption: "VLAN ID 10".
    QString RowWords(const QTreeWidgetItem *row) const;

    struct RowWrite
    {
        QString row; // RowWords
        int code = 0; // engine code; 0 when the agent took it
        QString message; // the catalogued result
    };
    // Writes rows one after another, one set request each, all in one
    // operator action, and waits for each answer. Each write is the one
    // Write(false, takeControls) makes of the selected row, with the row
    // given in its place; without takeControls the variables hold the
    // row's values and prepare, when given, changes them further. Each
    // row's result goes to the message target as "row: result". An error
    // raised before a row's request goes out (a value that does not
    // convert) is thrown: nothing more is sent. The controls are not read
    // again. Returns early when the object goes or is stopped meanwhile.
    QList<RowWrite> WriteRows(const QList<QTreeWidgetItem *> &rows, bool takeControls,
        const std::function<void()> &prepare = {});

    QPointer<QTreeWidget> listView;
    bool enableOnSelect = false;
    std::vector<Binding> bindings;
    CvEditConstraint constraints;

    static constexpr int RowBatchMs = 100;
    static constexpr int RowBatchHiddenMs = 500;

protected:
    void BeginRead() override;
    void AddRow() override;
    void AnswerDone() override;
    void TakeControls() override;
    void EndRead() override;
    void ReportReadError(const CvSNMPError &error) override;
    void WriteSent() override;
    // The selection handler of the list view.
    virtual void ListViewSelectItem(QTreeWidget *sender, QTreeWidgetItem *item, bool selected);

private:
    Binding &addBinding(int varIndex, int offset, qint32 subSyntax, const CvOptionList *options);
    QList<int> columnVariables() const;
    // The variable of each column of the rows shown.
    QList<int> rowColumns() const;
    void makeColumns();
    void takeSelectedRow();
    void loadRow(const QStringList &texts);
    // Shows no value in the controls of the variables the selected rows
    // do not agree on.
    void blankDiffering();
    void blankBinding(const Binding &b);
    void setControlsEnabled(bool enabled);
    void fillBinding(const Binding &b);
    bool blankControls(const Binding &b);
    bool leftBlank(const Binding &b) const;
    // The binding shows no value anybody read or chose: a combo box or radio
    // group without an item, a check box in neither state, edits emptied by
    // the program (CvEditConstraint::Blank) and left so.
    bool showsNoChoice(const Binding &b) const;
    void refuseEmpty(const Binding &b, const CvSNMPVariable &var) const;
    CvValuePart takeBinding(const Binding &b) const;
    void flushRows();
    void leaveOutUnchosen();
    void rowTimerFired();

    QList<int> m_rowColumns; // the variable of each column, for the read running
    std::vector<std::unique_ptr<QTreeWidgetItem>> m_pendingRows;
    QTimer m_rowTimer;
    QList<int> m_leftOut; // variables the write being sent leaves out
    // The row WriteRows writes now, as its column texts: a write takes it
    // in place of the selected row.
    std::optional<QStringList> m_writeRow;
};

// The question before several selected rows are deleted, naming how many;
// true when the operator answers Yes.
bool ConfirmDeleteRows(QWidget *parent, int count);
inline constexpr const char *DeleteRowsQuestion = "Delete the %1 selected rows?";
