// Reading automata back. JSON goes through nlohmann::json (its parse errors carry the byte,
// turned into a line here); the .jff XML through expat into a small element tree that keeps
// each element's line, then both are checked element by element with messages that name
// what is wrong and where.
#include "automatas/LecturaAutomata.h"

#include <expat.h>

#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include <nlohmann/json.hpp>

#include "automatas/ExpresionRegular.h"
#include "core/ArchivoTexto.h"
#include "core/Texto.h"

namespace {

TLecturaAutomata Fallo(std::string mensaje) { return {std::nullopt, std::move(mensaje)}; }

std::size_t LineaDeByte(std::string_view texto, std::size_t byte) {
  std::size_t linea = 1;
  for (std::size_t i = 0; i < byte && i < texto.size(); ++i)
    if (texto[i] == '\n') ++linea;
  return linea;
}

// ---------------------------------------------------------------- JSON

using TJson = nlohmann::json;

// A UTF-8 text of the document in Windows-1252; nullopt when it has characters outside it.
std::optional<std::string> Texto1252(const std::string& utf8) { return Utf8ACp1252(utf8); }

class TLectorJson {
 public:
  explicit TLectorJson(const TJson& documento) : m_doc(documento) {}

  TLecturaAutomata Leer() {
    if (!m_doc.is_object()) return Fallo("El documento JSON no es un objeto");
    if (!m_doc.contains("formato") || m_doc["formato"] != "telar-automata")
      return Fallo("El documento JSON no es un aut\xF3mata de Telar: falta \"formato\": \"telar-automata\"");
    if (!m_doc.contains("version") || m_doc["version"] != 1)
      return Fallo("Versi\xF3n del formato no admitida en \"version\" (se lee la 1)");
    if (!m_doc.contains("tipo") || !m_doc["tipo"].is_string()) return Fallo("Falta \"tipo\"");
    if (m_doc["tipo"] != "automata")
      return Fallo("El archivo es de tipo \"" + Seguro(m_doc["tipo"].get<std::string>()) +
                   "\" (m\xE1quina de Mealy), no un aut\xF3mata finito");
    for (const char* campo : {"alfabeto", "estados", "finales", "transiciones"})
      if (!m_doc.contains(campo) || !m_doc[campo].is_array())
        return Fallo(std::string("Falta la lista \"") + campo + "\"");

    TAutomataFinito automata;
    const auto& alfabeto = m_doc["alfabeto"];
    for (std::size_t i = 0; i < alfabeto.size(); ++i) {
      const auto simbolo = TextoDe(alfabeto[i], "alfabeto[" + std::to_string(i) + "]");
      if (!simbolo) return Fallo(m_error);
      if (simbolo->empty() || automata.SimboloDe(*simbolo))
        return Fallo("alfabeto[" + std::to_string(i) + "]: s\xEDmbolo vac\xEDo o repetido");
      automata.AnadirSimbolo(*simbolo);
    }
    const auto& estados = m_doc["estados"];
    for (std::size_t i = 0; i < estados.size(); ++i) {
      const std::string donde = "estados[" + std::to_string(i) + "]";
      const auto& e = estados[i];
      if (!e.is_object()) return Fallo(donde + ": no es un objeto");
      if (!e.contains("id") || !e["id"].is_number_integer() || e["id"].get<long long>() != static_cast<long long>(i))
        return Fallo(donde + ": \"id\" debe ser " + std::to_string(i));
      const auto nombre = e.contains("nombre") ? TextoDe(e["nombre"], donde + ".nombre") : std::nullopt;
      if (!nombre) return Fallo(m_error.empty() ? donde + ": falta \"nombre\"" : m_error);
      TLista prefijos;
      if (e.contains("prefijos")) {
        if (!e["prefijos"].is_array()) return Fallo(donde + ".prefijos: no es una lista");
        for (std::size_t j = 0; j < e["prefijos"].size(); ++j) {
          const auto prefijo = TextoDe(e["prefijos"][j], donde + ".prefijos[" + std::to_string(j) + "]");
          if (!prefijo) return Fallo(m_error);
          prefijos.push_back(prefijo->empty() ? "&" : *prefijo);
        }
      }
      if (e.contains("final") && !e["final"].is_boolean()) return Fallo(donde + ".final: no es true ni false");
      automata.AnadirEstado(*nombre, std::move(prefijos), e.value("final", false));
    }
    const int n = automata.NumeroDeEstados();
    const auto estadoDe = [&](const TJson& valor, const std::string& donde) -> std::optional<int> {
      if (!valor.is_number_integer() || valor.get<long long>() < 0 || valor.get<long long>() >= n) {
        m_error = donde + ": no es el id de un estado";
        return std::nullopt;
      }
      return static_cast<int>(valor.get<long long>());
    };
    if (m_doc.contains("inicial") && !m_doc["inicial"].is_null()) {
      const auto inicial = estadoDe(m_doc["inicial"], "inicial");
      if (!inicial) return Fallo(m_error);
      automata.PonerInicial(*inicial);
    }
    const auto& finales = m_doc["finales"];
    for (std::size_t i = 0; i < finales.size(); ++i) {
      const auto q = estadoDe(finales[i], "finales[" + std::to_string(i) + "]");
      if (!q) return Fallo(m_error);
      if (!automata.EsFinal(*q)) return Fallo("finales[" + std::to_string(i) + "]: el estado no est\xE1 marcado final");
    }
    if (finales.size() != automata.Finales().size())
      return Fallo("\"finales\" no lista todos los estados marcados como finales");
    const auto& transiciones = m_doc["transiciones"];
    for (std::size_t i = 0; i < transiciones.size(); ++i) {
      const std::string donde = "transiciones[" + std::to_string(i) + "]";
      const auto& t = transiciones[i];
      if (!t.is_object() || !t.contains("origen") || !t.contains("destino") || !t.contains("simbolo"))
        return Fallo(donde + ": necesita \"origen\", \"destino\" y \"simbolo\"");
      const auto origen = estadoDe(t["origen"], donde + ".origen");
      const auto destino = origen ? estadoDe(t["destino"], donde + ".destino") : std::nullopt;
      if (!destino) return Fallo(m_error);
      const auto simbolo = TextoDe(t["simbolo"], donde + ".simbolo");
      if (!simbolo) return Fallo(m_error);
      const auto id = automata.SimboloDe(*simbolo);
      if (!id) return Fallo(donde + ".simbolo: \"" + *simbolo + "\" no est\xE1 en el alfabeto");
      automata.AnadirTransicion(*origen, *id, *destino);
    }
    return {std::move(automata), {}};
  }

