#include "CvSNMPRequest2Edits.h"

#include "CvCatalogues.h"
#include "CvCommonMessages.h"
#include "CvEditSplit.h"
#include "CvFormatSpecifier.h"
#include "CvOptionListWidgets.h"
#include "CvRadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

// Filling controls from the variables and taking them back, by the kind of
// each binding's first control.

namespace {

bool isBooleanSyntax(qint32 syntax)
{
    return syntax == SyntaxBoolean || syntax == SyntaxBool8 || syntax == SyntaxBool16;
}

// The option entry a text names: by display text, else by raw value.
int entryIndex(const CvOptionList &options, const QString &text)
{
    const int k = options.IndexOfText(text);
    return k >= 0 ? k : options.IndexOfValue(text);
}

QLineEdit *secondEdit(const CvSNMPRequest2Edits::Binding &b)
{
    return b.controls.size() > 1 ? qobject_cast<QLineEdit *>(b.controls.at(1)) : nullptr;
}

// A check box shows one of two values; any other (a value the list does not
// know, no value at all) shows as neither, partially checked, until the
// operator clicks the box (BindPart makes it a two-state box again then).
void showState(QCheckBox *box, int state)
{
    if (state < 0) {
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
        return;
    }
    box->setTristate(false);
    box->setChecked(state > 0);
}

bool isOctetSyntax(qint32 syntax)
{
    return syntax == SyntaxBitString || syntax == SyntaxOctetString || syntax == SyntaxOpaque
        || syntax == SyntaxMacAddress || syntax == SyntaxDisplayString;
}

} // namespace

void CvSNMPRequest2Edits::FillControls(int varIndex)
{
    for (const Binding &b : bindings) {
        if (varIndex != -1 && b.varIndex != varIndex)
            continue;
        if (request.varList.Var(b.varIndex).access & AccessInvalid)
            continue;
        fillBinding(b);
    }
}

void CvSNMPRequest2Edits::fillBinding(const Binding &b)
{
    QWidget *first = b.controls.value(0);
    if (!first)
        return; // no controls, or the window has deleted it
    const CvSNMPVarList &list = request.varList;
    if (IsAbsentValue(list.Var(b.varIndex).value) && blankControls(b))
        return;
    const QString text = PartText(list, b.varIndex, b.offset, b.subSyntax, b.options);

    if (auto *label = qobject_cast<QLabel *>(first)) {
        label->setText(text);
    } else if (auto *box = qobject_cast<QCheckBox *>(first)) {
        if (!b.bitNumbers.isEmpty()) {
            const QList<bool> bits = BitsOf(list, b.varIndex, b.offset, b.bitNumbers);
            for (qsizetype k = 0; k < bits.size() && k < b.controls.size(); ++k)
                if (auto *bit = qobject_cast<QCheckBox *>(b.controls.at(k)))
                    bit->setChecked(bits.at(k));
        } else if (b.options) {
            showState(box, entryIndex(*b.options, text));
        } else {
            if (!isBooleanSyntax(b.subSyntax))
                RaiseEngine(EngineCode::BadPartialSyntax);
            showState(box,
                text == QLatin1String("true")        ? 1
                    : text == QLatin1String("false") ? 0
                                                     : -1);
        }
    } else if (auto *combo = qobject_cast<QComboBox *>(first)) {
        SelectInComboBox(*b.options, combo, text);
        if (QLineEdit *rest = secondEdit(b)) {
            const qsizetype n = combo->currentIndex() >= 0 ? combo->currentText().size() : 0;
            QString remainder = text.mid(n);
            if (b.subSyntax == SyntaxObjectId && remainder.startsWith(QLatin1Char('.')))
                remainder.remove(0, 1);
            rest->setText(remainder);
        }
    } else if (auto *radio = qobject_cast<CvRadioGroup *>(first)) {
        SelectInRadioGroup(*b.options, radio->buttonGroup(), text);
    } else if (auto *edit = qobject_cast<QLineEdit *>(first)) {
        // Each edit remembers the text read, which a write sends back as it
        // is and a failing exit check gives back.
        if (b.controls.size() == 1) {
            edit->setText(text);
            constraints.RememberText(edit);
            return;
        }
        const std::optional<QStringList> pieces
            = SplitForEdits(b.subSyntax, text, int(b.controls.size()));
        if (!pieces)
            return; // no value: the edits keep what they show
        for (qsizetype k = 0; k < pieces->size() && k < b.controls.size(); ++k)
            if (auto *piece = qobject_cast<QLineEdit *>(b.controls.at(k))) {
                piece->setText(pieces->at(k));
                constraints.RememberText(piece);
            }
    } else {
        RaiseEngine(EngineCode::BadControlType);
    }
}

