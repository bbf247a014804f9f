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
    parts.images = &form1.Images();
    parts.boxes = form1.Setup().messageBoxes;
    parts.shell = form1.Setup().shell;
    parts.outputRoot = form1.Setup().outputRoot;
    parts.appTitle = [&form1] { return form1.AppTitle(); };
    parts.messages = [&form1]() -> const MessageTable& { return form1.Messages(); };
    parts.settings = [&form1]() -> ScanSettings& { return form1.Settings(); };
    parts.selectedItemIndex = [&form1] { return form1.SelectedItemIndex(); };
    parts.setSelectedItemIndex = [&form1](int index) { form1.SetSelectedItemIndex(index); };
    return parts;
}

}  // namespace morvane
