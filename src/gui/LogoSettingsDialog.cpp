#include "gui/LogoSettingsDialog.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "gui/ImageFileDialog.h"
#include "gui/LogoImages.h"
#include "report/LogoSource.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>

namespace {

// A size in dialog units, in this font's pixels: a horizontal unit is a
// quarter of the average character width, a vertical one an eighth of the
// line height. The logo dialog was laid out as 288 x 174 such units; it keeps
// those proportions at any font size.
QSize dialogUnits(const QWidget& widget, int width, int height)
{
    const QFontMetrics metrics = widget.fontMetrics();
    return QSize(metrics.averageCharWidth() * width / 4, metrics.height() * height / 8);
}

} // namespace

LogoSettingsDialog::LogoSettingsDialog(const QString& currentLogoPath, QSettings& settings,
                                       UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), settings_(settings), prompt_(prompt), chooseFile_(&ImageFileDialog::chooseImage)
{
    setWindowTitle(Strings::loadString(StringId::LogoSettingsCaption));

    auto* text = new QLabel(Strings::loadString(StringId::LogoSettingsText), this);
    text->setWordWrap(true);

    pathEdit_ = new QLineEdit(this);
    pathEdit_->setObjectName(QStringLiteral("c1055"));
    pathEdit_->setAccessibleName(Strings::loadString(StringId::LogoPathName));

    // Only OK answers Enter; the other buttons must not take the default
    // when they have had the focus.
    auto* browseButton = new QPushButton(Strings::loadString(StringId::LogoBrowse), this);
    browseButton->setObjectName(QStringLiteral("c1181"));
    // Its text is "...": a screen reader says what it does instead.
    browseButton->setAccessibleName(Strings::loadString(StringId::LogoBrowseName));
    browseButton->setAutoDefault(false);
    browseButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    browseButton->setMaximumWidth(browseButton->fontMetrics().horizontalAdvance(QStringLiteral("....")) * 3);

    previewLabel_ = new QLabel(this);
    previewLabel_->setObjectName(QStringLiteral("c1182"));
    previewLabel_->setFixedSize(LogoImages::kPreviewBox, LogoImages::kPreviewBox);
    previewLabel_->setAlignment(Qt::AlignCenter);
    previewLabel_->setFrameShape(QFrame::Box);

    auto* defaultButton = new QPushButton(Strings::loadString(StringId::LogoUseDefault), this);
    defaultButton->setObjectName(QStringLiteral("c1183"));
    defaultButton->setAutoDefault(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("c1"));
    ok->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("c2"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(text, 0, 0, 1, 2);
    layout->addWidget(pathEdit_, 1, 0);
    layout->addWidget(browseButton, 1, 1);
    layout->addWidget(previewLabel_, 2, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(defaultButton, 2, 1, Qt::AlignTop);
    layout->addWidget(buttons, 0, 2, 3, 1, Qt::AlignTop);
    layout->setColumnStretch(0, 1);

    connect(browseButton, &QPushButton::clicked, this, &LogoSettingsDialog::browse);
    connect(defaultButton, &QPushButton::clicked, this, &LogoSettingsDialog::useDefault);
    connect(buttons, &QDialogButtonBox::accepted, this, &LogoSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LogoSettingsDialog::reject);

    if (!preview(currentLogoPath, true))
        useDefault();

    resize(sizeHint().expandedTo(dialogUnits(*this, 288, 174)));
}

void LogoSettingsDialog::setFileChooser(FileChooser chooser)
{
    chooseFile_ = std::move(chooser);
}

void LogoSettingsDialog::accept()
{
    const QString path = pathEdit_->text();
    if (!path.isEmpty()) {
        if (!LogoImages::hasImageSuffix(path)) {
            prompt_.message(Strings::loadString(StringId::LogoMustBeImageOnOk), QString(), PromptIcon::Hand);
            return;
        }
        // Said rather than refused in silence: the user would not know why
        // OK does nothing.
        if (LogoImages::read(path).isNull()) {
            prompt_.message(Strings::loadString(StringId::LogoCannotLoad), QString(), PromptIcon::Hand);
            return;
        }
    }
    if (prompt_.askYesNo(Strings::loadString(StringId::DisplayLogoQuestion), QString(),
                         PromptIcon::Question) == PromptAnswer::Yes)
        storeLogoPath(path);
    QDialog::accept();
}

void LogoSettingsDialog::browse()
{
    if (!chooseFile_)
        return;
    const std::optional<QString> chosen = chooseFile_(this, pathEdit_->text());
    if (chosen)
        preview(*chosen, false);
}

void LogoSettingsDialog::useDefault()
{
    // The built-in logo, never a file of the current folder: a program
    // started from a menu has the home folder there, and anyone's image in
    // a shared folder would go on the user's reports.
    showImage(LogoSource::builtIn(LogoSource::kPlainLogo));
    pathEdit_->clear();
}

bool LogoSettingsDialog::preview(const QString& path, bool quiet)
{
    if (!LogoImages::hasImageSuffix(path)) {
        if (!quiet)
            prompt_.message(Strings::loadString(StringId::LogoMustBeImage), QString(), PromptIcon::Hand);
        return false;
    }
    const QImage image = LogoImages::read(path);
    if (image.isNull()) {
        if (!quiet)
            prompt_.message(Strings::loadString(StringId::LogoCannotLoad), QString(), PromptIcon::Hand);
        return false;
    }
    showImage(image);
    pathEdit_->setText(path);
    return true;
}

void LogoSettingsDialog::showImage(const QImage& image)
{
    previewLabel_->setPixmap(QPixmap::fromImage(LogoImages::preview(image)));
}

void LogoSettingsDialog::storeLogoPath(const QString& path)
{
    stored_ = path;
    settings_.setValue(kLogoPathKey, path);
    settings_.sync();
    // The logo still applies to this run; the user should know it will not
    // come back at the next start.
    if (settings_.status() != QSettings::NoError)
        prompt_.message(Strings::formatMessage(Strings::loadString(StringId::LogoSettingNotSaved),
                                               {settings_.fileName()}),
                        QString(), PromptIcon::Exclamation);
}
