// Writes the module's built-in message catalogues as catalogue files under
// the directory given (errmsg/snmp.err, ...), one message a line, for the
// package: an operator edits a copy to reword or translate them. A table
// with a message of several lines has no file: a file could not give the
// line breaks, and without one the module keeps its built-in table.
#include "CvCatalogues.h"
#include "LocalPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: write_catalogues DIRECTORY\n");
        return 2;
    }
    const QDir top(args.at(1));
    for (Catalogue c : AllCatalogues) {
        const CvMessageTable &table = CatalogueTable(c);
        const QString fileName = top.filePath(LocalPath(CatalogueFileName(c)));
        QByteArray contents;
        bool oneLineEach = true;
        for (int k = 0; k < table.BuiltInCount(); ++k) {
            const QString text = table.Text(k);
            // A blank line is skipped when the file is read and a line break
            // splits a message: either would move every later message.
            oneLineEach = oneLineEach
                && CvMessageTable::ParseCatalogue(text.toUtf8()) == QStringList {text};
            contents += text.toUtf8() + '\n';
        }
        if (!oneLineEach) {
            QFile::remove(fileName);
            std::printf("write_catalogues: %s stays built in (messages of several lines)\n",
                qPrintable(CatalogueFileName(c)));
            continue;
        }
        QDir().mkpath(QFileInfo(fileName).absolutePath());
        QSaveFile file(fileName);
        if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size()
            || !file.commit()) {
            std::fprintf(stderr, "write_catalogues: cannot write %s\n", qPrintable(fileName));
            return 1;
        }
    }
    return 0;
}
