#pragma once

#include <QString>

// What the soak does when things go wrong underneath it: a crash or an
// event loop that stops turning. Both are reported with the window and the
// step the soak was at, and with every thread's stack from gdb when gdb is
// installed.
namespace SoakGuard {

// Installs the crash handlers, allows gdb to attach to this process and
// prints each distinct Qt message once (with a count at the end).
void Install(bool stacks);

// The step the soak is at, for the reports.
void SetActivity(const QString &text);
QString Activity();

// Prints the stack of every thread to standard error (nothing without gdb
// or with stacks off).
void DumpStacks();

// Failures so far and the memory baseline, read by the abort paths.
void CountFailure();
int Failures();
void SetBaselineKb(long kb);
long BaselineKb();

// Resident memory of this process in kB, -1 when unknown.
long ResidentKb();

// Prints the last two lines of the soak: the memory growth since the
// baseline ("nan" without one) and the failure count.
void PrintSummary(long endKb, int failures);

// Starts a thread that aborts the soak when Beat() has not been called for
// blockedSeconds: the report names the activity, the stacks follow, then
// the summary with the blocked loop counted, and the process ends with 4.
void StartWatchdog(int blockedSeconds);
void Beat();

// Prints how often each repeated Qt message came.
void PrintMessageCounts();

} // namespace SoakGuard
