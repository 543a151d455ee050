// TLista: the system's text list, an ordered list of Windows-1252 texts that keeps
// duplicates. Case-insensitive membership and lookups are in Utilidades; classes that
// look things up often keep their own hash index beside the list.
#pragma once

#include <string>
#include <vector>

using TLista = std::vector<std::string>;