// A variable without a value shows as empty edits and a combo box without
// a choice. False for the other controls, which are filled as usual (a
// radio group then has no choice, a label shows the text).
bool CvSNMPRequest2Edits::blankControls(const Binding &b)
{
    QWidget *first = b.controls.value(0);
    if (auto *combo = qobject_cast<QComboBox *>(first))
        combo->setCurrentIndex(-1);
    else if (!qobject_cast<QLineEdit *>(first))
        return false;
    for (const QPointer<QWidget> &control : b.controls)
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            constraints.Blank(edit);
    return true;
}

bool CvSNMPRequest2Edits::showsNoChoice(const Binding &b) const
{
    QWidget *first = b.controls.value(0);
    if (auto *combo = qobject_cast<QComboBox *>(first))
        return combo->currentIndex() < 0 && b.controls.size() == 1;
    if (auto *radio = qobject_cast<CvRadioGroup *>(first))
        return radio->itemIndex() < 0;
    if (auto *box = qobject_cast<QCheckBox *>(first))
        return b.bitNumbers.isEmpty() && box->checkState() == Qt::PartiallyChecked;
    if (!qobject_cast<QLineEdit *>(first))
        return false;
    for (const QPointer<QWidget> &control : b.controls) {
        const auto *edit = qobject_cast<QLineEdit *>(control);
        if (edit && !constraints.IsBlank(edit))
            return false;
    }
    return true;
}

// An octet string the operator emptied goes out empty, unless the variable
// cannot be empty: a MAC address, or an edit whose format asks for a text
// (not empty, or of an exact length). That is refused before anything is
// sent, naming the variable.
void CvSNMPRequest2Edits::refuseEmpty(const Binding &b, const CvSNMPVariable &var) const
{
    const auto *edit = qobject_cast<QLineEdit *>(b.controls.value(0));
    if (!edit || b.controls.size() != 1 || b.offset != 0 || b.subSyntax != var.syntax
        || !isOctetSyntax(var.syntax) || !edit->text().isEmpty() || constraints.IsBlank(edit))
        return;
    const EditConstraint_s *c = constraints.Find(edit);
    const bool needsText = c
        && ((c->flags & CvFormatSpecifier::NotEmpty)
            || ((c->flags & CvFormatSpecifier::ExactLength) && c->maxLength > 0));
    if (needsText || var.syntax == SyntaxMacAddress)
        RaiseCommon(CommonEmptyNotAllowed,
            CommonMessage(CommonEmptyNotAllowed) + QStringLiteral(" (%1)").arg(var.label));
}

// Whether the operator left the controls of a variable without a value as
// they were filled: nothing typed, nothing chosen.
bool CvSNMPRequest2Edits::leftBlank(const Binding &b) const
{
    QWidget *first = b.controls.value(0);
    if (auto *label = qobject_cast<QLabel *>(first))
        return label->text().isEmpty() || IsAbsentValue(label->text());
    if (qobject_cast<QCheckBox *>(first))
        return false;
    if (auto *combo = qobject_cast<QComboBox *>(first); combo && combo->currentIndex() >= 0)
        return false;
    if (auto *radio = qobject_cast<CvRadioGroup *>(first);
        radio && !radio->selectedText().isEmpty())
        return false;
    for (const QPointer<QWidget> &control : b.controls)
        if (auto *edit = qobject_cast<QLineEdit *>(control); edit && !edit->text().isEmpty())
            return false;
    return true;
}

