#include "database/Condition.h"

#include "database/ColumnValues.h"
#include "database/Database.h"
#include "database/DatabaseException.h"

namespace {

enum class TokenKind
{
    End,
    Field,
    Word,
    String,
    Guid,
    Number,
    Operator,
    Open,
    Close,
    Comma
};

struct Token
{
    TokenKind kind = TokenKind::End;
    QString text;
};

class Tokenizer
{
public:
    explicit Tokenizer(const QString& text) : text_(text) {}

    Token next()
    {
        skipBlanks();
        if (pos_ >= text_.size())
            return {TokenKind::End, QString()};
        const QChar c = text_.at(pos_);
        if (c == QLatin1Char('['))
            return bracketed();
        if (c == QLatin1Char('\'') || c == QLatin1Char('"'))
            return quoted(c);
        if (c == QLatin1Char('{'))
            return guid();
        if (c == QLatin1Char('('))
            return single(TokenKind::Open);
        if (c == QLatin1Char(')'))
            return single(TokenKind::Close);
        if (c == QLatin1Char(','))
            return single(TokenKind::Comma);
        if (c == QLatin1Char('=') || c == QLatin1Char('<') || c == QLatin1Char('>'))
            return comparison();
        if (c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('.'))
            return number();
        if (c.isLetter() || c == QLatin1Char('_'))
            return word();
        fail(QStringLiteral("unexpected character '%1'").arg(c));
    }

    [[noreturn]] void fail(const QString& why) const
    {
        throw DatabaseException(QStringLiteral("Syntax error in the condition \"%1\": %2.").arg(text_, why));
    }

private:
    void skipBlanks()
    {
        while (pos_ < text_.size() && text_.at(pos_).isSpace())
            ++pos_;
    }

    Token single(TokenKind kind) { return {kind, QString(text_.at(pos_++))}; }

    Token bracketed()
    {
        const qsizetype end = text_.indexOf(QLatin1Char(']'), pos_ + 1);
        if (end < 0)
            fail(QStringLiteral("missing ']'"));
        Token t{TokenKind::Field, text_.mid(pos_ + 1, end - pos_ - 1)};
        pos_ = end + 1;
        return t;
    }

    Token quoted(QChar quote)
    {
        QString value;
        for (++pos_; pos_ < text_.size(); ++pos_) {
            const QChar c = text_.at(pos_);
            if (c != quote) {
                value.append(c);
                continue;
            }
            // A doubled quote stands for one quote inside the text.
            if (pos_ + 1 < text_.size() && text_.at(pos_ + 1) == quote) {
                value.append(quote);
                ++pos_;
                continue;
            }
            ++pos_;
            return {TokenKind::String, value};
        }
        fail(QStringLiteral("a text is not closed"));
    }

    Token guid()
    {
        const qsizetype end = text_.indexOf(QLatin1String("}}"), pos_);
        if (end < 0)
            fail(QStringLiteral("a GUID is not closed"));
        Token t{TokenKind::Guid, text_.mid(pos_, end + 2 - pos_)};
        pos_ = end + 2;
        return t;
    }

    Token comparison()
    {
        QString op(text_.at(pos_++));
        if (pos_ < text_.size()) {
            const QChar c = text_.at(pos_);
            if ((op == QLatin1String("<") && (c == QLatin1Char('>') || c == QLatin1Char('='))) ||
                (op == QLatin1String(">") && c == QLatin1Char('='))) {
                op.append(c);
                ++pos_;
            }
        }
        return {TokenKind::Operator, op};
    }

    Token number()
    {
        const qsizetype start = pos_++;
        while (pos_ < text_.size() && (text_.at(pos_).isDigit() || text_.at(pos_) == QLatin1Char('.')))
            ++pos_;
        return {TokenKind::Number, text_.mid(start, pos_ - start)};
    }

    Token word()
    {
        const qsizetype start = pos_;
        while (pos_ < text_.size() &&
               (text_.at(pos_).isLetterOrNumber() || text_.at(pos_) == QLatin1Char('_')))
            ++pos_;
        return {TokenKind::Word, text_.mid(start, pos_ - start)};
    }

