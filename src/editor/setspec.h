// The specialty type screen: for a style whose specialty types are set by hand,
// the user places F, R, O and S letters on the question positions of the
// specialty window, giving the position-type line TYP.
#pragma once
#include "console/console.h"
#include "style/style.h"

namespace tv {

// Draws the screen, cleans the stored TYP line and lets the user place the letters.
// Returns true (in yellow on blue) when Return is pressed with exactly SPMAX letters
// placed; changes nothing of the record but TYP. Esc leaves at any time: it returns
// false with TYP as it was, so that a placement that cannot be completed never
// holds the user on this screen.
bool set_specialty_types(Console& con, EditorStyle& s);

}  // namespace tv
