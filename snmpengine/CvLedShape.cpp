#include "CvLedShape.h"

#include <QPainter>

QColor LedColor(qint32 colour)
{
    const auto c = quint32(colour);
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

CvLedShape::CvLedShape(QWidget *parent, Kind kind)
    : QWidget(parent)
    , m_kind(kind)
{
    // Every pixel is painted: nothing behind the shape needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent, kind == Rectangle);
}

void CvLedShape::setColour(qint32 colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void CvLedShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor c = LedColor(m_colour);
    painter.setPen(c);
    painter.setBrush(c);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    switch (m_kind) {
    case Rectangle:
        painter.drawRect(r);
        break;
    case RoundRect:
        painter.drawRoundedRect(r, 25, 25, Qt::RelativeSize);
        break;
    case Ellipse:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(r);
        break;
    }
}
