#include "TRowEditDialog.h"

#include "AccessibleNames.h"
#include "FocusOrder.h"
#include "LargeFonts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>

TRowEditDialog::TRowEditDialog(QWidget *listWindow)
    : QDialog(listWindow)
{
}

int TRowEditDialog::ShowModal(int mode)
{
    m_mode = mode;
    FormActivate();
    NameControlsByLabels(this);
    OrderFocusByGrids(this);
    return exec();
}

void TRowEditDialog::setVisible(bool visible)
{
    if (visible && !m_scaled) {
        m_scaled = true;
        ScaleForLargeFonts(*this);
    }
    QDialog::setVisible(visible);
}

void TRowEditDialog::RefuseInput(const QString &text, QWidget *focus)
{
    const QPointer<QWidget> field(focus);
    const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, this);
    box.exec();
    if (field)
        field->setFocus(Qt::OtherFocusReason);
}
