#include "playertable/playerfilter.h"

#include "common/searchform.h"
#include "playertable/playertabledata.h"
#include "playertable/tablecolumns.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

using Op = PlayerFilter::Op;
using TableColumns::Source;

constexpr QChar quote = u'"';

struct Operator {
    const char* text;
    Op op;
};
// The two-letter ones first, so that "<=" is not read as "<" and a value "=…".
constexpr Operator operators[] = {
    {"!=", Op::NotEqual}, {"<=", Op::LessOrEqual}, {">=", Op::GreaterOrEqual}, {"=", Op::Equal},
    {"<", Op::Less},      {">", Op::Greater},      {"~", Op::Contains}};

bool isOperatorStart(QChar c) {
    return c == u'=' || c == u'!' || c == u'<' || c == u'>' || c == u'~';
}

// Where the operator of a term begins, outside quotes; -1 when it has none.
qsizetype operatorAt(const QString& term) {
    bool quoted = false;
    for (qsizetype i = 0; i < term.size(); ++i) {
        if (term[i] == quote)
            quoted = !quoted;
        else if (!quoted && isOperatorStart(term[i]))
            return i;
    }
    return -1;
}

// The values of a term's value part: split at commas outside quotes, quotes taken off. Empty,
// with `error` set, when one of them is empty.
std::optional<QStringList> valuesOf(const QString& part, QString* why) {
    QStringList values;
    QString value;
    bool quoted = false;
    bool wasQuoted = false;
    const auto finish = [&]() {
        if (value.isEmpty() && !wasQuoted) {
            *why = QCoreApplication::translate("PlayerFilter", "a value of the list is empty");
            return false;
        }
        values << value;
        value.clear();
        wasQuoted = false;
        return true;
    };
    for (const QChar c : part) {
        if (c == quote) {
            quoted = !quoted;
            wasQuoted = true;
        } else if (c == u',' && !quoted) {
            if (!finish())
                return std::nullopt;
        } else {
            value += c;
        }
    }
    if (!finish())
        return std::nullopt;
    return values;
}

std::optional<qint64> wholeNumber(const QString& text) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

bool compares(Op op, qint64 value, qint64 wanted) {
    switch (op) {
    case Op::Equal:
        return value == wanted;
    case Op::NotEqual:
        return value != wanted;
    case Op::Less:
        return value < wanted;
    case Op::LessOrEqual:
        return value <= wanted;
    case Op::Greater:
        return value > wanted;
    case Op::GreaterOrEqual:
        return value >= wanted;
    case Op::Contains:
        break;
    }
    return false;
}

} // namespace

QStringList PlayerFilter::terms(const QString& text) {
    QStringList terms;
    QString term;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == quote)
            quoted = !quoted;
        if (c.isSpace() && !quoted) {
            if (!term.isEmpty())
                terms << term;
            term.clear();
        } else {
            term += c;
        }
    }
    if (!term.isEmpty())
        terms << term;
    return terms;
}

QString PlayerFilter::quoted(const QString& value) {
    const bool plain = !value.isEmpty() && std::none_of(value.begin(), value.end(), [](QChar c) {
        return c.isSpace() || c == u',' || c == quote || isOperatorStart(c);
    });
    return plain ? value : quote + QString(value).remove(quote) + quote;
}

QString PlayerFilter::withTerm(const QString& text, const QString& column, const QString& term) {
    QStringList kept;
    for (const QString& existing : terms(text)) {
        const qsizetype at = operatorAt(existing);
        if (at <= 0 || existing.left(at).compare(column, Qt::CaseInsensitive) != 0)
            kept << existing;
    }
    if (!term.isEmpty())
        kept << term;
    return kept.join(u' ');
}

