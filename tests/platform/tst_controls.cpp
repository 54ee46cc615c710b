// The easy-to-miss control semantic: a value set from code clicks, once per change. Mouse moves over
// disabled controls are the menu's hover test; timers drive the menu's index loader and the logo;
// control arrays and screens made afresh after an unload are what every screen test clicks and
// reopens.
#include "platform/build.h"
#include "platform/form.h"
#include "support/testenv.h"

#include <QTest>

namespace {

class ProbeForm : public Form {
public:
    ProbeForm() {
        option = placed(new OptionButton(this), "Option1", {1500, 4500, 1500, 300});
        other = placed(new OptionButton(this), "Option2", {1500, 5250, 1500, 300});
        setClientSize(12000, 9000);
    }
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
};

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