void CvSNMPRequest2Edits::TakeControls(int varIndex)
{
    CvSNMPVarList &list = request.varList;
    for (int i = 0; i < list.Count(); ++i) {
        if ((varIndex != -1 && i != varIndex) || !list.IsSendable(i))
            continue;
        CvSNMPVariable &var = list.Var(i);
        const bool absent = IsAbsentValue(var.value);
        bool blank = true;
        bool marked = false; // a control shows the text of no value for the whole
        QList<CvValuePart> parts;
        bool chosen = false; // some control shows a value read or chosen
        for (const Binding &b : bindings) {
            if (b.varIndex != i || !b.controls.value(0) || showsNoChoice(b))
                continue;
            chosen = true;
            refuseEmpty(b, var);
            parts.append(takeBinding(b));
            blank = blank && leftBlank(b);
            marked = marked
                || (b.offset == 0 && b.subSyntax == var.syntax
                    && IsAbsentValue(parts.constLast().text));
        }
        // Nothing to take: the value stays, and a write leaves it out.
        if (!chosen)
            continue;
        if (marked) {
            var.value = QStringLiteral("(NOTDONE)");
            continue;
        }
        // What the agent does not hold stays without a value, and out of
        // the write, unless the operator filled it in.
        if (absent && blank)
            continue;
        if (absent)
            var.value.clear();
        MergeParts(list, i, parts);
    }
}

CvValuePart CvSNMPRequest2Edits::takeBinding(const Binding &b) const
{
    CvValuePart part;
    part.offset = b.offset;
    part.subSyntax = b.subSyntax;
    part.options = b.options;
    QWidget *first = b.controls.value(0);

    if (auto *label = qobject_cast<QLabel *>(first)) {
        part.text = label->text();
    } else if (auto *box = qobject_cast<QCheckBox *>(first)) {
        if (!b.bitNumbers.isEmpty()) {
            part.bitNumbers = b.bitNumbers;
            for (qsizetype k = 0; k < b.bitNumbers.size(); ++k) {
                const auto *bit = qobject_cast<QCheckBox *>(b.controls.value(k));
                part.bits.append(bit && bit->isChecked());
            }
        } else if (b.options) {
            part.text = b.options->Item(box->isChecked() ? 1 : 0).text;
        } else {
            if (!isBooleanSyntax(b.subSyntax))
                RaiseEngine(EngineCode::BadPartialSyntax);
            part.text = QLatin1String(box->isChecked() ? "true" : "false");
        }
    } else if (auto *combo = qobject_cast<QComboBox *>(first)) {
        part.text = combo->currentIndex() >= 0 ? combo->currentText() : QString();
        if (const QLineEdit *rest = secondEdit(b)) {
            if (b.subSyntax == SyntaxObjectId)
                part.text += QLatin1Char('.');
            part.text += rest->text();
        }
    } else if (auto *radio = qobject_cast<CvRadioGroup *>(first)) {
        part.text = radio->selectedText();
    } else if (auto *edit = qobject_cast<QLineEdit *>(first)) {
        if (b.controls.size() == 1) {
            part.text = edit->text();
        } else {
            QStringList texts;
            for (const QPointer<QWidget> &control : b.controls) {
                const auto *piece = qobject_cast<QLineEdit *>(control);
                texts.append(piece ? piece->text() : QString());
            }
            part.text = JoinEdits(b.subSyntax, texts);
        }
    } else {
        RaiseEngine(EngineCode::BadControlType);
    }
    return part;
}
