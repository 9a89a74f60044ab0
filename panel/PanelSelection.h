#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class TPanelForm;

// The window classes a unit's model selects, in the order they are tried.
enum class PanelClass { TRV8170QL, TRV8140PQL, TRM6140QLi, TRM6140QL, None };

// The ten model strings of the main window's ModelNames, in order. They
// compare exactly, letter case and blanks included; a trailing "*" is part
// of the name.
QStringList PanelModelNames();

// The first class one of whose entries of modelNames equals model; None
// when there is none (entry 2 is tested by no class).
PanelClass SelectPanelClass(const QStringList &modelNames, const QString &model);

// A new front-panel window of the class, owned by parent. None gives the
// generic front drawn for portCount ports and captioned with model.
TPanelForm *CreatePanel(
    PanelClass panelClass, const QString &model, int portCount, QWidget *parent);
