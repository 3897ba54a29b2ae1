#include "gui/SerialPortDialog.h"

#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SerialPortDialog::SerialPortDialog(const QList<SerialPortInfo>& ports, const QString& current,
                                   QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("serialPortDialog"));
    setWindowTitle(Strings::loadString(StringId::SerialPortCaption));
    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(Strings::loadString(StringId::SerialPortQuestion), this);
    layout->addWidget(question);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("serialPorts"));
    list_->setAccessibleName(question->text());
    question->setBuddy(list_);
    layout->addWidget(list_);

    auto add = [this](const QString& text, const QString& path) {
        auto* item = new QListWidgetItem(text, list_);
        item->setData(Qt::UserRole, path);
        item->setToolTip(path);
        return item;
    };
    QListWidgetItem* chosen = add(Strings::loadString(StringId::SerialPortAutomatic), QString());
    bool currentFound = current.isEmpty();
    for (const SerialPortInfo& port : ports) {
        // The by-id name is what stays when the plugs move, so it is what
        // is kept; the path goes beside it for the user who knows ttyUSB0.
        const QString kept = port.byId.isEmpty() ? port.path : port.byId;
        QString text = port.displayName();
        if (!port.byId.isEmpty())
            text += QStringLiteral(" - ") + port.path;
        QListWidgetItem* item = add(text, kept);
        if (current == kept || current == port.path) {
            chosen = item;
            currentFound = true;
        }
    }
    if (!currentFound)
        chosen =
            add(Strings::formatMessage(Strings::loadString(StringId::SerialPortMissing), {current}), current);
    list_->setCurrentItem(chosen);
    list_->setMinimumWidth(list_->sizeHintForColumn(0) + 40);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("c1"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("c2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
}

QString SerialPortDialog::chosenPath() const
{
    const QListWidgetItem* item = list_->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}
