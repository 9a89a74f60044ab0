#pragma once

#include "CvOptionList.h"

class QButtonGroup;
class QComboBox;

// Filling and selecting controls from an option list: a control's item
// index is the entry's index.

// Clears the combo box's items and adds every entry's text in order.
void FillItems(const CvOptionList &list, QComboBox *combo);
void FillItems(const CvOptionList &list, QStringList &strings);

// Selects IndexOfText(text), else IndexOfValue(text); -1 selects nothing.
void SelectInComboBox(const CvOptionList &list, QComboBox *combo, const QString &text);
// Checks the radio button whose id in the group is that index; -1 clears.
void SelectInRadioGroup(const CvOptionList &list, QButtonGroup *group, const QString &text);
