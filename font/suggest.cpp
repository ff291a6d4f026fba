#include "font/suggest.h"

#include <algorithm>
#include <vector>

int EditDistance(const QString& a, const QString& b) {
    // d[i][j]: the distance between the first i characters of a and the first j of b.
    std::vector<std::vector<int>> d(a.size() + 1, std::vector<int>(b.size() + 1));
    for (qsizetype i = 0; i <= a.size(); ++i) d[i][0] = int(i);
    for (qsizetype j = 0; j <= b.size(); ++j) d[0][j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int substitution = d[i - 1][j - 1] + (a[i - 1] != b[j - 1]);
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, substitution});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

QStringList Nearest(const QString& word, const QStringList& choices) {
    QStringList nearest;
    int best = word.size() <= 4 ? 1 : 2;
    for (const QString& choice : choices) {
        const int distance = EditDistance(word.toLower(), choice.toLower());
        if (distance < best) nearest.clear(), best = distance;
        if (distance == best) nearest << choice;
    }
    return nearest;
}

QString Closest(const QString& word, const QStringList& choices) {
    return Nearest(word, choices).value(0);
}
