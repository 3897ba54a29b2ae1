#pragma once

// What the user answered to "delete circuit ... of link ...?".
struct DeleteConfirmationAnswer
{
    bool confirmed = false;     // Yes
    bool doNotAskAgain = false; // "Do not ask me this again" was ticked when Yes or No was pressed

    bool operator==(const DeleteConfirmationAnswer&) const = default;
};
