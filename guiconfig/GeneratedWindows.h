#pragma once

#include "CvFormDescriptor.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class TConfigForm;

// Builds the window a descriptor describes, exactly as its menu command
// does before showing it: pending title, request with the variable table
// (and the row instance of a one-row window), configuration and the
// descriptor's adjustments. Throws CvException when a binding fails.
std::unique_ptr<TConfigForm> BuildGeneratedWindow(
    const CvFormDescriptor &descriptor, const QString &instance = QString());

// The menu command: builds the window, shows it modally and destroys it.
// A table window selects the rows of selectRows (their index texts) once
// it has read them.
void OpenGeneratedWindow(const CvFormDescriptor &descriptor, const QString &instance = QString(),
    const QStringList &selectRows = {});

// The ports the front panels' port menu acts on: all ports pressed when it
// was opened on one of several pressed ports, else the port it was opened
// on (the instance of the port windows); empty when it names none. Several
// ports open the table window of the port window's variables with their
// rows selected.
QList<int> PortMenuPorts();

// Registers every descriptor's menu command under its menu path.
void RegisterGeneratedWindows();
