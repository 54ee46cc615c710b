// The title screen, its backdrop and the main menu.
#include "app/module1.h"
#include "app/titlescreen.h"
#include "menu/mainmenu.h"
#include "shots.h"

#include <QTest>

static RegisterShots shell("shell", [](ShotContext& ctx) {
    Module1.Titlefrm->Show();
    ctx.save(*Module1.Titlefrm, "title");

    Module1.Titlefrm->Command1->click();
    ctx.settle(50);
    MainMenu& menu = *Module1.intro0;
    ctx.save(menu, "menu");

    // The pointer over the bare screen turns the entries transparent; over one, it is lit again.
    QTest::mouseMove(menu.windowHandle(), QPoint(5, 300));
    QTest::mouseMove(menu.windowHandle(), menu.Label2(MainMenu::MoonLandings).geometry().center());
    ctx.save(menu, "menu-hover");

    menu.Label2(MainMenu::ExitButton).Click();
    ctx.settle(20);
    ctx.save(*Module1.Titlefrm, "title-from-menu-exit");
});
