#include "TAboutForm.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#ifndef TRV_BUILD_NUMBER
#define TRV_BUILD_NUMBER 0
#endif
#ifndef TRV_VERSION
#define TRV_VERSION "1.0.0"
#endif

namespace {

// The two pictures are drawn, not shipped: a switch front in the module's
// colours; the second one carries the primary model's name, written in the
// window's text colour on the window's background.
QPixmap drawPicture(bool withModel, const QColor &text = QColor())
{
    QPixmap pixmap(96, 96);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x1F, 0x4E, 0x8C));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(4, 26, 88, 44), 6, 6);
    p.setBrush(QColor(0xD8, 0xDE, 0xE6));
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 6; ++col)
            p.drawRect(QRectF(12 + col * 12, 34 + row * 14, 9, 9));
    }
    p.setBrush(QColor(0x3C, 0xC8, 0x50));
    p.drawEllipse(QPointF(86, 32), 2.5, 2.5);
    if (withModel) {
        p.setPen(text);
        QFont font = p.font();
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRect(0, 74, 96, 18), Qt::AlignCenter, QStringLiteral("TRV8170QL"));
    }
    return pixmap;
}

} // namespace

QString TAboutForm::VersionLine()
{
    return QStringLiteral("Version %1").arg(QStringLiteral(TRV_VERSION));
}

QString TAboutForm::LongVersionLine()
{
    return QStringLiteral("Version %1 (build %2)")
        .arg(QStringLiteral(TRV_VERSION))
        .arg(TRV_BUILD_NUMBER);
}

TAboutForm::TAboutForm(QWidget *parent)
    : QDialog(parent)
    , m_picture1(new QLabel(this))
    , m_picture2(new QLabel(this))
    , m_moduleName(new QLabel(this))
    , m_notice(new QLabel(this))
    , m_version(new QLabel(this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About"));
    m_picture1->setObjectName(QStringLiteral("Image1"));
    m_picture1->setPixmap(drawPicture(false));
    m_picture2->setObjectName(QStringLiteral("Image2"));
    m_picture2->setPixmap(drawPicture(true, palette().color(QPalette::WindowText)));
    m_picture2->hide();
    m_moduleName->setObjectName(QStringLiteral("ModuleNameLabel"));
    m_notice->setObjectName(QStringLiteral("NoticeLabel"));
    m_notice->setText(QStringLiteral("Management module for stackable Ethernet switches.\n"
                                     "Free software under the MIT licence."));
    m_version->setObjectName(QStringLiteral("VersionLabel"));
    m_ok->setObjectName(QStringLiteral("BT_Ok"));
    m_ok->setDefault(true);
    m_ok->installEventFilter(this);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QGridLayout(this);
    layout->addWidget(m_picture1, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(m_picture2, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(m_moduleName, 0, 1);
    layout->addWidget(m_version, 1, 1);
    layout->addWidget(m_notice, 2, 1);
    layout->addWidget(m_ok, 3, 1, Qt::AlignRight);
}

void TAboutForm::showEvent(QShowEvent *event)
{
    // On activation the box speaks of the primary model.
    m_picture1->hide();
    m_picture2->show();
    setWindowTitle(QStringLiteral("About TRV8170QL"));
    m_moduleName->setText(QStringLiteral("TRV8170QL Management Module"));
    m_version->setText(VersionLine());
    QDialog::showEvent(event);
}

void TAboutForm::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        m_picture2->setPixmap(drawPicture(true, palette().color(QPalette::WindowText)));
}

bool TAboutForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ok && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const auto mods
            = key->modifiers() & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier);
        if (key->key() == Qt::Key_F3 && mods == (Qt::ShiftModifier | Qt::AltModifier)) {
            m_version->setText(LongVersionLine());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
