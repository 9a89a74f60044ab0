#include "CheckMode.h"

#include "CvConnectionCheck.h"
#include "CvConvertError.h"
#include "CvException.h"
#include "ModuleDirectories.h"
#include "SecretInput.h"
#include "StartupParameters.h"

#include <QEventLoop>
#include <QTimer>

#include <cstdio>

namespace {

void say(const QString &line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

// Reads the parameters as the module does; false when they do not read.
bool applyParameters(QStringList parameters, StartupState &state)
{
    if (parameters.contains(QLatin1String(ParametersOnStdinSwitch))) {
        QByteArray input = ReadStandardInput(MaxParameterInputBytes);
        parameters = WithParametersFromInput(parameters, input);
        WipeBytes(input);
    }
    try {
        StartSession(QString());
        LoadCatalogues(ReadModuleDirectories(false).ModuleDirectory);
        ApplyParameters(parameters, QString(), state, SessionDefaults());
    } catch (const CvConvertError &e) {
        say(e.message());
        return false;
    } catch (const CvException &e) {
        say(e.message());
        return false;
    }
    for (QString &p : parameters)
        WipeText(p);
    if (state.AgentAddress.isEmpty()) {
        say(QStringLiteral("No switch to check: the parameters name no address (/I)."));
        return false;
    }
    return true;
}

} // namespace

int RunCheckMode(const QStringList &parameters, int timeoutMs)
{
    StartupState state;
    if (!applyParameters(parameters, state))
        return 2;

    CvConnectionCheck check;
    std::optional<CvConnectionDiagnosis> result;
    QEventLoop loop;
    QObject::connect(
        &check, &CvConnectionCheck::finished, &loop, [&](const CvConnectionDiagnosis &r) {
            result = r;
            loop.quit();
        });
    // The check ends by its own time-outs; this only bounds a check that
    // would not.
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    check.start(SessionDefaults(), timeoutMs);
    if (!result) {
        limit.start(4 * timeoutMs + 10000);
        loop.exec();
    }
    if (!result) {
        check.cancel();
        say(QStringLiteral("The check of %1 did not end.").arg(state.AgentAddress));
        return 1;
    }
    if (!result->diagnosis.isEmpty())
        say(result->diagnosis);
    if (!result->catalogued.isEmpty())
        say(result->catalogued);
    return result->answered() ? 0 : 1;
}
