#pragma once

#include <QLabel>

class QMouseEvent;

// A status-bar panel counting the changes made in this session; a click on
// it asks for the change journal.
class JournalCountLabel : public QLabel
{
    Q_OBJECT

public:
    explicit JournalCountLabel(QWidget *parent = nullptr);

signals:
    void activated();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showCount();
};
