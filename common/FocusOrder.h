#pragma once

class QWidget;

// Puts the controls of every grid layout under root into the focus chain
// row by row, left to right, where the order they were made in differs:
// Tab then follows the grid as the operator reads it. Controls outside
// grids keep their places.
void OrderFocusByGrids(QWidget *root);
