#include "CvCommonMessages.h"
#include "CvException.h"
#include "CvExpression.h"

#include <QDateTime>
#include <QtTest>

class TstExpression : public QObject
{
    Q_OBJECT

private slots:
    void arithmetic_data();
    void arithmetic();
    void comparison_data();
    void comparison();
    void logic_data();
    void logic();
    void badOperand_data();
    void badOperand();
    void now();
    void deepNesting();
    void longChainsDoNotRecurse();
    void generalReal_data();
    void generalReal();
};

void TstExpression::arithmetic_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("product binds tighter") << "2+3*4" << 14.0;
    QTest::newRow("parentheses") << "(2+3)*4" << 20.0;
    QTest::newRow("minus groups right") << "10-4-3" << 9.0;
    QTest::newRow("quotient groups right") << "8/4/2" << 4.0;
    QTest::newRow("quotient takes plain number") << "6/3*2" << 12.0;
    QTest::newRow("left of product is a number") << "2*3+1" << 7.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("leading minus") << "-5" << -5.0;
    QTest::newRow("text is 0") << "abc+2" << 2.0;
    QTest::newRow("leading part of number") << "2.5kg*2" << 5.0;
    QTest::newRow("blanks") << " 2 + 3 " << 5.0;
    QTest::newRow("nested") << "((1+1)*(2+1))" << 6.0;
    QTest::newRow("unmatched paren") << "(2+3" << 3.0;
    QTest::newRow("rewritten negative") << "(1-3)+4" << 2.0;
    QTest::newRow("small result keeps value") << "(1/100000000)*100000000" << 1.0;
    QTest::newRow("large result keeps value")
        << "(10000000000*10000000000)/10000000000" << 10000000000.0;
}

void TstExpression::arithmetic()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(EvaluateArithmetic(text), value);
}

void TstExpression::comparison_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("result");
    QTest::newRow("equal") << "5=5" << true;
    QTest::newRow("quoted differ") << "\"abc\"<>\"abd\"" << true;
    QTest::newRow("text order") << "10<9" << true;
    QTest::newRow("prefix is smaller") << "ab<abc" << true;
    QTest::newRow("greater or equal") << "b>=a" << true;
    QTest::newRow("less or equal, equal") << "a<=a" << true;
    QTest::newRow("greater false") << "a>b" << false;
    QTest::newRow("blanks trimmed") << "  x  =\tx " << true;
    QTest::newRow("quote keeps blanks") << "\" x\"=x" << false;
    QTest::newRow("first operator wins") << "a<>b=c" << true;
    QTest::newRow("octets, not locale") << "Z<a" << true;
    QTest::newRow("high octets compare unsigned") << QString::fromUtf8("\xc3\xa9>z") << true;
    QTest::newRow("word true") << " TRUE " << true;
    QTest::newRow("word false") << "False" << false;
}

void TstExpression::comparison()
{
    QFETCH(QString, text);
    QFETCH(bool, result);
    QCOMPARE(EvaluateComparison(text), result);
}

void TstExpression::logic_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("result");
    QTest::newRow("or") << "1=1|2=3" << true;
    QTest::newRow("and") << "1=2&2=2" << false;
    QTest::newRow("not group") << "!(1=2)" << true;
    QTest::newRow("double not") << "!!(1=1)" << true;
    QTest::newRow("or groups right") << "1=2|1=2|3=3" << true;
    QTest::newRow("and before or split") << "1=1&2=3|4=4" << true;
    QTest::newRow("bar inside quotes") << "\"a|b\"=\"a|b\"" << true;
    QTest::newRow("amp inside quotes") << "\"a&b\"<>\"a\"" << true;
    QTest::newRow("paren inside quotes") << "\"(x)\"=\"(x)\"" << true;
    QTest::newRow("nested groups") << "((1=1)&(2=2))|x=y" << true;
    QTest::newRow("negated or") << "!(1=1|1=2)" << false;
    QTest::newRow("short circuit skips bad operand") << "1=1|nonsense" << true;
    QTest::newRow("short circuit and") << "1=2&nonsense" << false;
}

void TstExpression::logic()
{
    QFETCH(QString, text);
    QFETCH(bool, result);
    QCOMPARE(EvaluateLogic(text), result);
}

void TstExpression::badOperand_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("lone word") << "x";
    QTest::newRow("empty") << "";
    QTest::newRow("bad after and") << "1=1&x";
    QTest::newRow("bad group") << "(x)|1=1";
}

void TstExpression::badOperand()
{
    QFETCH(QString, text);
    try {
        EvaluateLogic(text);
        QFAIL("no exception");
    } catch (const CvException &e) {
        QCOMPARE(e.code(), -1);
        QCOMPARE(e.message(), QString("(CvCommon) Bad logic operand!"));
    }
}

void TstExpression::now()
{
    const QDateTime t = QDateTime::currentDateTime();
    const double expected = double(QDate(1899, 12, 30).daysTo(t.date()))
        + t.time().msecsSinceStartOfDay() / 86400000.0;
    QVERIFY(qAbs(EvaluateArithmetic("now") - expected) < 5.0 / 86400);
    QVERIFY(qAbs(EvaluateArithmetic("NOW+1") - expected - 1) < 5.0 / 86400);
    // As a comparison operand NOW is its number as text.
    QVERIFY(EvaluateComparison("NOW>40000"));
    QVERIFY(EvaluateLogic("now<>0&NOW<99999"));
}

void TstExpression::deepNesting()
{
    for (int depth : {MaxExpressionDepth / 2, 5000}) {
        const QString text = QString(depth, '(') + "1" + QString(depth, ')');
        const QString logic = QString(depth, '(') + "1=1" + QString(depth, ')');
        if (depth <= MaxExpressionDepth) {
            QCOMPARE(EvaluateArithmetic(text), 1.0);
            QVERIFY(EvaluateLogic(logic));
            continue;
        }
        for (bool arithmetic : {true, false}) {
            try {
                if (arithmetic)
                    EvaluateArithmetic(text);
                else
                    EvaluateLogic(logic);
                QFAIL("no exception");
            } catch (const CvException &e) {
                QCOMPARE(e.code(), -1);
                QCOMPARE(e.message(), CommonMessage(CommonBadLogicOperand));
            }
        }
    }
}

void TstExpression::longChainsDoNotRecurse()
{
    QStringList terms(5000, "1");
    QCOMPARE(EvaluateArithmetic(terms.join(QLatin1Char('+'))), 5000.0);
    QCOMPARE(EvaluateArithmetic(terms.join('*')), 1.0);
    QCOMPARE(EvaluateArithmetic(terms.join('-')), 0.0); // 1-(1-(1-...)) over an even count
    QStringList comparisons(5000, "1=2");
    QVERIFY(!EvaluateLogic(comparisons.join('|')));
    QVERIFY(EvaluateLogic(QString(5001, QLatin1Char('!')) + "1=2"));
}

void TstExpression::generalReal_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("integer") << 5.0 << "5";
    QTest::newRow("fraction") << 0.25 << "0.25";
    QTest::newRow("negative") << -3.5 << "-3.5";
    QTest::newRow("fifteen digits") << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("large, no exponent") << 1e20 << "100000000000000000000";
    QTest::newRow("small, no exponent") << 1.5e-7 << "0.00000015";
}

void TstExpression::generalReal()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(FormatGeneralReal(value), text);
}

QTEST_GUILESS_MAIN(TstExpression)
#include "tst_expression.moc"
