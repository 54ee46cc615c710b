#include "activities/orderingscreens.h"

#include "app/module1.h"
#include "app/setupscreen.h"
#include "platform/build.h"

namespace {

Line* yellowLine(QWidget* parent, const QString& name, Twips x1, Twips y1, Twips x2, Twips y2) {
    auto* l = new Line(parent);
    l->setObjectName(name);
    l->setBorderColor(Colours::Yellow);
    l->setBorderWidth(3);
    l->setPoints(x1, y1, x2, y2);
    return l;
}

} // namespace

OrderingScreen::OrderingScreen(const Design& d) : events_(static_cast<int>(d.events.size())) {
    addCardPlaces(d.events, 9.75, Align::Center);
    // A tick points at the middle of its date's line of text.
    constexpr Twips DateHeight = 345, TickDrop = 150, TickGap = 120;
    const Timeline& line = d.line;
    for (int i = 0; i < static_cast<int>(d.dates.size()); ++i) {
        const Date& date = d.dates[i];
        const TwipRect rect{line.datesLeft, date.top, date.width, DateHeight};
        Label5.add(
            i, makeLabel(this, textDesign("Label5", QString::fromUtf8(date.text), rect, tahoma(12, true))));
        const Twips tickY = date.top + TickDrop;
        Line2.push_back(yellowLine(this, "Line2", line.datesLeft - TickGap, tickY, line.x, tickY));
    }
    Line1 = yellowLine(this, "Line1", line.x, line.top, line.x, line.bottom);
    Label8 =
        makeLabel(this, textDesign("Label8", "Put these events in the correct order along the timeline. ",
                                   {720, 1320, 4800, 3465}, timesNewRoman(36))
                            .centred()
                            .inColour(Colours::Green));
    Label6 = addTitle("Label6", {120, 120, 4425, 705});
}

void OrderingScreen::Form_Load() {
    SetupScreen(*this);
    setCardCount(events_);
    setupCards();
}

// The two timelines as designed, laid out as their tables read.
// clang-format off
MoonOrdering::MoonOrdering()
    : OrderingScreen({.events = {{"The first manned spacecraft travelled to the Moon.",
                                  {8040, 2400, 3435, 855}, 9.75, {240, 6000, 3435, 855}},
                                 {"The Soviet Union launched the world's first satellite - sputnik.",
                                  {8040, 240, 3435, 855}, 9.75, {4200, 6000, 3435, 855}},
                                 {"This year was set as the target for sending Americans to the Moon by President "
                                  "Kennedy.",
                                  {8040, 4560, 3435, 855}, 9.75, {8160, 6000, 3435, 855}},
                                 {"Yuri Gagarin became the first person to travel into space.",
                                  {8040, 1320, 3435, 855}, 9.75, {6240, 6960, 3435, 855}},
                                 {"Two astronausts from Apollo 11 landed on the Moon.",
                                  {8040, 3480, 3435, 855}, 9, {2220, 6960, 3435, 855}}},
                      .dates = {{"1957", 450}, {"1961", 1560}, {"1968", 2640}, {"1969", 3720}, {"1970", 4800}},
                      .line = {.x = 6840, .top = 360, .bottom = 5160, .datesLeft = 7200}}) {
    setNames("moonord", "Ordering Activity: The Moon Landings");
    stackFrontToBack({&Label2(4), &Label2(3), &Label2(2), &Label2(1), &Label2(0),
                      Line2[4], Line2[3], Line2[2], Line2[1], Line2[0],
                      &Label5(4), &Label5(3), &Label5(2), &Label5(1), &Label5(0), Line1,
                      &Label4(0), &Label4(1), &Label4(2), &Label4(3), &Label4(4), Label8, Label6,
                      &Label3(CheckScore), &Label3(StartAgain), &Label3(ExitButton),
                      &Label1(0), &Label1(1), &Label1(2), &Label1(3), &Label1(4)});
}

CaesarOrdering::CaesarOrdering()
    : OrderingScreen({.events = {{"Caesar was chosen to organize Games and festivals.",
                                  {8040, 2160, 3435, 615}, 9.75, {240, 6360, 3435, 615}},
                                 {"Gaius Julius Caesar was born. ", {8040, 240, 3435, 615}, 9.75,
                                  {240, 7080, 3435, 615}},
                                 {"Pompey was murdered and Caesar was made dictator for life.",
                                  {8040, 4080, 3435, 615}, 9.75, {8160, 6360, 3435, 615}},
                                 {"Caesar was forced to flee from Rome.", {8040, 1200, 3435, 615}, 9.75,
                                  {8160, 7080, 3435, 615}},
                                 {"Caesar refused an order to disband his army.", {8040, 3120, 3435, 615}, 9,
                                  {4200, 7080, 3435, 615}},
                                 {"Caesar was murdered by a group of prominent Senators.",
                                  {8040, 5040, 3435, 615}, 9.75, {4200, 6360, 3435, 615}}},
                      .dates = {{"100 BC", 330, 945}, {"82 BC", 1320}, {"65 BC", 2280}, {"49 BC", 3240},
                                {"48 BC", 4200}, {"44 BC", 5160}},
                      .line = {.x = 6720, .top = 120, .bottom = 5640, .datesLeft = 7080}}) {
    setNames("caesarord", "Ordering Activity: Julius Caesar");
    stackFrontToBack({&Label2(5), &Label2(4), &Label2(3), &Label2(2), &Label2(1), &Label2(0),
                      &Label1(5), &Label4(5), &Label5(5),
                      Line2[5], Line2[4], Line2[3], Line2[2], Line2[1], Line2[0],
                      &Label5(4), &Label5(3), &Label5(2), &Label5(1), &Label5(0), Line1,
                      &Label4(0), &Label4(1), &Label4(2), &Label4(3), &Label4(4), Label8, Label6,
                      &Label3(CheckScore), &Label3(StartAgain), &Label3(ExitButton),
                      &Label1(0), &Label1(1), &Label1(2), &Label1(3), &Label1(4)});
}
// clang-format on
