#include "TSavedSettingsForm.h"

#include "CvChangeJournal.h"
#include "CvException.h"
#include "CvJournalUndo.h"
#include "CvSnapshotReader.h"
#include "TUndoDialog.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int DifferenceRole = Qt::UserRole; // index into the comparison; -1 for a window

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(caption.chopped(caption.endsWith(QLatin1String("...")) ? 3 : 0));
    b->setAutoDefault(false);
    return b;
}

QLineEdit *fileEdit(const char *name, const QString &accessible, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setAccessibleName(accessible);
    return e;
}

// The file, written so that one holding secrets is its owner's alone from
// its first byte.
QString writeSnapshot(const CvSnapshot &s, const QString &path)
{
    QFile file(path);
    const QFile::Permissions own = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (s.secrets && file.exists() && !file.setPermissions(own))
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    const bool opened = s.secrets ? file.open(QIODevice::WriteOnly | QIODevice::Truncate, own)
                                  : file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    const QByteArray text = s.ToText();
    if (!opened || file.write(text) != text.size())
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    return {};
}

} // namespace

TSavedSettingsForm::TSavedSettingsForm(QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("SavedSettingsForm"));
    setWindowTitle(QStringLiteral("Saved Settings"));
    resize(820, 640);

    m_file = fileEdit("FileEdit", QStringLiteral("File"), this);
    m_file2 = fileEdit("SecondFileEdit", QStringLiteral("Second file"), this);
    auto *browse = button(QStringLiteral("Browse..."), "BrowseBtn", this);
    auto *browse2 = button(QStringLiteral("Browse..."), "BrowseSecondBtn", this);
    browse2->setAccessibleName(QStringLiteral("Browse for the second file"));
    m_secrets = new QCheckBox(QStringLiteral("Include communities, keys and passwords"), this);
    m_secrets->setObjectName(QStringLiteral("SecretsCheck"));
    m_secrets->setAccessibleName(m_secrets->text());
    m_save = button(QStringLiteral("Save to File"), "SaveBtn", this);
    m_stop = button(QStringLiteral("Stop"), "StopBtn", this);
    m_compareSwitch = button(QStringLiteral("Compare with Switch"), "CompareSwitchBtn", this);
    m_compareFiles = button(QStringLiteral("Compare Two Files"), "CompareFilesBtn", this);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ReadProgress"));
    m_progress->setAccessibleName(QStringLiteral("Reading the switch"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("StatusLabel"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_all = new QCheckBox(QStringLiteral("All differences"), this);
    m_all->setObjectName(QStringLiteral("AllCheck"));
    m_all->setAccessibleName(m_all->text());
    m_differences = new QTreeWidget(this);
    m_differences->setObjectName(QStringLiteral("DifferenceList"));
    m_differences->setAccessibleName(QStringLiteral("Differences by window"));
    m_differences->setHeaderLabels({QStringLiteral("Difference")});
    m_showSteps = button(QStringLiteral("Show Steps"), "StepsBtn", this);
    m_stepList = new QTreeWidget(this);
    m_stepList->setObjectName(QStringLiteral("StepList"));
    m_stepList->setAccessibleName(QStringLiteral("Restore steps in order"));
    m_stepList->setRootIsDecorated(false);
    m_stepList->setHeaderLabels({QStringLiteral("Step"), QStringLiteral("Window"),
        QStringLiteral("Set"), QStringLiteral("Result")});
    m_stepList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_restore = button(QStringLiteral("Restore"), "RestoreBtn", this);
    auto *close = button(QStringLiteral("Close"), "CloseBtn", this);

    auto *files = new QGridLayout;
    files->addWidget(new QLabel(QStringLiteral("File:"), this), 0, 0);
    files->addWidget(m_file, 0, 1);
    files->addWidget(browse, 0, 2);
    files->addWidget(new QLabel(QStringLiteral("Second file:"), this), 1, 0);
    files->addWidget(m_file2, 1, 1);
    files->addWidget(browse2, 1, 2);
    auto *actions = new QHBoxLayout;
    for (QWidget *w : {static_cast<QWidget *>(m_save), static_cast<QWidget *>(m_compareSwitch),
             static_cast<QWidget *>(m_compareFiles), static_cast<QWidget *>(m_stop)})
        actions->addWidget(w);
    actions->addStretch();
    auto *restore = new QHBoxLayout;
    restore->addWidget(m_showSteps);
    restore->addWidget(m_restore);
    restore->addStretch();
    restore->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(files);
    layout->addWidget(m_secrets);
    layout->addLayout(actions);
    layout->addWidget(m_progress);
    layout->addWidget(m_status);
    layout->addWidget(m_all);
    layout->addWidget(m_differences, 3);
    layout->addWidget(m_stepList, 2);
    layout->addLayout(restore);

    m_reader = new CvSnapshotReader(this);
    connect(m_reader, &CvSnapshotReader::Progress, this,
        [this](int done, int total, const QString &window) {
            m_progress->setMaximum(total);
            m_progress->setValue(done);
            if (!window.isEmpty())
                say(QStringLiteral("Reading %1").arg(window));
        });
    connect(m_reader, &CvSnapshotReader::Finished, this, &TSavedSettingsForm::readFinished);
    connect(browse, &QPushButton::clicked, this, [this] { this->browse(m_file, true); });
    connect(browse2, &QPushButton::clicked, this, [this] { this->browse(m_file2, false); });
    connect(m_save, &QPushButton::clicked, this, &TSavedSettingsForm::SaveBtnClick);
    connect(m_stop, &QPushButton::clicked, this, &TSavedSettingsForm::StopBtnClick);
    connect(
        m_compareSwitch, &QPushButton::clicked, this, &TSavedSettingsForm::CompareSwitchBtnClick);
    connect(m_compareFiles, &QPushButton::clicked, this, &TSavedSettingsForm::CompareFilesBtnClick);
    connect(m_showSteps, &QPushButton::clicked, this, &TSavedSettingsForm::StepsBtnClick);
    connect(m_restore, &QPushButton::clicked, this, &TSavedSettingsForm::RestoreBtnClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_all, &QCheckBox::clicked, this, &TSavedSettingsForm::tickAll);
    connect(m_differences, &QTreeWidget::itemChanged, this, &TSavedSettingsForm::itemChanged);
    setBusy(false);
}

TSavedSettingsForm::~TSavedSettingsForm() = default;

void TSavedSettingsForm::Open(QWidget *owner)
{
    TSavedSettingsForm form(owner);
    form.exec();
}

void TSavedSettingsForm::browse(QLineEdit *edit, bool forSaving)
{
    const QString filter = QStringLiteral("Saved settings (*.txt);;All files (*)");
    const QString path = forSaving
        ? QFileDialog::getSaveFileName(this, QStringLiteral("Saved Settings"), edit->text(), filter,
            nullptr, QFileDialog::DontConfirmOverwrite)
        : QFileDialog::getOpenFileName(
            this, QStringLiteral("Saved Settings"), edit->text(), filter);
    if (!path.isEmpty())
        edit->setText(path);
}

void TSavedSettingsForm::setBusy(bool busy)
{
    m_busy = busy;
    for (QWidget *w : {static_cast<QWidget *>(m_save), static_cast<QWidget *>(m_compareSwitch),
             static_cast<QWidget *>(m_compareFiles), static_cast<QWidget *>(m_showSteps),
             static_cast<QWidget *>(m_all), static_cast<QWidget *>(m_differences)})
        w->setEnabled(!busy);
    m_stop->setEnabled(busy && m_reader->IsBusy());
    m_restore->setEnabled(!busy && m_againstSwitch && !m_steps.isEmpty());
    m_progress->setVisible(busy && m_reader->IsBusy());
}

void TSavedSettingsForm::say(const QString &text)
{
    m_status->setText(text);
}

void TSavedSettingsForm::SaveBtnClick()
{
    if (m_busy)
        return;
    if (m_file->text().trimmed().isEmpty()) {
        say(QStringLiteral("Name the file to save to first."));
        return;
    }
    startRead(Purpose::Save);
}

void TSavedSettingsForm::StopBtnClick()
{
    m_reader->Cancel();
}

void TSavedSettingsForm::CompareSwitchBtnClick()
{
    if (m_busy || !loadFile(m_file->text().trimmed(), &m_saved))
        return;
    startRead(Purpose::Compare);
}

void TSavedSettingsForm::CompareFilesBtnClick()
{
    CvSnapshot later;
    if (m_busy || !loadFile(m_file->text().trimmed(), &m_saved)
        || !loadFile(m_file2->text().trimmed(), &later))
        return;
    showComparison(CompareSnapshots(m_saved, later), false);
}

bool TSavedSettingsForm::loadFile(const QString &path, CvSnapshot *into)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        say(QStringLiteral("Cannot read the file %1%2")
                .arg(path, path.isEmpty() ? QString() : QStringLiteral(": ") + file.errorString()));
        return false;
    }
    QString error;
    const std::optional<CvSnapshot> s = CvSnapshot::FromText(file.readAll(), &error);
    if (!s) {
        say(QStringLiteral("%1 is not a saved settings file: %2").arg(path, error));
        return false;
    }
    *into = *s;
    return true;
}

