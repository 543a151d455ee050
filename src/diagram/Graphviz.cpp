// Graphviz: lays out and renders through the libraries gvc and cgraph in-process. One
// context serves the whole program; a mutex keeps one Graphviz call at a time.
#include "diagram/Disposicion.h"

#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>

#include <memory>
#include <mutex>
#include <stdexcept>

#include "diagram/EscritorDot.h"

namespace {

std::mutex& Cerrojo() {
  static std::mutex cerrojo;
  return cerrojo;
}

// Graphviz's own warnings and errors are English lines on stderr; the user gets our Spanish
// message when a call fails, so they are not printed.
int CallarGraphviz(char*) { return 0; }

// The context, created on first use and kept: creating one loads Graphviz's plugins.
GVC_t* Contexto() {
  static GVC_t* contexto = [] {
    agseterrf(CallarGraphviz);
    return gvContext();
  }();
  return contexto;
}

// A graph read from DOT and laid out by dot; the layout and the graph are freed with it.
class TGrafoDispuesto {
 public:
  // `puntosPorPulgada` > 0 sets the graph's dpi, which bitmaps are rendered at.
  explicit TGrafoDispuesto(const std::string& dot, double puntosPorPulgada = 0) {
    Contexto();  // first: it silences Graphviz before the graph is read
    m_grafo = agmemread(dot.c_str());
    if (m_grafo == nullptr) throw std::runtime_error("Graphviz no pudo leer el grafo");
    if (puntosPorPulgada > 0)
      agsafeset(m_grafo, const_cast<char*>("dpi"), const_cast<char*>(std::to_string(puntosPorPulgada).c_str()),
                const_cast<char*>(""));
    if (gvLayout(Contexto(), m_grafo, "dot") != 0) {
      agclose(m_grafo);
      throw std::runtime_error("Graphviz no pudo disponer el grafo");
    }
  }
  ~TGrafoDispuesto() {
    gvFreeLayout(Contexto(), m_grafo);
    agclose(m_grafo);
  }
  TGrafoDispuesto(const TGrafoDispuesto&) = delete;
  TGrafoDispuesto& operator=(const TGrafoDispuesto&) = delete;

  Agraph_t* Grafo() const { return m_grafo; }

 private:
  Agraph_t* m_grafo = nullptr;
};

// Converts Graphviz points (origin bottom-left, y up) to the drawing's (top-left, y down).
struct TConversion {
  boxf caja;
  TPunto operator()(pointf p) const { return {p.x - caja.LL.x, caja.UR.y - p.y}; }
};

// The id="..." attribute the DOT writer gave an object; -1 when it has none of `prefijo`.
int Indice(void* objeto, const char* prefijo) {
  const char* id = agget(objeto, const_cast<char*>("id"));
  if (id == nullptr || id[0] != prefijo[0]) return -1;
  const std::string resto = id + 1;
  if (resto.empty() || resto.find_first_not_of("0123456789") != std::string::npos) return -1;
  return std::stoi(resto);
}

TAristaDispuesta LeerArista(Agedge_t* arista, const TConversion& convertir) {
  TAristaDispuesta dispuesta;
  if (const splines* trazo = ED_spl(arista); trazo != nullptr && trazo->size > 0) {
    const bezier& curva = trazo->list[0];
    for (int i = 0; i < curva.size; ++i) dispuesta.curva.push_back(convertir(curva.list[i]));
    if (curva.eflag) dispuesta.punta = convertir(curva.ep);
  }
  if (const textlabel_t* etiqueta = ED_label(arista); etiqueta != nullptr && etiqueta->set)
    dispuesta.etiqueta = convertir(etiqueta->pos);
  return dispuesta;
}

}  // namespace

bool DibujoInmediato(const TDiagrama& diagrama) {
  constexpr std::size_t kMaximoEstados = 400;
  constexpr std::size_t kMaximoAristasDeMas = 64;
  return diagrama.estados.size() <= kMaximoEstados &&
         diagrama.transiciones.size() <= diagrama.estados.size() + kMaximoAristasDeMas;
}

TDisposicion Disponer(const TDiagrama& diagrama) {
  const std::string dot = EscribirDot(diagrama);
  std::lock_guard bloqueo(Cerrojo());
  TGrafoDispuesto dispuesto(dot);
  Agraph_t* grafo = dispuesto.Grafo();
  const TConversion convertir{GD_bb(grafo)};

  TDisposicion disposicion;
  disposicion.ancho = convertir.caja.UR.x - convertir.caja.LL.x;
  disposicion.alto = convertir.caja.UR.y - convertir.caja.LL.y;
  disposicion.estados.resize(diagrama.estados.size());
  disposicion.transiciones.resize(diagrama.transiciones.size());
  for (Agnode_t* nodo = agfstnode(grafo); nodo != nullptr; nodo = agnxtnode(grafo, nodo)) {
    const int n = Indice(nodo, "e");
    if (n >= 0 && static_cast<std::size_t>(n) < disposicion.estados.size())
      disposicion.estados[n] = {convertir(ND_coord(nodo)), ND_width(nodo) * 72.0, ND_height(nodo) * 72.0};
    for (Agedge_t* arista = agfstout(grafo, nodo); arista != nullptr; arista = agnxtout(grafo, arista)) {
      const char* id = agget(arista, const_cast<char*>("id"));
      if (id != nullptr && std::string(id) == "tinicio") {
        disposicion.flechaInicial = LeerArista(arista, convertir);
        continue;
      }
      const int t = Indice(arista, "t");
      if (t >= 0 && static_cast<std::size_t>(t) < disposicion.transiciones.size())
        disposicion.transiciones[t] = LeerArista(arista, convertir);
    }
  }
  return disposicion;
}

std::string Renderizar(const TDiagrama& diagrama, const std::string& formato, double escala) {
  constexpr double kPuntosPorPulgada = 96;
  const std::string dot = EscribirDot(diagrama);
  std::lock_guard bloqueo(Cerrojo());
  TGrafoDispuesto dispuesto(dot, escala > 0 && escala != 1 ? kPuntosPorPulgada * escala : 0);
  char* datos = nullptr;
  unsigned int longitud = 0;
  if (gvRenderData(Contexto(), dispuesto.Grafo(), formato.c_str(), &datos, &longitud) != 0 || datos == nullptr)
    throw std::runtime_error("Graphviz no puede dibujar en formato " + formato);
  std::string bytes(datos, longitud);
  gvFreeRenderData(datos);
  return bytes;
}
