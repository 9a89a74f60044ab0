#pragma once

#include "CvSNMPRequest2Controls.h"

#include <QList>
#include <QPointer>

// Saves the flags word of every variable of a request's list and writes
// them back when it goes out of scope, however the scope is left: a write
// that throws, a refused input, a window closed while a box was up. In
// between, Exclude marks a variable as not to be sent (the invalid flag
// alone), so a selective write leaves the agent's value alone.
class FlagsGuard
{
public:
    explicit FlagsGuard(CvSNMPRequest2Controls &request)
        : m_request(&request)
    {
        for (const CvSNMPVariable &var : request.request.varList.vars)
            m_saved.append(var.access);
    }
    ~FlagsGuard() { Restore(); }
    FlagsGuard(const FlagsGuard &) = delete;
    FlagsGuard &operator=(const FlagsGuard &) = delete;

    void Exclude(int i) { m_request->request.varList.Var(i).access = AccessInvalid; }

    // Writes the saved words back now (again at the end of the scope).
    void Restore()
    {
        if (!m_request)
            return;
        QList<CvSNMPVariable> &vars = m_request->request.varList.vars;
        for (qsizetype i = 0; i < vars.size() && i < m_saved.size(); ++i)
            vars[i].access = m_saved.at(i);
    }

private:
    QPointer<CvSNMPRequest2Controls> m_request;
    QList<qint32> m_saved;
};
