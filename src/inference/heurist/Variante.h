// TVariante: the bound S as the heuristics receive it, either the text of a candidate
// bound (picked from the list) or a real number (the smallest bound), and its reading as a real.
#pragma once

#include <optional>
#include <string>
#include <variant>

using TVariante = std::variant<std::monostate, std::string, double>;

// The value as a real number: a real as it is; a text holding one decimal number
// (blanks around it allowed, "." or "," as decimal separator, optional sign and exponent);
// std::nullopt for an empty variant or a text that is no number.
std::optional<double> VarianteAReal(const TVariante& valor);

// A real number in the shortest general form of up to 15 significant digits ("2", "0,5",
// "1E15", "1E-5"), with `separadorDecimal` between the integer and fraction digits.
std::string RealEnFormaGeneral(double valor, char separadorDecimal);
