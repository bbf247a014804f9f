// Hands the main window's controls to the catalogue, which works on them without knowing the
// window.
#pragma once

#include "Catalogue.h"

namespace morvane {

class Form1;

// The controls of `form1` the catalogue works on; `form1` must outlive the catalogue's use of them.
CatalogueParts CataloguePartsOf(Form1& form1);

}  // namespace morvane
