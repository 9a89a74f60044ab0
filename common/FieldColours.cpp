#include "FieldColours.h"

#include <QEvent>
#include <QPalette>
#include <QWidget>

namespace {

constexpr const char *FaceName = "ButtonFace";

constexpr QPalette::ColorGroup Groups[]
    = {QPalette::Active, QPalette::Inactive, QPalette::Disabled};

void takeButtonFace(QWidget *field)
{
    QPalette palette = field->palette();
    bool changed = false;
    for (const QPalette::ColorGroup group : Groups) {
        const QColor face = palette.color(group, QPalette::Button);
        if (palette.color(group, QPalette::Base) != face
            || !palette.isBrushSet(group, QPalette::Base)) {
            palette.setColor(group, QPalette::Base, face);
            changed = true;
        }
    }
    if (changed)
        field->setPalette(palette);
}

// Lives as the field's child; takes the face again whenever the field's
// palette changes. The field's own setPalette ends in another change,
// which finds the face already taken.
class ButtonFace : public QObject
{
public:
    explicit ButtonFace(QWidget *field)
        : QObject(field)
    {
        setObjectName(QLatin1String(FaceName));
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange && watched == parent())
            takeButtonFace(static_cast<QWidget *>(watched));
        return false;
    }
};

// By name: the class has no meta-object of its own to be told apart by.
QObject *faceOf(QWidget *field)
{
    return field->findChild<QObject *>(QLatin1String(FaceName), Qt::FindDirectChildrenOnly);
}

} // namespace

void PaintAsButtonFace(QWidget *field)
{
    if (!faceOf(field))
        new ButtonFace(field);
    takeButtonFace(field);
}

void PaintAsField(QWidget *field)
{
    delete faceOf(field);
    // A palette without the field colour, so that the field's own comes
    // from its parent and the application again.
    const QPalette given = field->palette();
    QPalette palette;
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
        const auto role = QPalette::ColorRole(r);
        if (role == QPalette::Base)
            continue;
        for (const QPalette::ColorGroup group : Groups)
            if (given.isBrushSet(group, role))
                palette.setBrush(group, role, given.brush(group, role));
    }
    field->setPalette(palette);
}
