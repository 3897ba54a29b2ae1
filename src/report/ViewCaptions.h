#pragma once

#include <QString>

#include <span>

// The fixed captions of the view's form beside the values they name. The
// company block's captions have no control of their own (they stay in both
// layouts); the others are Details-only statics. The fiber length's caption
// (1130) is not here: it names the unit and comes with the Details page.
struct ViewCaption
{
    int captionControlId; // 0: a caption without a control id
    int valueControlId;
    int stringId;
};

std::span<const ViewCaption> viewCaptions();

// The text of a caption control; empty for a control that is not a caption here.
QString viewCaptionText(int captionControlId);

// The text of the caption beside a value control; empty when it has none here.
QString viewCaptionTextForValue(int valueControlId);
