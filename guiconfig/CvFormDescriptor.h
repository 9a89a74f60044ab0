#pragma once

#include "CvSNMPVar.h"

#include <QList>
#include <QString>

// How a generated window shows one variable of its list.
enum CvControlKind : qint32 {
    KindNone = 0, // the terminator
    KindEdit = 1, // include box (ticked), label, edit
    KindComboBox = 2, // include box (ticked), label, combo box
    KindMemo = 3, // a memo that becomes the message target
    KindEditUnticked = 4, // include box (unticked), label, edit
    KindListView = 5, // a list view bound to the whole list
};

// One record of a window's static control-binding table, parallel to its
// variable table: record i shows variable i. Tables are arrays ended by {}.
// Whether a control is read-only follows the variable's access word, not
// the kind.
struct CvControlBinding
{
    qint32 controlKind = KindNone;
    const char *format = nullptr; // edit format specifier; "%s" for combo boxes
    const CvSNMPVar *variable = nullptr; // record of the variable table; null ends
    // The option an Add dialog starts from for a column that has no default
    // on the agent; null: nothing is chosen.
    const char *addChoice = nullptr;
};

// Changes a menu command makes after the window is built. Lengths marked
// scaled are multiplied by the main window's display scale and truncated.
enum CvAdjustFlag : quint32 {
    AdjustStop = 0x01, // show the Stop button
    AdjustEditHidden = 0x02, // hide Edit; a double-click still edits
    AdjustNoRowEdit = 0x04, // hide Edit and ignore double-clicks
    AdjustCaption = 0x08, // the caption is the title alone
    AdjustCloseHook = 0x10, // closing re-reads the main window's RMON state
    AdjustNoteLabel = 0x20, // the spanning-tree timer note under record 6
    AdjustFirstTwoControls = 0x40, // records 0 and 1: 5 right, 142 wide; H+50, W+30
};

struct CvAdjustments
{
    qint32 height = 0; // set the window height (0: keep)
    bool heightScaled = false;
    qint32 heightPlus = 0; // scaled
    qint32 widthPlus = 0; // scaled
    qint32 controlsPlus = 0; // every bound control made wider
    bool controlsScaled = false;
    quint32 flags = 0; // CvAdjustFlag
};

// Everything a menu command needs to open one generated window. Arrays of
// descriptors end with {} (menuPath null).
struct CvFormDescriptor
{
    const char *menuPath = nullptr; // "Bridge > Spanning Tree > STP Control"
    const char *title = nullptr;
    const CvSNMPVar *variables = nullptr;
    quint8 listKind = SVT_SV;
    qint32 indexCount = 0;
    const CvControlBinding *bindings = nullptr; // null: automatic bindings
    qint32 createColumn = -1;
    const char *createValue = nullptr; // null: the window creates no rows
    qint32 deleteColumn = -1;
    const char *deleteValue = nullptr; // null: the window deletes no rows
    CvAdjustments adjust {};
};

// Every descriptor of the catalogue, menu by menu in menu order, the port
// menu of the front panels last.
QList<const CvFormDescriptor *> AllFormDescriptors();
const CvFormDescriptor *FindFormDescriptor(const QString &menuPath);
