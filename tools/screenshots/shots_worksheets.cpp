// The Multiple Choice Wizard, empty and filled, and the Worksheet Catalogue on its first two pages
// and in each mode.
#include "app/module1.h"
#include "platform/files.h"
#include "shots.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/wizardscreen.h"
#include "worksheets/worksheetstore.h"

#include <QTest>

namespace {

const std::array<const char*, 10> Questions{"Who was the first person to walk on the Moon?",
                                            "In which year did Apollo 11 land?",
                                            "What was the lunar module called?",
                                            "Who stayed in orbit around the Moon?",
                                            "How many people have walked on the Moon?",
                                            "What did the astronauts leave behind?",
                                            "Which rocket carried Apollo 11?",
                                            "Where did the crew splash down?",
                                            "How long did the journey to the Moon take?",
                                            "Which sea did Apollo 11 land in?"};

void fillWizard(WizardScreen& w) {
    w.Text1->setText("Space Race Quiz");
    for (int i = 0; i < 10; ++i) {
        w.Text2(i).setText(QString::fromLatin1(Questions[i]));
        for (int k = 0; k < 4; ++k)
            w.Text3(4 * i + k).setText(
                QStringLiteral("Answer %1 to question %2").arg(QChar('A' + k)).arg(i + 1));
        w.Check1(4 * i + (i * 3) % 4).setValue(1);
    }
}

} // namespace

static RegisterShots worksheets("worksheets", [](ShotContext& ctx) {
    WizardScreen& wizard = *Module1.wizard;
    wizard.Show();
    ctx.save(wizard, "wizard-empty");
    fillWizard(wizard);
    ctx.save(wizard, "wizard-filled");
    QTest::mouseMove(wizard.windowHandle(), QPoint(400, 20));
    QTest::mouseMove(wizard.windowHandle(), wizard.Label3(WizardScreen::SaveWorksheet).geometry().center());
    ctx.save(wizard, "wizard-hover-save");
    Module1.wizard.destroy();

    QStringList titles;
    for (int i = 1; i <= 30; ++i)
        titles << QStringLiteral("Class %1 worksheet on the Romans").arg(i);
    writeTextFileAtomically(dataFolder() + "/multiple/track.txt", worksheetIndexLines(titles));
    CatalogueScreen& catalogue = *Module1.worksheets;
    catalogue.Show();
    ctx.save(catalogue, "catalogue-page1");
    catalogue.Check1->setValue(1);
    ctx.save(catalogue, "catalogue-edit-mode");
    catalogue.Check2->setValue(1);
    ctx.save(catalogue, "catalogue-delete-mode");
    catalogue.Check2->setValue(0);
    catalogue.Label3(CatalogueScreen::NextPage).Click();
    QTest::mouseMove(catalogue.windowHandle(), QPoint(400, 590));
    QTest::mouseMove(catalogue.windowHandle(), catalogue.Label2(3).geometry().center());
    ctx.save(catalogue, "catalogue-page2-hover");
});
