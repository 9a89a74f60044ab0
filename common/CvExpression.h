#pragma once

#include <QString>

// Evaluation of the derived-value and row-filter texts of the engine. The
// evaluators split the text at operator characters (no tokenizer):
// "+" binds loosest, a-b-c is a-(b-c), a product or quotient takes a plain
// number on its left; comparisons compare texts octet by octet. "NOW" (any
// case) is the current local date and time as days since 30 December 1899.

double EvaluateArithmetic(const QString &text);
bool EvaluateComparison(const QString &text);
bool EvaluateLogic(const QString &text); // throws CvException -1 on a bad operand

// Nesting deeper than this (parentheses, or operators whose left side must
// be evaluated on its own) raises -1 instead of exhausting the stack.
inline constexpr int MaxExpressionDepth = 200;

// The current local date and time as days since 30 December 1899.
double NowAsDays();

// A real number as the evaluators write it back into a text: up to 15
// significant digits, never in exponent form, so that the text reads back
// as the same number and holds no '+'.
QString FormatGeneralReal(double value);
