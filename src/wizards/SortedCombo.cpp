#include "wizards/SortedCombo.h"

#include <QComboBox>

int insertSorted(QComboBox& combo, const QString& text, const QVariant& data)
{
    int index = combo.count();
    for (int i = 0; i < combo.count(); ++i) {
        if (QString::localeAwareCompare(text, combo.itemText(i)) < 0) {
            index = i;
            break;
        }
    }
    combo.insertItem(index, text, data);
    return index;
}
