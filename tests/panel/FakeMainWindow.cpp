#include "FakeMainWindow.h"

#include <QColor>

FakeMainWindow::FakeMainWindow()
{
    window.setFixedSize(792, StartHeight);
    panelParent = new QWidget(&window);
    panelParent->setGeometry(0, 0, 785, 135);
    unitList = new QTreeWidget(panelParent);
    unitList->setGeometry(160, 8, 385, 17);
    status = new QLabel(&window);
    note = new QLabel(&window);
    menu = new QMenu(&window);
    menu->addAction(QStringLiteral("Port Information"));
    menu->addAction(QStringLiteral("Port Configuration"));
    for (int k = 0; k < 14; ++k) {
        QPixmap badge(16, 16);
        badge.fill(QColor::fromHsv(k * 25, 200, 200));
        badges.append(badge);
    }
    MainWindowState::setInstance(this);
}

// The panels' requests end while the window they report to is whole.
FakeMainWindow::~FakeMainWindow()
{
    MainWindowState::setInstance(nullptr);
    qDeleteAll(panels);
    binding.reset();
}

void FakeMainWindow::SetUnitListBinding(std::unique_ptr<CvSNMPRequest2Edits> b)
{
    binding = std::move(b);
    if (onBinding)
        onBinding(binding.get());
}

void FakeMainWindow::PortButtonClick(QAbstractButton *button)
{
    clicks.append(button);
    for (QAbstractButton *b : std::as_const(portButtons))
        b->setChecked(false);
    if (button)
        button->setChecked(true);
}

QList<QAbstractButton *> FakeMainWindow::pressedButtons() const
{
    QList<QAbstractButton *> pressed;
    for (QAbstractButton *b : portButtons)
        if (b->isChecked())
            pressed.append(b);
    return pressed;
}
