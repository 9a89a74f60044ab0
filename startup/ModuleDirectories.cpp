#include "ModuleDirectories.h"

#include "CvCatalogues.h"
#include "LocalPath.h"
#include "Registry.h"

QString HelpPathValueName()
{
    return QStringLiteral("1.3.6.1.4.1.%1.10.59.8").arg(TRV_PEN);
}

ModuleDirectories ReadModuleDirectories(bool createHelpKey)
{
    ModuleDirectories dirs;
    if (const auto help = RegistryKey::Open(QLatin1String(Registry::HelpPathKey), createHelpKey)) {
        const QString path = help->ReadString(HelpPathValueName());
        dirs.ModuleDirectory = path.size() > 12 ? path.left(path.size() - 12) : QString();
    }
    if (const auto exe = RegistryKey::Open(QLatin1String(Registry::ExePathKey)))
        dirs.ConfigDirectory
            = exe->ReadString(QStringLiteral("Path")) + QStringLiteral("..\\Conf\\MBF\\");
    if (const auto mib = RegistryKey::Open(QLatin1String(Registry::MibFileKey)))
        dirs.ConfigDirectory = mib->ReadString(QStringLiteral("Path"));
    return dirs;
}

void LoadCatalogues(const QString &moduleDirectory)
{
    for (Catalogue c : AllCatalogues)
        LoadCatalogue(c, LocalPath(moduleDirectory + CatalogueFileName(c)));
}
