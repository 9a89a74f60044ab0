#pragma once

#include "CvEditHandlers.h"
#include "CvFormatSpecifier.h"

#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

// One edit's constraint, made from its format specifier.
struct EditConstraint_s
{
    QPointer<QLineEdit> edit;
    char type = 's';
    char delimiter = 0;
    double minimum = 0;
    double maximum = 0;
    qint32 maxLength = 0; // 0 = no limit
    quint8 flags = 0; // CvFormatSpecifier::Flag
    char exitChar = 0;
    QString accepted; // last text that passed the exit check, or was read
    QString read; // the text RememberText last saw: a value read, never checked
    bool hasRead = false;
    bool blank = false; // emptied by Blank: showing no value
    QString lastText; // the text after the last change, for the length limit
    CvEditHandlers::Handler previousOnChange;
    CvEditHandlers::Handler previousOnExit;
};

// The constraints of one window's edits. While the operator types, a
// character the edit's type does not allow is taken out again with a beep;
// when the focus leaves the edit, the whole text is checked against length,
// count and range, and a failing text is answered with a message box (the
// program's file name as caption, owner as parent), replaced by the last
// accepted text, and the focus is put back.
//
// The length option limits what the operator types, not what the program
// shows: a longer text set from a value read stays whole (the edit's own
// maximum length is left at its default), and the operator may shorten it.
// A text the program remembered as read (RememberText) and a read-only edit
// are never exit-checked: writing back what was read is always allowed, and
// a failing check gives the text read back rather than an empty edit.
//
// Handlers: AddConstraint takes over the edit's change and exit handlers
// (CvEditHandlers) and keeps the window's ones as previousOnChange and
// previousOnExit. They still run: the change handler after every change,
// on the text as filtered (never on an empty text or on "(NULL)" and
// "(NOTDONE)", which the engine writes), the exit handler after a text
// passed the exit check. A handler that sets the edit's tag (EditTag) to
// -1 vetoes: after the change handler, the focus does not advance; after
// the exit handler, the edit gets its last accepted text back instead of
// remembering the new.
//
// Destroying the object frees the constraints without giving the edits
// their old handlers back; the handlers it installed then only pass events
// on to the window's previous handlers.
class CvEditConstraint : public QObject
{
    Q_OBJECT

public:
    CvEditConstraint(QWidget *owner, bool rememberAccepted, QObject *parent = nullptr);
    ~CvEditConstraint() override;

    // One specifier per edit, written back to back ("%i%i%i%i"); the k-th
    // specifier constrains the k-th edit. Throws CvException -2 on a bad
    // specifier.
    void AddConstraints(const QString &format, const QList<QLineEdit *> &edits);
    void AddConstraint(const QString &specifier, QLineEdit *edit);

    // The first constraint of the edit, or nullptr.
    EditConstraint_s *Find(const QLineEdit *edit) const;

    // Makes the edit's current text a value read: its last accepted text,
    // given back on a failing exit, and never checked while it stands.
    void RememberText(QLineEdit *edit);
    // Empties the edit as showing no value (nothing read, nothing chosen):
    // it is blank (IsBlank) until a text is typed or read into it.
    void Blank(QLineEdit *edit);
    bool IsBlank(const QLineEdit *edit) const;

    QWidget *owner() const { return m_owner; }
    bool rememberAccepted() const { return m_rememberAccepted; }
    int count() const { return int(m_constraints.size()); }

    // The handlers AddConstraint installs; public so a window may call them
    // the way it would call any edit handler. EditExit is false when the
    // text failed its check (answered with the message box, last accepted
    // text back) or a window's handler vetoed it; a window checks its edits
    // with it before a write that the focus never left them for.
    void EditChange(QLineEdit *edit);
    bool EditExit(QLineEdit *edit);

private:
    bool exitCheck(EditConstraint_s &c, QString &message) const;
    void fail(EditConstraint_s &c, const QString &message);

    QPointer<QWidget> m_owner;
    bool m_rememberAccepted;
    std::vector<std::unique_ptr<EditConstraint_s>> m_constraints;
    bool m_failing = false;
    bool m_inChange = false;
};
