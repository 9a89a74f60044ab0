#include "CvEditConstraint.h"

#include "CvCommonMessages.h"
#include "CvExpression.h"
#include "CvNumList.h"
#include "CvScan.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Texts the engine writes into edits for missing values; never checked.
bool isEngineMarker(const QString &text)
{
    return text == QLatin1String("(NOTDONE)") || text == QLatin1String("(NULL)");
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isHexDigit(QChar c)
{
    return isDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

// Whether the type allows ch after the characters kept so far.
bool allowed(const EditConstraint_s &c, const QString &kept, QChar ch)
{
    switch (c.type) {
    case 'f':
        if (ch == QLatin1Char('.'))
            return !kept.contains(QLatin1Char('.'));
        return isDigit(ch) || (ch == QLatin1Char('-') && kept.isEmpty());
    case 'h':
        return isHexDigit(ch);
    case 'i':
        return isDigit(ch) || (ch == QLatin1Char('-') && kept.isEmpty());
    case 'u':
        return isDigit(ch);
    case 'n':
        if (ch == QLatin1Char(c.delimiter) && !isDigit(ch))
            return !kept.isEmpty() && kept.back() != ch;
        return isDigit(ch);
    default:
        return true;
    }
}

// The text after the typing rules: every exit character removed (each one
// asks for the focus to move on), then every character the type refuses.
// Removing the first refused character changes the text, and the change
// handler then removes the next one; the result of that chain is the text
// kept here in one pass, because the characters before a refused one are
// left as they were.
struct Filtered
{
    QString text;
    int removedBeforeCursor = 0;
    bool refused = false;
    bool exitTyped = false;
};

Filtered filter(const EditConstraint_s &c, const QString &text, int cursor)
{
    Filtered f;
    f.text.reserve(text.size());
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar ch = text.at(k);
        if (c.exitChar && ch == QLatin1Char(c.exitChar)) {
            f.exitTyped = true;
        } else if (!allowed(c, f.text, ch)) {
            f.refused = true;
        } else {
            f.text += ch;
            continue;
        }
        if (k < cursor)
            ++f.removedBeforeCursor;
    }
    return f;
}

// Holds the operator's typing to the length: the characters typed last
// (those just before the cursor) that would make the text longer than both
// the limit and the text before this change are taken out again. A longer
// text the program set may be shortened, never lengthened. Number lists
// count numbers, which the exit check does.
void limitLength(const EditConstraint_s &c, qsizetype before, Filtered &f, int &cursor)
{
    if (c.maxLength <= 0 || c.type == 'n')
        return;
    const qsizetype excess = f.text.size() - std::max<qsizetype>(c.maxLength, before);
    if (excess <= 0)
        return;
    const qsizetype from = std::clamp<qsizetype>(cursor - excess, 0, f.text.size() - excess);
    f.text.remove(from, excess);
    cursor = int(from);
    f.refused = true;
}

// Moves the focus from the edit to the next control of its window that
// takes focus by Tab, as the Tab key would. Queued, so the change handler
// that asks for it has finished before the exit check of the edit runs.
void focusNextLater(QLineEdit *edit)
{
    QTimer::singleShot(0, edit, [edit] {
        if (!edit->hasFocus())
            return;
        for (QWidget *w = edit->nextInFocusChain(); w && w != edit; w = w->nextInFocusChain()) {
            if (w->window() == edit->window() && w->isEnabled() && w->isVisible()
                && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy()) {
                w->setFocus(Qt::TabFocusReason);
                return;
            }
        }
    });
}

// A bound truncated toward zero as a 64-bit integer, then taken as unsigned
// 32 bits (-1 becomes 4294967295).
quint32 unsignedBound(double v)
{
    if (std::isnan(v))
        return 0;
    const double t = std::trunc(std::clamp(v, -9.2e18, 9.2e18));
    return quint32(quint64(qint64(t)));
}

QString caption()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

} // namespace

CvEditConstraint::CvEditConstraint(QWidget *owner, bool rememberAccepted, QObject *parent)
    : QObject(parent)
    , m_owner(owner)
    , m_rememberAccepted(rememberAccepted)
{
}

CvEditConstraint::~CvEditConstraint() = default;

void CvEditConstraint::AddConstraints(const QString &format, const QList<QLineEdit *> &edits)
{
    const QStringList specifiers = SplitFormat(format);
    for (qsizetype k = 0; k < specifiers.size() && k < edits.size(); ++k)
        AddConstraint(specifiers.at(k), edits.at(k));
}

