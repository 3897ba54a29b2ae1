#pragma once

#include <QString>

// One item of a line drawn with PagePainter::drawItemLine: a text, a string
// of the string table or a whole number, or an empty item that only takes its
// column. `align` is one of PagePainter's item alignments.
struct LineItem
{
    enum Kind
    {
        Text = 1,
        StringById = 2,
        Integer = 3,
        Empty = 4,
    };

    Kind kind = Empty;
    int align = 0;
    QString text;
    int number = 0; // the string id or the whole number

    static LineItem literal(const QString& text, int align = 0) { return {Text, align, text, 0}; }
    static LineItem string(int id, int align = 0) { return {StringById, align, QString(), id}; }
    static LineItem integer(int value, int align = 0) { return {Integer, align, QString(), value}; }
    static LineItem empty() { return {}; }
};
