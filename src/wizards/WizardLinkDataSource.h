#pragma once

#include "document/LinkDataSource.h"

#include <QObject>

class QWidget;
class StandardsCatalog;
class UserPrompt;

// The window's answer when a Corvina download needs its link data: the Link
// Wizard, run on the UI thread whichever thread the store runs on.
class WizardLinkDataSource : public QObject, public LinkDataSource
{
    Q_OBJECT

public:
    WizardLinkDataSource(const StandardsCatalog& catalog, UserPrompt& prompt, QWidget* parent);

    std::optional<LinkData> askLinkData(const CorvinaMeterInfo& meter,
                                        const QList<CompanyChoice>& companies) override;

private:
    std::optional<LinkData> runWizard(const QList<CompanyChoice>& companies);

    const StandardsCatalog& catalog_;
    UserPrompt& prompt_;
    QWidget* parent_;
};
