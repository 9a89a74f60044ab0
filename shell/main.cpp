// The module's program: all start-up happens while the main window is made.
#include "CvConvertError.h"
#include "CvException.h"
#include "CvSnmpTransport.h"
#include "HelpKey.h"
#include "ModuleWindows.h"
#include "SecretInput.h"
#include "TMainForm.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    InstallHelpKey();
    // Menu commands are looked up when the menu is built.
    RegisterModuleWindows();
    QStringList parameters = QCoreApplication::arguments();
    parameters.removeFirst();
    // Parameters that must not show on the command line come on standard
    // input, when the line asks for them.
    if (parameters.contains(QLatin1String(ParametersOnStdinSwitch))) {
        QByteArray input = ReadStandardInput(MaxParameterInputBytes);
        parameters = WithParametersFromInput(parameters, input);
        WipeBytes(input);
    }
    const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    std::unique_ptr<TMainForm> form;
    try {
        form = std::make_unique<TMainForm>(parameters);
    } catch (const CvConvertError &e) {
        QMessageBox::critical(nullptr, caption, e.message());
        return 1;
    } catch (const CvException &e) {
        QMessageBox::critical(nullptr, caption, e.message());
        return 1;
    }
    if (form->StartupEnded())
        return 0;
    form->show();
    const int rc = app.exec();
    form.reset();
    // Library sessions are closed before the program ends.
    CvSnmpTransport::instance().CloseAll();
    return rc;
}
