#pragma once

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QString>

#include <functional>

class CvSNMPRequest2Controls;
class CvSNMPValue;

// Whether port p of unit u is one the window shows.
using PortShown = std::function<bool(int unit, int port)>;

// A port list in words: the ports it holds as unit:port ranges in port
// order ("1:1-10, 1:25, 2:3-4"). A run of ports the window does not show is
// listed too, marked "(not shown)". Empty for a list without ports.
QString PortListInWords(const QByteArray &octets, const PortShown &shown);
// A port list value in words, every port as shown; "no ports" for none.
QString PortListInWords(const CvSNMPValue &value);

// Gives every list view of the requests whose column shows a port list
// bound to a stack port grid tooltips that read the list in words, and
// makes Ctrl+C on the list copy the selected rows: their shown cells,
// tab-separated, one row a line, port lists in words. The cells keep their
// text; a port counts as shown when its box in the grid is. The change
// journal gets the words of every port list bound to a grid.
void ShowPortListsInWords(const QList<QPointer<CvSNMPRequest2Controls>> &requests);
