#pragma once

#include "CvSNMPVar.h"

#include <QList>
#include <QString>

// The variable tables of the hand-laid windows as data, for what reads a
// switch's settings without opening the windows (saved settings): each
// window by its class name, with the tables it reads and writes, their list
// kind and index count as the window hands them to the engine.
struct CvHandLaidTable
{
    const char *windowClass = nullptr; // "TVlanStaticForm"; null ends the catalogue
    const CvSNMPVar *variables = nullptr;
    quint8 listKind = SVT_SV;
    qint32 indexCount = 0;
    // Every row names a secret in its index (the community table): the rows
    // are left out of what is saved unless secrets are asked for.
    bool secretRows = false;
};

// Every hand-laid window's tables, menu family by menu family, ended by {}.
extern const CvHandLaidTable HandLaidTables[];

// The menu path of a window in the main menu ("VLAN > 802.1Q > Static
// Table"): its class name for a hand-laid window, its path for a generated
// one; empty when the menu does not open it.
QString MenuPathOfWindow(const QString &windowClass);
