// The easy-to-miss control semantics, control arrays and the screen-reference lifecycle. Mouse
// moves over disabled controls are the menu's hover test; timers drive the menu's index loader
// and the acknowledgments' logo.
#include "platform/build.h"
#include "platform/controlarray.h"
#include "platform/form.h"
#include "platform/screenref.h"
#include "support/testenv.h"

#include <QTest>

namespace {

int loads = 0;

class ProbeForm : public Form {
public:
    ProbeForm() {
        label = makeLabel(this, buttonDesign("Label1", "Label", {1500, 1500, 1500, 750}));
        option = placed(new OptionButton(this), "Option1", {1500, 4500, 1500, 300});
        other = placed(new OptionButton(this), "Option2", {1500, 5250, 1500, 300});
        setClientSize(12000, 9000);
    }
    void Form_Load() override { ++loads; }
    Label* label;
    OptionButton* option;
    OptionButton* other;
};

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void optionSelectedFromCodeRaisesClick() {
        TestEnv env;
        ProbeForm f;
        int clicks = 0;
        f.option->Click = [&] { ++clicks; };
        f.option->setValue(true);
        QCOMPARE(clicks, 1);
        f.option->setValue(true); // already selected: nothing new
        QCOMPARE(clicks, 1);
        f.other->setValue(true); // one group: the first is cleared
        QVERIFY(!f.option->Value());
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        clickControl(f.option);
        QCOMPARE(clicks, 2);
        QVERIFY(f.option->Value());
        // A check box's value set from code clicks too, once per change.
        auto* box = placed(new CheckBox(&f), "Check1", {0, 0, 300, 300});
        box->Click = [&] { ++clicks; };
        for (int v : {1, 1, 0})
            box->setValue(v);
        QCOMPARE(clicks, 4);
    }

    // Sparse arrays and loaded copies are driven by every screen test (the menu's entries, the code
    // table); what those never do is ask for an element that is not there.
    void controlArrayRefusesMissingAndReloadedElements() {
        TestEnv env;
        Form f;
        ControlArray<Label> arr;
        arr.add(0, makeLabel(&f, buttonDesign("Label10", "D", {360, 2640, 375, 495})));
        QVERIFY(!arr.exists(1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, arr(1));
        QVERIFY(!arr.Load(1).Visible());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, arr.Load(1));
    }

    void screenRefCreatesLoadsAndRecreates() {
        TestEnv env;
        loads = 0;
        ScreenRef<ProbeForm> ref;
        QVERIFY(!ref.isLoaded());
        QVERIFY(ref.ifLoaded() == nullptr); // asking does not load
        ref.get().label->setCaption("changed");
        QCOMPARE(loads, 1);
        ref.Unload();
        QVERIFY(!ref.isLoaded());
        settle();
        QCOMPARE(ref->label->Caption(), QString("Label")); // a fresh screen, design values again
        QCOMPARE(loads, 2);
        QVERIFY(ref.isLoaded());
    }
};

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