void CvEditConstraint::AddConstraint(const QString &specifier, QLineEdit *edit)
{
    const CvFormatSpecifier spec = CvFormatSpecifier::Parse(specifier);
    auto c = std::make_unique<EditConstraint_s>();
    c->edit = edit;
    c->type = spec.type;
    c->delimiter = spec.delimiter;
    c->minimum = spec.minimum;
    c->maximum = spec.maximum;
    c->maxLength = spec.maxLength;
    c->flags = spec.flags;
    c->exitChar = spec.exitChar;

    c->lastText = edit->text();

    if (spec.width > 0)
        edit->setFixedWidth(spec.width);
    // The edit's own maximum would also cut the texts the program sets: the
    // change handler limits typing instead (limitLength).
    edit->setMaxLength(32767);

    CvEditHandlers *handlers = CvEditHandlers::For(edit);
    c->previousOnChange = handlers->onChange;
    c->previousOnExit = handlers->onExit;
    // The installed handlers outlive this object when it goes first; they
    // then only pass events on to the window's own handlers.
    const QPointer<CvEditConstraint> self(this);
    handlers->onChange = [self, previous = c->previousOnChange](QLineEdit *e) {
        if (self)
            self->EditChange(e);
        else if (previous)
            previous(e);
    };
    handlers->onExit = [self, previous = c->previousOnExit](QLineEdit *e) {
        if (self)
            self->EditExit(e);
        else if (previous)
            previous(e);
    };
    m_constraints.push_back(std::move(c));
}

EditConstraint_s *CvEditConstraint::Find(const QLineEdit *edit) const
{
    for (const auto &c : m_constraints) {
        if (edit && c->edit == edit)
            return c.get();
    }
    return nullptr;
}

void CvEditConstraint::RememberText(QLineEdit *edit)
{
    if (EditConstraint_s *c = Find(edit)) {
        c->accepted = c->read = edit->text();
        c->hasRead = true;
        c->blank = false;
    }
}

void CvEditConstraint::Blank(QLineEdit *edit)
{
    edit->clear();
    if (EditConstraint_s *c = Find(edit)) {
        c->accepted.clear();
        c->read.clear();
        c->hasRead = false;
        c->blank = true;
    }
}

bool CvEditConstraint::IsBlank(const QLineEdit *edit) const
{
    const EditConstraint_s *c = Find(edit);
    return c && c->blank && edit->text().isEmpty();
}

void CvEditConstraint::EditChange(QLineEdit *edit)
{
    // The text this handler sets comes back here as a change of its own;
    // filter() has already done what that change would do.
    if (m_inChange)
        return;
    const QPointer<QLineEdit> guard(edit);
    EditConstraint_s *c = Find(edit);
    if (!c)
        return;
    const qsizetype before = std::exchange(c->lastText, edit->text()).size();
    if (edit->text().isEmpty() || isEngineMarker(edit->text()))
        return;

    // Typed, pasted or deleted by the operator; setText clears the mark.
    const bool typed = edit->isModified();
    const int cursor = edit->cursorPosition();
    Filtered f = filter(*c, edit->text(), cursor);
    int kept = cursor - f.removedBeforeCursor;
    if (typed)
        limitLength(*c, before, f, kept);
    if (f.text != edit->text()) {
        c->lastText = f.text;
        const QScopedValueRollback<bool> busy(m_inChange, true);
        edit->setText(f.text);
        edit->setCursorPosition(kept);
        if (typed)
            edit->setModified(true); // still the operator's text
    }
    if (f.refused)
        QApplication::beep();
    if (f.exitTyped)
        focusNextLater(edit);
    if (!guard || f.text.isEmpty() || isEngineMarker(f.text))
        return;

    if (c->previousOnChange) {
        const CvEditHandlers::Handler previous = c->previousOnChange;
        previous(edit);
        if (!guard || EditTag(edit) == -1)
            return;
        c = Find(edit);
        if (!c)
            return;
    }
    if (!f.exitTyped && (c->flags & CvFormatSpecifier::AdvanceWhenFull) && c->maxLength > 0
        && edit->text().size() == c->maxLength)
        focusNextLater(edit);
}

