// Reading a regular expression: recursive descent over
//   union := concatenacion (("|" | "+") concatenacion)*
//   concatenacion := postfijo postfijo*
//   postfijo := atomo ("*" | "?")*
//   atomo := simbolo | "&" | "(" union ")" | "(" ")"
// building the automaton bottom-up by Thompson's construction: every sub-expression is a
// fragment with one entry and one exit state joined by λ-moves.
#include "automatas/ExpresionRegular.h"

#include <string>

namespace {

// Deeper nesting is refused rather than risking the stack.
constexpr std::size_t kProfundidadMaxima = 1000;
constexpr std::string_view kOperadores = "&|+*?()";

bool EsBlanco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

struct TFragmento {
  int entrada, salida;
};

class TLector {
 public:
  TLector(std::string_view texto, const TLista& alfabeto) : m_texto(texto), m_automata(alfabeto) {}

  TLecturaExpresion Leer() {
    Saltar();
    if (m_i == m_texto.size()) return Error(1, "La expresi\xF3n est\xE1 vac\xED" "a");
    const auto fragmento = Union();
    if (!m_error.empty()) return {std::nullopt, m_posicion, m_error};
    if (m_i < m_texto.size()) {
      // Only a closing parenthesis without its opening one stops a union early.
      return Error(m_i + 1, "Par\xE9ntesis de cierre sin abrir en la posici\xF3n " + std::to_string(m_i + 1));
    }
    m_automata.PonerInicial(fragmento.entrada);
    m_automata.PonerFinal(fragmento.salida);
    return {std::move(m_automata), 0, {}};
  }

 private:
  TLecturaExpresion Error(std::size_t posicion, std::string mensaje) { return {std::nullopt, posicion, std::move(mensaje)}; }
  void Fallo(std::size_t posicion, std::string mensaje) {
    if (!m_error.empty()) return;
    m_posicion = posicion;
    m_error = std::move(mensaje);
  }
  void Saltar() {
    while (m_i < m_texto.size() && EsBlanco(m_texto[m_i])) ++m_i;
  }
  bool Hay(char c) const { return m_i < m_texto.size() && m_texto[m_i] == c; }
  std::string Posicion(std::size_t i) const { return " en la posici\xF3n " + std::to_string(i + 1); }

  TFragmento Nuevo() {
    const int entrada = m_automata.AnadirEstado();
    const int salida = m_automata.AnadirEstado();
    return {entrada, salida};
  }
  TFragmento Lambda() {
    const auto f = Nuevo();
    m_automata.AnadirTransicion(f.entrada, TAutomataFinito::kLambda, f.salida);
    return f;
  }

  TFragmento Union() {
    auto izquierda = Concatenacion();
    while (m_error.empty() && (Hay('|') || Hay('+'))) {
      const std::size_t operador = m_i;
      ++m_i;
      Saltar();
      if (!EmpiezaAtomo()) {
        std::string mensaje = std::string("Falta una expresi\xF3n tras '") + m_texto[operador] + "'" + Posicion(operador);
        if (m_texto[operador] == '+') mensaje += " (\"+\" es la uni\xF3n; \"una o m\xE1s veces\" se escribe aa*)";
        Fallo(operador + 1, std::move(mensaje));
        return izquierda;
      }
      const auto derecha = Concatenacion();
      const auto f = Nuevo();
      for (const auto& parte : {izquierda, derecha}) {
        m_automata.AnadirTransicion(f.entrada, TAutomataFinito::kLambda, parte.entrada);
        m_automata.AnadirTransicion(parte.salida, TAutomataFinito::kLambda, f.salida);
      }
      izquierda = f;
    }
    return izquierda;
  }

  bool EmpiezaAtomo() const { return m_i < m_texto.size() && (m_texto[m_i] == '(' || m_texto[m_i] == '&' ||
                                                                kOperadores.find(m_texto[m_i]) == std::string_view::npos); }

  TFragmento Concatenacion() {
    if (!EmpiezaAtomo()) {
      if (m_i == m_texto.size())
        Fallo(m_i + 1, "Falta una expresi\xF3n al final");
      else if (m_texto[m_i] == '*' || m_texto[m_i] == '?')
        Fallo(m_i + 1, std::string("'") + m_texto[m_i] + "' sin nada antes" + Posicion(m_i));
      else if (m_texto[m_i] == ')')
        Fallo(m_i + 1, "Par\xE9ntesis de cierre sin abrir" + Posicion(m_i));
      else
        Fallo(m_i + 1, "Falta una expresi\xF3n antes de '" + std::string(1, m_texto[m_i]) + "'" + Posicion(m_i));
      return Lambda();
    }
    auto izquierda = Postfijo();
    while (m_error.empty() && EmpiezaAtomo()) {
      const auto derecha = Postfijo();
      m_automata.AnadirTransicion(izquierda.salida, TAutomataFinito::kLambda, derecha.entrada);
      izquierda = {izquierda.entrada, derecha.salida};
    }
    return izquierda;
  }

  TFragmento Postfijo() {
    auto f = Atomo();
    while (m_error.empty() && (Hay('*') || Hay('?'))) {
      const bool estrella = m_texto[m_i] == '*';
      ++m_i;
      Saltar();
      const auto g = Nuevo();
      m_automata.AnadirTransicion(g.entrada, TAutomataFinito::kLambda, f.entrada);
      m_automata.AnadirTransicion(f.salida, TAutomataFinito::kLambda, g.salida);
      m_automata.AnadirTransicion(g.entrada, TAutomataFinito::kLambda, g.salida);
      if (estrella) m_automata.AnadirTransicion(f.salida, TAutomataFinito::kLambda, f.entrada);
      f = g;
    }
    return f;
  }

  TFragmento Atomo() {
    const char c = m_texto[m_i];
    const std::size_t inicio = m_i;
    ++m_i;
    Saltar();
    if (c == '&') return Lambda();
    if (c == '(') {
      if (++m_profundidad > kProfundidadMaxima) {
        Fallo(inicio + 1, "Demasiados par\xE9ntesis anidados" + Posicion(inicio));
        return Lambda();
      }
      if (Hay(')')) {
        ++m_i;
        Saltar();
        --m_profundidad;
        return Lambda();
      }
      const auto f = Union();
      if (!m_error.empty()) return f;
      if (!Hay(')')) {
        Fallo(inicio + 1, "Falta el par\xE9ntesis de cierre del abierto" + Posicion(inicio));
        return f;
      }
      ++m_i;
      Saltar();
      --m_profundidad;
      return f;
    }
    const auto f = Nuevo();
    m_automata.AnadirTransicion(f.entrada, m_automata.AnadirSimbolo(std::string_view(&c, 1)), f.salida);
    return f;
  }

  std::string_view m_texto;
  std::size_t m_i = 0;
  std::size_t m_profundidad = 0;
  TAutomataFinito m_automata;
  std::size_t m_posicion = 0;
  std::string m_error;
};

}  // namespace

TLecturaExpresion LeerExpresion(std::string_view texto, const TLista& alfabeto) {
  return TLector(texto, alfabeto).Leer();
}
