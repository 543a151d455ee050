// TCierre: how a modal result window was closed, as the flow that showed it reads it.
#pragma once

// Ok: an accepting button; Cancelar: "Cerrar", the close box or Escape; Reintentar: a
// button that asks the flow for another pass ("&Añadir Ejemplo"); SiguienteK: a button
// that asks for the next value of k ("Siguiente K").
enum class TCierre { Ok, Cancelar, Reintentar, SiguienteK };
