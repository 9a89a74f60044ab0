#include "SoakGuard.h"

#include <QHash>
#include <QStandardPaths>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::atomic<int> failures {0};
std::atomic<long> baselineKb {-1};
std::atomic<long> beats {0};

// Read by the signal handler: plain buffers filled before any crash.
char activityText[512] = "starting";
char gdbPath[256] = "";
char pidText[32] = "";

std::mutex activityMutex;
QString activity = QStringLiteral("starting");

std::mutex messageMutex;
QHash<QString, int> messageCounts;

void writeAll(const char *text)
{
    for (std::size_t left = std::strlen(text); left > 0;) {
        const ssize_t n = ::write(STDERR_FILENO, text, left);
        if (n <= 0)
            return;
        text += n;
        left -= std::size_t(n);
    }
}

// Async-signal-safe: fork, exec and wait only.
void runGdb()
{
    if (!gdbPath[0])
        return;
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(STDERR_FILENO, STDOUT_FILENO);
        ::execl(gdbPath, gdbPath, "-nx", "-batch", "-p", pidText, "-ex", "set pagination off",
            "-ex", "thread apply all bt", static_cast<char *>(nullptr));
        ::_exit(127);
    }
    if (child > 0) {
        int status = 0;
        ::waitpid(child, &status, 0);
    }
}

void onCrash(int signal)
{
    writeAll("\nsoak: CRASH (signal ");
    writeAll(::strsignal(signal));
    writeAll(") while ");
    writeAll(activityText);
    writeAll("\n");
    runGdb();
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void onMessage(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    int count = 0;
    {
        const std::lock_guard lock(messageMutex);
        count = ++messageCounts[text];
    }
    if (count == 1 || type == QtFatalMsg) {
        const char *kind = type == QtWarningMsg ? "warning"
            : type == QtCriticalMsg             ? "critical"
            : type == QtFatalMsg                ? "fatal"
                                                : "message";
        std::fprintf(stderr, "soak: qt %s: %s\n", kind, qPrintable(text));
    }
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

void SoakGuard::Install(bool stacks)
{
    std::snprintf(pidText, sizeof pidText, "%d", int(::getpid()));
    if (stacks) {
        const QByteArray gdb = QStandardPaths::findExecutable(QStringLiteral("gdb")).toLocal8Bit();
        if (!gdb.isEmpty() && gdb.size() < qsizetype(sizeof gdbPath))
            std::memcpy(gdbPath, gdb.constData(), std::size_t(gdb.size()) + 1);
#ifdef PR_SET_PTRACER
        ::prctl(PR_SET_PTRACER, PR_SET_PTRACER_ANY, 0, 0, 0);
#endif
    }
    struct sigaction action = {};
    action.sa_handler = onCrash;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND | SA_NODEFER;
    for (int signal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
        ::sigaction(signal, &action, nullptr);
    qInstallMessageHandler(onMessage);
}

void SoakGuard::SetActivity(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit().left(sizeof activityText - 1);
    {
        const std::lock_guard lock(activityMutex);
        activity = text;
    }
    std::memcpy(activityText, bytes.constData(), std::size_t(bytes.size()));
    activityText[bytes.size()] = '\0';
}

QString SoakGuard::Activity()
{
    const std::lock_guard lock(activityMutex);
    return activity;
}

void SoakGuard::DumpStacks()
{
    std::fflush(stdout);
    runGdb();
}

void SoakGuard::CountFailure()
{
    ++failures;
}

int SoakGuard::Failures()
{
    return failures;
}

void SoakGuard::SetBaselineKb(long kb)
{
    baselineKb = kb;
}

long SoakGuard::BaselineKb()
{
    return baselineKb;
}

long SoakGuard::ResidentKb()
{
    std::FILE *file = std::fopen("/proc/self/status", "r");
    if (!file)
        return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, file))
        if (std::strncmp(line, "VmRSS:", 6) == 0)
            kb = std::strtol(line + 6, nullptr, 10);
    std::fclose(file);
    return kb;
}

void SoakGuard::PrintSummary(long endKb, int count)
{
    const long base = baselineKb;
    if (base < 0 || endKb < 0)
        std::printf("soak_rss_growth_mb=nan\n");
    else
        std::printf("soak_rss_growth_mb=%.1f\n", double(endKb - base) / 1024.0);
    std::printf("soak_failures=%d\n", count);
    std::fflush(stdout);
}

void SoakGuard::Beat()
{
    ++beats;
}

void SoakGuard::StartWatchdog(int blockedSeconds)
{
    std::thread([blockedSeconds] {
        long seen = beats;
        int still = 0;
        for (;;) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const long now = beats;
            still = now == seen ? still + 1 : 0;
            seen = now;
            if (still < blockedSeconds)
                continue;
            std::printf("soak: FAILURE hang: the event loop has not turned for %d s while %s\n",
                blockedSeconds, qPrintable(Activity()));
            DumpStacks();
            PrintSummary(ResidentKb(), Failures() + 1);
            ::_exit(4);
        }
    }).detach();
}

void SoakGuard::PrintMessageCounts()
{
    const std::lock_guard lock(messageMutex);
    for (auto it = messageCounts.cbegin(); it != messageCounts.cend(); ++it)
        if (it.value() > 1)
            std::fprintf(
                stderr, "soak: qt message %d times: %s\n", it.value(), qPrintable(it.key()));
}
