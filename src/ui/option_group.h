// Option buttons that act as one group at the keyboard, as on the Windows
// desktop: Tab stops only at the selected button, and every arrow key moves
// the choice to the previous or next button, wrapping round at the ends.
#pragma once

#include <span>

class QRadioButton;

namespace klotix {

// Groups `buttons`, in their tab order. Up and Left select the previous
// button, Down and Right the next one; the button reached takes the focus
// and is clicked, as a click with the mouse would. Tab and Shift+Tab reach
// only the checked button; requires one of them to be checked.
void groupOptionButtons(std::span<QRadioButton* const> buttons);

}  // namespace klotix
