#include <QtTest>

class TstCatalogues : public QObject
{
    Q_OBJECT
};

QTEST_GUILESS_MAIN(TstCatalogues)
#include "tst_catalogues.moc"
