// Informe: report lines, as the windows' "Guardar" writes them.
#include "results/Informe.h"

#include "core/Automata.h"
#include "core/Utilidades.h"
#include "results/DatosDeterminista.h"
#include "results/DatosResultado.h"
#include "results/RejillaAceptor.h"

namespace {

TLista LineasDeTablaMealy(const TTablaTexto& tabla) {
  const std::string tres(3, ' ');
  const std::string seis(6, ' ');
  TLista lineas;
  lineas.reserve(tabla.Filas());
  for (std::size_t f = 0; f < tabla.Filas(); ++f) {
    std::string linea;
    for (std::size_t c = 0; c < tabla.Columnas(); ++c) {
      const std::string& texto = tabla.Celda(f, c);
      if (f == 0 && c == 0)
        linea = std::string(8, ' ');
      else if (f == 0 || c == 0)
        linea += tres + texto + tres;
      else
        linea += seis + (texto.empty() ? std::string(" -") : texto) + seis;
    }
    lineas.push_back(std::move(linea));
  }
  return lineas;
}

}  // namespace

namespace {

// ConjuntoATexto of Estados, ending the current line, written in pieces.
void EmitirNombresDeEstados(const TAutomata& aceptor, const TSalidaLineas& salida) {
  const std::vector<TIdEstado>* visibles = aceptor.IdsDeEstados();
  const std::size_t estados = visibles ? visibles->size() : aceptor.NumeroDeEstados();
  if (estados == 0) {
    salida("{}");
    return;
  }
  std::string trozo;
  for (std::size_t i = 0; i < estados; ++i) {
    const std::string_view nombre = aceptor.VistaNombre(visibles ? (*visibles)[i] : static_cast<TIdEstado>(i));
    trozo += i == 0 ? "{ " : ", ";
    if (nombre.empty())
      trozo += '&';
    else
      trozo += nombre;
    if (trozo.size() >= (1u << 16)) {
      salida.Trozo(trozo);
      trozo.clear();
    }
  }
  trozo += " }";
  salida(trozo);
}

}  // namespace

void EmitirLineasDeTabla(const TTablaTexto& tabla, TFormatoTabla formato, const TSalidaLineas& salida,
                         std::size_t desdeFila) {
  if (formato == TFormatoTabla::Mealy) {
    for (const auto& linea : LineasDeTablaMealy(tabla)) salida(linea);
    return;
  }
  const bool a = formato == TFormatoTabla::A;
  const std::string esquina = a ? " E/A " : " E/A      ";
  const std::string separador = a ? "  " : "    ";
  const std::string vacia = a ? " -" : "-";
  std::string linea;
  for (std::size_t f = desdeFila; f < tabla.Filas(); ++f) {
    linea.clear();
    for (std::size_t c = 0; c < tabla.Columnas(); ++c) {
      const std::string& texto = tabla.Celda(f, c);
      if (f == 0 && c == 0) {
        linea = esquina;
      } else {
        linea += separador;
        linea += texto;
      }
      if (texto.empty()) linea += vacia;
    }
    salida(linea);
  }
}

TLista LineasDeTabla(const TTablaTexto& tabla, TFormatoTabla formato) {
  TLista lineas;
  lineas.reserve(tabla.Filas());
  EmitirLineasDeTabla(tabla, formato, [&](const std::string& linea) { lineas.push_back(linea); });
  return lineas;
}

TLista LineasDeInforme(const TLista& cabecera, const TTablaTexto& tabla, TFormatoTabla formato) {
  TLista lineas = cabecera;
  const TLista filas = LineasDeTabla(tabla, formato);
  lineas.insert(lineas.end(), filas.begin(), filas.end());
  return lineas;
}

void EmitirInformeAceptor(const std::string& titulo, const TLista& muestraPositiva, const TAutomata& aceptor,
                          const TSalidaLineas& salida) {
  salida(titulo);
  salida("Muestra: " + ConjuntoATexto(muestraPositiva));
  salida("Alfabeto: " + ConjuntoATexto(aceptor.Alfabeto()));
  salida("Estado Inicial: " + ConjuntoATexto(ConjuntoUnitario("")));
  salida("Estados Finales: " + ConjuntoATexto(aceptor.LineasFinales()));
  salida.Trozo("Conjunto de Estados: ");
  EmitirNombresDeEstados(aceptor, salida);
  salida("Funci\xF3n de Transici\xF3n: ");
  // row by row: the grid of a long sample is far bigger than the sample
  RejillaAceptorPorFilas(aceptor, [&](const TTablaTexto& fila, std::size_t r) {
    EmitirLineasDeTabla(fila, TFormatoTabla::A, salida, r == 0 ? 0 : 1);
  });
}

TLista InformeAceptor(const std::string& titulo, const TLista& muestraPositiva, const TAutomata& aceptor) {
  TLista lineas;
  EmitirInformeAceptor(titulo, muestraPositiva, aceptor, [&](const std::string& linea) { lineas.push_back(linea); });
  return lineas;
}

namespace {

constexpr const char* kLineaFuncion = "Funci\xF3n de Transici\xF3n: ";

}  // namespace

void EmitirCabeceraResultado(const std::string& titulo, const TLista& muestraPositiva, const TLista* ejemplosAnadidos,
                             const TDatosResultado& datos, const TAutomata* automata, const TSalidaLineas& salida) {
  salida(titulo);
  salida("Muestra: " + ConjuntoATexto(muestraPositiva));
  if (ejemplosAnadidos != nullptr) salida("Ejemplos a\xF1" "adidos: " + ConjuntoATexto(*ejemplosAnadidos));
  salida("Alfabeto: " + datos.Alfabeto);
  EmitirTextosEstados(automata, datos, "Estado Inicial: ", "Estados Finales: ", "Conjunto de Estados: ", salida);
  salida(kLineaFuncion);
}

TLista CabeceraInformeResultado(const std::string& titulo, const TLista& muestraPositiva,
                                const TLista* ejemplosAnadidos, const TDatosResultado& datos) {
  TLista lineas;
  EmitirCabeceraResultado(titulo, muestraPositiva, ejemplosAnadidos, datos, nullptr,
                          [&](const std::string& linea) { lineas.push_back(linea); });
  return lineas;
}

TLista CabeceraInformeDeterminista(const std::string& titulo, const TLista& muestraPositiva,
                                   const TDatosDeterminista& datos) {
  return {
      titulo,
      "Muestra: " + ConjuntoATexto(muestraPositiva),
      "Alfabeto: " + datos.Alfabeto,
      "Estado Inicial: {" + datos.Einicial + "}",
      "Estados Finales: {" + datos.Efinales + "}",
      "Conjunto de Estados: {" + datos.Estados + "}",
      kLineaFuncion,
  };
}

TLista CabeceraInformeMealy(const std::string& titulo, const std::string& situaciones,
                            const std::string& acciones, const std::string& inicial,
                            const std::string& finales, const std::string& estados) {
  return {titulo,
          "Situaciones: " + situaciones,
          "Acciones: " + acciones,
          "Estado Inicial: " + inicial,
          "Estados Finales: " + finales,
          "Conjunto de Estados: " + estados,
          kLineaFuncion};
}
