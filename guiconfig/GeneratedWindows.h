#pragma once

#include "CvFormDescriptor.h"

#include <QString>

#include <memory>

class TConfigForm;

// Builds the window a descriptor describes, exactly as its menu command
// does before showing it: pending title, request with the variable table
// (and the row instance of a one-row window), configuration and the
// descriptor's adjustments. Throws CvException when a binding fails.
std::unique_ptr<TConfigForm> BuildGeneratedWindow(
    const CvFormDescriptor &descriptor, const QString &instance = QString());

// The menu command: builds the window, shows it modally and destroys it.
void OpenGeneratedWindow(const CvFormDescriptor &descriptor, const QString &instance = QString());

// The port number the front panels' port menu was last opened on, as the
// instance of the port windows; empty when there is none.
QString PopupPortInstance();

// Registers every descriptor's menu command under its menu path.
void RegisterGeneratedWindows();
