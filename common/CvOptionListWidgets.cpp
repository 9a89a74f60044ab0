#include "CvOptionListWidgets.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>

void FillItems(const CvOptionList &list, QComboBox *combo)
{
    combo->clear();
    combo->addItems(list.Texts());
}

void FillItems(const CvOptionList &list, QStringList &strings)
{
    strings = list.Texts();
}

static int selectionIndex(const CvOptionList &list, const QString &text)
{
    const int k = list.IndexOfText(text);
    return k >= 0 ? k : list.IndexOfValue(text);
}

void SelectInComboBox(const CvOptionList &list, QComboBox *combo, const QString &text)
{
    combo->setCurrentIndex(selectionIndex(list, text));
}

void SelectInRadioGroup(const CvOptionList &list, QButtonGroup *group, const QString &text)
{
    const int k = selectionIndex(list, text);
    QAbstractButton *button = k >= 0 ? group->button(k) : nullptr;
    if (button) {
        button->setChecked(true);
        return;
    }
    // An exclusive group will not uncheck its last button by itself.
    const bool exclusive = group->exclusive();
    group->setExclusive(false);
    for (QAbstractButton *b : group->buttons())
        b->setChecked(false);
    group->setExclusive(exclusive);
}
