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
// Half-to-even rounding to a whole number.
double ArredondarInteiro(double valor);
// The value in hundredths, rounded to a whole number with halves to the even
// neighbour, judged on the exact value of the double: 0.125 gives 12, 0.375
// gives 38, and 0.155 (held as 0.15499999...) gives 15. Never -0.
double Centesimos(double valor);
// The same as a value with two decimals: Centesimos(valor) / 100.
double ArredondarDuasCasas(double valor);
// Exactly two decimals, locale separator, no grouping.
QString FormatarDuasCasas(double valor);

// Two-decimal texts of many values in one locale: the locale is read once.
class FormatoDuasCasas {
public:
    FormatoDuasCasas();  // the current locale
    // The text of a whole number of hundredths (as Centesimos gives it).
    QString DeCentesimos(double centesimos) const;
    // The same text appended to destino.
    void Acrescentar(double centesimos, QString& destino) const;
    // The plain text of the same number, as Formatar writes it: no trailing
    // zeros after the separator, no separator for a whole number.
    QString Simples(double centesimos) const;

private:
    QString m_separador;
    QString m_menos;
    bool m_algarismosLatinos = true;
};
// A typed text read by the locale's rules; ok is false when it does not convert
// (empty, letters, doubled separators, a lone separator).
double Ler(const QString& texto, bool* ok);
// The locale's decimal separator, found by formatting 5/2.
QChar SeparadorDecimal();

}  // namespace Numeros
