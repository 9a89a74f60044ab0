// The connect program: the window that names a switch and starts the
// module for it, or with --check the check alone for trv8170ql-connect.
#include "CheckMode.h"
#include "HelpKey.h"
#include "KeyringSecretStore.h"
#include "ModuleDirectories.h"
#include "ModuleLauncher.h"
#include "TConnectForm.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

const char *const usage = "usage: trv8170ql-connect-window\n"
                          "       trv8170ql-connect-window --check /IHOST [PARAMETER...]\n"
                          "Without arguments: the window \"Connect to a Switch\".\n"
                          "--check: whether the switch answers the module's parameters (those\n"
                          "  after --parameters-on-stdin come on standard input, one a line),\n"
                          "  with HOST.cfg read from the working directory; the diagnosis goes\n"
                          "  to standard error, the exit code is 0 when the agent answered.\n";

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--check") == 0) {
        QCoreApplication app(argc, argv);
        QStringList parameters = QCoreApplication::arguments().mid(2);
        return RunCheckMode(parameters, TConnectForm::DefaultCheckTimeoutMs);
    }
    if (argc > 1) {
        const bool help = std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0;
        std::fputs(usage, help ? stdout : stderr);
        return help ? 0 : 2;
    }
    QApplication app(argc, argv);
    LoadCatalogues(ReadModuleDirectories(false).ModuleDirectory);
    // F1 opens the page on connecting, as in the module's windows.
    InstallHelpKey();
    KeyringSecretStore keyring;
    ExecModuleLauncher launcher;
    TConnectForm form(keyring, launcher);
    form.show();
    return app.exec();
}
