#pragma once

#include <QString>
#include <QStringList>

// A hidden list kept in step, by position, with a visible list: the windows' working storage for
// offsets, IDs and names. Like the list controls it replaces, it has a current position.
struct ParallelList {
    QStringList items;
    int current = -1;

    void clear() {
        items.clear();
        current = -1;
    }
    int count() const { return static_cast<int>(items.size()); }
    // Selecting a position the list does not have leaves it with no current position.
    bool select(int index) {
        current = index >= 0 && index < count() ? index : -1;
        return current >= 0;
    }
    bool hasCurrent() const { return current >= 0 && current < count(); }
    // Text at the current position; empty when there is none.
    QString text() const { return hasCurrent() ? items.at(current) : QString(); }
    void setText(const QString& text) {
        if (hasCurrent())
            items[current] = text;
    }
};
