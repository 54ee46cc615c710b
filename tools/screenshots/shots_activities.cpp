// The four drag-and-drop screens as they open from their hubs, and with every card in its box.
#include "activities/labellingscreens.h"
#include "activities/orderingscreens.h"
#include "app/module1.h"
#include "shots.h"
#include "topics/topichub.h"

namespace {

// Drags card i by its middle to the middle of slot i and lets go, through the screen's handlers.
void placeEveryCard(ActivityScreen& s) {
    for (int i = 0; i < Module1.ScoreOutOf; ++i) {
        const TwipRect card = s.Label2(i).twipRect(), slot = s.Label1(i).twipRect();
        s.Label2_MouseMove(i, LeftButton, 0, slot.left + slot.width / 2 - card.left,
                           slot.top + slot.height / 2 - card.top);
        s.Label2_MouseUp(i, LeftButton, 0, 0, 0);
    }
}

void shoot(ShotContext& ctx, TopicHub& hub, int button, ActivityScreen& (*screen)(), const QString& name) {
    hub.Show();
    hub.Label3_Click(button);
    ActivityScreen& s = screen();
    ctx.save(s, name + "-opening");
    placeEveryCard(s);
    ctx.save(s, name + "-placed");
    s.Label3_Click(ActivityScreen::ExitButton);
    ctx.settle();
}

} // namespace

static RegisterShots activities("activities", [](ShotContext& ctx) {
    shoot(
        ctx, *Module1.moon, TopicHub::OrderingActivity, []() -> ActivityScreen& { return *Module1.moonord; },
        "moonord");
    shoot(
        ctx, *Module1.moon, TopicHub::LabellingActivity, []() -> ActivityScreen& { return *Module1.moonlab; },
        "moonlab");
    shoot(
        ctx, *Module1.caesar, TopicHub::OrderingActivity,
        []() -> ActivityScreen& { return *Module1.caesarord; }, "caesarord");
    shoot(
        ctx, *Module1.caesar, TopicHub::LabellingActivity,
        []() -> ActivityScreen& { return *Module1.caesar2lab; }, "caesar2lab");
});
