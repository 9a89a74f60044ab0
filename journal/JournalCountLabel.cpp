#include "JournalCountLabel.h"

#include "CvChangeJournal.h"

#include <QMouseEvent>

JournalCountLabel::JournalCountLabel(QWidget *parent)
    : QLabel(parent)
{
    setAccessibleName(QStringLiteral("Changes made in this session"));
    setAccessibleDescription(QStringLiteral("Opens the change journal"));
    setToolTip(QStringLiteral("Open the change journal (Ctrl+J)"));
    setCursor(Qt::PointingHandCursor);
    const CvChangeJournal &journal = CvChangeJournal::Instance();
    connect(&journal, &CvChangeJournal::EntryAdded, this, &JournalCountLabel::showCount);
    showCount();
}

void JournalCountLabel::showCount()
{
    setText(QStringLiteral("Changes: %1").arg(CvChangeJournal::Instance().Entries().size()));
}

void JournalCountLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit activated();
}
