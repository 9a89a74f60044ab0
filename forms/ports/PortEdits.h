#pragma once

#include <QString>

class QLineEdit;
class TStackingPortUitForm;

// Unit and port edits take digits only (Backspace and editing keys work,
// pasted text that is not a number is refused), with a beep for what is
// refused.
void AcceptDigitsOnly(QLineEdit *edit, int maxLength);

// The logical port of the unit and port typed when the grid shows that port
// (its unit is present and the port within the unit's shown count), else 0.
int ShownPort(const TStackingPortUitForm &grid, const QString &unit, const QString &port);