std::optional<PlayerFilter> PlayerFilter::parse(const QString& text, QString* error) {
    PlayerFilter filter;
    if (text.count(quote) % 2 != 0) {
        //: %1 is the filter from its last quote on.
        *error = tr("%1: a quote is not closed").arg(text.mid(text.lastIndexOf(quote)));
        return std::nullopt;
    }
    const QStringList all = terms(text);
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QString& written = all[i];
        const auto refuse = [&](const QString& why) {
            *error = QStringLiteral("%1: %2").arg(written, why);
            return std::nullopt;
        };
        Term term;
        const qsizetype at = operatorAt(written);
        QString columnName = at < 0 ? QStringLiteral("name") : written.left(at);
        QString valuePart = at < 0 ? written : written.mid(at);
        if (at == 0) {
            // "speed >= 85": the blanks split one term into three.
            const QString op =
                written.left(written.size() > 1 && isOperatorStart(written[1]) ? 2 : 1);
            const bool alone = written == op && i + 1 < all.size();
            if (i == 0)
                return refuse(tr("no column before \"%1\"").arg(op));
            //: %2%3%4 is the term written without its blanks ("speed>=85").
            return refuse(tr("no column before \"%1\"; a term has no blanks in it, as in %2%3%4")
                              .arg(op, all[i - 1], written, alone ? all[i + 1] : QString()));
        }
        if (at < 0) {
            term.op = Op::Contains;
        } else {
            const auto found =
                std::find_if(std::begin(operators), std::end(operators), [&](const Operator& o) {
                    return valuePart.startsWith(QLatin1String(o.text));
                });
            if (found == std::end(operators))
                return refuse(tr("\"!\" is no operator; use != for \"is not\""));
            term.op = found->op;
            valuePart = valuePart.mid(qsizetype(qstrlen(found->text)));
            if (valuePart.isEmpty())
                return refuse(tr("no value after \"%1\"").arg(QLatin1String(found->text)));
        }
        term.column = TableColumns::find(columnName);
        if (term.column < 0) {
            const QString near = TableColumns::nearest(columnName);
            if (near.isEmpty())
                return refuse(tr("unknown column \"%1\"").arg(columnName));
            //: %2 is the known column nearest to the name typed.
            return refuse(tr("unknown column \"%1\" (%2?)").arg(columnName, near));
        }
        QString why;
        const auto values = valuesOf(valuePart, &why);
        if (!values)
            return refuse(why);
        const TableColumns::Column& column = TableColumns::all().at(size_t(term.column));
        const bool ordering =
            term.op != Op::Equal && term.op != Op::NotEqual && term.op != Op::Contains;
        if (ordering && values->size() > 1)
            return refuse(tr("a list of values goes with =, != or ~ only"));
        if (ordering && !column.numbers)
            //: %1 is a column name of the filter ("name").
            return refuse(tr("%1 holds text: compare it with =, != or ~").arg(column.name));
        term.texts = *values;
        for (const QString& value : *values)
            term.folded << searchForm(value);
        if (column.numbers && term.op != Op::Contains) {
            for (const QString& value : *values) {
                const auto number = wholeNumber(value);
                if (!number)
                    //: %1 is a column name of the filter ("speed"), %2 the value typed.
                    return refuse(
                        tr("%1 holds whole numbers, and \"%2\" is none").arg(column.name, value));
                term.numbers << *number;
            }
        }
        filter.m_terms.push_back(std::move(term));
    }
    return filter;
}

QList<int> PlayerFilter::columns() const {
    QList<int> result;
    for (const Term& term : m_terms)
        if (!result.contains(term.column))
            result << term.column;
    return result;
}

bool PlayerFilter::matches(const PlayerTableData& data, int row) const {
    return std::all_of(m_terms.begin(), m_terms.end(),
                       [&](const Term& term) { return holds(term, data, row); });
}

bool PlayerFilter::holds(const Term& term, const PlayerTableData& data, int row) const {
    const TableColumns::Column& column = TableColumns::all().at(size_t(term.column));
    // The values the cell holds: one, or one per squad for the list columns.
    QStringList texts;
    QList<qint64> numbers;
    if (column.source == Source::Teams) {
        texts = data.teams(row);
    } else if (column.source == Source::Numbers) {
        numbers = data.shirtNumbers(row);
        for (const qint64 number : numbers)
            texts << QString::number(number);
    } else if (column.numbers && term.op != Op::Contains) {
        numbers << data.number(row, term.column).value_or(0);
    } else {
        texts << data.text(row, term.column);
    }

    const auto one = [&](qsizetype i) {
        if (term.op == Op::Contains) {
            const QString cell = searchForm(texts[i]);
            return std::any_of(term.folded.begin(), term.folded.end(),
                               [&](const QString& wanted) { return cell.contains(wanted); });
        }
        if (column.numbers) {
            const Op op = term.op == Op::NotEqual ? Op::Equal : term.op;
            return std::any_of(term.numbers.begin(), term.numbers.end(),
                               [&](qint64 wanted) { return compares(op, numbers[i], wanted); });
        }
        return std::any_of(term.texts.begin(), term.texts.end(), [&](const QString& wanted) {
            return texts[i].compare(wanted, Qt::CaseInsensitive) == 0;
        });
    };
    const qsizetype count =
        column.numbers && term.op != Op::Contains ? numbers.size() : texts.size();
    bool any = false;
    for (qsizetype i = 0; i < count && !any; ++i)
        any = one(i);
    // != holds when no value is equal to one of the list's: also for a player in no squad.
    return term.op == Op::NotEqual ? !any : any;
}
