#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class PlayerTableData;

// The player table's filter language, shared by the grid, the database import and the command
// line. A filter is terms separated by blanks, all of which must hold. A term is `column op value`
// with no blank inside (a value with blanks goes in double quotes: teams~"real madrid"); `op` is
// one of = != < <= > >= and ~ (contains, without regard to case and accents). A list of values,
// position=CF,SS, means any of them (!= none of them). The columns are the player table's
// (TableColumns). On `teams` and `numbers`, which hold one value per squad, a term holds when one
// of them satisfies it, and a != term when none is equal. A word without an operator stands for
// name~word. Values are compared as the players sheet shows them.
class PlayerFilter {
    Q_DECLARE_TR_FUNCTIONS(PlayerFilter)

public:
    enum class Op { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual, Contains };

    // The filter a text writes; empty, with a message naming the term and what is wrong in
    // `error`, when the text is no filter. An empty text lets every player through.
    static std::optional<PlayerFilter> parse(const QString& text, QString* error);

    bool isEmpty() const { return m_terms.empty(); }
    // The columns the terms read, each once.
    QList<int> columns() const;
    bool matches(const PlayerTableData& data, int row) const;

    // The terms of a text as typed, quotes kept.
    static QStringList terms(const QString& text);
    // The text with every term on `column` taken out and `term` added at its end (none when it
    // is empty): how a chooser of one column writes its choice into a filter.
    static QString withTerm(const QString& text, const QString& column, const QString& term);
    // A value as a term writes it: in double quotes when it holds a blank, a comma or a quote.
    static QString quoted(const QString& value);

private:
    struct Term {
        int column = 0;
        Op op = Op::Equal;
        QStringList texts;     // as given, for text columns and ~
        QStringList folded;    // the same as searches compare them
        QList<qint64> numbers; // for number columns, but with ~
    };
    bool holds(const Term& term, const PlayerTableData& data, int row) const;

    std::vector<Term> m_terms;
};
