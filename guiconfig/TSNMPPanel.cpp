#include "TSNMPPanel.h"

#include "CvSNMPRequest2Edits.h"
#include "TCtrlBtnPanel.h"
#include "TFlowLayoutManger.h"
#include "TPanelContainer.h"
#include "TSNMPLayoutAdapter.h"
#include "TUIGenerator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

TMsgPanel::TMsgPanel(QWidget *owner)
    : QFrame(owner)
{
    setObjectName(QStringLiteral("messagePanel"));
    memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("messageMemo"));
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo);
    resize(width(), PanelHeight);
}

TSNMPPanel::TSNMPPanel(QWidget *owner)
    : QFrame(owner)
{
    setObjectName(QStringLiteral("body"));
    auto *outer = new QSplitter(Qt::Horizontal, this);
    clientPanel = new QFrame(outer);
    clientPanel->setObjectName(QStringLiteral("clientPanel"));
    buttonBar = new TCtrlBtnPanel(outer);
    outer->addWidget(clientPanel);
    outer->addWidget(buttonBar);
    outer->setStretchFactor(0, 1);
    outer->setStretchFactor(1, 0);
    outer->setChildrenCollapsible(false);

    m_clientSplitter = new QSplitter(Qt::Vertical, clientPanel);
    m_clientSplitter->setChildrenCollapsible(false);
    m_clientSplitter->setHandleWidth(5);
    messagePanel = new TMsgPanel(m_clientSplitter);
    m_clientSplitter->addWidget(messagePanel);
    messagePanel->setMinimumHeight(TMsgPanel::PanelHeight / 2);
    auto *clientLayout = new QVBoxLayout(clientPanel);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->addWidget(m_clientSplitter);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(outer);

    // The body fills its owner.
    if (owner) {
        auto *ownerLayout = new QVBoxLayout(owner);
        ownerLayout->setContentsMargins(0, 0, 0, 0);
        ownerLayout->addWidget(this);
    }
    connect(buttonBar->closeButton, &QPushButton::clicked, this, &TSNMPPanel::closeForm);
}

void TSNMPPanel::SetClientWidget(QWidget *widget)
{
    m_clientSplitter->insertWidget(0, widget);
    m_clientSplitter->setStretchFactor(0, 1);
    m_clientSplitter->setStretchFactor(1, 0);
    const int total = std::max(m_clientSplitter->height(), TMsgPanel::PanelHeight * 3);
    m_clientSplitter->setSizes({total - TMsgPanel::PanelHeight, TMsgPanel::PanelHeight});
    widget->show();
}

void TSNMPPanel::closeForm()
{
    if (!form || !form->close())
        QMessageBox::information(this, QString(), QStringLiteral("Please initial close form"));
}

void TSNMPEditorPanel::Build(CvBindingList &bindings, CvSNMPRequest2Edits *request)
{
    container = new TPanelContainer(this, request, bindings);
    container->layoutManager->Layout();
    SetClientWidget(container);
    buttonBar->HideStop();
    int writable = 0;
    for (const CvBoundControl &b : bindings)
        if (b.access != AccessReadOnly)
            ++writable;
    buttonBar->ShowWriteButtons(writable);
    containerWidth = container->layoutManager->extentWidth + buttonBar->width() + 40;
    containerHeight = container->layoutManager->extentHeight + TMsgPanel::PanelHeight + 60;
}

void TSNMPListViewPanel::Build(CvBindingList &bindings, CvSNMPRequest2Edits *request)
{
    auto *tableContainer = new TPanelListViewContainer(this, request, bindings);
    container = tableContainer;
    tableContainer->title = title;
    container->adapter->title = title;
    listView = tableContainer->listView;
    tableContainer->countText = buttonBar->countText;

    TFlowLayoutManger *layout = container->layoutManager.get();
    TSNMPLayoutAdapter *adapter = container->adapter.get();
    layout->Layout();
    adapter->layoutHeight = layout->extentHeight;
    adapter->layoutWidth = layout->extentWidth;
    tableContainer->FillEditBox();
    SetClientWidget(container);

    buttonBar->HideSetChecked();
    buttonBar->HideCheckAll();
    buttonBar->HideClearChecks();
    buttonBar->HideStop();

    // 8 pixels per character of all labels, before the ranges are added.
    containerWidth = layout->labelTextLength * 8 + buttonBar->width() + 40;
    containerHeight = layout->extentHeight + TMsgPanel::PanelHeight + 60;

    for (const CvBoundControl &b : bindings) {
        if (!b.labelControl)
            continue;
        b.labelControl->setText(LabelWithRange(b.labelControl->text(), b.format));
        b.labelControl->adjustSize();
    }
    layout->Layout();
    tableContainer->FillEditBox();

    // Edit stays when the first sendable variable is a column the operator
    // may change: after the index, or any in a table whose rows are made here.
    const CvSNMPVarList &vars = request->request.varList;
    bool keepEdit = false;
    for (int i = 0; i < vars.Count(); ++i) {
        if (!vars.IsSendable(i))
            continue;
        if (i >= vars.indexCount || vars.kind == MVT_UMV) {
            keepEdit = true;
            break;
        }
    }
    if (!keepEdit)
        buttonBar->HideSet();
}
