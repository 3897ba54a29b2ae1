#pragma once

#include "meter/SerialPortList.h"

#include <QDialog>

class QListWidget;

// File > Serial Port...: "Automatic" (the search over COM1 to COM20) or one
// of the serial ports this computer has, each with its by-id name and USB
// product. A kept port that is gone is listed as missing and stays chosen,
// so the user sees it, rather than being replaced by another without a word.
class SerialPortDialog : public QDialog
{
public:
    // `current`: the kept device path; empty for Automatic.
    SerialPortDialog(const QList<SerialPortInfo>& ports, const QString& current, QWidget* parent = nullptr);

    // The chosen device path; empty for Automatic.
    QString chosenPath() const;

private:
    QListWidget* list_ = nullptr;
};
