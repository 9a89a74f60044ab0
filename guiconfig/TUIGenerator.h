#pragma once

#include "CvBindingList.h"

#include <QList>
#include <QPointer>

class QWidget;

// Makes the controls of a generated window, one group per binding: include
// box, label and edit or combo box; a memo or a list view alone. Every
// control is owned by owner and kept, in making order, in controls.
class TUIGenerator
{
public:
    TUIGenerator(CvBindingList &bindings, QWidget *owner);
    ~TUIGenerator();

    void Generate();
    void SetParentOfAll(QWidget *parent);

    CvBindingList &bindings;
    QPointer<QWidget> owner;
    int includeBoxWidth = 20;
    QList<QPointer<QWidget>> controls;
};
