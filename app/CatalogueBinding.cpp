#include "CatalogueBinding.h"

#include "CategoryTree.h"
#include "Form1.h"

namespace morvane {

CatalogueParts CataloguePartsOf(Form1& form1) {
    CatalogueParts parts;
    const Form1Controls& controls = form1.Controls();
    parts.mainWindow = &form1;
    parts.ListView1 = controls.ListView1;
    parts.Panel1 = controls.Panel1;
    parts.Panel2 = controls.Panel2;
    parts.edit_menu = form1.Menus().Menu(QStringLiteral("edit_menu"));
    parts.tree = &form1.Tree();
    return parts;
}

}  // namespace morvane
