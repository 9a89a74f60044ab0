#include "PortEdits.h"

#include "PortVariables.h"
#include "TStackingPortUitForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>

void AcceptDigitsOnly(QLineEdit *edit, int maxLength)
{
    const QRegularExpression digits(QStringLiteral("[0-9]{0,%1}").arg(maxLength));
    edit->setValidator(new QRegularExpressionValidator(digits, edit));
    QObject::connect(edit, &QLineEdit::inputRejected, edit, [] { QApplication::beep(); });
}

int ShownPort(const TStackingPortUitForm &grid, const QString &unit, const QString &port)
{
    bool unitOk = false;
    bool portOk = false;
    const int u = unit.toInt(&unitOk);
    const int p = port.toInt(&portOk);
    if (!unitOk || !portOk)
        return 0;
    const QCheckBox *box = grid.Port(u, p);
    return box && !box->isHidden() ? LogicalPort::Of(u, p) : 0;
}
