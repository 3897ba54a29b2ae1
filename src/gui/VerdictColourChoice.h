#pragma once

class QCheckBox;
class QDialog;
class QSettings;

// Print Setup's "Verdicts in colour": a check box in the page setup dialog,
// remembered in the settings, so that a customer's report prints Fail red
// and Pass green while a black-and-white printer's stays as it always was.
class VerdictColourChoice
{
public:
    // The choice remembered; off until the user turns it on.
    static bool stored(const QSettings& settings);

    // Puts the check box, set as remembered, into `dialog` above its buttons.
    VerdictColourChoice(QDialog& dialog, QSettings& settings);
    // Remembers the box's state; call it when the dialog was accepted.
    void store();
    bool chosen() const;

private:
    QSettings& settings_;
    QCheckBox* box_ = nullptr;
};