 private:
  std::optional<std::string> TextoDe(const TJson& valor, const std::string& donde) {
    if (!valor.is_string()) {
      m_error = donde + ": no es un texto";
      return std::nullopt;
    }
    auto texto = Texto1252(valor.get<std::string>());
    if (!texto) m_error = donde + ": tiene caracteres que no caben en Windows-1252";
    return texto;
  }
  static std::string Seguro(const std::string& utf8) { return Texto1252(utf8).value_or("?"); }

  const TJson& m_doc;
  std::string m_error;
};

// ---------------------------------------------------------------- XML (.jff)

struct TElemento {
  std::string nombre;
  std::map<std::string, std::string> atributos;
  std::string texto;
  long linea = 0;
  std::vector<std::unique_ptr<TElemento>> hijos;

  const TElemento* Hijo(std::string_view n) const {
    for (const auto& h : hijos)
      if (h->nombre == n) return h.get();
    return nullptr;
  }
};

struct TArbolXml {
  std::unique_ptr<TElemento> raiz;
  std::vector<TElemento*> pila;
  XML_Parser parser = nullptr;
};

void XMLCALL Abrir(void* datos, const XML_Char* nombre, const XML_Char** atributos) {
  auto& arbol = *static_cast<TArbolXml*>(datos);
  auto elemento = std::make_unique<TElemento>();
  elemento->nombre = nombre;
  elemento->linea = static_cast<long>(XML_GetCurrentLineNumber(arbol.parser));
  for (int i = 0; atributos[i]; i += 2) elemento->atributos[atributos[i]] = atributos[i + 1];
  TElemento* puntero = elemento.get();
  if (arbol.pila.empty())
    arbol.raiz = std::move(elemento);
  else
    arbol.pila.back()->hijos.push_back(std::move(elemento));
  arbol.pila.push_back(puntero);
}

void XMLCALL Cerrar(void* datos, const XML_Char*) { static_cast<TArbolXml*>(datos)->pila.pop_back(); }

void XMLCALL Texto(void* datos, const XML_Char* texto, int largo) {
  auto& arbol = *static_cast<TArbolXml*>(datos);
  if (!arbol.pila.empty()) arbol.pila.back()->texto.append(texto, static_cast<std::size_t>(largo));
}

// The text without the blanks and line ends around it (JFLAP writes "&#13;" after tags).
std::string Recortado(const std::string& texto) {
  const auto esBlanco = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  std::size_t i = 0, j = texto.size();
  while (i < j && esBlanco(texto[i])) ++i;
  while (j > i && esBlanco(texto[j - 1])) --j;
  return texto.substr(i, j - i);
}

std::string Linea(const TElemento& e) { return "l\xEDnea " + std::to_string(e.linea); }

std::string NombreDeTipo(const std::string& tipo) {
  static const std::map<std::string, std::string> kTipos = {
      {"mealy", "m\xE1quina de Mealy"},     {"moore", "m\xE1quina de Moore"},
      {"pda", "aut\xF3mata con pila"},      {"turing", "m\xE1quina de Turing"},
      {"grammar", "gram\xE1tica"},          {"re", "expresi\xF3n regular"},
      {"lsystem", "sistema L"},            {"regular", "gram\xE1tica regular"}};
  const auto t = kTipos.find(tipo);
  return t == kTipos.end() ? "desconocido" : t->second;
}

TLecturaAutomata InterpretarJff(const TElemento& raiz) {
  if (raiz.nombre != "structure") return Fallo("El archivo no es de JFLAP: su elemento ra\xEDz es <" + raiz.nombre + ">");
  const TElemento* tipo = raiz.Hijo("type");
  if (!tipo) return Fallo("Falta el elemento <type> (" + Linea(raiz) + ")");
  const std::string nombreTipo = Recortado(tipo->texto);
  if (nombreTipo != "fa")
    return Fallo("El archivo es de tipo \"" + Texto1252(nombreTipo).value_or("?") + "\" (" + NombreDeTipo(nombreTipo) +
                 "), no un aut\xF3mata finito");
  const TElemento* automaton = raiz.Hijo("automaton");
  const TElemento& contenedor = automaton ? *automaton : raiz;  // JFLAP 6 has no <automaton>

  TAutomataFinito automata;
  std::map<std::string, int> porId;
  for (const auto& h : contenedor.hijos) {
    if (h->nombre != "state") continue;
    const auto id = h->atributos.find("id");
    if (id == h->atributos.end()) return Fallo("Estado sin atributo id (" + Linea(*h) + ")");
    if (porId.count(id->second)) return Fallo("Estado con id repetido \"" + Texto1252(id->second).value_or("?") + "\" (" + Linea(*h) + ")");
    const auto nombreAtributo = h->atributos.find("name");
    const auto nombre = Texto1252(nombreAtributo != h->atributos.end() ? nombreAtributo->second : id->second);
    if (!nombre) return Fallo("Nombre de estado con caracteres fuera de Windows-1252 (" + Linea(*h) + ")");
    const int q = automata.AnadirEstado(nombre->empty() ? id->second : *nombre, {}, h->Hijo("final") != nullptr);
    porId[id->second] = q;
    if (h->Hijo("initial")) {
      if (automata.Inicial() != TAutomataFinito::kNinguno)
        return Fallo("M\xE1s de un estado inicial (" + Linea(*h) + ")");
      automata.PonerInicial(q);
    }
  }
  for (const auto& h : contenedor.hijos) {
    if (h->nombre != "transition") continue;
    const TElemento* from = h->Hijo("from");
    const TElemento* to = h->Hijo("to");
    const TElemento* read = h->Hijo("read");
    if (!from || !to) return Fallo("Transici\xF3n sin <from> o <to> (" + Linea(*h) + ")");
    const auto origen = porId.find(Recortado(from->texto));
    const auto destino = porId.find(Recortado(to->texto));
    if (origen == porId.end()) return Fallo("<from> no es el id de un estado (" + Linea(*from) + ")");
    if (destino == porId.end()) return Fallo("<to> no es el id de un estado (" + Linea(*to) + ")");
    std::string lectura;
    if (read) {
      for (char c : read->texto)
        if (c != '\r' && c != '\n' && c != '\t') lectura += c;
    }
    const auto simbolos = Texto1252(lectura);
    if (!simbolos) return Fallo("<read> con caracteres fuera de Windows-1252 (" + Linea(*read) + ")");
    if (simbolos->empty()) {
      automata.AnadirTransicion(origen->second, TAutomataFinito::kLambda, destino->second);
      continue;
    }
    // Several characters: one transition each, through new unnamed states.
    int actual = origen->second;
    for (std::size_t i = 0; i < simbolos->size(); ++i) {
      const int simbolo = automata.AnadirSimbolo(simbolos->substr(i, 1));
      const int siguiente = i + 1 == simbolos->size() ? destino->second : automata.AnadirEstado();
      automata.AnadirTransicion(actual, simbolo, siguiente);
      actual = siguiente;
    }
  }
  return {std::move(automata), {}};
}

bool TerminaEn(const std::string& texto, std::string_view fin) {
  return texto.size() >= fin.size() && IgualesSinMayusculas(std::string_view(texto).substr(texto.size() - fin.size()), fin);
}

}  // namespace

