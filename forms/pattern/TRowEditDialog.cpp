#include "TRowEditDialog.h"

TRowEditDialog::TRowEditDialog(QWidget *listWindow)
    : QDialog(listWindow)
{
}

int TRowEditDialog::ShowModal(int mode)
{
    m_mode = mode;
    FormActivate();
    return exec();
}
