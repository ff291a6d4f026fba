#pragma once

#include <QString>
#include <QStringList>

#include <algorithm>
#include <vector>

// The tables of the command (coders, targets, boards) are rows named by their first field, name.

template <class Row>
QStringList RowNames(const std::vector<Row>& rows) {
    QStringList names;
    for (const Row& row : rows) names << QLatin1String(row.name);
    return names;
}

// The row of a name that RowNames gives.
template <class Row>
const Row& FindRow(const std::vector<Row>& rows, const QString& name) {
    return *std::find_if(rows.begin(), rows.end(),
                         [&](const Row& row) { return name == QLatin1String(row.name); });
}