void TSavedSettingsForm::startRead(Purpose purpose)
{
    m_purpose = purpose;
    m_progress->setValue(0);
    // A comparison with the switch reads secrets when the file holds them.
    m_reader->Start(purpose == Purpose::Save ? m_secrets->isChecked() : m_saved.secrets);
    setBusy(m_reader->IsBusy());
}

void TSavedSettingsForm::readFinished(bool ok)
{
    setBusy(false);
    if (!ok) {
        say(m_reader->Error().isEmpty() ? QStringLiteral("Stopped; nothing was saved or compared.")
                                        : m_reader->Error());
        return;
    }
    const CvSnapshot &now = m_reader->Result();
    if (m_purpose == Purpose::Save) {
        const QString path = m_file->text().trimmed();
        const QString error = writeSnapshot(now, path);
        say(error.isEmpty()
                ? QStringLiteral("Saved %1 values to %2.").arg(now.values.size()).arg(path)
                : error);
        return;
    }
    const bool after = m_purpose == Purpose::CompareAfterRestore;
    const QString before = m_status->text();
    m_guard = SessionRestoreGuard();
    GuardManagementInterface(m_guard, now, SessionDefaults().device.address);
    showComparison(CompareSnapshots(m_saved, now), true, after);
    if (after)
        say(before + QLatin1Char(' ')
            + (m_comparison.IsEmpty() ? QStringLiteral("The switch now holds the file's values.")
                                      : QStringLiteral("Still different from the file: %1.")
                                            .arg(m_comparison.differences.size())));
}

