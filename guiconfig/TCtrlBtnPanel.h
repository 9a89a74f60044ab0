#pragma once

#include <QFrame>
#include <QList>

class QLabel;
#include <QPushButton>

// The vertical button bar of a generated window and of its row dialogs:
// the row count, its label and nine buttons, stacked in this order with
// hidden elements taking no room.
class TCtrlBtnPanel : public QFrame
{
    Q_OBJECT

public:
    explicit TCtrlBtnPanel(QWidget *owner);

    void Arrange();

    void HideRefresh() { hide(refreshButton); }
    void HideSet() { hide(setButton); }
    void HideSetChecked() { hide(setCheckedButton); }
    void HideAdd() { hide(addButton); }
    void HideDelete() { hide(deleteButton); }
    void HideCheckAll() { hide(checkAllButton); }
    void HideClearChecks() { hide(clearChecksButton); }
    void HideCount();
    void HideSamples();
    void HideStop() { hide(stopButton); }
    void ShowStop();
    void ShowNoWrite();
    void ShowWriteOne();
    void ShowWriteMany();
    // None, one or many writable variables: the matching Show operation.
    void ShowWriteButtons(int writable);

    QList<QWidget *> items;
    int leftMargin = 10;
    int topMargin = 10;
    QLabel *countText = nullptr;
    QLabel *samplesLabel = nullptr;
    QPushButton *refreshButton = nullptr;
    QPushButton *setButton = nullptr;
    QPushButton *setCheckedButton = nullptr;
    QPushButton *addButton = nullptr;
    QPushButton *deleteButton = nullptr;
    QPushButton *checkAllButton = nullptr;
    QPushButton *clearChecksButton = nullptr;
    QPushButton *stopButton = nullptr;
    QPushButton *closeButton = nullptr;

    static constexpr int ElementWidth = 96;
    static constexpr int ButtonHeight = 25;

private:
    QPushButton *makeButton(const char *name, const QString &caption);
    void loadGlyphs();
    void hide(QWidget *element);
};
