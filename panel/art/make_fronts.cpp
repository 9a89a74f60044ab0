// Writes the front picture of every panel layout as a JPEG into the folder
// given on the command line.

#include "PanelArt.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fronts FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const PanelLayout *layout : PictureLayouts) {
        const QString name = QFileInfo(QString::fromLatin1(layout->picture)).fileName();
        const QString path = folder.filePath(name);
        QImageWriter writer(path, "jpeg");
        writer.setQuality(92);
        writer.setOptimizedWrite(true);
        if (!writer.write(DrawPanelFront(*layout, QString::fromLatin1(layout->caption)))) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
