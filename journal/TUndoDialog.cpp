#include "TUndoDialog.h"

#include "JournalMessages.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

TUndoDialog::TUndoDialog(CvUndoPlan plan, QWidget *owner)
    : QDialog(owner)
    , m_plan(std::move(plan))
{
    setObjectName(QStringLiteral("UndoDialog"));
    setWindowTitle(QStringLiteral("Undo Change"));
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("UndoSummary"));
    m_summary->setWordWrap(true);
    const QStringList differing = m_plan.Differing();
    m_summary->setText(differing.isEmpty() ? QString::fromLatin1(JournalMessages::StillHolds)
                                           : QString::fromLatin1(JournalMessages::HoldsOther)
                                                 .arg(differing.join(QStringLiteral(", "))));

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("UndoList"));
    m_list->setAccessibleName(QStringLiteral("Objects to set back; tick those to write"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({QStringLiteral("Object"), QStringLiteral("Now"),
        QStringLiteral("After undo"), QStringLiteral("Note")});
    for (int k = 0; k < m_plan.items.size(); ++k) {
        const CvUndoItem &u = m_plan.items.at(k);
        auto *item = new QTreeWidgetItem(m_list, {u.name, u.now, u.afterUndo, u.reason});
        item->setData(0, Qt::UserRole, k);
        if (u.Writable()) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(0, u.chosen ? Qt::Checked : Qt::Unchecked);
        } else {
            item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
            item->setForeground(0, palette().brush(QPalette::Disabled, QPalette::Text));
        }
    }
    for (int c = 0; c < m_list->columnCount() - 1; ++c)
        m_list->resizeColumnToContents(c);

    m_write = new QPushButton(QStringLiteral("Undo"), this);
    m_write->setObjectName(QStringLiteral("UndoWriteBtn"));
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_write);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(760, 300);

    m_write->setEnabled(m_plan.AnyChosen());
    connect(m_list, &QTreeWidget::itemChanged, this, &TUndoDialog::itemChanged);
    connect(m_write, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TUndoDialog::itemChanged(QTreeWidgetItem *item, int column)
{
    const int k = item->data(0, Qt::UserRole).toInt();
    if (column != 0 || k < 0 || k >= m_plan.items.size() || !m_plan.items.at(k).Writable())
        return;
    m_plan.items[k].chosen = item->checkState(0) == Qt::Checked;
    m_write->setEnabled(m_plan.AnyChosen());
}
