// The sample flows through the real dialogs: the sample editor, the situation/action
// editor with its masked field, Qt's open and save dialogs (with Qt's Spanish texts, as the
// program installs them), the error boxes and the viewer.
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "soporte/Soporte.h"
#include "ui/Arranque.h"
#include "ui/NuevMuestra.h"
#include "ui/NuevaMuestraSA.h"
#include "ui/Principal.h"
#include "ui/VerMuestra.h"

namespace {

QStringList Items(QListWidget* lista) {
  QStringList items;
  for (int i = 0; i < lista->count(); ++i) items << lista->item(i)->text();
  return items;
}

// Expects the next message box to say `texto` with the error icon and OK alone, and closes it.
void EsperarError(const QString& texto) {
  AlAbrirseModal<QMessageBox>([texto](QMessageBox* caja) {
    QCOMPARE(caja->text(), texto);
    QCOMPARE(caja->icon(), QMessageBox::Critical);
    QCOMPARE(caja->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    caja->button(QMessageBox::Ok)->click();
  });
}

}  // namespace

class TestMuestras : public QObject {
  Q_OBJECT

  std::unique_ptr<TCasaTemporal> m_casa;
  std::unique_ptr<TFprincipal> m_principal;

  TFprincipal& Principal() { return *m_principal; }
  QAction* Accion(const char* nombre) { return Hijo<QAction>(m_principal.get(), nombre); }
  QStringList Visor() { return Principal().VerMuestra()->Lineas(); }
  QStringList Positiva() {
    QStringList l;
    for (const auto& e : Principal().Sesion().MuestraPositiva) l << QString::fromStdString(e);
    return l;
  }

