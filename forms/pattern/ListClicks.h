#pragma once

#include <QObject>

#include <functional>

class CvSNMPRequest2Edits;

// A table window's list-view click handler runs on what the operator does to
// the list, never on what the program does to it:
//  - a mouse press on a row, the row already selected included (which copies
//    the row into the bound controls again, as a press on another row does);
//  - a left press below the rows, which leaves no row selected;
//  - a key that moves the selection.
// Clearing the list before a read, the rows a read adds and selections the
// window makes itself run nothing: taken for clicks, they would start a
// window's handlers, and through them another read, in the middle of a read.
// The list view is the one request is bound to; the handler runs after the
// binding has put the row into the controls.
void OnListClick(CvSNMPRequest2Edits &request, QObject *context, std::function<void()> handler);

template <class Window>
void OnListClick(CvSNMPRequest2Edits &request, Window *window, void (Window::*handler)())
{
    OnListClick(request, window, [window, handler] { (window->*handler)(); });
}
