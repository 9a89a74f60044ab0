#include "AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// The first widget a layout item holds, itself or inside its layout.
QWidget *firstWidget(QLayoutItem *item)
{
    if (!item)
        return nullptr;
    if (QWidget *w = item->widget())
        return w;
    if (QLayout *inner = item->layout())
        for (int k = 0; k < inner->count(); ++k)
            if (QWidget *w = firstWidget(inner->itemAt(k)))
                return w;
    return nullptr;
}

QString labelText(const QLabel *label)
{
    return label->text().trimmed();
}

bool isCaptionlessBox(const QWidget *w)
{
    const auto *box = qobject_cast<const QAbstractButton *>(w);
    return box && box->isCheckable() && box->text().trimmed().isEmpty();
}

void nameAfter(QLabel *label, QWidget *control)
{
    if (!label || !control || !IsOperatorControl(control) || !control->accessibleName().isEmpty())
        return;
    const QString text = labelText(label);
    if (text.isEmpty())
        return;
    control->setAccessibleName(text);
    if (!label->buddy())
        label->setBuddy(control);
}

// What names the control right of w in a grid row: a label's text, or the
// caption of a check box that says whether the field beside it is sent.
QString captionInGrid(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return labelText(label);
    if (auto *box = qobject_cast<QAbstractButton *>(w); box && box->isCheckable())
        return box->text().trimmed();
    return {};
}

// A label (or a captioned include box) names the control right of it, else
// the one below it. Further along its row, a check box without a caption
// (the field's include box) is named after the same label; the row's next
// caption ends that.
void nameInGrid(QGridLayout *grid)
{
    for (int k = 0; k < grid->count(); ++k) {
        QWidget *caption = grid->itemAt(k)->widget();
        const QString text = captionInGrid(caption);
        if (text.isEmpty())
            continue;
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(k, &row, &column, &rowSpan, &columnSpan);
        QWidget *beside = firstWidget(grid->itemAtPosition(row, column + columnSpan));
        auto *label = qobject_cast<QLabel *>(caption);
        if (beside && IsOperatorControl(beside)
            && (label || !qobject_cast<QAbstractButton *>(beside))) {
            if (label)
                nameAfter(label, beside);
            else if (beside->accessibleName().isEmpty())
                beside->setAccessibleName(text);
            for (int c = column + columnSpan + 1; c < grid->columnCount(); ++c) {
                QWidget *next = firstWidget(grid->itemAtPosition(row, c));
                if (!next || next == beside)
                    continue;
                if (!isCaptionlessBox(next))
                    break;
                if (next->accessibleName().isEmpty())
                    next->setAccessibleName(text);
            }
        } else if (label) {
            nameAfter(label, firstWidget(grid->itemAtPosition(row + rowSpan, column)));
        }
    }
}

void nameInForm(QFormLayout *form)
{
    for (int row = 0; row < form->rowCount(); ++row) {
        auto *label
            = qobject_cast<QLabel *>(firstWidget(form->itemAt(row, QFormLayout::LabelRole)));
        nameAfter(label, firstWidget(form->itemAt(row, QFormLayout::FieldRole)));
    }
}

void nameInBox(QLayout *box)
{
    for (int k = 0; k + 1 < box->count(); ++k)
        if (auto *label = qobject_cast<QLabel *>(box->itemAt(k)->widget()))
            nameAfter(label, firstWidget(box->itemAt(k + 1)));
}

QString groupTitle(const QWidget *control)
{
    for (const QWidget *w = control->parentWidget(); w && !w->isWindow(); w = w->parentWidget())
        if (auto *group = qobject_cast<const QGroupBox *>(w))
            if (!group->title().trimmed().isEmpty())
                return group->title().trimmed();
    return {};
}

} // namespace

QString PortAccessibleName(int unit, int port)
{
    return QStringLiteral("Unit %1 port %2").arg(unit).arg(port);
}

bool IsOperatorControl(const QWidget *widget)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        return !edit->isReadOnly();
    if (auto *memo = qobject_cast<const QPlainTextEdit *>(widget))
        return !memo->isReadOnly();
    if (auto *text = qobject_cast<const QTextEdit *>(widget))
        return !text->isReadOnly();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->isCheckable();
    return qobject_cast<const QComboBox *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget)
        || qobject_cast<const QAbstractSlider *>(widget);
}

void NameControlsByLabels(QWidget *root)
{
    if (!root)
        return;
    QList<QLayout *> layouts = root->findChildren<QLayout *>();
    if (root->layout() && !layouts.contains(root->layout()))
        layouts.prepend(root->layout());
    for (QLayout *layout : std::as_const(layouts)) {
        if (auto *grid = qobject_cast<QGridLayout *>(layout))
            nameInGrid(grid);
        else if (auto *form = qobject_cast<QFormLayout *>(layout))
            nameInForm(form);
        else if (qobject_cast<QBoxLayout *>(layout))
            nameInBox(layout);
    }
    for (QWidget *control : root->findChildren<QWidget *>()) {
        if (!IsOperatorControl(control) || !control->accessibleName().isEmpty())
            continue;
        // A combo box's editor and a spin box's edit are parts of it.
        if (qobject_cast<QComboBox *>(control->parentWidget())
            || qobject_cast<QAbstractSpinBox *>(control->parentWidget()))
            continue;
        QString name;
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            name = button->text().trimmed();
        if (name.isEmpty())
            name = groupTitle(control);
        if (!name.isEmpty())
            control->setAccessibleName(name);
    }
}
