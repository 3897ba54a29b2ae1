#pragma once

// The buttons a wizard page asks for, summed as the pages of the original
// property-sheet wizards did: Back, Next or Finish, or a Finish that is shown
// but cannot be pressed yet. Without Next or Finish the forward button is a
// Next that cannot be pressed.
namespace WizardButton {
enum : int
{
    None = 0,
    Back = 1,
    Next = 2,
    Finish = 4,
    DisabledFinish = 8,
};
} // namespace WizardButton
