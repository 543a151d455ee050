// TFexplorarKLogica: the "Explorar K" window as data and handlers: which sweep it runs, its
// rows as they come, the lines its two charts draw, and a row's result opened in the usual
// result window. The sweep itself runs wherever the window decides (Qt: a worker thread).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/BarridoK.h"
#include "app/Cierre.h"
#include "app/Interaccion.h"

class TInteraccion;
class TInteraccionResultados;
class TSesion;

class TFexplorarKLogica {
 public:
  static constexpr const char* kCaption = " Explorar K";
  static constexpr const char* kCaptionMenu = "Explorar &K...";

  // What the window sweeps: KR and KC over k, or IM1 with Levine over the bounds S.
  enum class TSeleccion { KRyKC, IM1Levine };

  // Takes a copy of the session's positive, negative and test samples: the window keeps
  // showing what it swept while the main window's samples change.
  explicit TFexplorarKLogica(const TSesion& sesion);

  const TMuestrasBarrido& Muestras() const { return m_muestras; }
  TSeleccion Seleccion() const { return m_seleccion; }
  // Choosing another sweep clears the rows.
  void Elegir(TSeleccion seleccion);
  // The algorithms of the chosen sweep. KR is left out when the positive sample holds "$"
  // (its end marker); Aviso() then says why.
  std::vector<TAlgoritmoBarrido> Algoritmos() const;
  // A line for the window's status: the reason KR is left out, or empty.
  std::string Aviso() const;
  std::vector<std::string> Columnas() const { return ColumnasBarrido(m_muestras, Algoritmos()); }

  // A new sweep starts: the rows are cleared.
  void Empezar() { m_filas.clear(); }
  // A row the sweep made (in the window's thread).
  void AnadirFila(const TFilaBarrido& fila) { m_filas.push_back(fila); }
  const std::vector<TFilaBarrido>& Filas() const { return m_filas; }
  std::vector<std::string> TextosDeFila(std::size_t fila) const { return TextosFila(m_filas.at(fila), m_muestras); }
  // The progress text: "k hechos: 3 de 10" (runs done of runs in all).
  static std::string TextoProgreso(std::size_t hechas, std::size_t total);

  // One line of a chart: its name and its points (parameter, value), in row order.
  struct TLinea {
    std::string nombre;
    std::vector<std::pair<double, double>> puntos;
  };
  // States by parameter, one line per algorithm ("KR", "KC", "IM1 Levine").
  std::vector<TLinea> LineasEstados() const;
  // Accepted test strings ("KR test") and accepted negatives ("KR negativos") by
  // parameter, per algorithm, each only when that sample is loaded.
  std::vector<TLinea> LineasAceptados() const;
  // The table as a CSV file holds it: the columns, then one line per row, fields separated
  // by ";" (a decimal comma stays unambiguous), a field holding ";", a quote or blanks at its
  // ends written between quotes with its quotes doubled. Windows-1252.
  TLista LineasTabla() const;
  // "Guardar tabla...": asks where to save LineasTabla (CSV files; a name without extension
  // gets ".csv") and writes it with CR LF. False when cancelled, when there is no row (the
  // error box "No hay filas que guardar", no dialog) or on a write failure (its message).
  bool GuardarTablaClick(TInteraccion& interaccion) const;
  // The save dialog of "Guardar gráfico...": PNG or SVG pictures, PNG first.
  static TDialogoArchivo DialogoGrafico();

  // The horizontal axis title: "k", or "S" for IM1.
  std::string TituloEjeX() const { return m_seleccion == TSeleccion::IM1Levine ? "S" : "k"; }

  // Double-click on a row: runs its step again and shows the result in the automaton
  // result window with the step's caption, over the window's samples (its report names
  // the swept positive sample; its validation lists the swept negatives). Returns how the
  // window was closed (TCierre::Cancelar when the user cancelled the run); nothing happens
  // for a row that does not exist.
  std::optional<TCierre> AbrirFila(std::size_t fila, TInteraccionResultados& interaccion, char separadorDecimal) const;

 private:
  TMuestrasBarrido m_muestras;
  TSeleccion m_seleccion = TSeleccion::KRyKC;
  std::vector<TFilaBarrido> m_filas;
};

// The menu item "Explorar K...": with an empty positive sample the error box "No existe
// Muestra" and false; otherwise true (the window then opens over the session's samples).
bool PuedeExplorarK(const TSesion& sesion, TInteraccion& interaccion);
