#pragma once

#include "CvSNMPSession.h"
#include "SecretInput.h"
#include "StartupParameters.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The session the module hands a MIB view program: the agent and the read
// credentials exactly as the module's own requests use them, once start-up
// has applied its command line and configuration file. It travels as JSON
// on the view's standard input, never on a command line; it holds no write
// community, since no view writes.
struct ViewSession
{
    QString agentAddress; // the address as given with "/I", the view's caption
    CvSNMPSessionDefaults defaults; // writeCommunity always empty

    static ViewSession FromModule(const StartupState &state, const CvSNMPSessionDefaults &d);

    QByteArray ToJson() const;
    // nullopt, with a reason in error that never quotes a value, when the
    // text is not a session this program can use.
    static std::optional<ViewSession> FromJson(const QByteArray &json, QString *error = nullptr);

    // Overwrites the pass phrases and community in memory.
    void Wipe();
};

// The switch of a view program that makes it read its session from
// standard input instead of its command line.
inline constexpr const char *SessionOnStdinSwitch = "--session-on-stdin";

// The switch, followed by a process identity ("PID:START"), with which the
// module names itself to a view program it starts: the view ends when that
// process ends.
inline constexpr const char *EndWithSwitch = "--end-with=";

// Largest session text a view reads.
inline constexpr qsizetype MaxViewSessionBytes = 64 * 1024;
