#include "CvRadioGroup.h"

#include <QAbstractButton>
#include <QRadioButton>
#include <QVBoxLayout>

CvRadioGroup::CvRadioGroup(QWidget *parent)
    : CvRadioGroup(QString(), parent)
{
}

CvRadioGroup::CvRadioGroup(const QString &title, QWidget *parent)
    : QGroupBox(title, parent)
    , m_layout(new QVBoxLayout(this))
{
}

void CvRadioGroup::setItems(const QStringList &items)
{
    for (QAbstractButton *button : m_group.buttons()) {
        m_group.removeButton(button);
        delete button;
    }
    m_items = items;
    for (int k = 0; k < items.size(); ++k) {
        auto *button = new QRadioButton(items.at(k), this);
        m_layout->addWidget(button);
        m_group.addButton(button, k);
    }
}

void CvRadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *button = m_group.button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group does not uncheck its last button by itself.
    m_group.setExclusive(false);
    for (QAbstractButton *b : m_group.buttons())
        b->setChecked(false);
    m_group.setExclusive(true);
}

QString CvRadioGroup::selectedText() const
{
    const int k = itemIndex();
    return k >= 0 && k < m_items.size() ? m_items.at(k) : QString();
}
