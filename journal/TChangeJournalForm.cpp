#include "TChangeJournalForm.h"

#include "CvException.h"
#include "CvJournalUndo.h"
#include "JournalMessages.h"
#include "TUndoDialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int EntryRole = Qt::UserRole;
constexpr int RowRole = Qt::UserRole + 1; // the object's place in its entry; -1 for all

// The toolkit's file dialog keeps its state in a settings file under the
// home folder, even when it is cancelled. The journal writes nothing the
// operator did not ask for, so while the dialog exists its settings go to
// a temporary folder that is removed with this guard.
class FileDialogSettingsAside
{
public:
    FileDialogSettingsAside()
    {
        for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, m_dir.path());
    }
    ~FileDialogSettingsAside()
    {
        const QString standard
            = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, standard);
    }
    FileDialogSettingsAside(const FileDialogSettingsAside &) = delete;
    FileDialogSettingsAside &operator=(const FileDialogSettingsAside &) = delete;

private:
    QTemporaryDir m_dir;
};

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QString commonInstance(const CvJournalEntry &entry)
{
    const QList<const CvJournalObject *> objects = entry.Objects();
    for (const CvJournalObject *o : objects)
        if (o->instance != objects.first()->instance)
            return QString();
    return objects.isEmpty() ? QString() : objects.first()->instance;
}

} // namespace

TChangeJournalForm::TChangeJournalForm(QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("ChangeJournalForm"));
    setWindowTitle(QStringLiteral("Change Journal"));
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("FilterEdit"));
    m_filter->setPlaceholderText(QStringLiteral("Filter"));
    m_filter->setAccessibleName(QStringLiteral("Show the changes holding this text"));
    m_filter->setClearButtonEnabled(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("JournalList"));
    m_list->setAccessibleName(QStringLiteral("Changes of this session, newest first"));
    m_list->setColumnCount(int(JournalColumns().size()));
    m_list->setHeaderLabels(JournalColumns());
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->header()->setStretchLastSection(true);

    m_undo = button(QStringLiteral("Undo..."), "UndoBtn", this);
    m_copy = button(QStringLiteral("Copy"), "CopyBtn", this);
    m_saveAs = button(QStringLiteral("Save As..."), "SaveAsBtn", this);
    QPushButton *close = button(QStringLiteral("Close"), "CloseBtn", this);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {m_undo, m_copy, m_saveAs})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_filter);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(900, 420);

    auto *copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    addAction(copy);
    connect(copy, &QAction::triggered, this, &TChangeJournalForm::CopyBtnClick);
    connect(m_undo, &QPushButton::clicked, this, &TChangeJournalForm::UndoBtnClick);
    connect(m_copy, &QPushButton::clicked, this, &TChangeJournalForm::CopyBtnClick);
    connect(m_saveAs, &QPushButton::clicked, this, &TChangeJournalForm::SaveAsBtnClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_filter, &QLineEdit::textChanged, this, &TChangeJournalForm::applyFilter);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &TChangeJournalForm::updateButtons);
    const CvChangeJournal &journal = CvChangeJournal::Instance();
    connect(&journal, &CvChangeJournal::EntryAdded, this, &TChangeJournalForm::refill);
    connect(&journal, &CvChangeJournal::EntryChanged, this, &TChangeJournalForm::refill);
    refill();
}

TChangeJournalForm::~TChangeJournalForm() = default;

void TChangeJournalForm::Open(QWidget *owner)
{
    TChangeJournalForm form(owner);
    form.exec();
}

