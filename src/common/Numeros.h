#pragma once
// Numbers as the user sees them: the locale's decimal separator, no grouping,
// up to 15 significant digits, and half-to-even rounding.
#include <QString>
#include <QVariant>

namespace Numeros {

// Text of a number as a box or label shows it.
QString Formatar(double valor);
// Text of a field value: numbers formatted, text as is, Null as empty text.
QString TextoDoCampo(const QVariant& valor);
// Half-to-even rounding to a whole number and to two decimals.
double ArredondarInteiro(double valor);
double ArredondarDuasCasas(double valor);
// Exactly two decimals, locale separator, no grouping.
QString FormatarDuasCasas(double valor);
// A typed text read by the locale's rules; ok is false when it does not convert
// (empty, letters, doubled separators, a lone separator).
double Ler(const QString& texto, bool* ok);
// The locale's decimal separator, found by formatting 5/2.
QChar SeparadorDecimal();

}  // namespace Numeros
