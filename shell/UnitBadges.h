#pragma once

#include <QList>
#include <QPixmap>

// The unit-number badges the front panels copy: image k shows unit k + 1.
QList<QPixmap> MakeUnitBadges(int count);