void TSavedSettingsForm::showComparison(
    const CvSnapshotComparison &comparison, bool againstSwitch, bool keepResults)
{
    m_comparison = comparison;
    m_againstSwitch = againstSwitch;
    m_steps.clear();
    // After a restore its steps stay listed with their results.
    if (!keepResults)
        m_stepList->clear();
    m_filling = true;
    m_differences->clear();
    QTreeWidgetItem *window = nullptr;
    for (int k = 0; k < m_comparison.differences.size(); ++k) {
        const CvSnapshotDifference &d = m_comparison.differences.at(k);
        if (!window || window->text(0) != d.Window()) {
            window = new QTreeWidgetItem(m_differences, {d.Window()});
            window->setData(0, DifferenceRole, -1);
            if (againstSwitch)
                window->setFlags(
                    window->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
            window->setExpanded(true);
        }
        auto *item = new QTreeWidgetItem(window, {d.Text()});
        item->setData(0, DifferenceRole, k);
        if (!againstSwitch)
            continue; // two files: nothing to restore
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        // A row the switch holds and the file does not is removed only
        // when ticked.
        const bool removal = d.wholeRow && d.kind == CvSnapshotDifference::Kind::Added;
        item->setCheckState(0, removal ? Qt::Unchecked : Qt::Checked);
    }
    m_filling = false;
    m_all->setChecked(againstSwitch && Selection().oids.size() == m_comparison.differences.size());
    say(m_comparison.IsEmpty() ? QStringLiteral("No differences.")
                               : QStringLiteral("%1 differences in %2 windows.")
                                     .arg(m_comparison.differences.size())
                                     .arg(m_differences->topLevelItemCount()));
    setBusy(false);
}

void TSavedSettingsForm::tickAll(bool on)
{
    for (int i = 0; i < m_differences->topLevelItemCount(); ++i)
        m_differences->topLevelItem(i)->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
}

void TSavedSettingsForm::itemChanged(QTreeWidgetItem *, int)
{
    if (m_filling)
        return;
    // The steps shown belong to the ticks they were made for.
    m_steps.clear();
    m_stepList->clear();
    setBusy(m_busy);
}

CvRestoreSelection TSavedSettingsForm::Selection() const
{
    CvRestoreSelection s;
    s.all = false;
    for (int i = 0; i < m_differences->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *window = m_differences->topLevelItem(i);
        for (int j = 0; j < window->childCount(); ++j) {
            const QTreeWidgetItem *item = window->child(j);
            if (item->checkState(0) == Qt::Checked)
                s.oids.insert(
                    m_comparison.differences.at(item->data(0, DifferenceRole).toInt()).oid);
        }
    }
    return s;
}

void TSavedSettingsForm::StepsBtnClick()
{
    if (m_busy)
        return;
    if (!m_againstSwitch) {
        say(QStringLiteral("Compare a file with the switch first: a restore sends what the "
                           "switch lacks of the file."));
        return;
    }
    m_steps = PlanRestore(m_comparison, Selection(), m_guard);
    m_stepList->clear();
    for (int i = 0; i < m_steps.size(); ++i) {
        const CvRestoreStep &step = m_steps.at(i);
        auto *item = new QTreeWidgetItem(m_stepList,
            {QString::number(i + 1), step.window, step.text,
                step.access.isEmpty() ? QString()
                                      : QStringLiteral("asks first: %1").arg(step.access)});
        item->setToolTip(2, step.Bindings());
    }
    say(m_steps.isEmpty() ? QStringLiteral("Nothing ticked to restore.")
                          : QStringLiteral("%1 set requests, in this order.").arg(m_steps.size()));
    setBusy(false);
}

void TSavedSettingsForm::RestoreBtnClick()
{
    if (m_busy || m_steps.isEmpty())
        return;
    QList<CvRestoreStep> steps = m_steps;
    QStringList access;
    for (const CvRestoreStep &step : std::as_const(steps))
        if (!step.access.isEmpty())
            access << QStringLiteral("%1, %2: %3").arg(step.window, step.text, step.access);
    bool sendAccess = false;
    const QPointer<TSavedSettingsForm> self(this);
    if (!access.isEmpty()) {
        QMessageBox ask(QMessageBox::Warning, QStringLiteral("Saved Settings"),
            QStringLiteral("These steps change what this module reaches the switch through; "
                           "after them the switch may no longer answer:\n\n%1\n\nSend them too?")
                .arg(access.join(QLatin1Char('\n'))),
            QMessageBox::Yes | QMessageBox::No, this);
        ask.setObjectName(QStringLiteral("AccessConfirmation"));
        ask.setDefaultButton(QMessageBox::No);
        sendAccess = ask.exec() == QMessageBox::Yes;
        if (!self)
            return;
    }
    // Unconfirmed, the steps that change this session's access are left out,
    // with those that depend on them.
    QHash<int, QString> left;
    if (!sendAccess)
        for (const CvLeftOutStep &l : UnconfirmedSteps(steps))
            left.insert(l.step, l.why);
    QList<int> rows; // the step list's row of each step sent
    for (int i = 0; i < steps.size(); ++i)
        if (!left.contains(i))
            rows.append(i);
        else
            m_stepList->topLevelItem(i)->setText(
                3, QStringLiteral("left out: %1").arg(left.value(i)));
    QList<CvRestoreStep> sent;
    for (int i : std::as_const(rows))
        sent.append(steps.at(i));
    setBusy(true);
    say(QStringLiteral("Restoring..."));
    const CvRestoreResult result = RunRestore(
        sent,
        [self, rows](int k, const QString &error) {
            if (!self)
                return;
            self->m_stepList->topLevelItem(rows.at(k))
                ->setText(3, error.isEmpty() ? QStringLiteral("done") : error);
            self->m_stepList->scrollToItem(self->m_stepList->topLevelItem(rows.at(k)));
        },
        [self] { return !self || !self->isVisible(); });
    if (!self)
        return;
    for (int k = result.failed >= 0 ? result.failed + 1 : result.done; k < rows.size(); ++k)
        m_stepList->topLevelItem(rows.at(k))->setText(3, QStringLiteral("not sent"));
    setBusy(false);
    say(result.failed >= 0 ? QStringLiteral("Step %1 failed: %2. The steps after it were not sent.")
                                 .arg(rows.at(result.failed) + 1)
                                 .arg(result.error)
                           : QStringLiteral("%1 steps sent.").arg(result.done));
    if (result.failed >= 0)
        offerUndo(result);
    if (!self || !isVisible())
        return;
    // What the switch holds now, against the file.
    m_steps.clear();
    startRead(Purpose::CompareAfterRestore);
}

void TSavedSettingsForm::offerUndo(const CvRestoreResult &result)
{
    const CvJournalEntry *found = CvChangeJournal::Instance().Find(result.entry);
    if (!found || result.done == 0)
        return;
    const CvJournalEntry entry = *found;
    const QPointer<TSavedSettingsForm> self(this);
    QMessageBox ask(QMessageBox::Question, QStringLiteral("Saved Settings"),
        QStringLiteral("Step %1 failed: %2\n\nThe %3 steps before it were sent. Undo them?")
            .arg(result.failed + 1)
            .arg(result.error)
            .arg(result.done),
        QMessageBox::Yes | QMessageBox::No, this);
    ask.setObjectName(QStringLiteral("UndoQuestion"));
    if (ask.exec() != QMessageBox::Yes || !self)
        return;
    CvUndoPlan plan;
    try {
        plan = PlanUndo(entry);
    } catch (const CvException &e) {
        if (self)
            say(QStringLiteral("The steps sent could not be read back for the undo: %1")
                    .arg(e.message()));
        return;
    }
    if (!self || plan.items.isEmpty())
        return;
    TUndoDialog dialog(plan, this);
    if (dialog.exec() != QDialog::Accepted || !self)
        return;
    const QStringList failures = RunUndo(entry, dialog.Plan());
    if (self)
        say(failures.isEmpty()
                ? QStringLiteral("The steps sent were undone.")
                : QStringLiteral("The undo failed: %1").arg(failures.join(QStringLiteral("; "))));
}