 private slots:
  void initTestCase() { InstalarTraducciones(*qApp); }
  void init() {
    m_casa = std::make_unique<TCasaTemporal>();
    m_principal = std::make_unique<TFprincipal>();
    m_principal->CrearVentanas([] {});
    m_principal->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_principal.get()));
  }
  void cleanup() {
    m_principal.reset();
    m_casa.reset();
  }

  void editorDeMuestraConIntroAnadirYBorrar() {
    AlAbrirseModal<TFnuevMuestra>([](TFnuevMuestra* editor) {
      QCOMPARE(editor->windowTitle(), QStringLiteral(" Nueva Muestra"));
      QCOMPARE(editor->size(), QSize(419, 334));
      QCOMPARE(Hijo<QLabel>(editor, "Label2")->text(), QStringLiteral("Insertar Muestra:"));
      const std::pair<const char*, const char*> botones[] = {{"BotonInsertar", "Añadir"},
                                                             {"BotonBorrar", "Borrar"},
                                                             {"BotonAceptar", "Aceptar"},
                                                             {"BotonCancelar", "Cancelar"},
                                                             {"BotonAyuda", "Ayuda    "}};
      for (const auto& [nombre, texto] : botones) QCOMPARE(Hijo<QPushButton>(editor, nombre)->text(), QString(texto));
      auto* linea = Hijo<QLineEdit>(editor, "MuestraLBEdit");
      auto* lista = Hijo<QListWidget>(editor, "MuestraLBLista");
      QTRY_VERIFY(linea->hasFocus());

      for (const char* ejemplo : {"ab", "AB", "", "b"}) {
        QTest::keyClicks(linea, ejemplo);
        QTest::keyClick(linea, Qt::Key_Return);
        QVERIFY2(editor->isVisible(), "Enter adds; it does not accept the dialog");
      }
      QTest::keyClicks(linea, "&");
      Hijo<QPushButton>(editor, "BotonInsertar")->click();
      QCOMPARE(Items(lista), (QStringList{"ab", "b", "&"}));
      QCOMPARE(linea->text(), QString());

      QTest::keyClicks(linea, QString(30, 'x'));
      QCOMPARE(linea->text(), QString(25, 'x'));
      linea->clear();
      for (const QString& letra : {QStringLiteral("ж"), QStringLiteral("ñ")})
        QTest::sendKeyEvent(QTest::Click, linea, Qt::Key_unknown, letra, Qt::NoModifier);
      QCOMPARE(linea->text(), QStringLiteral("ñ"));  // "ж" is no Windows-1252 character
      linea->clear();

      lista->setCurrentRow(1);
      QCOMPARE(linea->text(), QStringLiteral("b"));
      Hijo<QPushButton>(editor, "BotonBorrar")->click();
      QCOMPARE(Items(lista), (QStringList{"ab", "&"}));
      QCOMPARE(linea->text(), QStringLiteral("b"));
      Hijo<QPushButton>(editor, "BotonBorrar")->click();  // no entry "b" any more: nothing
      QCOMPARE(Items(lista), (QStringList{"ab", "&"}));
      Hijo<QPushButton>(editor, "BotonAceptar")->click();
    });
    Accion("NuevaMuestra")->trigger();
    QCOMPARE(Positiva(), (QStringList{"ab", ""}));
    QCOMPARE(Visor(), (QStringList{"ab", "&"}));
    QVERIFY(Hijo<QToolButton>(&Principal(), "BotonKR")->isEnabled());

    AlAbrirseModal<TFnuevMuestra>([](TFnuevMuestra* editor) {
      QVERIFY2(Items(Hijo<QListWidget>(editor, "MuestraLBLista")).isEmpty(), "every new sample starts empty");
      Hijo<QPushButton>(editor, "BotonCancelar")->click();
    });
    Hijo<QToolButton>(&Principal(), "BotonNueva")->click();
    QCOMPARE(Positiva(), (QStringList{"ab", ""}));
  }

  void editorVacioAceptadoEsMuestraNoValida() {
    AlAbrirseModal<TFnuevMuestra>([](TFnuevMuestra* editor) {
      EsperarError(QStringLiteral("Muestra No válida"));
      Hijo<QPushButton>(editor, "BotonAceptar")->click();
    });
    Accion("NuevaMuestra")->trigger();
    QVERIFY(Positiva().isEmpty());
    QVERIFY(!Hijo<QToolButton>(&Principal(), "BotonKC")->isEnabled());
  }

  void abrirUsaElDialogoDelTipoYEmpiezaEnLaCarpetaPersonal_data() {
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("archivo");
    QTest::addColumn<int>("filtro");
    QTest::newRow("positiva") << "TipoM_Pos" << "m.pos" << 0;
    QTest::newRow("negativa") << "TipoM_Neg" << "m.neg" << 1;
    QTest::newRow("test") << "TipoM_Test" << "m.tst" << 2;
    QTest::newRow("situacion/accion") << "TipoM_SA" << "m.sya" << 3;
  }
  void abrirUsaElDialogoDelTipoYEmpiezaEnLaCarpetaPersonal() {
    QFETCH(QString, tipo);
    QFETCH(QString, archivo);
    QFETCH(int, filtro);
    Accion(qPrintable(tipo))->trigger();
    const QString ruta = m_casa->Escribir(archivo, "ab\r\n&\r\nBA\r\n");
    const QString casa = m_casa->Ruta();
    ResponderDialogoArchivo(ruta, [casa, filtro, archivo](QFileDialog* dialogo) {
      QCOMPARE(dialogo->windowTitle(), QStringLiteral("Abrir"));
      QCOMPARE(dialogo->acceptMode(), QFileDialog::AcceptOpen);
      QCOMPARE(dialogo->fileMode(), QFileDialog::ExistingFile);
      const QStringList filtros{"Archivos de muestra positiva (*.pos)", "Archivos de muestra negativa (*.neg)",
                                "Archivos de muestra test (*.tst)", "Archivos de muestra situación/acción (*.sya)",
                                "Todos los archivos (*)"};
      QCOMPARE(dialogo->nameFilters(), filtros);
      QCOMPARE(dialogo->selectedNameFilter(), filtros[filtro]);
      QCOMPARE(dialogo->defaultSuffix(), archivo.section('.', 1));
      QCOMPARE(QDir(dialogo->directory()).canonicalPath(), QDir(casa).canonicalPath());
    });
    Hijo<QToolButton>(&Principal(), "BotonAbrir")->click();
    if (tipo == QLatin1String("TipoM_SA")) {
      QCOMPARE(Visor(), (QStringList{"AB", "&", "BA"}));
      QVERIFY(Hijo<QToolButton>(&Principal(), "BotonSKR")->isEnabled());
    } else {
      QCOMPARE(Visor(), (QStringList{"ab", "&", "ba"}));
    }
    QCOMPARE(Hijo<QToolButton>(&Principal(), "BotonKR")->isEnabled(), tipo == QLatin1String("TipoM_Pos"));
  }

  // The program started with a file: it opens as its extension's kind, and the dialogs
  // then start in its folder, and afterwards in the folder of the last file chosen.
  void unArchivoDadoSeAbreYLosDialogosRecuerdanLaCarpeta() {
    QVERIFY(QDir(m_casa->Ruta()).mkpath(QStringLiteral("clase")));
    const QString clase = QDir(m_casa->Ruta()).filePath(QStringLiteral("clase"));
    Principal().AbrirArchivo(m_casa->Escribir(QStringLiteral("clase/m.NEG"), "Ab\n&\n"));
    QVERIFY(Accion("TipoM_Neg")->isChecked());
    QCOMPARE(Visor(), (QStringList{"ab", "&"}));
    QCOMPARE(Principal().Sesion().MuestraNegativa, (TLista{"ab", ""}));

    const QString ruta = m_casa->Escribir(QStringLiteral("n.neg"), "b\n");
    ResponderDialogoArchivo(ruta, [clase](QFileDialog* dialogo) {
      QCOMPARE(QDir(dialogo->directory()).canonicalPath(), QDir(clase).canonicalPath());
    });
    Accion("Abrir1")->trigger();
    QCOMPARE(Visor(), QStringList{"b"});
    const QString casa = m_casa->Ruta();
    ResponderDialogoArchivo(QStringLiteral("guardada"), [casa](QFileDialog* dialogo) {
      QCOMPARE(QDir(dialogo->directory()).canonicalPath(), QDir(casa).canonicalPath());
    });
    Accion("GuardarComo")->trigger();
    QVERIFY(QFile::exists(QDir(casa).filePath(QStringLiteral("guardada.neg"))));

    EsperarError(QStringLiteral("El archivo especificado no tiene extensión correcta"));
    Principal().AbrirArchivo(m_casa->Escribir(QStringLiteral("informe.aut"), "x\n"));
    QVERIFY(Accion("TipoM_Neg")->isChecked());
    QCOMPARE(Visor(), QStringList{"b"});
  }

  // Abbadingo files through the "&Muestra" menu and Qt's dialogs: what is imported is
  // exported back as it was.
  void importarYExportarAbbadingo() {
    const QByteArray abbadingo("3 2\r\n1 2 0 1\r\n0 0\r\n-1 1 1\r\n");
    ResponderDialogoArchivo(m_casa->Escribir(QStringLiteral("c.abbadingo"), abbadingo), [](QFileDialog* d) {
      QCOMPARE(d->windowTitle(), QStringLiteral("Importar"));
      QCOMPARE(d->acceptMode(), QFileDialog::AcceptOpen);
    });
    auto contar = [](const QString& texto) {
      AlAbrirseModal<QMessageBox>([texto](QMessageBox* caja) {
        QCOMPARE(caja->text(), texto);
        caja->button(QMessageBox::Ok)->click();
      });
    };
    contar(QStringLiteral("Cadenas leídas del archivo Abbadingo: positivas: 1, negativas: 1, test: 1"));
    Accion("Importar")->trigger();
    QCOMPARE(Positiva(), QStringList{"ab"});
    QCOMPARE(Visor(), QStringList{"ab"});
    QVERIFY(Accion("TipoM_Pos")->isChecked());
    ResponderDialogoArchivo(QStringLiteral("vuelta"), [](QFileDialog* d) {
      QCOMPARE(d->windowTitle(), QStringLiteral("Exportar"));
      QCOMPARE(d->acceptMode(), QFileDialog::AcceptSave);
    });
    contar(QStringLiteral("Cadenas escritas en el archivo Abbadingo: positivas: 1, negativas: 1, test: 1"));
    Accion("Exportar")->trigger();
    QFile vuelta(QDir(m_casa->Ruta()).filePath(QStringLiteral("vuelta.abbadingo")));
    QVERIFY(vuelta.open(QIODevice::ReadOnly));
    QCOMPARE(vuelta.readAll(), abbadingo);
  }

  void abrirConOtraExtensionSeRechaza() {
    const QString ruta = m_casa->Escribir("m.neg", "ab\r\n");
    ResponderDialogoArchivo(ruta);
    EsperarError(QStringLiteral("El archivo especificado no tiene extensión correcta"));
    Accion("Abrir1")->trigger();
    QVERIFY(Positiva().isEmpty());
    QCOMPARE(Visor(), QStringList{"[No hay muestra]"});
  }

  void abrirMuestraConLineaEnBlancoEsNoValida() {
    const QString ruta = m_casa->Escribir("m.pos", "ab\r\n\r\nb\r\n");
    ResponderDialogoArchivo(ruta);
    EsperarError(QStringLiteral("Muestra No válida"));
    Accion("Abrir1")->trigger();
    QVERIFY(Positiva().isEmpty());
    QCOMPARE(Visor(), (QStringList{"ab", "", "b"}));  // the viewer keeps the file's raw text
  }

  void guardarTrasAbrirEscribeLoQueMuestraElVisor() {
    ResponderDialogoArchivo(m_casa->Escribir("m.pos", "AB\n&\n"));
    Accion("Abrir1")->trigger();
    ResponderDialogoArchivo(QStringLiteral("salida"), [](QFileDialog* dialogo) {
      QCOMPARE(dialogo->windowTitle(), QStringLiteral("Guardar como"));
      QCOMPARE(dialogo->acceptMode(), QFileDialog::AcceptSave);
      QVERIFY(!dialogo->testOption(QFileDialog::DontConfirmOverwrite));
    });
    Hijo<QToolButton>(&Principal(), "BotonGuardar")->click();
    QFile guardado(QDir(m_casa->Ruta()).filePath("salida.pos"));
    QVERIFY2(guardado.open(QIODevice::ReadOnly), "the default extension is added");
    QCOMPARE(guardado.readAll(), QByteArray("ab\r\n&\r\n"));
  }

  void guardarPreguntaAntesDeReemplazar() {
    ResponderDialogoArchivo(m_casa->Escribir("m.pos", "ab\n"));
    Accion("Abrir1")->trigger();
    const QString previa = m_casa->Escribir("previa.pos", "x\r\n");
    auto leer = [&previa] {
      QFile archivo(previa);
      return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
    };
    // "No" returns to the dialog, which is then cancelled: the file is left as it was.
    ResponderDialogoArchivo(QStringLiteral("previa"));
    AlAbrirseModal<QMessageBox>([](QMessageBox* caja) {
      QCOMPARE(caja->text(), QStringLiteral("El fichero previa.pos ya existe.\n¿Desea reemplazarlo?"));
      auto* dialogo = qobject_cast<QFileDialog*>(caja->parentWidget());
      QVERIFY(dialogo);
      caja->button(QMessageBox::No)->click();
      dialogo->reject();
    });
    Accion("GuardarComo")->trigger();
    QCOMPARE(leer(), QByteArray("x\r\n"));
    // "Sí" replaces it.
    ResponderDialogoArchivo(QStringLiteral("previa"));
    AlAbrirseModal<QMessageBox>([](QMessageBox* caja) {
      GuardarCaptura(caja, QStringLiteral("ReemplazarArchivo"));
      caja->button(QMessageBox::Yes)->click();
    });
    Accion("GuardarComo")->trigger();
    QCOMPARE(leer(), QByteArray("ab\r\n"));
  }

  void visorNoModalSeActualizaAlTomarMuestras() {
    auto* visor = Principal().VerMuestra();
    QCOMPARE(visor->windowTitle(), QStringLiteral(" Ver muestra"));
    QCOMPARE(visor->size(), QSize(421, 338));
    QCOMPARE(Hijo<QLabel>(visor, "Label1")->text(), QStringLiteral("Muestra en uso:"));
    QCOMPARE(Hijo<QPushButton>(visor, "BotonCerrar")->text(), QStringLiteral("&Cerrar"));
    auto* memo = Hijo<QPlainTextEdit>(visor, "MuestraM");
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->toPlainText(), QStringLiteral("[No hay muestra]"));
    Accion("VerMuestra")->trigger();
    QVERIFY(visor->isVisible());
    QVERIFY(!visor->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(memo->toPlainText(), QString());  // no sample of this kind yet
    ResponderDialogoArchivo(m_casa->Escribir("m.pos", "b\n"));
    Accion("Abrir1")->trigger();
    QCOMPARE(memo->toPlainText(), QStringLiteral("b"));
    Hijo<QPushButton>(visor, "BotonCerrar")->click();
    QVERIFY(!visor->isVisible());
  }

  void editorSituacionAccionConCampoConMascara() {
    Accion("TipoM_SA")->trigger();
    AlAbrirseModal<TFnuevaMuestraSA>([](TFnuevaMuestraSA* editor) {
      QCOMPARE(editor->windowTitle(), QStringLiteral(" Nueva Muestra situación/acción"));
      QCOMPARE(editor->size(), QSize(419, 311));
      const std::pair<const char*, const char*> etiquetas[] = {{"Label1", "Insertar Muestra:"},
                                                               {"Label2", "Par Situación/Acción: "},
                                                               {"Label3", "Secuencia:  "},
                                                               {"Label4", "Pares Insertados: "}};
      for (const auto& [nombre, texto] : etiquetas) QCOMPARE(Hijo<QLabel>(editor, nombre)->text(), QString(texto));
      auto* par = Hijo<QLineEdit>(editor, "ParSA");
      auto* anadirPar = Hijo<QPushButton>(editor, "BotonInsertarPar");
      auto* secuencia = Hijo<QPushButton>(editor, "BotonNuevaSecuencia");
      auto* numero = Hijo<QLineEdit>(editor, "SucesionNum");
      auto* pares = Hijo<QListWidget>(editor, "ListSitAcc");
      QCOMPARE(anadirPar->text(), QStringLiteral(" Añadir Par"));
      QVERIFY(anadirPar->isDefault());
      QCOMPARE(secuencia->text(), QStringLiteral("Añadir Secuencia "));
      QCOMPARE(Hijo<QPushButton>(editor, "BotonAyuda")->text(), QStringLiteral("Ayuda    "));
      QVERIFY(!Hijo<QListWidget>(editor, "MuestraTxt")->isVisible());
      QCOMPARE(numero->text(), QStringLiteral("1"));
      QVERIFY(numero->isReadOnly());
      QCOMPARE(numero->palette().color(QPalette::Text), QColor(Qt::red));
      QVERIFY(numero->font().bold());
      QVERIFY(!secuencia->isEnabled());
      QCOMPARE(editor->TextoParSA(), QStringLiteral("S    /A    "));
      QTRY_VERIFY(par->hasFocus());
      QTRY_COMPARE(par->selectionStart(), 1);  // the first situation digit is selected
      QCOMPARE(par->selectedText().size(), 1);

      QTest::keyClicks(par, "12/3");
      QCOMPARE(editor->TextoParSA(), QStringLiteral("S12  /A3   "));
      QTest::keyClick(par, Qt::Key_Return);
      QCOMPARE(Items(pares), QStringList{"S12/A3"});  // Enter adds the pair exactly once
      QVERIFY(secuencia->isEnabled());
      QCOMPARE(editor->TextoParSA(), QStringLiteral("S12  /A3   "));  // the field keeps the pair
      QCOMPARE(par->selectionStart(), 1);  // with its first situation digit selected, as the button leaves it
      QCOMPARE(par->selectedText().size(), 1);
      anadirPar->click();
      QCOMPARE(Items(pares), (QStringList{"S12/A3", "S12/A3"}));

      secuencia->click();
      QCOMPARE(numero->text(), QStringLiteral("2"));
      QVERIFY(Items(pares).isEmpty());
      QVERIFY(!secuencia->isEnabled());
      QCOMPARE(editor->TextoParSA(), QStringLiteral("S    /A    "));

      // A pair typed from the second situation position is refused and the field cleared.
      par->setFocus();
      par->setCursorPosition(2);
      QTest::keyClicks(par, "1/1");
      QCOMPARE(editor->TextoParSA(), QStringLiteral("S 1  /A1   "));
      EsperarError(QStringLiteral("Error en el Par"));
      anadirPar->click();
      QVERIFY(Items(pares).isEmpty());
      QCOMPARE(editor->TextoParSA(), QStringLiteral("S    /A    "));
      QVERIFY2(secuencia->isEnabled(), "a refused pair still enables the button");

      par->setFocus();
      par->setCursorPosition(1);
      QTest::keyClicks(par, "0/0");
      QTest::keyClick(par, Qt::Key_Return);
      QCOMPARE(Items(pares), QStringList{"S0/A0"});
      // What is typed after Enter is a new pair, never more digits of the last action.
      QTest::keyClicks(par, "1/2");
      QTest::keyClick(par, Qt::Key_Return);
      QCOMPARE(Items(pares), (QStringList{"S0/A0", "S1/A2"}));
      secuencia->click();
      Hijo<QPushButton>(editor, "BotonAceptar")->click();
    });
    Hijo<QToolButton>(&Principal(), "BotonNueva")->click();
    const TLista esperada{"S12/A3", "S12/A3", "", "S0/A0", "S1/A2", ""};
    QVERIFY(Principal().Sesion().MuestraSA == esperada);
    QCOMPARE(Visor(), (QStringList{"S12/A3", "S12/A3", "", "S0/A0", "S1/A2", ""}));
    QVERIFY(Hijo<QToolButton>(&Principal(), "BotonSKR")->isEnabled());
    QVERIFY(Hijo<QToolButton>(&Principal(), "BotonSKC")->isEnabled());

    AlAbrirseModal<TFnuevaMuestraSA>([](TFnuevaMuestraSA* editor) {
      QCOMPARE(Hijo<QLineEdit>(editor, "SucesionNum")->text(), QStringLiteral("1"));
      QVERIFY(editor->MuestraTxt().empty());
      Hijo<QPushButton>(editor, "BotonCancelar")->click();
    });
    Accion("NuevaMuestra")->trigger();
    QVERIFY(Principal().Sesion().MuestraSA == esperada);
  }
};

QTEST_MAIN(TestMuestras)
#include "MuestrasTest.moc"
