#pragma once

#include <QString>

// The settings a test's module starts from: a settings store dir/registry.ini,
// named by $TRV_REGISTRY, whose configuration directory dir/conf/ holds
// 127.0.0.1.cfg for an SNMPv2c agent on port. False when a file cannot be
// written.
bool WriteModuleSettings(const QString &dir, quint16 port);

// dir/conf/127.0.0.1.cfg alone, for a test that moves the agent.
bool WriteAgentConfig(const QString &dir, quint16 port);