TLecturaAutomata LeerAutomataJson(std::string_view texto) {
  TJson documento;
  try {
    documento = TJson::parse(texto.begin(), texto.end());
  } catch (const TJson::parse_error& e) {
    return Fallo("JSON mal formado en la l\xEDnea " + std::to_string(LineaDeByte(texto, e.byte > 0 ? e.byte - 1 : 0)));
  }
  try {
    return TLectorJson(documento).Leer();
  } catch (const TJson::exception&) {
    return Fallo("El documento JSON no sigue el formato de los aut\xF3matas de Telar");
  }
}

TLecturaAutomata LeerAutomataJff(std::string_view texto) {
  TArbolXml arbol;
  std::unique_ptr<std::remove_pointer_t<XML_Parser>, decltype(&XML_ParserFree)> parser(XML_ParserCreate("UTF-8"),
                                                                                       &XML_ParserFree);
  if (!parser) return Fallo("No hay memoria para leer el archivo");
  arbol.parser = parser.get();
  XML_SetUserData(parser.get(), &arbol);
  XML_SetElementHandler(parser.get(), Abrir, Cerrar);
  XML_SetCharacterDataHandler(parser.get(), Texto);
  if (XML_Parse(parser.get(), texto.data(), static_cast<int>(texto.size()), XML_TRUE) == XML_STATUS_ERROR)
    return Fallo("XML mal formado en la l\xEDnea " + std::to_string(XML_GetCurrentLineNumber(parser.get())) + ": " +
                 XML_ErrorString(XML_GetErrorCode(parser.get())));
  if (!arbol.raiz) return Fallo("El archivo no tiene elementos");
  return InterpretarJff(*arbol.raiz);
}

