#pragma once

#include <QObject>

#include <functional>

class QLineEdit;

// The change and exit handlers of one edit, the way a window's form code
// thinks of them: one "on change" and one "on exit" slot per edit, each
// holding at most one handler. Qt signals allow any number of receivers; the
// constraints need the single-slot model instead, because a constraint takes
// over an edit's handlers and calls the window's own ones itself, at the
// right moment and only for text that passed its checks.
//
//   - onChange runs whenever the edit's text changes (typed or set).
//   - onExit runs when the focus leaves the edit for another control of
//     the application (not when the window is deactivated or a popup
//     menu opens).
//
// A window sets its handlers through For(edit) before it binds the edit;
// binding (CvEditConstraint::AddConstraint) moves them into the constraint,
// which calls them after its own checks. A handler that sets the edit's
// "tag" property to -1 (see EditTag) vetoes the rest of the constraint's
// work for that event. Setting a handler after binding replaces the
// constraint's, exactly as assigning an edit's handler would.
class CvEditHandlers : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(QLineEdit *)>;

    // The handlers object of an edit, created as its child on first use.
    static CvEditHandlers *For(QLineEdit *edit);
    // The handlers object if one exists, else nullptr.
    static CvEditHandlers *Find(const QLineEdit *edit);

    Handler onChange;
    Handler onExit;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit CvEditHandlers(QLineEdit *edit);
    QLineEdit *m_edit;
};

// The edit's "tag": an int dynamic property named "tag" (0 when unset), the
// general-purpose number a window may keep on a control.
int EditTag(const QObject *control);
void SetEditTag(QObject *control, int tag);
