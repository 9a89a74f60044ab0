#pragma once

#include "CvRestorePlan.h"
#include "CvSnapshot.h"
#include "CvSnapshotCompare.h"

#include <QDialog>
#include <QList>
#include <QString>

class CvSnapshotReader;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The "Saved Settings" window: saves the switch's settings to a file
// (with progress and Stop), compares a file with the switch or with a
// second file, and restores what differs. The differences are listed by
// window, each with a tick box: the window's box ticks all of its rows and
// values. "Show Steps" lists the ordered set requests for what is ticked;
// Restore sends them, one step after another, showing each result. Steps
// that change what this module reaches the switch through are sent only
// after a confirmation naming them. A failed step stops the rest and offers
// to undo those sent; afterwards the switch is compared again and what
// still differs is listed.
class TSavedSettingsForm : public QDialog
{
    Q_OBJECT

public:
    explicit TSavedSettingsForm(QWidget *owner);
    ~TSavedSettingsForm() override;

    // Opens the window over owner, modally.
    static void Open(QWidget *owner);

    void SaveBtnClick();
    void StopBtnClick();
    void CompareSwitchBtnClick();
    void CompareFilesBtnClick();
    void StepsBtnClick();
    void RestoreBtnClick();

    // A read of the switch or a restore is running.
    bool IsBusy() const { return m_busy; }
    // What the tick boxes select.
    CvRestoreSelection Selection() const;
    const CvSnapshotComparison &Comparison() const { return m_comparison; }
    const QList<CvRestoreStep> &Steps() const { return m_steps; }

private:
    enum class Purpose { Save, Compare, CompareAfterRestore };

    void browse(QLineEdit *edit, bool forSaving);
    void startRead(Purpose purpose);
    void readFinished(bool ok);
    bool loadFile(const QString &path, CvSnapshot *into);
    void showComparison(
        const CvSnapshotComparison &comparison, bool againstSwitch, bool keepResults = false);
    void tickAll(bool on);
    void itemChanged(QTreeWidgetItem *item, int column);
    void offerUndo(const CvRestoreResult &result);
    void setBusy(bool busy);
    void say(const QString &text);

    QLineEdit *m_file = nullptr;
    QLineEdit *m_file2 = nullptr;
    QCheckBox *m_secrets = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_compareSwitch = nullptr;
    QPushButton *m_compareFiles = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_status = nullptr;
    QCheckBox *m_all = nullptr;
    QTreeWidget *m_differences = nullptr;
    QPushButton *m_showSteps = nullptr;
    QTreeWidget *m_stepList = nullptr;
    QPushButton *m_restore = nullptr;

    CvSnapshotReader *m_reader = nullptr; // owned as a child
    Purpose m_purpose = Purpose::Save;
    CvSnapshot m_saved; // the file compared with the switch
    // What this session reaches the switch through, as the switch held it
    // when last read.
    CvRestoreGuard m_guard;
    CvSnapshotComparison m_comparison;
    bool m_againstSwitch = false; // the comparison can be restored
    QList<CvRestoreStep> m_steps;
    bool m_busy = false;
    bool m_filling = false; // the tree is being filled: no tick handling
};
