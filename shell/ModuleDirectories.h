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

// Reads the keys; the "HelpPath" key is created when it is missing.
ModuleDirectories ReadModuleDirectories();

// Loads the seven message catalogues from the module directory, in order.
void LoadCatalogues(const QString &moduleDirectory);
