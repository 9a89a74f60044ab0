#include <QtTest>

class TstRegistry : public QObject
{
    Q_OBJECT
};

QTEST_GUILESS_MAIN(TstRegistry)
#include "tst_registry.moc"
