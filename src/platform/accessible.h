#pragma once

// Tells assistive technology what the controls we paint ourselves are: a caption that acts on a
// click is a button, any other a piece of text, a picture is a graphic named for its purpose.
namespace Accessible {
// Registers the interfaces with Qt's accessibility; safe to call again.
void install();
} // namespace Accessible
