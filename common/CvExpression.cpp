#include "CvExpression.h"

#include "CvCommonMessages.h"
#include "CvScan.h"

#include <QDateTime>

#include <cmath>
#include <vector>

double NowAsDays()
{
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 days = QDate(1899, 12, 30).daysTo(now.date());
    return double(days) + double(now.time().msecsSinceStartOfDay()) / 86400000.0;
}

QString FormatGeneralReal(double value)
{
    QString text = QString::number(value, 'g', 15);
    if (!std::isfinite(value) || !text.contains(QLatin1Char('e')))
        return text;
    const int exponent = int(std::floor(std::log10(std::fabs(value))));
    text = QString::number(value, 'f', std::max(0, 14 - exponent));
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

namespace {

void checkDepth(int depth)
{
    if (depth > MaxExpressionDepth)
        RaiseCommon(CommonBadLogicOperand);
}

bool isNow(const QString &text)
{
    return text.trimmed().compare(QLatin1String("NOW"), Qt::CaseInsensitive) == 0;
}

double readNumber(const QString &text)
{
    if (isNow(text))
        return NowAsDays();
    return LeadingReal(text.toUtf8());
}

// The ')' that closes the '(' at open, counting nested pairs; -1 if none.
qsizetype matchingParen(const QString &text, qsizetype open)
{
    int level = 0;
    for (qsizetype i = open; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('('))
            ++level;
        else if (text.at(i) == QLatin1Char(')') && --level == 0)
            return i;
    }
    return -1;
}

double arithmetic(QString text, int depth)
{
    checkDepth(depth);
    // Each rule splits off a left part and goes on with the rest; the rest
    // is handled in this loop (not by recursion) and the recorded steps are
    // applied from the innermost out.
    struct Step
    {
        char op;
        double left;
    };
    std::vector<Step> steps;
    double value = 0;
    for (;;) {
        const qsizetype open = text.indexOf(QLatin1Char('('));
        const qsizetype close = open < 0 ? -1 : matchingParen(text, open);
        if (close >= 0) {
            const double inner = arithmetic(text.mid(open + 1, close - open - 1), depth + 1);
            text = text.left(open) + FormatGeneralReal(inner) + text.mid(close + 1);
            continue;
        }
        bool split = false;
        for (char op : {'+', '-', '*', '/'}) {
            const qsizetype at = text.indexOf(QLatin1Char(op));
            if (at < 0)
                continue;
            const QString left = text.left(at);
            const double l
                = (op == '+' || op == '-') ? arithmetic(left, depth + 1) : readNumber(left);
            steps.push_back({op, l});
            text = text.mid(at + 1);
            split = true;
            break;
        }
        if (!split) {
            value = readNumber(text);
            break;
        }
    }
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        switch (it->op) {
        case '+':
            value = it->left + value;
            break;
        case '-':
            value = it->left - value;
            break;
        case '*':
            value = it->left * value;
            break;
        default:
            value = it->left / value;
            break;
        }
    }
    return value;
}

bool isBlankOrControl(QChar c)
{
    return c.isSpace() || c.category() == QChar::Other_Control;
}

QString trimBlanksAndControls(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlankOrControl(text.at(begin)))
        ++begin;
    while (end > begin && isBlankOrControl(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

QByteArray comparisonOperand(const QString &raw)
{
    QString operand = trimBlanksAndControls(raw);
    if (operand.size() >= 2 && operand.front() == QLatin1Char('"')
        && operand.back() == QLatin1Char('"'))
        operand = operand.mid(1, operand.size() - 2);
    if (operand.compare(QLatin1String("NOW"), Qt::CaseInsensitive) == 0)
        operand = FormatGeneralReal(NowAsDays());
    return operand.toUtf8();
}

bool logic(QString text, int depth)
{
    checkDepth(depth);
    bool negate = false;
    for (;;) {
        const qsizetype q1 = text.indexOf(QLatin1Char('"'));
        const qsizetype q2 = q1 < 0 ? -1 : text.indexOf(QLatin1Char('"'), q1 + 1);
        auto found = [&](char c) {
            const qsizetype at = text.indexOf(QLatin1Char(c));
            const bool quoted = at >= 0 && q1 >= 0 && q2 >= 0 && at > q1 && at < q2;
            return quoted ? qsizetype(-1) : at;
        };
        const qsizetype open = found('(');
        const qsizetype close = open < 0 ? -1 : matchingParen(text, open);
        const bool closeQuoted = close >= 0 && q1 >= 0 && q2 >= 0 && close > q1 && close < q2;
        if (close >= 0 && !closeQuoted) {
            const bool inner = logic(text.mid(open + 1, close - open - 1), depth + 1);
            text = text.left(open) + QLatin1String(inner ? "true" : "false") + text.mid(close + 1);
            continue;
        }
        if (const qsizetype at = found('|'); at >= 0) {
            if (logic(text.left(at), depth + 1))
                return !negate;
            text = text.mid(at + 1);
            continue;
        }
        if (const qsizetype at = found('&'); at >= 0) {
            if (!logic(text.left(at), depth + 1))
                return negate;
            text = text.mid(at + 1);
            continue;
        }
        if (found('!') >= 0) {
            negate = !negate;
            text = text.mid(1);
            continue;
        }
        return EvaluateComparison(text) != negate;
    }
}

} // namespace

double EvaluateArithmetic(const QString &text)
{
    return arithmetic(text, 0);
}

bool EvaluateComparison(const QString &text)
{
    static const char *const operators[] = {"<>", ">=", "<=", ">", "<", "="};
    for (const char *op : operators) {
        const qsizetype at = text.indexOf(QLatin1String(op));
        if (at < 0)
            continue;
        const QByteArray left = comparisonOperand(text.left(at));
        const QByteArray right = comparisonOperand(text.mid(at + qsizetype(qstrlen(op))));
        const int order = left.compare(right);
        switch (op[0]) {
        case '<':
            return op[1] == '>' ? order != 0 : op[1] == '=' ? order <= 0 : order < 0;
        case '>':
            return op[1] == '=' ? order >= 0 : order > 0;
        default:
            return order == 0;
        }
    }
    const QString word = trimBlanksAndControls(text);
    if (word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    RaiseCommon(CommonBadLogicOperand);
}

bool EvaluateLogic(const QString &text)
{
    return logic(text, 0);
}
