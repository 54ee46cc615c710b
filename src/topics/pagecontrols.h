#pragma once

#include "platform/controlarray.h"

class QWidget;

// The page counter and the four buttons (Print, Exit, Next Page, Previous Page) that both reading
// viewers carry in the same places. Previous Page starts disabled: every opening shows page 1.
Label* makePageCounter(QWidget* viewer, const QString& caption);
void makePageButtons(QWidget* viewer, ControlArray<Label>& buttons);
