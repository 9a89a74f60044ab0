#include "PanelArt.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

const QColor recessColour(0x0E, 0x10, 0x13);
const QColor labelColour(0xC8, 0xCD, 0xD2);
const QColor captionColour(0xEE, 0xF1, 0xF4);

void drawConnector(QPainter &p, const QRect &r, bool upperRow, bool pressed)
{
    const QColor edge(0x15, 0x18, 0x1C);
    const QColor metal = pressed ? QColor(0xF2, 0xB2, 0x33) : QColor(0xB4, 0xBA, 0xC0);
    p.fillRect(r, edge);
    QLinearGradient housing(r.topLeft(), r.bottomLeft());
    housing.setColorAt(0, metal.lighter(118));
    housing.setColorAt(1, metal.darker(118));
    p.fillRect(r.adjusted(1, 1, -1, -1), housing);

    // The opening, its latch notch towards the plate's edge, the contacts
    // on the opposite side.
    const QRect cavity = r.adjusted(3, 4, -3, -4);
    p.fillRect(cavity, QColor(0x0B, 0x0C, 0x0E));
    const int notchWidth = 7;
    const int notchLeft = cavity.center().x() - notchWidth / 2;
    const QRect notch = upperRow ? QRect(notchLeft, cavity.bottom() + 1, notchWidth, 2)
                                 : QRect(notchLeft, cavity.top() - 2, notchWidth, 2);
    p.fillRect(notch, QColor(0x0B, 0x0C, 0x0E));
    const int contactY = upperRow ? cavity.top() + 1 : cavity.bottom() - 2;
    for (int k = 0; k < 6; ++k)
        p.fillRect(QRect(cavity.left() + 2 + 2 * k, contactY, 1, 2), QColor(0xD8, 0xB0, 0x40));
}

void drawRecess(QPainter &p, const QRect &r)
{
    p.fillRect(r, recessColour);
    p.setPen(QColor(255, 255, 255, 70));
    p.drawLine(r.bottomLeft() + QPoint(0, 1), r.bottomRight() + QPoint(1, 1));
    p.drawLine(r.topRight() + QPoint(1, 0), r.bottomRight() + QPoint(1, 0));
}

QFont pixelFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// The LED shapes a row puts into its container, clipped to it.
QList<QRect> ledRects(const LedRowLayout &row, int size, int gap)
{
    QList<QRect> rects;
    for (int k = 0; k < row.count; ++k) {
        const QRect led(row.geometry.left() + k * (gap + size), row.geometry.top() + 1, size, size);
        rects.append(led.intersected(row.geometry));
    }
    return rects;
}

QList<QRect> singleLedRects(const PanelLayout &layout)
{
    QList<QRect> rects;
    for (const QPoint &at : layout.systemLeds)
        rects.append(PanelLayout::ledContainer(at));
    for (int k = 0; k < layout.stackLedCount; ++k)
        rects.append(PanelLayout::ledContainer(layout.stackLeds[std::size_t(k)]));
    return rects;
}

// Everything drawn on the plate that a label must not cover.
QList<QRect> occupied(const PanelLayout &layout)
{
    QList<QRect> rects = FrontFeatureRects(layout);
    if (layout.hasBadge)
        rects.append(QRect(layout.badge, PanelLayout::BadgeSize));
    rects.append(layout.captionRect);
    return rects;
}

bool isFree(const QList<QRect> &taken, const QRect &r, const QRect &plate)
{
    if (!plate.contains(r))
        return false;
    for (const QRect &t : taken)
        if (t.adjusted(-1, -1, 1, 1).intersects(r))
            return false;
    return true;
}

