#pragma once

#include "activities/activityscreen.h"

#include <vector>

// The timeline activities: a vertical line with a tick and a date for each event, an empty box
// beside each date, and the events on cards below to be dragged into those boxes.
class OrderingScreen : public ActivityScreen {
public:
    void Form_Load() override;

    ControlArray<Label> Label5; // the dates
    std::vector<Line*> Line2;   // the ticks, by index
    Line* Line1 = nullptr;      // the timeline
    Label* Label8 = nullptr;    // the instruction

protected:
    struct Date {
        const char* text;
        Twips top;
        Twips width = 825;
    };
    struct Timeline {
        Twips x, top, bottom;
        Twips datesLeft; // the dates stand right of the line, each with a tick out to it
    };
    struct Design {
        std::vector<CardPlace> events; // by index
        std::vector<Date> dates;       // by index, from the top of the timeline
        Timeline line;
    };
    explicit OrderingScreen(const Design& design);

private:
    int events_;
};

class MoonOrdering : public OrderingScreen {
public:
    MoonOrdering();
};

class CaesarOrdering : public OrderingScreen {
public:
    CaesarOrdering();
};
