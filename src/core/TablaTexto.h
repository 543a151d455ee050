// TTablaTexto: a plain table of texts, headers included, that windows show and reports copy.
// Row 0 holds the column headers and column 0 the row headers; cell (0, 0) is the corner.
#pragma once

#include <cassert>
#include <cstddef>
#include <string>
#include <vector>

class TTablaTexto {
 public:
  TTablaTexto() = default;
  TTablaTexto(std::size_t filas, std::size_t columnas) { Redimensionar(filas, columnas); }

  std::size_t Filas() const { return m_celdas.size(); }
  std::size_t Columnas() const { return m_columnas; }

  // Changes the size; cells that stay keep their text, new cells are empty.
  void Redimensionar(std::size_t filas, std::size_t columnas) {
    m_columnas = columnas;
    m_celdas.resize(filas);
    for (auto& fila : m_celdas) fila.resize(columnas);
  }
  void PonerFilas(std::size_t filas) { Redimensionar(filas, m_columnas); }
  void PonerColumnas(std::size_t columnas) { Redimensionar(Filas(), columnas); }

  // Requires fila < Filas() and columna < Columnas().
  const std::string& Celda(std::size_t fila, std::size_t columna) const {
    assert(fila < Filas() && columna < m_columnas && "cell outside the table");
    return m_celdas[fila][columna];
  }
  void PonerCelda(std::size_t fila, std::size_t columna, std::string texto) {
    assert(fila < Filas() && columna < m_columnas && "cell outside the table");
    m_celdas[fila][columna] = std::move(texto);
  }

  bool operator==(const TTablaTexto&) const = default;

 private:
  std::size_t m_columnas = 0;
  std::vector<std::vector<std::string>> m_celdas;  // one vector per row
};
