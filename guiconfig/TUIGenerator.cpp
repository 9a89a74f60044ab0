#include "TUIGenerator.h"

#include "FieldColours.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace {
// A read-only control looks like the button face and is skipped by Tab.
void markReadOnly(QWidget *control)
{
    PaintAsButtonFace(control);
    control->setFocusPolicy(Qt::NoFocus);
}

QCheckBox *makeIncludeBox(QWidget *owner, int width, bool checked)
{
    auto *box = new QCheckBox(owner);
    box->setObjectName(QStringLiteral("IncludeBox"));
    box->setChecked(checked);
    box->resize(width, box->sizeHint().height());
    return box;
}

QLabel *makeLabel(QWidget *owner, const QString &text)
{
    auto *label = new QLabel(text, owner);
    label->adjustSize(); // automatic sizing
    return label;
}

// A screen reader names the variable's controls by its label: the include
// box that ticks it for Set and the control that shows its value.
void nameByLabel(CvBoundControl &b, QWidget *control)
{
    const QString name = b.label.trimmed();
    b.labelControl->setBuddy(control);
    control->setAccessibleName(name);
    b.includeBox->setAccessibleName(name);
}
} // namespace

TUIGenerator::TUIGenerator(CvBindingList &bindings_, QWidget *owner_)
    : bindings(bindings_)
    , owner(owner_)
{
    Generate();
}

TUIGenerator::~TUIGenerator() = default;

void TUIGenerator::Generate()
{
    for (CvBoundControl &b : bindings) {
        const bool readOnly = b.isReadOnly();
        switch (b.controlKind) {
        case KindEdit:
        case KindEditUnticked: {
            b.includeBox = makeIncludeBox(owner, includeBoxWidth, b.controlKind == KindEdit);
            controls.append(b.includeBox.data());
            b.labelControl = makeLabel(owner, b.label);
            controls.append(b.labelControl.data());
            auto *edit = new QLineEdit(owner);
            edit->resize(edit->sizeHint());
            if (readOnly) {
                b.includeBox->setEnabled(false);
                b.includeBox->hide();
                edit->setReadOnly(true);
                markReadOnly(edit);
            }
            nameByLabel(b, edit);
            b.control = edit;
            break;
        }
        case KindComboBox: {
            b.includeBox = makeIncludeBox(owner, includeBoxWidth, true);
            controls.append(b.includeBox.data());
            b.labelControl = makeLabel(owner, b.label);
            controls.append(b.labelControl.data());
            auto *combo = new QComboBox(owner);
            combo->resize(combo->sizeHint());
            if (readOnly) {
                b.includeBox->setEnabled(false);
                combo->setEnabled(false);
                markReadOnly(combo);
            }
            nameByLabel(b, combo);
            b.control = combo;
            break;
        }
        case KindMemo: {
            auto *memo = new QPlainTextEdit(owner);
            memo->setReadOnly(true);
            b.control = memo;
            break;
        }
        case KindListView:
            b.control = new QTreeWidget(owner);
            break;
        default:
            continue;
        }
        controls.append(b.control.data());
    }
}

void TUIGenerator::SetParentOfAll(QWidget *parent)
{
    for (const QPointer<QWidget> &c : controls)
        if (c) {
            const bool hidden = c->isHidden();
            c->setParent(parent);
            c->setHidden(hidden);
        }
}
