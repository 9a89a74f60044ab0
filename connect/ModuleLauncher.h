#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// How the module gets a switch from the connect window, as the wrapper
// hands it over: it starts in the configuration directory, which holds the
// switch's file, with the command line /IADDRESS --parameters-on-stdin and
// the secrets as parameter lines on its standard input.
struct ModuleHandover
{
    QString configDirectory;
    QString address;
    QByteArray parameterInput; // secret

    QStringList arguments() const;
};

class ModuleLauncher
{
public:
    virtual ~ModuleLauncher() = default;
    // Starts the module. False with the reason when it cannot; the handover
    // is wiped either way.
    virtual bool launch(ModuleHandover &handover, QString *error) = 0;
};

// The module program: beside this program (build tree, installed program
// directory), else in the package's program directory.
QString ModuleProgram();

// Becomes the module: the secrets go into a pipe that replaces standard
// input, and the module's program replaces this process. Returns only when
// that failed, with everything as it was.
class ExecModuleLauncher : public ModuleLauncher
{
public:
    bool launch(ModuleHandover &handover, QString *error) override;
};
