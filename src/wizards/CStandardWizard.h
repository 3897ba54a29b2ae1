#pragma once

#include "standards/StandardEntry.h"
#include "wizards/WizardSheet.h"

#include <QStringList>

#include <array>
#include <vector>

class StandardsCatalog;
class UserPrompt;

// The Custom Standard Wizard: a standard of the user's own, with the fiber
// types it covers and, for each, one or more wavelengths with their limits
// and allowances. The wavelength page comes back once for every wavelength
// and every fiber type. Nothing is stored before Finish; then the standard
// goes to the shared standards file, where every test database on this
// computer finds it, and into the open catalogue.
class CStandardWizard : public WizardSheet
{
    Q_OBJECT

public:
    enum PageIndex
    {
        NamePage,
        FibersPage,
        MoreWavelengthsPage,
        MaxLengthPage,
        MaxLossPage,
        AttenuationPage
    };
    static constexpr int kMaxNameLength = 50;
    static constexpr int kMaxWavelength = 9999;

    // `catalog` may be null: the standard then only goes to the shared file.
    CStandardWizard(const QString& caption, StandardsCatalog* catalog, UserPrompt& prompt,
                    QWidget* parent = nullptr);

    UserPrompt& prompt() const { return prompt_; }

    const QString& standardName() const { return standardName_; }
    void setStandardName(const QString& name) { standardName_ = name; }
    // Why `name` cannot be this standard's name (another standard of the
    // catalogue or the shared standards file has it); empty when it can.
    QString nameRefusal(const QString& name) const;
    // Reads the names in use again: another program may have saved meanwhile.
    void refreshNamesInUse();

    // The covered types; the current one becomes the lowest covered, or -1.
    void setFiberTypesCovered(const std::array<bool, 4>& covered);
    int currentFiberType() const { return currentFiberType_; }
    // The next covered type after the current one, or -1 when none is left.
    void advanceFiberType();
    bool hasFurtherFiberType() const;
    QString currentFiberTypeName() const;

    int currentWavelength() const { return currentWavelength_; }
    const QString& currentWavelengthText() const { return currentWavelengthText_; }
    void setCurrentWavelength(int nanometres);
    // Wavelengths already defined for the current type, in the order defined.
    std::vector<int> definedWavelengths() const;
    // The type's usual wavelengths (850 and 1300 nm multimode, 1310 and 1550
    // nm single-mode) not yet defined, ascending.
    std::vector<int> remainingWavelengths() const;
    bool furtherWavelengthRemains() const;

    void setMaxLengthKm(float km) { maxLengthKm_ = km; }
    void setMaxLoss(float db) { maxLoss_ = db; }
    void setAllowances(float attenuation, float connectorLoss, float spliceLoss);
    // The row the wavelength now defined would be with these allowances.
    StandardEntry pendingRow(float attenuation, float connectorLoss, float spliceLoss) const;

    // Appends the wavelength now defined to its type's rows and starts the
    // next one afresh.
    void commitRow();
    // Stores the standard; on a failure the user is told why and false comes back.
    bool save();

private:
    StandardsCatalog* catalog_;
    UserPrompt& prompt_;
    std::array<bool, 4> covered_{};
    int currentFiberType_ = -1;
    std::array<std::vector<StandardEntry>, 4> rows_;
    int currentWavelength_ = -1;
    QString currentWavelengthText_;
    float maxLengthKm_ = -1.0f;
    float maxLoss_ = 0;
    float attenuation_ = 0;
    float connectorLoss_ = 0;
    float spliceLoss_ = 0;
    QString standardName_;
    QStringList namesInUse_;
};