void TChangeJournalForm::fillEntry(QTreeWidgetItem *item, const CvJournalEntry &entry)
{
    const QList<CvJournalRow> rows = JournalRows(entry);
    item->setData(0, EntryRole, entry.id);
    item->setData(0, RowRole, rows.size() == 1 ? 0 : -1);
    if (rows.size() == 1) {
        const QStringList cells = rows.first().Cells();
        for (int c = 0; c < cells.size(); ++c)
            item->setText(c, cells.at(c));
        return;
    }
    const QString instance = commonInstance(entry);
    const QString objects = QStringLiteral("%1 objects").arg(rows.size());
    item->setText(0, JournalTime(entry.time));
    item->setText(1, JournalWindow(entry));
    item->setText(
        2, instance.isEmpty() ? objects : QStringLiteral("%1 (%2)").arg(objects, instance));
    item->setText(5, entry.Result());
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList cells = rows.at(r).Cells();
        auto *child = new QTreeWidgetItem(item);
        child->setData(0, EntryRole, entry.id);
        child->setData(0, RowRole, r);
        for (int c = 2; c < cells.size(); ++c)
            child->setText(c, cells.at(c));
    }
}

// The list is made again from the journal, which is small; the selected
// entry and the unfolded ones stay so.
void TChangeJournalForm::refill()
{
    const int selected = SelectedEntry();
    QList<int> expanded;
    for (int k = 0; k < m_list->topLevelItemCount(); ++k)
        if (m_list->topLevelItem(k)->isExpanded())
            expanded.append(m_list->topLevelItem(k)->data(0, EntryRole).toInt());
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    const QList<CvJournalEntry> &entries = CvChangeJournal::Instance().Entries();
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
        auto *item = new QTreeWidgetItem(m_list);
        fillEntry(item, *it);
        item->setExpanded(expanded.contains(it->id));
        if (it->id == selected)
            m_list->setCurrentItem(item);
    }
    for (int c = 0; c < m_list->columnCount() - 1; ++c)
        m_list->resizeColumnToContents(c);
    applyFilter();
    updateButtons();
}

void TChangeJournalForm::applyFilter()
{
    const QString text = m_filter->text().trimmed();
    for (int k = 0; k < m_list->topLevelItemCount(); ++k) {
        QTreeWidgetItem *item = m_list->topLevelItem(k);
        const CvJournalEntry *entry
            = CvChangeJournal::Instance().Find(item->data(0, EntryRole).toInt());
        bool shown = text.isEmpty();
        if (entry && !shown)
            for (const CvJournalRow &row : JournalRows(*entry))
                shown = shown
                    || row.Cells().join(QLatin1Char('\t')).contains(text, Qt::CaseInsensitive);
        item->setHidden(!shown);
    }
}

void TChangeJournalForm::updateButtons()
{
    m_undo->setEnabled(!m_busy && SelectedEntry() != 0);
    m_copy->setEnabled(m_list->topLevelItemCount() > 0);
    m_saveAs->setEnabled(m_list->topLevelItemCount() > 0);
}

// The row last clicked when it is selected, else the first selected.
int TChangeJournalForm::SelectedEntry() const
{
    const QTreeWidgetItem *current = m_list->currentItem();
    if (current && current->isSelected())
        return current->data(0, EntryRole).toInt();
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? 0 : selected.first()->data(0, EntryRole).toInt();
}

QList<CvJournalRow> TChangeJournalForm::RowsToCopy() const
{
    QList<CvJournalRow> rows;
    const bool all = m_list->selectedItems().isEmpty();
    for (int k = 0; k < m_list->topLevelItemCount(); ++k) {
        const QTreeWidgetItem *item = m_list->topLevelItem(k);
        if (item->isHidden())
            continue;
        const CvJournalEntry *entry
            = CvChangeJournal::Instance().Find(item->data(0, EntryRole).toInt());
        if (!entry)
            continue;
        const QList<CvJournalRow> entryRows = JournalRows(*entry);
        for (int r = 0; r < entryRows.size(); ++r) {
            const QTreeWidgetItem *child = item->childCount() > r ? item->child(r) : nullptr;
            if (all || item->isSelected() || (child && child->isSelected()))
                rows.append(entryRows.at(r));
        }
    }
    return rows;
}

void TChangeJournalForm::CopyBtnClick()
{
    const QList<CvJournalRow> rows = RowsToCopy();
    if (!rows.isEmpty())
        QApplication::clipboard()->setText(JournalTsv(rows));
}

