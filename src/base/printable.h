// Text taken from a file, made safe to show on the screen or in a message: a
// control byte written to a terminal could move the cursor, retitle the window
// or draw over the message it sits in.
#pragma once
#include <string>
#include <string_view>

namespace tv {

// `text` with every control byte and every byte that is not part of a valid UTF-8
// letter escaped: a TAB as \t, the others as \xNN (ESC is \x1b). Printable ASCII
// and UTF-8 letters stay as they are; the result holds no control byte, and
// passing it through again leaves it unchanged.
std::string printable(std::string_view text);

}  // namespace tv
