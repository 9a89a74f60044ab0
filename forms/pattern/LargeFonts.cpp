#include "LargeFonts.h"

#include "MainWindowState.h"

#include <QWidget>

#include <cmath>

void ScaleForLargeFonts(QWidget &window)
{
    const MainWindowState *main = MainWindowState::instance();
    if (!main || !main->LargeFonts())
        return;
    const double factor = main->ScaleFactor();
    const auto scaled = [factor](int n) { return int(std::lround(n * factor)); };
    // The size it would open at: its layout's, where its contents need more.
    const QSize size = window.size().expandedTo(window.minimumSizeHint());
    // resize, never move or setGeometry: a position given before the first
    // showing would stop the dialog from being centred over its owner.
    window.resize(scaled(size.width()), scaled(size.height()));
}