bool CvEditConstraint::exitCheck(EditConstraint_s &c, QString &message) const
{
    const QString text = c.edit->text();
    switch (c.type) {
    case 'f':
    case 'i':
    case 'u': {
        const double value = LeadingReal(text.toLatin1());
        if (value < c.minimum || value > c.maximum) {
            message = FillPlaceholders(CommonMessage(CommonNumberRange),
                {{"MIN", FormatGeneralReal(c.minimum)}, {"MAX", FormatGeneralReal(c.maximum)}});
            return false;
        }
        return true;
    }
    case 'h':
    case 's': {
        if (c.maxLength <= 0)
            return true;
        const bool hex = c.type == 'h';
        if (c.flags & CvFormatSpecifier::ExactLength) {
            if (text.size() == c.maxLength)
                return true;
            message = FillPlaceholders(CommonMessage(hex ? CommonHexLength : CommonStringLength),
                {{"LEN", QString::number(c.maxLength)}});
            return false;
        }
        if (text.size() <= c.maxLength)
            return true;
        message = FillPlaceholders(CommonMessage(hex ? CommonHexTooLong : CommonStringTooLong),
            {{"MAXLEN", QString::number(c.maxLength)}});
        return false;
    }
    case 'n': {
        CvUNumList numbers;
        numbers.delimiter = c.delimiter;
        numbers.Parse(text);
        const QString delimiter(QLatin1Char(c.delimiter));
        const int count = numbers.count();
        if (c.maxLength > 0) {
            if ((c.flags & CvFormatSpecifier::ExactLength) && count != c.maxLength) {
                message = FillPlaceholders(CommonMessage(CommonNumListCount),
                    {{"DELIMITER", delimiter}, {"COUNT", QString::number(c.maxLength)}});
                return false;
            }
            if (!(c.flags & CvFormatSpecifier::ExactLength) && count > c.maxLength) {
                message = FillPlaceholders(CommonMessage(CommonNumListMaxCount),
                    {{"DELIMITER", delimiter}, {"MAXCOUNT", QString::number(c.maxLength)}});
                return false;
            }
        }
        const quint32 min = unsignedBound(c.minimum);
        const quint32 max = unsignedBound(c.maximum);
        if (numbers.AllWithin(min, max))
            return true;
        message = FillPlaceholders(CommonMessage(CommonNumListRange),
            {{"DELIMITER", delimiter}, {"MIN", QString::number(min)},
                {"MAX", QString::number(max)}});
        return false;
    }
    default:
        return true;
    }
}

bool CvEditConstraint::EditExit(QLineEdit *edit)
{
    // The message box of a failing check takes the focus; no second check
    // may start while it is up.
    if (m_failing)
        return false;
    const QPointer<QLineEdit> guard(edit);
    EditConstraint_s *c = Find(edit);
    const QString text = edit->text();
    // Nothing to check in a text the operator cannot change (a counter in a
    // read-only edit may pass any range), and the value read goes back as
    // it came, whatever its length or range.
    if (!c || isEngineMarker(text) || edit->isReadOnly())
        return true;
    const bool asRead = c->hasRead && text == c->read;
    if (text.isEmpty()) {
        if (asRead || !(c->flags & CvFormatSpecifier::NotEmpty))
            return true;
        fail(*c, CommonMessage(CommonEmptyNotAllowed));
        return false;
    }
    QString message;
    if (!asRead && !exitCheck(*c, message)) {
        fail(*c, message);
        return false;
    }
    if (c->previousOnExit) {
        const CvEditHandlers::Handler previous = c->previousOnExit;
        previous(edit);
        if (!guard)
            return false;
        c = Find(edit);
        if (!c)
            return false;
        if (EditTag(edit) == -1) {
            edit->setText(c->accepted);
            return false;
        }
    }
    if (m_rememberAccepted)
        c->accepted = text;
    return true;
}

void CvEditConstraint::fail(EditConstraint_s &c, const QString &message)
{
    const QPointer<CvEditConstraint> self(this);
    const QPointer<QLineEdit> edit = c.edit;
    m_failing = true;
    {
        QMessageBox box(QMessageBox::Warning, caption(), message, QMessageBox::Ok, m_owner);
        box.exec();
    }
    // The window may have gone while the box was up.
    if (!self)
        return;
    m_failing = false;
    if (!edit)
        return;
    if (EditConstraint_s *again = Find(edit)) {
        edit->setText(again->accepted);
        edit->setFocus(Qt::OtherFocusReason);
    }
}
