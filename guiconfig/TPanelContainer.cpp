#include "TPanelContainer.h"

#include "CvSNMPRequest2Edits.h"
#include "TFlowLayoutManger.h"
#include "TSNMPLayoutAdapter.h"
#include "TUIGenerator.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

TPanelContainer::TPanelContainer(
    QWidget *owner, CvSNMPRequest2Edits *request, CvBindingList &bindings)
    : QFrame(owner)
{
    setObjectName(QStringLiteral("container"));
    generator = std::make_unique<TUIGenerator>(bindings, owner);
    layoutManager = std::make_unique<TFlowLayoutManger>(owner, this, generator->controls);
    adapter = std::make_unique<TSNMPLayoutAdapter>(bindings, request);
    connect(request, &CvSNMPRequest2Controls::OnReadDone, this,
        [this](CvSNMPRequest2Controls *, const CvSNMPError &) { adapter->ReadDone(); });
    connect(request, &CvSNMPRequest2Controls::OnWriteDone, this,
        [this](CvSNMPRequest2Controls *, const CvSNMPError &) { adapter->WriteDone(); });
    noEdit = false;
}

TPanelContainer::~TPanelContainer() = default;

TPanelListViewContainer::TPanelListViewContainer(
    QWidget *owner, CvSNMPRequest2Edits *request, CvBindingList &bindings)
    : TPanelContainer(owner, request, bindings)
{
    splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("editSplitter"));
    listView = new QTreeWidget(splitter);
    listView->setObjectName(QStringLiteral("listView"));
    editBox = new QScrollArea(splitter);
    editBox->setObjectName(QStringLiteral("editBox"));
    editBox->setWidget(new QWidget);
    editBox->widget()->setObjectName(QStringLiteral("editBoxContents"));
    editBox->setWidgetResizable(false);
    splitter->addWidget(listView);
    splitter->addWidget(editBox);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    FillEditBox();
    editBox->hide();

    request->BindListView(listView, true);
    // Ctrl and Shift click and Ctrl+A select several rows, which Edit and
    // Delete then act on together.
    listView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    listView->setMouseTracking(true);
    listView->viewport()->installEventFilter(this);
    listView->installEventFilter(this);
    connect(listView, &QTreeWidget::itemDoubleClicked, this, [this] { listDoubleClick(); });
    QAbstractItemModel *model = listView->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &TPanelListViewContainer::listChange);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TPanelListViewContainer::listChange);
    connect(model, &QAbstractItemModel::modelReset, this, &TPanelListViewContainer::listChange);
    adapter->editBox = editBox;
    adapter->listView = listView;
}

// The count lives on the button bar, which may go first when the window is
// destroyed; the list view's last model signals must not reach it.
TPanelListViewContainer::~TPanelListViewContainer()
{
    listView->model()->disconnect(this);
    listView->viewport()->removeEventFilter(this);
    listView->removeEventFilter(this);
}

void TPanelListViewContainer::FillEditBox()
{
    QWidget *contents = editBox->widget();
    generator->SetParentOfAll(contents);
    contents->resize(layoutManager->extentWidth + 20, layoutManager->extentHeight + 20);
    editBox->resize(layoutManager->extentWidth + 20, layoutManager->extentHeight + 20);
}

bool TPanelListViewContainer::eventFilter(QObject *watched, QEvent *event)
{
    // A key that selects rows (Ctrl+A, Shift and an arrow) is the
    // operator's choice as a click is.
    if (watched == listView && event->type() == QEvent::KeyRelease) {
        listClick();
        return false;
    }
    if (watched == listView->viewport()) {
        // Errors in the handlers are ignored: they must never end the window.
        try {
            if (event->type() == QEvent::MouseButtonRelease)
                listClick();
            else if (event->type() == QEvent::MouseMove)
                showRowHint(
                    listView->itemAt(static_cast<QMouseEvent *>(event)->position().toPoint()));
        } catch (...) {
        }
    }
    return TPanelContainer::eventFilter(watched, event);
}

void TPanelListViewContainer::listClick()
{
    const bool selected = !listView->selectedItems().isEmpty();
    for (QPushButton *button : {adapter->setButton.data(), adapter->deleteButton.data()})
        if (button && !button->isHidden())
            button->setEnabled(selected);
}

void TPanelListViewContainer::listDoubleClick()
{
    if (!listView->selectedItems().isEmpty() && !noEdit)
        adapter->EditAction(listView);
}

void TPanelListViewContainer::listChange()
{
    if (countText)
        countText->setText(QString::number(listView->topLevelItemCount()));
}

void TPanelListViewContainer::showRowHint(QTreeWidgetItem *item)
{
    if (!item) {
        listView->setToolTip(QString());
        return;
    }
    QStringList captions, cells;
    const QTreeWidgetItem *header = listView->headerItem();
    for (int c = 0; c < listView->columnCount(); ++c) {
        if (listView->isColumnHidden(c))
            continue;
        captions.append(header->text(c));
        cells.append(item->text(c));
    }
    listView->setToolTip(RowHint(captions, cells));
}

QString RowHint(const QStringList &captions, const QStringList &cells)
{
    qsizetype longest = 0;
    for (const QString &c : captions)
        longest = std::max(longest, c.size());
    QString hint;
    for (qsizetype c = 0; c < captions.size(); ++c) {
        hint += captions[c];
        hint += QString(longest - captions[c].size(), QLatin1Char('\t'));
        hint += QLatin1String("  ");
        hint += cells.value(c);
        hint += QLatin1Char('\n');
    }
    return hint;
}
