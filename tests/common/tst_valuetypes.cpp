#include <QtTest>

class TstValuetypes : public QObject
{
    Q_OBJECT
};

QTEST_GUILESS_MAIN(TstValuetypes)
#include "tst_valuetypes.moc"
