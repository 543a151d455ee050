// Utilidades: text-set helpers. Membership compares without letter case; block equality
// and substring tests are exact. The union indexes its first list so that it stays linear.
#include "core/Utilidades.h"

#include <array>
#include <unordered_set>

#include "core/Texto.h"

bool EsMiembro(std::string_view texto, const TLista& lista) {
  return IndiceDe(texto, lista).has_value();
}

std::optional<std::size_t> IndiceDe(std::string_view texto, const TLista& lista) {
  for (std::size_t i = 0; i < lista.size(); ++i)
    if (IgualesSinMayusculas(lista[i], texto)) return i;
  return std::nullopt;
}

TLista ConjuntoUnitario(std::string texto) { return TLista{std::move(texto)}; }

TParticion ParticionUnitaria(const TLista& lista) {
  TParticion r;
  r.reserve(lista.size());
  for (const auto& item : lista) r.push_back(ConjuntoUnitario(item));
  return r;
}

std::string ListaConBlancos(const TLista& lista) {
  std::string r;
  for (const auto& item : lista) {
    r += item;
    r += ' ';
  }
  return r;
}

TLista Unir(TLista& lista1, const TLista& lista2) {
  std::unordered_set<std::string> presentes;
  for (const auto& item : lista1) presentes.insert(AMinusculas(item));
  for (const auto& item : lista2)
    if (presentes.insert(AMinusculas(item)).second) lista1.push_back(item);
  return lista1;
}

std::string Sufijo(std::string_view texto, std::size_t n) {
  if (n >= texto.size()) return std::string(texto);
  return std::string(texto.substr(texto.size() - n));
}

bool EstaEnAlguno(std::string_view texto, const TLista& lista) {
  for (const auto& item : lista)
    if (item.find(texto) != std::string::npos) return true;
  return false;
}

bool EsSinTransicion(const TLista& lista) { return lista.size() == 1 && lista[0] == kSinTransicion; }

bool SobreAlfabeto(std::string_view cadena, const TLista& alfabeto) {
  // A one-character text is a substring of some symbol exactly when that character
  // occurs in some symbol, so one pass over the alphabet marks every allowed byte.
  std::array<bool, 256> permitido{};
  for (const auto& simbolo : alfabeto)
    for (char c : simbolo) permitido[static_cast<unsigned char>(c)] = true;
  for (char c : cadena)
    if (!permitido[static_cast<unsigned char>(c)]) return false;
  return true;
}

std::string NombreBloque(std::size_t bloque) { return "q" + std::to_string(bloque); }

std::string QuitarBlancos(std::string_view texto) {
  std::string r;
  for (char c : texto)
    if (c != ' ') r += c;
  return r;
}

std::string QuitarBlancosYBarras(std::string_view texto) {
  std::string r;
  for (char c : texto)
    if (c != ' ' && c != '\t' && c != '/') r += c;
  return r;
}

std::string ConjuntoATexto(const TLista& lista) {
  if (lista.empty()) return "{}";
  std::string r = "{ ";
  for (std::size_t i = 0; i < lista.size(); ++i) {
    r += lista[i].empty() ? "&" : lista[i];
    r += i + 1 < lista.size() ? ", " : " }";
  }
  return r;
}

std::string ListaATexto(const TLista& lista) {
  std::string r;
  for (std::size_t i = 0; i < lista.size(); ++i) {
    if (i > 0) r += " , ";
    r += lista[i];
  }
  return r;
}

void PartirEnA(std::string_view texto, std::string& primero, std::string& segundo) {
  const auto a = texto.find('A');
  if (a == std::string_view::npos) {
    primero += texto;
    return;
  }
  primero += texto.substr(0, a);
  segundo += texto.substr(a);
}