TLecturaAutomata LeerArchivoAutomata(const std::string& ruta) {
  const bool json = TerminaEn(ruta, ".json");
  if (!json && !TerminaEn(ruta, ".jff"))
    return Fallo("No se reconoce el tipo de \"" + RutaVisible(ruta) + "\": se leen aut\xF3matas .json y .jff");
  std::ifstream archivo(ruta, std::ios::binary);
  if (!archivo) return Fallo("No se puede abrir \"" + RutaVisible(ruta) + "\"");
  std::ostringstream contenido;
  contenido << archivo.rdbuf();
  auto lectura = json ? LeerAutomataJson(contenido.str()) : LeerAutomataJff(contenido.str());
  if (!lectura.automata) lectura.error = RutaVisible(ruta) + ": " + lectura.error;
  return lectura;
}

TLecturaAutomata LeerAutomataDeArgumento(const std::string& argumento) {
  if (argumento.rfind("er:", 0) == 0) {
    const auto texto = Utf8ACp1252(std::string_view(argumento).substr(3));
    if (!texto) return Fallo("La expresi\xF3n regular tiene caracteres que Windows-1252 no admite");
    auto expresion = LeerExpresion(*texto);
    if (!expresion.automata) return Fallo("Expresi\xF3n regular incorrecta: " + expresion.error);
    return {std::move(expresion.automata), {}};
  }
  return LeerArchivoAutomata(argumento);
}
