#pragma once

#include <QString>

// Computed figures are shown as fixed-point texts and later stages read the
// shown text back, so the display rounding is part of every result. These
// helpers are the one place where that rounding happens.
namespace Display {

// Fixed-point text, C locale, no grouping ("0.0260000").
inline QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

// The value as a label would show it and a later stage would read it back.
inline double asDisplayed(double value, int decimals)
{
    return fixed(value, decimals).toDouble();
}

// The number before the first blank of a label text ("0.5000000 A" -> 0.5).
inline double figure(const QString &text)
{
    const int blank = text.indexOf(QLatin1Char(' '));
    return (blank < 0 ? text : text.left(blank)).toDouble();
}

// Shortest general format with 6 significant digits (12 -> "12").
inline QString general(double value)
{
    return QString::number(value, 'g', 6);
}

// Decimals enough to tell two compared figures apart: at least `fewest`, at
// most `most`; where they differ only beyond `most`, `most`.
inline int decimalsToTell(double a, double b, int fewest, int most = 7)
{
    int decimals = fewest;
    while (decimals < most && fixed(a, decimals) == fixed(b, decimals))
        ++decimals;
    return decimals;
}

inline QString amperes(double value)
{
    return fixed(value, 7) + QStringLiteral(" A");
}

inline QString volts(double value)
{
    return fixed(value, 7) + QStringLiteral(" V");
}

inline QString ampereHours(double value)
{
    return fixed(value, 2) + QStringLiteral(" Ah");
}

} // namespace Display
