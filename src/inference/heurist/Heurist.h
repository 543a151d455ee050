// The heuristics library of IM1: its six operations (CalcularFuncionStren,
// CalcularCotasStren, ObtenerCotaMenor, Levine, Miclet, KSufijos) in one include.
#pragma once

#include "inference/heurist/KSufijos.h"
#include "inference/heurist/Stren.h"