void TChangeJournalForm::SaveAsBtnClick()
{
    QString file;
    bool json = false;
    {
        const FileDialogSettingsAside aside;
        QFileDialog dialog(this, QStringLiteral("Save Change Journal"));
        dialog.setObjectName(QStringLiteral("SaveJournalDialog"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        const QString csv = QString::fromLatin1(CsvFilter);
        const QString jsonFilter = QString::fromLatin1(JsonFilter);
        dialog.setNameFilters({csv, jsonFilter});
        dialog.setDefaultSuffix(QStringLiteral("csv"));
        connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog, jsonFilter](const QString &f) {
                dialog.setDefaultSuffix(
                    f == jsonFilter ? QStringLiteral("json") : QStringLiteral("csv"));
            });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        file = dialog.selectedFiles().first();
        const QString suffix = QFileInfo(file).suffix().toLower();
        json = suffix == QLatin1String("json")
            || (suffix != QLatin1String("csv") && dialog.selectedNameFilter() == jsonFilter);
    }
    saveTo(file, json);
}

void TChangeJournalForm::saveTo(const QString &file, bool json)
{
    const QList<CvJournalEntry> &entries = CvChangeJournal::Instance().Entries();
    QSaveFile out(file);
    if (out.open(QIODevice::WriteOnly)) {
        out.write(json ? JournalJson(entries) : JournalCsv(JournalRows(entries)));
        if (out.commit())
            return;
    }
    showMessage(QString::fromLatin1(JournalMessages::SaveFailed).arg(file, out.errorString()));
}

void TChangeJournalForm::showMessage(const QString &text)
{
    const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, this);
    box.exec();
}

// Reads the selected change's objects, says what an undo would write and
// writes it on the operator's word. The reads and writes wait with the
// event loop running: the window may close meanwhile.
void TChangeJournalForm::UndoBtnClick()
{
    const CvJournalEntry *found = CvChangeJournal::Instance().Find(SelectedEntry());
    if (!found || m_busy)
        return;
    if (found->Waiting()) {
        showMessage(QString::fromLatin1(JournalMessages::StillWaiting));
        return;
    }
    // The journal grows while the undo waits: the entry is copied.
    const CvJournalEntry entry = *found;
    const QPointer<TChangeJournalForm> self(this);
    m_busy = true;
    updateButtons();
    const auto done = qScopeGuard([self] {
        if (!self)
            return;
        self->m_busy = false;
        self->updateButtons();
    });
    CvUndoPlan plan;
    try {
        plan = PlanUndo(entry);
    } catch (const CvException &e) {
        if (self)
            showMessage(QString::fromLatin1(JournalMessages::ReadFailed).arg(e.message()));
        return;
    }
    if (!self)
        return;
    if (plan.items.isEmpty()) {
        showMessage(QString::fromLatin1(JournalMessages::NothingTaken));
        return;
    }
    const bool writable = std::any_of(plan.items.cbegin(), plan.items.cend(),
        [](const CvUndoItem &item) { return item.Writable(); });
    if (!writable) {
        QStringList reasons;
        bool allAsBefore = true;
        for (const CvUndoItem &item : std::as_const(plan.items)) {
            reasons.append(QStringLiteral("%1: %2").arg(item.name, item.reason));
            allAsBefore = allAsBefore && item.state == CvUndoItem::State::AsBefore;
        }
        showMessage(allAsBefore ? QString::fromLatin1(JournalMessages::AlreadyAsBefore)
                                : QString::fromLatin1(JournalMessages::CannotUndo)
                                      .arg(reasons.join(QLatin1Char('\n'))));
        return;
    }
    TUndoDialog dialog(plan, this);
    if (dialog.exec() != QDialog::Accepted || !self)
        return;
    const QStringList failures = RunUndo(entry, dialog.Plan());
    if (self && !failures.isEmpty())
        showMessage(
            QString::fromLatin1(JournalMessages::UndoFailed).arg(failures.join(QLatin1Char('\n'))));
}
