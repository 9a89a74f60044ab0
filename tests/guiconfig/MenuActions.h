#pragma once

#include <QStringList>

class QAction;
class QWidget;

// The action reached from root's actions by the captions of path, one a
// menu level ({"VLAN", "802.1P", "GARP"}); null when a caption is missing.
QAction *FindMenuAction(QWidget *root, const QStringList &path);
