// The two easy-to-miss control semantics, control arrays and the screen-reference lifecycle.
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
        image = placed(new ImageBox(this), "Image1", {4500, 1500, 1500, 1500});
        option = placed(new OptionButton(this), "Option1", {1500, 4500, 1500, 300});
        other = placed(new OptionButton(this), "Option2", {1500, 5250, 1500, 300});
        line = new Line(this);
        line->setPoints(7500, 1500, 7500, 4500);
        line->setBorderWidth(3);
        setClientSize(12000, 9000);
    }
    void Form_Load() override { ++loads; }
    void Form_MouseMove(int, int, Twips, Twips) override { ++formMoves; }
    Label* label;
    ImageBox* image;
    OptionButton* option;
    OptionButton* other;
    Line* line;
    int formMoves = 0;
};

QPoint pixelAt(Twips x, Twips y) {
    return QPoint(twipsToPixels(x), twipsToPixels(y));
}

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formMouseMoveRunsOnlyOverTheBareFormAndDisabledControls() {
        TestEnv env;
        ProbeForm f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        int labelMoves = 0;
        f.label->MouseMove = [&](int, int, Twips, Twips) { ++labelMoves; };

        QTest::mouseMove(f.windowHandle(), pixelAt(600, 600));
        QCOMPARE(f.formMoves, 1);
        QTest::mouseMove(f.windowHandle(), pixelAt(2000, 1800)); // over the label
        QTest::mouseMove(f.windowHandle(), pixelAt(5000, 2000)); // over the picture
        QTest::mouseMove(f.windowHandle(), pixelAt(2000, 4600)); // over the option button
        QCOMPARE(f.formMoves, 1);
        QCOMPARE(labelMoves, 1);
        // A line takes no mouse events: the form gets them.
        QTest::mouseMove(f.windowHandle(), pixelAt(7500, 3000));
        QCOMPARE(f.formMoves, 2);
        // Nor does a disabled control: neither moves nor clicks reach it.
        f.label->setEnabled(false);
        int clicks = 0;
        f.label->Click = [&] { ++clicks; };
        QTest::mouseMove(f.windowHandle(), pixelAt(2000, 1800));
        QCOMPARE(f.formMoves, 3);
        QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, pixelAt(2000, 1800));
        QCOMPARE(clicks, 0);
    }

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

    void controlArrayIsSparsePassesTheIndexAndLoadsCopies() {
        TestEnv env;
        Form f;
        f.setClientSize(12000, 9000);
        ControlArray<Label> arr;
        for (int i : {13, 15})
            arr.add(i, makeLabel(&f, buttonDesign("Label2", QString::number(i),
                                                  {0, Twips(600 * (i - 12)), 1500, 375})));
        QList<int> clicked;
        arr.onClick([&](int i) { clicked << i; });
        QVERIFY(!arr.exists(14));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, arr(14));
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        clickControl(&arr(15));
        clickControl(&arr(13));
        QCOMPARE(clicked, (QList<int>{15, 13}));
        // Loading a new element copies element 0's design, hidden.
        arr.add(0, makeLabel(&f, buttonDesign("Label10", "D", {360, 2640, 375, 495})));
        Label& added = arr.Load(1);
        QCOMPARE(QSizeF(added.Width(), added.Height()), QSizeF(375, 495));
        QCOMPARE(added.font(), arr(0).font());
        QCOMPARE(added.ForeColor(), Colours::Yellow);
        QVERIFY(added.Border());
        QVERIFY(!added.Visible());
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

    void timerRunsOnlyWhileEnabled() {
        TestEnv env;
        QObject owner;
        Timer t(&owner, 1);
        int ticks = 0;
        t.Tick = [&] {
            ++ticks;
            t.setEnabled(false); // a one-shot, as the screens use them
        };
        settle(10);
        QCOMPARE(ticks, 0);
        t.setEnabled(true);
        QTRY_COMPARE(ticks, 1);
        settle(10);
        QCOMPARE(ticks, 1);
    }
};

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
