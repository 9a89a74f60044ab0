#include "TFlowLayoutManger.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QWidget>

#include <algorithm>
#include <cstring>

namespace {
void setParentKeepingVisibility(QWidget *w, QWidget *parent)
{
    if (!w || w->parentWidget() == parent)
        return;
    const bool hidden = w->isHidden();
    w->setParent(parent);
    w->setHidden(hidden);
}
} // namespace

TFlowLayoutManger::TFlowLayoutManger(
    QWidget *owner, QWidget *container_, QList<QPointer<QWidget>> &controls_)
    : controls(controls_)
    , container(container_)
{
    for (const QPointer<QWidget> &c : controls)
        setParentKeepingVisibility(c, owner);
}

TFlowLayoutManger::~TFlowLayoutManger() = default;

void TFlowLayoutManger::Layout()
{
    for (const QPointer<QWidget> &c : controls)
        setParentKeepingVisibility(c, container);

    // A lone list view or memo fills the container.
    if (controls.size() == 1 && controls[0]
        && (qobject_cast<QTreeWidget *>(controls[0])
            || qobject_cast<QPlainTextEdit *>(controls[0]))) {
        controls[0]->setGeometry(container->rect());
        return;
    }

    QList<QWidget *> boxes, labels, bound;
    for (int j = 0; j < controls.size(); ++j) {
        QWidget *w = controls[j];
        (j % 3 == 0 ? boxes : j % 3 == 1 ? labels : bound).append(w);
    }
    const int triples = int(std::min({boxes.size(), labels.size(), bound.size()}));
    for (QWidget *l : labels)
        if (auto *label = qobject_cast<QLabel *>(l))
            labelTextLength += int(label->text().size());
    for (QWidget *c : bound)
        if (c)
            c->resize(controlWidth, c->height());

    // Widest label and control of each grid column.
    QList<int> labelWidth(columns, 0), controlWidthOf(columns, 0);
    for (int n = 0; n < triples; ++n) {
        const int k = n % columns;
        if (labels[n])
            labelWidth[k] = std::max(labelWidth[k], labels[n]->width());
        if (bound[n])
            controlWidthOf[k] = std::max(controlWidthOf[k], bound[n]->width());
    }

    int x = leftMargin, y = topMargin, boxTop = 0, labelTop = 0;
    for (int n = 0; n < triples; ++n) {
        QWidget *box = boxes[n], *lbl = labels[n], *ctl = bound[n];
        if (!box || !lbl || !ctl)
            continue;
        const int k = n % columns;
        if (k == 0) {
            x = leftMargin;
            if (n == 0) {
                y = topMargin;
            } else {
                if (ctl->height() < 20)
                    ctl->resize(ctl->width(), 21);
                y = y + ctl->height() + vGap;
            }
            boxTop = y + (ctl->height() - box->height()) / 2;
            labelTop = y + (ctl->height() - lbl->height()) / 2;
        }
        ctl->move(ctl->x(), y);
        box->move(x, boxTop);
        lbl->move(box->x() + box->width() + hGap, labelTop);
        ctl->move(lbl->x() + labelWidth[k] + hGap, y);
        x = ctl->x() + controlWidthOf[k] + hGap;
    }

    const bool anyBoxShown
        = std::any_of(boxes.begin(), boxes.end(), [](QWidget *b) { return b && !b->isHidden(); });
    if (!anyBoxShown)
        for (int n = 0; n < triples; ++n)
            for (QWidget *w : {labels[n], bound[n]})
                if (w)
                    w->move(w->x() - 25, w->y());

    for (const QPointer<QWidget> &c : controls) {
        if (!c)
            continue;
        extentWidth = std::max(extentWidth, c->x() + c->width());
        extentHeight = std::max(extentHeight, c->y() + c->height());
    }
}

QString RangeSuffix(const QString &format)
{
    const qsizetype open = format.lastIndexOf(QLatin1Char('{'));
    const qsizetype close = format.lastIndexOf(QLatin1Char('}'));
    if (open < 0 && close < 0)
        return {};
    const QString text = format.mid(std::max<qsizetype>(open, 0));
    // The characters after position at up to the first of the delimiters;
    // a letter with no delimiter after it gives nothing.
    auto valueAfter = [&text](qsizetype at, const char *delimiters, QString &into) {
        for (qsizetype e = at + 1; e < text.size(); ++e)
            if (std::strchr(delimiters, text[e].toLatin1()) && text[e].toLatin1() != 0) {
                into = text.mid(at + 1, e - at - 1);
                return;
            }
    };
    QString minimum, maximum;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('n'))
            valueAfter(i, "mlwx}", minimum);
        else if (text[i] == QLatin1Char('x'))
            valueAfter(i, "mnwl}", maximum);
    }
    if (minimum.isEmpty())
        return {};
    return QStringLiteral("[%1..%2]").arg(minimum, maximum);
}

QString LabelWithRange(const QString &label, const QString &format)
{
    // Many captions carry their range already ("Unit[1-12]"): shown twice,
    // the second copy only crowds the grid.
    static const QRegularExpression ownRange(QStringLiteral("\\[[^\\[\\]]*\\]\\s*$"));
    if (ownRange.match(label).hasMatch())
        return label;
    return label + RangeSuffix(format);
}
