// Componentes: the pieces the algorithm windows share: one-line memos, the red text
// field, labels and buttons with their hints, and the skeleton of a result window (memos
// on the left, the transition table below them, the buttons on the right).
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class TInteraccion;
class TRejilla;
class TTablaTexto;
class TVistaDiagrama;
struct TDiagrama;

// A one-line read-only memo: bold, no frame, on the window's colour; it keeps the whole
// text however long and scrolls it sideways.
QLineEdit* CrearMemo(QWidget* padre, const char* nombre);
// Shows `texto` (Windows-1252) from its beginning.
void PonerTextoMemo(QLineEdit* memo, const std::string& texto);
// A read-only borderless one-line field in red bold (TextoK).
QLineEdit* CrearTextoRojo(QWidget* padre, const char* nombre, const QString& texto);
QLabel* CrearEtiqueta(QWidget* padre, const char* nombre, const QString& texto);
// A push button that never takes Enter for itself; `pista` is its tool tip.
QPushButton* CrearBoton(QWidget* padre, const char* nombre, const QString& texto, const QString& pista = {});
// "Imprimir" with the hint "Imprimir datos": disabled, and nothing enables it.
QPushButton* CrearBotonImprimir(QWidget* padre);
// The help button BotonAyuda: "Ayuda    " with the help picture, or the picture alone.
QPushButton* CrearBotonAyuda(QWidget* padre, bool soloImagen = false);

// The skeleton of the windows that show an automaton or a machine: caption, one labelled
// memo per row, the label "Función de Transición: " and the table below them, the diagram
// beside them (a splitter between), and a column of buttons on the right. The window
// starts wider than its design size to make room for the diagram, never gets smaller than
// that size, and its table and diagram grow with it. Selecting a row of the table selects
// its state in the diagram and the other way round (row n+1 is state n).
class TVentanaResultado : public QDialog {
  Q_OBJECT
 public:
  TRejilla* Rejilla() const { return m_rejilla; }
  TVistaDiagrama* Vista() const { return m_vista; }

 protected:
  struct TFilaMemo {
    const char* etiqueta;  // objectName of the label
    const char* texto;     // the label's text (UTF-8)
    const char* memo;      // objectName of the memo
  };
  TVentanaResultado(const char* nombre, const QString& caption, QSize tamano, std::initializer_list<TFilaMemo> filas,
                    const QString& textoEsquina, QWidget* padre);

  // The memo of row `fila` (in the order given).
  QLineEdit* Memo(int fila) const;
  // Shows the texts (Windows-1252) in the memos, in row order, and `tabla` in the table,
  // and gives the focus to the closing button (BitBtn1), which the window starts with.
  void Rellenar(std::initializer_list<std::reference_wrapper<const std::string>> textos, const TTablaTexto& tabla);
  // Draws `diagrama` beside the table; "Exportar diagrama" asks for its file through
  // `interaccion`, which must stay valid while the window is shown.
  void MostrarDiagrama(TDiagrama diagrama, TInteraccion& interaccion);
  // The grid of labels (column 0) and memos (column 1), for widgets beside a memo.
  QGridLayout* Memos() const { return m_memos; }
  // The left column: memos, table label and table; widgets added go below the table.
  QVBoxLayout* Cuerpo() const { return m_cuerpo; }
  // The right column of buttons; buttons added go below the previous ones.
  QVBoxLayout* Botones() const { return m_botones; }
  // Adds a button to the right column that runs `accion` when clicked.
  QPushButton* AnadirBoton(const char* nombre, const QString& texto, const QString& pista,
                           std::function<void()> accion);

 private:
  QGridLayout* m_memos;
  std::vector<QLineEdit*> m_listaMemos;
  QVBoxLayout* m_cuerpo;
  QVBoxLayout* m_botones;
  TRejilla* m_rejilla;
  TVistaDiagrama* m_vista;
};
