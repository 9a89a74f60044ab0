#include "CvBindingList.h"

#include "CvSNMPVarList.h"

CvBindingList BindingsFromTable(const CvControlBinding *table)
{
    CvBindingList list;
    for (const CvControlBinding *r = table; r && r->variable && r->controlKind != KindNone; ++r) {
        CvBoundControl b;
        b.controlKind = r->controlKind;
        b.format = QString::fromLatin1(r->format ? r->format : "%s");
        b.label = QString::fromUtf8(r->variable->label ? r->variable->label : "");
        b.access = r->variable->access;
        b.addChoice = QString::fromUtf8(r->addChoice);
        list.push_back(std::move(b));
    }
    return list;
}

CvBindingList AutomaticBindings(const CvSNMPVarList &vars)
{
    CvBindingList list;
    for (int i = 0; i < vars.Count(); ++i) {
        const CvSNMPVariable &v = vars.Var(i);
        CvBoundControl b;
        b.controlKind = KindEdit;
        b.format = QStringLiteral("%s");
        if (v.syntax == SyntaxInteger && !v.options)
            b.format = QStringLiteral("%i");
        if (v.options)
            b.controlKind = KindComboBox;
        b.label = v.label;
        b.access = v.access;
        if (b.isReadOnly())
            b.controlKind = KindEditUnticked;
        list.push_back(std::move(b));
    }
    return list;
}
