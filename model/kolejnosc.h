#pragma once

#include <vector>

class TOkno;
class TZestawienieStolarki;

// The windows in the order of the report, the print and the export: by
// symbol, in the byte order of the text as the project file stores it
// (letter case counts, O10 before O2), equal ones as they stand in the
// list. A view only: the project's own list keeps its order.
std::vector<const TOkno*> KolejnoscRaportu(const TZestawienieStolarki& projekt);
