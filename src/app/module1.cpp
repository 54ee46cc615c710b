#include "app/module1.h"

Module1State Module1;
SharedState& Shared = Module1;

void Module1State::reset() {
    // Screens first: destroying one may not touch variables of a half-reset state.
    Titlefrm.destroy();
    intro0.destroy();
    Welldone.destroy();
    Wrong.destroy();
    multiple.destroy();
    wizard.destroy();
    worksheets.destroy();
    teacher.destroy();
    guide.destroy();
    moon.destroy();
    caesar.destroy();
    moonord.destroy();
    caesarord.destroy();
    moonlab.destroy();
    caesar2lab.destroy();
    whoareyou.destroy();
    classrecord.destroy();
    Grey.destroy();

    static_cast<SharedState&>(*this) = SharedState();
}