void drawPlate(QPainter &p, const PanelLayout &layout)
{
    const QRect plate(0, 0, layout.width, layout.height);
    const QColor face(QRgb(layout.faceColour));
    QLinearGradient g(plate.topLeft(), plate.bottomLeft());
    g.setColorAt(0, face.lighter(112));
    g.setColorAt(1, face.darker(112));
    p.fillRect(plate, g);
    p.setPen(face.lighter(150));
    p.drawLine(plate.topLeft(), plate.topRight());
    p.setPen(face.darker(170));
    p.drawLine(plate.bottomLeft(), plate.bottomRight());
    p.drawLine(plate.topRight(), plate.bottomRight());
    p.setPen(face.lighter(125));
    p.drawLine(plate.topLeft(), plate.bottomLeft());
}

void drawSystemLeds(QPainter &p, const PanelLayout &layout)
{
    static const char *const names[] = {"PWR", "MST", "CON", "RPS"};
    p.setFont(pixelFont(7));
    p.setPen(labelColour);
    for (std::size_t k = 0; k < layout.systemLeds.size(); ++k) {
        const QRect led = PanelLayout::ledContainer(layout.systemLeds[k]);
        drawRecess(p, led.adjusted(-1, -1, 1, 1));
        // The name beside the LED, on the side where the plate has room.
        const bool right = led.left() < 30;
        const QRect text = right ? QRect(led.right() + 4, led.top() - 1, 24, 9)
                                 : QRect(led.left() - 28, led.top() - 1, 24, 9);
        p.drawText(text, (right ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
            QString::fromLatin1(names[k]));
    }
    for (int k = 0; k < layout.stackLedCount; ++k)
        drawRecess(
            p, PanelLayout::ledContainer(layout.stackLeds[std::size_t(k)]).adjusted(-1, -1, 1, 1));
}

void drawPortLeds(QPainter &p, const PanelLayout &layout)
{
    for (int r = 0; r < layout.ledRowCount; ++r)
        for (const QRect &led :
            ledRects(layout.ledRows[std::size_t(r)], layout.ledSize, layout.ledGap))
            drawRecess(p, led.adjusted(-1, -1, 1, 1));
}

void drawPorts(QPainter &p, const PanelLayout &layout)
{
    const QRect plate(0, 0, layout.width, layout.height);
    const QList<QRect> taken = occupied(layout);
    p.setFont(pixelFont(7));
    p.setPen(labelColour);
    for (int i = 1; i <= layout.portCount; ++i) {
        const QRect button = layout.portButton(i);
        const bool upper = i % 2 == 1;
        drawConnector(p, button, upper, false);
        // Odd numbers above the upper row, even ones below the lower row,
        // wherever the plate leaves room for them.
        const QRect label = upper ? QRect(button.left(), button.top() - 9, button.width(), 8)
                                  : QRect(button.left(), button.bottom() + 2, button.width(), 8);
        if (isFree(taken, label, plate))
            p.drawText(label, Qt::AlignCenter, QString::number(i));
    }
}

} // namespace

QPixmap PortConnectorPixmap(QSize size, bool upperRow, bool pressed)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    drawConnector(p, QRect(QPoint(0, 0), size), upperRow, pressed);
    return pixmap;
}

QList<QRect> FrontFeatureRects(const PanelLayout &layout)
{
    QList<QRect> rects;
    for (int i = 1; i <= layout.portCount; ++i)
        rects.append(layout.portButton(i));
    rects.append(singleLedRects(layout));
    for (int r = 0; r < layout.ledRowCount; ++r)
        rects.append(layout.ledRows[std::size_t(r)].geometry);
    return rects;
}

QImage DrawPanelFront(const PanelLayout &layout, const QString &caption)
{
    QImage image(layout.width, layout.height, QImage::Format_RGB32);
    QPainter p(&image);
    drawPlate(p, layout);

    p.setFont(pixelFont(11, true));
    p.setPen(captionColour);
    p.drawText(layout.captionRect, Qt::AlignLeft | Qt::AlignVCenter, caption);

    drawSystemLeds(p, layout);
    drawPortLeds(p, layout);
    if (layout.hasBadge)
        drawRecess(p, QRect(layout.badge, PanelLayout::BadgeSize));
    drawPorts(p, layout);
    return image;
}
