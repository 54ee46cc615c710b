#include "menu/mainmenu.h"

#include "app/module1.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/wizardscreen.h"

// The worksheet tools: the wizard opens over the menu; the catalogue replaces it.
void MainMenu::openWizard() {
    Module1.wizard->Show();
}

void MainMenu::openCatalogue() {
    Module1.worksheets->Show();
    Unload();
}
