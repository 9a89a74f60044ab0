#include "TCtrlBtnPanel.h"

#include "LocalPath.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

TCtrlBtnPanel::TCtrlBtnPanel(QWidget *owner)
    : QFrame(owner)
{
    setObjectName(QStringLiteral("buttonBar"));
    countText = new QLabel(QStringLiteral("0"), this);
    countText->setObjectName(QStringLiteral("countText"));
    countText->setAlignment(Qt::AlignCenter);
    countText->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    countText->resize(ElementWidth, 21);
    items.append(countText);

    samplesLabel = new QLabel(QStringLiteral("Samples"), this);
    samplesLabel->setObjectName(QStringLiteral("samplesLabel"));
    samplesLabel->setAlignment(Qt::AlignCenter);
    samplesLabel->resize(ElementWidth, samplesLabel->sizeHint().height());
    items.append(samplesLabel);

    refreshButton = makeButton("refreshButton", QStringLiteral("Refresh"));
    setButton = makeButton("setButton", QStringLiteral("Set"));
    setCheckedButton = makeButton("setCheckedButton", QStringLiteral("Set"));
    addButton = makeButton("addButton", QStringLiteral("Add"));
    deleteButton = makeButton("deleteButton", QStringLiteral("Delete"));
    checkAllButton = makeButton("checkAllButton", QStringLiteral("Check All"));
    clearChecksButton = makeButton("clearChecksButton", QStringLiteral("Clear Checks"));
    stopButton = makeButton("stopButton", QStringLiteral("Stop"));
    closeButton = makeButton("closeButton", QStringLiteral("Close"));

    loadGlyphs();
    leftMargin = 10;
    topMargin = 10;
    Arrange();
    const int width = 2 * leftMargin + refreshButton->width();
    setFixedWidth(width);
    resize(width, height());
}

QPushButton *TCtrlBtnPanel::makeButton(const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->resize(ElementWidth, ButtonHeight);
    items.append(button);
    return button;
}

// A glyph file in the current directory replaces a button's caption. A file
// that exists but cannot be read ends the loading; the bar works without.
void TCtrlBtnPanel::loadGlyphs()
{
    const std::pair<QPushButton *, const char *> glyphs[] = {{refreshButton, "\\Get.bmp"},
        {setButton, "\\Set.bmp"}, {setCheckedButton, "\\SetCheck.bmp"}, {addButton, "\\Add.bmp"},
        {deleteButton, "\\Delete.bmp"}, {checkAllButton, "\\SelectAll.bmp"},
        {clearChecksButton, "\\SelectNone.bmp"}, {closeButton, "\\Close.bmp"}};
    const QString folder = QDir::currentPath();
    for (const auto &[button, file] : glyphs) {
        const QString path = LocalPath(folder + QString::fromLatin1(file));
        if (!QFileInfo::exists(path))
            continue;
        const QPixmap glyph(path);
        if (glyph.isNull())
            return;
        button->setText(QString());
        button->setIcon(QIcon(glyph));
        button->setIconSize(glyph.size());
    }
}

void TCtrlBtnPanel::Arrange()
{
    int top = topMargin;
    QWidget *previous = nullptr;
    for (QWidget *element : items) {
        if (previous)
            QWidget::setTabOrder(previous, element);
        previous = element;
        element->setGeometry(leftMargin, top, ElementWidth, element->height());
        if (!element->isHidden())
            top = element->y() + element->height() + 5;
    }
}

void TCtrlBtnPanel::hide(QWidget *element)
{
    element->setHidden(true);
    Arrange();
}

void TCtrlBtnPanel::HideCount()
{
    hide(countText);
}

void TCtrlBtnPanel::HideSamples()
{
    hide(samplesLabel);
}

void TCtrlBtnPanel::ShowStop()
{
    stopButton->setHidden(false);
    Arrange();
}

void TCtrlBtnPanel::ShowNoWrite()
{
    setCheckedButton->setHidden(true);
    checkAllButton->setHidden(true);
    clearChecksButton->setHidden(true);
    Arrange();
}

void TCtrlBtnPanel::ShowWriteOne()
{
    setCheckedButton->setHidden(false);
    checkAllButton->setHidden(true);
    clearChecksButton->setHidden(true);
    Arrange();
}

void TCtrlBtnPanel::ShowWriteMany()
{
    setCheckedButton->setHidden(false);
    checkAllButton->setHidden(false);
    clearChecksButton->setHidden(false);
    Arrange();
}

void TCtrlBtnPanel::ShowWriteButtons(int writable)
{
    if (writable == 0)
        ShowNoWrite();
    else if (writable == 1)
        ShowWriteOne();
    else
        ShowWriteMany();
}
