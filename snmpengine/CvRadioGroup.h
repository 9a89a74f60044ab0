#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

class QVBoxLayout;

// A radio group: a framed box of radio buttons made from a list of item
// texts, one of which (or none) is selected. The id of each button in
// buttonGroup() is its item index.
class CvRadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    explicit CvRadioGroup(QWidget *parent = nullptr);
    explicit CvRadioGroup(const QString &title, QWidget *parent = nullptr);

    // Replaces the buttons; no item is selected afterwards.
    void setItems(const QStringList &items);
    QStringList items() const { return m_items; }

    // -1 when no item is selected.
    int itemIndex() const { return m_group.checkedId(); }
    void setItemIndex(int index);
    // The selected item's text, empty when none is selected.
    QString selectedText() const;

    QButtonGroup *buttonGroup() { return &m_group; }

private:
    QButtonGroup m_group;
    QVBoxLayout *m_layout;
    QStringList m_items;
};
