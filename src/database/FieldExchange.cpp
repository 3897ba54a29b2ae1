#include "database/FieldExchange.h"

QVariant* FieldExchange::slot(const char* column)
{
    if (pass_ == Pass::Describe) {
        names_.append(QLatin1String(column));
        return nullptr;
    }
    return nextSlot();
}

QVariant* FieldExchange::slot(const QString& column)
{
    if (pass_ == Pass::Describe) {
        names_.append(column);
        return nullptr;
    }
    return nextSlot();
}

QVariant* FieldExchange::nextSlot()
{
    if (pass_ == Pass::Store && values_.size() <= index_)
        values_.resize(index_ + 1);
    return index_ < values_.size() ? &values_[index_++] : nullptr;
}

void FieldExchange::guid(const char* column, RecordId& member)
{
    text(column, member);
}

void FieldExchange::text(const char* column, QString& member)
{
    QVariant* value = slot(column);
    if (!value)
        return;
    if (pass_ == Pass::Load)
        member = value->isNull() ? QString() : value->toString();
    else if (member.isEmpty())
        *value = emptyMeansUnset_ ? QVariant() : QVariant(QString(QLatin1String("")));
    else
        *value = member;
}

void FieldExchange::dateTime(const char* column, QDateTime& member)
{
    QVariant* value = slot(column);
    if (!value)
        return;
    if (pass_ == Pass::Load)
        member = value->isNull() ? QDateTime() : value->toDateTime();
    else
        *value = member.isValid() ? QVariant(member) : QVariant();
}

void FieldExchange::single(const char* column, float& member)
{
    QVariant* value = slot(column);
    if (!value)
        return;
    if (pass_ == Pass::Load)
        member = value->isNull() ? 0.0f : value->toFloat();
    else
        *value = member;
}

void FieldExchange::int16(const char* column, std::int16_t& member)
{
    QVariant* value = slot(column);
    if (!value)
        return;
    if (pass_ == Pass::Load)
        member = value->isNull() ? std::int16_t{0} : static_cast<std::int16_t>(value->toInt());
    else
        *value = static_cast<int>(member);
}

void FieldExchange::byte(const char* column, std::uint8_t& member)
{
    QVariant* value = slot(column);
    if (!value)
        return;
    if (pass_ == Pass::Load)
        member = value->isNull() ? std::uint8_t{0} : static_cast<std::uint8_t>(value->toInt());
    else
        *value = static_cast<int>(member);
}

void FieldExchange::variant(const QString& column, QVariant& member)
{
    QVariant* value = slot(column);
    if (!value)
        return;
    if (pass_ == Pass::Load)
        member = *value;
    else
        *value = member;
}
