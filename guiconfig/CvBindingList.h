#pragma once

#include "CvFormDescriptor.h"

#include <QPointer>
#include <QString>

#include <vector>

class CvSNMPVarList;
class QCheckBox;
class QLabel;
class QWidget;

// One binding of a window being built: the static record's choices, the
// variable's label and access word, and the controls the generator made for
// it. Each build has its own list, so two windows opened from the same
// descriptor never share controls.
struct CvBoundControl
{
    qint32 controlKind = KindNone;
    QString format;
    QString label;
    qint32 access = 0;
    QString addChoice; // the option an Add dialog starts from, if any
    QPointer<QWidget> control;
    QPointer<QCheckBox> includeBox;
    QPointer<QLabel> labelControl;

    // "notaccess" or "readonly" exactly: shown, never written.
    bool isReadOnly() const
    {
        return (access & 0xFF) == AccessNotAccessible || (access & 0xFF) == AccessReadOnly;
    }
};

using CvBindingList = std::vector<CvBoundControl>;

// The records of a static table, up to its terminator.
CvBindingList BindingsFromTable(const CvControlBinding *table);

// The automatic bindings of a variable list: an edit with "%s" for every
// variable, "%i" for an integer without options, a combo box for options,
// and an unticked edit for "notaccess" and "readonly" variables (a read-only
// enumeration shows its text in an edit).
CvBindingList AutomaticBindings(const CvSNMPVarList &list);
