// TFexpresionLogica: the module's expression and its sentence.
#include "app/ventanas/ExpresionAutomataLogica.h"

#include "app/ventanas/CompararAutomataLogica.h"
#include "automatas/AutomataFinito.h"

TFexpresionLogica::TFexpresionLogica(const TAutomataFinito& automata, const std::string& caption, std::size_t limite)
    : m_caption("Expresi\xF3n regular - " + NombreDeVentana(caption)), m_expresion(ExpresionRegular(automata, limite)) {}
