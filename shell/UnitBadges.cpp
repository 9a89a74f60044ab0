#include "UnitBadges.h"

#include <QFont>
#include <QPainter>

QList<QPixmap> MakeUnitBadges(int count)
{
    QList<QPixmap> badges;
    for (int k = 0; k < count; ++k) {
        QPixmap badge(16, 16);
        badge.fill(Qt::transparent);
        QPainter p(&badge);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0xE8, 0xE8, 0xE8), 1));
        p.setBrush(QColor(0x1F, 0x4E, 0x8C));
        p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
        QFont font = p.font();
        font.setPixelSize(k + 1 >= 10 ? 9 : 11);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QString::number(k + 1));
        badges.append(badge);
    }
    return badges;
}
