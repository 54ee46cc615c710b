#include "topics/pagecontrols.h"

#include "platform/build.h"

Label* makePageCounter(QWidget* viewer, const QString& caption) {
    return makeLabel(viewer, {.name = "Label1",
                              .caption = caption,
                              .rect = {4200, 7920, 2295, 495},
                              .font = tahoma(15.75, true),
                              .fore = Colours::Black,
                              .back = Colours::White,
                              .opaque = true,
                              .border = true,
                              .align = Align::Center});
}

void makePageButtons(QWidget* viewer, ControlArray<Label>& buttons) {
    buttons.add(0, makeLabel(viewer, buttonDesign("Label3", "Print", {10680, 120, 1125, 495})));
    buttons.add(1, makeLabel(viewer, buttonDesign("Label3", "Exit", {10680, 7920, 1125, 495})));
    buttons.add(2, makeLabel(viewer, buttonDesign("Label3", "Next Page", {6720, 7920, 2685, 495})));
    LabelDesign previous = buttonDesign("Label3", "Previous Page", {1320, 7920, 2685, 495});
    previous.enabled = false;
    buttons.add(3, makeLabel(viewer, previous));
}
