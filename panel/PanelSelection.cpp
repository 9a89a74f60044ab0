#include "PanelSelection.h"

#include "PanelForms.h"

#include <array>
#include <span>

namespace {

constexpr std::array<const char *, 10> modelNames = {
    "TRV-8170QL",
    "TRV-8140QL",
    "TRM-6140QL",
    "TRM-6140QLI",
    "TRM-6140QL*",
    "TRV8170QL",
    "TRV-8140PQL",
    "TRM6140QL",
    "TRM6140QL*",
    "TRV8140PQL",
};

struct Selection
{
    PanelClass panelClass;
    std::array<int, 3> entries;
    int count;
};

// The classes in the order they are tried, each with its ModelNames entries.
constexpr std::array<Selection, 4> selections = {{
    {PanelClass::TRV8170QL, {0, 5}, 2},
    {PanelClass::TRV8140PQL, {1, 6, 9}, 3},
    {PanelClass::TRM6140QLi, {3}, 1},
    {PanelClass::TRM6140QL, {7, 4, 8}, 3},
}};

} // namespace

QStringList PanelModelNames()
{
    QStringList names;
    for (const char *name : modelNames)
        names.append(QString::fromLatin1(name));
    return names;
}

PanelClass SelectPanelClass(const QStringList &names, const QString &model)
{
    for (const Selection &s : selections)
        for (int entry : std::span(s.entries.data(), std::size_t(s.count)))
            if (entry < names.size() && names.at(entry) == model)
                return s.panelClass;
    return PanelClass::None;
}

TPanelForm *CreatePanel(PanelClass panelClass, const QString &model, int portCount, QWidget *parent)
{
    switch (panelClass) {
    case PanelClass::TRV8170QL:
        return new TPanelTRV8170QLForm(parent);
    case PanelClass::TRV8140PQL:
        return new TPanelTRV8140PQLForm(parent);
    case PanelClass::TRM6140QLi:
        return new TPanelTRM6140QLiForm(parent);
    case PanelClass::TRM6140QL:
        return new TPanelTRM6140QLForm(parent);
    case PanelClass::None:
        break;
    }
    return new TPanelGenericForm(model, portCount, parent);
}
