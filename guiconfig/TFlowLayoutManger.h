#pragma once

#include <QList>
#include <QPointer>
#include <QString>

class QWidget;

class TLayoutManger
{
public:
    virtual ~TLayoutManger() = default;
};

// Places the generator's controls as a grid of rows of (include box,
// label, control) triples and measures the space they take. The extents
// and the label text length only grow.
class TFlowLayoutManger : public TLayoutManger
{
public:
    TFlowLayoutManger(QWidget *owner, QWidget *container, QList<QPointer<QWidget>> &controls);
    ~TFlowLayoutManger() override;

    void Layout();

    int leftMargin = 20;
    int topMargin = 20;
    int hGap = 5;
    int vGap = 5;
    int columns = 1;
    int controlWidth = 121;
    int extentWidth = 0;
    int extentHeight = 0;
    int labelTextLength = 0;
    QList<QPointer<QWidget>> &controls;
    QPointer<QWidget> container;
};

// The value range a table window appends to a label, from the "{...}" part
// of an edit's format specifier: "%i{n1x4094l4}" gives "[1..4094]"; nothing
// without a minimum.
QString RangeSuffix(const QString &format);
// The caption of a control: the label and its range suffix, unless the
// label ends with a bracketed range of its own.
QString LabelWithRange(const QString &label, const QString &format);
