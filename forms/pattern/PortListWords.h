#pragma once

#include "PortListText.h"

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QString>

#include <functional>

class CvSNMPRequest2Controls;
class CvSNMPValue;

// Gives every list view of the requests whose column shows a port list
// bound to a stack port grid tooltips that read the list in words, and
// makes Ctrl+C on the list copy the selected rows: their shown cells,
// tab-separated, one row a line, port lists in words. The cells keep their
// text; a port counts as shown when its box in the grid is. The change
// journal gets the words of every port list bound to a grid.
void ShowPortListsInWords(const QList<QPointer<CvSNMPRequest2Controls>> &requests);
