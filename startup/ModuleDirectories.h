#pragma once

#include <QString>

// The two directories start-up takes from the settings store.
struct ModuleDirectories
{
    QString ModuleDirectory; // "HelpPath" value less its last 12 characters
    QString ConfigDirectory; // "ExePath" + "..\Conf\MBF\", or the "MibFile" path
};

// The value name under "HelpPath" that holds this module's help file path.
QString HelpPathValueName();

// Reads the keys; the module creates the "HelpPath" key when it is missing,
// the programs it starts only read it.
ModuleDirectories ReadModuleDirectories(bool createHelpKey = true);

// Loads the seven message catalogues from the module directory, in order.
void LoadCatalogues(const QString &moduleDirectory);