    const QString& text_;
    qsizetype pos_ = 0;
};

bool isKeyword(const Token& t, const char* keyword)
{
    return t.kind == TokenKind::Word && t.text.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

// condition := or ; or := and (OR and)* ; and := not (AND not)* ;
// not := NOT not | '(' or ')' | field op value | field IS [NOT] NULL
class ConditionParser
{
public:
    ConditionParser(const QString& text, const TableDef& table) : tokens_(text), table_(table) { advance(); }

    SqlCondition parse()
    {
        SqlCondition out;
        if (current_.kind == TokenKind::End)
            return out;
        out.sql = orExpression();
        if (current_.kind != TokenKind::End)
            tokens_.fail(QStringLiteral("unexpected '%1'").arg(current_.text));
        out.parameters = parameters_;
        return out;
    }

private:
    void advance() { current_ = tokens_.next(); }

    QString orExpression()
    {
        QString sql = andExpression();
        while (isKeyword(current_, "OR")) {
            advance();
            sql += QLatin1String(" OR ") + andExpression();
        }
        return sql;
    }

    QString andExpression()
    {
        QString sql = notExpression();
        while (isKeyword(current_, "AND")) {
            advance();
            sql += QLatin1String(" AND ") + notExpression();
        }
        return sql;
    }

    QString notExpression()
    {
        if (isKeyword(current_, "NOT")) {
            advance();
            return QLatin1String("NOT ") + notExpression();
        }
        if (current_.kind == TokenKind::Open) {
            advance();
            const QString inner = orExpression();
            if (current_.kind != TokenKind::Close)
                tokens_.fail(QStringLiteral("missing ')'"));
            advance();
            return QLatin1Char('(') + inner + QLatin1Char(')');
        }
        return comparison();
    }

    QString comparison()
    {
        if (current_.kind != TokenKind::Field && current_.kind != TokenKind::Word)
            tokens_.fail(QStringLiteral("a field name is expected"));
        const ColumnDef* column = table_.column(current_.text);
        if (!column)
            throw DatabaseException(QStringLiteral("Unknown field '%1' in the condition on table '%2'.")
                                        .arg(current_.text, table_.name));
        const QString field = Database::quoteIdentifier(column->name);
        advance();

        if (isKeyword(current_, "IS")) {
            advance();
            bool negated = false;
            if (isKeyword(current_, "NOT")) {
                negated = true;
                advance();
            }
            if (!isKeyword(current_, "NULL"))
                tokens_.fail(QStringLiteral("NULL is expected after IS"));
            advance();
            return field + (negated ? QLatin1String(" IS NOT NULL") : QLatin1String(" IS NULL"));
        }
        if (current_.kind != TokenKind::Operator)
            tokens_.fail(QStringLiteral("a comparison is expected after '%1'").arg(column->name));
        const QString op = current_.text == QLatin1String("=") ? QStringLiteral("=") : current_.text;
        advance();
        if (current_.kind != TokenKind::String && current_.kind != TokenKind::Guid &&
            current_.kind != TokenKind::Number)
            tokens_.fail(QStringLiteral("a value is expected after '%1'").arg(op));
        parameters_.append(ColumnValues::forComparison(*column, current_.text));
        advance();
        return field + QLatin1Char(' ') + op + QLatin1String(" ?");
    }

    Tokenizer tokens_;
    const TableDef& table_;
    Token current_;
    QList<QVariant> parameters_;
};

} // namespace

SqlCondition parseCondition(const QString& condition, const TableDef& table)
{
    return ConditionParser(condition, table).parse();
}

QString parseSort(const QString& sort, const TableDef& table)
{
    QStringList terms;
    Tokenizer tokens(sort);
    Token t = tokens.next();
    while (t.kind != TokenKind::End) {
        if (t.kind != TokenKind::Field && t.kind != TokenKind::Word)
            tokens.fail(QStringLiteral("a field name is expected"));
        const ColumnDef* column = table.column(t.text);
        if (!column)
            throw DatabaseException(QStringLiteral("Unknown field '%1' in the sort order of table '%2'.")
                                        .arg(t.text, table.name));
        QString term = Database::quoteIdentifier(column->name);
        t = tokens.next();
        if (isKeyword(t, "DESC") || isKeyword(t, "ASC")) {
            term += QLatin1Char(' ') + t.text.toUpper();
            t = tokens.next();
        }
        terms << term;
        if (t.kind == TokenKind::Comma)
            t = tokens.next();
        else if (t.kind != TokenKind::End)
            tokens.fail(QStringLiteral("',' is expected between sort fields"));
    }
    return terms.join(QLatin1String(", "));
}

QString quoteText(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}
